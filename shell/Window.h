#pragma once
// A window whose messages go to a C++ object: the object lives in the
// window's user data, and the window procedure is the point where
// exceptions stop. Whatever a handler throws is shown by the application's
// error report, and the program carries on.
#include <windows.h>

namespace tarvik {

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return handle_; }

 protected:
  // Registers a class whose windows dispatch to HandleMessage; once per name.
  static void RegisterWindowClass(const wchar_t* className, HICON icon, HBRUSH background,
                                  HCURSOR cursor = nullptr);
  HWND Create(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
              const RECT& bounds, HWND parent, HMENU idOrMenu = nullptr);

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept;
  HWND handle_ = nullptr;
};

}  // namespace tarvik
