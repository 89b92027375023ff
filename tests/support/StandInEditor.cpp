#include "StandInEditor.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace tarvik::testing {
namespace {

std::string TestFolder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "tarvik-standin\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

std::string ReadAll(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace

std::string StandInEditor::StatePath() { return TestFolder() + "state.txt"; }
std::string StandInEditor::LogPath() { return TestFolder() + "messages.log"; }

void StandInEditor::PrepareEnvironment() {
  SetEnvironmentVariableA("TARVIK_STANDIN_STATE", StatePath().c_str());
  SetEnvironmentVariableA("TARVIK_STANDIN_LOG", LogPath().c_str());
}

HWND StandInEditor::FindMainWindow() { return FindWindowA("RegEdit_RegEdit", nullptr); }

void StandInEditor::Close() {
  // Bounded, so that a window that will not go away fails the test instead
  // of hanging it.
  for (int attempt = 0; attempt < 10; ++attempt) {
    HWND editor = FindMainWindow();
    if (editor == nullptr) break;
    DWORD processId = 0;
    GetWindowThreadProcessId(editor, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId);
    PostMessageA(editor, WM_CLOSE, 0, 0);
    if (process == nullptr) {
      Sleep(500);
      continue;
    }
    if (WaitForSingleObject(process, 5000) != WAIT_OBJECT_0) TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
  }
  DeleteFileA(StatePath().c_str());
}

StandInState StandInEditor::ReadState() {
  StandInState state;
  std::istringstream lines(ReadAll(StatePath()));
  for (std::string line; std::getline(lines, line);) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string name = line.substr(0, equals);
    const std::string value = line.substr(equals + 1);
    if (name == "module") state.module = value;
    if (name == "key") state.key = value;
    if (name == "value") state.value = value;
  }
  return state;
}

std::vector<LoggedMessage> StandInEditor::ReadLog() {
  std::vector<LoggedMessage> messages;
  std::istringstream lines(ReadAll(LogPath()));
  for (std::string line; std::getline(lines, line);) {
    LoggedMessage entry{};
    char target[16] = {};
    if (std::sscanf(line.c_str(), "%lf %15s %x %lx %lx", &entry.milliseconds, target,
                    &entry.message, &entry.wParam, reinterpret_cast<unsigned long*>(&entry.lParam)) == 5) {
      entry.target = target;
      messages.push_back(entry);
    }
  }
  return messages;
}

void StandInEditor::ClearLog() {
  // The editor appends; truncating in place keeps its handle valid.
  HANDLE file = CreateFileA(LogPath().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE |
                            FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    SetEndOfFile(file);
    CloseHandle(file);
  }
}

}  // namespace tarvik::testing
