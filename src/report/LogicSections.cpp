#include "report/LogicSections.h"

#include <array>
#include <span>
#include <string>
#include <vector>

#include "report/ReportLine.h"
#include "report/ReportSections.h"
#include "report/SettingsReport.h"
#include "report/SignalNames.h"

namespace report {
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
    case Show::Text:
      return std::string(p.text);
    case Show::Name01:
      return GetTable01Str(CellNumber(LogicCell(p.row)));
    case Show::Name03:
      return GetTable03Str(CellNumber(LogicCell(p.row)));
    case Show::Chars: {
      const std::string cell = LogicCell(p.row);
      return p.count == 0 ? cell : CellSlice(cell, p.first, p.count);
    }
  }
  return {};
}

// A section table whose rows are lines of pieces.
struct PieceTable {
  std::string_view header, separator;
  std::span<const Line> rows;
};

void AppendPieceTable(TStringList& out, const PieceTable& table) {
  std::vector<std::string> rows;
  for (const Line& pieces : table.rows) {
    ReportLine line;
    for (const Piece& p : pieces) line.Insert(p.column, PieceText(p));
    rows.push_back(line.Text());
  }
  AppendFramedTable(out, table.header, table.separator, rows);
}

// ---- Timers, counters, latch, pulse generator ----

// Timer n: start, reset and time rows 26, 27, 25 (A) and 29, 30, 28 (B); the limit without the
// cell's first character.
constexpr Piece kTimerA[] = {T(2, kTimerLabels[0]), N1(12, 26), T(28, "|"), N1(29, 27), T(45, "|"),
                             Chars(47, 25, 2, 4),   T(62, "|")};
constexpr Piece kTimerB[] = {T(2, kTimerLabels[1]), N1(12, 29), T(28, "|"), N1(29, 30), T(45, "|"),
                             Chars(47, 28, 2, 4),   T(62, "|")};
constexpr Line kTimerRows[] = {kTimerA, kTimerB};

constexpr Piece kCounterA[] = {T(2, kCounterLabels[0]),
                               N1(14, 40),
                               T(30, "|"),
                               N1(31, 41),
                               T(47, "|"),
                               N1(48, 42),
                               T(64, "|"),
                               Cell(66, 39),
                               T(72, "|")};
constexpr Piece kCounterB[] = {T(2, kCounterLabels[1]),
                               N1(14, 44),
                               T(30, "|"),
                               N1(31, 45),
                               T(47, "|"),
                               N1(48, 46),
                               T(64, "|"),
                               Cell(66, 43),
                               T(72, "|")};
constexpr Line kCounterRows[] = {kCounterA, kCounterB};

constexpr Piece kLatchRow[] = {T(2, kLatchLabel), N1(14, 50), T(30, "|"), N1(31, 51), T(47, "|")};
constexpr Line kLatchRows[] = {kLatchRow};

constexpr Piece kPulseGenRow[] = {T(2, kPulseGenLabel), N1(14, 47),   T(30, "|"), Cell(32, 48),
                                  T(47, "|"),           Cell(49, 49), T(64, "|")};
constexpr Line kPulseGenRows[] = {kPulseGenRow};

// ---- Clock, warning, reset, emergency stop, relays, temperature warnings ----

// Hours and minutes as the last two digits of their cells, around an "h".
constexpr Piece kClockStart[] = {T(2, kStartTimeLabel), Chars(17, 31, 2, 2), T(19, "h"),
                                 Chars(20, 32, 2, 2), T(23, "|")};
constexpr Piece kClockStop[] = {T(2, kStopTimeLabel), Chars(17, 33, 2, 2), T(19, "h"),
                                Chars(20, 34, 2, 2), T(23, "|")};
constexpr Line kClockRows[] = {kClockStart, kClockStop};

constexpr Piece kTCRow[] = {T(2, kTCLevelLabel), Cell(15, 53), T(19, "|")};
constexpr Line kTCRows[] = {kTCRow};

constexpr Piece kExtResetRow[] = {T(2, kExtResetLabel), N3(17, 52), T(33, "|")};
constexpr Line kExtResetRows[] = {kExtResetRow};
constexpr Piece kEStopRow[] = {T(2, kEStopLabel), N3(17, 66), T(33, "|")};
constexpr Line kEStopRows[] = {kEStopRow};

// Four lines of five pieces, piece i of line n (1..4) made by a function.
using FourLines = std::array<std::array<Piece, 5>, 4>;
constexpr FourLines FourLinesOf(Piece (*piece)(int n, int i)) {
  FourLines lines{};
  for (int n = 1; n <= 4; ++n)
    for (int i = 0; i < 5; ++i)
      lines[static_cast<size_t>(n - 1)][static_cast<size_t>(i)] = piece(n, i);
  return lines;
}

// Relay n (1..4) on the left, rows 35..38; relay n + 4 on the right, rows 54..57.
constexpr Piece RelayPiece(int n, int i) {
  return i == 0   ? T(2, kRelayLabels[n - 1])
         : i == 1 ? N1(17, 34 + n)
         : i == 2 ? T(33, kRelayLabels[n + 3])
         : i == 3 ? N1(48, 53 + n)
                  : T(64, "|");
}
constexpr FourLines kRelayPieces = FourLinesOf(RelayPiece);
constexpr Line kRelayRows[] = {kRelayPieces[0], kRelayPieces[1], kRelayPieces[2], kRelayPieces[3]};

// Input n: high level row 56 + 2n, low level row 57 + 2n.
constexpr Piece TemperaturePiece(int n, int i) {
  return i == 0   ? T(2, kTemperatureLabels[n - 1])
         : i == 1 ? Cell(20, 56 + 2 * n)
         : i == 2 ? T(32, "|")
         : i == 3 ? Cell(34, 57 + 2 * n)
                  : T(46, "|");
}
constexpr FourLines kTemperaturePieces = FourLinesOf(TemperaturePiece);
constexpr Line kTemperatureRows[] = {kTemperaturePieces[0], kTemperaturePieces[1],
                                     kTemperaturePieces[2], kTemperaturePieces[3]};

constexpr std::string_view kInputHeader = "|             | Input Signal   |";
constexpr std::string_view kInputSeparator = "|-------------|----------------|";

// The tables of the sections, header and separator as the report shows them.
constexpr PieceTable kTimers{"|Timer   | Start          | Reset          | Limit (Sec)    |",
                             "|--------|----------------|----------------|----------------|",
                             kTimerRows};
constexpr PieceTable kCounters{
    "|Counter   | Count Up       | Count Down     | Reset          | Limit |",
    "|----------|----------------|----------------|----------------|-------|", kCounterRows};
constexpr PieceTable kLatch{"|          | Set            | Reset          |",
                            "|----------|----------------|----------------|", kLatchRows};
constexpr PieceTable kPulseGenerator{
    "|          | Input Signal   | Period (Min)   | Duty Cycle (%) |",
    "|----------|----------------|----------------|----------------|", kPulseGenRows};
constexpr PieceTable kRealTimeClock{"|            | Time  |", "|------------|-------|", kClockRows};
constexpr PieceTable kTCHighWarning{"|          | (%) |", "|----------|-----|", kTCRows};
constexpr PieceTable kExternalReset{kInputHeader, kInputSeparator, kExtResetRows};
constexpr PieceTable kEmergencyStop{kInputHeader, kInputSeparator, kEStopRows};
constexpr PieceTable kRelays{"| Relay       | Input Signal   | Relay       | Input Signal   |",
                             "|-------------|----------------|-------------|----------------|",
                             kRelayRows};
constexpr PieceTable kTemperatureWarnings{"|               | High (DegC) | Low (DegC)  |",
                                          "|---------------|-------------|-------------|",
                                          kTemperatureRows};

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
    if (k < 5)
      out.Add(ReportLineAt(2, kLogicSeparator));
    else if (k == 5)
      out.Add(ReportLineAt(2, kLogicSeparatorClosing));
    else if (k == 6)
      out.Add(ReportLineAt(2, kLogicSeparatorClosing.substr(0, 27)));
    else
      out.Add(ReportLineAt(2, kLogicRule));
  }
}

void ComposeTimers(TStringList& out) { AppendPieceTable(out, kTimers); }
void ComposeCounters(TStringList& out) { AppendPieceTable(out, kCounters); }
void ComposeLatch(TStringList& out) { AppendPieceTable(out, kLatch); }
void ComposePulseGenerator(TStringList& out) { AppendPieceTable(out, kPulseGenerator); }
void ComposeRealTimeClock(TStringList& out) { AppendPieceTable(out, kRealTimeClock); }
void ComposeTCHighWarning(TStringList& out) { AppendPieceTable(out, kTCHighWarning); }
void ComposeExternalReset(TStringList& out) { AppendPieceTable(out, kExternalReset); }
void ComposeEmergencyStop(TStringList& out) { AppendPieceTable(out, kEmergencyStop); }
void ComposeRelays(TStringList& out) { AppendPieceTable(out, kRelays); }
void ComposeTemperatureWarnings(TStringList& out) { AppendPieceTable(out, kTemperatureWarnings); }

}  // namespace report
