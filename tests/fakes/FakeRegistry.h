#pragma once
// In-memory registry for the jump rules. Names compare case-insensitively,
// as the real registry's do; every call is written to a shared journal so
// tests can check what was asked and in which order.
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "ByteText.h"
#include "RegistryAccess.h"

namespace tarvik::fakes {

class FakeRegistry final : public Registry {
 public:
  // Adds a key and all its parents.
  FakeRegistry& Key(RootKey root, std::string path) {
    for (std::size_t slash = path.find('\\'); slash != std::string::npos;
         slash = path.find('\\', slash + 1)) {
      keys_.emplace(root, AsciiUpper(path.substr(0, slash)));
    }
    keys_.emplace(root, AsciiUpper(path));
    return *this;
  }
  FakeRegistry& Value(RootKey root, const std::string& keyPath, const std::string& name) {
    if (!keyPath.empty()) Key(root, keyPath);
    values_.emplace(root, AsciiUpper(keyPath), AsciiUpper(name));
    return *this;
  }
  // The key exists but refuses full access.
  FakeRegistry& ReadOnly(RootKey root, const std::string& path) {
    Key(root, path);
    readOnly_.emplace(root, AsciiUpper(path));
    return *this;
  }

  std::unique_ptr<RegistryAccessor> Bind(RootKey root) override;

  std::vector<std::string> journal;

 private:
  friend class FakeAccessor;
  using KeyId = std::pair<RootKey, std::string>;
  bool HasKey(const KeyId& key) const {
    return key.first != RootKey::None && (key.second.empty() || keys_.count(key) > 0);
  }
  std::set<KeyId> keys_;
  std::set<KeyId> readOnly_;
  std::set<std::tuple<RootKey, std::string, std::string>> values_;
};

class FakeAccessor final : public RegistryAccessor {
 public:
  FakeAccessor(FakeRegistry& registry, RootKey root) : registry_(registry), root_(root) {}
  ~FakeAccessor() override { registry_.journal.push_back("release"); }

  bool KeyExists(std::string_view keyPath) override {
    registry_.journal.push_back("probe " + std::string(keyPath));
    return registry_.HasKey(Id(keyPath));
  }
  bool OpenExistingKey(std::string_view keyPath) override {
    registry_.journal.push_back("open " + std::string(keyPath));
    const auto id = Id(keyPath);
    if (!registry_.HasKey(id) || registry_.readOnly_.count(id) > 0) return false;
    openKey_ = id.second;
    isOpen_ = true;
    return true;
  }
  bool ValueExists(std::string_view valueName) override {
    registry_.journal.push_back("value " + std::string(valueName));
    return isOpen_ && registry_.values_.count({root_, openKey_, AsciiUpper(valueName)}) > 0;
  }
  void CloseKey() override {
    registry_.journal.push_back("close");
    isOpen_ = false;
  }

 private:
  FakeRegistry::KeyId Id(std::string_view keyPath) const {
    if (!keyPath.empty() && keyPath.front() == '\\') keyPath.remove_prefix(1);
    return {root_, AsciiUpper(keyPath)};
  }
  FakeRegistry& registry_;
  RootKey root_;
  std::string openKey_;
  bool isOpen_ = false;
};

inline std::unique_ptr<RegistryAccessor> FakeRegistry::Bind(RootKey root) {
  journal.push_back("bind " + std::to_string(static_cast<std::uint32_t>(root)));
  return std::make_unique<FakeAccessor>(*this, root);
}

}  // namespace tarvik::fakes
