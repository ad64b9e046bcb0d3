// The rows of the logic record's sections: the six logic functions' inputs and output tables, the
// timers, counters, latch, pulse generator, the clock window, the thermal capacity warning, the
// external reset and emergency stop inputs, the relay inputs and the temperature warning levels.
// Every label is the writer's own (report/LogicSections.h). The sections' loaders are in the
// reader's section table.
#include <array>

#include "editors/LogicEditors.h"
#include "reader/ReaderSections.h"
#include "main/ControlOf.h"
#include "main/Main.h"
#include "platform/rtl/SysUtils.h"
#include "reader/RowRules.h"
#include "report/LogicSections.h"
#include "report/SignalNames.h"

using namespace report;

namespace reader {
namespace {

using F = TForm1;

constexpr std::span<const std::string_view> kNoWords{};
constexpr int kNameWidth = 16;

// Row builders. A name is the 16 characters `offset` after the label; a number the `width`
// characters there. Letters and numbers name the row in its messages.
RowSpec Name(std::string_view label, int offset, int table, ControlOf c, Handler h, int def,
             const char* out, const char* notFound, int minTrimmed, int number = 0,
             std::string_view letter = {}) {
  return {label,
          {},
          kNameWidth,
          RowKind::Signal,
          kNameWidth,
          false,
          0,
          0,
          SignalNameTable(table),
          c,
          h,
          def,
          number,
          out,
          notFound,
          nullptr,
          false,
          minTrimmed,
          offset,
          letter,
          nullptr};
}
RowSpec Number(std::string_view label, int offset, int width, int length, RowKind kind, ControlOf c,
               Handler h, int def, const char* out, const char* notFound, int minTrimmed,
               int number = 0, std::string_view letter = {}) {
  return {label, {},     width, kind,     length,  false, 0,          0,      kNoWords, c,      h,
          def,   number, out,   notFound, nullptr, false, minTrimmed, offset, letter,   nullptr};
}

// ---- Logic tables ----

constexpr int kLogicWidth = 86;
constexpr std::array<std::string_view, 3> kInputLetters = {"A", "B", "C"};

// Input i (0..2 = A..C) of function n: the name 17·i characters after the function part's label.
RowSpec LogicInput(int n, int i, ControlOf c, Handler h) {
  return Name(
      kFunctionLabels[static_cast<size_t>(n - 1)], kLogicInputStep * i, 1, c, h, 0,
      "Logic function table %1:0.1d input %2:s out of range %0:s setting value changed to Zero.",
      "Logic function table %0:0.1d input %1:s not found. Setting value changed to Zero.",
      kLogicWidth, n, kInputLetters[static_cast<size_t>(i)]);
}

#define LF_INPUTS(n)                                                               \
  {                                                                                \
    LogicInput(n, 0, Field<&F::cbLF##n##_InputA>, &F::cbLF##n##_InputAChange),     \
        LogicInput(n, 1, Field<&F::cbLF##n##_InputB>, &F::cbLF##n##_InputBChange), \
        LogicInput(n, 2, Field<&F::cbLF##n##_InputC>, &F::cbLF##n##_InputCChange)  \
  }
// clang-format off
const std::array<std::array<RowSpec, 3>, 6> kLogicInputs = {{
    LF_INPUTS(1), LF_INPUTS(2), LF_INPUTS(3), LF_INPUTS(4), LF_INPUTS(5), LF_INPUTS(6)}};
#undef LF_INPUTS

// The first line of the range that holds the text, or -1.
int FindInRange(const ReadContext& ctx, std::string_view text) {
  const int to = std::min(ctx.to, ctx.Count());
  for (int i = std::max(ctx.from, 0); i < to; ++i)
    if (ctx.lines[i].find(text) != std::string::npos) return i;
  return -1;
}

// The line of combination 0, when every marker of function n's table is in the range; else -1.
// The first marker shows that the table's last line is there: the combination 7 line for T1 to
// T3, the rule for T4 to T6.
int MaskStart(const ReadContext& ctx, int n) {
  const std::string_view markers[] = {n <= 3 ? kCombinationLabels[7] : kLogicRule,
                                      kCombinationLabels[6], kCombinationLabels[5], kCombinationLabels[4],
                                      kCombinationLabels[3], kCombinationLabels[2], kCombinationLabels[1],
                                      kLogicSeparatorStart,  kCombinationLabels[0]};
  int at = -1;
  for (std::string_view marker : markers)
    if ((at = FindInRange(ctx, marker)) < 0) return -1;
  return at;
}

// Function n's cell of combination k: 2 characters 9 + 3(n - 1) after the combination's label
// (1-based position 0 when the line lacks it), trimmed; "0", "1" or nothing.
std::optional<bool> MaskBit(const ReadContext& ctx, int line, int n, int k) {
  const std::string text = ctx.Line(line);
  const int q = Pos(std::string(kCombinationLabels[static_cast<size_t>(k)]), text);
  const std::string cell = Trim(Copy(text, q + 9 + 3 * (n - 1), 2));
  if (cell == "0") return false;
  if (cell == "1") return true;
  return std::nullopt;
}

void SetMask(ReadContext& ctx, int n, int mask) {
  TForm1& f = ctx.form;
  const editors::logic::LogicEditor& e = editors::logic::MaskEditor(n);
  auto& box = static_cast<TEdit&>(e.Control(f));
  box.SetText(IntToStr(mask));
  f.LogicChange(box);
  editors::logic::TableByte(f, n) = static_cast<uint8_t>(StrToInt(box.Text()));
}

void ReadMask(ReadContext& ctx, int n) {
  const int start = MaskStart(ctx, n);
  if (start < 0) {
    ctx.Log(Format("Logic function table %0:0.1d mask incomplete or not found. Setting value changed to 0.", {n}));
    return SetMask(ctx, n, 0);
  }
  int mask = 0;
  bool valid = true;
  for (int k = 0; k < 8; ++k) {  // every bit is read, even after one has failed
    const std::optional<bool> bit = MaskBit(ctx, start + 2 * k, n, k);
    if (!bit) valid = false;
    else if (*bit) mask |= 1 << k;
  }
  if (!valid) {
    ctx.Log(Format("Logic function table %0:0.1d mask incorrect setting value changed to 0.", {n}));
    mask = 0;
  }
  SetMask(ctx, n, mask);
}

// ---- Timers, counters, latch, pulse generator ----

constexpr int kTimerWidth = 54, kCounterWidth = 70, kLatchWidth = 46, kPulseGenWidth = 63;

#define TIMER_ROWS(T, i)                                                                                    \
  Name(kTimerLabels[i], 0, 1, Field<&F::cbTmr##T##_Start>, &F::cbTmr##T##_StartChange, 0,                             \
       "Timer %2:s start input out of range %0:s setting value changed to Zero.",                          \
       "Timer %1:s start input not found. Setting value changed to Zero.", kTimerWidth, 0, #T),            \
  Name(kTimerLabels[i], 17, 1, Field<&F::cbTmr##T##_Reset>, &F::cbTmr##T##_ResetChange, 0,                            \
       "Timer %2:s reset input out of range %0:s setting value changed to Zero.",                          \
       "Timer %1:s reset input not found. Setting value changed to Zero.", kTimerWidth, 0, #T),            \
  Number(kTimerLabels[i], 34, 16, 4, RowKind::Number, Field<&F::seTmr##T##_TimeLim>, &F::seTmr##T##_TimeLimChange, 1, \
         "Timer %3:s time out, out of range %0:s setting value changed to %1:0.4d.",                       \
         "Timer %2:s time out not found. Setting value changed to %0:0.4d.", kTimerWidth, 0, #T)
const RowSpec kTimerRows[] = {TIMER_ROWS(A, 0), TIMER_ROWS(B, 1)};
#undef TIMER_ROWS

#define COUNTER_ROWS(T, i)                                                                                    \
  Name(kCounterLabels[i], 0, 1, Field<&F::cbCntr##T##_InputUp>, &F::cbCntr##T##_InputUpChange, 0,                       \
       "Counter %2:s count up input out of range %0:s setting value changed to Zero.",                       \
       "Counter %1:s count up input not found. Setting value changed to Zero.", kCounterWidth, 0, #T),       \
  Name(kCounterLabels[i], 17, 1, Field<&F::cbCntr##T##_InputDn>, &F::cbCntr##T##_InputDnChange, 0,                      \
       "Counter %2:s count down input out of range %0:s setting value changed to Zero.",                     \
       "Counter %1:s count down input not found. Setting value changed to Zero.", kCounterWidth, 0, #T),     \
  Name(kCounterLabels[i], 34, 1, Field<&F::cbCntr##T##_Reset>, &F::cbCntr##T##_ResetChange, 0,                          \
       "Counter %2:s count reset input out of range %0:s setting value changed to Zero.",                    \
       "Counter %1:s count reset input not found. Setting value changed to Zero.", kCounterWidth, 0, #T),    \
  Number(kCounterLabels[i], 51, 7, 3, RowKind::Number, Field<&F::seCntr##T##_CntLimit>, &F::seCntr##T##_CntLimitChange, \
         1, "Counter %3:s count limit out of range %0:s setting value changed to %1:0.3d.",                  \
         "Counter %2:s count limit not found. Setting value changed to %0:0.3d.", kCounterWidth, 0, #T)
const RowSpec kCounterRows[] = {COUNTER_ROWS(A, 0), COUNTER_ROWS(B, 1)};
#undef COUNTER_ROWS

const RowSpec kLatchRows[] = {
    Name(kLatchLabel, 0, 1, Field<&F::cbLatch_SetInput>, &F::cbLatch_SetInputChange, 0,
         "Latch set input out of range %0:s setting value changed to Zero.",
         "Latch set input not found. Setting value changed to Zero.", kLatchWidth),
    Name(kLatchLabel, 17, 1, Field<&F::cbLatch_ResetInput>, &F::cbLatch_ResetInputChange, 0,
         "Latch reset input out of range %0:s setting value changed to Zero.",
         "Latch reset input not found. Setting value changed to Zero.", kLatchWidth),
};
// clang-format on

// clang-format off
const RowSpec kPulseGenRows[] = {
    Name(kPulseGenLabel, 0, 1, Field<&F::cbPulseGen_Input>, &F::cbPulseGen_InputChange, 0,
         "Pulse generator input out of range %0:s setting value changed to Zero.",
         "Pulse generator input not found. Setting value changed to Zero.", kPulseGenWidth),
    Number(kPulseGenLabel, 17, 16, 5, RowKind::Number, Field<&F::sePG_Period>, &F::sePG_PeriodChange, 1,
           "Pulse generator period out of range %0:s setting value changed to %1:0.5d.",
           "Pulse generator period not found. Setting value changed to %0:0.5d.", kPulseGenWidth),
    Number(kPulseGenLabel, 34, 16, 3, RowKind::Number, Field<&F::sePG_DutyCycle>, &F::sePG_DutyCycleChange, 1,
           "Pulse generator duty cycle out of range %0:s setting value changed to %1:0.3d.",
           "Pulse generator duty cucle not found. Setting value changed to %0:0.3d.", kPulseGenWidth),
};
// clang-format on

// ---- Clock window, warnings, inputs, relays ----

// The hour mark: the first "h", else the first "H"; npos for none.
size_t HourMark(const std::string& cut) {
  const size_t h = cut.find('h');
  return h != std::string::npos ? h : cut.find('H');
}
// The hours: up to and including the mark; without one the whole cut (refused unless a number).
std::string HoursOf(const std::string& cut) {
  const size_t h = HourMark(cut);
  return h == std::string::npos ? cut : cut.substr(0, h + 1);
}
std::string MinutesOf(const std::string& cut) {
  const size_t h = HourMark(cut);
  return h == std::string::npos ? cut : cut.substr(h, 4);
}

constexpr int kClockWidth = 22;
RowSpec Clock(std::string_view label, std::string (*part)(const std::string&), ControlOf c,
              Handler h, int def, const char* out, const char* notFound) {
  RowSpec r = Number(label, 0, 7, 2, RowKind::Number, c, h, def, out, notFound, kClockWidth);
  r.shape = part;
  return r;
}

// clang-format off
const RowSpec kClockRows[] = {
    Clock(kStartTimeLabel, HoursOf, Field<&F::seRTC_StartHr>, &F::seRTC_StartHrChange, 1,
          "Real time clock start hour out of range %0:s setting value changed to %1:0.2d.",
          "Real time clock start hour not found. Setting value changed to %0:0.2d."),
    Clock(kStartTimeLabel, MinutesOf, Field<&F::seRTC_StartMin>, &F::seRTC_StartMinChange, 0,
          "Real time clock start minute out of range %0:s setting value changed to %1:0.2d.",
          "Real time clock start minute not found. Setting value changed to %0:0.2d."),
    Clock(kStopTimeLabel, HoursOf, Field<&F::seRTC_StopHr>, &F::seRTC_StopHrChange, 1,
          "Real time clock stop hour out of range %0:s setting value changed to %1:0.2d.",
          "Real time clock stop hour not found. Setting value changed to %0:0.2d."),
    Clock(kStopTimeLabel, MinutesOf, Field<&F::seRTC_StopMin>, &F::seRTC_StopMinChange, 1,
          "Real time clock stop minute out of range %0:s setting value changed to %1:0.2d.",
          "Real time clock stop minute not found. Setting value changed to %0:0.2d."),
};
// clang-format on

// clang-format off
const RowSpec kTCRows[] = {
    Number(kTCLevelLabel, 0, 5, 3, RowKind::Number, Field<&F::seTC_WarnLevel>, &F::seTC_WarnLevelChange, 70,
           "Thermal capacity warning level out of range %0:s setting value changed to %1:0.3d.",
           "Thermal capacity warning level not found. Setting value changed to %0:0.3d.", 18),
};
// clang-format on

// clang-format off
const RowSpec kExtResetRows[] = {
    Name(kExtResetLabel, 0, 3, Field<&F::cbExtReset>, &F::cbExtResetChange, 0,
         "External reset input out of range %0:s setting value changed to Zero.",
         "External reset input not found. Setting value changed to Zero.", 32),
};
// clang-format on

// clang-format off
const RowSpec kEStopRows[] = {
    Name(kEStopLabel, 0, 3, Field<&F::cbE_Stop_Input>, &F::cbE_Stop_InputChange, 1,
         "Emergency stop input out of range %0:s setting value changed to One.",
         "Emergency stop input not found. Setting value changed to One.", 32),
};
// clang-format on

// Relay n: relays 5 to 8 stand in the right half of the lines of relays 1 to 4.
RowSpec Relay(int n, ControlOf c, Handler h) {
  return Name(kRelayLabels[static_cast<size_t>(n - 1)], 0, 1, c, h, 0,
              "Relay %1:0.1d input out of range %0:s setting value changed to Zero.",
              "Relay %0:0.1d input not found. Setting value changed to Zero.", 62, n);
}
// clang-format off
const RowSpec kRelayRows[] = {
    Relay(1, Field<&F::cbRelay_1_Input>, &F::cbRelay_1_InputChange),
    Relay(2, Field<&F::cbRelay_2_Input>, &F::cbRelay_2_InputChange),
    Relay(3, Field<&F::cbRelay_3_Input>, &F::cbRelay_3_InputChange),
    Relay(4, Field<&F::cbRelay_4_Input>, &F::cbRelay_4_InputChange),
    Relay(5, Field<&F::cbExtRelay_5_Input>, &F::cbExtRelay_5_InputChange),
    Relay(6, Field<&F::cbExtRelay_6_Input>, &F::cbExtRelay_6_InputChange),
    Relay(7, Field<&F::cbExtRelay_7_Input>, &F::cbExtRelay_7_InputChange),
    Relay(8, Field<&F::cbExtRelay_8_Input>, &F::cbExtRelay_8_InputChange),
};
// clang-format on

// Input n: the high level right behind the label, the low level 15 characters further on (the bar
// that closes the high cell falls inside the 13 characters and becomes a blank).
constexpr int kTemperatureWidth = 45;
RowSpec HighWarning(int n, ControlOf c, Handler h) {
  return Number(
      kTemperatureLabels[static_cast<size_t>(n - 1)], 0, 13, 4, RowKind::Signed, c, h, 40,
      "Temperature %2:0.1d high warning level out of range %0:s setting value changed to 040.",
      "Temperature %1:0.1d high warning level not found. Setting value changed to 040.",
      kTemperatureWidth, n);
}
RowSpec LowWarning(int n, ControlOf c, Handler h) {
  return Number(
      kTemperatureLabels[static_cast<size_t>(n - 1)], 15, 13, 4, RowKind::Signed, c, h, -8,
      "Temperature %2:0.1d low warning level out of range %0:s setting value changed to -008.",
      "Temperature %1:0.1d low warning level not found. Setting value changed to -008.",
      kTemperatureWidth, n);
}
#define TEMPERATURE_ROWS(n)                                                        \
  HighWarning(n, Field<&F::seRTD##n##_WarnHiLev>, &F::seRTD##n##_WarnHiLevChange), \
      LowWarning(n, Field<&F::seRTD##n##_WarnLoLev>, &F::seRTD##n##_WarnLoLevChange)
const RowSpec kTemperatureRows[] = {TEMPERATURE_ROWS(1), TEMPERATURE_ROWS(2), TEMPERATURE_ROWS(3),
                                    TEMPERATURE_ROWS(4)};
#undef TEMPERATURE_ROWS

}  // namespace

void ReadLogicTables(ReadContext& ctx) {
  for (int n = 1; n <= 6; ++n) {
    ReadRows(ctx, kLogicInputs[static_cast<size_t>(n - 1)]);
    ReadMask(ctx, n);
  }
}

void ReadTimers(ReadContext& ctx) { ReadRows(ctx, kTimerRows); }
void ReadCounters(ReadContext& ctx) { ReadRows(ctx, kCounterRows); }
void ReadLatch(ReadContext& ctx) { ReadRows(ctx, kLatchRows); }
void ReadPulseGenerator(ReadContext& ctx) { ReadRows(ctx, kPulseGenRows); }
void ReadRealTimeClock(ReadContext& ctx) { ReadRows(ctx, kClockRows); }
void ReadTCHighWarning(ReadContext& ctx) { ReadRows(ctx, kTCRows); }
void ReadExternalReset(ReadContext& ctx) { ReadRows(ctx, kExtResetRows); }
void ReadEmergencyStop(ReadContext& ctx) { ReadRows(ctx, kEStopRows); }
void ReadRelays(ReadContext& ctx) { ReadRows(ctx, kRelayRows); }
void ReadTemperatureWarnings(ReadContext& ctx) { ReadRows(ctx, kTemperatureRows); }

void VisitLogicRows(const RowVisitor& visit) {
  for (const auto& function : kLogicInputs)
    for (const RowSpec& row : function) visit(row);
  for (std::span<const RowSpec> rows :
       {std::span<const RowSpec>(kTimerRows), std::span<const RowSpec>(kCounterRows),
        std::span<const RowSpec>(kLatchRows), std::span<const RowSpec>(kPulseGenRows),
        std::span<const RowSpec>(kClockRows), std::span<const RowSpec>(kTCRows),
        std::span<const RowSpec>(kExtResetRows), std::span<const RowSpec>(kEStopRows),
        std::span<const RowSpec>(kRelayRows), std::span<const RowSpec>(kTemperatureRows)})
    for (const RowSpec& row : rows) visit(row);
}

}  // namespace reader
