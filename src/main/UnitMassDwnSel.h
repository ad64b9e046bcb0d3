#pragma once
#include "platform/ui/Forms.h"

class TFrmMassDwnSel : public TForm {
 public:
  TFrmMassDwnSel();
};

extern TFrmMassDwnSel* FrmMassDwnSel;
