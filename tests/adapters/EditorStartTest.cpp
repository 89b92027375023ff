// Starting the Registry Editor as the driver does, against the editor the
// test prefix has installed as "<Windows>\regedit.exe" (the 64-bit place;
// Wine's own 32-bit editor stays in SysWOW64).
#include <gtest/gtest.h>
#include <windows.h>

#include "StandInEditor.h"
#include "WinDesktop.h"

namespace tarvik {
namespace {

using testing::StandInEditor;

std::string ImageOf(HANDLE process) {
  char image[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  if (!QueryFullProcessImageNameA(process, 0, image, &size)) return {};
  return image;
}

ULONGLONG FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

TEST(EditorStart, StartsTheEditorFromTheWindowsFolderNotSysWow64) {
  StandInEditor::Close();
  StandInEditor::PrepareEnvironment();
  WinDesktop desktop;
  const std::string folder = desktop.SystemWindowsFolder();
  const std::string program = folder + "\\regedit.exe";

  const ProcessId process = desktop.StartProgram(program);
  ASSERT_NE(process, 0u);
  desktop.WaitUntilIdle(process, 5000);
  const std::string image = ImageOf(reinterpret_cast<HANDLE>(process));
  EXPECT_NE(desktop.FindTopWindow("RegEdit_RegEdit"), 0u);
  desktop.ReleaseProcess(process);
  StandInEditor::Close();

  EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, image.c_str(), -1, program.c_str(), -1),
            CSTR_EQUAL)
      << image;
  // Redirection is back on afterwards: our own view of the same name is
  // the 32-bit copy again.
  EXPECT_EQ(FileSize(program), FileSize(folder + "\\syswow64\\regedit.exe"));
}

}  // namespace
}  // namespace tarvik
