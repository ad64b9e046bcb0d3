#pragma once
// The user password editor: sets the first client password, or replaces it after the old one has
// been entered. It answers in a line of its own window.
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"

class TfPasswordEdit : public TForm {
 public:
  TfPasswordEdit();

  TLabel Label1{this, "Label1", "Password :"};
  TEdit ebClientPassword_1{this, "ebClientPassword_1"};
  TLabel Label2{this, "Label2", "New password :"};
  TEdit ebClientPassword_2{this, "ebClientPassword_2"};
  TLabel Label3{this, "Label3"};
  TButton bSavePassword{this, "bSavePassword", "Save / change password"};

  void FormShow();
  void bSavePasswordClick();
};

extern TfPasswordEdit* fPasswordEdit;
