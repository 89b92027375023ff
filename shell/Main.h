#pragma once
// The main window: the edit box and its jump button, the clipboard jump,
// the header with its links, the saved list's controls, the About and Exit
// buttons, the two pop-up menus, and the message that brings it to front.
#include <windows.h>

#include <memory>
#include <string_view>

#include "Actions.h"
#include "Gdi.h"
#include "GraphicControl.h"
#include "GroupPanel.h"
#include "KeyboardNavigation.h"
#include "RegEditTarget.h"
#include "SkinButtons.h"
#include "Window.h"

namespace tarvik {

class Application;

// Sent by outside programs to bring the window back.
inline constexpr UINT WM_SHOWMAIN = 0x5A01;
// The tray icon's callback message.
inline constexpr UINT WM_TRAYICON = 0x5A02;

inline constexpr wchar_t kMainWindowClass[] = L"Free Tarvik Made by Orveta Software";

class TfrmMain final : public Window {
 public:
  explicit TfrmMain(Application& application);
  ~TfrmMain() override;

  // Turns the window's visibility on; the first time, FormShow runs first.
  void Show();

  void JumpToKey(std::string_view path);
  void OpenInRegEdit(const RegEditTarget& target);
  void SetTrayIcon(bool add);

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void CreateComponents();
  void CreateHeader();
  void CreateButtonsAndList();
  void CreateActions();
  void CreateMenus();
  void ArrangeKeyboard();
  bool OnCommand(UINT id);
  void OnContextMenu(HWND control, LPARAM screenPoint);
  bool HasPopupMenu(HWND control) const;

  void FormCreate();
  void FormShow();
  void FormClose();
  void bOpenClick();
  void aJumpFromClipboardExecute();
  void Image1Click();
  void lTitleClick();
  void lUpdateClick();
  void bAboutClick();
  void bExitClick();
  void miHomepageClick();
  void WMShowMain();

  Application& application_;
  Scaler scale_;
  bool visible_ = false;
  UniqueIcon icon_;
  UniqueIcon updateIcon_;
  UniqueIcon openGlyph_;
  UniqueBitmap headerTile_;
  UniqueFont formFont_;
  UniqueFont buttonFont_;
  UniqueFont openFont_;
  UniqueFont titleFont_;
  UniqueFont updateFont_;
  GraphicLayer graphics_;
  SkinButtons skin_;
  KeyboardNavigation keyboard_;

  std::unique_ptr<GraphicControl> imgTitle;
  std::unique_ptr<GraphicControl> lTitle;
  std::unique_ptr<GraphicControl> lUpdate;
  std::unique_ptr<GraphicControl> lTitleHint;
  std::unique_ptr<GraphicControl> Image1;
  std::unique_ptr<GraphicControl> iUpdate;
  HWND bExit = nullptr;
  std::unique_ptr<GroupPanel> GroupBox2;
  HWND bOpen = nullptr;
  HWND eRegKey = nullptr;
  ActionList ActionList1;
  HWND bAbout = nullptr;
  HWND ListView1 = nullptr;
  HWND suiButton1 = nullptr;
  HWND bJumpFromList = nullptr;
  HWND suiButton3 = nullptr;
  HWND suiButton4 = nullptr;
  HWND suiButton5 = nullptr;
  Action* aJumpFromList = nullptr;
  Action* aMoveUp = nullptr;
  Action* aMoveDown = nullptr;
  Action* aRemove = nullptr;
  Action* aAddList = nullptr;
  UniqueMenu pmSelf;
  Action* aJumpFromClipboard = nullptr;
  UniqueMenu PopupMenu1;

  // The application window's extended style, as it was at creation.
  LONG FOldExStyle = 0;
};

// The one main window.
extern TfrmMain* frmMain;

}  // namespace tarvik
