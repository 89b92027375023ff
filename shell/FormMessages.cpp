#include "FormMessages.h"

namespace tarvik {

std::optional<LRESULT> HandleFormMessage(SkinButtons& skin, KeyboardNavigation& keyboard,
                                         UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWITEM:
      if (skin.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      return std::nullopt;
    case WM_ACTIVATE:
      keyboard.OnActivate(wParam);
      return 0;
    case WM_SETFOCUS:
      keyboard.OnFocus();
      return 0;
  }
  return std::nullopt;
}

}  // namespace tarvik
