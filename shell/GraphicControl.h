#pragma once
// Labels and images: child windows that draw a text, an icon or a bitmap.
// A transparent one shows what lies beneath it: the parent's face and the
// graphic controls created before it, which it draws itself, so overlapping
// header labels read cleanly on the banner.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "Window.h"

namespace tarvik {

struct GraphicContent {
  std::wstring text{};
  HFONT font = nullptr;
  COLORREF color = RGB(0, 0, 0);
  COLORREF hoverColor = CLR_INVALID;  // CLR_INVALID: no hover look
  HICON icon = nullptr;
  int iconSize = 0;  // drawn at this size in the top-left corner
  HBITMAP bitmap = nullptr;
  bool stretch = false;  // the bitmap fills the control
  bool transparent = false;
  bool autoSize = false;  // takes the size of its caption or bitmap
  bool handCursor = false;
  std::function<void()> onClick{};
};

class GraphicLayer;

class GraphicControl final : public Window {
 public:
  GraphicControl(GraphicLayer& layer, HWND parent, const RECT& bounds, GraphicContent content);

  // Draws the content with its top-left corner at origin.
  void DrawContent(HDC dc, POINT origin) const;
  RECT BoundsInParent() const;
  void SetColor(COLORREF color);
  void SetText(std::wstring text);

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint();
  void SetHover(bool hover);
  SIZE ContentSize() const;

  GraphicLayer& layer_;
  GraphicContent content_;
  bool hover_ = false;
  bool pressed_ = false;
};

// The graphic controls of one window, bottom first.
class GraphicLayer {
 public:
  void Add(const GraphicControl& control) { controls_.push_back(&control); }
  // Fills the control's area with the face and what lies beneath it.
  void PaintBeneath(HDC dc, const GraphicControl& control) const;

 private:
  std::vector<const GraphicControl*> controls_;
};

}  // namespace tarvik
