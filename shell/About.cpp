#include "About.h"

#include "Application.h"
#include "FormMessages.h"
#include "Global.h"
#include "ResourceIds.h"
#include "WebPage.h"

namespace tarvik {
namespace {

constexpr wchar_t kClassName[] = L"TfrmAbout";
constexpr UINT kOk = 100;
constexpr int kClientWidth = 360;
constexpr int kClientHeight = 255;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

// Centred on the owner, as the layout is not scaled with the screen.
RECT CentredOn(HWND owner) {
  RECT bounds{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&bounds, kStyle, FALSE, kExStyle);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  RECT ownerBounds;
  GetWindowRect(owner, &ownerBounds);
  const int left = ownerBounds.left + (ownerBounds.right - ownerBounds.left - width) / 2;
  const int top = ownerBounds.top + (ownerBounds.bottom - ownerBounds.top - height) / 2;
  return {left, top, left + width, top + height};
}

RECT At(int left, int top, int width = 0, int height = 0) {
  return {left, top, left + width, top + height};
}

}  // namespace

TfrmAbout::TfrmAbout(Application& application, HWND owner)
    : application_(application),
      owner_(owner),
      icon_(LoadIconResource(IDI_TARVIK, 32)),
      banner_(LoadBitmapResource(IDB_ABOUT_BANNER)),
      donate_(LoadBitmapResource(IDB_DONATE)),
      font_(MakeFont({L"MS Sans Serif", -11}, Scaler::Unscaled())),
      linkFont_(MakeFont({L"MS Sans Serif", -11, false, true}, Scaler::Unscaled())),
      keyboard_(nullptr) {
  RegisterWindowClass(kClassName, nullptr, GetSysColorBrush(COLOR_BTNFACE));
  Create(kExStyle, kClassName, L"\u5173\u4E8E Orveta Free Tarvik", kStyle, CentredOn(owner), owner);
  keyboard_ = KeyboardNavigation(Handle());
  application_.AddKeyboardNavigation(keyboard_);
  CreateComponents();
}

TfrmAbout::~TfrmAbout() { application_.RemoveKeyboardNavigation(keyboard_); }

void TfrmAbout::CreateComponents() {
  const HWND self = Handle();
  const HFONT font = font_.get();
  const auto label = [&](int left, int top, const wchar_t* text) {
    return std::make_unique<GraphicControl>(
        graphics_, self, At(left, top),
        GraphicContent{.text = text, .font = font, .transparent = true, .autoSize = true});
  };
  Image2 = std::make_unique<GraphicControl>(
      graphics_, self, At(0, 0), GraphicContent{.bitmap = banner_.get(), .autoSize = true});
  Image1 = std::make_unique<GraphicControl>(
      graphics_, self, At(20, 61, 32, 32),
      GraphicContent{.icon = icon_.get(), .iconSize = 32, .transparent = true});
  Label1 = label(80, 62, L"Orveta Free Tarvik");
  Label2 = label(80, 84, L"\u7248\u672C: 1.0   Build 20120713");
  Image3 = std::make_unique<GraphicControl>(
      graphics_, self, At(257, 65),
      GraphicContent{.bitmap = donate_.get(), .autoSize = true, .handCursor = true,
                     .onClick = [this] { Image3Click(); }});
  lCopywrite = label(80, 108, L"Copyright \u00A9 2008-2012 Orveta Software");
  Label4 = label(80, 130,
                 L"\u5982\u679C\u4F60\u559C\u6B22\u5B83\uFF0C\u8BF7\u968F\u65F6\u6350\u8D60"
                 L"          .");
  Label3 = label(80, 165, L"E-mail: tarvik@example.org");
  Panel2 = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ, 80, 187, 262, 2,
                           self, nullptr, GetModuleHandleW(nullptr), nullptr);
  lbEAddress = std::make_unique<GraphicControl>(
      graphics_, self, At(80, 199),
      GraphicContent{.text = L"https://example.org/", .font = linkFont_.get(),
                     .color = RGB(0, 0, 255), .transparent = true, .autoSize = true,
                     .handCursor = true, .onClick = [this] { lbEAddressClick(); }});
  bOK = skin_.Create(self, kOk, At(256, 218, 80, 27), L"&\u786E\u5B9A", font);
  keyboard_.SetTabOrder({bOK});
  keyboard_.SetButtons({bOK});
}

int TfrmAbout::ShowModal() {
  FormShow();
  EnableWindow(owner_, FALSE);
  ShowWindow(Handle(), SW_SHOWNORMAL);
  keyboard_.Focus(bOK);
  application_.RunModal([this] { return modalResult_ != 0; });
  // The owner is enabled before the dialog goes, so that it is the window
  // the system activates next.
  EnableWindow(owner_, TRUE);
  ShowWindow(Handle(), SW_HIDE);
  return modalResult_;
}

void TfrmAbout::FormShow() { Label1->SetText(LoadResString(SAppTitle)); }

void TfrmAbout::lbEAddressClick() {
  OpenWebPage(Handle(), L"Open", LoadResString(SHomePageURL).c_str());
}

void TfrmAbout::Image3Click() { OpenWebPage(Handle(), L"Open", LoadResString(SDonateURL).c_str()); }

LRESULT TfrmAbout::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto handled = HandleFormMessage(skin_, keyboard_, message, wParam, lParam)) return *handled;
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == kOk && HIWORD(wParam) == BN_CLICKED) {
        modalResult_ = IDOK;
        return 0;
      }
      break;
    case WM_CLOSE:
      modalResult_ = IDCANCEL;
      return 0;
  }
  return Default(message, wParam, lParam);
}

}  // namespace tarvik
