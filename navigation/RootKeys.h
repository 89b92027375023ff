#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvik {

// The predefined registry keys the program knows, by their handle values.
enum class RootKey : std::uint32_t {
  None = 0,
  ClassesRoot = 0x80000000u,
  CurrentUser = 0x80000001u,
  LocalMachine = 0x80000002u,
  Users = 0x80000003u,
  CurrentConfig = 0x80000005u,
};

// "HKLM" (any case) and the other abbreviations become their full names;
// anything else comes back exactly as written.
std::string ExpandRootName(std::string_view rootName);

// The key whose full name equals rootName exactly, or RootKey::None.
RootKey RootKeyByFullName(std::string_view rootName);

}  // namespace tarvik
