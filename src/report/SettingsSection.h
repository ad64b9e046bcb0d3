#pragma once
// The "Settings" section of the settings report: the protection settings of the settings record
// in two columns. The left column shows numbers (the cell whole or a slice of it, with a unit)
// and enumerated choices through value tables; the right column shows the switches, bits of the
// control bytes "Cntrl A" to "Cntrl D", as words, the temperature sensor types and the low trip
// levels. Every value comes from the send column of the settings grid.
//
// The rows are data (kSettingsRows); one walker composes them (ComposeSettingsRows, the
// section's composer in the section table). The reader finds its rows by these rows' labels, and
// the value tables and switch words are also the texts it compares with and the value legends
// list.
#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "platform/rtl/StringList.h"
#include "wire/Selections.h"
#include "wire/VoltageLists.h"

// ---- Value tables ----

// Words for a code. A code outside the texts gives the fallback; with lowByte only the low 8
// bits of the code count, otherwise a negative code is outside.
struct ValueTable {
  std::span<const std::string_view> texts;
  std::string_view fallback;
  bool lowByte;

  std::string_view Text(long long code) const;
};

inline constexpr std::array<std::string_view, 2> kEarthLeakTypeTexts = {"INST", "IDMT"};
// clang-format off
inline constexpr std::array<std::string_view, 10> kMinLoadResetTexts = {
    "Manual", "10 Sec", "05 Min", "10 Min", "20 Min", "30 Min", "45 Min", "01 Hr ", "03 Hr ",
    "06 Hr "};
// The voltage selections by code, for a relay before the extended revision and for one of it.
inline constexpr const auto& kVoltageTexts = wire::kVoltageReportNames;
inline constexpr const auto& kVoltageTextsExtended = wire::kVoltageReportNamesExtended;
// 18 characters each; two are cut short.
inline constexpr std::array<std::string_view, 12> kStarterTypeTexts = {
    "Protection relay  ", "Direct online     ", "DOL reverse       ", "Star Delta        ",
    "Star Delta reverse", "Dahlander         ", "Dahlander reverse ", "Pole change       ",
    "Pole change revers", "Soft starter      ", "Soft starter rever", "OCBD starter      "};
inline constexpr const auto& kTemperatureTypeTexts = wire::kSensorTypeReportNames;

inline constexpr ValueTable kEarthLeakTypeTable{kEarthLeakTypeTexts, "INST", true};
inline constexpr ValueTable kMinLoadResetTable{kMinLoadResetTexts, "Manual", false};
inline constexpr ValueTable kVoltageTable{kVoltageTexts, "110V", false};
inline constexpr ValueTable kVoltageTableExtended{kVoltageTextsExtended, "110V", false};
inline constexpr ValueTable kStarterTypeTable{kStarterTypeTexts, "Protection relay  ", false};
inline constexpr ValueTable kTemperatureTypeTable{kTemperatureTypeTexts, "PT100 ", true};

// ---- Switch words: the first for a set bit, the second for a clear one ----

struct SwitchWords {
  std::string_view set, clear;
};
// clang-format on

inline constexpr SwitchWords kConnectedWords{"Connected", "Disconnected"};
inline constexpr SwitchWords kRelay1Words{"Config", "Maintrip"};
inline constexpr SwitchWords kEnabledWords{"Enabled", "Disabled"};
inline constexpr SwitchWords kRotationWords{"BWR", "RWB"};
inline constexpr SwitchWords kThermalResetWords{"Auto  ", "Manual"};
inline constexpr SwitchWords kMinLoadSourceWords{"Power", "Load "};

// ---- Rows ----

// How a value is shown.
enum class SettingShow : uint8_t {
  Nothing,
  Slice,    // characters from..from+count-1 of the cell; count 0 for the whole cell
  Table,    // the cell as a code through a value table
  Voltage,  // the code through the voltage table of the revision box's revision
  CtRatio,  // the CT primary and secondary cells as plain numbers joined by ":"
  Bit,      // a bit of the control byte in the cell, as switch words
};

// A unit placed right after a value of up to 3 characters (one blank between) and one column
// further for a longer value.
inline constexpr int kUnitAfterValue = 0;

struct SettingValue {
  SettingShow show = SettingShow::Nothing;
  int row = 0;  // send-column row of the settings grid
  int from = 1, count = 0;
  const ValueTable* table = nullptr;
  int bit = 0;
  const SwitchWords* words = nullptr;
  std::string_view unit;
  int unitColumn = 0;  // or kUnitAfterValue
};

struct SettingsRow {
  std::string_view left;  // 23 characters
  SettingValue leftValue;
  std::string_view right;  // 23 characters, or empty
  SettingValue rightValue;
};

inline constexpr int kSettingsLeftLabelColumn = 2;
inline constexpr int kSettingsLeftValueColumn = 26;
inline constexpr int kSettingsRightLabelColumn = 47;
inline constexpr int kSettingsRightValueColumn = 71;

// The rows under the title, in report order.
extern const std::array<SettingsRow, 37> kSettingsRows;

// The line of one row, reading the settings grid's send column through `cell` (row -> text) and
// choosing the voltage table by `extendedRevision`.
std::string ComposeSettingsRow(const SettingsRow& row, const std::function<std::string(int)>& cell,
                               bool extendedRevision);
