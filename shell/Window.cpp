#include "Window.h"

#include "ExceptionReport.h"

namespace tarvik {

Window::~Window() {
  if (handle_ != nullptr) {
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
  }
}

void Window::RegisterWindowClass(const wchar_t* className, HICON icon, HBRUSH background,
                                 HCURSOR cursor) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &windowClass)) return;
  windowClass.lpfnWndProc = &Procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hIcon = icon;
  windowClass.hCursor = cursor != nullptr ? cursor : LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = className;
  RegisterClassExW(&windowClass);
}

HWND Window::Create(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                    const RECT& bounds, HWND parent, HMENU idOrMenu) {
  CreateWindowExW(exStyle, className, title, style, bounds.left, bounds.top,
                  bounds.right - bounds.left, bounds.bottom - bounds.top, parent, idOrMenu,
                  GetModuleHandleW(nullptr), this);
  return handle_;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam,
                                   LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->handle_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->handle_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    ReportCurrentException();
    return 0;
  }
}

}  // namespace tarvik
