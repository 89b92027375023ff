#pragma once
// Owners of GDI objects and menus, the fonts the windows describe, and the
// scaling of 96-dpi layouts to the screen's pixel density.
#include <windows.h>

#include "UniqueHandle.h"

namespace tarvik {

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct IconDeleter {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct MenuDeleter {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using UniqueFont = UniqueHandle<HFONT, GdiObjectDeleter>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiObjectDeleter>;
using UniqueIcon = UniqueHandle<HICON, IconDeleter>;
using UniqueMenu = UniqueHandle<HMENU, MenuDeleter>;

struct FontSpec {
  const wchar_t* face;
  int height;  // in pixels at 96 dpi; negative for character height
  bool bold = false;
  bool underline = false;
  BYTE charset = DEFAULT_CHARSET;
};

// Lengths given for 96 dpi, in the pixels of the screen at hand.
class Scaler {
 public:
  static Scaler ForScreen();
  static Scaler Unscaled() { return Scaler(96); }

  int operator()(int length) const { return MulDiv(length, dpi_, 96); }
  RECT Bounds(int left, int top, int width, int height) const;

 private:
  explicit Scaler(int dpi) : dpi_(dpi) {}
  int dpi_;
};

UniqueFont MakeFont(const FontSpec& wanted, const Scaler& scale);
UniqueIcon LoadIconResource(int id, int size);
UniqueBitmap LoadBitmapResource(int id);
// The size a single line of text takes in that font.
SIZE TextExtent(HFONT font, const wchar_t* text);

}  // namespace tarvik
