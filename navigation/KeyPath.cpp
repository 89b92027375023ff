#include "KeyPath.h"

#include "ByteText.h"

namespace tarvik {
namespace {

enum class Verdict { Navigate, Report };

struct Probe {
  Verdict verdict;
  RegEditTarget target;
};

// The probing steps proper; the caller owns the accessor's lifetime so that
// it can order release, box and navigation.
Probe ProbePath(RegistryAccessor& accessor, std::string rootName, std::string_view rest) {
  if (accessor.KeyExists(rest)) {
    return {Verdict::Navigate, {std::move(rootName), std::string(rest), {}}};
  }
  accessor.CloseKey();

  std::string_view keyPath = rest;
  std::string_view valueName;
  const std::size_t lastSlash = rest.rfind('\\');
  if (lastSlash == std::string_view::npos) {
    keyPath = {};
    valueName = rest;
  } else if (lastSlash + 1 < rest.size()) {
    keyPath = rest.substr(0, lastSlash);
    valueName = rest.substr(lastSlash + 1);
  }
  RegEditTarget target{std::move(rootName), std::string(keyPath), std::string(valueName)};

  if (!accessor.KeyExists(keyPath)) return {Verdict::Report, std::move(target)};
  // A key that refuses full access cannot be asked about its values; the
  // editor may still show it, so navigate without the value test.
  if (!accessor.OpenExistingKey(keyPath) || accessor.ValueExists(valueName)) {
    return {Verdict::Navigate, std::move(target)};
  }
  return {Verdict::Report, std::move(target)};
}

}  // namespace

void JumpToKey(std::string_view path, Registry& registry, InfoBox& infoBox,
               const NavigateFn& navigate) {
  if (BytePos("HK", AsciiUpper(path)) == 0) {
    infoBox.ShowCheckKeyOrValue();
    return;
  }
  const std::size_t slash = path.find('\\');
  if (slash == std::string_view::npos) return;

  std::string rootName = ExpandRootName(path.substr(0, slash));
  const std::string_view rest = path.substr(slash + 1);

  auto accessor = registry.Bind(RootKeyByFullName(rootName));
  Probe probe = ProbePath(*accessor, std::move(rootName), rest);
  if (probe.verdict == Verdict::Report) infoBox.ShowCheckKeyOrValue();
  accessor->CloseKey();
  accessor.reset();
  if (probe.verdict == Verdict::Navigate) navigate(probe.target);
}

}  // namespace tarvik
