#include "MessageLog.h"

#include <cstdio>

namespace standin {

MessageLog::MessageLog(const std::string& path) {
  if (path.empty()) return;
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  ticksPerMillisecond_ = static_cast<double>(frequency.QuadPart) / 1000.0;
  // Append-only access: every write lands at the current end, also after a
  // test has cut the file short to start a fresh log.
  file_ = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

MessageLog::~MessageLog() {
  if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
}

void MessageLog::Write(const char* control, UINT message, WPARAM wParam, LPARAM lParam) const {
  if (file_ == INVALID_HANDLE_VALUE) return;
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  char line[96];
  const int length = std::snprintf(line, sizeof line, "%.3f %s 0x%04x 0x%lx 0x%lx\n",
                                   static_cast<double>(now.QuadPart) / ticksPerMillisecond_, control, message,
                                   static_cast<unsigned long>(wParam), static_cast<unsigned long>(lParam));
  // Unbuffered: a test reads the file as soon as its SendMessage returns.
  DWORD written = 0;
  WriteFile(file_, line, static_cast<DWORD>(length), &written, nullptr);
}

}  // namespace standin
