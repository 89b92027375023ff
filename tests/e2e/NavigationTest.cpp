// Jumps through the real navigation code and Win32 adapters into the
// running stand-in Registry Editor, against the real registry.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "KeyPath.h"
#include "RegEditDriver.h"
#include "StandInEditor.h"
#include "TestRegistryKeys.h"
#include "WinDesktop.h"
#include "WinRegistry.h"

namespace tarvik {
namespace {

using testing::LoggedMessage;
using testing::StandInEditor;
using testing::StandInState;
using testing::TestRegistryKeys;

constexpr char kBase[] = "Software\\TarvikE2E";
constexpr char kBaseInEditor[] = "Computer\\HKEY_CURRENT_USER\\Software\\TarvikE2E";

// Eleven levels under the base key: the deepest is 14 levels below "Computer".
std::string DeepKey() {
  std::string path = kBase;
  for (int level = 1; level <= 11; ++level) path += "\\D" + std::to_string(level);
  return path;
}

std::string Ansi(const wchar_t* text) {
  char bytes[256] = {};
  WideCharToMultiByte(CP_ACP, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
  return bytes;
}

constexpr wchar_t kDoubleByteName[] = L"\u6CE8\u518C\u8868\u952E";  // four Chinese characters

class Navigation : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { StandInEditor::PrepareEnvironment(); }

  void SetUp() override {
    HKEY base = keys_.Create(HKEY_CURRENT_USER, kBase);
    ASSERT_NE(base, nullptr);
    keys_.SetValue(base, "Alpha", "1");
    keys_.SetValue(base, "Path", "2");
    keys_.SetValue(base, "Zulu", "3");
    for (const char* sub : {"\\Key A\\Sub", "\\Key B", "\\with space\\inner", "\\0000", "\\0001",
                            "\\Sibling"}) {
      ASSERT_NE(keys_.Create(HKEY_CURRENT_USER, kBase + std::string(sub)), nullptr);
    }
    ASSERT_NE(keys_.Create(HKEY_CURRENT_USER, DeepKey()), nullptr);
    HKEY wide = nullptr;
    const std::wstring wideName = L"Software\\TarvikE2E\\" + std::wstring(kDoubleByteName);
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, wideName.c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, &wide, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(wide);
    keys_.CloseAll();
  }

  // One jump as the program makes it; returns what the editor shows.
  StandInState Jump(const std::string& path) {
    WinRegistry registry;
    WinDesktop desktop;
    struct Box final : InfoBox {
      void ShowCheckKeyOrValue() override { ADD_FAILURE() << "information box shown"; }
    } box;
    JumpToKey(path, registry, box,
              [&](const RegEditTarget& target) { OpenInRegEdit(desktop, target); });
    return StandInEditor::ReadState();
  }

  TestRegistryKeys keys_;
};

TEST_F(Navigation, SelectsKeysAndValues) {
  struct Case { std::string path; std::string key; std::string value; };
  const std::string base = kBaseInEditor;
  const Case cases[] = {
      {"HKCU\\Software\\TarvikE2E\\Key A\\Sub", base + "\\Key A\\Sub", ""},
      {"hkcu\\software\\tarvike2e\\key b", base + "\\Key B", ""},
      {"HKEY_CURRENT_USER\\Software\\TarvikE2E\\Path", base, "Path"},
      {"HKCU\\Software\\TarvikE2E\\zulu", base, "Zulu"},
      {"HKCU\\\\Software\\TarvikE2E\\Key A", base + "\\Key A", ""},
      {"HKCU\\Software\\TarvikE2E\\with space\\inner", base + "\\with space\\inner", ""},
      {"HKCU\\Software\\TarvikE2E\\0000", base + "\\0000", ""},
      {"HKCU\\Software\\TarvikE2E\\0001", base + "\\0001", ""},
  };
  for (const Case& c : cases) {
    const StandInState state = Jump(c.path);
    EXPECT_EQ(state.key, c.key) << c.path;
    EXPECT_EQ(state.value, c.value) << c.path;
  }
}

TEST_F(Navigation, StartsTheEditorWhenNoneRunsAndNavigatesInTheSameJump) {
  StandInEditor::Close();
  const StandInState state = Jump("HKCU\\Software\\TarvikE2E\\Key A\\Sub");
  EXPECT_EQ(state.key, std::string(kBaseInEditor) + "\\Key A\\Sub");
  char windows[MAX_PATH];
  GetSystemWindowsDirectoryA(windows, MAX_PATH);
  EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, state.module.c_str(), -1,
                           (std::string(windows) + "\\regedit.exe").c_str(), -1),
            CSTR_EQUAL)
      << state.module;
}

TEST_F(Navigation, DeepSelectionEndsLikeACollapsedTree) {
  StandInEditor::Close();
  const StandInState fromCollapsed = Jump("HKCU\\Software\\TarvikE2E\\Sibling");
  ASSERT_EQ(Jump("HKCU\\" + DeepKey()).key, std::string("Computer\\HKEY_CURRENT_USER\\") + DeepKey());
  const StandInState fromDeep = Jump("HKCU\\Software\\TarvikE2E\\Sibling");
  EXPECT_EQ(fromDeep.key, fromCollapsed.key);
  EXPECT_EQ(fromDeep.key, std::string(kBaseInEditor) + "\\Sibling");
}

TEST_F(Navigation, BringsBackAMinimisedEditor) {
  Jump("HKCU\\Software\\TarvikE2E");
  HWND editor = StandInEditor::FindMainWindow();
  ASSERT_NE(editor, nullptr);
  ShowWindow(editor, SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(editor));
  EXPECT_EQ(Jump("HKCU\\Software\\TarvikE2E\\Alpha").value, "Alpha");
  EXPECT_FALSE(IsIconic(editor));
  EXPECT_TRUE(IsWindowVisible(editor));
}

TEST_F(Navigation, DoubleByteKeyNameUnderItsCodePage) {
  if (GetACP() != 936) GTEST_SKIP() << "needs the Simplified Chinese code page (936)";
  StandInEditor::Close();  // the editor must run in the same code page
  const std::string name = Ansi(kDoubleByteName);
  EXPECT_EQ(Jump("HKCU\\Software\\TarvikE2E\\" + name).key, std::string(kBaseInEditor) + "\\" + name);
}

// The exact messages and the pauses between them, from the editor's log.
TEST_F(Navigation, SendsTheSpecifiedMessagesWithTheirPauses) {
  Jump("HKCU\\Software\\TarvikE2E");  // make sure the editor runs
  StandInEditor::ClearLog();
  const std::string root = "HKEY_CURRENT_USER";
  const std::string keyPath = "Software\\TarvikE2E";
  Jump("HKCU\\" + keyPath + "\\Path");
  const std::vector<LoggedMessage> log = StandInEditor::ReadLog();

  // Expected: 30 lefts, a right, the typed path with a right per
  // backslash, then a down and the value name in the list.
  struct Step { const char* target; unsigned message; unsigned long wParam; };
  std::vector<Step> expected(30, Step{"tree", 0x0100, 0x25});
  expected.push_back({"tree", 0x0100, 0x27});
  for (char byte : root + "\\" + keyPath) {
    if (byte == '\\') expected.push_back({"tree", 0x0100, 0x27});
    else expected.push_back({"tree", 0x0102, static_cast<unsigned char>(byte)});
  }
  expected.push_back({"list", 0x0100, 0x28});
  for (char byte : std::string("Path")) expected.push_back({"list", 0x0102, static_cast<unsigned char>(byte)});

  ASSERT_EQ(log.size(), expected.size());
  std::vector<double> characterGaps;
  for (std::size_t i = 0; i < log.size(); ++i) {
    EXPECT_EQ(log[i].target, expected[i].target) << i;
    EXPECT_EQ(log[i].message, expected[i].message) << i;
    EXPECT_EQ(log[i].wParam, expected[i].wParam) << i;
    EXPECT_EQ(log[i].lParam, 0) << i;
    if (i == 0) continue;
    const double gap = log[i].milliseconds - log[i - 1].milliseconds;
    const Step& previous = expected[i - 1];
    const bool shapesTheTree = previous.message == 0x0100 && previous.wParam != 0x25;
    // The tree is shaped only after the pause; Sleep(10) may wake a hair early.
    if (shapesTheTree || i == 30) EXPECT_GE(gap, 9.5) << "no pause before message " << i;
    if (previous.message == 0x0102 && expected[i].message == 0x0102) characterGaps.push_back(gap);
  }
  // Characters go back to back: typically well under a millisecond apart.
  std::sort(characterGaps.begin(), characterGaps.end());
  ASSERT_FALSE(characterGaps.empty());
  EXPECT_LT(characterGaps[characterGaps.size() / 2], 9.5);
}

}  // namespace
}  // namespace tarvik
