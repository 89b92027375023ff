// The About dialog: modal over the main window, its texts, and how it closes.
#include <gtest/gtest.h>

#include "TarvikApp.h"

namespace tarvik::testing {
namespace {

constexpr wchar_t kAbout[] = L"\u5173\u4E8E(&B)";
constexpr wchar_t kOk[] = L"&\u786E\u5B9A";

std::wstring TextOfChild(HWND parent, const wchar_t* text) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (TextOf(child) == text) return text;
  }
  return L"(missing)";
}

class About : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(app_.Main(), nullptr);
    PostClick(app_.Button(kAbout));
    dialog_ = app_.WaitForWindow(L"TfrmAbout");
    ASSERT_NE(dialog_, nullptr);
    ok_ = FindWindowExW(dialog_, nullptr, L"Button", kOk);
    ASSERT_NE(ok_, nullptr);
  }

  bool Closed() {
    for (int attempt = 0; attempt < 100 && IsWindowVisible(dialog_); ++attempt) Sleep(20);
    return !IsWindowVisible(dialog_);
  }

  TarvikApp app_;
  HWND dialog_ = nullptr;
  HWND ok_ = nullptr;
};

TEST_F(About, OpensModallyWithItsTexts) {
  EXPECT_EQ(TextOf(dialog_), L"\u5173\u4E8E Orveta Free Tarvik");
  EXPECT_EQ(GetWindow(dialog_, GW_OWNER), app_.Main());
  EXPECT_FALSE(IsWindowEnabled(app_.Main()));
  RECT client;
  GetClientRect(dialog_, &client);
  EXPECT_EQ(client.right, 360);
  EXPECT_EQ(client.bottom, 255);
  for (const wchar_t* text : {L"\u514D\u8D39 Tarvik", L"\u7248\u672C: 1.0   Build 20120713",
                              L"\u5982\u679C\u4F60\u559C\u6B22\u5B83\uFF0C\u8BF7\u968F\u65F6\u6350\u8D60          ."}) {
    EXPECT_EQ(TextOfChild(dialog_, text), text);
  }
  EXPECT_EQ(FocusOf(dialog_), ok_);
}

TEST_F(About, EnterClosesItAndEscapeDoesNot) {
  ClickWithMouse(FindWindowExW(dialog_, nullptr, L"TarvikGraphic", L"\u514D\u8D39 Tarvik"));
  Xdotool("key Escape");
  app_.Settle();
  EXPECT_TRUE(IsWindowVisible(dialog_));
  EXPECT_EQ(FocusOf(dialog_), ok_);
  Xdotool("key Return");
  EXPECT_TRUE(Closed());
  EXPECT_TRUE(IsWindowEnabled(app_.Main()));
}

TEST_F(About, TitleBarCloseClosesItAndEachShowingIsAFreshDialog) {
  PostMessageW(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(Closed());
  for (int attempt = 0; attempt < 100 && IsWindow(dialog_); ++attempt) Sleep(20);
  EXPECT_FALSE(IsWindow(dialog_));
  PostClick(app_.Button(kAbout));
  const HWND again = app_.WaitForWindow(L"TfrmAbout");
  ASSERT_NE(again, nullptr);
  PostClick(FindWindowExW(again, nullptr, L"Button", kOk));
  for (int attempt = 0; attempt < 100 && IsWindow(again); ++attempt) Sleep(20);
  EXPECT_FALSE(IsWindow(again));
  EXPECT_TRUE(app_.Running());
}

}  // namespace
}  // namespace tarvik::testing
