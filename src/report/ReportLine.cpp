#include "report/ReportLine.h"
#include "wire/Selections.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {
// One character beyond the finished line is kept while composing; it never reaches the report,
// so a piece inserted at column 92 is lost like any text pushed beyond column 91.
constexpr std::size_t kWorkingWidth = kReportLineWidth + 1;

std::string TwoDigits(int v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", v);
  return buf;
}
}  // namespace

ReportLine::ReportLine() : work_(kReportLineWidth, ' ') {}

ReportLine& ReportLine::Insert(int column, std::string_view piece) {
  const std::size_t at = column < 1 ? 0 : std::min<std::size_t>(column - 1, work_.size());
  work_.insert(at, piece);
  if (work_.size() > kWorkingWidth) work_.resize(kWorkingWidth);
  return *this;
}

std::string ReportLine::Text() const { return work_.substr(0, kReportLineWidth); }

std::string ComposeReportLine(std::initializer_list<ReportPiece> pieces) {
  ReportLine line;
  for (const ReportPiece& p : pieces) line.Insert(p.column, p.text);
  return line.Text();
}

std::string ReportLineAt(int column, std::string_view piece) {
  return ReportLine().Insert(column, piece).Text();
}

std::string ReportRuler() { return std::string(kReportLineWidth, '-'); }

std::string ReportBlankLine() { return std::string(kReportLineWidth, ' '); }

void AppendFramedTable(TStringList& out, std::string_view header, std::string_view separator,
                       const std::vector<std::string>& rows) {
  const std::string ruler(header.size(), '-');
  out.Add(ReportLineAt(2, ruler));
  out.Add(ReportLineAt(2, header));
  out.Add(ReportLineAt(2, separator));
  for (size_t i = 0; i < rows.size(); ++i) {
    if (i > 0) out.Add(ReportLineAt(2, separator));
    out.Add(rows[i]);
  }
  out.Add(ReportLineAt(2, ruler));
}

std::string ReportModelCode(int modelIndex) { return wire::RelayModelOf(modelIndex).Text; }

std::string ReportDate(int year, int month, int day, char dateSeparator) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d", year);
  return std::string(buf) + dateSeparator + TwoDigits(month) + dateSeparator + TwoDigits(day);
}

std::string ReportTime(int hour, int minute) { return TwoDigits(hour) + "h" + TwoDigits(minute); }

std::string ReportRevision(bool portOpen, std::string_view revisionBoxText,
                           std::string_view identityRevision) {
  if (!portOpen && revisionBoxText.size() >= 6) return std::string(revisionBoxText.substr(4, 2));
  return std::string(identityRevision);
}
