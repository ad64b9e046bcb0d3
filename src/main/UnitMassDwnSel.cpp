#include "main/UnitMassDwnSel.h"

TFrmMassDwnSel* FrmMassDwnSel = nullptr;

TFrmMassDwnSel::TFrmMassDwnSel() : TForm("FrmMassDwnSel", "Download Selection") {
  Position = TFormPosition::poScreenCenter;
  Width = 213;
  Height = 299;
  // One column of boxes; Bluetooth sits below Calibration, which only site mode shows.
  TCheckBox* boxes[] = {&CBoxMassDwnSelSettings, &CBoxMassDwnSelLogic,    &CBoxMassDwnSelStarter,
                        &CBoxMassDwnSelDesc,     &CBoxMassDwnSelComm,     &CBoxMassDwnSelExtMod,
                        &CBoxMassDwnSelCal,      &CBoxMassDwnSelBluetooth};
  int top = 16;
  for (TCheckBox* b : boxes) {
    b->SetBounds(24, top, 161, 17);
    top += 24;
  }
  ButDwnSelOk.SetBounds(16, 224, 75, 25);
  ButDwnSelCancel.SetBounds(112, 224, 75, 25);
  ButDwnSelOk.ModalResult = mrOk;
  ButDwnSelCancel.ModalResult = mrCancel;
  ButDwnSelCancel.Cancel = true;
}
