#include "EditorWindow.h"

#include <string>

namespace standin {
namespace {

constexpr wchar_t kClassName[] = L"RegEdit_RegEdit";
constexpr int kTreeId = 1;
constexpr int kListId = 2;
constexpr int kStatusId = 3;
constexpr UINT kExitCommand = 100;

HMENU CreateMainMenu() {
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, kExitCommand, L"E&xit");
  HMENU menu = CreateMenu();
  AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  return menu;
}

}  // namespace

EditorWindow::EditorWindow(const MessageLog& log, const StateFile& state) : log_(log), state_(state) {}

bool EditorWindow::Create(HINSTANCE instance, int show) {
  // A Unicode class: characters sent as ANSI bytes arrive converted from the
  // sender's code page, a double-byte pair as one character.
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = Proc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  if (RegisterClassExW(&windowClass) == 0) return false;
  window_ = CreateWindowExW(0, kClassName, L"Registry Editor", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                            CW_USEDEFAULT, 760, 520, nullptr, CreateMainMenu(), instance, this);
  if (window_ == nullptr) return false;
  ShowWindow(window_, show);
  return true;
}

LRESULT CALLBACK EditorWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<EditorWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<EditorWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return self != nullptr ? self->Handle(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT EditorWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_SIZE:
      Layout(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_SETFOCUS:
      SetFocus(focused_);
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_COMMAND:
      if (LOWORD(wParam) == kExitCommand) DestroyWindow(window_);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void EditorWindow::OnCreate() {
  tree_.Create(window_, kTreeId);
  list_.Create(window_, kListId);
  status_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusId)), GetModuleHandleW(nullptr),
                            nullptr);
  treeTyping_.emplace(tree_.Handle(), "tree", tree_, log_);
  listTyping_.emplace(list_.Handle(), "list", list_, log_);
  focused_ = tree_.Handle();
  SetFocus(focused_);
  tree_.SelectTop();  // reported like every change of selection
}

void EditorWindow::Layout(int width, int height) {
  SendMessageW(status_, WM_SIZE, 0, 0);
  RECT status;
  GetWindowRect(status_, &status);
  const int statusHeight = status.bottom - status.top;
  const int parts[] = {width * 7 / 10, -1};
  SendMessageW(status_, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
  const int paneHeight = height - statusHeight > 0 ? height - statusHeight : 0;
  const int treeWidth = width * 3 / 10;
  constexpr int kSplitter = 4;
  MoveWindow(tree_.Handle(), 0, 0, treeWidth, paneHeight, TRUE);
  MoveWindow(list_.Handle(), treeWidth + kSplitter, 0, width - treeWidth - kSplitter, paneHeight, TRUE);
}

LRESULT EditorWindow::OnNotify(NMHDR& header) {
  if (header.code == NM_SETFOCUS) focused_ = header.hwndFrom;
  if (header.hwndFrom == tree_.Handle()) {
    switch (header.code) {
      case TVN_ITEMEXPANDINGW:
        tree_.OnItemExpanding(reinterpret_cast<NMTREEVIEWW&>(header));
        return FALSE;
      case TVN_GETDISPINFOW:
        tree_.OnGetDispInfo(reinterpret_cast<NMTVDISPINFOW&>(header));
        return 0;
      case TVN_SELCHANGEDW:
        list_.Show(tree_.Location(tree_.Selected()));
        ReportSelection();
        return 0;
    }
  }
  if (header.hwndFrom == list_.Handle() && header.code == LVN_ITEMCHANGED) {
    const auto& change = reinterpret_cast<NMLISTVIEW&>(header);
    if ((change.uChanged & LVIF_STATE) && ((change.uOldState ^ change.uNewState) & LVIS_SELECTED)) {
      ReportSelection();
    }
  }
  return 0;
}

void EditorWindow::ReportSelection() {
  const std::wstring key = tree_.DisplayPath(tree_.Selected());
  const std::wstring value = list_.SelectedLabel();
  SendMessageW(status_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(key.c_str()));
  SendMessageW(status_, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(value.c_str()));
  state_.Write(key, value);
}

}  // namespace standin
