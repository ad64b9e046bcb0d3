#include "report/StatisticsSections.h"

#include "report/ReportLine.h"
#include "report/SettingsReport.h"

namespace {

using wire::RecordId;

constexpr int kStatsWidth = 71;
constexpr std::string_view kStatsHeading =
    "| Counter          |               | Counter          |               |";
constexpr std::string_view kStatsSeparator =
    "|------------------|---------------|------------------|---------------|";

// A line of two counters: label and statistics row on the left and on the right.
struct StatsLine {
  std::string_view left;
  int leftRow;
  std::string_view right;
  int rightRow;
};
// clang-format off
constexpr StatsLine kStatsLines[] = {
    {"| Startup          |", 1, "| Relay On Hour    |", 4},
    {"| Trip             |", 2, "| App Pow Consmp   |", 15},
    {"| Motor Run Hour   |", 3, "| Real Pow Consmp  |", 16},
};
// clang-format on
constexpr std::string_view kFullLoadLabel = "| Motor Run @ Load |";
constexpr int kFullLoadRow = 17;

constexpr int kBoxWidth = 46;
constexpr std::string_view kBluetoothHeading = "| Bluetooth Parameter  |                     |";
constexpr std::string_view kBluetoothSeparator = "|----------------------|---------------------|";
constexpr std::string_view kCalibrationHeading = "| Calibration Parameter |                    |";
constexpr std::string_view kCalibrationSeparator = "|-----------------------|--------------------|";
constexpr int kBoxRightBar = 47;

std::string Dashes(int n) { return std::string(static_cast<size_t>(n), '-'); }

std::string CalibrationValue(const CalibrationRow& r) {
  const std::string cell = SendCell(RecordId::Calibration, r.row);
  switch (r.show) {
    case CalShow::Cell:
      return cell;
    case CalShow::Frequency:
      return CellNumber(cell) == 1 ? "60 Hz" : "50 Hz";
    case CalShow::Limit:
      return CellSlice(cell, 2, 2) + " Hz";
  }
  return cell;
}

}  // namespace

void ComposeStatisticalData(TStringList& out) {
  out.Add(ReportLineAt(2, Dashes(kStatsWidth)));
  out.Add(ReportLineAt(2, kStatsHeading));
  out.Add(ReportLineAt(2, kStatsSeparator));
  for (const StatsLine& l : kStatsLines) {
    const std::string left = SendCell(RecordId::Statistics, l.leftRow);
    const std::string right = SendCell(RecordId::Statistics, l.rightRow);
    out.Add(ComposeReportLine({{2, l.left}, {23, left}, {37, l.right}, {58, right}, {72, "|"}}));
    out.Add(ReportLineAt(2, kStatsSeparator));
  }
  const std::string fullLoad = SendCell(RecordId::Statistics, kFullLoadRow);
  out.Add(
      ComposeReportLine({{2, kFullLoadLabel}, {23, fullLoad}, {37, "|"}, {56, "|"}, {72, "|"}}));
  out.Add(ReportLineAt(2, Dashes(kStatsWidth)));
}

void ComposeBluetoothSettings(TStringList& out) {
  out.Add(ReportLineAt(2, Dashes(kBoxWidth)));
  out.Add(ReportLineAt(2, kBluetoothHeading));
  out.Add(ReportLineAt(2, kBluetoothSeparator));
  const std::string pin = SendCell(RecordId::Bluetooth, 1);
  out.Add(
      ComposeReportLine({{2, kPinCodeLabel}, {kCalibrationValueColumn, pin}, {kBoxRightBar, "|"}}));
  out.Add(ReportLineAt(2, Dashes(kBoxWidth)));
}

void ComposeCalibrations(TStringList& out) {
  out.Add(ReportLineAt(2, Dashes(kBoxWidth)));
  out.Add(ReportLineAt(2, kCalibrationHeading));
  out.Add(ReportLineAt(2, kCalibrationSeparator));
  for (size_t i = 0; i < kCalibrationRows.size(); ++i) {
    if (i > 0) out.Add(ReportLineAt(2, kCalibrationSeparator));
    const CalibrationRow& r = kCalibrationRows[i];
    const std::string value = CalibrationValue(r);
    out.Add(
        ComposeReportLine({{2, r.label}, {kCalibrationValueColumn, value}, {kBoxRightBar, "|"}}));
  }
  out.Add(ReportLineAt(2, Dashes(kBoxWidth)));
}
