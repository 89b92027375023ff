#pragma once
// The skinned look of push buttons: rounded, with a soft vertical gradient,
// a glyph left of the caption and a focus rectangle two pixels inside the
// edge. The buttons stay the system's own BUTTON controls (owner-drawn), so
// clicks, Space, BM_CLICK and accessibility work as for any button.
#include <windows.h>

#include <vector>

namespace tarvik {

class SkinButtons {
 public:
  // Creates an owner-drawn push button that this look paints.
  HWND Create(HWND parent, UINT id, const RECT& bounds, const wchar_t* caption, HFONT font,
              HICON glyph = nullptr, int glyphSize = 0);

  // Paints a button of ours; false when the item is not one.
  bool Draw(const DRAWITEMSTRUCT& item) const;

 private:
  struct Look {
    HWND button;
    HFONT font;
    HICON glyph;
    int glyphSize;
  };
  std::vector<Look> looks_;
};

}  // namespace tarvik
