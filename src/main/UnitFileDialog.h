#pragma once
// The file error log window. Its hidden memo is also the list of report lines that the settings
// file writer, reader and printout compose and read.
#include "platform/ui/Forms.h"

class TFrmFileDialog : public TForm {
 public:
  TFrmFileDialog();
  TMemo memFileErrors{this, "memFileErrors"};
  TMemo MemFileTempFile{this, "MemFileTempFile"};
  TLabel LblFileDiagMemoLineCounter{this, "LblFileDiagMemoLineCounter",
                                    "LblFileDiagMemoLineCounter"};
  TButton Button1{this, "Button1", "Ok"};
};

extern TFrmFileDialog* FrmFileDialog;
