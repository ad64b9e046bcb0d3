#include "app/Startup.h"

#include "editors/uConfigBitSel.h"
#include "editors/uConfigWordSel.h"
#include "link/CommSetup.h"
#include "link/UnitProgress.h"
#include "main/LiveRecords.h"
#include "main/Main.h"
#include "main/PasswordEdit.h"
#include "main/UnitFileDialog.h"
#include "main/UnitMassDwnSel.h"
#include "main/UserPassword.h"
#include "main/uPassword.h"
#include "platform/ui/Application.h"
#include "vartable/UnitVarTable.h"

void StartUp(TApplication& app) {
  app.Title = "VUMA Frontend Rev 03B-03";
  // The main window comes first and is shown inside its own creation, before any other window
  // exists; no loop runs until the comms setup window has been created.
  app.CreateForm(Form1);
  app.CreateForm(fPassword);
  app.CreateForm(fPasswordEdit);
  app.CreateForm(fUserPassword);
  app.CreateForm(FormVariableTable);
  app.CreateForm(FrmProgress);
  app.CreateForm(FrmMassDwnSel);
  app.CreateForm(FrmFileDialog);
  app.CreateForm(Form2);
  ConnectRelayLink(*Form1, *Form2);  // the link fills the main window's relay model
  ConnectLiveRecords(*Form2);        // the live records show on the main window
  Form1->ConnectRecordPages();
  app.CreateForm(frmCommsBitsSel);
  app.CreateForm(frmCommsWordSel);
}
