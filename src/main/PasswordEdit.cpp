#include "main/PasswordEdit.h"

TfPasswordEdit* fPasswordEdit = nullptr;

TfPasswordEdit::TfPasswordEdit() : TForm("fPasswordEdit", "User password editor") {}
