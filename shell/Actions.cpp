#include "Actions.h"

#include <algorithm>

namespace tarvik {

void Action::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  for (HWND button : buttons_) EnableWindow(button, enabled ? TRUE : FALSE);
}

void Action::Update() {
  if (update_) {
    update_(*this);
  } else if (!execute_) {
    SetEnabled(false);
  }
}

void Action::Invoke() {
  Update();
  if (enabled_ && execute_) execute_();
}

void Action::AddButton(HWND button) {
  buttons_.push_back(button);
  SetWindowTextW(button, caption_.c_str());
  EnableWindow(button, enabled_ ? TRUE : FALSE);
}

bool Action::HasVisibleButton() const {
  return std::any_of(buttons_.begin(), buttons_.end(),
                     [](HWND button) { return IsWindowVisible(button) != FALSE; });
}

void ActionList::BindButton(HWND button, Action& action) {
  action.AddButton(button);
  commands_[static_cast<UINT>(GetDlgCtrlID(button))] = &action;
}

void ActionList::AppendMenuItem(HMENU menu, UINT commandId, Action& action) {
  AppendMenuW(menu, MF_STRING, commandId, action.Caption().c_str());
  commands_[commandId] = &action;
}

void ActionList::UpdateVisible() {
  for (Action& action : actions_) {
    if (action.HasVisibleButton()) action.Update();
  }
}

void ActionList::UpdateMenu(HMENU menu) {
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    const auto found = commands_.find(GetMenuItemID(menu, position));
    if (found == commands_.end()) continue;
    Action& action = *found->second;
    action.Update();
    EnableMenuItem(menu, static_cast<UINT>(position),
                   MF_BYPOSITION | (action.Enabled() ? MF_ENABLED : MF_GRAYED));
  }
}

bool ActionList::Dispatch(UINT commandId) {
  const auto found = commands_.find(commandId);
  if (found == commands_.end()) return false;
  found->second->Invoke();
  return true;
}

}  // namespace tarvik
