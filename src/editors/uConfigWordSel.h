#pragma once
#include "editors/uConfigBitSel.h"

class TfrmCommsWordSel : public TCommsSelDialog {
 public:
  TfrmCommsWordSel();
  TComboBox& comboxCommsConWordSel = combo_;
  TMemo& memCommsWordSelFile = lines_;
  void FormCreate() { LoadSelectionFile(); }
  int FindWordSelInFile(const std::string& BitStringNeeded) const {
    return FindCode(BitStringNeeded);
  }
};

extern TfrmCommsWordSel* frmCommsWordSel;
