#pragma once
// The sections of the settings report that show the logic record: "Logic Tables", "Timers",
// "Counters", "Latch", "Pulse Generator", "Real Time Clock", "TC High Warning", "External Reset",
// "Emergency Stop", "Relays" and "Temperature Warning Levels". Every value comes from the send
// column of the logic grid; signal codes are shown as names of signal-name tables 01 and 03.
//
// The row labels below are the writer's; the reader finds the rows by the same texts.
#include <array>
#include <string_view>

#include "platform/rtl/StringList.h"

namespace report {

// Logic Tables: the label of input combination k (0..7) and the function part of function n.
inline constexpr std::array<std::string_view, 8> kCombinationLabels = {
    "|0|0|0| |", "|0|0|1| |", "|0|1|0| |", "|0|1|1| |",
    "|1|0|0| |", "|1|0|1| |", "|1|1|0| |", "|1|1|1| |"};
inline constexpr std::array<std::string_view, 6> kFunctionLabels = {
    "| T1  |", "| T2  |", "| T3  |", "| T4  |", "| T5  |", "| T6  |"};
// The rule above the header and its first 27 characters, the closing rule.
inline constexpr std::string_view kLogicRule = "------- -------------------";
inline constexpr std::string_view kLogicSeparatorStart = "|-|-|-| |";
// Columns of a truth-table line: the combination label, T1's output cell (the others 3 apart),
// the function part and its three inputs (each 17 apart).
inline constexpr int kLogicLabelColumn = 2;
inline constexpr int kLogicFirstMaskColumn = 11;
inline constexpr int kLogicFunctionColumn = 30;
inline constexpr int kLogicInputStep = 17;

inline constexpr std::string_view kTimerLabels[] = {"|Timer A |", "|Timer B |"};
inline constexpr std::string_view kCounterLabels[] = {"|Counter A |", "|Counter B |"};
inline constexpr std::string_view kLatchLabel = "|Latch     |";
inline constexpr std::string_view kPulseGenLabel = "|Pulse Gen |";
inline constexpr std::string_view kStartTimeLabel = "| Start Time |";
inline constexpr std::string_view kStopTimeLabel = "| Stop Time  |";
inline constexpr std::string_view kTCLevelLabel = "| TC Level |";
inline constexpr std::string_view kExtResetLabel = "| Ext Rst Inp |";
inline constexpr std::string_view kEStopLabel = "| ESTOP Input |";
inline constexpr std::string_view kRelayLabels[] = {
    "| Relay 1     |", "| Relay 2     |", "| Relay 3     |", "| Relay 4     |",
    "| Relay 5     |", "| Relay 6     |", "| Relay 7     |", "| Relay 8     |"};
inline constexpr std::string_view kTemperatureLabels[] = {"| Temperature 1 |", "| Temperature 2 |",
                                                          "| Temperature 3 |", "| Temperature 4 |"};

// The section composers of the section table: the lines under each title's underline.
void ComposeLogicTables(TStringList& out);
void ComposeTimers(TStringList& out);
void ComposeCounters(TStringList& out);
void ComposeLatch(TStringList& out);
void ComposePulseGenerator(TStringList& out);
void ComposeRealTimeClock(TStringList& out);
void ComposeTCHighWarning(TStringList& out);
void ComposeExternalReset(TStringList& out);
void ComposeEmergencyStop(TStringList& out);
void ComposeRelays(TStringList& out);
void ComposeTemperatureWarnings(TStringList& out);

}  // namespace report
