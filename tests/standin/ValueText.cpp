#include "ValueText.h"

#include <cstring>
#include <cwchar>

namespace standin {
namespace {

std::wstring Strings(const RegistryValue& value) {
  const auto* text = reinterpret_cast<const wchar_t*>(value.data.data());
  return {text, value.data.size() / sizeof(wchar_t)};
}

std::wstring HexBytes(const RegistryValue& value) {
  if (value.data.empty()) return L"(zero-length binary value)";
  std::wstring text;
  for (BYTE byte : value.data) {
    wchar_t pair[4];
    std::swprintf(pair, std::size(pair), L"%02x ", byte);
    text += pair;
  }
  text.pop_back();
  return text;
}

template <typename Number>
std::wstring Hex(const RegistryValue& value, const wchar_t* format) {
  Number number = 0;
  if (value.data.size() < sizeof number) return HexBytes(value);
  std::memcpy(&number, value.data.data(), sizeof number);
  wchar_t text[48];
  std::swprintf(text, std::size(text), format, number, number);
  return text;
}

}  // namespace

std::wstring TypeText(DWORD type) {
  switch (type) {
    case REG_SZ: return L"REG_SZ";
    case REG_EXPAND_SZ: return L"REG_EXPAND_SZ";
    case REG_MULTI_SZ: return L"REG_MULTI_SZ";
    case REG_DWORD: return L"REG_DWORD";
    case REG_QWORD: return L"REG_QWORD";
    case REG_BINARY: return L"REG_BINARY";
    case REG_NONE: return L"REG_NONE";
    default: return L"REG_UNKNOWN";
  }
}

std::wstring DataText(const RegistryValue& value) {
  switch (value.type) {
    case REG_SZ:
    case REG_EXPAND_SZ: {
      const std::wstring text = Strings(value);
      return text.substr(0, text.find(L'\0'));
    }
    case REG_MULTI_SZ: {
      // One string after another, shown with a space between them.
      std::wstring text = Strings(value);
      while (!text.empty() && text.back() == L'\0') text.pop_back();
      for (wchar_t& c : text) {
        if (c == L'\0') c = L' ';
      }
      return text;
    }
    case REG_DWORD: return Hex<DWORD>(value, L"0x%08lx (%lu)");
    case REG_QWORD: return Hex<ULONGLONG>(value, L"0x%016llx (%llu)");
    default: return HexBytes(value);
  }
}

}  // namespace standin
