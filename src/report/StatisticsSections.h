#pragma once
// The "Statistical Data", "Bluetooth Settings" and "Calibrations" sections of the settings report.
// The rows are data here; the reader takes its labels from the same rows.
#include <array>
#include <string_view>

#include "platform/rtl/StringList.h"

// How a calibration row shows its cell.
enum class CalShow : uint8_t {
  Cell,       // the cell's text unchanged
  Frequency,  // "60 Hz" for a cell holding 1, else "50 Hz"
  Limit       // characters 2 and 3 of the cell and " Hz"
};

struct CalibrationRow {
  std::string_view label;  // 25 characters at column 2
  int row;                 // row of the calibration grid
  CalShow show;
};

// clang-format off
inline constexpr std::array<CalibrationRow, 18> kCalibrationRows = {{
    {"| Current red           |", 4, CalShow::Cell},
    {"| Current white         |", 5, CalShow::Cell},
    {"| Current blue          |", 6, CalShow::Cell},
    {"| Voltage red           |", 1, CalShow::Cell},
    {"| Voltage white         |", 2, CalShow::Cell},
    {"| Voltage blue          |", 3, CalShow::Cell},
    {"| Earth leakage         |", 7, CalShow::Cell},
    {"| Supply frequency      |", 10, CalShow::Frequency},
    {"| Frequency high limit  |", 8, CalShow::Limit},
    {"| Frequency low limit   |", 9, CalShow::Limit},
    {"| Temp 1 PT100          |", 11, CalShow::Cell},
    {"| Temp 1 PT1000         |", 12, CalShow::Cell},
    {"| Temp 2 PT100          |", 13, CalShow::Cell},
    {"| Temp 2 PT1000         |", 14, CalShow::Cell},
    {"| Temp 3 PT100          |", 15, CalShow::Cell},
    {"| Temp 3 PT1000         |", 16, CalShow::Cell},
    {"| Temp 4 PT100          |", 17, CalShow::Cell},
    {"| Temp 4 PT1000         |", 18, CalShow::Cell},
}};
// clang-format on

inline constexpr std::string_view kPinCodeLabel = "| Pin Code             |";
// Column of the values of both sections.
inline constexpr int kCalibrationValueColumn = 28;

void ComposeStatisticalData(TStringList& out);
void ComposeBluetoothSettings(TStringList& out);
void ComposeCalibrations(TStringList& out);
