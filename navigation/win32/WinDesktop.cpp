#include "WinDesktop.h"

#include <windows.h>
#include <shellapi.h>

namespace tarvik {
namespace {

HWND AsWindow(WindowId window) { return reinterpret_cast<HWND>(window); }

// A 32-bit process on 64-bit Windows has "<Windows>\regedit.exe" redirected
// to the 32-bit copy in SysWOW64, which shows the other registry view.
// Turning the redirection off for the start keeps the path honest. The
// functions are looked up because 32-bit Windows does not have them.
class Wow64RedirectionOff {
 public:
  Wow64RedirectionOff() {
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    disable_ = reinterpret_cast<DisableFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "Wow64DisableWow64FsRedirection")));
    revert_ = reinterpret_cast<RevertFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "Wow64RevertWow64FsRedirection")));
    active_ = disable_ != nullptr && revert_ != nullptr && disable_(&oldValue_);
  }
  ~Wow64RedirectionOff() {
    if (active_) revert_(oldValue_);
  }
  Wow64RedirectionOff(const Wow64RedirectionOff&) = delete;
  Wow64RedirectionOff& operator=(const Wow64RedirectionOff&) = delete;

 private:
  using DisableFn = BOOL(WINAPI*)(PVOID*);
  using RevertFn = BOOL(WINAPI*)(PVOID);
  DisableFn disable_ = nullptr;
  RevertFn revert_ = nullptr;
  PVOID oldValue_ = nullptr;
  bool active_ = false;
};

}  // namespace

WindowId WinDesktop::FindTopWindow(std::string_view className) {
  const std::string name(className);
  return reinterpret_cast<WindowId>(FindWindowA(name.c_str(), nullptr));
}

std::string WinDesktop::SystemWindowsFolder() {
  char folder[MAX_PATH];
  const UINT length = GetSystemWindowsDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return std::string(folder, length);
}

ProcessId WinDesktop::StartProgram(std::string_view fullPath) {
  const std::string file(fullPath);
  SHELLEXECUTEINFOA start{};
  start.cbSize = sizeof start;
  start.fMask = SEE_MASK_NOCLOSEPROCESS;
  start.lpVerb = "open";
  start.lpFile = file.c_str();
  start.nShow = SW_SHOWNORMAL;
  const Wow64RedirectionOff redirectionOff;
  if (!ShellExecuteExA(&start)) return 0;
  return reinterpret_cast<ProcessId>(start.hProcess);
}

void WinDesktop::WaitUntilIdle(ProcessId process, std::uint32_t milliseconds) {
  WaitForInputIdle(reinterpret_cast<HANDLE>(process), milliseconds);
}

void WinDesktop::ReleaseProcess(ProcessId process) {
  if (process != 0) CloseHandle(reinterpret_cast<HANDLE>(process));
}

void WinDesktop::Show(WindowId window, int showCommand) { ShowWindow(AsWindow(window), showCommand); }

WindowId WinDesktop::FindDirectChild(WindowId parent, std::string_view className) {
  // With no parent FindWindowEx would search the top-level windows instead.
  if (parent == 0) return 0;
  const std::string name(className);
  return reinterpret_cast<WindowId>(FindWindowExA(AsWindow(parent), nullptr, name.c_str(), nullptr));
}

void WinDesktop::BringToForeground(WindowId window) {
  if (window != 0) SetForegroundWindow(AsWindow(window));
}

void WinDesktop::Send(WindowId window, std::uint32_t message, std::uintptr_t wParam,
                      std::intptr_t lParam) {
  if (window != 0) SendMessageA(AsWindow(window), message, wParam, lParam);
}

void WinDesktop::Pause(std::uint32_t milliseconds) { Sleep(milliseconds); }

}  // namespace tarvik
