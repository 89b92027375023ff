#pragma once
// Tarvik runs elevated, so it must not load a DLL planted beside it or in
// the current folder, and it opens exactly one message to the unelevated
// programs that are meant to send it.
#include <windows.h>

namespace tarvik {

// Call first thing: later DLL loads search the system folder only.
void RestrictDllSearchToSystemFolder();

// Lets programs of lower integrity send this message to the window.
void AllowMessageFromLowerIntegrity(HWND window, UINT message);

}  // namespace tarvik
