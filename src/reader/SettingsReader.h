#pragma once
// The settings file reader: the open command's acceptance of a file, the header check, the
// section finder and the sections read in report order, each by its entry of the section table.
// A run reads the lines already loaded into a line list and writes problems as lines of the file
// error log.
#include <array>
#include <cstdint>
#include <string_view>

#include "reader/RowRules.h"
#include "reader/ReaderSections.h"

namespace reader {

// Files with more lines than this are refused as not being settings files.
inline constexpr int kMaxFileLines = 10000;
// Files larger than this are refused the same way before they are read: 10,000 lines of even
// 400 characters stay below it.
inline constexpr uintmax_t kMaxFileBytes = 4u << 20;
// Files with fewer lines than this are not of the report form.
inline constexpr int kMinReportLines = 601;

// The header check; logs its problems. On acceptance ctx.revision and ctx.extended hold the
// file's relay revision and, while the port is closed, the revision box shows it.
bool AcceptHeader(ReadContext& ctx);

// The title line of every section, in report order; Count - 2 for a title not found.
std::array<int, kReportSectionCount> FindSections(const TStringList& lines);

// Reads a file of the older 153-line form into the editors and the legacy control bytes;
// returns the number of lines logged.
int ReadLegacyLines(ReadContext& ctx);

// Reads the loaded lines into the editors; returns the number of lines logged.
int ReadSettingsLines(TForm1& form, const TStringList& lines, TStringList& log);

}  // namespace reader
