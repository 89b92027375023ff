#include "Gdi.h"

namespace tarvik {

Scaler Scaler::ForScreen() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return Scaler(dpi > 0 ? dpi : 96);
}

RECT Scaler::Bounds(int left, int top, int width, int height) const {
  const int x = (*this)(left);
  const int y = (*this)(top);
  return {x, y, x + (*this)(width), y + (*this)(height)};
}

UniqueFont MakeFont(const FontSpec& wanted, const Scaler& scale) {
  LOGFONTW font{};
  font.lfHeight = scale(wanted.height);
  font.lfWeight = wanted.bold ? FW_BOLD : FW_NORMAL;
  font.lfUnderline = wanted.underline ? TRUE : FALSE;
  font.lfCharSet = wanted.charset;
  font.lfQuality = DEFAULT_QUALITY;
  lstrcpynW(font.lfFaceName, wanted.face, LF_FACESIZE);
  return UniqueFont(CreateFontIndirectW(&font));
}

UniqueIcon LoadIconResource(int id, int size) {
  return UniqueIcon(static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0)));
}

UniqueBitmap LoadBitmapResource(int id) {
  return UniqueBitmap(static_cast<HBITMAP>(LoadImageW(
      GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

SIZE TextExtent(HFONT font, const wchar_t* text) {
  const HDC screen = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(screen, font);
  RECT bounds{0, 0, 0, 0};
  DrawTextW(screen, text, -1, &bounds, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

}  // namespace tarvik
