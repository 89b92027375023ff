#include "RootKeys.h"

#include <array>

#include "ByteText.h"

namespace tarvik {
namespace {

struct RootEntry {
  std::string_view abbreviation;
  std::string_view fullName;
  RootKey key;
};

// Order matters only for the abbreviation look-up, which takes the first match.
constexpr std::array<RootEntry, 5> kRoots{{
    {"HKLM", "HKEY_LOCAL_MACHINE", RootKey::LocalMachine},
    {"HKCU", "HKEY_CURRENT_USER", RootKey::CurrentUser},
    {"HKU", "HKEY_USERS", RootKey::Users},
    {"HKCR", "HKEY_CLASSES_ROOT", RootKey::ClassesRoot},
    {"HKCC", "HKEY_CURRENT_CONFIG", RootKey::CurrentConfig},
}};

}  // namespace

std::string ExpandRootName(std::string_view rootName) {
  const std::string folded = AsciiUpper(rootName);
  for (const RootEntry& root : kRoots) {
    if (folded == root.abbreviation) return std::string(root.fullName);
  }
  return std::string(rootName);
}

RootKey RootKeyByFullName(std::string_view rootName) {
  for (const RootEntry& root : kRoots) {
    if (rootName == root.fullName) return root.key;
  }
  return RootKey::None;
}

}  // namespace tarvik
