#include "Clipboard.h"

#include <cstring>
#include <stdexcept>

namespace tarvik {
namespace {

class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) {
    if (!OpenClipboard(owner)) throw std::runtime_error("Cannot open clipboard");
  }
  ~OpenedClipboard() { CloseClipboard(); }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
};

class LockedMemory {
 public:
  explicit LockedMemory(HGLOBAL memory) : memory_(memory), data_(GlobalLock(memory)) {}
  ~LockedMemory() {
    if (data_ != nullptr) GlobalUnlock(memory_);
  }
  LockedMemory(const LockedMemory&) = delete;
  LockedMemory& operator=(const LockedMemory&) = delete;

  const char* Text() const { return static_cast<const char*>(data_); }
  std::size_t Size() const { return data_ != nullptr ? GlobalSize(memory_) : 0; }

 private:
  HGLOBAL memory_;
  void* data_;
};

}  // namespace

std::optional<std::string> ClipboardText(HWND owner) {
  if (!IsClipboardFormatAvailable(CF_TEXT)) return std::nullopt;
  const OpenedClipboard clipboard(owner);
  const HANDLE data = GetClipboardData(CF_TEXT);
  if (data == nullptr) return std::nullopt;
  const LockedMemory memory(data);
  if (memory.Text() == nullptr) return std::nullopt;
  // The block may lack its terminating zero; never read past its end.
  const void* end = std::memchr(memory.Text(), '\0', memory.Size());
  const std::size_t length =
      end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - memory.Text())
                     : memory.Size();
  return std::string(memory.Text(), length);
}

}  // namespace tarvik
