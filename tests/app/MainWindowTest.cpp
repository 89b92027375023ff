// The main window as an outside program finds it: its class name, caption,
// frame, layout after the first showing, and the texts of its controls.
#include <gtest/gtest.h>

#include "TarvikApp.h"

// RECT lives in the global namespace, where the comparisons must be found.
inline bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline std::ostream& operator<<(std::ostream& out, const RECT& r) {
  return out << "{" << r.left << ", " << r.top << ", " << r.right - r.left << " x "
             << r.bottom - r.top << "}";
}


namespace tarvik::testing {
namespace {

constexpr wchar_t kTitle[] = L"\u514D\u8D39 Tarvik";

RECT Bounds(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

class MainWindow : public ::testing::Test {
 protected:
  TarvikApp app_;
};

TEST_F(MainWindow, IsFoundByItsClassNameWithItsCaptionAndFixedFrame) {
  ASSERT_NE(app_.Main(), nullptr);
  EXPECT_EQ(TextOf(app_.Main()), kTitle);
  RECT client;
  GetClientRect(app_.Main(), &client);
  EXPECT_EQ(client.right, 513);
  EXPECT_EQ(client.bottom, 397);
  const LONG style = GetWindowLongW(app_.Main(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  // Owned by the application window, which carries the taskbar button.
  const HWND owner = GetWindow(app_.Main(), GW_OWNER);
  ASSERT_NE(owner, nullptr);
  EXPECT_EQ(TextOf(owner), kTitle);
  EXPECT_FALSE(GetWindowLongW(app_.Main(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
}

// The header's pictures have no caption; they are told apart by where they are.
bool HasChildAt(HWND parent, const RECT& bounds) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (TarvikApp::BoundsIn(child, parent) == bounds) return true;
  }
  return false;
}

TEST_F(MainWindow, LaysOutTheHeaderAcrossTheClientWidth) {
  ASSERT_NE(app_.Main(), nullptr);
  EXPECT_TRUE(HasChildAt(app_.Main(), Bounds(0, 0, 513, 50)));
  const HWND update = app_.Find(L"TarvikGraphic", L"\u5173\u4E8E\u6C49\u5316...");
  ASSERT_NE(update, nullptr);
  const RECT link = TarvikApp::BoundsIn(update, app_.Main());
  EXPECT_EQ(link.right, 513 - 10);
  EXPECT_EQ(link.top, 24);
  EXPECT_TRUE(HasChildAt(app_.Main(), Bounds(link.left - 20, 24, 32, 32)));
}

TEST_F(MainWindow, PlacesItsControlsAtTheirBoundsWithTheirCaptions) {
  ASSERT_NE(app_.Main(), nullptr);
  const HWND group = app_.Find(L"TarvikGroupBox");
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(TarvikApp::BoundsIn(group, app_.Main()), Bounds(8, 53, 496, 53));
  EXPECT_EQ(TarvikApp::BoundsIn(app_.Edit(), group), Bounds(8, 18, 394, 21));
  EXPECT_EQ(TextOf(app_.Edit()), L"");
  EXPECT_EQ(TarvikApp::BoundsIn(app_.Find(L"SysListView32"), app_.Main()), Bounds(8, 120, 497, 225));

  struct Case {
    const wchar_t* caption;
    HWND reference;
    RECT bounds;
  };
  const Case cases[] = {
      {L"\u8F6C\u8DF3(&J)", group, Bounds(413, 16, 72, 27)},
      {L"\u9000\u51FA(&X)", app_.Main(), Bounds(450, 360, 55, 27)},
      {L"\u5173\u4E8E(&B)", app_.Main(), Bounds(376, 360, 55, 27)},
      {L"\u6DFB\u52A0\u5230\u5217\u8868(&A)", app_.Main(), Bounds(8, 360, 68, 27)},
      {L"\u4ECE\u5217\u8868\u4E2D\u8DF3\u8F6C(&J)", app_.Main(), Bounds(82, 360, 83, 27)},
      {L"\u6E05\u9664(&R)", app_.Main(), Bounds(302, 360, 55, 27)},
      {L"\u4E0B\u79FB(&D)", app_.Main(), Bounds(237, 360, 55, 27)},
      {L"\u4E0A\u79FB(&U)", app_.Main(), Bounds(172, 360, 55, 27)},
  };
  for (const Case& c : cases) {
    const HWND button = app_.Button(c.caption);
    ASSERT_NE(button, nullptr) << ::testing::PrintToString(std::wstring(c.caption));
    EXPECT_EQ(TarvikApp::BoundsIn(button, c.reference), c.bounds);
  }
  EXPECT_NE(app_.Find(L"TarvikGraphic", L"\u76F4\u63A5\u8DF3\u8F6C\u5230\u4E00\u4E2A\u6CE8\u518C\u8868\u9879"),
            nullptr);
}

TEST_F(MainWindow, LeavesTheSavedListCommandsUnavailableForNow) {
  ASSERT_NE(app_.Main(), nullptr);
  app_.Settle();
  for (const wchar_t* caption : {L"\u6DFB\u52A0\u5230\u5217\u8868(&A)", L"\u4ECE\u5217\u8868\u4E2D\u8DF3\u8F6C(&J)",
                                 L"\u6E05\u9664(&R)", L"\u4E0B\u79FB(&D)", L"\u4E0A\u79FB(&U)"}) {
    EXPECT_FALSE(IsWindowEnabled(app_.Button(caption)));
  }
}

TEST_F(MainWindow, ExitButtonEndsTheProcess) {
  ASSERT_NE(app_.Main(), nullptr);
  PostClick(app_.Button(L"\u9000\u51FA(&X)"));
  EXPECT_TRUE(app_.WaitForExit());
}

TEST_F(MainWindow, TitleBarCloseEndsTheProcess) {
  ASSERT_NE(app_.Main(), nullptr);
  PostMessageW(app_.Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(app_.WaitForExit());
}

TEST_F(MainWindow, ShowMainFromAnotherProcessBringsAMinimisedWindowBack) {
  ASSERT_NE(app_.Main(), nullptr);
  SendMessageW(app_.Main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  const HWND application = GetWindow(app_.Main(), GW_OWNER);
  ASSERT_TRUE(IsIconic(application));
  SendMessageW(app_.Main(), 0x5A01, 0, 0);
  EXPECT_FALSE(IsIconic(application));
  EXPECT_TRUE(IsWindowVisible(app_.Main()));
}

}  // namespace
}  // namespace tarvik::testing
