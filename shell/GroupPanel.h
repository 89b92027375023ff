#pragma once
// A group box without caption that holds controls of its own. The system's
// group box cannot: it lets the mouse through to what lies behind it and
// keeps its children's notifications. This one frames its area like a group
// box and passes every notification on to its parent.
#include "Window.h"

namespace tarvik {

class GroupPanel final : public Window {
 public:
  GroupPanel(HWND parent, const RECT& bounds, HFONT font);

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint();

  HFONT font_;
};

}  // namespace tarvik
