// A stand-in for the Windows Registry Editor, for the tests that steer one
// with keyboard messages. TARVIK_STANDIN_STATE names the file where it
// reports its selection, TARVIK_STANDIN_LOG the file where it logs the
// keyboard messages its tree and list receive.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "EditorWindow.h"
#include "MessageLog.h"
#include "StateFile.h"

namespace {

std::string EnvironmentValue(const char* name) {
  const DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
  if (size == 0) return {};
  std::string value(size, '\0');
  value.resize(GetEnvironmentVariableA(name, value.data(), size));
  return value;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  const standin::MessageLog log(EnvironmentValue("TARVIK_STANDIN_LOG"));
  const standin::StateFile state(EnvironmentValue("TARVIK_STANDIN_STATE"));
  standin::EditorWindow editor(log, state);
  if (!editor.Create(instance, show)) return 1;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
