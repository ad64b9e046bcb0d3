#include "main/uPassword.h"

TfPassword* fPassword = nullptr;

namespace {
constexpr const char* kFactoryPassword = "quiltrove";
}  // namespace

TfPassword::TfPassword() : TForm("fPassword", "Factory Password") {
  Position = TFormPosition::poScreenCenter;
  Resizable = false;  // fixed dialog border
  Label1.SetFontBold(true);
  ePSW.PasswordChar = '#';
  bOk.Default = true;
  bCancel.Cancel = true;
  // However the prompt closes (a button, Escape, the window manager), the typed word goes with it.
  OnHide = [this] { ePSW.SetText(""); };
  bOk.OnClick = [this] { bOkClick(); };
  bCancel.OnClick = [this] { bCancelClick(); };
}

void TfPassword::bOkClick() {
  // Only the right password opens the calibration; an empty entry is as wrong as any other.
  SetModalResult(ePSW.Text() == kFactoryPassword ? mrOk : mrAbort);
  ePSW.SetText("");
}

void TfPassword::bCancelClick() {
  ePSW.SetText("");
  SetModalResult(mrCancel);
}
