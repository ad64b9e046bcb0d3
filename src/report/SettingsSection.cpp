#include "report/SettingsSection.h"

#include "report/ReportLine.h"
#include "report/ReportSections.h"
#include "report/SettingsReport.h"

namespace {

// Row builders, so that the table below reads like the report.
constexpr SettingValue Whole(int row, std::string_view unit = {}, int unitColumn = 0) {
  return {SettingShow::Slice, row, 1, 0, nullptr, 0, nullptr, unit, unitColumn};
}
constexpr SettingValue Chars(int row, int from, int to, std::string_view unit = {},
                             int unitColumn = 0) {
  return {SettingShow::Slice, row, from, to - from + 1, nullptr, 0, nullptr, unit, unitColumn};
}
constexpr SettingValue Coded(int row, const ValueTable& table) {
  return {SettingShow::Table, row, 1, 0, &table, 0, nullptr, {}, 0};
}
constexpr SettingValue Voltage(int row) {
  return {SettingShow::Voltage, row, 1, 0, nullptr, 0, nullptr, {}, 0};
}
constexpr SettingValue CtRatio(int primaryRow) {
  return {SettingShow::CtRatio, primaryRow, 1, 0, nullptr, 0, nullptr, {}, 0};
}
constexpr SettingValue Bit(int row, int bit, const SwitchWords& words) {
  return {SettingShow::Bit, row, 1, 0, nullptr, bit, &words, {}, 0};
}
constexpr SettingValue Temperature(int row) { return Whole(row, "DegC", kUnitAfterValue); }
constexpr SettingValue None() { return {}; }

// Rows of the settings grid: control bytes 9 (A), 10 (B), 17 (C), 45 (D); CT primary 50 and
// secondary 51.
constexpr int A = 9, B = 10, C = 17, D = 45;

}  // namespace

// clang-format off
constexpr std::array<SettingsRow, 37> kSettingsRows = {{
    {"Max. load setting 01. :", Whole(22, "%", 30), "IO expander connected :", Bit(C, 5, kConnectedWords)},
    {"TC curve 01.......... :", Chars(2, 2, 3, "Sec", 29), "FLED connected....... :", Bit(C, 6, kConnectedWords)},
    {"Max. load setting 02. :", Whole(35, "%", 30), "Relay 1 configuration :", Bit(C, 4, kRelay1Words)},
    {"TC curve 02.......... :", Chars(36, 2, 3, "Sec", 29), "Over voltage......... :", Bit(A, 2, kEnabledWords)},
    {"TC reset threshold... :", Chars(16, 2, 3, "%", 29), "Under voltage........ :", Bit(A, 1, kEnabledWords)},
    {"Earth leakage T.Type. :", Coded(13, kEarthLeakTypeTable), "Voltage symmetry..... :", Bit(A, 3, kEnabledWords)},
    {"Earth leak. T. level. :", Chars(11, 2, 5, "mA", 31), "Voltage phase rot.... :", Bit(A, 6, kEnabledWords)},
    {"Earth leak. T. delay. :", Chars(12, 2, 5, "mSec", 31), "Voltage rot sequence. :", Bit(C, 1, kRotationWords)},
    {"CT ratio............. :", CtRatio(50), "Earth leakage........ :", Bit(B, 3, kEnabledWords)},
    {"Min. load reset delay :", Coded(20, kMinLoadResetTable), "Insulation lockout... :", Bit(B, 5, kEnabledWords)},
    {"Min. load I T. level. :", Whole(7, "%", 30), "Current unbalance.... :", Bit(A, 5, kEnabledWords)},
    {"Min. load P T. level. :", Whole(21, "%", 30), "Short circuit........ :", Bit(A, 7, kEnabledWords)},
    {"Min. load startup del :", Whole(15, "Sec", 30), "Single phase......... :", Bit(B, 0, kEnabledWords)},
    {"Min. load trip delay. :", Chars(8, 2, 3, "Sec", 29), "Running stall........ :", Bit(B, 1, kEnabledWords)},
    {"Run-Stall trip level. :", Chars(19, 3, 5, "%", 30), "Vectorial stall...... :", Bit(C, 2, kEnabledWords)},
    {"Run-Stall trip delay. :", Chars(31, 2, 5, "mSec", 31), "Fail safe............ :", Bit(A, 4, kEnabledWords)},
    {"Run-Stall hold delay. :", Whole(23, "Sec", 30), "Thermal reset........ :", Bit(C, 3, kThermalResetWords)},
    {"Unbalance trip level. :", Chars(5, 2, 3, "%", 29), "Moving avarage filter :", Bit(B, 4, kEnabledWords)},
    {"Unbalance trip delay. :", Chars(6, 2, 3, "Sec", 29), "Dynamic thermal calc. :", Bit(B, 7, kEnabledWords)},
    {"Voltage selection.... :", Voltage(3), "Starts per hour sel.. :", Bit(C, 0, kEnabledWords)},
    {"Voltage high limit... :", Chars(34, 2, 3, "%", 29), "Frequency monitoring. :", Bit(B, 6, kEnabledWords)},
    {"Voltage low limit.... :", Chars(33, 2, 3, "%", 29), "Class F curve........ :", Bit(D, 4, kEnabledWords)},
    {"Volt. sym. trip level :", Whole(4, "%", 30), "Minimum load......... :", Bit(A, 0, kEnabledWords)},
    {"Starts per hour...... :", Chars(14, 2, 3), "Minimum load source.. :", Bit(B, 2, kMinLoadSourceWords)},
    {"Consecutive starts... :", Chars(18, 3, 3), "Temperature 1........ :", Bit(D, 0, kEnabledWords)},
    {"Starter type......... :", Coded(32, kStarterTypeTable), "Temperature 2........ :", Bit(D, 1, kEnabledWords)},
    {"Field input 1 delay.. :", Chars(24, 2, 5, "mSec", 31), "Temperature 3........ :", Bit(D, 2, kEnabledWords)},
    {"Field input 2 delay.. :", Chars(25, 2, 5, "mSec", 31), "Temperature 4........ :", Bit(D, 3, kEnabledWords)},
    {"Field input 3 delay.. :", Chars(26, 2, 5, "mSec", 31), "Temperature 1 type... :", Coded(46, kTemperatureTypeTable)},
    {"Field input 4 delay.. :", Chars(27, 2, 5, "mSec", 31), "Temperature 2 type... :", Coded(47, kTemperatureTypeTable)},
    {"Field input 5 delay.. :", Chars(28, 2, 5, "mSec", 31), "Temperature 3 type... :", Coded(48, kTemperatureTypeTable)},
    {"Field input 6 delay.. :", Chars(29, 2, 5, "mSec", 31), "Temperature 4 type... :", Coded(49, kTemperatureTypeTable)},
    {"Field input 7 delay.. :", Chars(30, 2, 5, "mSec", 31), "", None()},
    {"T1 high trip level... :", Temperature(37), "T1 low trip level.... :", Temperature(41)},
    {"T2 high trip level... :", Temperature(38), "T2 low trip level.... :", Temperature(42)},
    {"T3 high trip level... :", Temperature(39), "T3 low trip level.... :", Temperature(43)},
    {"T4 high trip level... :", Temperature(40), "T4 low trip level.... :", Temperature(44)},
}};
// clang-format on

std::string_view ValueTable::Text(long long code) const {
  if (lowByte) code &= 0xFF;
  return code >= 0 && code < static_cast<long long>(texts.size()) ? texts[code] : fallback;
}

namespace {

// The value's text for a row, then its unit, inserted at the value's column.
void InsertValue(ReportLine& line, int column, const SettingValue& v,
                 const std::function<std::string(int)>& cell, bool extendedRevision) {
  std::string text;
  switch (v.show) {
    case SettingShow::Nothing:
      return;
    case SettingShow::Slice:
      text = v.count == 0 ? cell(v.row) : CellSlice(cell(v.row), v.from, v.count);
      break;
    case SettingShow::Table:
      text = v.table->Text(CellNumber(cell(v.row)));
      break;
    case SettingShow::Voltage:
      text =
          (extendedRevision ? kVoltageTableExtended : kVoltageTable).Text(CellNumber(cell(v.row)));
      break;
    case SettingShow::CtRatio:
      text = std::to_string(CellNumber(cell(v.row))) + ":" +
             std::to_string(CellNumber(cell(v.row + 1)));
      break;
    case SettingShow::Bit:
      text = ((CellNumber(cell(v.row)) & 0xFF) >> v.bit) & 1 ? v.words->set : v.words->clear;
      break;
  }
  line.Insert(column, text);
  if (v.unit.empty()) return;
  const int unitColumn =
      v.unitColumn != kUnitAfterValue ? v.unitColumn : column + (text.size() > 3 ? 5 : 4);
  line.Insert(unitColumn, v.unit);
}

}  // namespace

std::string ComposeSettingsRow(const SettingsRow& row, const std::function<std::string(int)>& cell,
                               bool extendedRevision) {
  ReportLine line;
  line.Insert(kSettingsLeftLabelColumn, row.left);
  InsertValue(line, kSettingsLeftValueColumn, row.leftValue, cell, extendedRevision);
  if (!row.right.empty()) line.Insert(kSettingsRightLabelColumn, row.right);
  InsertValue(line, kSettingsRightValueColumn, row.rightValue, cell, extendedRevision);
  return line.Text();
}

// The 37 rows under the title, from the variable table's send column.
void ComposeSettingsRows(TStringList& out) {
  const auto cell = [](int row) { return SendCell(wire::RecordId::Settings, row); };
  for (const SettingsRow& row : kSettingsRows) {
    // The revision decides the voltage texts when that row is composed.
    const bool extended = row.leftValue.show == SettingShow::Voltage && ReportRevisionExtended();
    out.Add(ComposeSettingsRow(row, cell, extended));
  }
}
