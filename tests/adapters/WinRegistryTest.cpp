#include "WinRegistry.h"

#include <gtest/gtest.h>
#include <aclapi.h>

#include "KeyPath.h"
#include "TestRegistryKeys.h"

namespace tarvik {
namespace {

using testing::TestRegistryKeys;

class WinRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HKEY user = keys_.Create(HKEY_CURRENT_USER, "Software\\TarvikTest");
    ASSERT_NE(user, nullptr);
    keys_.SetValue(user, "Path", "x");
    keys_.SetValue(user, "", "default");
    ASSERT_NE(keys_.Create(HKEY_CURRENT_USER, "Software\\TarvikTest\\Key A\\Sub"), nullptr);
    HKEY wide = keys_.Create(HKEY_LOCAL_MACHINE, "Software\\TarvikTest64");
    ASSERT_NE(wide, nullptr);
    keys_.SetValue(wide, "Only64", "x");
    ASSERT_NE(keys_.Create(HKEY_LOCAL_MACHINE, "Software\\TarvikTest32", KEY_WOW64_32KEY), nullptr);
    keys_.CloseAll();
  }

  TestRegistryKeys keys_;
  WinRegistry registry_;
};

TEST_F(WinRegistryTest, KeyProbeSeesTheEditorsView) {
  struct Case { RootKey root; const char* path; bool exists; };
  const Case cases[] = {
      {RootKey::CurrentUser, "Software\\TarvikTest", true},
      {RootKey::CurrentUser, "software\\tarviktest\\key a\\SUB", true},
      {RootKey::CurrentUser, "\\Software\\TarvikTest", true},  // one leading backslash dropped
      {RootKey::CurrentUser, "", true},                         // the root itself
      {RootKey::CurrentUser, "Software\\TarvikTest\\Nope", false},
      {RootKey::LocalMachine, "Software\\TarvikTest64", true},   // 64-bit view only
      {RootKey::LocalMachine, "Software\\TarvikTest32", false},  // redirected view only
      {RootKey::LocalMachine, "Software\\WOW6432Node\\TarvikTest32", true},
      {RootKey::None, "", false},
      {RootKey::None, "Software", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(registry_.Bind(c.root)->KeyExists(c.path), c.exists) << c.path;
  }
}

TEST_F(WinRegistryTest, OverlongPathsAreSimplyNotThere) {
  // Around the registry's own limit, and past the wrap of its 16-bit lengths.
  auto accessor = registry_.Bind(RootKey::CurrentUser);
  ASSERT_TRUE(accessor->OpenExistingKey("Software\\TarvikTest"));
  for (std::size_t length : {32766u, 32767u, 32768u, 65536u + 4u}) {
    EXPECT_FALSE(accessor->ValueExists("Path" + std::string(length - 4, '\\'))) << length;
  }
  for (std::size_t length : {32766u, 32767u, 32768u, 65536u + 9u}) {
    const std::string overlong = "Software\\" + std::string(length - 9, 'a');
    EXPECT_FALSE(accessor->KeyExists(overlong)) << length;
    EXPECT_FALSE(accessor->OpenExistingKey(overlong)) << length;
  }
}

TEST_F(WinRegistryTest, OpeningNeverCreatesAKey) {
  auto accessor = registry_.Bind(RootKey::CurrentUser);
  EXPECT_FALSE(accessor->OpenExistingKey("Software\\TarvikTest\\Created"));
  EXPECT_FALSE(accessor->KeyExists("Software\\TarvikTest\\Created"));
  EXPECT_FALSE(accessor->ValueExists("Path"));  // no key is open after a failed opening
}

TEST_F(WinRegistryTest, ValueProbeAsksTheOpenKey) {
  auto accessor = registry_.Bind(RootKey::CurrentUser);
  ASSERT_TRUE(accessor->OpenExistingKey("\\Software\\TarvikTest"));
  EXPECT_TRUE(accessor->ValueExists("Path"));
  EXPECT_TRUE(accessor->ValueExists("PATH"));
  EXPECT_TRUE(accessor->ValueExists(""));  // the default value, when set
  EXPECT_FALSE(accessor->ValueExists("Nope"));
  accessor->CloseKey();
  EXPECT_FALSE(accessor->ValueExists("Path"));

  ASSERT_TRUE(accessor->OpenExistingKey("Software\\TarvikTest\\Key A"));
  EXPECT_FALSE(accessor->ValueExists(""));  // no default value set there

  auto machine = registry_.Bind(RootKey::LocalMachine);
  ASSERT_TRUE(machine->OpenExistingKey("Software\\TarvikTest64"));
  EXPECT_TRUE(machine->ValueExists("Only64"));
}

// The whole jump decision against the real registry.
TEST_F(WinRegistryTest, JumpDecisionUsesTheRealRegistry) {
  struct Case { const char* path; const char* expected; };
  const Case cases[] = {
      {"HKCU\\Software\\TarvikTest\\Key A", "HKEY_CURRENT_USER|Software\\TarvikTest\\Key A|"},
      {"hkcu\\Software\\TarvikTest\\path", "HKEY_CURRENT_USER|Software\\TarvikTest|path"},
      {"HKLM\\Software\\TarvikTest64\\Only64", "HKEY_LOCAL_MACHINE|Software\\TarvikTest64|Only64"},
      {"HKLM\\Software\\TarvikTest32", "box"},
      {"HKCU\\Software\\TarvikTest\\Nope", "box"},
  };
  for (const Case& c : cases) {
    struct CountingBox final : InfoBox {
      int shown = 0;
      void ShowCheckKeyOrValue() override { ++shown; }
    } box;
    std::string outcome;
    JumpToKey(c.path, registry_, box, [&](const RegEditTarget& target) {
      outcome = target.rootName + "|" + target.keyPath + "|" + target.valueName;
    });
    if (box.shown > 0) outcome = "box";
    EXPECT_EQ(outcome, c.expected) << c.path;
  }
}

// A key whose DACL grants reading only: the full-access opening fails and
// the jump navigates without testing the value.
TEST_F(WinRegistryTest, KeyRefusingFullAccessStillNavigates) {
  HKEY locked = keys_.Create(HKEY_CURRENT_USER, "Software\\TarvikTest\\Locked");
  ASSERT_NE(locked, nullptr);
  EXPLICIT_ACCESS_A readOnly{};
  BuildExplicitAccessWithNameA(&readOnly, const_cast<char*>("EVERYONE"), KEY_READ, SET_ACCESS,
                               NO_INHERITANCE);
  PACL acl = nullptr;
  ASSERT_EQ(SetEntriesInAclA(1, &readOnly, nullptr, &acl), ERROR_SUCCESS);
  const DWORD set = SetSecurityInfo(locked, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION |
                                    PROTECTED_DACL_SECURITY_INFORMATION, nullptr, nullptr, acl, nullptr);
  LocalFree(acl);
  keys_.CloseAll();
  ASSERT_EQ(set, static_cast<DWORD>(ERROR_SUCCESS));

  auto accessor = registry_.Bind(RootKey::CurrentUser);
  ASSERT_TRUE(accessor->KeyExists("Software\\TarvikTest\\Locked"));
  if (accessor->OpenExistingKey("Software\\TarvikTest\\Locked")) {
    GTEST_SKIP() << "this system grants full access despite the key's DACL";
  }
  struct NoBox final : InfoBox {
    void ShowCheckKeyOrValue() override { ADD_FAILURE() << "box shown"; }
  } box;
  std::string valueName;
  JumpToKey("HKCU\\Software\\TarvikTest\\Locked\\NoSuchValue", registry_, box,
            [&](const RegEditTarget& target) { valueName = target.valueName; });
  EXPECT_EQ(valueName, "NoSuchValue");
}

}  // namespace
}  // namespace tarvik
