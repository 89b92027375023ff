#pragma once
// Port to the registry: what the jump decision needs to know about keys and
// values, and nothing more.
#include <memory>
#include <string_view>

#include "RootKeys.h"

namespace tarvik {

// Bound to one root key for the length of one jump. Bound to RootKey::None,
// every test answers false. Paths are taken from the root; one leading
// backslash is dropped.
class RegistryAccessor {
 public:
  virtual ~RegistryAccessor() = default;
  // Can the key be opened for reading? An empty path names the root itself.
  virtual bool KeyExists(std::string_view keyPath) = 0;
  // Opens an existing key with full access, never creating it; on success it
  // becomes the open key.
  virtual bool OpenExistingKey(std::string_view keyPath) = 0;
  // Does the open key hold a value of that name?
  virtual bool ValueExists(std::string_view valueName) = 0;
  virtual void CloseKey() = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;
  virtual std::unique_ptr<RegistryAccessor> Bind(RootKey root) = 0;
};

}  // namespace tarvik
