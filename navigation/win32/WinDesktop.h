#pragma once
#include "Desktop.h"

namespace tarvik {

class WinDesktop final : public Desktop {
 public:
  WindowId FindTopWindow(std::string_view className) override;
  std::string SystemWindowsFolder() override;
  ProcessId StartProgram(std::string_view fullPath) override;
  void WaitUntilIdle(ProcessId process, std::uint32_t milliseconds) override;
  void ReleaseProcess(ProcessId process) override;
  void Show(WindowId window, int showCommand) override;
  WindowId FindDirectChild(WindowId parent, std::string_view className) override;
  void BringToForeground(WindowId window) override;
  void Send(WindowId window, std::uint32_t message, std::uintptr_t wParam,
            std::intptr_t lParam) override;
  void Pause(std::uint32_t milliseconds) override;
};

}  // namespace tarvik
