#pragma once
// The user password dialog: the client password (or the first access keyword) unlocks the front
// end; the calibration access keyword also switches site mode on.
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"

class TfUserPassword : public TForm {
 public:
  TfUserPassword();

  TLabel Label1{this, "Label1", "Please enter password :"};
  TEdit meUserPassword{this, "meUserPassword"};
  TButton bOK{this, "bOK", "OK"};
  TButton bCancel{this, "bCancel", "Cancel"};

  void bOkClick();
  void meCancelClick();
  void meUserPasswordKeyPress(char& Key);
};

extern TfUserPassword* fUserPassword;
