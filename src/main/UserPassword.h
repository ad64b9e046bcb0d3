#pragma once
#include "platform/ui/Forms.h"

class TfUserPassword : public TForm {
 public:
  TfUserPassword();
};

extern TfUserPassword* fUserPassword;
