#pragma once
#include <string>

#include "platform/ui/Backend.h"

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// A modal message dialog with one "OK" button; returns mrOk.
int MessageDlg(const std::string& text, TMsgDlgType type);
void ShowMessage(const std::string& text);

enum class DialogKind { Open, Save, Print, PrinterSetup };

class TCommonDialog {
 public:
  explicit TCommonDialog(DialogKind k) : kind_(k) {}
  virtual ~TCommonDialog() = default;
  DialogKind Kind() const { return kind_; }
  std::string Name;
  bool Execute();

 private:
  DialogKind kind_;
};

class TOpenDialog : public TCommonDialog {
 public:
  explicit TOpenDialog(DialogKind k = DialogKind::Open) : TCommonDialog(k) {}
  std::string Title, Filter, DefaultExt, InitialDir, FileName;
  bool OverwritePrompt = false;
  bool FileMustExist = false;
};

class TSaveDialog : public TOpenDialog {
 public:
  TSaveDialog() : TOpenDialog(DialogKind::Save) { OverwritePrompt = true; }
};

class TPrintDialog : public TCommonDialog {
 public:
  TPrintDialog() : TCommonDialog(DialogKind::Print) {}
  int Copies = 1;
};

class TPrinterSetupDialog : public TCommonDialog {
 public:
  TPrinterSetupDialog() : TCommonDialog(DialogKind::PrinterSetup) {}
};
