#pragma once
// What the reader knows of each section of the settings file, in report order: where the
// section's range ends, the message logged when it is missing, and the loader of its rows. The
// titles are the writer's (report/ReportSections.h); the loaders live next to their rows here.
#include <array>
#include <optional>

#include "report/ReportSections.h"

namespace reader {

struct ReadContext;

struct ReaderSectionEntry {
  ReportSection id;
  // The range ends at the title line of this section; none: at line Count - 2.
  std::optional<ReportSection> boundBy;
  const char* missingMessage;  // logged when the section is missing; none: never read
  // Reads the section's rows within the range the reader has put into the context; none: the
  // section is found but none of its rows are read yet.
  void (*read)(ReadContext& ctx);
  // Run instead of read when the section is missing; none: nothing beyond the log line.
  void (*missing)(ReadContext& ctx);
};

extern const std::array<ReaderSectionEntry, kReportSectionCount> kReaderSections;

// The loaders, each written next to its rows.
void ReadSettingsSection(ReadContext& ctx);  // SettingsRows.cpp
// LogicRows.cpp
void ReadLogicTables(ReadContext& ctx);
void ReadTimers(ReadContext& ctx);
void ReadCounters(ReadContext& ctx);
void ReadLatch(ReadContext& ctx);
void ReadPulseGenerator(ReadContext& ctx);
void ReadRealTimeClock(ReadContext& ctx);
void ReadTCHighWarning(ReadContext& ctx);
void ReadExternalReset(ReadContext& ctx);
void ReadEmergencyStop(ReadContext& ctx);
void ReadRelays(ReadContext& ctx);
void ReadTemperatureWarnings(ReadContext& ctx);
// StarterRows.cpp
void ReadLocationSection(ReadContext& ctx);
void ReadStarterInputSection(ReadContext& ctx);
void ReadStarterTimerSection(ReadContext& ctx);
void ReadExtModuleSection(ReadContext& ctx);
void ReadCommsModuleSection(ReadContext& ctx);  // CommsRows.cpp
// CalibrationRows.cpp
void ReadBluetoothSection(ReadContext& ctx);
// A missing "Bluetooth Settings" section still puts the default PIN in place.
void BluetoothSectionMissing(ReadContext& ctx);
void ReadCalibrationSection(ReadContext& ctx);
// The identity rows, searched from the first line up to the "Settings" title line.
void ReadIdentityRows(ReadContext& ctx, int settingsTitle);

}  // namespace reader
