#pragma once
// Registry paths travel as bytes in the ANSI code page. These helpers treat
// them as plain bytes on purpose: no code-page awareness, so a double-byte
// character's second byte is folded or matched like any other byte.
#include <cstddef>
#include <string>
#include <string_view>

namespace tarvik {

// Maps a..z to A..Z and leaves every other byte alone.
std::string AsciiUpper(std::string_view text);

// 1-based position of the first occurrence of needle in text; 0 when absent
// or when needle is empty.
std::size_t BytePos(std::string_view needle, std::string_view text);

// Drops leading and trailing bytes with codes up to the space.
std::string_view TrimBlanks(std::string_view text);

}  // namespace tarvik
