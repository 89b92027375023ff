#include "SkinButtons.h"

#include <algorithm>
#include <string>

#include "Gdi.h"

namespace tarvik {
namespace {

constexpr int kCornerDiameter = 8;
constexpr int kFocusMargin = 2;
constexpr int kGlyphSpacing = 4;

COLORREF Blend(COLORREF from, COLORREF to, int step, int steps) {
  const auto mix = [&](int a, int b) { return a + (b - a) * step / std::max(steps, 1); };
  return RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
             mix(GetBValue(from), GetBValue(to)));
}

void FillGradient(HDC dc, const RECT& area, COLORREF top, COLORREF bottom) {
  const int height = area.bottom - area.top;
  for (int row = 0; row < height; ++row) {
    const UniqueHandle<HBRUSH, GdiObjectDeleter> brush(
        CreateSolidBrush(Blend(top, bottom, row, height - 1)));
    RECT line{area.left, area.top + row, area.right, area.top + row + 1};
    FillRect(dc, &line, brush.get());
  }
}

std::wstring CaptionOf(HWND button) {
  wchar_t caption[256] = {};
  GetWindowTextW(button, caption, 256);
  return caption;
}

}  // namespace

HWND SkinButtons::Create(HWND parent, UINT id, const RECT& bounds, const wchar_t* caption,
                         HFONT font, HICON glyph, int glyphSize) {
  const HWND button = CreateWindowExW(
      0, L"BUTTON", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | BS_OWNERDRAW,
      bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  looks_.push_back({button, font, glyph, glyphSize});
  return button;
}

bool SkinButtons::Draw(const DRAWITEMSTRUCT& item) const {
  const auto look = std::find_if(looks_.begin(), looks_.end(),
                                 [&](const Look& candidate) { return candidate.button == item.hwndItem; });
  if (look == looks_.end()) return false;

  const HDC dc = item.hDC;
  const RECT bounds = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;

  FillRect(dc, &bounds, GetSysColorBrush(COLOR_BTNFACE));
  const UniqueHandle<HRGN, GdiObjectDeleter> shape(CreateRoundRectRgn(
      bounds.left, bounds.top, bounds.right + 1, bounds.bottom + 1, kCornerDiameter, kCornerDiameter));
  SelectClipRgn(dc, shape.get());
  if (pressed) {
    FillGradient(dc, bounds, RGB(0x9F, 0xBC, 0xE4), RGB(0xD6, 0xE5, 0xF8));
  } else {
    FillGradient(dc, bounds, RGB(0xFF, 0xFF, 0xFF), RGB(0xD9, 0xDE, 0xE7));
  }
  SelectClipRgn(dc, nullptr);
  const UniqueHandle<HBRUSH, GdiObjectDeleter> edge(CreateSolidBrush(
      disabled ? RGB(0xB4, 0xB8, 0xBE) : pressed ? RGB(0x3D, 0x6A, 0xA8) : RGB(0x7A, 0x86, 0x96)));
  FrameRgn(dc, shape.get(), edge.get(), 1, 1);

  const std::wstring caption = CaptionOf(item.hwndItem);
  const HGDIOBJ oldFont = SelectObject(dc, look->font);
  RECT text{0, 0, 0, 0};
  DrawTextW(dc, caption.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE);
  const int glyphWidth = look->glyph != nullptr ? look->glyphSize + kGlyphSpacing : 0;
  const int contentWidth = glyphWidth + (text.right - text.left);
  const int shift = pressed ? 1 : 0;
  int left = bounds.left + (bounds.right - bounds.left - contentWidth) / 2 + shift;
  const int middle = bounds.top + (bounds.bottom - bounds.top) / 2 + shift;
  if (look->glyph != nullptr) {
    DrawIconEx(dc, left, middle - look->glyphSize / 2, look->glyph, look->glyphSize,
               look->glyphSize, 0, nullptr, DI_NORMAL);
    left += glyphWidth;
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, disabled ? RGB(0x9A, 0x9E, 0xA5) : RGB(0, 0, 0));
  RECT line{left, middle - (text.bottom - text.top) / 2, left + (text.right - text.left) + 1,
            middle + (text.bottom - text.top) / 2 + 1};
  DrawTextW(dc, caption.c_str(), -1, &line, DT_SINGLELINE | DT_NOCLIP);
  SelectObject(dc, oldFont);

  if (focused) {
    RECT focus = bounds;
    InflateRect(&focus, -kFocusMargin, -kFocusMargin);
    DrawFocusRect(dc, &focus);
  }
  return true;
}

}  // namespace tarvik
