#pragma once
// Reads the registry for display. Every key is opened in the 64-bit view:
// the editor stands in for the 64-bit Registry Editor, although it is
// itself a 32-bit program.
#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace standin {

struct RootKey {
  const wchar_t* name;
  HKEY key;
};

// In the order the Windows Registry Editor lists them.
std::span<const RootKey> RootKeys();

struct KeyLocation {
  HKEY root = nullptr;  // none for the top item, which is no key
  std::wstring subkey;  // empty for a root itself
};

struct RegistryValue {
  std::wstring name;
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

struct KeyValues {
  std::optional<RegistryValue> unnamed;  // the default value, when it is set
  std::vector<RegistryValue> named;      // sorted by name
};

// Sorted the way the registry compares names: upper-cased, code by code.
std::vector<std::wstring> SubkeyNames(const KeyLocation& location);
bool HasSubkeys(const KeyLocation& location);
KeyValues ReadValues(const KeyLocation& location);

}  // namespace standin
