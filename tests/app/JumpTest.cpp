// Jumps started from the main window: the jump button with the edit box's
// text as typed, and the clipboard jump from the context menu.
#include <gtest/gtest.h>

#include "TarvikApp.h"

namespace tarvik::testing {
namespace {

constexpr wchar_t kTitle[] = L"\u514D\u8D39 Tarvik";
constexpr wchar_t kCheckKeyOrValue[] =
    L"\u8BF7\u68C0\u67E5\u6CE8\u518C\u8868\u952E\u6216\u503C\u662F\u5426\u5B58\u5728.";
constexpr wchar_t kOpen[] = L"\u8F6C\u8DF3(&J)";
constexpr wchar_t kAbout[] = L"\u5173\u4E8E(&B)";

class Jump : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(app_.Main(), nullptr); }

  // Opens the context menu over a button and picks "从剪贴板跳转(&C)" by its letter.
  void JumpFromClipboardMenu() {
    ClickWithMouse(app_.Button(kAbout), 3);
    Xdotool("key c");
  }

  TarvikApp app_;
};

struct NotFoundCase {
  const char* typed;
  const char* why;
  friend std::ostream& operator<<(std::ostream& out, const NotFoundCase& c) { return out << c.why; }
};

class TypedPathNotFound : public Jump, public ::testing::WithParamInterface<NotFoundCase> {};

TEST_P(TypedPathNotFound, ShowsTheInformationBox) {
  SetEditText(app_.Edit(), GetParam().typed);
  PostClick(app_.Button(kOpen));
  const SeenBox box = app_.DismissMessageBox();
  ASSERT_TRUE(box.found) << GetParam().why;
  EXPECT_EQ(box.caption, kTitle);
  EXPECT_EQ(box.text, kCheckKeyOrValue);
  EXPECT_TRUE(app_.Running());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypedPathNotFound,
    ::testing::Values(NotFoundCase{" HKCU\\Software", "the edit text is not trimmed"},
                      NotFoundCase{"C:\\Windows\\System32", "a path without HK is looked up too"},
                      NotFoundCase{"HKCU\\Software\\Microsoft\\TarvikNoSuchValue", "missing value"},
                      NotFoundCase{"hklm\\SOFTWARE\\\xD7\xA2\xB2\xE1\xB1\xED\\TarvikMissing",
                                   "double-byte key names"}));

TEST_F(Jump, PathFromTheClipboardWithoutHkDoesNothing) {
  SetEditText(app_.Edit(), "typed text");
  ASSERT_TRUE(PutOnClipboard("C:\\Windows\\System32"));
  JumpFromClipboardMenu();
  app_.Settle();
  EXPECT_EQ(app_.WaitForWindow(L"#32770", 1500), nullptr);
  EXPECT_EQ(TextOf(app_.Edit()), L"typed text");
}

TEST_F(Jump, PathFromTheClipboardIsTrimmedAndJumpedWithoutTouchingTheEditBox) {
  SetEditText(app_.Edit(), "typed text");
  // Not found, so the information box shows that the jump was made; the
  // blanks around it are not part of the path.
  ASSERT_TRUE(PutOnClipboard(" \t hkcu\\Software\\TarvikNoSuchKey \r\n"));
  JumpFromClipboardMenu();
  const SeenBox box = app_.DismissMessageBox();
  ASSERT_TRUE(box.found);
  EXPECT_EQ(box.text, kCheckKeyOrValue);
  EXPECT_EQ(TextOf(app_.Edit()), L"typed text");
}

TEST_F(Jump, AClipboardHeldByAnotherProgramIsReportedAndTheProgramCarriesOn) {
  ASSERT_TRUE(PutOnClipboard("HKCU\\Software"));
  const HWND holder = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_TRUE(OpenClipboard(holder));
  JumpFromClipboardMenu();
  const SeenBox box = app_.DismissMessageBox();
  CloseClipboard();
  DestroyWindow(holder);
  ASSERT_TRUE(box.found);
  EXPECT_EQ(box.caption, kTitle);
  EXPECT_EQ(box.text, L"Cannot open clipboard.");
  // Still answering: the jump button works as before.
  SetEditText(app_.Edit(), " HKCU\\Software");
  PostClick(app_.Button(kOpen));
  EXPECT_EQ(app_.DismissMessageBox().text, kCheckKeyOrValue);
}

}  // namespace
}  // namespace tarvik::testing
