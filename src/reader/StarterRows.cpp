// The starter and external module sections read back into the editors of the Starter
// Configuration and External Modules pages. The labels are the writer's (report/StarterSections.h)
// and the signal names its tables, so the reader finds what the writer wrote. The three starter
// input rows of one command share one line and one label: Remote and Auto lie 17 and 34
// characters further on.
#include <array>
#include <string>

#include "main/ControlOf.h"
#include "main/Main.h"
#include "reader/ReaderSections.h"
#include "reader/SettingsReader.h"
#include "report/SignalNames.h"
#include "report/StarterSections.h"

namespace reader {

namespace {

using F = TForm1;

constexpr std::span<const std::string_view> kNoWords{};

// The least trimmed length of a row's line in each section.
constexpr int kLocationWidth = 34, kInputWidth = 34, kTimerWidth = 29, kExtModuleWidth = 36;

// A signal name of 16 characters looked up in its table; the item index it finds is the code.
RowSpec Signal(std::string_view label, int skip, int table, ControlOf c, Handler h, int def,
               const char* out, const char* notFound) {
  RowSpec r{label,
            {},
            kSignalNameWidth,
            RowKind::Signal,
            kSignalNameWidth,
            false,
            0,
            0,
            SignalNameTable(table),
            c,
            h,
            def,
            0,
            out,
            notFound,
            nullptr};
  r.skip = skip;
  return r;
}

RowSpec Location(int n, ControlOf c, Handler h, const char* out, const char* notFound) {
  const LocationRow& r = kLocationRows[static_cast<size_t>(n)];
  RowSpec row = Signal(r.label, 0, r.table, c, h, 0, out, notFound);
  row.minTrimmed = kLocationWidth;
  return row;
}

// Command row n (0 Start >> .. 5 Stop) at location column k (0 Local, 1 Remote, 2 Auto).
RowSpec Input(int n, int k, ControlOf c, Handler h, int def, const char* out,
              const char* notFound) {
  RowSpec row = Signal(kStarterInputRows[static_cast<size_t>(n)].label,
                       kLocationColumnOffsets[static_cast<size_t>(k)], 3, c, h, def, out, notFound);
  row.minTrimmed = kInputWidth;
  return row;
}

// The delay of external input n (8..15): its number leads the messages' placeholders.
RowSpec Delay(int n, ControlOf c, Handler h) {
  RowSpec row{ExtInputLabel(n),
              {},
              14,
              RowKind::Step50,
              4,
              false,
              0,
              0,
              kNoWords,
              c,
              h,
              0,
              n,
              "External input %0:0.1d delay timer out of range %1:s setting value changed to 0000.",
              "External input %0:0.1d delay timer not found. Setting value changed to 0000.",
              "External input %0:0.1d delay timer %1:s not a increment of 50 setting value changed "
              "to %2:0.4d."};
  row.minTrimmed = kExtModuleWidth;
  row.numberFirst = true;
  return row;
}

// clang-format off
const std::array<RowSpec, 3> kLocationReadRows = {
    Location(0, Field<&F::cbControlSelectorMsb>, &F::cbControlSelectorMsbChange,
             "MSB input out of range %0:s setting value changed to Zero.",
             "MSB input not found. Setting value changed to Zero."),
    Location(1, Field<&F::cbControlSelectorLsb>, &F::cbControlSelectorLsbChange,
             "LSB input out of range %0:s setting value changed to Zero.",
             "LSB input not found. Setting value changed to Zero."),
    Location(2, Field<&F::cbFeedback>, &F::cbFeedbackChange,
             "Feedback signal input out of range %0:s setting value changed to Zero.",
             "Feedback signal input not found. Setting value changed to Zero."),
};
// clang-format on

// Messages built from what a row names and the default it names; the rows point into them.
struct Messages {
  std::string outOfRange, notFound, step;
};
Messages MessagesFor(const std::string& what, const std::string& value) {
  return {what + " out of range %0:s setting value changed to " + value + ".",
          what + " not found. Setting value changed to " + value + ".",
          what + " %0:s not a increment of 50 setting value changed to %1:0.4d."};
}

// The starter input rows' messages: the location and the command, and the default they name
// (the start commands Zero, interlock and stop One).
constexpr std::array<const char*, 3> kPlaces = {"Local", "Remote", "Auto"};
constexpr std::array<const char*, 6> kCommands = {"start fast forward", "start slow forward",
                                                  "start fast reverse", "start slow reverse",
                                                  "interlock",          "stop"};
constexpr int InputDefault(int command) { return command < 4 ? 0 : 1; }

const std::array<Messages, 18> kInputMessages = [] {
  std::array<Messages, 18> m;
  for (int n = 0; n < 6; ++n)
    for (int k = 0; k < 3; ++k)
      m[static_cast<size_t>(3 * n + k)] =
          MessagesFor(std::string(kPlaces[static_cast<size_t>(k)]) + " " +
                          kCommands[static_cast<size_t>(n)] + " input",
                      InputDefault(n) == 0 ? "Zero" : "One");
  return m;
}();

struct Target {
  ControlOf control;
  Handler handler;
};
// Command by command, Local, Remote, Auto.
// clang-format off
const std::array<Target, 18> kInputTargets = {{
    {Field<&F::cbLocStart_Ff>, &F::cbLocStart_FfChange},   {Field<&F::cbRemStart_Ff>, &F::cbRemStart_FfChange},
    {Field<&F::cbAutoStart_Ff>, &F::cbAutoStart_FfChange}, {Field<&F::cbLocStart_Fs>, &F::cbLocStart_FsChange},
    {Field<&F::cbRemStart_Fs>, &F::cbRemStart_FsChange},   {Field<&F::cbAutoStart_Fs>, &F::cbAutoStart_FsChange},
    {Field<&F::cbLocStart_Rf>, &F::cbLocStart_RfChange},   {Field<&F::cbRemStart_Rf>, &F::cbRemStart_RfChange},
    {Field<&F::cbAutoStart_Rf>, &F::cbAutoStart_RfChange}, {Field<&F::cbLocStart_Rs>, &F::cbLocStart_RsChange},
    {Field<&F::cbRemStart_Rs>, &F::cbRemStart_RsChange},   {Field<&F::cbAutoStart_Rs>, &F::cbAutoStart_RsChange},
    {Field<&F::cbLocInterlock>, &F::cbLocInterlockChange}, {Field<&F::cbRemInterlock>, &F::cbRemInterlockChange},
    {Field<&F::cbAutoInterlock>, &F::cbAutoInterlockChange}, {Field<&F::cbLocStop>, &F::cbLocStopChange},
    {Field<&F::cbRemStop>, &F::cbRemStopChange},           {Field<&F::cbAutoStop>, &F::cbAutoStopChange},
}};
// clang-format on

const std::array<RowSpec, 18> kInputReadRows = [] {
  std::array<RowSpec, 18> rows;
  for (int n = 0; n < 6; ++n)
    for (int k = 0; k < 3; ++k) {
      const size_t i = static_cast<size_t>(3 * n + k);
      rows[i] = Input(n, k, kInputTargets[i].control, kInputTargets[i].handler, InputDefault(n),
                      kInputMessages[i].outOfRange.c_str(), kInputMessages[i].notFound.c_str());
    }
  return rows;
}();

// The starter timers in the order of kStarterTimerRows: editor, name in the messages, default and
// the default as the messages write it. The writer's rows give the digits, and its millisecond
// timers take steps of 50.
struct TimerRead {
  ControlOf control;
  Handler handler;
  const char* name;
  int def;
  const char* defText;
};
// clang-format off
const std::array<TimerRead, 9> kTimerReads = {{
    {Field<&F::sePreWarnTime>, &F::sePreWarnTimeChange, "Pre start warning timer", 0, "00"},
    {Field<&F::seExecTime>, &F::seExecTimeChange, "Execution timer", 1, "01"},
    {Field<&F::seFeedbackTime>, &F::seFeedbackTimeChange, "Feedback timer", 500, "0500"},
    {Field<&F::seBackSpinTime>, &F::seBackSpinTimeChange, "Back spin timer", 1, "001"},
    {Field<&F::seDC_BreakTime>, &F::seDC_BreakTimeChange, "DC braking timer", 0, "0000"},
    {Field<&F::seRestartTime>, &F::seRestartTimeChange, "Restart timer", 0, "000"},
    {Field<&F::seStarMaxTime>, &F::seStarMaxTimeChange, "Star maximum timer", 1, "01"},
    {Field<&F::seTransitionTime>, &F::seTransitionTimeChange, "Transition timer", 0, "0000"},
    {Field<&F::seFrozenContactTime>, &F::seFrozenContactTimeChange, "Unauthorized current timer", 0, "0000"},
}};
// clang-format on
const std::array<Messages, 9> kTimerMessages = [] {
  std::array<Messages, 9> m;
  for (size_t n = 0; n < m.size(); ++n)
    m[n] = MessagesFor(kTimerReads[n].name, kTimerReads[n].defText);
  return m;
}();
// Each timer's digits within its spin edit's own limits.
const std::array<RowSpec, 9> kTimerReadRows = [] {
  std::array<RowSpec, 9> rows;
  for (size_t n = 0; n < rows.size(); ++n) {
    const StarterTimerRow& w = kStarterTimerRows[n];
    const TimerRead& r = kTimerReads[n];
    const Messages& m = kTimerMessages[n];
    const bool step50 = w.unit == "mSec";
    rows[n] = {w.label,
               {},
               11,
               step50 ? RowKind::Step50 : RowKind::Number,
               w.to - w.from + 1,
               false,
               0,
               0,
               kNoWords,
               r.control,
               r.handler,
               r.def,
               0,
               m.outOfRange.c_str(),
               m.notFound.c_str(),
               step50 ? m.step.c_str() : nullptr};
    rows[n].minTrimmed = kTimerWidth;
  }
  return rows;
}();

// clang-format off
const std::array<RowSpec, 8> kExtModuleReadRows = {
    Delay(8, Field<&F::seDF_DelTime_8>, &F::seDF_DelTime_8Change),
    Delay(9, Field<&F::seDF_DelTime_9>, &F::seDF_DelTime_9Change),
    Delay(10, Field<&F::seDF_DelTime_10>, &F::seDF_DelTime_10Change),
    Delay(11, Field<&F::seDF_DelTime_11>, &F::seDF_DelTime_11Change),
    Delay(12, Field<&F::seDF_DelTime_12>, &F::seDF_DelTime_12Change),
    Delay(13, Field<&F::seDF_DelTime_13>, &F::seDF_DelTime_13Change),
    Delay(14, Field<&F::seDF_DelTime_14>, &F::seDF_DelTime_14Change),
    Delay(15, Field<&F::seDF_DelTime_15>, &F::seDF_DelTime_15Change),
};
// clang-format on

}  // namespace

void ReadLocationSection(ReadContext& ctx) { ReadRows(ctx, kLocationReadRows); }
void ReadStarterInputSection(ReadContext& ctx) { ReadRows(ctx, kInputReadRows); }
void ReadStarterTimerSection(ReadContext& ctx) { ReadRows(ctx, kTimerReadRows); }
void ReadExtModuleSection(ReadContext& ctx) { ReadRows(ctx, kExtModuleReadRows); }

void VisitStarterRows(const RowVisitor& visit) {
  for (std::span<const RowSpec> rows :
       {std::span<const RowSpec>(kLocationReadRows), std::span<const RowSpec>(kInputReadRows),
        std::span<const RowSpec>(kTimerReadRows), std::span<const RowSpec>(kExtModuleReadRows)})
    for (const RowSpec& row : rows) visit(row);
}

}  // namespace reader
