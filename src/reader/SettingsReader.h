#pragma once
// The settings file reader: the open command's acceptance of a file, the header check, the
// section finder and the sections read in report order. A run reads the lines already loaded
// into a line list and writes problems as lines of the file error log.
#include <array>
#include <string_view>

#include "reader/RowRules.h"
#include "report/SettingsReport.h"

namespace reader {

// Files with more lines than this are refused as not being settings files.
inline constexpr int kMaxFileLines = 10000;
// Files of this many lines or fewer are not of the report form.
inline constexpr int kMinReportLines = 601;

struct SectionSpec {
  ReportSection section;
  std::string_view title;
  int underline;               // length of its run of "="
  int boundIndex;              // index in kSections of the section whose title bounds it; -1: Count - 2
  const char* missingMessage;  // nullptr: never read
};

extern const std::array<SectionSpec, kReportSectionCount> kSections;

// The header check; logs its problems. On acceptance ctx.revision and ctx.extended hold the
// file's relay revision and, while the port is closed, the revision box shows it.
bool AcceptHeader(ReadContext& ctx);

// The title line of every section, in kSections order; Count - 2 for a title not found.
std::array<int, kReportSectionCount> FindSections(const TStringList& lines);

// Reads the loaded lines into the editors; returns the number of lines logged.
int ReadSettingsLines(TForm1& form, const TStringList& lines, TStringList& log);

// The Settings section's rows (value rows, then switch, type and low trip level rows).
void ReadSettingsSection(ReadContext& ctx);

}  // namespace reader
