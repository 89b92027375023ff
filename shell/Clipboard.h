#pragma once
// The clipboard's text in the ANSI code page (CF_TEXT), as registry paths
// travel.
#include <windows.h>

#include <optional>
#include <string>

namespace tarvik {

// Nothing when the clipboard holds no text. Throws std::runtime_error when
// the clipboard cannot be opened (another program holds it).
std::optional<std::string> ClipboardText(HWND owner);

}  // namespace tarvik
