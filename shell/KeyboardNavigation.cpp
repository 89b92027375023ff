#include "KeyboardNavigation.h"

#include <algorithm>
#include <string>

namespace tarvik {
namespace {

wchar_t UpperLetter(wchar_t letter) {
  return static_cast<wchar_t>(reinterpret_cast<UINT_PTR>(CharUpperW(
      reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(letter)))));
}

bool CanTakeFocus(HWND control) { return IsWindowVisible(control) && IsWindowEnabled(control); }

bool IsPressed(int key) { return GetKeyState(key) < 0; }

std::wstring CaptionOf(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
  caption.resize(static_cast<std::size_t>(GetWindowTextW(window, caption.data(), length + 1)));
  return caption;
}

}  // namespace

wchar_t MnemonicOf(const wchar_t* caption) {
  for (const wchar_t* at = caption; *at != L'\0'; ++at) {
    if (*at != L'&') continue;
    ++at;
    if (*at == L'\0') break;
    if (*at != L'&') return UpperLetter(*at);
  }
  return 0;
}

bool KeyboardNavigation::Translate(const MSG& message) {
  switch (message.message) {
    case WM_KEYDOWN:
      if (message.wParam == VK_TAB && !IsPressed(VK_CONTROL) && !IsPressed(VK_MENU)) {
        FocusNext(IsPressed(VK_SHIFT));
        return true;
      }
      if (message.wParam == VK_RETURN && IsButton(GetFocus())) {
        SendMessageW(GetFocus(), BM_CLICK, 0, 0);
        return true;
      }
      return false;
    case WM_SYSCHAR:
      return ClickMnemonic(static_cast<wchar_t>(message.wParam));
    case WM_CHAR:
      return IsButton(GetFocus()) && ClickMnemonic(static_cast<wchar_t>(message.wParam));
  }
  return false;
}

void KeyboardNavigation::Focus(HWND control) {
  lastFocus_ = control;
  if (IsWindowVisible(root_)) SetFocus(control);
}

void KeyboardNavigation::OnActivate(WPARAM state) {
  if (LOWORD(state) == WA_INACTIVE) {
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(root_, focus)) lastFocus_ = focus;
    return;
  }
  OnFocus();
}

void KeyboardNavigation::OnFocus() {
  if (lastFocus_ != nullptr && IsWindow(lastFocus_) && CanTakeFocus(lastFocus_)) {
    SetFocus(lastFocus_);
  }
}

void KeyboardNavigation::FocusNext(bool backwards) {
  if (tabOrder_.empty()) return;
  const auto count = static_cast<std::ptrdiff_t>(tabOrder_.size());
  const auto found = std::find(tabOrder_.begin(), tabOrder_.end(), GetFocus());
  std::ptrdiff_t index = found == tabOrder_.end() ? (backwards ? 0 : -1) : found - tabOrder_.begin();
  for (std::ptrdiff_t step = 0; step < count; ++step) {
    index = (index + (backwards ? count - 1 : 1)) % count;
    const HWND candidate = tabOrder_[static_cast<std::size_t>(index)];
    if (!CanTakeFocus(candidate)) continue;
    SetFocus(candidate);
    // As in dialogs, an edit box entered with Tab has its text selected.
    if (SendMessageW(candidate, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
      SendMessageW(candidate, EM_SETSEL, 0, -1);
    }
    return;
  }
}

bool KeyboardNavigation::ClickMnemonic(wchar_t letter) {
  const wchar_t wanted = UpperLetter(letter);
  for (HWND button : buttons_) {
    if (!CanTakeFocus(button) || MnemonicOf(CaptionOf(button).c_str()) != wanted) continue;
    // Clicked where it stands: unlike BM_CLICK, this leaves the focus alone.
    SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    return true;
  }
  return false;
}

bool KeyboardNavigation::IsButton(HWND window) const {
  return window != nullptr && std::find(buttons_.begin(), buttons_.end(), window) != buttons_.end();
}

}  // namespace tarvik
