#pragma once
// The program's form pointers are globals that the application's forms fill in at start-up. A
// test that starts the program forgets them when its application goes, so that the next test
// never reaches a form that no longer exists.
#include "editors/uConfigBitSel.h"
#include "editors/uConfigWordSel.h"
#include "link/CommSetup.h"
#include "link/UnitProgress.h"
#include "main/Main.h"
#include "main/PasswordEdit.h"
#include "main/UnitFileDialog.h"
#include "main/UnitMassDwnSel.h"
#include "main/UserPassword.h"
#include "main/uPassword.h"
#include "vartable/UnitVarTable.h"

inline void ForgetForms() {
  Form1 = nullptr;
  fPassword = nullptr;
  fPasswordEdit = nullptr;
  fUserPassword = nullptr;
  FormVariableTable = nullptr;
  FrmProgress = nullptr;
  FrmMassDwnSel = nullptr;
  FrmFileDialog = nullptr;
  Form2 = nullptr;
  frmCommsBitsSel = nullptr;
  frmCommsWordSel = nullptr;
}
