#include "TarvikApp.h"

#include <atomic>
#include <cwchar>
#include <vector>

namespace tarvik::testing {
namespace {

constexpr wchar_t kMainClass[] = L"Free Tarvik Made by Orveta Software";

std::wstring ClassOf(HWND window) {
  wchar_t name[128] = {};
  GetClassNameW(window, name, 128);
  return name;
}

template <typename Predicate>
bool WaitUntil(Predicate done, DWORD milliseconds) {
  for (DWORD waited = 0; waited <= milliseconds; waited += 20) {
    if (done()) return true;
    Sleep(20);
  }
  return false;
}

struct Search {
  DWORD processId;
  const wchar_t* className;
  const wchar_t* caption;
  HWND except;
  HWND found;
};

bool Matches(HWND window, const Search& search) {
  if (_wcsicmp(ClassOf(window).c_str(), search.className) != 0) return false;
  return search.caption == nullptr || TextOf(window) == search.caption;
}

BOOL CALLBACK TakeTopWindow(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.processId || window == search.except || !IsWindowVisible(window) ||
      !Matches(window, search)) {
    return TRUE;
  }
  search.found = window;
  return FALSE;
}

BOOL CALLBACK TakeChild(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  if (!Matches(window, search)) return TRUE;
  search.found = window;
  return FALSE;
}

HWND TopWindowOf(DWORD processId, const wchar_t* className, HWND except) {
  Search search{processId, className, nullptr, except, nullptr};
  EnumWindows(TakeTopWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

std::string OnDriveZ(std::string unixPath) {
  for (char& c : unixPath) {
    if (c == '/') c = '\\';
  }
  return "Z:" + unixPath;
}

TarvikApp::TarvikApp() {
  static std::atomic<int> started{0};
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  folder_ = std::string(temp) + "tarvik-app-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++started);
  CreateDirectoryA(folder_.c_str(), nullptr);
  const std::string exe = folder_ + "\\Tarvik.exe";
  CopyFileA(OnDriveZ(TARVIK_EXE).c_str(), exe.c_str(), FALSE);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string commandLine = "\"" + exe + "\"";
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder_.c_str(), &startup, &process_)) {
    return;
  }
  WaitUntil(
      [&] {
        main_ = TopWindowOf(process_.dwProcessId, kMainClass, nullptr);
        return main_ != nullptr || !Running();
      },
      20000);
}

TarvikApp::~TarvikApp() {
  if (process_.hProcess != nullptr) {
    if (Running()) {
      TerminateProcess(process_.hProcess, 1);
      WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  const std::string exe = folder_ + "\\Tarvik.exe";
  DeleteFileA(exe.c_str());
  RemoveDirectoryA(folder_.c_str());
}

bool TarvikApp::WaitForExit() const {
  return WaitForSingleObject(process_.hProcess, 10000) == WAIT_OBJECT_0;
}

HWND TarvikApp::Find(const wchar_t* className, const wchar_t* caption) const {
  Search search{0, className, caption, nullptr, nullptr};
  EnumChildWindows(main_, TakeChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND TarvikApp::WaitForWindow(const wchar_t* className, DWORD milliseconds) const {
  HWND found = nullptr;
  WaitUntil([&] { return (found = TopWindowOf(process_.dwProcessId, className, main_)) != nullptr; },
            milliseconds);
  return found;
}

SeenBox TarvikApp::DismissMessageBox(DWORD milliseconds) const {
  SeenBox seen;
  const HWND box = WaitForWindow(L"#32770", milliseconds);
  if (box == nullptr) return seen;
  seen.found = true;
  seen.caption = TextOf(box);
  seen.text = TextOf(GetDlgItem(box, 0xFFFF));
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  WaitUntil([&] { return !IsWindow(box); }, 5000);
  return seen;
}

void TarvikApp::Settle() const {
  Sleep(300);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
}

RECT TarvikApp::BoundsIn(HWND control, HWND reference) {
  RECT bounds;
  GetWindowRect(control, &bounds);
  MapWindowPoints(nullptr, reference, reinterpret_cast<POINT*>(&bounds), 2);
  return bounds;
}

std::wstring TextOf(HWND window) {
  wchar_t text[1024] = {};
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000,
                      &ignored);
  return text;
}

void SetEditText(HWND edit, const char* ansiText) {
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ansiText));
}

void PostClick(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

bool PutOnClipboard(const char* ansiText) {
  static const HWND owner = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                          nullptr, nullptr);
  if (!WaitUntil([] { return OpenClipboard(owner) != FALSE; }, 5000)) return false;
  EmptyClipboard();
  const std::size_t size = strlen(ansiText) + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  memcpy(GlobalLock(memory), ansiText, size);
  GlobalUnlock(memory);
  const bool stored = SetClipboardData(CF_TEXT, memory) != nullptr;
  CloseClipboard();
  return stored;
}

void Xdotool(const std::string& arguments) {
  static std::atomic<int> runs{0};
  const std::string marker =
      "/tmp/tarvik-xdo-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++runs);
  std::string commandLine = "/bin/sh " + std::string(TARVIK_XDO_SCRIPT) + " " + marker + " " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA("Z:\\bin\\sh", commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  const std::string markerOnZ = OnDriveZ(marker);
  WaitUntil([&] { return GetFileAttributesA(markerOnZ.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10000);
  DeleteFileA(markerOnZ.c_str());
  // Give the keys or clicks the time to reach the program's queue.
  Sleep(200);
}

void ClickWithMouse(HWND window, int button) {
  RECT bounds;
  GetWindowRect(window, &bounds);
  Xdotool("mousemove " + std::to_string((bounds.left + bounds.right) / 2) + " " +
          std::to_string((bounds.top + bounds.bottom) / 2) + " click " + std::to_string(button));
}

}  // namespace tarvik::testing
