#pragma once
// The settings report: the header and the titled sections, composed from the send column of the
// variable table into a list of 91-character lines. The settings file writer and the printout
// compose the same report; a variant says where the two differ (where the header's revision
// comes from, how many blank lines close each section, whether the value legends follow).
//
// Sections are composed in report order from the section table (report/ReportSections.h); a
// section whose entry has no composer yet is left out of the report.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "wire/RecordLayouts.h"
#include "platform/rtl/StringList.h"

// The sections in report order.
enum class ReportSection : uint8_t {
  Settings,
  LogicTables,
  Timers,
  Counters,
  Latch,
  PulseGenerator,
  RealTimeClock,
  TCHighWarning,
  ExternalReset,
  EmergencyStop,
  Relays,
  TemperatureWarningLevels,
  LocationSelection,
  StarterInputs,
  StarterTimers,
  ExternalModule,
  StatisticalData,
  CommunicationModule,
  Bluetooth,
  Calibrations,
};
inline constexpr int kReportSectionCount = 20;

// Where header line 4 takes the relay revision from.
enum class RevisionSource : uint8_t {
  PortState,       // the identity record while the port is open, else the revision box
  IdentityRecord,  // always the identity record
};

struct ReportVariant {
  RevisionSource revision = RevisionSource::PortState;
  bool legends = true;  // the value legends follow the last section
  // Each section closes with its entry's printout run of blank lines instead of one.
  bool pageFill = false;
};

// The saved settings file: revision by port state, legends, one blank line after each section.
ReportVariant SettingsFileVariant();
// The printout: revision from the identity record, no legends, and the sections' page-filling
// runs of blank lines, so that some sections start at the top of a printed page.
ReportVariant PrintoutVariant();

// Appends the report to `out`: the 8 header lines, then every composed section of the section
// table in report order, each followed by the variant's closing blank lines, then the value
// legends where the variant has them. Reads the variable table's send column, the revision box
// of the main window and the port state at the moment of the call; the date and time come from
// Now(). Never fails on a cell's contents.
void ComposeSettingsReport(TStringList& out, const ReportVariant& v);

// The 8 header lines alone.
void ComposeReportHeader(TStringList& out, const ReportVariant& v);

// The header's captions: the writer puts them before their values, the reader finds the values
// after them.
inline constexpr std::string_view kReportTitle = "VUMA Settings";
inline constexpr std::string_view kFileRevisionCaption = "File Rev :";
inline constexpr std::string_view kSerialNumberCaption = " Serial Number : ";
inline constexpr std::string_view kRevisionCaption = " Revision : ";
inline constexpr std::string_view kModelCaption = " Model : ";
inline constexpr std::string_view kDriveIdCaption = " Drive ID : ";
inline constexpr std::string_view kDriveDescriptionCaption = " Drive Description : ";

// ---- Helpers the section builders share ----

// The send-column cell (column 2) of a row of a record's grid; "" without a variable table or
// outside the grid.
std::string SendCell(wire::RecordId record, int row);

// A cell read as a number where the report needs one (a code, a control byte, a count): the
// cell as a decimal integer, or 0 when it holds none, so that a bad cell never stops a save.
int CellNumber(const std::string& cell);

// Characters from..from+count-1 (1-based) of a cell; fewer where the cell is shorter.
std::string CellSlice(const std::string& cell, int from, int count);

// True when the revision box shows an extended relay revision.
bool ReportRevisionExtended();

// A section title: its text at a column and its underline of "=" below it, as long as the text
// unless `underline` gives another length. An empty text is no title.
struct SectionTitle {
  int column = 0;
  std::string_view text;
  int underline = 0;

  int UnderlineLength() const { return underline > 0 ? underline : static_cast<int>(text.size()); }
};
