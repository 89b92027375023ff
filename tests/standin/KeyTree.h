#pragma once
// The key tree: a top item "Computer" over the five roots, each key's
// subkeys read from the registry whenever it is expanded.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "Registry.h"
#include "TypeToSelect.h"

namespace standin {

class KeyTree final : public SearchableItems {
 public:
  void Create(HWND parent, int id);
  HWND Handle() const { return tree_; }
  // Where the editor starts: the top item, collapsed.
  void SelectTop();

  void OnItemExpanding(const NMTREEVIEWW& change);
  void OnGetDispInfo(NMTVDISPINFOW& request) const;

  HTREEITEM Selected() const;
  KeyLocation Location(HTREEITEM item) const;
  // "Computer\<root>\<key path>", as the editor shows it.
  std::wstring DisplayPath(HTREEITEM item) const;

  View ItemsToSearch() override;
  void SelectFound(std::size_t index) override;

 private:
  std::wstring Label(HTREEITEM item) const;
  // The labels from the top item down to `item`.
  std::vector<std::wstring> Labels(HTREEITEM item) const;
  void AppendVisible(HTREEITEM first, std::vector<HTREEITEM>& items) const;
  HTREEITEM Insert(HTREEITEM parent, const std::wstring& label, int children);

  HWND tree_ = nullptr;
  HTREEITEM top_ = nullptr;
  std::vector<HTREEITEM> searched_;  // the items of the last ItemsToSearch
};

}  // namespace standin
