#pragma once
// The relay's fault and event records as the relay reports them, and the texts the pages and the
// export files show for them. Plain values; the record parsers fill them.
#include <array>
#include <cstdint>
#include <string>

namespace model {

// One record of the fault history. The relay keeps 35, numbered 1 to 35.
struct FaultRecord {
  int Number = 0;
  int Status = 0;  // 0 and 2 actual, 1 and 3 simulation; other codes have no text
  int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0;  // year in the century
  std::array<uint8_t, 4> Flags{};                          // fault flag bytes A..D
  long long RunHours = 0;
  long long ImaxPercent = 0;
  long long Vmin = 0;
  long long TripMs = 0;
  // False for a record the chain passed over: its answer was refused and the relay, asked for the
  // next record again, sent the one below it. Only its number is known.
  bool Received = true;
};
inline constexpr int kFaultRecords = 35;
inline constexpr int kFaultColumns = 9;
inline constexpr const char* kFaultNotReceived = "Record not received";

// The record in the fault history's nine columns: number, status, date, time, the fault (the text
// of the set flag bit that comes last), run hours, Imax %, Vmin and trip time. A record without any
// flag set shows its number only; one that was passed over says so in the fault's column.
std::array<std::string, kFaultColumns> FaultCells(const FaultRecord& r);

// One record of the event log. The relay keeps 1400; type 0 marks an empty slot.
struct EventRecord {
  long long Number = 0;
  int Type = 0;
  int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0;  // year in the century
  std::array<uint8_t, 3> Alarms{};                         // alarm flag bytes A..C
  std::array<uint8_t, 4> Trips{};                          // trip flag bytes A..D
  long long RunHours = 0;
  long long ImaxPercent = 0;
  long long Vmin = 0;
};
inline constexpr int kEventRecords = 1400;

// The record's texts after its number: type, date, time, alarms (alarm events only, cut to 45
// characters), trip (trip events only), run hours, Imax % and Vmin.
std::array<std::string, 8> EventCells(const EventRecord& r);
// The record's line of the event export file: its place counted from the oldest, then its texts,
// separated by tabs.
std::string EventFileLine(const EventRecord& r);

}  // namespace model
