#include "main/PasswordEdit.h"

#include "main/Access.h"
#include "platform/ui/Dialogs.h"

TfPasswordEdit* fPasswordEdit = nullptr;

TfPasswordEdit::TfPasswordEdit() : TForm("fPasswordEdit", "User password editor") {
  Position = TFormPosition::poScreenCenter;
  Resizable = false;  // fixed dialog border with a close box only
  ebClientPassword_1.MaxLength = 20;
  Label3.SetVisible(false);
  OnShow = [this] { FormShow(); };
  bSavePassword.OnClick = [this] { bSavePasswordClick(); };
}

void TfPasswordEdit::FormShow() {
  ebClientPassword_1.SetText("");
  ebClientPassword_2.SetText("");
  Label3.SetVisible(false);
  // Without a file only "Password :" is offered: the first password is being set.
  const bool exists = ClientPasswordFileExists();
  ebClientPassword_2.SetVisible(exists);
  Label2.SetVisible(exists);
}

void TfPasswordEdit::bSavePasswordClick() {
  Label3.SetVisible(false);
  // Checked before the old password is read: a link in the file's place is never followed.
  if (const std::string refused = ClientPasswordFileRefusal(); !refused.empty()) {
    MessageDlg(refused, TMsgDlgType::mtError);
    return;
  }
  std::string old;
  // A file that exists but cannot be opened raises its error here (the command ends with the
  // error box) rather than being replaced without its old password being checked.
  if (!ReadExistingClientPassword(old)) {
    WriteClientPassword(ebClientPassword_1.Text());
    Label3.SetCaption("Password is changed.");
    Label3.SetVisible(true);
    ebClientPassword_1.SetText("");
    return;
  }
  if (ebClientPassword_1.Text() != old) {
    Label3.SetCaption("Access denied !");
    Label3.SetVisible(true);
    return;
  }
  WriteClientPassword(ebClientPassword_2.Text());
  Label3.SetCaption("Password is changed.");
  Label3.SetVisible(true);
}
