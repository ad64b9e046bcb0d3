#pragma once
#include "platform/ui/Forms.h"

class TfrmCommsBitsSel : public TForm {
 public:
  TfrmCommsBitsSel();
};

extern TfrmCommsBitsSel* frmCommsBitsSel;
