#include "MessageInfoBox.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace tarvik {
namespace {

struct SeenBox {
  std::wstring caption;
  std::wstring text;
  bool hasIcon = false;
  bool ownerWasDisabled = false;
  bool found = false;
};

BOOL CALLBACK TakeDialog(HWND window, LPARAM found) {
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (std::wstring(className) != L"#32770") return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Systems differ in the icon control's id, so look for any static showing an icon.
BOOL CALLBACK HasIconPicture(HWND child, LPARAM found) {
  if (SendMessageW(child, STM_GETICON, 0, 0) == 0) return TRUE;
  *reinterpret_cast<bool*>(found) = true;
  return FALSE;
}

// The box the given thread shows, waited for up to five seconds.
HWND FindMessageBoxOf(DWORD thread) {
  for (int attempt = 0; attempt < 500; ++attempt) {
    HWND box = nullptr;
    EnumThreadWindows(thread, TakeDialog, reinterpret_cast<LPARAM>(&box));
    if (box != nullptr && IsWindowVisible(box)) return box;
    Sleep(10);
  }
  return nullptr;
}

TEST(MessageInfoBox, ShowsTheCheckTextModallyAndReturnsWhenDismissed) {
  HWND owner = CreateWindowW(L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                             nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(owner, nullptr);
  SeenBox seen;
  const DWORD uiThread = GetCurrentThreadId();
  std::thread watcher([&] {
    HWND box = FindMessageBoxOf(uiThread);
    if (box == nullptr) return;
    seen.found = GetWindow(box, GW_OWNER) == owner;
    wchar_t buffer[256] = {};
    GetWindowTextW(box, buffer, 256);
    seen.caption = buffer;
    GetDlgItemTextW(box, 0xFFFF, buffer, 256);
    seen.text = buffer;
    EnumChildWindows(box, HasIconPicture, reinterpret_cast<LPARAM>(&seen.hasIcon));
    seen.ownerWasDisabled = !IsWindowEnabled(owner);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  MessageInfoBox(owner).ShowCheckKeyOrValue();
  watcher.join();

  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.caption, L"\u514D\u8D39 Tarvik");
  EXPECT_EQ(seen.text, L"\u8BF7\u68C0\u67E5\u6CE8\u518C\u8868\u952E\u6216\u503C\u662F\u5426\u5B58\u5728.");
  EXPECT_TRUE(seen.hasIcon);
  EXPECT_TRUE(seen.ownerWasDisabled);
  EXPECT_TRUE(IsWindowEnabled(owner));
  DestroyWindow(owner);
}

}  // namespace
}  // namespace tarvik
