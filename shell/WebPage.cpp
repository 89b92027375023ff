#include "WebPage.h"

#include <shellapi.h>

namespace tarvik {

void OpenWebPage(HWND parent, const wchar_t* verb, const wchar_t* address) {
  ShellExecuteW(parent, verb, address, nullptr, nullptr, SW_SHOW);
}

}  // namespace tarvik
