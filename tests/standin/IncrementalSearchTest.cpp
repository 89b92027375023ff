#include "IncrementalSearch.h"

#include <gtest/gtest.h>

#include <string_view>

namespace standin {
namespace {

constexpr char16_t kKeyDown = 0;  // a step that is a key-down, not a character

struct Step {
  char16_t typed;
  std::uint64_t milliseconds;
};

// Typed the way a program sends them: 10 ms apart.
std::vector<Step> Typed(std::u16string_view text) {
  std::vector<Step> steps;
  for (char16_t c : text) steps.push_back({c, 10 * steps.size()});
  return steps;
}

struct Case {
  const char* name;
  std::vector<std::u16string> labels;
  int selected;  // -1: nothing selected
  std::vector<Step> steps;
  std::vector<int> selections;  // after each typed character
};

char16_t FoldLatin1(char16_t c) {
  const bool lowerLatin1 = c >= 0xE0 && c <= 0xFE && c != 0xF7;
  return lowerLatin1 ? static_cast<char16_t>(c - 0x20) : IncrementalSearch::FoldAscii(c);
}

const Case kCases[] = {
    {"OneCharacterStartsAfterTheSelection", {u"Alpha", u"Beta", u"Alps"}, 0, Typed(u"a"), {2}},
    {"OneCharacterWithoutSelectionStartsAtTheTop", {u"Beta", u"Alpha", u"Alps"}, -1, Typed(u"a"), {1}},
    {"LongerStringExtendsFromTheSelection", {u"Apple", u"Apricot", u"Banana"}, -1, Typed(u"apr"),
     {0, 0, 1}},
    {"TypingOnWalksToTheFullName", {u"HKEY_CLASSES_ROOT", u"HKEY_CURRENT_USER", u"HKEY_USERS"}, -1,
     Typed(u"HKEY_CU"), {0, 0, 0, 0, 0, 0, 1}},
    {"JustUnderASecondExtends", {u"Ab", u"Cd", u"Ac"}, -1, {{u'a', 0}, {u'c', 999}}, {0, 2}},
    {"ASecondsPauseStartsAfresh", {u"Ab", u"Cd", u"Ac"}, -1, {{u'a', 0}, {u'c', 1000}}, {0, 1}},
    {"KeyDownStartsAfresh", {u"Ab", u"Cd", u"Ac"}, -1, {{u'a', 0}, {kKeyDown, 5}, {u'c', 10}}, {0, 1}},
    {"RepeatedCharacterCycles", {u"a1", u"a2", u"b", u"a3"}, -1, Typed(u"aaaa"), {0, 1, 3, 0}},
    {"RepeatedCharacterPrefersTheWholeString", {u"a", u"aa", u"b"}, -1, Typed(u"aaa"), {0, 1, 0}},
    {"RepeatedZerosStayOnTheirName", {u"0000", u"0001", u"1"}, -1, Typed(u"0000"), {0, 0, 0, 0}},
    {"RepeatedZerosThenOne", {u"0000", u"0001", u"1"}, -1, Typed(u"0001"), {0, 0, 0, 1}},
    {"WrapsAround", {u"Alpha", u"Beta", u"Gamma"}, 2, Typed(u"be"), {1, 1}},
    {"LongerStringWrapsAround", {u"Alpha", u"Beta", u"Gamma"}, 1, {{u'a', 0}, {kKeyDown, 1}, {u'g', 2}, {u'a', 3}},
     {0, 2, 2}},
    {"OnlyTheSelectionMatchesSoItStays", {u"Alpha", u"Beta"}, 1, Typed(u"b"), {1}},
    {"CaseInsensitive", {u"software", u"SYSTEM"}, -1, Typed(u"SYs"), {0, 1, 1}},
    {"SpaceCounts", {u"with", u"with space", u"without"}, -1, Typed(u"with s"), {0, 0, 0, 0, 1, 1}},
    {"PunctuationCounts", {u"a.b", u"a-b", u"a_b"}, -1, Typed(u"a_"), {0, 2}},
    {"NoMatchLeavesTheSelection", {u"Alpha", u"Beta"}, 1, Typed(u"bz"), {1, 1}},
    {"NoMatchWithoutSelection", {u"Alpha", u"Beta"}, -1, Typed(u"z"), {-1}},
    {"NoItems", {}, -1, Typed(u"a"), {-1}},
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class Rules : public ::testing::TestWithParam<Case> {};

std::vector<int> SelectionsAfterEachCharacter(IncrementalSearch& search, const Case& c) {
  std::optional<std::size_t> selection;
  if (c.selected >= 0) selection = static_cast<std::size_t>(c.selected);
  std::vector<int> seen;
  for (const Step& step : c.steps) {
    if (step.typed == kKeyDown) {
      search.Reset();
      continue;
    }
    if (const auto found = search.Type(step.typed, step.milliseconds, c.labels, selection)) {
      selection = found;
    }
    seen.push_back(selection ? static_cast<int>(*selection) : -1);
  }
  return seen;
}

TEST_P(Rules, SelectsAsWindowsDoes) {
  IncrementalSearch search;
  EXPECT_EQ(SelectionsAfterEachCharacter(search, GetParam()), GetParam().selections);
}

INSTANTIATE_TEST_SUITE_P(IncrementalSearch, Rules, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });

TEST(IncrementalSearch, ComparesInTheGivenFold) {
  const Case c{"", {u"\u00C9t\u00E9", u"\u00E9p\u00E9e"}, -1, Typed(u"\u00E9P\u00C9"), {0, 1, 1}};
  IncrementalSearch search(FoldLatin1);
  EXPECT_EQ(SelectionsAfterEachCharacter(search, c), c.selections);
}

}  // namespace
}  // namespace standin
