#pragma once
// The editor's main window, class "RegEdit_RegEdit": the key tree and the
// value list as its direct children, a status bar below them.
#include <windows.h>
#include <commctrl.h>

#include <optional>

#include "KeyTree.h"
#include "MessageLog.h"
#include "StateFile.h"
#include "TypeToSelect.h"
#include "ValueList.h"

namespace standin {

class EditorWindow {
 public:
  EditorWindow(const MessageLog& log, const StateFile& state);
  EditorWindow(const EditorWindow&) = delete;
  EditorWindow& operator=(const EditorWindow&) = delete;

  bool Create(HINSTANCE instance, int show);

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCreate();
  void Layout(int width, int height);
  LRESULT OnNotify(NMHDR& header);
  // Shows the selected key and value in the status bar and the state file.
  void ReportSelection();

  const MessageLog& log_;
  const StateFile& state_;
  HWND window_ = nullptr;
  HWND status_ = nullptr;
  HWND focused_ = nullptr;  // the child that gets the focus back on activation
  KeyTree tree_;
  ValueList list_;
  std::optional<TypeToSelect> treeTyping_;
  std::optional<TypeToSelect> listTyping_;
};

}  // namespace standin
