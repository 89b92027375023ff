#pragma once
#include <string>

namespace tarvik {

// Where the Registry Editor is to be steered: a full root name, a key path
// relative to it (it may begin with a backslash) and an optional value name.
struct RegEditTarget {
  std::string rootName;
  std::string keyPath;
  std::string valueName;

  bool operator==(const RegEditTarget&) const = default;
};

}  // namespace tarvik
