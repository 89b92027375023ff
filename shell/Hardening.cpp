#include "Hardening.h"

namespace tarvik {
namespace {

// Both functions are newer than some systems Tarvik runs on, so they are
// looked up rather than imported.
template <typename Function>
Function Lookup(const wchar_t* module, const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(module), name)));
}

}  // namespace

void RestrictDllSearchToSystemFolder() {
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
  const auto setDefault = Lookup<SetDefaultDllDirectoriesFn>(L"kernel32.dll", "SetDefaultDllDirectories");
  if (setDefault != nullptr) setDefault(kSearchSystem32);
  // Where that is missing, at least take the current folder out of the search.
  SetDllDirectoryW(L"");
}

void AllowMessageFromLowerIntegrity(HWND window, UINT message) {
  using ChangeFilterExFn = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
  using ChangeFilterFn = BOOL(WINAPI*)(UINT, DWORD);
  constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW, and MSGFLT_ADD for the older call
  const auto forWindow = Lookup<ChangeFilterExFn>(L"user32.dll", "ChangeWindowMessageFilterEx");
  if (forWindow != nullptr) {
    forWindow(window, message, kAllow, nullptr);
    return;
  }
  // Windows Vista has only the filter of the whole process.
  const auto forProcess = Lookup<ChangeFilterFn>(L"user32.dll", "ChangeWindowMessageFilter");
  if (forProcess != nullptr) forProcess(message, kAllow);
}

}  // namespace tarvik
