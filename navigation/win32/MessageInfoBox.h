#pragma once
#include <windows.h>

#include "KeyPath.h"

namespace tarvik {

// The information box, modal for the whole application: like the class
// library's application message box, it disables the thread's other
// windows while it is up.
class MessageInfoBox final : public InfoBox {
 public:
  explicit MessageInfoBox(HWND owner) : owner_(owner) {}
  void ShowCheckKeyOrValue() override;

 private:
  HWND owner_;
};

}  // namespace tarvik
