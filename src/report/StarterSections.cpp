// The writer's side of the starter and external module sections: each a framed table of
// fixed-width lines from the send column of the starter and external module grids. Nothing here
// depends on the starter type, the revision or the connection: the four sections always take the
// same lines.
#include "report/StarterSections.h"

#include <string>
#include <vector>

#include "platform/rtl/SysUtils.h"
#include "report/ReportLine.h"
#include "report/ReportSections.h"
#include "report/SettingsReport.h"
#include "report/SignalNames.h"

namespace {

using wire::RecordId;

std::string StarterCell(int row) { return SendCell(RecordId::StartConf, row); }

// A name cell holds a number: anything else stops the save with the conversion error.
std::string SignalName(int table, int row) {
  const int code = static_cast<int>(StrToInt(StarterCell(row)) & 0xFF);
  return table == 2 ? GetTable02Str(code) : GetTable03Str(code);
}

}  // namespace

void ComposeLocationRows(TStringList& out) {
  std::vector<std::string> rows;
  for (const LocationRow& r : kLocationRows)
    rows.push_back(ComposeReportLine({{2, r.label}, {19, SignalName(r.table, r.row)}, {35, "|"}}));
  AppendFramedTable(out, "|               | Input Signal   |", "|---------------|----------------|",
                    rows);
}

void ComposeStarterInputRows(TStringList& out) {
  std::vector<std::string> rows;
  for (const StarterInputRow& r : kStarterInputRows)
    rows.push_back(ComposeReportLine({{2, r.label},
                                      {19, SignalName(3, r.rows[0])},
                                      {35, "|"},
                                      {36, SignalName(3, r.rows[1])},
                                      {52, "|"},
                                      {53, SignalName(3, r.rows[2])},
                                      {69, "|"}}));
  AppendFramedTable(out, "| Signal        | Local          | Remote         | Auto           |",
                    "|---------------|----------------|----------------|----------------|", rows);
}

void ComposeStarterTimerRows(TStringList& out) {
  std::vector<std::string> rows;
  for (const StarterTimerRow& r : kStarterTimerRows)
    rows.push_back(
        ComposeReportLine({{2, r.label},
                           {20, CellSlice(StarterCell(r.row), r.from, r.to - r.from + 1)},
                           {r.unitColumn, r.unit},
                           {30, "|"}}));
  AppendFramedTable(out, "| Start Timer   | Time      |", "|---------------|-----------|", rows);
}

void ComposeExtModuleRows(TStringList& out) {
  const auto delay = [](int row) { return CellSlice(SendCell(RecordId::ExtMod, row), 2, 4); };
  std::vector<std::string> rows;
  for (const ExtModuleRow& r : kExtModuleRows)
    rows.push_back(ComposeReportLine({{2, r.left},
                                      {20, delay(r.leftRow)},
                                      {25, "mSec"},
                                      {33, r.right},
                                      {51, delay(r.rightRow)},
                                      {56, "mSec"},
                                      {64, "|"}}));
  AppendFramedTable(out, "| Input         | Delay        | Input         | Delay        |",
                    "|---------------|--------------|---------------|--------------|", rows);
}
