#include "Main.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <string>

#include "About.h"
#include "Application.h"
#include "FormMessages.h"
#include "ByteText.h"
#include "Clipboard.h"
#include "Global.h"
#include "Hardening.h"
#include "KeyPath.h"
#include "MessageInfoBox.h"
#include "RegEditDriver.h"
#include "ResourceIds.h"
#include "WebPage.h"
#include "WinDesktop.h"
#include "WinRegistry.h"

namespace tarvik {

TfrmMain* frmMain = nullptr;

namespace {

enum CommandId : UINT {
  kExit = 100,
  kOpen,
  kRegKey,
  kAbout,
  kList,
  kAddList,
  kJumpFromList,
  kRemove,
  kMoveDown,
  kMoveUp,
  kMenuJumpFromClipboard2 = 200,
  kMenuAddtoList,
  kMenuJumpfromList,
  kMenuUp,
  kMenuDown,
  kMenuRemove,
  kMenuOpen,
  kMenuJumpFromClipboard1,
  kMenuHomepage,
  kMenuCheckforUpdate,
  kMenuExit,
};

constexpr wchar_t kFace[] = L"MS Sans Serif";
constexpr wchar_t kMakerName[] = L"Orveta Software";
constexpr wchar_t kMakerHomePage[] = L"https://example.org/";
constexpr wchar_t kLocalisationPage[] = L"https://example.org/tarvik/zh-cn/";
constexpr int kClientWidth = 513;
constexpr int kClientHeight = 397;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

HMENU AsMenuId(UINT id) { return reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)); }

RECT CentredWindowBounds(const Scaler& scale) {
  RECT bounds{0, 0, scale(kClientWidth), scale(kClientHeight)};
  AdjustWindowRectEx(&bounds, kStyle, FALSE, 0);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  return {left, top, left + width, top + height};
}

void MoveControl(HWND control, int left, int top, int width, int height) {
  SetWindowPos(control, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string EditText(HWND edit) {
  const int length = GetWindowTextLengthA(edit);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(edit, text.data(), length + 1)));
  return text;
}

// The tip field of the record's first version holds 64 bytes: at most 63
// bytes of text, and never half a double-byte character.
constexpr std::size_t kTipField = 64;

void CopyTip(const std::wstring& tip, char* field) {
  std::string bytes(tip.size() * 2 + 1, '\0');
  const int length = WideCharToMultiByte(CP_ACP, 0, tip.c_str(), static_cast<int>(tip.size()),
                                         bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr);
  bytes.resize(static_cast<std::size_t>(std::max(length, 0)));
  std::size_t kept = 0;
  while (kept < bytes.size()) {
    const std::size_t step = IsDBCSLeadByte(static_cast<BYTE>(bytes[kept])) ? 2 : 1;
    if (kept + step > kTipField - 1) break;
    kept += step;
  }
  std::fill_n(field, kTipField, '\0');
  std::copy_n(bytes.begin(), std::min(kept, bytes.size()), field);
}

}  // namespace

TfrmMain::TfrmMain(Application& application)
    : application_(application),
      scale_(Scaler::ForScreen()),
      icon_(LoadIconResource(IDI_TARVIK, 32)),
      updateIcon_(LoadIconResource(IDI_UPDATE, 16)),
      openGlyph_(LoadIconResource(IDI_OPEN_FOLDER, 16)),
      headerTile_(LoadBitmapResource(IDB_HEADER_TILE)),
      formFont_(MakeFont({kFace, -11}, scale_)),
      buttonFont_(MakeFont({L"Arial", -10}, scale_)),
      openFont_(MakeFont({kFace, -10}, scale_)),
      titleFont_(MakeFont({kFace, -15, true}, scale_)),
      updateFont_(MakeFont({kFace, -12, false, true}, scale_)),
      keyboard_(nullptr) {
  frmMain = this;
  RegisterWindowClass(kMainWindowClass, icon_.get(), GetSysColorBrush(COLOR_BTNFACE));
  Create(0, kMainWindowClass, kApplicationTitle, kStyle, CentredWindowBounds(scale_),
         application_.Handle());
  keyboard_ = KeyboardNavigation(Handle());
  application_.SetMainWindow(Handle());
  application_.AddKeyboardNavigation(keyboard_);
  application_.SetIdleHandler([this] {
    if (IsWindowVisible(Handle()) && IsWindowEnabled(Handle())) ActionList1.UpdateVisible();
  });
  AllowMessageFromLowerIntegrity(Handle(), WM_SHOWMAIN);
  CreateComponents();
  FormCreate();
}

TfrmMain::~TfrmMain() {
  application_.SetIdleHandler(nullptr);
  application_.RemoveKeyboardNavigation(keyboard_);
  application_.SetMainWindow(nullptr);
  frmMain = nullptr;
}

void TfrmMain::CreateComponents() {
  SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
  CreateActions();
  CreateHeader();
  CreateButtonsAndList();
  CreateMenus();
  ArrangeKeyboard();
}

void TfrmMain::CreateHeader() {
  const HWND self = Handle();
  imgTitle = std::make_unique<GraphicControl>(
      graphics_, self, scale_.Bounds(8, 0, 117, 53),
      GraphicContent{.bitmap = headerTile_.get(), .stretch = true});
  lTitle = std::make_unique<GraphicControl>(
      graphics_, self, scale_.Bounds(49, 8, 81, 16),
      GraphicContent{.text = kMakerName, .font = titleFont_.get(), .color = RGB(255, 255, 255),
                     .transparent = true, .autoSize = true, .handCursor = true, .onClick = [this] { lTitleClick(); }});
  const wchar_t* localisation = L"\u5173\u4E8E\u6C49\u5316...";
  lUpdate = std::make_unique<GraphicControl>(
      graphics_, self, scale_.Bounds(306, 24, 96, 13),
      GraphicContent{.text = localisation, .font = updateFont_.get(), .color = RGB(0, 0, 255),
                     .hoverColor = RGB(255, 0, 0), .transparent = true, .autoSize = true,
                     .handCursor = true,
                     .onClick = [this] { lUpdateClick(); }});
  lTitleHint = std::make_unique<GraphicControl>(
      graphics_, self, scale_.Bounds(50, 27, 266, 13),
      GraphicContent{.text = L"\u76F4\u63A5\u8DF3\u8F6C\u5230\u4E00\u4E2A\u6CE8\u518C\u8868\u9879",
                     .font = formFont_.get(), .color = RGB(255, 255, 255), .transparent = true});
  Image1 = std::make_unique<GraphicControl>(
      graphics_, self, scale_.Bounds(8, 8, 32, 32),
      GraphicContent{.icon = icon_.get(), .iconSize = scale_(32), .transparent = true,
                     .handCursor = true, .onClick = [this] { Image1Click(); }});
  iUpdate = std::make_unique<GraphicControl>(
      graphics_, self, scale_.Bounds(282, 24, 32, 32),
      GraphicContent{.icon = updateIcon_.get(), .iconSize = scale_(16), .transparent = true});
  // Later controls lie above earlier ones, so the header's labels and
  // images lie on the banner.
  for (const GraphicControl* control : {imgTitle.get(), lTitle.get(), lUpdate.get(),
                                        lTitleHint.get(), Image1.get(), iUpdate.get()}) {
    SetWindowPos(control->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void TfrmMain::CreateButtonsAndList() {
  const HWND self = Handle();
  const HFONT buttons = buttonFont_.get();
  bExit = skin_.Create(self, kExit, scale_.Bounds(450, 360, 55, 27), L"\u9000\u51FA(&X)", buttons);
  GroupBox2 = std::make_unique<GroupPanel>(self, scale_.Bounds(8, 53, 496, 53), formFont_.get());
  const HWND group = GroupBox2->Handle();
  bOpen = skin_.Create(group, kOpen, scale_.Bounds(413, 16, 72, 27), L"\u8F6C\u8DF3(&J)",
                       openFont_.get(), openGlyph_.get(), scale_(16));
  const RECT edit = scale_.Bounds(8, 18, 394, 21);
  eRegKey = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, edit.left, edit.top,
                            edit.right - edit.left, edit.bottom - edit.top, group, AsMenuId(kRegKey),
                            GetModuleHandleW(nullptr), nullptr);
  SendMessageW(eRegKey, WM_SETFONT, reinterpret_cast<WPARAM>(formFont_.get()), FALSE);
  bAbout = skin_.Create(self, kAbout, scale_.Bounds(376, 360, 55, 27), L"\u5173\u4E8E(&B)", buttons);

  const RECT list = scale_.Bounds(8, 120, 497, 225);
  ListView1 = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_REPORT |
                                  LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                              list.left, list.top, list.right - list.left, list.bottom - list.top,
                              self, AsMenuId(kList), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(ListView1, WM_SETFONT, reinterpret_cast<WPARAM>(formFont_.get()), FALSE);
  ListView_SetExtendedListViewStyle(ListView1, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = scale_(470);
  column.pszText = const_cast<wchar_t*>(L"\u6CE8\u518C\u8868\u952E");
  ListView_InsertColumn(ListView1, 0, &column);

  suiButton1 = skin_.Create(self, kAddList, scale_.Bounds(8, 360, 68, 27), L"", buttons);
  bJumpFromList = skin_.Create(self, kJumpFromList, scale_.Bounds(82, 360, 83, 27), L"", buttons);
  suiButton3 = skin_.Create(self, kRemove, scale_.Bounds(302, 360, 55, 27), L"", buttons);
  suiButton4 = skin_.Create(self, kMoveDown, scale_.Bounds(237, 360, 55, 27), L"", buttons);
  suiButton5 = skin_.Create(self, kMoveUp, scale_.Bounds(172, 360, 55, 27), L"", buttons);
  ActionList1.BindButton(suiButton1, *aAddList);
  ActionList1.BindButton(bJumpFromList, *aJumpFromList);
  ActionList1.BindButton(suiButton3, *aRemove);
  ActionList1.BindButton(suiButton4, *aMoveDown);
  ActionList1.BindButton(suiButton5, *aMoveUp);
}

void TfrmMain::CreateActions() {
  // The saved list's commands get their handlers with the saved list; until
  // then they are unavailable.
  aJumpFromList = &ActionList1.Add(L"\u4ECE\u5217\u8868\u4E2D\u8DF3\u8F6C(&J)");
  aMoveUp = &ActionList1.Add(L"\u4E0A\u79FB(&U)");
  aMoveDown = &ActionList1.Add(L"\u4E0B\u79FB(&D)");
  aRemove = &ActionList1.Add(L"\u6E05\u9664(&R)");
  aAddList = &ActionList1.Add(L"\u6DFB\u52A0\u5230\u5217\u8868(&A)");
  aJumpFromClipboard = &ActionList1.Add(L"\u4ECE\u526A\u8D34\u677F\u8DF3\u8F6C(&C)");
  aJumpFromClipboard->OnExecute([this] { aJumpFromClipboardExecute(); });
}

void TfrmMain::CreateMenus() {
  pmSelf = UniqueMenu(CreatePopupMenu());
  AppendMenuW(pmSelf.get(), MF_STRING, kMenuOpen, L"&\u6253\u5F00");
  AppendMenuW(pmSelf.get(), MF_SEPARATOR, 0, nullptr);
  ActionList1.AppendMenuItem(pmSelf.get(), kMenuJumpFromClipboard1, *aJumpFromClipboard);
  AppendMenuW(pmSelf.get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuW(pmSelf.get(), MF_STRING, kMenuHomepage, L"&\u4E3B\u9875");
  AppendMenuW(pmSelf.get(), MF_STRING, kMenuCheckforUpdate, L"&\u68C0\u67E5\u66F4\u65B0");
  AppendMenuW(pmSelf.get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuW(pmSelf.get(), MF_STRING, kMenuExit, L"&\u9000\u51FA");

  PopupMenu1 = UniqueMenu(CreatePopupMenu());
  ActionList1.AppendMenuItem(PopupMenu1.get(), kMenuJumpFromClipboard2, *aJumpFromClipboard);
  AppendMenuW(PopupMenu1.get(), MF_SEPARATOR, 0, nullptr);
  ActionList1.AppendMenuItem(PopupMenu1.get(), kMenuAddtoList, *aAddList);
  ActionList1.AppendMenuItem(PopupMenu1.get(), kMenuJumpfromList, *aJumpFromList);
  AppendMenuW(PopupMenu1.get(), MF_SEPARATOR, 0, nullptr);
  ActionList1.AppendMenuItem(PopupMenu1.get(), kMenuUp, *aMoveUp);
  ActionList1.AppendMenuItem(PopupMenu1.get(), kMenuDown, *aMoveDown);
  ActionList1.AppendMenuItem(PopupMenu1.get(), kMenuRemove, *aRemove);
}

void TfrmMain::ArrangeKeyboard() {
  keyboard_.SetTabOrder({bExit, eRegKey, bOpen, bAbout, ListView1, suiButton1, bJumpFromList,
                         suiButton3, suiButton4, suiButton5});
  keyboard_.SetButtons({bExit, bOpen, bAbout, suiButton1, bJumpFromList, suiButton3, suiButton4,
                        suiButton5});
}

bool TfrmMain::HasPopupMenu(HWND control) const {
  for (const GraphicControl* graphic : {imgTitle.get(), lTitle.get(), lUpdate.get(), lTitleHint.get()}) {
    if (graphic->Handle() == control) return true;
  }
  for (HWND other : {bExit, bOpen, bAbout, ListView1, suiButton1, bJumpFromList, suiButton3,
                     suiButton4, suiButton5}) {
    if (other == control) return true;
  }
  return false;
}

void TfrmMain::OnContextMenu(HWND control, LPARAM screenPoint) {
  if (!HasPopupMenu(control)) return;
  POINT at{static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
  if (screenPoint == -1) {
    // From the keyboard: open it at the control's top-left corner.
    RECT bounds;
    GetWindowRect(control, &bounds);
    at = {bounds.left, bounds.top};
  }
  TrackPopupMenu(PopupMenu1.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
}

void TfrmMain::Show() {
  if (visible_) return;
  visible_ = true;
  FormShow();
  ShowWindow(Handle(), SW_SHOWNORMAL);
  application_.ShowTaskbarButton();
  UpdateWindow(Handle());
}

void TfrmMain::FormCreate() {
  lUpdate->SetColor(RGB(255, 255, 255));
  FOldExStyle = GetWindowLongA(application_.Handle(), GWL_EXSTYLE);
}

void TfrmMain::FormShow() {
  try {
    RECT client;
    GetClientRect(Handle(), &client);
    MoveControl(imgTitle->Handle(), 0, 0, client.right, 50);
    const RECT update = lUpdate->BoundsInParent();
    const int updateLeft = client.right - (update.right - update.left) - 10;
    MoveControl(lUpdate->Handle(), updateLeft, update.top, update.right - update.left,
                update.bottom - update.top);
    const RECT globe = iUpdate->BoundsInParent();
    MoveControl(iUpdate->Handle(), updateLeft - 20, globe.top, globe.right - globe.left,
                globe.bottom - globe.top);
  } catch (...) {
    // The header's look is not worth stopping the start for.
  }
  keyboard_.Focus(eRegKey);
}

void TfrmMain::FormClose() { application_.Terminate(); }

void TfrmMain::JumpToKey(std::string_view path) {
  WinRegistry registry;
  MessageInfoBox infoBox(application_.Handle());
  tarvik::JumpToKey(path, registry, infoBox,
                    [this](const RegEditTarget& target) { OpenInRegEdit(target); });
}

void TfrmMain::OpenInRegEdit(const RegEditTarget& target) {
  WinDesktop desktop;
  tarvik::OpenInRegEdit(desktop, target);
}

void TfrmMain::SetTrayIcon(bool add) {
  NOTIFYICONDATAA icon{};
  icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
  icon.hWnd = Handle();
  icon.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(Handle()));
  icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  icon.uCallbackMessage = WM_TRAYICON;
  icon.hIcon = icon_.get();
  CopyTip(LoadResString(STrayTip), icon.szTip);
  Shell_NotifyIconA(add ? NIM_ADD : NIM_DELETE, &icon);
}

void TfrmMain::bOpenClick() { JumpToKey(EditText(eRegKey)); }

void TfrmMain::aJumpFromClipboardExecute() {
  const std::optional<std::string> text = ClipboardText(Handle());
  if (!text) return;
  const std::string_view path = TrimBlanks(*text);
  if (BytePos("HK", AsciiUpper(path)) > 0) JumpToKey(path);
}

void TfrmMain::Image1Click() {
  OpenWebPage(Handle(), L"Open", LoadResString(SHomePageURL).c_str());
}

void TfrmMain::lTitleClick() { OpenWebPage(Handle(), L"Open", kMakerHomePage); }

void TfrmMain::lUpdateClick() { OpenWebPage(nullptr, L"open", kLocalisationPage); }

void TfrmMain::miHomepageClick() { Image1Click(); }

void TfrmMain::bAboutClick() {
  TfrmAbout about(application_, Handle());
  about.ShowModal();
}

void TfrmMain::bExitClick() {
  SendMessageW(Handle(), WM_CLOSE, 0, 0);
  SetTrayIcon(false);
}

void TfrmMain::WMShowMain() {
  Show();
  if (application_.IsMinimized()) application_.Restore();
  application_.BringToFront();
}

bool TfrmMain::OnCommand(UINT id) {
  if (ActionList1.Dispatch(id)) return true;
  switch (id) {
    case kExit:
    case kMenuExit:
      bExitClick();
      return true;
    case kOpen:
      bOpenClick();
      return true;
    case kAbout:
      bAboutClick();
      return true;
    case kMenuHomepage:
    case kMenuCheckforUpdate:
      miHomepageClick();
      return true;
  }
  return false;
}

LRESULT TfrmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto handled = HandleFormMessage(skin_, keyboard_, message, wParam, lParam)) return *handled;
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && OnCommand(LOWORD(wParam))) return 0;
      break;
    case WM_CONTEXTMENU:
      OnContextMenu(reinterpret_cast<HWND>(wParam), lParam);
      return 0;
    case WM_INITMENUPOPUP:
      ActionList1.UpdateMenu(reinterpret_cast<HMENU>(wParam));
      return 0;
    case WM_SYSCOMMAND:
      // Minimising the main window minimises the application.
      if ((wParam & 0xFFF0) == SC_MINIMIZE) {
        application_.Minimize();
        return 0;
      }
      break;
    case WM_CLOSE:
      FormClose();
      return 0;
    case WM_SHOWMAIN:
      WMShowMain();
      return 0;
  }
  return Default(message, wParam, lParam);
}

}  // namespace tarvik
