#include "TypeToSelect.h"

namespace standin {
namespace {

char16_t FoldWithCharUpper(char16_t c) {
  wchar_t text[1] = {static_cast<wchar_t>(c)};
  CharUpperBuffW(text, 1);
  return static_cast<char16_t>(text[0]);
}

// A key-down ends the typed string, as a navigation key does in Windows'
// controls. The key-downs that come with typing (a character key, or the
// shift held for it) must not, or typed words would never build up.
bool EndsSearch(WPARAM key) {
  switch (key) {
    case VK_SHIFT:
    case VK_CONTROL:
    case VK_MENU:
    case VK_CAPITAL:
      return false;
    default:
      return MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_CHAR) == 0;
  }
}

}  // namespace

TypeToSelect::TypeToSelect(HWND control, const char* logName, SearchableItems& items, const MessageLog& log)
    : logName_(logName), items_(items), log_(log), search_(FoldWithCharUpper) {
  // Plain subclassing rather than SetWindowSubclass: Wine's keeps its data
  // in a window property, a round trip to the Wine server on every message,
  // which made each typed character cost milliseconds of item queries.
  SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
}

LRESULT CALLBACK TypeToSelect::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  auto& hook = *reinterpret_cast<TypeToSelect*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message >= WM_KEYFIRST && message <= WM_KEYLAST) hook.log_.Write(hook.logName_, message, wParam, lParam);
  switch (message) {
    case WM_CHAR:
      // Control characters (tab, return, backspace, escape) select nothing.
      if (wParam >= L' ' && wParam != 0x7F) {
        hook.Type(static_cast<char16_t>(wParam));
        return 0;
      }
      break;
    case WM_KEYDOWN:
      if (EndsSearch(wParam)) hook.search_.Reset();
      break;
  }
  return CallWindowProcW(hook.original_, window, message, wParam, lParam);
}

void TypeToSelect::Type(char16_t typed) {
  const SearchableItems::View view = items_.ItemsToSearch();
  std::vector<std::u16string> labels;
  labels.reserve(view.labels.size());
  for (const std::wstring& label : view.labels) labels.emplace_back(label.begin(), label.end());
  const auto found = search_.Type(typed, GetTickCount64(), labels, view.selected);
  if (found && found != view.selected) items_.SelectFound(*found);
}

}  // namespace standin
