#pragma once
// Records every desktop call as one line of text; the Registry Editor's
// windows exist or not as the test sets them up.
#include <cstdio>
#include <string>
#include <vector>

#include "Desktop.h"

namespace tarvik::fakes {

class FakeDesktop final : public Desktop {
 public:
  static constexpr WindowId kEditor = 100;
  static constexpr WindowId kTree = 101;
  static constexpr WindowId kList = 102;
  static constexpr ProcessId kProcess = 7;

  bool editorRunning = true;
  bool startCreatesEditor = true;
  bool startFails = false;
  std::string windowsFolder = "C:\\Windows";
  std::vector<std::string> calls;

  WindowId FindTopWindow(std::string_view className) override {
    Log("find " + std::string(className));
    return editorRunning && className == "RegEdit_RegEdit" ? kEditor : 0;
  }
  std::string SystemWindowsFolder() override {
    Log("windows folder");
    return windowsFolder;
  }
  ProcessId StartProgram(std::string_view fullPath) override {
    Log("start " + std::string(fullPath));
    if (startFails) return 0;
    editorRunning = startCreatesEditor;
    return kProcess;
  }
  void WaitUntilIdle(ProcessId process, std::uint32_t milliseconds) override {
    Log("wait idle " + std::to_string(process) + " " + std::to_string(milliseconds));
  }
  void ReleaseProcess(ProcessId process) override { Log("release " + std::to_string(process)); }
  void Show(WindowId window, int showCommand) override {
    Log("show " + Name(window) + " " + std::to_string(showCommand));
  }
  WindowId FindDirectChild(WindowId parent, std::string_view className) override {
    Log("child " + Name(parent) + " " + std::string(className));
    if (parent != kEditor) return 0;
    if (className == "SysTreeView32") return kTree;
    if (className == "SysListView32") return kList;
    return 0;
  }
  void BringToForeground(WindowId window) override { Log("foreground " + Name(window)); }
  void Send(WindowId window, std::uint32_t message, std::uintptr_t wParam,
            std::intptr_t lParam) override {
    // lParam is shown only when it is not the 0 the editor is always sent.
    char text[80];
    std::snprintf(text, sizeof text, "%s %s 0x%02X", Name(window).c_str(),
                  message == 0x0100 ? "key" : message == 0x0102 ? "char" : "msg",
                  static_cast<unsigned>(wParam));
    std::string line = text;
    if (lParam != 0) line += " lParam " + std::to_string(lParam);
    Log(line);
  }
  void Pause(std::uint32_t milliseconds) override { Log("pause " + std::to_string(milliseconds)); }

 private:
  static std::string Name(WindowId window) {
    switch (window) {
      case kEditor: return "editor";
      case kTree: return "tree";
      case kList: return "list";
      default: return std::to_string(window);
    }
  }
  void Log(std::string line) { calls.push_back(std::move(line)); }
};

}  // namespace tarvik::fakes
