// Jumps that reach the Registry Editor: the stand-in editor, installed as
// the system's, reports what it shows in a state file.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "TarvikApp.h"

namespace tarvik::testing {
namespace {

constexpr char kKey[] = "Software\\TarvikAppTest";
constexpr char kKeyInEditor[] = "Computer\\HKEY_CURRENT_USER\\Software\\TarvikAppTest";
constexpr wchar_t kOpen[] = L"\u8F6C\u8DF3(&J)";
constexpr wchar_t kAbout[] = L"\u5173\u4E8E(&B)";

std::string StatePath() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + "tarvik-app-standin-state.txt";
}

std::string ReadState() {
  std::ifstream file(StatePath(), std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// A running editor reports to the file it was started with: start afresh.
void CloseEditor() {
  for (int attempt = 0; attempt < 250; ++attempt) {
    const HWND editor = FindWindowA("RegEdit_RegEdit", nullptr);
    if (editor == nullptr) return;
    PostMessageA(editor, WM_CLOSE, 0, 0);
    Sleep(20);
  }
}

class StandInJump : public ::testing::Test {
 protected:
  void SetUp() override {
    CloseEditor();
    DeleteFileA(StatePath().c_str());
    SetEnvironmentVariableA("TARVIK_STANDIN_STATE", StatePath().c_str());
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "Answer", 0, REG_SZ, reinterpret_cast<const BYTE*>("42"), 3);
    RegCloseKey(key);
    app_ = std::make_unique<TarvikApp>();
    ASSERT_NE(app_->Main(), nullptr);
  }

  void TearDown() override {
    app_.reset();
    CloseEditor();
    RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
    DeleteFileA(StatePath().c_str());
  }

  // Waits until the editor shows that key and value.
  bool EditorShows(const std::string& key, const std::string& value) {
    const std::string wanted = "key=" + key + "\nvalue=" + value + "\n";
    for (int attempt = 0; attempt < 500; ++attempt) {
      if (ReadState().find(wanted) != std::string::npos) return true;
      Sleep(20);
    }
    ADD_FAILURE() << "editor state:\n" << ReadState();
    return false;
  }

  std::unique_ptr<TarvikApp> app_;
};

TEST_F(StandInJump, ATypedPathJumpsToTheValue) {
  SetEditText(app_->Edit(), "HKCU\\Software\\TarvikAppTest\\Answer");
  PostClick(app_->Button(kOpen));
  EXPECT_TRUE(EditorShows(kKeyInEditor, "Answer"));
}

TEST_F(StandInJump, ATrimmedClipboardPathJumpsToTheKey) {
  SetEditText(app_->Edit(), "typed text");
  ASSERT_TRUE(PutOnClipboard("  hkcu\\Software\\TarvikAppTest \r\n"));
  ClickWithMouse(app_->Button(kAbout), 3);
  Xdotool("key c");
  EXPECT_TRUE(EditorShows(kKeyInEditor, ""));
  EXPECT_EQ(TextOf(app_->Edit()), L"typed text");
}

}  // namespace
}  // namespace tarvik::testing
