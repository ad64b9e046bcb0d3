#include "report/LogicSections.h"

#include <span>
#include <string>

#include "report/ReportLine.h"
#include "report/ReportSections.h"
#include "report/SettingsReport.h"
#include "report/SignalNames.h"

namespace logicreport {
namespace {

// What a piece of a line shows.
enum class Show : uint8_t {
  Text,    // the literal
  Name01,  // the cell's code as a name of signal-name table 01
  Name03,  // the same in table 03
  Chars,   // characters first..first+count-1 of the cell; count 0: the whole cell
};

struct Piece {
  int column;
  Show show;
  std::string_view text;
  int row = 0;  // row of the logic grid
  int first = 1, count = 0;
};

constexpr Piece T(int column, std::string_view text) { return {column, Show::Text, text}; }
constexpr Piece N1(int column, int row) { return {column, Show::Name01, {}, row}; }
constexpr Piece N3(int column, int row) { return {column, Show::Name03, {}, row}; }
constexpr Piece Cell(int column, int row) { return {column, Show::Chars, {}, row}; }
constexpr Piece Chars(int column, int row, int first, int count) {
  return {column, Show::Chars, {}, row, first, count};
}

using Line = std::span<const Piece>;

std::string LogicCell(int row) { return SendCell(wire::RecordId::Logic, row); }

std::string PieceText(const Piece& p) {
  switch (p.show) {
    case Show::Text: return std::string(p.text);
    case Show::Name01: return GetTable01Str(CellNumber(LogicCell(p.row)));
    case Show::Name03: return GetTable03Str(CellNumber(LogicCell(p.row)));
    case Show::Chars: {
      const std::string cell = LogicCell(p.row);
      return p.count == 0 ? cell : CellSlice(cell, p.first, p.count);
    }
  }
  return {};
}

void AddLines(TStringList& out, std::span<const Line> lines) {
  for (const Line& pieces : lines) {
    ReportLine line;
    for (const Piece& p : pieces) line.Insert(p.column, PieceText(p));
    out.Add(line.Text());
  }
}

// ---- Timers, counters, latch, pulse generator ----

constexpr Piece kRule61[] = {T(2, std::string_view("-------------------------------------------------------------"))};
constexpr Piece kTimerHeader[] = {T(2, "|Timer   | Start          | Reset          | Limit (Sec)    |")};
constexpr Piece kTimerSeparator[] = {T(2, "|--------|----------------|----------------|----------------|")};
// Timer n: start, reset and time rows 26, 27, 25 (A) and 29, 30, 28 (B); the limit without the
// cell's first character.
constexpr Piece kTimerA[] = {T(2, kTimerLabels[0]), N1(12, 26), T(28, "|"), N1(29, 27), T(45, "|"),
                             Chars(47, 25, 2, 4), T(62, "|")};
constexpr Piece kTimerB[] = {T(2, kTimerLabels[1]), N1(12, 29), T(28, "|"), N1(29, 30), T(45, "|"),
                             Chars(47, 28, 2, 4), T(62, "|")};
constexpr Line kTimers[] = {kRule61, kTimerHeader, kTimerSeparator, kTimerA, kTimerSeparator, kTimerB, kRule61};

constexpr Piece kRule71[] = {
    T(2, "-----------------------------------------------------------------------")};
constexpr Piece kCounterHeader[] = {
    T(2, "|Counter   | Count Up       | Count Down     | Reset          | Limit |")};
constexpr Piece kCounterSeparator[] = {
    T(2, "|----------|----------------|----------------|----------------|-------|")};
constexpr Piece kCounterA[] = {T(2, kCounterLabels[0]), N1(14, 40), T(30, "|"), N1(31, 41), T(47, "|"),
                               N1(48, 42), T(64, "|"), Cell(66, 39), T(72, "|")};
constexpr Piece kCounterB[] = {T(2, kCounterLabels[1]), N1(14, 44), T(30, "|"), N1(31, 45), T(47, "|"),
                               N1(48, 46), T(64, "|"), Cell(66, 43), T(72, "|")};
constexpr Line kCounters[] = {kRule71,   kCounterHeader,    kCounterSeparator, kCounterA,
                              kCounterSeparator, kCounterB, kRule71};

constexpr Piece kRule46[] = {T(2, "----------------------------------------------")};
constexpr Piece kLatchHeader[] = {T(2, "|          | Set            | Reset          |")};
constexpr Piece kLatchSeparator[] = {T(2, "|----------|----------------|----------------|")};
constexpr Piece kLatchRow[] = {T(2, kLatchLabel), N1(14, 50), T(30, "|"), N1(31, 51), T(47, "|")};
constexpr Line kLatch[] = {kRule46, kLatchHeader, kLatchSeparator, kLatchRow, kRule46};

constexpr Piece kRule63[] = {
    T(2, "---------------------------------------------------------------")};
constexpr Piece kPulseGenHeader[] = {
    T(2, "|          | Input Signal   | Period (Min)   | Duty Cycle (%) |")};
constexpr Piece kPulseGenSeparator[] = {
    T(2, "|----------|----------------|----------------|----------------|")};
constexpr Piece kPulseGenRow[] = {T(2, kPulseGenLabel), N1(14, 47), T(30, "|"), Cell(32, 48), T(47, "|"),
                                  Cell(49, 49), T(64, "|")};
constexpr Line kPulseGenerator[] = {kRule63, kPulseGenHeader, kPulseGenSeparator, kPulseGenRow, kRule63};

// ---- Clock, warning, reset, emergency stop, relays, temperature warnings ----

constexpr Piece kRule22[] = {T(2, "----------------------")};
constexpr Piece kClockHeader[] = {T(2, "|            | Time  |")};
constexpr Piece kClockSeparator[] = {T(2, "|------------|-------|")};
// Hours and minutes as the last two digits of their cells, around an "h".
constexpr Piece kClockStart[] = {T(2, kStartTimeLabel), Chars(17, 31, 2, 2), T(19, "h"),
                                 Chars(20, 32, 2, 2), T(23, "|")};
constexpr Piece kClockStop[] = {T(2, kStopTimeLabel), Chars(17, 33, 2, 2), T(19, "h"),
                                Chars(20, 34, 2, 2), T(23, "|")};
constexpr Line kRealTimeClock[] = {kRule22, kClockHeader, kClockSeparator, kClockStart,
                                   kClockSeparator, kClockStop, kRule22};

constexpr Piece kRule18[] = {T(2, "------------------")};
constexpr Piece kTCHeader[] = {T(2, "|          | (%) |")};
constexpr Piece kTCSeparator[] = {T(2, "|----------|-----|")};
constexpr Piece kTCRow[] = {T(2, kTCLevelLabel), Cell(15, 53), T(19, "|")};
constexpr Line kTCHighWarning[] = {kRule18, kTCHeader, kTCSeparator, kTCRow, kRule18};

constexpr Piece kRule32[] = {T(2, "--------------------------------")};
constexpr Piece kInputHeader[] = {T(2, "|             | Input Signal   |")};
constexpr Piece kInputSeparator[] = {T(2, "|-------------|----------------|")};
constexpr Piece kExtResetRow[] = {T(2, kExtResetLabel), N3(17, 52), T(33, "|")};
constexpr Piece kEStopRow[] = {T(2, kEStopLabel), N3(17, 66), T(33, "|")};
constexpr Line kExternalReset[] = {kRule32, kInputHeader, kInputSeparator, kExtResetRow, kRule32};
constexpr Line kEmergencyStop[] = {kRule32, kInputHeader, kInputSeparator, kEStopRow, kRule32};

constexpr Piece kRelayHeader[] = {
    T(2, "| Relay       | Input Signal   | Relay       | Input Signal   |")};
constexpr Piece kRelaySeparator[] = {
    T(2, "|-------------|----------------|-------------|----------------|")};
// Relay n (1..4) on the left, rows 35..38; relay n + 4 on the right, rows 54..57.
constexpr Piece RelayPair(int n, int side) {
  return side == 0 ? T(2, kRelayLabels[n - 1])
       : side == 1 ? N1(17, 34 + n)
       : side == 2 ? T(33, kRelayLabels[n + 3])
       : side == 3 ? N1(48, 53 + n)
                   : T(64, "|");
}
#define RELAY_ROW(n) {RelayPair(n, 0), RelayPair(n, 1), RelayPair(n, 2), RelayPair(n, 3), RelayPair(n, 4)}
constexpr Piece kRelay1[] = RELAY_ROW(1);
constexpr Piece kRelay2[] = RELAY_ROW(2);
constexpr Piece kRelay3[] = RELAY_ROW(3);
constexpr Piece kRelay4[] = RELAY_ROW(4);
#undef RELAY_ROW
constexpr Line kRelays[] = {kRule63, kRelayHeader, kRelaySeparator, kRelay1, kRelaySeparator, kRelay2,
                            kRelaySeparator, kRelay3, kRelaySeparator, kRelay4, kRule63};

constexpr Piece kRule45[] = {T(2, "---------------------------------------------")};
constexpr Piece kTemperatureHeader[] = {T(2, "|               | High (DegC) | Low (DegC)  |")};
constexpr Piece kTemperatureSeparator[] = {T(2, "|---------------|-------------|-------------|")};
// Input n: high level row 56 + 2n, low level row 57 + 2n.
#define TEMPERATURE_ROW(n) \
  {T(2, kTemperatureLabels[n - 1]), Cell(20, 56 + 2 * n), T(32, "|"), Cell(34, 57 + 2 * n), T(46, "|")}
constexpr Piece kTemperature1[] = TEMPERATURE_ROW(1);
constexpr Piece kTemperature2[] = TEMPERATURE_ROW(2);
constexpr Piece kTemperature3[] = TEMPERATURE_ROW(3);
constexpr Piece kTemperature4[] = TEMPERATURE_ROW(4);
#undef TEMPERATURE_ROW
constexpr Line kTemperatureWarnings[] = {
    kRule45, kTemperatureHeader, kTemperatureSeparator, kTemperature1, kTemperatureSeparator, kTemperature2,
    kTemperatureSeparator, kTemperature3, kTemperatureSeparator, kTemperature4, kRule45};

// ---- Logic tables ----

constexpr std::string_view kLogicTopRule =
    "------- ------------------- ----------------------------------------------------------";
constexpr std::string_view kLogicHeader =
    "|A|B|C| |T1|T2|T3|T4|T5|T6| |TABLE|Input A         |Input B         |Input C         |";
constexpr std::string_view kLogicSeparator =
    "|-|-|-| |--|--|--|--|--|--| |-----|----------------|----------------|----------------|";
// After the last function part the right box closes, and the last two lines have none.
constexpr std::string_view kLogicSeparatorClosing =
    "|-|-|-| |--|--|--|--|--|--| ----------------------------------------------------------";

// Row of the logic grid holding function n's mask (1, 5, .. 21) and its input i (0..2 = A..C).
constexpr int MaskRow(int n) { return 4 * n - 3; }
constexpr int InputRow(int n, int i) { return 4 * n - 2 + i; }

std::string TruthLine(int k) {
  ReportLine line;
  line.Insert(kLogicLabelColumn, kCombinationLabels[static_cast<size_t>(k)]);
  for (int n = 1; n <= 6; ++n) {
    const int mask = CellNumber(LogicCell(MaskRow(n))) & 0xFF;
    line.Insert(kLogicFirstMaskColumn + 3 * (n - 1), (mask >> k) & 1 ? "1 |" : "0 |");
  }
  if (k < 6) {
    const int n = k + 1;
    line.Insert(kLogicFunctionColumn, kFunctionLabels[static_cast<size_t>(k)]);
    for (int i = 0; i < 3; ++i) {
      const int column = kLogicFunctionColumn + 7 + kLogicInputStep * i;
      line.Insert(column, GetTable01Str(CellNumber(LogicCell(InputRow(n, i)))));
      line.Insert(column + 16, "|");
    }
  }
  return line.Text();
}

}  // namespace

void ComposeLogicTables(TStringList& out) {
  out.Add(ReportLineAt(2, kLogicTopRule));
  out.Add(ReportLineAt(2, kLogicHeader));
  out.Add(ReportLineAt(2, kLogicSeparator));
  for (int k = 0; k < 8; ++k) {
    out.Add(TruthLine(k));
    if (k < 5) out.Add(ReportLineAt(2, kLogicSeparator));
    else if (k == 5) out.Add(ReportLineAt(2, kLogicSeparatorClosing));
    else if (k == 6) out.Add(ReportLineAt(2, kLogicSeparatorClosing.substr(0, 27)));
    else out.Add(ReportLineAt(2, kLogicRule));
  }
}

void ComposeTimers(TStringList& out) { AddLines(out, kTimers); }
void ComposeCounters(TStringList& out) { AddLines(out, kCounters); }
void ComposeLatch(TStringList& out) { AddLines(out, kLatch); }
void ComposePulseGenerator(TStringList& out) { AddLines(out, kPulseGenerator); }
void ComposeRealTimeClock(TStringList& out) { AddLines(out, kRealTimeClock); }
void ComposeTCHighWarning(TStringList& out) { AddLines(out, kTCHighWarning); }
void ComposeExternalReset(TStringList& out) { AddLines(out, kExternalReset); }
void ComposeEmergencyStop(TStringList& out) { AddLines(out, kEmergencyStop); }
void ComposeRelays(TStringList& out) { AddLines(out, kRelays); }
void ComposeTemperatureWarnings(TStringList& out) { AddLines(out, kTemperatureWarnings); }

}  // namespace logicreport
