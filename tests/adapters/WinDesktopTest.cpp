#include "WinDesktop.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

namespace tarvik {
namespace {

struct Received {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<Received> g_received;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN || message == WM_CHAR) g_received.push_back({message, wParam, lParam});
  return DefWindowProcA(window, message, wParam, lParam);
}

// A parent with one direct child and, inside another child, a grandchild,
// all of window classes of our own.
class WindowTree : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"TarvikTestParent", "TarvikTestInner", "TarvikTestTarget"}) {
      WNDCLASSA windowClass{};
      windowClass.lpfnWndProc = RecordingProc;
      windowClass.hInstance = GetModuleHandleA(nullptr);
      windowClass.lpszClassName = name;
      RegisterClassA(&windowClass);
    }
    parent_ = CreateWindowA("TarvikTestParent", "", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200, nullptr,
                            nullptr, nullptr, nullptr);
    inner_ = CreateWindowA("TarvikTestInner", "", WS_CHILD, 0, 0, 50, 50, parent_, nullptr, nullptr,
                           nullptr);
    grandchild_ = CreateWindowA("TarvikTestTarget", "", WS_CHILD, 0, 0, 10, 10, inner_, nullptr,
                                nullptr, nullptr);
    g_received.clear();
  }
  void TearDown() override { DestroyWindow(parent_); }

  static WindowId Id(HWND window) { return reinterpret_cast<WindowId>(window); }

  WinDesktop desktop_;
  HWND parent_ = nullptr;
  HWND inner_ = nullptr;
  HWND grandchild_ = nullptr;
};

TEST_F(WindowTree, FindsTopWindowsAndOnlyDirectChildren) {
  EXPECT_EQ(desktop_.FindTopWindow("TarvikTestParent"), Id(parent_));
  EXPECT_EQ(desktop_.FindTopWindow("TarvikTestNoSuchClass"), 0u);
  EXPECT_EQ(desktop_.FindDirectChild(Id(parent_), "TarvikTestInner"), Id(inner_));
  EXPECT_EQ(desktop_.FindDirectChild(Id(parent_), "TarvikTestTarget"), 0u);
  // No parent must not turn into a search of the top-level windows.
  EXPECT_EQ(desktop_.FindDirectChild(0, "TarvikTestParent"), 0u);
}

TEST_F(WindowTree, DeliversMessagesBeforeReturning) {
  desktop_.Send(Id(grandchild_), WM_KEYDOWN, VK_LEFT, 0);
  desktop_.Send(Id(grandchild_), WM_CHAR, 0xB1, 0);
  ASSERT_EQ(g_received.size(), 2u);
  EXPECT_EQ(g_received[0].message, static_cast<UINT>(WM_KEYDOWN));
  EXPECT_EQ(g_received[0].wParam, static_cast<WPARAM>(VK_LEFT));
  EXPECT_EQ(g_received[1].message, static_cast<UINT>(WM_CHAR));
  EXPECT_EQ(g_received[1].wParam, 0xB1u);  // an ANSI window gets the byte as sent
  EXPECT_EQ(g_received[1].lParam, 0);
  desktop_.Send(0, WM_CHAR, 'x', 0);  // no window: nothing is sent anywhere
  EXPECT_EQ(g_received.size(), 2u);
}

TEST(WinDesktop, SystemWindowsFolderIsTheSharedOne) {
  WinDesktop desktop;
  char expected[MAX_PATH];
  ASSERT_GT(GetSystemWindowsDirectoryA(expected, MAX_PATH), 0u);
  EXPECT_EQ(desktop.SystemWindowsFolder(), expected);
}

}  // namespace
}  // namespace tarvik
