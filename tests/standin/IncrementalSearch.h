#pragma once
// Type-to-select as Windows' tree and list views do it, with no Windows
// header so that the rules can be tested anywhere.
//
// Characters typed less than a second apart build one search string. A
// one-character string is looked for from the item after the selection (so
// typing a letter again moves on), a longer one from the selection itself
// (so typing on keeps it while it still matches). The search wraps once
// around the items. While the same character is typed again and again, an
// item matching the whole repeated string wins, else the next item that
// starts with that character. A key-down ends the string.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace standin {

class IncrementalSearch {
 public:
  // Maps a character to the form it is compared in (its upper case).
  using Fold = char16_t (*)(char16_t);
  static constexpr std::uint64_t kPauseMilliseconds = 1000;

  explicit IncrementalSearch(Fold fold = FoldAscii);

  // One typed character, at a millisecond clock reading. `labels` are the
  // items in display order. Answers the index to select, or nothing when no
  // item matches and the selection stays where it is.
  std::optional<std::size_t> Type(char16_t typed, std::uint64_t milliseconds,
                                  const std::vector<std::u16string>& labels,
                                  std::optional<std::size_t> selected);

  void Reset();

  static char16_t FoldAscii(char16_t c);

 private:
  bool StartsWith(const std::u16string& label, const std::u16string& prefix) const;
  std::optional<std::size_t> FindFrom(const std::vector<std::u16string>& labels, std::size_t start,
                                      const std::u16string& prefix) const;

  Fold fold_;
  std::u16string typed_;
  std::optional<std::uint64_t> lastTyped_;
  bool oneCharacterRepeated_ = false;
};

}  // namespace standin
