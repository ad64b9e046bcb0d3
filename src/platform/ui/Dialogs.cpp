#include "platform/ui/Dialogs.h"

#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"

int MessageDlg(const std::string& text, TMsgDlgType type) {
  if (!Application) return mrOk;
  BoxKind kind = BoxKind::Plain;
  std::string caption = Application->Title;
  switch (type) {
    case TMsgDlgType::mtError:
      kind = BoxKind::Error;
      caption = "Error";
      break;
    case TMsgDlgType::mtInformation:
      kind = BoxKind::Information;
      caption = "Information";
      break;
    case TMsgDlgType::mtWarning:
      kind = BoxKind::Warning;
      caption = "Warning";
      break;
    case TMsgDlgType::mtConfirmation:
      kind = BoxKind::Confirmation;
      caption = "Confirm";
      break;
    case TMsgDlgType::mtCustom:
      break;
  }
  return Application->GetBackend().ShowBox(kind, caption, text);
}

void ShowMessage(const std::string& text) {
  if (Application) Application->GetBackend().ShowBox(BoxKind::Plain, Application->Title, text);
}

bool TCommonDialog::Execute() {
  return Application && Application->GetBackend().ExecuteDialog(*this);
}
