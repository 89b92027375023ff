#pragma once
// Port to the window system, as much of it as steering the Registry Editor
// takes. Handles are opaque numbers; 0 means "none".
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvik {

using WindowId = std::uintptr_t;
using ProcessId = std::uintptr_t;

class Desktop {
 public:
  virtual ~Desktop() = default;
  virtual WindowId FindTopWindow(std::string_view className) = 0;
  // The system's Windows folder (never a per-user one); empty if unknown.
  virtual std::string SystemWindowsFolder() = 0;
  // Starts a program by its full path with the "open" verb, shown normally.
  // On 64-bit Windows the file-system redirection is off for the start, so
  // the path means what it says. Returns 0 when nothing was started.
  virtual ProcessId StartProgram(std::string_view fullPath) = 0;
  virtual void WaitUntilIdle(ProcessId process, std::uint32_t milliseconds) = 0;
  virtual void ReleaseProcess(ProcessId process) = 0;
  virtual void Show(WindowId window, int showCommand) = 0;
  // First direct child of that class, never a deeper descendant.
  virtual WindowId FindDirectChild(WindowId parent, std::string_view className) = 0;
  virtual void BringToForeground(WindowId window) = 0;
  // Synchronous: returns after the target has handled the message.
  virtual void Send(WindowId window, std::uint32_t message, std::uintptr_t wParam,
                    std::intptr_t lParam) = 0;
  virtual void Pause(std::uint32_t milliseconds) = 0;
};

}  // namespace tarvik
