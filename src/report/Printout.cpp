#include "main/Main.h"
#include "main/UnitFileDialog.h"
#include "platform/print/Printer.h"
#include "report/PrintPages.h"
#include "report/SettingsReport.h"

void TForm1::miPrintCalSetClick() {
  TMemo* memo = FrmFileDialog ? &FrmFileDialog->MemFileTempFile : nullptr;
  if (memo) memo->Lines.Clear();
  if (!PrintDialog.Execute()) return;

  // Composed once the dialog has closed, so the printout shows the values of that moment.
  TStringList report;
  ComposeSettingsReport(report, PrintoutVariant());
  if (memo) memo->Lines.Assign(report);
  PrintReportLines(report.Lines(), Printer());
}
