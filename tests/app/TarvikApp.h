#pragma once
// Drives a running Tarvik.exe from outside, as a user or an automation tool
// would: by window messages, the clipboard and real keystrokes (xdotool).
// Each instance starts a fresh copy of the program in a folder of its own
// and ends it afterwards.
#include <windows.h>

#include <string>

namespace tarvik::testing {

struct SeenBox {
  std::wstring caption;
  std::wstring text;
  bool found = false;
};

class TarvikApp {
 public:
  TarvikApp();
  ~TarvikApp();
  TarvikApp(const TarvikApp&) = delete;
  TarvikApp& operator=(const TarvikApp&) = delete;

  HWND Main() const { return main_; }
  HANDLE Process() const { return process_.hProcess; }
  DWORD ProcessId() const { return process_.dwProcessId; }
  bool Running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }
  // Waits up to ten seconds for the process to end.
  bool WaitForExit() const;

  // The first descendant of that class (and caption, unless null).
  HWND Find(const wchar_t* className, const wchar_t* caption = nullptr) const;
  HWND Button(const wchar_t* caption) const { return Find(L"Button", caption); }
  HWND Edit() const { return Find(L"Edit"); }

  // A top-level window of the program's other than the main window, such as
  // a message box ("#32770") or the About dialog, waited for up to the
  // given time; null when none appears.
  HWND WaitForWindow(const wchar_t* className, DWORD milliseconds = 5000) const;
  // Reads the message box that appears, and presses its OK button.
  SeenBox DismissMessageBox(DWORD milliseconds = 5000) const;

  // Lets a posted click (or key) be handled before looking at the outcome.
  void Settle() const;

  // Screen rectangle of a window, and its bounds relative to another window.
  static RECT BoundsIn(HWND control, HWND reference);

 private:
  std::string folder_;
  PROCESS_INFORMATION process_{};
  HWND main_ = nullptr;
};

// A path of the Linux file system as Wine's drive Z: shows it.
std::string OnDriveZ(std::string unixPath);

std::wstring TextOf(HWND window);
void SetEditText(HWND edit, const char* ansiText);
// Posted, so a click whose handler shows a modal box does not block the test.
void PostClick(HWND button);
HWND FocusOf(HWND window);
bool PutOnClipboard(const char* ansiText);

// Runs xdotool with the arguments and waits until it has finished.
void Xdotool(const std::string& arguments);
// Moves the mouse to the window's centre and clicks the given button there.
void ClickWithMouse(HWND window, int button = 1);

}  // namespace tarvik::testing
