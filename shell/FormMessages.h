#pragma once
// What every form of the program answers alike: drawing its skinned
// buttons and keeping the keyboard focus where the user left it.
#include <windows.h>

#include <optional>

#include "KeyboardNavigation.h"
#include "SkinButtons.h"

namespace tarvik {

// The message's result when it was one of these, otherwise nothing.
std::optional<LRESULT> HandleFormMessage(SkinButtons& skin, KeyboardNavigation& keyboard,
                                         UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tarvik
