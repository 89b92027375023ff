#include "KeyTree.h"

#include <shellapi.h>

#include <iterator>

namespace standin {
namespace {

// Pictures as the Windows editor has them, in this order in the image list.
enum Picture { kComputer, kFolder, kOpenFolder };

// Kept for the life of the process, like the tree that shows them.
HIMAGELIST Pictures() {
  HIMAGELIST pictures = ImageList_Create(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                         ILC_COLOR32 | ILC_MASK, 3, 0);
  const int shellIconIds[] = {16, 4, 5};  // computer, folder, open folder
  for (int id : shellIconIds) {
    HICON icon = nullptr;
    ExtractIconExW(L"shell32.dll", -id, nullptr, &icon, 1);
    ImageList_AddIcon(pictures, icon);
    DestroyIcon(icon);
  }
  return pictures;
}

}  // namespace

void KeyTree::Create(HWND parent, int id) {
  tree_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                              TVS_SHOWSELALWAYS,
                          0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          GetModuleHandleW(nullptr), nullptr);
  TreeView_SetImageList(tree_, Pictures(), TVSIL_NORMAL);
  top_ = Insert(TVI_ROOT, L"Computer", 1);
  for (const RootKey& root : RootKeys()) Insert(top_, root.name, I_CHILDRENCALLBACK);
}

void KeyTree::SelectTop() { TreeView_SelectItem(tree_, top_); }

HTREEITEM KeyTree::Insert(HTREEITEM parent, const std::wstring& label, int children) {
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_CHILDREN | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  insert.item.pszText = const_cast<wchar_t*>(label.c_str());
  insert.item.cChildren = children;
  const bool top = parent == TVI_ROOT;
  insert.item.iImage = top ? kComputer : kFolder;
  insert.item.iSelectedImage = top ? kComputer : kOpenFolder;
  return TreeView_InsertItem(tree_, &insert);
}

// Reads the subkeys afresh at every expansion, so that keys made since the
// last one show.
void KeyTree::OnItemExpanding(const NMTREEVIEWW& change) {
  const HTREEITEM item = change.itemNew.hItem;
  if ((change.action & TVE_EXPAND) == 0 || item == top_) return;
  while (const HTREEITEM child = TreeView_GetChild(tree_, item)) TreeView_DeleteItem(tree_, child);
  for (const std::wstring& name : SubkeyNames(Location(item))) Insert(item, name, I_CHILDRENCALLBACK);
}

void KeyTree::OnGetDispInfo(NMTVDISPINFOW& request) const {
  if (request.item.mask & TVIF_CHILDREN) request.item.cChildren = HasSubkeys(Location(request.item.hItem)) ? 1 : 0;
}

HTREEITEM KeyTree::Selected() const { return TreeView_GetSelection(tree_); }

std::wstring KeyTree::Label(HTREEITEM item) const {
  wchar_t text[256];  // the longest key name the registry allows, and its end
  TVITEMW query{};
  query.mask = TVIF_TEXT;
  query.hItem = item;
  query.pszText = text;
  query.cchTextMax = static_cast<int>(std::size(text));
  return TreeView_GetItem(tree_, &query) ? text : L"";
}

std::vector<std::wstring> KeyTree::Labels(HTREEITEM item) const {
  std::vector<std::wstring> labels;
  for (; item != nullptr; item = TreeView_GetParent(tree_, item)) labels.insert(labels.begin(), Label(item));
  return labels;
}

KeyLocation KeyTree::Location(HTREEITEM item) const {
  const std::vector<std::wstring> labels = Labels(item);  // "Computer", root, keys
  KeyLocation location;
  if (labels.size() < 2) return location;
  for (const RootKey& root : RootKeys()) {
    if (labels[1] == root.name) location.root = root.key;
  }
  for (std::size_t i = 2; i < labels.size(); ++i) {
    if (i > 2) location.subkey += L'\\';
    location.subkey += labels[i];
  }
  return location;
}

std::wstring KeyTree::DisplayPath(HTREEITEM item) const {
  std::wstring path;
  for (const std::wstring& label : Labels(item)) {
    if (!path.empty()) path += L'\\';
    path += label;
  }
  return path;
}

void KeyTree::AppendVisible(HTREEITEM first, std::vector<HTREEITEM>& items) const {
  for (HTREEITEM item = first; item != nullptr; item = TreeView_GetNextSibling(tree_, item)) {
    items.push_back(item);
    if (TreeView_GetItemState(tree_, item, TVIS_EXPANDED) & TVIS_EXPANDED) {
      AppendVisible(TreeView_GetChild(tree_, item), items);
    }
  }
}

SearchableItems::View KeyTree::ItemsToSearch() {
  searched_.clear();
  AppendVisible(TreeView_GetRoot(tree_), searched_);
  View view;
  const HTREEITEM selected = Selected();
  for (std::size_t i = 0; i < searched_.size(); ++i) {
    view.labels.push_back(Label(searched_[i]));
    if (searched_[i] == selected) view.selected = i;
  }
  return view;
}

void KeyTree::SelectFound(std::size_t index) {
  TreeView_SelectItem(tree_, searched_[index]);
  TreeView_EnsureVisible(tree_, searched_[index]);
}

}  // namespace standin
