#include "Registry.h"

#include <algorithm>
#include <array>

namespace standin {
namespace {

// Not constexpr: the predefined keys are pointers made from numbers.
const std::array<RootKey, 5> kRootKeys{{
    {L"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
    {L"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {L"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
    {L"HKEY_USERS", HKEY_USERS},
    {L"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG},
}};

class OpenKey {
 public:
  explicit OpenKey(const KeyLocation& location) {
    if (location.root == nullptr ||
        RegOpenKeyExW(location.root, location.subkey.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key_) !=
            ERROR_SUCCESS) {
      key_ = nullptr;
    }
  }
  ~OpenKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;

  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

bool NameLess(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_LESS_THAN;
}

}  // namespace

std::span<const RootKey> RootKeys() { return kRootKeys; }

std::vector<std::wstring> SubkeyNames(const KeyLocation& location) {
  std::vector<std::wstring> names;
  const OpenKey key(location);
  if (key.get() == nullptr) return names;
  wchar_t name[256];  // the longest key name the registry allows, and its end
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(std::size(name));
    if (RegEnumKeyExW(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
      break;
    }
    names.emplace_back(name, length);
  }
  std::sort(names.begin(), names.end(), NameLess);
  return names;
}

bool HasSubkeys(const KeyLocation& location) {
  const OpenKey key(location);
  DWORD count = 0;
  return key.get() != nullptr &&
         RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr,
                          nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
         count > 0;
}

KeyValues ReadValues(const KeyLocation& location) {
  KeyValues values;
  const OpenKey key(location);
  DWORD longestName = 0;
  DWORD largestData = 0;
  if (key.get() == nullptr ||
      RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longestName,
                       &largestData, nullptr, nullptr) != ERROR_SUCCESS) {
    return values;
  }
  std::wstring name(longestName + 1, L'\0');
  std::vector<BYTE> data(largestData);
  for (DWORD index = 0;; ++index) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    DWORD dataSize = static_cast<DWORD>(data.size());
    DWORD type = REG_NONE;
    if (RegEnumValueW(key.get(), index, name.data(), &nameLength, nullptr, &type, data.data(), &dataSize) !=
        ERROR_SUCCESS) {
      break;
    }
    RegistryValue value{name.substr(0, nameLength), type, {data.begin(), data.begin() + dataSize}};
    if (value.name.empty()) {
      values.unnamed = std::move(value);
    } else {
      values.named.push_back(std::move(value));
    }
  }
  std::sort(values.named.begin(), values.named.end(),
            [](const RegistryValue& a, const RegistryValue& b) { return NameLess(a.name, b.name); });
  return values;
}

}  // namespace standin
