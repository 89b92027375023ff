#include "RegEditDriver.h"

#include <gtest/gtest.h>

#include "FakeDesktop.h"

namespace tarvik {
namespace {

using fakes::FakeDesktop;
using Calls = std::vector<std::string>;

Calls Concat(std::initializer_list<Calls> parts) {
  Calls all;
  for (const Calls& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// Showing the editor, collapsing its tree and opening the top item.
Calls CollapseToTop() {
  Calls calls = {"show editor 1", "child editor SysTreeView32", "foreground tree"};
  for (int press = 0; press < 30; ++press) calls.push_back("tree key 0x25");
  calls.insert(calls.end(), {"pause 10", "tree key 0x27", "pause 10"});
  return calls;
}

const Calls kFound = {"find RegEdit_RegEdit"};
const Calls kValueList = {"child editor SysListView32", "foreground list"};

Calls Walk(FakeDesktop& desktop, const RegEditTarget& target) {
  OpenInRegEdit(desktop, target);
  return desktop.calls;
}

TEST(OpenInRegEdit, EmptyKeyPathDoesNothingAtAll) {
  FakeDesktop desktop;
  desktop.editorRunning = false;
  EXPECT_EQ(Walk(desktop, {"HKEY_CURRENT_USER", "", "Value"}), Calls{});
}

TEST(OpenInRegEdit, TypesEveryByteAndExpandsAtEachBackslash) {
  FakeDesktop desktop;
  const Calls typed = {"tree char 0x48", "tree char 0x4B", "tree key 0x27", "pause 10",
                       "tree char 0x53", "tree key 0x27", "pause 10", "tree char 0x61",
                       "tree char 0x20", "tree char 0x62"};
  EXPECT_EQ(Walk(desktop, {"HK", "S\\a b", ""}), Concat({kFound, CollapseToTop(), typed, kValueList}));
}

TEST(OpenInRegEdit, KeyPathWithLeadingBackslashGetsNoSecond) {
  FakeDesktop desktop;
  const Calls typed = {"tree char 0x52", "tree key 0x27", "pause 10", "tree char 0x53"};
  EXPECT_EQ(Walk(desktop, {"R", "\\S", ""}), Concat({kFound, CollapseToTop(), typed, kValueList}));
}

TEST(OpenInRegEdit, SelectsTheValueInTheList) {
  struct Case { const char* value; Calls sent; };
  const Case cases[] = {
      {"P", {"list key 0x28", "pause 10", "list char 0x50"}},
      {"Path", {"list key 0x28", "pause 10", "list char 0x50", "list char 0x61",
                "list char 0x74", "list char 0x68"}},
  };
  for (const Case& c : cases) {
    FakeDesktop desktop;
    const Calls typed = {"tree char 0x72", "tree key 0x27", "pause 10", "tree char 0x6B"};
    EXPECT_EQ(Walk(desktop, {"r", "k", c.value}),
              Concat({kFound, CollapseToTop(), typed, kValueList, c.sent}))
        << c.value;
  }
}

TEST(OpenInRegEdit, DoubleByteTextGoesByteByByteAndA5CSecondByteExpands) {
  FakeDesktop desktop;
  const Calls typed = {"tree char 0x52", "tree key 0x27", "pause 10", "tree char 0xB1",
                       "tree char 0xED", "tree char 0x81", "tree key 0x27", "pause 10"};
  const Calls value = {"list key 0x28", "pause 10", "list char 0xD6", "list char 0xB5"};
  EXPECT_EQ(Walk(desktop, {"R", "\xB1\xED\x81\x5C", "\xD6\xB5"}),
            Concat({kFound, CollapseToTop(), typed, kValueList, value}));
}

TEST(OpenInRegEdit, StartsTheEditorByFullPathOnlyWhenNotFound) {
  struct Case { const char* folder; const char* program; };
  const Case cases[] = {
      {"C:\\Windows", "start C:\\Windows\\regedit.exe"},
      {"D:\\", "start D:\\regedit.exe"},
  };
  for (const Case& c : cases) {
    FakeDesktop desktop;
    desktop.editorRunning = false;
    desktop.windowsFolder = c.folder;
    const Calls started = {"find RegEdit_RegEdit", "windows folder", c.program,
                           "wait idle 7 5000", "release 7", "find RegEdit_RegEdit"};
    const Calls typed = {"tree char 0x52", "tree key 0x27", "pause 10", "tree char 0x4B"};
    EXPECT_EQ(Walk(desktop, {"R", "K", ""}), Concat({started, CollapseToTop(), typed, kValueList}))
        << c.folder;
  }
}

TEST(OpenInRegEdit, StopsWhenNoEditorWindowCanBeHad) {
  const Calls noWindowAfterStart = {"find RegEdit_RegEdit", "windows folder",
                                    "start C:\\Windows\\regedit.exe", "wait idle 7 5000",
                                    "release 7", "find RegEdit_RegEdit"};
  const Calls startFailed = {"find RegEdit_RegEdit", "windows folder",
                             "start C:\\Windows\\regedit.exe", "find RegEdit_RegEdit"};
  const Calls noFolder = {"find RegEdit_RegEdit", "windows folder"};

  FakeDesktop silentStart;
  silentStart.editorRunning = false;
  silentStart.startCreatesEditor = false;
  EXPECT_EQ(Walk(silentStart, {"R", "K", "V"}), noWindowAfterStart);

  FakeDesktop failedStart;
  failedStart.editorRunning = false;
  failedStart.startFails = true;
  EXPECT_EQ(Walk(failedStart, {"R", "K", "V"}), startFailed);

  // Without the system folder no bare program name is started.
  FakeDesktop unknownFolder;
  unknownFolder.editorRunning = false;
  unknownFolder.windowsFolder.clear();
  EXPECT_EQ(Walk(unknownFolder, {"R", "K", "V"}), noFolder);
}

}  // namespace
}  // namespace tarvik
