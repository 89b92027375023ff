#include "ValueList.h"

#include <commctrl.h>

#include <iterator>

#include "ValueText.h"

namespace standin {

void ValueList::Create(HWND parent, int id) {
  list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, 0, 0, 0, 0, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  struct Column {
    const wchar_t* title;
    int width;
  };
  const Column columns[] = {{L"Name", 180}, {L"Type", 110}, {L"Data", 320}};
  for (int i = 0; i < static_cast<int>(std::size(columns)); ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(columns[i].title);
    column.cx = columns[i].width;
    ListView_InsertColumn(list_, i, &column);
  }
}

void ValueList::AddRow(const std::wstring& name, const std::wstring& type, const std::wstring& data) {
  LVITEMW row{};
  row.mask = LVIF_TEXT;
  row.iItem = ListView_GetItemCount(list_);
  row.pszText = const_cast<wchar_t*>(name.c_str());
  const int index = ListView_InsertItem(list_, &row);
  ListView_SetItemText(list_, index, 1, const_cast<wchar_t*>(type.c_str()));
  ListView_SetItemText(list_, index, 2, const_cast<wchar_t*>(data.c_str()));
}

void ValueList::Show(const KeyLocation& key) {
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(list_);
  if (key.root != nullptr) {
    const KeyValues values = ReadValues(key);
    if (values.unnamed) {
      AddRow(L"(Default)", TypeText(values.unnamed->type), DataText(*values.unnamed));
    } else {
      AddRow(L"(Default)", TypeText(REG_SZ), L"(value not set)");
    }
    for (const RegistryValue& value : values.named) AddRow(value.name, TypeText(value.type), DataText(value));
  }
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
}

std::wstring ValueList::Label(int row) const {
  wchar_t text[16384];  // the longest value name the registry allows, and its end
  ListView_GetItemText(list_, row, 0, text, static_cast<int>(std::size(text)));
  return text;
}

std::wstring ValueList::SelectedLabel() const {
  const int row = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
  return row < 0 ? L"" : Label(row);
}

SearchableItems::View ValueList::ItemsToSearch() {
  View view;
  const int rows = ListView_GetItemCount(list_);
  for (int row = 0; row < rows; ++row) view.labels.push_back(Label(row));
  // Windows' list view searches on from the focused row.
  const int focused = ListView_GetNextItem(list_, -1, LVNI_FOCUSED);
  if (focused >= 0) view.selected = static_cast<std::size_t>(focused);
  return view;
}

void ValueList::SelectFound(std::size_t index) {
  const int row = static_cast<int>(index);
  ListView_SetItemState(list_, -1, 0, LVIS_SELECTED);
  ListView_SetItemState(list_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_SetSelectionMark(list_, row);
  ListView_EnsureVisible(list_, row, FALSE);
}

}  // namespace standin
