#include "main/UserPassword.h"

#include "main/Access.h"
#include "main/Main.h"
#include "main/UnitFileDialog.h"

TfUserPassword* fUserPassword = nullptr;

namespace {
constexpr const char* kFirstAccessKeyword = "pastoral";
constexpr const char* kCalibrationKeyword = "tumbleweedfires";
}  // namespace

TfUserPassword::TfUserPassword() : TForm("fUserPassword", "User Password") {
  Position = TFormPosition::poScreenCenter;
  Resizable = false;  // fixed dialog border
  meUserPassword.MaxLength = 20;
  meUserPassword.PasswordChar = '#';
  bCancel.Cancel = true;
  // However the prompt closes (a button, Escape, the window manager), the typed word goes with it.
  OnHide = [this] { meUserPassword.SetText(""); };
  bOK.OnClick = [this] { bOkClick(); };
  bCancel.OnClick = [this] { meCancelClick(); };
  meUserPassword.OnKeyPress = [this](char& key) { meUserPasswordKeyPress(key); };
}

void TfUserPassword::bOkClick() {
  std::string client;
  ReadClientPassword(client);  // no file: the client password is empty
  const std::string entry = meUserPassword.Text();
  if (entry == kCalibrationKeyword) {
    meUserPassword.SetText("");
    if (Form1) {
      Form1->tsCalibration.SetTabVisible(true);
      Form1->SiteModeActive = true;
      Form1->FrontendLocked = false;
    }
    if (FrmFileDialog) {
      FrmFileDialog->MemFileTempFile.SetVisible(true);
      FrmFileDialog->LblFileDiagMemoLineCounter.SetVisible(true);
    }
    SetModalResult(mrCancel);
  } else if (entry == kFirstAccessKeyword || entry == client) {
    meUserPassword.SetText("");
    if (Form1) Form1->FrontendLocked = false;
    SetModalResult(mrOk);
  } else {
    // A wrong entry closes the dialog without a word.
    SetModalResult(mrAbort);
    meUserPassword.SetText("");
  }
}

void TfUserPassword::meCancelClick() {
  meUserPassword.SetText("");
  SetModalResult(mrCancel);
}

void TfUserPassword::meUserPasswordKeyPress(char& Key) {
  if (Key != '\r') return;
  Key = 0;  // Enter is "OK", not a character of the entry
  bOkClick();
}
