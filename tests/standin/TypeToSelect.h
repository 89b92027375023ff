#pragma once
// Type-to-select for the tree and the list, done here instead of by the
// controls: Wine's own ignores WM_CHAR with lParam 0, skips spaces, forgets
// the typed string after 450 ms and is never reset by a key-down, all of
// which Windows' controls do otherwise. The control is subclassed; its
// keyboard messages are logged on the way in.
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "IncrementalSearch.h"
#include "MessageLog.h"

namespace standin {

// A control's items as type-to-select sees them.
class SearchableItems {
 public:
  struct View {
    std::vector<std::wstring> labels;  // the items a user can see, in display order
    std::optional<std::size_t> selected;
  };
  virtual View ItemsToSearch() = 0;
  // Selects an item of the View last answered.
  virtual void SelectFound(std::size_t index) = 0;

 protected:
  ~SearchableItems() = default;
};

// Must live as long as its control.
class TypeToSelect {
 public:
  TypeToSelect(HWND control, const char* logName, SearchableItems& items, const MessageLog& log);
  TypeToSelect(const TypeToSelect&) = delete;
  TypeToSelect& operator=(const TypeToSelect&) = delete;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  void Type(char16_t typed);

  const char* logName_;
  SearchableItems& items_;
  const MessageLog& log_;
  IncrementalSearch search_;
  WNDPROC original_ = nullptr;
};

}  // namespace standin
