#pragma once
#include "platform/ui/Forms.h"

class TfPassword : public TForm {
 public:
  TfPassword();
};

extern TfPassword* fPassword;
