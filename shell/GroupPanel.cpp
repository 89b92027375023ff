#include "GroupPanel.h"

#include "Gdi.h"

namespace tarvik {
namespace {

constexpr wchar_t kClassName[] = L"TarvikGroupBox";

}  // namespace

GroupPanel::GroupPanel(HWND parent, const RECT& bounds, HFONT font) : font_(font) {
  RegisterWindowClass(kClassName, nullptr, GetSysColorBrush(COLOR_BTNFACE));
  Create(WS_EX_CONTROLPARENT, kClassName, L"",
         WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, bounds, parent);
}

void GroupPanel::Paint() {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(Handle(), &paint);
  RECT frame;
  GetClientRect(Handle(), &frame);
  // The frame starts half a text line down, where a caption would sit.
  frame.top += TextExtent(font_, L"0").cy / 2 - 1;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  EndPaint(Handle(), &paint);
}

LRESULT GroupPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CONTEXTMENU:
      return SendMessageW(GetParent(Handle()), message, wParam, lParam);
  }
  return Default(message, wParam, lParam);
}

}  // namespace tarvik
