#include "ByteText.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

TEST(AsciiUpper, FoldsOnlyAsciiLettersByteByByte) {
  EXPECT_EQ(AsciiUpper("hkcu\\Software_1"), "HKCU\\SOFTWARE_1");
  // The second byte of a double-byte character is folded like any byte.
  EXPECT_EQ(AsciiUpper("\x81\x61\xE0z"), "\x81\x41\xE0Z");
  EXPECT_EQ(AsciiUpper(""), "");
}

TEST(BytePos, CountsFromOneAndAnswersZeroWhenAbsentOrEmpty) {
  struct Case { const char* needle; const char* text; std::size_t expected; };
  const Case cases[] = {
      {"HK", "HKCU", 1},
      {"HK", "SOFTWARE\\HKCU", 10},
      {"HK", "hkcu", 0},  // case-sensitive
      {"HK", "", 0},
      {"", "HKCU", 0},
      {"HK", "H", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(BytePos(c.needle, c.text), c.expected) << c.text;
}

TEST(TrimBlanks, DropsControlBytesAndSpacesAtBothEnds) {
  EXPECT_EQ(TrimBlanks(" \t\r\n HKCU\\A B \x01\x1F"), "HKCU\\A B");
  EXPECT_EQ(TrimBlanks("\x7F\xA1x\xA1"), "\x7F\xA1x\xA1");  // bytes above the space stay
  EXPECT_EQ(TrimBlanks(" \x05 "), "");
}

}  // namespace
}  // namespace tarvik
