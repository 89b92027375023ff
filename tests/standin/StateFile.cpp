#include "StateFile.h"

#include <windows.h>

namespace standin {
namespace {

std::string Ansi(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                      nullptr);
  return bytes;
}

std::string ModulePath() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return {path, length};
}

}  // namespace

StateFile::StateFile(std::string path) : path_(std::move(path)), module_(ModulePath()) {}

void StateFile::Write(const std::wstring& key, const std::wstring& value) const {
  if (path_.empty()) return;
  const std::string text = "module=" + module_ + "\nkey=" + Ansi(key) + "\nvalue=" + Ansi(value) + "\n";
  const std::string side = path_ + ".new";
  HANDLE file = CreateFileA(side.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  // A reader that holds the old file open without delete sharing blocks the
  // replacement for as long as it reads; wait that out, within reason.
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (MoveFileExA(side.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING)) return;
    Sleep(5);
  }
}

}  // namespace standin
