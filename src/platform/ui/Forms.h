#pragma once
#include <string>
#include <vector>

#include "platform/ui/Controls.h"

enum TModalResult {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrAbort = 3,
  mrRetry = 4,
  mrIgnore = 5,
  mrYes = 6,
  mrNo = 7
};

enum class TFormPosition { poDesigned, poScreenCenter, poMainFormCenter };

class TForm : public TControl {
 public:
  TForm(std::string name, const std::string& caption);
  ~TForm() override;

  // Marked visible in its description: shown at the end of its creation.
  bool DesignVisible = false;
  TFormPosition Position = TFormPosition::poDesigned;
  bool BorderIconsVisible = true;  // title-bar buttons
  bool Resizable = true;
  int ClientWidth = -1, ClientHeight = -1;
  TMainMenu* Menu = nullptr;

  void Show();
  void Hide();
  // A modal form ends its loop with mrCancel; a plain form hides; the main form ends the run.
  // Closing a form that is not shown does nothing.
  void Close();
  int ShowModal();
  bool IsModal() const { return modal_; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int r) { modalResult_ = r; }

  TControl* ActiveControl() const { return active_; }
  // Code moving the focus: no OnExit.
  void FocusControl(TControl* c);
  // A user moving the focus: OnExit of the control left (within this window only).
  void UserFocus(TControl* c);
  // A user leaving the focused control for no other control of this window (e.g. a label click).
  void UserLeave() { UserFocus(nullptr); }

  TControl* FindControl(const std::string& name) const;

  // Enter (13) or Escape (27) pressed by the user in this window, before the focused control
  // sees it: clicks the enabled, shown default or cancel button. Escape in a modal window with
  // title-bar buttons and no cancel button closes it, as its close box would. True if taken.
  bool UserDialogKey(char key);

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnClose;
  TNotifyEvent OnActivate;

  // Run by TApplication::CreateForm.
  void DoCreate();

 private:
  friend class TControl;
  void ControlDestroyed(TControl* c);
  TControl* active_ = nullptr;
  TControl* redirect_ = nullptr;
  bool exiting_ = false;
  bool modal_ = false;
  int modalResult_ = mrNone;
};
