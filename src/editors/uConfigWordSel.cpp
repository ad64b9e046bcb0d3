#include "editors/uConfigWordSel.h"

TfrmCommsWordSel* frmCommsWordSel = nullptr;

TfrmCommsWordSel::TfrmCommsWordSel() : TForm("frmCommsWordSel", "Configurable Word Selection") {}
