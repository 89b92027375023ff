#pragma once
#include <functional>
#include <string_view>

#include "RegEditTarget.h"
#include "RegistryAccess.h"

namespace tarvik {

// Tells the user to check the key or value; returns once it is dismissed.
class InfoBox {
 public:
  virtual ~InfoBox() = default;
  virtual void ShowCheckKeyOrValue() = 0;
};

using NavigateFn = std::function<void(const RegEditTarget&)>;

// Splits a registry path, expands an abbreviated root, probes the registry,
// and either navigates, shows the information box, or does nothing (a path
// without a backslash). The path is taken exactly as given.
void JumpToKey(std::string_view path, Registry& registry, InfoBox& infoBox,
               const NavigateFn& navigate);

}  // namespace tarvik
