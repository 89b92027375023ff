#include "Global.h"

#include <windows.h>

namespace tarvik {

std::wstring LoadResString(ResourceString id) {
  // With a zero length LoadStringW hands out a pointer into the resource
  // itself, so no buffer size has to be guessed.
  const wchar_t* text = nullptr;
  const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || text == nullptr) return {};
  return std::wstring(text, static_cast<std::size_t>(length));
}

}  // namespace tarvik
