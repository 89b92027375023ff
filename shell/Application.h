#pragma once
// The application object: a hidden top-level window that owns the main
// window and carries the taskbar button (the main window, being owned, has
// none), and the message loop, which updates the actions whenever the
// queue runs empty.
#include <windows.h>

#include <functional>
#include <vector>

#include "Window.h"

namespace tarvik {

class KeyboardNavigation;

// The taskbar text. The same words as the resource string SAppTitle, kept
// apart on purpose: the application is titled before any window exists.
inline constexpr wchar_t kApplicationTitle[] = L"\u514D\u8D39 Tarvik";

class Application final : public Window {
 public:
  explicit Application(HICON icon);

  void SetMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }
  void SetIdleHandler(std::function<void()> onIdle) { onIdle_ = std::move(onIdle); }
  void AddKeyboardNavigation(KeyboardNavigation& navigation);
  void RemoveKeyboardNavigation(KeyboardNavigation& navigation);

  // Runs the message loop until Terminate.
  void Run();
  // Runs the message loop until finished() says so or the application ends.
  void RunModal(const std::function<bool()>& finished);
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Shows the window that carries the taskbar button: it has no size, so
  // nothing of it is seen.
  void ShowTaskbarButton();
  bool IsMinimized() const;
  // Minimises the application window towards its taskbar button; the system
  // hides the windows it owns along with it.
  void Minimize();
  void Restore();
  // Makes the application's last active window the foreground window.
  void BringToFront();

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void HandleOneMessage();
  bool ProcessMessage();
  bool TranslateKeyboard(MSG& message);
  void Idle() noexcept;

  HWND mainWindow_ = nullptr;
  std::function<void()> onIdle_;
  std::vector<KeyboardNavigation*> keyboards_;
  bool terminated_ = false;
};

}  // namespace tarvik
