#pragma once
// The stand-in Registry Editor as the Windows-side tests see it: where it
// reports its selection and logs what it receives, and how to stop it.
// Every test program uses these same fixed paths, because the editor is
// shared: whichever test starts it, the next one finds it running.
#include <windows.h>

#include <string>
#include <vector>

namespace tarvik::testing {

struct StandInState {
  std::string module;  // the editor's own executable
  std::string key;     // "Computer\ROOT\key path" of the selected tree item
  std::string value;   // name of the selected value, empty when none
};

struct LoggedMessage {
  double milliseconds;
  std::string target;  // "tree" or "list"
  unsigned message;
  unsigned long wParam;
  long lParam;
};

class StandInEditor {
 public:
  static std::string StatePath();
  static std::string LogPath();

  // Sets the environment a started editor inherits (state and log files).
  static void PrepareEnvironment();
  static HWND FindMainWindow();
  // Asks a running editor to close and waits until it is gone.
  static void Close();
  static StandInState ReadState();
  static std::vector<LoggedMessage> ReadLog();
  static void ClearLog();
};

}  // namespace tarvik::testing
