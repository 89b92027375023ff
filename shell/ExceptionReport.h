#pragma once
// The one default handler for exceptions that escape an event handler:
// an error box with the application title as caption. The program keeps
// running afterwards.

namespace tarvik {

// Call from inside a catch block only.
void ReportCurrentException() noexcept;

}  // namespace tarvik
