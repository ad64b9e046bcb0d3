#include "editors/uConfigWordSel.h"

TfrmCommsWordSel* frmCommsWordSel = nullptr;

TfrmCommsWordSel::TfrmCommsWordSel()
    : TCommsSelDialog("frmCommsWordSel", "Configurable Word Selection", "comboxCommsConWordSel",
                      "memCommsWordSelFile", "CommsDD_ConfigWords01 EN.dat") {
  OnCreate = [this] { FormCreate(); };
}
