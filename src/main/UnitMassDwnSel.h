#pragma once
// The download selection: which records the tool bar's mass download writes. Created once at
// start-up, so the boxes keep the user's choice from one download to the next.
#include "platform/ui/Forms.h"

class TFrmMassDwnSel : public TForm {
 public:
  TFrmMassDwnSel();
  TCheckBox CBoxMassDwnSelSettings{this, "CBoxMassDwnSelSettings", "Settings"};
  TCheckBox CBoxMassDwnSelLogic{this, "CBoxMassDwnSelLogic", "Control Logic"};
  TCheckBox CBoxMassDwnSelStarter{this, "CBoxMassDwnSelStarter", "Starter Configuration"};
  TCheckBox CBoxMassDwnSelDesc{this, "CBoxMassDwnSelDesc", "Relay Description"};
  TCheckBox CBoxMassDwnSelComm{this, "CBoxMassDwnSelComm", "Communication Module"};
  TCheckBox CBoxMassDwnSelExtMod{this, "CBoxMassDwnSelExtMod", "External Module"};
  TCheckBox CBoxMassDwnSelCal{this, "CBoxMassDwnSelCal", "Calibration"};  // shown in site mode only
  TCheckBox CBoxMassDwnSelBluetooth{this, "CBoxMassDwnSelBluetooth", "Bluetooth Settings"};
  TButton ButDwnSelOk{this, "ButDwnSelOk", "Ok"};
  TButton ButDwnSelCancel{this, "ButDwnSelCancel", "Cancel"};
};

extern TFrmMassDwnSel* FrmMassDwnSel;
