#pragma once
// The value list: the selected key's values in report view, a "(Default)"
// row first, then the named values sorted by name.
#include <windows.h>

#include <string>

#include "Registry.h"
#include "TypeToSelect.h"

namespace standin {

class ValueList final : public SearchableItems {
 public:
  void Create(HWND parent, int id);
  HWND Handle() const { return list_; }

  // The top item, which is no key, has no rows.
  void Show(const KeyLocation& key);
  // The label of the first selected row, empty when none is.
  std::wstring SelectedLabel() const;

  View ItemsToSearch() override;
  void SelectFound(std::size_t index) override;

 private:
  std::wstring Label(int row) const;
  void AddRow(const std::wstring& name, const std::wstring& type, const std::wstring& data);

  HWND list_ = nullptr;
};

}  // namespace standin
