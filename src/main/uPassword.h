#pragma once
// The factory password dialog that opens the calibration lock. Its modal result tells the
// caller: OK for the right password, Abort for a wrong one, Cancel when cancelled.
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"

class TfPassword : public TForm {
 public:
  TfPassword();

  TLabel Label1{this, "Label1", "Please enter password :"};
  TEdit ePSW{this, "ePSW"};
  TButton bOk{this, "bOk", "OK"};
  TButton bCancel{this, "bCancel", "Cancel"};

  void bOkClick();
  void bCancelClick();
};

extern TfPassword* fPassword;
