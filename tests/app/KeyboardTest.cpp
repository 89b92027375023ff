// Real keystrokes (xdotool) into the main window: Tab order, Enter in the
// edit box, Alt with a marked letter, and Enter on a focused button.
#include <gtest/gtest.h>

#include <vector>

#include "TarvikApp.h"

namespace tarvik::testing {
namespace {

constexpr wchar_t kCheckKeyOrValue[] =
    L"\u8BF7\u68C0\u67E5\u6CE8\u518C\u8868\u952E\u6216\u503C\u662F\u5426\u5B58\u5728.";
constexpr wchar_t kOpen[] = L"\u8F6C\u8DF3(&J)";
constexpr wchar_t kAbout[] = L"\u5173\u4E8E(&B)";
constexpr wchar_t kExit[] = L"\u9000\u51FA(&X)";

class Keyboard : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(app_.Main(), nullptr);
    // A path that is not found, so a jump shows itself as the information box.
    SetEditText(app_.Edit(), " HKCU\\Software");
    ClickWithMouse(app_.Edit());
    ASSERT_EQ(FocusOf(app_.Main()), app_.Edit());
  }

  TarvikApp app_;
};

TEST_F(Keyboard, TabWalksTheTabOrderSkippingUnavailableButtons) {
  // The saved list's buttons are unavailable while the list is empty.
  const std::vector<HWND> expected = {app_.Button(kOpen), app_.Button(kAbout),
                                      app_.Find(L"SysListView32"), app_.Button(kExit), app_.Edit()};
  for (HWND next : expected) {
    Xdotool("key Tab");
    EXPECT_EQ(FocusOf(app_.Main()), next);
  }
  Xdotool("key shift+Tab");
  EXPECT_EQ(FocusOf(app_.Main()), app_.Button(kExit));
}

TEST_F(Keyboard, EnterInTheEditBoxDoesNothing) {
  Xdotool("key Return");
  app_.Settle();
  EXPECT_EQ(app_.WaitForWindow(L"#32770", 1500), nullptr);
  EXPECT_EQ(FocusOf(app_.Main()), app_.Edit());
}

TEST_F(Keyboard, AltJClicksTheJumpButtonAndLeavesTheFocus) {
  Xdotool("key alt+j");
  EXPECT_EQ(app_.DismissMessageBox().text, kCheckKeyOrValue);
  EXPECT_EQ(FocusOf(app_.Main()), app_.Edit());
}

struct KeyCase {
  const char* key;
  friend std::ostream& operator<<(std::ostream& out, const KeyCase& c) { return out << c.key; }
};

class KeyOnFocusedButton : public Keyboard, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyOnFocusedButton, ClicksIt) {
  Xdotool("key Tab");
  ASSERT_EQ(FocusOf(app_.Main()), app_.Button(kOpen));
  Xdotool(std::string("key ") + GetParam().key);
  EXPECT_EQ(app_.DismissMessageBox().text, kCheckKeyOrValue);
}

// The bare marked letter counts while a button has the focus.
INSTANTIATE_TEST_SUITE_P(Keys, KeyOnFocusedButton,
                         ::testing::Values(KeyCase{"Return"}, KeyCase{"space"}, KeyCase{"j"}));

}  // namespace
}  // namespace tarvik::testing
