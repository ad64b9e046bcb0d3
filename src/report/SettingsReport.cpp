#include "report/SettingsReport.h"

#include "link/CommSetup.h"
#include "wire/Numeric.h"
#include "main/Main.h"
#include "platform/rtl/SysUtils.h"
#include "report/ReportLine.h"
#include "report/ReportSections.h"
#include "vartable/UnitVarTable.h"

namespace {

bool PortOpen() { return Form2 && Form2->ComPort1.Connected(); }

std::string RevisionBoxText() { return Form1 ? Form1->mbSW_Rev.Text() : std::string(); }

}  // namespace

ReportVariant SettingsFileVariant() {
  return {.revision = RevisionSource::PortState, .legends = true, .pageFill = false};
}

ReportVariant PrintoutVariant() {
  return {.revision = RevisionSource::IdentityRecord, .legends = false, .pageFill = true};
}

std::string SendCell(wire::RecordId record, int row) {
  return FormVariableTable ? FormVariableTable->Grid(record).Cell(2, row) : std::string();
}

int CellNumber(const std::string& cell) {
  int value = 0;
  return TryStrToInt(cell, value) ? value : 0;
}

std::string CellSlice(const std::string& cell, int from, int count) {
  return Copy(cell, from, count);
}

bool ReportRevisionExtended() { return wire::IsExtendedRevision(RevisionBoxText()); }

void ComposeReportHeader(TStringList& out, const ReportVariant& v) {
  using wire::RecordId;
  const std::string serial = SendCell(RecordId::Identity, 2);
  const std::string identityRevision = SendCell(RecordId::Identity, 3);
  const std::string revision =
      v.revision == RevisionSource::IdentityRecord
          ? identityRevision
          : ReportRevision(PortOpen(), RevisionBoxText(), identityRevision);

  // One reading of the clock for both: at midnight two readings could pair the old day's date
  // with the new day's time.
  const TDateTime now = Now();
  unsigned short year = 0, month = 0, day = 0, hour = 0, minute = 0, sec = 0, msec = 0;
  DecodeDate(now, year, month, day);
  const std::string date = ReportDate(year, month, day, FormatSettings.DateSeparator);
  DecodeTime(now, hour, minute, sec, msec);
  const std::string time = ReportTime(hour, minute);

  out.Add(ReportRuler());
  out.Add(ReportLineAt(38, kReportTitle));
  out.Add(ReportLineAt(39, std::string(kFileRevisionCaption) + " 02A"));
  out.Add(ComposeReportLine({{1, " Date : "},
                             {9, date},
                             {19, " Time : "},
                             {27, time},
                             {36, kSerialNumberCaption},
                             {53, serial},
                             {68, kRevisionCaption},
                             {80, revision}}));
  out.Add(
      ReportLineAt(36, std::string(kModelCaption) + ReportModelCode(CellNumber(SendCell(RecordId::Identity, 1)))));
  out.Add(ComposeReportLine({{1, std::string(kDriveIdCaption) + SendCell(RecordId::Desc, 2)},
                             {46, std::string(kDriveDescriptionCaption) + SendCell(RecordId::Desc, 1)}}));
  out.Add(ReportRuler());
  out.Add(ReportBlankLine());
}

void ComposeSettingsReport(TStringList& out, const ReportVariant& v) {
  ComposeReportHeader(out, v);
  for (const ReportSectionEntry& section : kReportSections) {
    if (!section.compose) continue;
    AppendSectionTitle(out, section);
    section.compose(out);
    const int blanks = v.pageFill ? section.printoutBlanks : 1;
    for (int i = 0; i < blanks; ++i) out.Add(ReportBlankLine());
  }
  if (v.legends) AppendValueLegends(out);
}
