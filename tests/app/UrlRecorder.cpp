// Stands in for the web browser: registered as the handler of https
// addresses, it appends the address it is given, as a line of UTF-8, to the
// file named first:  UrlRecorder.exe <log file> <address>
#include <windows.h>
#include <shellapi.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr || count != 3) return 2;
  const std::wstring address = std::wstring(arguments[2]) + L"\n";
  std::string line(address.size() * 3, '\0');
  line.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, address.c_str(),
                                                           static_cast<int>(address.size()),
                                                           line.data(), static_cast<int>(line.size()),
                                                           nullptr, nullptr)));
  const HANDLE log = CreateFileW(arguments[1], FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  LocalFree(arguments);
  if (log == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  const BOOL stored = WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(log);
  return stored && written == line.size() ? 0 : 1;
}
