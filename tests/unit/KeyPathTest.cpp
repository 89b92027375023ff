#include "KeyPath.h"

#include <gtest/gtest.h>

#include "FakeRegistry.h"

namespace tarvik {
namespace {

using fakes::FakeRegistry;

class JournalInfoBox final : public InfoBox {
 public:
  explicit JournalInfoBox(std::vector<std::string>& journal) : journal_(journal) {}
  void ShowCheckKeyOrValue() override { journal_.push_back("box"); }

 private:
  std::vector<std::string>& journal_;
};

FakeRegistry SampleRegistry() {
  FakeRegistry registry;
  registry.Key(RootKey::LocalMachine, "Software\\Classes")
      .Key(RootKey::CurrentUser, "Software")
      .Key(RootKey::CurrentUser, "Console")
      .Key(RootKey::Users, ".DEFAULT")
      .Key(RootKey::ClassesRoot, ".txt")
      .Key(RootKey::CurrentConfig, "System")
      .Value(RootKey::CurrentUser, "Environment", "Path")
      .Value(RootKey::CurrentUser, "Software\\Foo", "Foo")
      .Value(RootKey::CurrentUser, "", "SomeValue")
      .ReadOnly(RootKey::CurrentUser, "Software\\Locked");
  return registry;
}

// What one jump did: "navigate root|key|value", "box" or "nothing".
std::string Jump(FakeRegistry& registry, std::string_view path) {
  JournalInfoBox box(registry.journal);
  std::string outcome = "nothing";
  JumpToKey(path, registry, box, [&](const RegEditTarget& target) {
    registry.journal.push_back("navigate");
    outcome = "navigate " + target.rootName + "|" + target.keyPath + "|" + target.valueName;
  });
  for (const std::string& entry : registry.journal) {
    if (entry == "box") return "box";
  }
  return outcome;
}

TEST(JumpToKey, DecidesByThePathAndTheRegistry) {
  struct Case { const char* path; const char* expected; };
  const Case cases[] = {
      // Abbreviations in any case; full names only as written.
      {"hklm\\Software", "navigate HKEY_LOCAL_MACHINE|Software|"},
      {"HkCu\\Console", "navigate HKEY_CURRENT_USER|Console|"},
      {"hku\\.DEFAULT", "navigate HKEY_USERS|.DEFAULT|"},
      {"HKCR\\.txt", "navigate HKEY_CLASSES_ROOT|.txt|"},
      {"hkcc\\System", "navigate HKEY_CURRENT_CONFIG|System|"},
      {"HKEY_CURRENT_USER\\Software", "navigate HKEY_CURRENT_USER|Software|"},
      {"HKEY_LOCAL_MACHINE\\software\\classes", "navigate HKEY_LOCAL_MACHINE|software\\classes|"},
      {"hkey_local_machine\\Software", "box"},
      {" HKCU\\Software", "box"},
      {"HKCU \\Software", "box"},
      {"\\HKCU\\Software", "box"},
      {"HKLM2\\Software", "box"},
      // "HK" is looked for anywhere; no backslash at all does nothing.
      {"Software\\HKCU", "box"},
      {"C:\\Windows", "box"},
      {"HKLM", "nothing"},
      {"hkcu", "nothing"},
      {"", "box"},
      // Values: the last segment, also when its name occurs earlier.
      {"HKCU\\Environment\\Path", "navigate HKEY_CURRENT_USER|Environment|Path"},
      {"HKCU\\Environment\\path", "navigate HKEY_CURRENT_USER|Environment|path"},
      {"HKCU\\Software\\Foo\\Foo", "navigate HKEY_CURRENT_USER|Software\\Foo|Foo"},
      {"HKCU\\Environment\\NoSuchValue", "box"},
      {"HKCU\\NoSuchKey\\Path", "box"},
      // Empty rest, doubled and trailing backslashes.
      {"HKCU\\", "navigate HKEY_CURRENT_USER||"},
      {"HKCU\\\\Software", "navigate HKEY_CURRENT_USER|\\Software|"},
      {"HKCU\\NoSuchKey\\", "box"},
      // A value directly under a root.
      {"HKCU\\SomeValue", "navigate HKEY_CURRENT_USER||SomeValue"},
      {"HKCU\\NoValue", "box"},
      // Full access refused: the value cannot be tested, so navigate.
      {"HKCU\\Software\\Locked\\NoSuchValue", "navigate HKEY_CURRENT_USER|Software\\Locked|NoSuchValue"},
      // A 0x5C second byte splits like any backslash.
      {"HKCU\\Environment\\\x81\x5CPath", "box"},
  };
  for (const Case& c : cases) {
    FakeRegistry registry = SampleRegistry();
    EXPECT_EQ(Jump(registry, c.path), c.expected) << "path: " << c.path;
  }
}

// Whatever a user pastes gets an answer: no crash, no navigation to a key
// that is not there.
TEST(JumpToKey, AnswersOddInputWithTheBox) {
  const std::string oddPaths[] = {
      "HKCU\\" + std::string(65536, 'a'),
      "HKCU" + std::string(65536, '\\'),
      "HKCU\\" + std::string(65536, '\xB1'),
      "HKCU\\Software\\\x01\x02\x7F",
      std::string("HKCU\\Soft\0ware", 15),
  };
  for (const std::string& path : oddPaths) {
    FakeRegistry registry = SampleRegistry();
    EXPECT_EQ(Jump(registry, path), "box") << path.substr(0, 20);
  }
}

TEST(JumpToKey, ReleasesTheAccessorBeforeNavigating) {
  FakeRegistry registry = SampleRegistry();
  Jump(registry, "HKCU\\Environment\\Path");
  const std::vector<std::string> expected = {
      "bind 2147483649", "probe Environment\\Path", "close", "probe Environment",
      "open Environment", "value Path", "close", "release", "navigate"};
  EXPECT_EQ(registry.journal, expected);
}

TEST(JumpToKey, ShowsTheBoxBeforeReleasingTheAccessor) {
  FakeRegistry registry = SampleRegistry();
  Jump(registry, "HKCU\\Environment\\Nope");
  const std::vector<std::string> expected = {
      "bind 2147483649", "probe Environment\\Nope", "close", "probe Environment",
      "open Environment", "value Nope", "box", "close", "release"};
  EXPECT_EQ(registry.journal, expected);
}

TEST(JumpToKey, UnknownRootBindsNoKeyAndIsReported) {
  FakeRegistry registry = SampleRegistry();
  EXPECT_EQ(Jump(registry, "Software\\HKCU"), "box");
  EXPECT_EQ(registry.journal.front(), "bind 0");
  EXPECT_EQ(registry.journal.back(), "release");
}

TEST(JumpToKey, NoHkOrNoBackslashTouchesNoRegistry) {
  for (const char* path : {"C:\\Windows", "HKLM"}) {
    FakeRegistry registry = SampleRegistry();
    Jump(registry, path);
    for (const std::string& entry : registry.journal) EXPECT_EQ(entry, "box") << path;
  }
}

}  // namespace
}  // namespace tarvik
