#pragma once
#include "RegistryAccess.h"

namespace tarvik {

// The real registry, in the 64-bit view on 64-bit Windows: that is the view
// the Registry Editor shows, whatever our own bitness.
class WinRegistry final : public Registry {
 public:
  std::unique_ptr<RegistryAccessor> Bind(RootKey root) override;
};

}  // namespace tarvik
