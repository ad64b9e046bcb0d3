// The editors of the statistics counters, the drive description, the Bluetooth PIN, the relay's
// identity and the calibration factors: their rows are in the editor table (SettingsEditors.cpp),
// so the generic code sets them up and keeps their send-column cells. Here: the loaders the
// record parsers run, and the named handlers the settings file reader calls.
#include "editors/SettingsEditors.h"
#include "link/CommSetup.h"
#include "main/Main.h"
#include "vartable/UnitVarTable.h"
#include "wire/Numeric.h"

namespace {

using wire::RecordId;

const TStringGrid* ReceivedGrid(RecordId id) {
  return FormVariableTable ? &FormVariableTable->Grid(id) : nullptr;
}

// The received text of a statistics row read as a number.
long long StatNumber(const TStringGrid& g, int row) {
  long long v = 0;
  wire::ParseDecimal(g.Cell(1, row), v);
  return v;
}

// Characters 2 and 3 of a received statistics row: the two low digits of a three-digit field.
std::string TwoDigits(const TStringGrid& g, int row) {
  const std::string cell = g.Cell(1, row);
  return cell.size() >= 3 ? cell.substr(1, 2) : cell;
}

}  // namespace

void TForm1::InitRelayDataPages() {
  InitClockPage();
  mbRunHrCntr.ReadOnly = mbStartUpTime.ReadOnly = true;
  // Read-only, so the length only sizes the box: "20yy/mm/dd    hh:nn" shows whole.
  mbStartUpTime.MaxLength = 19;
  mbSerialNum.ReadOnly = mbUserName.ReadOnly = mbDriveID.ReadOnly = true;
  bTxStatistics.SetHint("Transmit modified data to relay");
  iLedStatsStatus.SetHint("Setting Changes only done off line.");
  ebUserName.SetHint("User description of the drive unit.");
  ebDriveID.SetHint("This name will be used for event, fault and setting files.");
  InitCalibrationFile();
}

// Run with the Settings page's hooks, once the comms setup window exists.
void TForm1::ConnectRelayDataEditors() {
  if (!Form2) return;
  Form2->LoadRelayIDEditors = [] {
    if (Form1) Form1->LoadRelayIDRecordEditors();
  };
  Form2->LoadStatisticsEditors = [] {
    if (Form1) Form1->LoadStatisticsRecordEditors();
  };
  Form2->LoadDescEditors = [] {
    if (Form1) Form1->LoadDescRecordEditors();
  };
  Form2->DescWriteConfirmed = [] {
    if (!Form1) return;
    Form1->mbUserName.SetText(Form1->ebUserName.Text());
    Form1->mbDriveID.SetText(Form1->ebDriveID.Text());
  };
  Form2->LoadBluetoothEditors = [] {
    if (Form1) Form1->LoadBluetoothRecordEditors();
  };
}

void TForm1::LoadRelayIDRecordEditors() {
  editors::settings::LoadRows(*this, RecordId::Identity);
  mbSerialNum.SetText(ebSerialNumber.Text());
}

void TForm1::LoadStatisticsRecordEditors() {
  editors::settings::LoadRows(*this, RecordId::Statistics);
  const TStringGrid* g = ReceivedGrid(RecordId::Statistics);
  if (!g) return;
  // The start counts per thermal capacity band: record rows 5..14 into grid rows 9 down to 0.
  for (int row = 5; row <= 14; ++row)
    sgStartup_TC_Req.SetCell(1, 14 - row, wire::DecStr(StatNumber(*g, row)));
  mbStartUpTime.SetText("20" + TwoDigits(*g, 18) + "/" + TwoDigits(*g, 19) + "/" +
                        TwoDigits(*g, 20) + "    " + TwoDigits(*g, 21) + ":" + TwoDigits(*g, 22));
  mbRunHrCntr.SetText(wire::DecStr(StatNumber(*g, 23)));
}

void TForm1::LoadDescRecordEditors() {
  editors::settings::LoadRows(*this, RecordId::Desc);
  mbUserName.SetText(ebUserName.Text());
  mbDriveID.SetText(ebDriveID.Text());
}

void TForm1::LoadBluetoothRecordEditors() {
  editors::settings::LoadRows(*this, RecordId::Bluetooth);
}

void TForm1::seVredCorrectFactChange() { SettingChange(seVredCorrectFact); }
void TForm1::seVwhiteCorrectFactChange() { SettingChange(seVwhiteCorrectFact); }
void TForm1::seVblueCorrectFactChange() { SettingChange(seVblueCorrectFact); }
void TForm1::seIr_CorrectFactChange() { SettingChange(seIr_CorrectFact); }
void TForm1::seIw_CorrectFactChange() { SettingChange(seIw_CorrectFact); }
void TForm1::seIb_CorrectFactChange() { SettingChange(seIb_CorrectFact); }
void TForm1::seEarthLeakCorrectFactChange() { SettingChange(seEarthLeakCorrectFact); }
void TForm1::seRTD1_PT100_OffsetChange() { SettingChange(seRTD1_PT100_Offset); }
void TForm1::seRTD1_PT1000_OffsetChange() { SettingChange(seRTD1_PT1000_Offset); }
void TForm1::seRTD2_PT100_OffsetChange() { SettingChange(seRTD2_PT100_Offset); }
void TForm1::seRTD2_PT1000_OffsetChange() { SettingChange(seRTD2_PT1000_Offset); }
void TForm1::seRTD3_PT100_OffsetChange() { SettingChange(seRTD3_PT100_Offset); }
void TForm1::seRTD3_PT1000_OffsetChange() { SettingChange(seRTD3_PT1000_Offset); }
void TForm1::seRTD4_PT100_OffsetChange() { SettingChange(seRTD4_PT100_Offset); }
void TForm1::seRTD4_PT1000_OffsetChange() { SettingChange(seRTD4_PT1000_Offset); }
void TForm1::cbRelayModelChange() { SettingChange(cbRelayModel); }
void TForm1::ebSerialNumberChange() { SettingChange(ebSerialNumber); }
void TForm1::ebUserNameChange() { SettingChange(ebUserName); }
void TForm1::ebDriveIDChange() { SettingChange(ebDriveID); }
void TForm1::ebpinCodeChange() { SettingChange(ebPinCode); }
