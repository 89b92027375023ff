#include "GraphicControl.h"

#include <windowsx.h>

#include "Gdi.h"

namespace tarvik {
namespace {

constexpr wchar_t kClassName[] = L"TarvikGraphic";

SIZE ClientSize(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

}  // namespace

GraphicControl::GraphicControl(GraphicLayer& layer, HWND parent, const RECT& bounds,
                               GraphicContent content)
    : layer_(layer), content_(std::move(content)) {
  RegisterWindowClass(kClassName, nullptr, nullptr);
  RECT placed = bounds;
  if (content_.autoSize) {
    const SIZE size = ContentSize();
    placed.right = placed.left + size.cx;
    placed.bottom = placed.top + size.cy;
  }
  Create(0, kClassName, content_.text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, placed,
         parent);
  layer_.Add(*this);
}

SIZE GraphicControl::ContentSize() const {
  if (content_.bitmap != nullptr) {
    BITMAP picture{};
    GetObjectW(content_.bitmap, sizeof picture, &picture);
    return {picture.bmWidth, picture.bmHeight};
  }
  return TextExtent(content_.font, content_.text.c_str());
}

void GraphicControl::SetText(std::wstring text) {
  content_.text = std::move(text);
  SetWindowTextW(Handle(), content_.text.c_str());
  if (content_.autoSize) {
    const SIZE size = ContentSize();
    SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(Handle(), nullptr, FALSE);
}

RECT GraphicControl::BoundsInParent() const {
  RECT bounds;
  GetWindowRect(Handle(), &bounds);
  MapWindowPoints(nullptr, GetParent(Handle()), reinterpret_cast<POINT*>(&bounds), 2);
  return bounds;
}

void GraphicControl::SetColor(COLORREF color) {
  content_.color = color;
  InvalidateRect(Handle(), nullptr, FALSE);
}

void GraphicControl::DrawContent(HDC dc, POINT origin) const {
  const SIZE size = ClientSize(Handle());
  if (content_.bitmap != nullptr) {
    BITMAP picture{};
    GetObjectW(content_.bitmap, sizeof picture, &picture);
    const HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(source, content_.bitmap);
    if (content_.stretch) {
      SetStretchBltMode(dc, HALFTONE);
      SetBrushOrgEx(dc, 0, 0, nullptr);
      StretchBlt(dc, origin.x, origin.y, size.cx, size.cy, source, 0, 0, picture.bmWidth,
                 picture.bmHeight, SRCCOPY);
    } else {
      BitBlt(dc, origin.x, origin.y, picture.bmWidth, picture.bmHeight, source, 0, 0, SRCCOPY);
    }
    SelectObject(source, old);
    DeleteDC(source);
  }
  if (content_.icon != nullptr) {
    DrawIconEx(dc, origin.x, origin.y, content_.icon, content_.iconSize, content_.iconSize, 0,
               nullptr, DI_NORMAL);
  }
  if (!content_.text.empty()) {
    const HGDIOBJ old = SelectObject(dc, content_.font);
    SetBkMode(dc, TRANSPARENT);
    const bool hovered = hover_ && content_.hoverColor != CLR_INVALID;
    SetTextColor(dc, hovered ? content_.hoverColor : content_.color);
    RECT area{origin.x, origin.y, origin.x + size.cx, origin.y + size.cy};
    DrawTextW(dc, content_.text.c_str(), -1, &area, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    SelectObject(dc, old);
  }
}

void GraphicControl::Paint() {
  PAINTSTRUCT paint;
  const HDC target = BeginPaint(Handle(), &paint);
  const SIZE size = ClientSize(Handle());
  // Drawn off screen first, so the layers beneath never flicker through.
  const HDC buffer = CreateCompatibleDC(target);
  const UniqueBitmap canvas(CreateCompatibleBitmap(target, size.cx, size.cy));
  const HGDIOBJ old = SelectObject(buffer, canvas.get());
  if (content_.transparent) {
    layer_.PaintBeneath(buffer, *this);
  } else {
    RECT all{0, 0, size.cx, size.cy};
    FillRect(buffer, &all, GetSysColorBrush(COLOR_BTNFACE));
  }
  DrawContent(buffer, {0, 0});
  BitBlt(target, 0, 0, size.cx, size.cy, buffer, 0, 0, SRCCOPY);
  SelectObject(buffer, old);
  DeleteDC(buffer);
  EndPaint(Handle(), &paint);
}

void GraphicControl::SetHover(bool hover) {
  if (hover == hover_) return;
  hover_ = hover;
  if (hover) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
    TrackMouseEvent(&track);
  }
  if (content_.hoverColor != CLR_INVALID) InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT GraphicControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETCURSOR:
      if (content_.handCursor && LOWORD(lParam) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case WM_MOUSEMOVE:
      SetHover(true);
      return 0;
    case WM_MOUSELEAVE:
      SetHover(false);
      return 0;
    case WM_LBUTTONDOWN:
      pressed_ = true;
      SetCapture(Handle());
      return 0;
    case WM_LBUTTONUP: {
      if (!pressed_) return 0;
      pressed_ = false;
      ReleaseCapture();
      const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      const SIZE size = ClientSize(Handle());
      if (content_.onClick && at.x >= 0 && at.y >= 0 && at.x < size.cx && at.y < size.cy) {
        content_.onClick();
      }
      return 0;
    }
    case WM_CAPTURECHANGED:
      pressed_ = false;
      return 0;
  }
  return Default(message, wParam, lParam);
}

void GraphicLayer::PaintBeneath(HDC dc, const GraphicControl& control) const {
  const RECT own = control.BoundsInParent();
  RECT all{0, 0, own.right - own.left, own.bottom - own.top};
  FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  for (const GraphicControl* below : controls_) {
    if (below == &control) break;
    const RECT other = below->BoundsInParent();
    RECT overlap;
    if (!IsWindowVisible(below->Handle()) || !IntersectRect(&overlap, &own, &other)) continue;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, other.left - own.left, other.top - own.top, other.right - own.left,
                      other.bottom - own.top);
    below->DrawContent(dc, {other.left - own.left, other.top - own.top});
    RestoreDC(dc, saved);
  }
}

}  // namespace tarvik
