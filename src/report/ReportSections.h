#pragma once
// The sections of the settings file, one entry each, in report order. An entry holds what the
// writer and the printout know of its section: the title line the writer puts and the reader
// finds by title and underline, the composer of the rows under it and the blank lines that close
// it in the printout. The reader keeps its own entry per section beside this table
// (reader/ReaderSections.h) and takes its row labels from the composers' rows, so that no
// caption is written twice.
//
// Until a section's composer is filled in, the section is left out of the report.
#include <array>

#include "platform/rtl/StringList.h"
#include "report/SettingsReport.h"

struct ReportSectionEntry {
  ReportSection id;
  SectionTitle title;  // the reader finds the section by this one
  SectionTitle aside;  // a second title further right on the title line; empty for none
  int printoutBlanks;  // blank lines that close the section in the printout (one in the file)

  // Appends the lines from the one under the underline to the last row.
  void (*compose)(TStringList& out);
};

extern const std::array<ReportSectionEntry, kReportSectionCount> kReportSections;

inline const ReportSectionEntry& SectionEntry(ReportSection s) {
  return kReportSections[static_cast<size_t>(s)];
}

// The title line and the underline line of a section.
void AppendSectionTitle(TStringList& out, const ReportSectionEntry& section);

// The sections' own composers, written next to their rows.
void ComposeSettingsRows(TStringList& out);  // report/SettingsSection.cpp
// report/StarterSections.cpp
void ComposeLocationRows(TStringList& out);
void ComposeStarterInputRows(TStringList& out);
void ComposeStarterTimerRows(TStringList& out);
void ComposeExtModuleRows(TStringList& out);
