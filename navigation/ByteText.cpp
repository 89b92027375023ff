#include "ByteText.h"

namespace tarvik {

std::string AsciiUpper(std::string_view text) {
  std::string folded(text);
  for (char& byte : folded) {
    if (byte >= 'a' && byte <= 'z') byte = static_cast<char>(byte - 'a' + 'A');
  }
  return folded;
}

std::size_t BytePos(std::string_view needle, std::string_view text) {
  if (needle.empty()) return 0;
  const std::size_t found = text.find(needle);
  return found == std::string_view::npos ? 0 : found + 1;
}

std::string_view TrimBlanks(std::string_view text) {
  const auto isBlank = [](char byte) { return static_cast<unsigned char>(byte) <= ' '; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace tarvik
