#include "Application.h"

#include <algorithm>

#include "ExceptionReport.h"
#include "KeyboardNavigation.h"

namespace tarvik {
namespace {

constexpr wchar_t kClassName[] = L"TarvikApplication";

POINT ScreenCentre() {
  return {GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2};
}

}  // namespace

Application::Application(HICON icon) {
  RegisterWindowClass(kClassName, icon, nullptr);
  const POINT centre = ScreenCentre();
  Create(0, kClassName, kApplicationTitle,
         WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
         {centre.x, centre.y, centre.x, centre.y}, nullptr);
  SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

void Application::AddKeyboardNavigation(KeyboardNavigation& navigation) {
  keyboards_.push_back(&navigation);
}

void Application::RemoveKeyboardNavigation(KeyboardNavigation& navigation) {
  std::erase(keyboards_, &navigation);
}

void Application::Run() {
  while (!terminated_) HandleOneMessage();
}

void Application::RunModal(const std::function<bool()>& finished) {
  while (!terminated_ && !finished()) HandleOneMessage();
}

void Application::Terminate() { PostQuitMessage(0); }

void Application::HandleOneMessage() {
  if (ProcessMessage()) return;
  Idle();
  if (!terminated_) WaitMessage();
}

bool Application::ProcessMessage() {
  MSG message;
  if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return false;
  if (message.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  if (!TranslateKeyboard(message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

bool Application::TranslateKeyboard(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  const HWND root = GetAncestor(message.hwnd, GA_ROOT);
  for (KeyboardNavigation* keyboard : keyboards_) {
    if (keyboard->Root() == root) return keyboard->Translate(message);
  }
  return false;
}

void Application::Idle() noexcept {
  if (!onIdle_) return;
  try {
    onIdle_();
  } catch (...) {
    ReportCurrentException();
  }
}

void Application::ShowTaskbarButton() { ShowWindow(Handle(), SW_SHOWNOACTIVATE); }

bool Application::IsMinimized() const { return IsIconic(Handle()) != FALSE; }

void Application::Minimize() {
  if (IsMinimized()) return;
  SetActiveWindow(Handle());
  if (mainWindow_ != nullptr && IsWindowVisible(mainWindow_) && IsWindowEnabled(mainWindow_)) {
    // Put the application window where the main window is, so that the
    // minimise animation starts from what the user sees.
    RECT bounds;
    GetWindowRect(mainWindow_, &bounds);
    SetWindowPos(Handle(), mainWindow_, bounds.left, bounds.top, bounds.right - bounds.left, 0,
                 SWP_SHOWWINDOW);
    DefWindowProcW(Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  } else {
    ShowWindow(Handle(), SW_MINIMIZE);
  }
}

void Application::Restore() {
  if (!IsMinimized()) return;
  SetActiveWindow(Handle());
  ShowWindow(Handle(), SW_RESTORE);
  // Windows shows the owned windows that the minimise hid by itself; Wine
  // needs to be asked. For the system that did it already, this is no-op.
  ShowOwnedPopups(Handle(), TRUE);
  const POINT centre = ScreenCentre();
  SetWindowPos(Handle(), nullptr, centre.x, centre.y, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
  const HWND last = GetLastActivePopup(Handle());
  if (last != Handle() && IsWindowVisible(last)) SetActiveWindow(last);
}

void Application::BringToFront() {
  const HWND top = GetLastActivePopup(Handle());
  if (top != nullptr && top != Handle() && IsWindowVisible(top) && IsWindowEnabled(top)) {
    SetForegroundWindow(top);
  }
}

LRESULT Application::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_MINIMIZE:
          Minimize();
          return 0;
        case SC_RESTORE:
          Restore();
          return 0;
      }
      break;
    case WM_CLOSE:
      // The taskbar button's close command closes the main window.
      if (mainWindow_ != nullptr) PostMessageW(mainWindow_, WM_CLOSE, 0, 0);
      return 0;
    case WM_SETFOCUS: {
      // Activated through its taskbar button: the focus belongs to the
      // window the user last worked in.
      const HWND last = GetLastActivePopup(Handle());
      if (last != Handle() && IsWindowVisible(last) && IsWindowEnabled(last)) SetFocus(last);
      return 0;
    }
  }
  return Default(message, wParam, lParam);
}

}  // namespace tarvik
