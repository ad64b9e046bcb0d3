#pragma once
#include "platform/ui/Forms.h"

class TfPasswordEdit : public TForm {
 public:
  TfPasswordEdit();
};

extern TfPasswordEdit* fPasswordEdit;
