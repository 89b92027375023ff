#pragma once
// The About dialog: name, version, the maker's lines, a donation picture
// and a web address. Created, shown modally and freed per showing.
#include <windows.h>

#include <memory>

#include "Gdi.h"
#include "GraphicControl.h"
#include "KeyboardNavigation.h"
#include "SkinButtons.h"
#include "Window.h"

namespace tarvik {

class Application;

class TfrmAbout final : public Window {
 public:
  TfrmAbout(Application& application, HWND owner);
  ~TfrmAbout() override;

  // Returns IDOK when closed with bOK, IDCANCEL from the title bar.
  int ShowModal();

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void CreateComponents();
  void FormShow();
  void lbEAddressClick();
  void Image3Click();

  Application& application_;
  HWND owner_;
  int modalResult_ = 0;
  UniqueIcon icon_;
  UniqueBitmap banner_;
  UniqueBitmap donate_;
  UniqueFont font_;
  UniqueFont linkFont_;
  GraphicLayer graphics_;
  SkinButtons skin_;
  KeyboardNavigation keyboard_;

  std::unique_ptr<GraphicControl> Image2;
  std::unique_ptr<GraphicControl> Image1;
  std::unique_ptr<GraphicControl> Label1;
  std::unique_ptr<GraphicControl> lCopywrite;
  std::unique_ptr<GraphicControl> Label3;
  HWND Panel2 = nullptr;
  std::unique_ptr<GraphicControl> lbEAddress;
  std::unique_ptr<GraphicControl> Label2;
  HWND bOK = nullptr;
  std::unique_ptr<GraphicControl> Image3;
  std::unique_ptr<GraphicControl> Label4;
};

}  // namespace tarvik
