#pragma once
// Creates registry keys and values for one test and deletes them after,
// in the view the caller names (64-bit, or the redirected 32-bit one).
#include <windows.h>

#include <string>
#include <vector>

namespace tarvik::testing {

class TestRegistryKeys {
 public:
  ~TestRegistryKeys() {
    CloseAll();
    for (auto it = created_.rbegin(); it != created_.rend(); ++it) Delete(*it);
  }

  // Creates the key (and its parents) and records the topmost new key for removal.
  HKEY Create(HKEY root, const std::string& path, REGSAM view = KEY_WOW64_64KEY) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
      return nullptr;
    }
    created_.push_back({root, path, view});
    keys_.push_back(key);
    return key;
  }

  void SetValue(HKEY key, const char* name, const char* data) {
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                   static_cast<DWORD>(strlen(data) + 1));
  }

  void CloseAll() {
    for (HKEY key : keys_) RegCloseKey(key);
    keys_.clear();
  }

 private:
  struct Created {
    HKEY root;
    std::string path;
    REGSAM view;
  };

  // RegDeleteTree has no view flag, so open the parent in the right view.
  static void Delete(const Created& created) {
    const std::size_t slash = created.path.rfind('\\');
    const std::string parentPath = slash == std::string::npos ? "" : created.path.substr(0, slash);
    const std::string leaf = created.path.substr(slash == std::string::npos ? 0 : slash + 1);
    HKEY parent = nullptr;
    if (RegOpenKeyExA(created.root, parentPath.c_str(), 0, KEY_ALL_ACCESS | created.view,
                      &parent) != ERROR_SUCCESS) {
      return;
    }
    RegDeleteTreeA(parent, leaf.c_str());
    RegCloseKey(parent);
  }
  std::vector<Created> created_;
  std::vector<HKEY> keys_;
};

}  // namespace tarvik::testing
