// The Fault History page: the fault read (the link chains the records into the model, and the grid
// shows them), and the fault records export, a tab-separated text file with the relay's identity,
// the 35 records and a summary of the protection settings.
#include <array>
#include <string>
#include <vector>

#include "link/CommSetup.h"
#include "main/ControlOf.h"
#include "main/Main.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include "wire/Requests.h"

namespace {

constexpr int kFaultRows = model::kFaultRecords;
constexpr int kFaultCols = model::kFaultColumns;
// The export lists this many record lines; lines past the relay's records are empty cells.
constexpr int kExportRecordLines = 60;
constexpr char kTab = '\t';

// Where a line of the settings summary takes its value from.
enum class Source {
  SpinValue,  // the spin edit's value (its minimum when the text is no number)
  EditText,   // the editor's text as it stands
  Voltage,    // the text of the voltage item selected
  ElDelay,    // the earth-leakage delay's text, only with the definite-time characteristic
  ElMode,     // the earth-leakage characteristic by name
};
using EditorOf = const TCustomEdit& (*)(const TForm1&);
struct SummaryLine {
  const char* label;
  Source source;
  EditorOf editor;
};
template <auto Member>
constexpr EditorOf Editor = &Field<Member, const TCustomEdit, const TForm1>;
// clang-format off
const SummaryLine kSummary[] = {
    {"Thermal Cap Curve Class (Sec): ", Source::SpinValue, Editor<&TForm1::seThrmlCurveSel>},
    {"T Cap Reset Threshold (%): ", Source::EditText, Editor<&TForm1::ebTC_ResetThreshold>},
    {"Voltage selection (V): ", Source::Voltage, nullptr},
    {"Volt Symmetry Level (%): ", Source::SpinValue, Editor<&TForm1::seV_SymTripLev>},
    {"Current Unbal Trip Level (%): ", Source::SpinValue, Editor<&TForm1::seUnbalTripLev>},
    {"Current Unbal Trip Delay (Sec): ", Source::SpinValue, Editor<&TForm1::seUnbalTripDelay>},
    {"Min Load Current Trip Level (%): ", Source::SpinValue, Editor<&TForm1::seML_CurrentTripLev>},
    {"Min Load Startup Delay (Sec): ", Source::SpinValue, Editor<&TForm1::seML_SuTripDelay>},
    {"Min Load Trip Delay (Sec): ", Source::SpinValue, Editor<&TForm1::seML_TripDelay>},
    {"Earth Leak Trip Level (mA): ", Source::EditText, Editor<&TForm1::ebEL_TripLev>},
    {"Earth Leak Trip Delay (mSec): ", Source::ElDelay, Editor<&TForm1::seEL_TripDelay>},
    {"Earth Leak Mode Selector : ", Source::ElMode, nullptr},
    {"Starts / Hour Allowed : ", Source::SpinValue, Editor<&TForm1::seStartsPerHrLim>},
    {"Consec Starts Limit : ", Source::EditText, Editor<&TForm1::seConsecStartsLim>},
};
// clang-format on

// The check list: one bit of control byte A, B or C each; "[x]" when set, or when clear for an
// inverted line.
struct CheckLine {
  const char* label;
  int byte;  // 0 = A, 1 = B, 2 = C
  int bit;
  bool inverted;
};
// clang-format off
constexpr CheckLine kCheckList[] = {
    {"Minimum Load_disable", 0, 0, false},
    {"Undervoltage_disable", 0, 1, false},
    {"Overvoltage_disable", 0, 2, false},
    {"Voltage Symmetry_disable", 0, 3, false},
    {"Fail Safe_disable", 0, 4, false},
    {"Current Unbal_disable", 0, 5, false},
    {"Volt Phase Rotation _disable", 0, 6, false},
    {"Short Circuit_disable", 0, 7, false},
    {"Single Phase_disable", 1, 0, false},
    {"Run-Stall_disable", 1, 1, false},
    {"Undercurrent select", 1, 2, true},
    {"Power Factor select", 1, 2, false},
    {"Earth Leakage_disable", 1, 3, false},
    {"Low Pass Filter_disable", 1, 4, false},
    {"Isolation Lockout_disable", 1, 5, false},
    {"Frequency Monitor_disable", 1, 6, false},
    {"Thermal Cap Reset Thold_disable", 1, 7, false},
    {"Starts per Hour_disable", 2, 0, false},
    {"Reverse V Phase Rotation", 2, 1, false},
    {"Vectorial Stall Disable ", 2, 2, false},
};
// clang-format on

std::string SummaryValue(const TForm1& f, const SummaryLine& line) {
  switch (line.source) {
    case Source::SpinValue:
      return IntToStr(static_cast<const TSpinEdit&>(line.editor(f)).Value());
    case Source::EditText:
    case Source::ElDelay:
      return line.editor(f).Text();
    case Source::Voltage:
      return Trim(f.cbVSelector.Items.Get(f.cbVSelector.ItemIndex()));
    case Source::ElMode: {
      const int item = f.cbEL_Selector.ItemIndex();
      return item == 0 ? "Inst.Def.Time" : item == 1 ? "Inv.Def.Min.Time" : "";
    }
  }
  return std::string();
}

}  // namespace

void TForm1::FaultUpdateReq() {
  // The read starts from an empty grid, so no record of a relay read earlier stays behind to be
  // exported under this relay's identity.
  Faults = {};
  for (int row = 1; row <= kFaultRows; ++row)
    for (int col = 0; col < kFaultCols; ++col) sgFaultHist.SetCell(col, row, "");
  if (Form2) Form2->AddToCommsQue(wire::ReqFirstFault);
}

std::vector<std::string> TForm1::FaultExportLines() {
  // clang-format off
  std::vector<std::string> lines = {
      std::string("FAULT RECORDS : ") + kTab + "Brakmor VUMA",
      "===============",
      "Drive ID .... : " + std::string(1, kTab) + mbDriveID.Text(),
      "Drive Name .. : " + std::string(1, kTab) + mbUserName.Text(),
      "Serial Number : " + std::string(1, kTab) + mbSerialNum.Text(),
      " ",
      std::string(" Rec Nr ") + kTab + " Status " + kTab + " Date       " + kTab + " Time   " + kTab +
          " Description of Fault " + kTab + " Run Hours " + kTab + " Imax  % " + kTab + " Vmin ",
  };
  // clang-format on
  for (int r = 1; r <= kExportRecordLines; ++r) {
    std::array<std::string, kFaultCols> c;
    if (r <= kFaultRows && Faults[static_cast<size_t>(r - 1)])
      c = model::FaultCells(*Faults[static_cast<size_t>(r - 1)]);
    lines.push_back(c[0] + kTab + " " + c[1] + kTab + " " + c[2] + "  " + kTab + " " + c[3] + kTab +
                    " " + c[4] + kTab + c[5] + kTab + c[6] + kTab + c[7]);
  }
  lines.push_back(" ");
  lines.push_back("RELAY SETTINGS :");
  lines.push_back("================");
  for (const SummaryLine& line : kSummary) {
    if (line.source == Source::ElDelay && cbEL_Selector.ItemIndex() != 0) continue;
    lines.push_back(line.label + std::string(1, kTab) + SummaryValue(*this, line));
  }
  // The control bytes the relay sent with its settings.
  const uint8_t control[3] = {ActControl_A, ActControl_B, ActControl_C};
  for (const CheckLine& c : kCheckList) {
    const bool set = (control[c.byte] >> c.bit & 1) != 0;
    lines.push_back(c.label + std::string(1, kTab) + (set != c.inverted ? "[x]" : "[ ]"));
  }
  return lines;
}

void TForm1::bSaveFaultRecsClick() {
  if (!Form2 || !Form2->ComPort1.Connected()) {
    MessageDlg("Please connect first !", TMsgDlgType::mtError);
    return;
  }
  if (!SaveDialogFaults.Execute()) return;
  TStringList file;
  for (const std::string& line : FaultExportLines()) file.Add(line);
  // Written whole or not at all: a failed save leaves no truncated export behind.
  try {
    file.SaveToFile(SaveDialogFaults.FileName);
  } catch (const EInOutError&) {
    MessageDlg("File I/O error.", TMsgDlgType::mtError);
  }
}
