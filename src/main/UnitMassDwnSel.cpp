#include "main/UnitMassDwnSel.h"

TFrmMassDwnSel* FrmMassDwnSel = nullptr;

TFrmMassDwnSel::TFrmMassDwnSel() : TForm("FrmMassDwnSel", "Download Selection") {}
