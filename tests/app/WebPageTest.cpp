// The program's web links, opened through the real shell: a recorder stands
// in as the user's https handler and notes each address it is asked to open.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "TarvikApp.h"

namespace tarvik::testing {
namespace {

constexpr wchar_t kHttpsKey[] = L"https";
constexpr wchar_t kCommandKey[] = L"https\\shell\\open\\command";
constexpr wchar_t kAbout[] = L"\u5173\u4E8E(&B)";

std::wstring Widened(const std::string& ansiText) {
  return std::wstring(ansiText.begin(), ansiText.end());
}

// Makes the recorder the https handler while it lives, and puts back what
// was there before. Wine's shell looks URL handlers up among the machine's
// classes only (a handler under the user's Software\Classes goes unused),
// so it is the machine's handler that is replaced.
class HttpsHandlerOverride {
 public:
  explicit HttpsHandlerOverride(const std::string& log) {
    HKEY existing = nullptr;
    hadHttpsKey_ = RegOpenKeyExW(HKEY_CLASSES_ROOT, kHttpsKey, 0, KEY_READ, &existing) == ERROR_SUCCESS;
    if (hadHttpsKey_) RegCloseKey(existing);
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, kCommandKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                        &command_, nullptr) != ERROR_SUCCESS) {
      command_ = nullptr;
      return;
    }
    wchar_t old[1024] = {};
    DWORD size = sizeof old - sizeof(wchar_t);
    DWORD type = 0;
    hadCommand_ = RegQueryValueExW(command_, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(old),
                                   &size) == ERROR_SUCCESS;
    oldType_ = type;
    oldCommand_ = old;
    const std::wstring recorder = L"\"" + Widened(OnDriveZ(TARVIK_URL_RECORDER)) + L"\" \"" +
                                  Widened(log) + L"\" \"%1\"";
    installed_ = SetDefault(REG_SZ, recorder);
  }

  ~HttpsHandlerOverride() {
    if (command_ == nullptr) return;
    if (hadCommand_) {
      SetDefault(oldType_, oldCommand_);
    } else {
      RegDeleteValueW(command_, nullptr);
    }
    RegCloseKey(command_);
    if (!hadHttpsKey_) RegDeleteTreeW(HKEY_CLASSES_ROOT, kHttpsKey);
  }

  HttpsHandlerOverride(const HttpsHandlerOverride&) = delete;
  HttpsHandlerOverride& operator=(const HttpsHandlerOverride&) = delete;

  bool Installed() const { return installed_; }

 private:
  bool SetDefault(DWORD type, const std::wstring& value) {
    return RegSetValueExW(command_, nullptr, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  }

  HKEY command_ = nullptr;
  bool hadHttpsKey_ = false;
  bool hadCommand_ = false;
  DWORD oldType_ = REG_SZ;
  std::wstring oldCommand_;
  bool installed_ = false;
};

std::vector<std::string> LinesOf(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream file(path);
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

std::string LogPath() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + "tarvik-opened-" + std::to_string(GetCurrentProcessId()) + ".txt";
}

// The pictures have no caption; they are told apart by where they are.
HWND GraphicAt(HWND parent, POINT corner) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const RECT bounds = TarvikApp::BoundsIn(child, parent);
    if (bounds.left == corner.x && bounds.top == corner.y) return child;
  }
  return nullptr;
}

struct Link {
  const char* name;
  bool inAbout;
  const wchar_t* caption;  // null: found by its top-left corner instead
  POINT corner;
  const char* address;
};

void PrintTo(const Link& link, std::ostream* out) { *out << link.name << " -> " << link.address; }

const Link kLinks[] = {
    {"ProgramIcon", false, nullptr, {8, 8}, "https://example.org/tarvik/"},
    {"MakerName", false, L"Orveta Software", {}, "https://example.org/"},
    {"Localisation", false, L"\u5173\u4E8E\u6C49\u5316...", {}, "https://example.org/tarvik/zh-cn/"},
    {"AboutAddress", true, L"https://example.org/", {}, "https://example.org/tarvik/"},
    {"AboutDonate", true, nullptr, {257, 65}, "https://example.org/tarvik/donate/"},
};

class WebLink : public ::testing::TestWithParam<Link> {
 protected:
  void SetUp() override {
    DeleteFileA(log_.c_str());
    ASSERT_TRUE(handler_.Installed());
    ASSERT_NE(app_.Main(), nullptr);
  }

  void TearDown() override { DeleteFileA(log_.c_str()); }

  HWND Control(const Link& link) {
    HWND parent = app_.Main();
    if (link.inAbout) {
      PostClick(app_.Button(kAbout));
      parent = app_.WaitForWindow(L"TfrmAbout");
      if (parent == nullptr) return nullptr;
    }
    return link.caption != nullptr ? FindWindowExW(parent, nullptr, L"TarvikGraphic", link.caption)
                                   : GraphicAt(parent, link.corner);
  }

  // What the shell has handed the recorder once the first address arrives,
  // or after ten seconds.
  std::vector<std::string> Opened() {
    for (int attempt = 0; attempt < 500 && LinesOf(log_).empty(); ++attempt) Sleep(20);
    app_.Settle();
    return LinesOf(log_);
  }

  const std::string log_ = LogPath();
  HttpsHandlerOverride handler_{log_};
  TarvikApp app_;
};

TEST_P(WebLink, ClickOpensItsAddressOnceThroughTheShell) {
  const HWND control = Control(GetParam());
  ASSERT_NE(control, nullptr);
  ClickWithMouse(control);
  EXPECT_EQ(Opened(), std::vector<std::string>{GetParam().address});
  EXPECT_TRUE(app_.Running());
}

INSTANTIATE_TEST_SUITE_P(Tarvik, WebLink, ::testing::ValuesIn(kLinks),
                         [](const ::testing::TestParamInfo<Link>& info) { return info.param.name; });

}  // namespace
}  // namespace tarvik::testing
