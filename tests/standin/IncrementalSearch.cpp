#include "IncrementalSearch.h"

namespace standin {

IncrementalSearch::IncrementalSearch(Fold fold) : fold_(fold) {}

char16_t IncrementalSearch::FoldAscii(char16_t c) {
  return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

void IncrementalSearch::Reset() {
  typed_.clear();
  lastTyped_.reset();
}

std::optional<std::size_t> IncrementalSearch::Type(char16_t typed, std::uint64_t milliseconds,
                                                   const std::vector<std::u16string>& labels,
                                                   std::optional<std::size_t> selected) {
  const bool continues = lastTyped_ && milliseconds >= *lastTyped_ &&
                         milliseconds - *lastTyped_ < kPauseMilliseconds;
  lastTyped_ = milliseconds;
  if (continues) {
    oneCharacterRepeated_ = oneCharacterRepeated_ && fold_(typed) == fold_(typed_.front());
    typed_ += typed;
  } else {
    typed_.assign(1, typed);
    oneCharacterRepeated_ = true;
  }

  if (labels.empty()) return std::nullopt;
  if (selected && *selected >= labels.size()) selected.reset();
  const std::size_t afterSelection = selected ? (*selected + 1) % labels.size() : 0;
  const std::size_t start = typed_.size() == 1 ? afterSelection : selected.value_or(0);
  if (const auto found = FindFrom(labels, start, typed_)) return found;
  if (typed_.size() > 1 && oneCharacterRepeated_) {
    return FindFrom(labels, afterSelection, typed_.substr(0, 1));
  }
  return std::nullopt;
}

bool IncrementalSearch::StartsWith(const std::u16string& label, const std::u16string& prefix) const {
  if (label.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (fold_(label[i]) != fold_(prefix[i])) return false;
  }
  return true;
}

std::optional<std::size_t> IncrementalSearch::FindFrom(const std::vector<std::u16string>& labels,
                                                       std::size_t start,
                                                       const std::u16string& prefix) const {
  for (std::size_t step = 0; step < labels.size(); ++step) {
    const std::size_t index = (start + step) % labels.size();
    if (StartsWith(labels[index], prefix)) return index;
  }
  return std::nullopt;
}

}  // namespace standin
