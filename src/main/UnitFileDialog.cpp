#include "main/UnitFileDialog.h"

TFrmFileDialog* FrmFileDialog = nullptr;

TFrmFileDialog::TFrmFileDialog() : TForm("FrmFileDialog", "File error log") {
  Position = TFormPosition::poScreenCenter;
  ClientWidth = 558;
  ClientHeight = 498;
  memFileErrors.SetBounds(0, 0, 521, 385);
  memFileErrors.WordWrap = false;
  memFileErrors.Lines.Add("Memo1");
  MemFileTempFile.WordWrap = false;
  MemFileTempFile.SetBounds(560, 0, 793, 369);
  MemFileTempFile.Lines.Add("MemFileTempFile");
  MemFileTempFile.SetVisible(false);
  LblFileDiagMemoLineCounter.SetVisible(false);
  Button1.ModalResult = mrOk;
}
