#pragma once
// Appends one line per keyboard message a control receives, so that tests
// can check the exact messages and the pauses between them:
//   <ms> <tree|list> <message> <wParam> <lParam>
// ms is QueryPerformanceCounter in milliseconds (a clock shared by every
// process of the system), the others are hexadecimal, e.g.
//   81234.567 tree 0x0102 0x48 0x0
// A window of a Unicode class receives WM_CHAR already converted from the
// sender's ANSI code page, so wParam is a UTF-16 code unit and a
// double-byte character sent as two WM_CHAR bytes is one line.
#include <windows.h>

#include <string>

namespace standin {

class MessageLog {
 public:
  // An empty path logs nothing.
  explicit MessageLog(const std::string& path);
  ~MessageLog();
  MessageLog(const MessageLog&) = delete;
  MessageLog& operator=(const MessageLog&) = delete;

  void Write(const char* control, UINT message, WPARAM wParam, LPARAM lParam) const;

 private:
  HANDLE file_ = INVALID_HANDLE_VALUE;
  double ticksPerMillisecond_ = 1;
};

}  // namespace standin
