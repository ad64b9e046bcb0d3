#include "editors/uConfigBitSel.h"

TfrmCommsBitsSel* frmCommsBitsSel = nullptr;

TfrmCommsBitsSel::TfrmCommsBitsSel() : TForm("frmCommsBitsSel", "Configurable Bit Selection") {}
