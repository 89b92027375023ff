#include "RegEditDriver.h"

#include <string>

namespace tarvik {
namespace {

using namespace regedit;

std::string FullPath(const RegEditTarget& target) {
  std::string path = target.rootName;
  if (target.keyPath.front() != '\\') path += '\\';
  return path + target.keyPath;
}

std::string EditorProgramPath(Desktop& desktop) {
  std::string folder = desktop.SystemWindowsFolder();
  if (folder.empty()) return {};
  if (folder.back() != '\\') folder += '\\';
  return folder + kProgramName;
}

WindowId FindOrStartEditor(Desktop& desktop) {
  if (WindowId window = desktop.FindTopWindow(kMainWindowClass)) return window;
  // Started by full path only: a bare name would let a planted regedit.exe
  // beside us or in the current folder run with our rights.
  const std::string program = EditorProgramPath(desktop);
  if (program.empty()) return 0;
  if (ProcessId process = desktop.StartProgram(program)) {
    desktop.WaitUntilIdle(process, kStartIdleTimeoutMs);
    desktop.ReleaseProcess(process);
  }
  return desktop.FindTopWindow(kMainWindowClass);
}

void PressKey(Desktop& desktop, WindowId window, std::uintptr_t virtualKey) {
  desktop.Send(window, kWmKeyDown, virtualKey, 0);
}

void TypeByte(Desktop& desktop, WindowId window, char byte) {
  desktop.Send(window, kWmChar, static_cast<unsigned char>(byte), 0);
}

}  // namespace

void OpenInRegEdit(Desktop& desktop, const RegEditTarget& target) {
  if (target.keyPath.empty()) return;
  const std::string fullPath = FullPath(target);

  const WindowId editor = FindOrStartEditor(desktop);
  // Without the editor's window there is nothing to steer; going on would
  // search the top-level windows and type into some other program.
  if (editor == 0) return;
  desktop.Show(editor, kShowNormal);

  const WindowId tree = desktop.FindDirectChild(editor, kKeyTreeClass);
  desktop.BringToForeground(tree);
  // Climb back to the top item from wherever the selection was, so that
  // each jump starts from the same collapsed tree.
  for (int press = 0; press < kCollapsePresses; ++press) PressKey(desktop, tree, kVkLeft);
  desktop.Pause(kShapePauseMs);
  PressKey(desktop, tree, kVkRight);
  desktop.Pause(kShapePauseMs);

  for (const char byte : fullPath) {
    if (byte == '\\') {
      PressKey(desktop, tree, kVkRight);
      desktop.Pause(kShapePauseMs);
    } else {
      TypeByte(desktop, tree, byte);
    }
  }

  const WindowId list = desktop.FindDirectChild(editor, kValueListClass);
  desktop.BringToForeground(list);
  if (target.valueName.empty()) return;
  PressKey(desktop, list, kVkDown);
  desktop.Pause(kShapePauseMs);
  for (const char byte : target.valueName) TypeByte(desktop, list, byte);
}

}  // namespace tarvik
