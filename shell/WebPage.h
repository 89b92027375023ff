#pragma once
// Opens a web page with the shell. A failure is not reported: the user sees
// no browser, and that is all.
#include <windows.h>

namespace tarvik {

void OpenWebPage(HWND parent, const wchar_t* verb, const wchar_t* address);

}  // namespace tarvik
