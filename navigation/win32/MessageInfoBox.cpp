#include "MessageInfoBox.h"

#include <vector>

#include "Global.h"

namespace tarvik {
namespace {

// Disables the thread's enabled, visible top-level windows for as long as
// it lives and enables them again afterwards.
class TaskWindowsDisabled {
 public:
  TaskWindowsDisabled() {
    EnumThreadWindows(GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(&windows_));
    for (HWND window : windows_) EnableWindow(window, FALSE);
  }
  ~TaskWindowsDisabled() {
    for (HWND window : windows_) EnableWindow(window, TRUE);
  }
  TaskWindowsDisabled(const TaskWindowsDisabled&) = delete;
  TaskWindowsDisabled& operator=(const TaskWindowsDisabled&) = delete;

 private:
  static BOOL CALLBACK Collect(HWND window, LPARAM list) {
    if (IsWindowVisible(window) && IsWindowEnabled(window)) {
      reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    }
    return TRUE;
  }
  std::vector<HWND> windows_;
};

}  // namespace

void MessageInfoBox::ShowCheckKeyOrValue() {
  const std::wstring text = LoadResString(SCheckKeyOrValue);
  const std::wstring caption = LoadResString(SAppTitle);
  // When the box goes the system activates its owner, a window the user
  // may never see; hand activation back to where the user was.
  const HWND active = GetActiveWindow();
  {
    const TaskWindowsDisabled disabled;
    MessageBoxW(owner_, text.c_str(), caption.c_str(), MB_ICONINFORMATION);
  }
  if (active != nullptr && IsWindow(active) && GetActiveWindow() != active) SetActiveWindow(active);
}

}  // namespace tarvik
