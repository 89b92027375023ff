#pragma once
// Commands shared by buttons and menu items. An action has a caption, an
// enabled state, and Update and Execute callbacks. Its buttons and menu
// items show its caption and follow its state. Invoking it runs Update
// first and Execute only while enabled; an action with neither callback
// is unavailable.
#include <windows.h>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tarvik {

class Action {
 public:
  using UpdateFn = std::function<void(Action&)>;
  using ExecuteFn = std::function<void()>;

  explicit Action(std::wstring caption) : caption_(std::move(caption)) {}

  const std::wstring& Caption() const { return caption_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  void OnUpdate(UpdateFn update) { update_ = std::move(update); }
  void OnExecute(ExecuteFn execute) { execute_ = std::move(execute); }

  void Update();
  void Invoke();

  void AddButton(HWND button);
  bool HasVisibleButton() const;

 private:
  std::wstring caption_;
  bool enabled_ = true;
  UpdateFn update_;
  ExecuteFn execute_;
  std::vector<HWND> buttons_;
};

class ActionList {
 public:
  Action& Add(std::wstring caption) { return actions_.emplace_back(std::move(caption)); }

  // The button (a control with this command id) shows the action.
  void BindButton(HWND button, Action& action);
  // Appends a menu item showing the action.
  void AppendMenuItem(HMENU menu, UINT commandId, Action& action);

  // The actions behind visible buttons, when the application goes idle.
  void UpdateVisible();
  // The actions behind a pop-up menu's items, when it opens.
  void UpdateMenu(HMENU menu);
  // Invokes the action bound to a command id; false when none is.
  bool Dispatch(UINT commandId);

 private:
  std::deque<Action> actions_;
  std::map<UINT, Action*> commands_;
};

}  // namespace tarvik
