#include "main/Main.h"
#include "main/UnitFileDialog.h"
#include "report/SettingsReport.h"
#include "report/SignalNames.h"

// Sets up the settings file and printout commands of the main window.
void TForm1::InitSettingsFiles() {
  SaveDialogSettings.Name = "SaveDialogSettings";
  SaveDialogSettings.Title = "Save settings in disc file";
  SaveDialogSettings.Filter = "Settings|*.set";
  SaveDialogSettings.DefaultExt = "set";
  SaveDialogSettings.InitialDir = "c:\\";
  SaveDialogSettings.OverwritePrompt = true;
  PrintDialog.Name = "PrintDialog";
  PrinterSetupDialog.Name = "PrinterSetupDialog";
}

void TForm1::ExportNCSettings1Click() {
  TMemo* memo = FrmFileDialog ? &FrmFileDialog->MemFileTempFile : nullptr;
  if (memo) memo->Lines.Clear();
  if (!SaveDialogSettings.Execute()) return;

  // Composed after the dialog has closed, so the report shows the send column of that moment.
  TStringList report;
  if (memo) report.SetEncoding(memo->Lines.Encoding());
  ComposeSettingsReport(report, SettingsFileVariant());
  if (memo) memo->Lines.Assign(report);

  // A settings file is Windows-1252 with CR LF after every line, whatever encoding the line
  // list kept from a file read earlier. SaveToFile replaces the old file only once the new one
  // is complete; an I/O error reaches the standard error box.
  report.SetEncoding(TTextEncoding::Ansi);
  report.SaveToFile(SaveDialogSettings.FileName);
}

std::string TForm1::GetTable01Str(int code) { return ::GetTable01Str(code); }
std::string TForm1::GetTable02Str(int code) { return ::GetTable02Str(code); }
std::string TForm1::GetTable03Str(int code) { return ::GetTable03Str(code); }
int TForm1::GetTable01Num(const std::string& name) { return ::GetTable01Num(name); }
int TForm1::GetTable02Num(const std::string& name) { return ::GetTable02Num(name); }
int TForm1::GetTable03Num(const std::string& name) { return ::GetTable03Num(name); }
