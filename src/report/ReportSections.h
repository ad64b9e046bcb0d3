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
#include <span>
#include <string_view>

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

// The value legends that close the settings file after its last section; the printout has none
// and the reader takes nothing from them. A legend is its title, an underline as long as the
// title, one line per item at column 2, and a blank line before the next legend. The items are
// the texts the report's value columns can hold, or the names of a signal-name table.
struct SwitchWords;
struct ValueLegend {
  std::string_view title;
  std::span<const std::string_view> items;
  const SwitchWords* words = nullptr;  // or the two words of a switch, the set one first or last
  bool setFirst = false;
  int signalTable = 0;  // or the names of signal-name table 1 to 3
};
extern const std::array<ValueLegend, 12> kValueLegends;

// Appends the legends; no blank line follows the last item.
void AppendValueLegends(TStringList& out);

// The sections' own composers, written next to their rows.
void ComposeSettingsRows(TStringList& out);  // report/SettingsSection.cpp
// report/StarterSections.cpp
void ComposeLocationRows(TStringList& out);
void ComposeStarterInputRows(TStringList& out);
void ComposeStarterTimerRows(TStringList& out);
void ComposeExtModuleRows(TStringList& out);
