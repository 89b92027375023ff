#pragma once
// The keyboard rules of a window with controls, run from the message loop
// before a key reaches its control: Tab and Shift+Tab walk the tab order,
// Enter clicks the focused button, Alt with a marked letter clicks the
// first enabled button that marks it (in creation order), and the bare
// letter does the same while a button has the focus. Space is the button's
// own. There is no default button, so Enter elsewhere does nothing.
#include <windows.h>

#include <vector>

namespace tarvik {

class KeyboardNavigation {
 public:
  explicit KeyboardNavigation(HWND root) : root_(root) {}

  HWND Root() const { return root_; }
  void SetTabOrder(std::vector<HWND> controls) { tabOrder_ = std::move(controls); }
  void SetButtons(std::vector<HWND> buttonsInCreationOrder) {
    buttons_ = std::move(buttonsInCreationOrder);
  }

  // Gives the control the focus now, or when the window is next activated
  // if it is not showing yet.
  void Focus(HWND control);

  // True when the key was used up here.
  bool Translate(const MSG& message);

  // The focus leaves with the window's activation and comes back with it.
  void OnActivate(WPARAM state);
  // The window itself got the focus: hand it on to the control that had it.
  void OnFocus();

 private:
  void FocusNext(bool backwards);
  bool ClickMnemonic(wchar_t letter);
  bool IsButton(HWND window) const;

  HWND root_;
  std::vector<HWND> tabOrder_;
  std::vector<HWND> buttons_;
  HWND lastFocus_ = nullptr;
};

// The letter marked with '&' in a caption, upper-cased; 0 when none is.
wchar_t MnemonicOf(const wchar_t* caption);

}  // namespace tarvik
