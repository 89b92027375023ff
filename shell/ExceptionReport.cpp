#include "ExceptionReport.h"

#include <windows.h>

#include <exception>
#include <string>

#include "Application.h"

namespace tarvik {
namespace {

std::wstring FromAnsi(const char* text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (length <= 1) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
  wide.resize(static_cast<std::size_t>(length - 1));
  return wide;
}

std::wstring MessageOf(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& known) {
    return FromAnsi(known.what());
  } catch (...) {
    return L"Unknown error";
  }
}

}  // namespace

void ReportCurrentException() noexcept {
  try {
    std::wstring text = MessageOf(std::current_exception());
    // Like the message of any error report, it ends in a full stop.
    if (!text.empty() && text.back() > L'.') text += L'.';
    MessageBoxW(GetActiveWindow(), text.c_str(), kApplicationTitle, MB_OK | MB_ICONERROR);
  } catch (...) {
    // Out of memory for the text: nothing sensible is left to show.
  }
}

}  // namespace tarvik
