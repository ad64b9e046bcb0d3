#pragma once
#include "platform/ui/Forms.h"

class TfrmCommsWordSel : public TForm {
 public:
  TfrmCommsWordSel();
};

extern TfrmCommsWordSel* frmCommsWordSel;
