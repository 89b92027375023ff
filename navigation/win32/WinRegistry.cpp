#include "WinRegistry.h"

#include <windows.h>

#include <string>

#include "UniqueHandle.h"

namespace tarvik {
namespace {

// Read rights, value query and sub-key enumeration; and full access.
constexpr REGSAM kProbeAccess = 0x20009 | KEY_WOW64_64KEY;
constexpr REGSAM kOpenAccess = 0xF003F | KEY_WOW64_64KEY;

struct KeyCloser {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueKey = UniqueHandle<HKEY, KeyCloser>;

// The registry counts names in 16-bit lengths of UTF-16 text; a longer
// name wraps around on the way in (Wine then opens a shorter prefix of it),
// so it is answered as absent without asking.
constexpr std::size_t kLongestName = 32767;

std::string FromRoot(std::string_view keyPath) {
  if (!keyPath.empty() && keyPath.front() == '\\') keyPath.remove_prefix(1);
  return std::string(keyPath);
}

class WinRegistryAccessor final : public RegistryAccessor {
 public:
  explicit WinRegistryAccessor(RootKey root)
      : root_(root == RootKey::None ? nullptr
                                    : reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(root))) {}

  bool KeyExists(std::string_view keyPath) override {
    UniqueKey probe = Open(keyPath, kProbeAccess);
    return static_cast<bool>(probe);
  }

  bool OpenExistingKey(std::string_view keyPath) override {
    CloseKey();
    openKey_ = Open(keyPath, kOpenAccess);
    return static_cast<bool>(openKey_);
  }

  bool ValueExists(std::string_view valueName) override {
    if (!openKey_ || valueName.size() > kLongestName) return false;
    const std::string name(valueName);
    return RegQueryValueExA(openKey_.get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
  }

  void CloseKey() override { openKey_.reset(); }

 private:
  UniqueKey Open(std::string_view keyPath, REGSAM access) const {
    const std::string path = FromRoot(keyPath);
    if (root_ == nullptr || path.size() > kLongestName) return UniqueKey{};
    HKEY key = nullptr;
    if (RegOpenKeyExA(root_, path.c_str(), 0, access, &key) != ERROR_SUCCESS) return UniqueKey{};
    return UniqueKey{key};
  }

  HKEY root_;
  UniqueKey openKey_;
};

}  // namespace

std::unique_ptr<RegistryAccessor> WinRegistry::Bind(RootKey root) {
  return std::make_unique<WinRegistryAccessor>(root);
}

}  // namespace tarvik
