#pragma once
#include <cstdint>

#include "Desktop.h"
#include "RegEditTarget.h"

namespace tarvik::regedit {

inline constexpr const char* kMainWindowClass = "RegEdit_RegEdit";
inline constexpr const char* kKeyTreeClass = "SysTreeView32";
inline constexpr const char* kValueListClass = "SysListView32";
inline constexpr const char* kProgramName = "regedit.exe";

inline constexpr std::uint32_t kWmKeyDown = 0x0100;
inline constexpr std::uint32_t kWmChar = 0x0102;
inline constexpr std::uintptr_t kVkLeft = 0x25;
inline constexpr std::uintptr_t kVkRight = 0x27;
inline constexpr std::uintptr_t kVkDown = 0x28;
inline constexpr int kShowNormal = 1;

inline constexpr int kCollapsePresses = 30;
inline constexpr std::uint32_t kShapePauseMs = 10;
// A cold start of the editor easily takes longer than a fraction of a
// second; WaitForInputIdle returns as soon as it is ready, so a generous
// bound costs a fast start nothing.
inline constexpr std::uint32_t kStartIdleTimeoutMs = 5000;

}  // namespace tarvik::regedit

namespace tarvik {

// Finds or starts the Registry Editor and steers it with keyboard messages
// until the target key, and value if one is named, is selected.
void OpenInRegEdit(Desktop& desktop, const RegEditTarget& target);

}  // namespace tarvik
