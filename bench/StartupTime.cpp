// Starts Tarvik.exe again and again and measures the time until its main
// window is shown, and the time from a close request to the end of the
// process. Prints the minimum and the median of each.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr wchar_t kMainClass[] = L"Free Tarvik Made by Orveta Software";

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK TakeShownMainWindow(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.processId || lstrcmpW(name, kMainClass) != 0 || !IsWindowVisible(window)) {
    return TRUE;
  }
  search.found = window;
  return FALSE;
}

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Print(const char* what, std::vector<double> samples) {
  if (samples.empty()) {
    std::printf("%s: no successful run\n", what);
    return;
  }
  std::sort(samples.begin(), samples.end());
  std::printf("%s: min %.0f ms, median %.0f ms (%zu runs)\n", what, samples.front() * 1000,
              samples[samples.size() / 2] * 1000, samples.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: StartupTime <Tarvik.exe> [runs]\n");
    return 2;
  }
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
  std::vector<double> startups;
  std::vector<double> exits;
  for (int run = 0; run < runs; ++run) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::vector<char> commandLine(argv[1], argv[1] + std::strlen(argv[1]) + 1);
    LARGE_INTEGER started;
    QueryPerformanceCounter(&started);
    if (!CreateProcessA(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
      std::fprintf(stderr, "cannot start %s\n", argv[1]);
      return 1;
    }
    Search search{process.dwProcessId, nullptr};
    for (int poll = 0; poll < 30000 && search.found == nullptr; ++poll) {
      EnumWindows(TakeShownMainWindow, reinterpret_cast<LPARAM>(&search));
      if (search.found == nullptr) Sleep(1);
    }
    LARGE_INTEGER shown;
    QueryPerformanceCounter(&shown);
    if (search.found != nullptr) {
      startups.push_back(Seconds(started, shown));
      PostMessageW(search.found, WM_CLOSE, 0, 0);
      if (WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0) {
        LARGE_INTEGER ended;
        QueryPerformanceCounter(&ended);
        exits.push_back(Seconds(shown, ended));
      }
    }
    TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  Print("start-up to the shown main window", startups);
  Print("close request to process end", exits);
  return 0;
}
