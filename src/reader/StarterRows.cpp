// The starter and external module sections read back into the editors of the Starter
// Configuration and External Modules pages. The labels are the writer's (report/StarterSections.h)
// and the signal names its tables, so the reader finds what the writer wrote. The three starter
// input rows of one command share one line and one label: Remote and Auto lie 17 and 34
// characters further on.
#include <array>
#include <string>

#include "main/Main.h"
#include "reader/ReaderSections.h"
#include "reader/SettingsReader.h"
#include "report/SignalNames.h"
#include "report/StarterSections.h"

namespace reader {

namespace {

#define ED(control, handler) +[](TForm1& f) -> TControl& { return f.control; }, &TForm1::handler

constexpr std::span<const std::string_view> kNoWords{};

// The least trimmed length of a row's line in each section.
constexpr int kLocationWidth = 34, kInputWidth = 34, kTimerWidth = 29, kExtModuleWidth = 36;

// A signal name of 16 characters looked up in its table; the item index it finds is the code.
RowSpec Signal(std::string_view label, int skip, int table, ControlOf c, Handler h, int def,
               const char* out, const char* notFound) {
  RowSpec r{label, {}, kSignalNameWidth, RowKind::Signal, kSignalNameWidth, false, 0, 0,
            SignalNameTable(table), c, h, def, 0, out, notFound, nullptr};
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
RowSpec Input(int n, int k, ControlOf c, Handler h, int def, const char* out, const char* notFound) {
  RowSpec row = Signal(kStarterInputRows[static_cast<size_t>(n)].label,
                       kLocationColumnOffsets[static_cast<size_t>(k)], 3, c, h, def, out, notFound);
  row.minTrimmed = kInputWidth;
  return row;
}

// Starter timer n (0..8) of kStarterTimerRows: D digits within the spin edit's own limits.
RowSpec Timer(int n, int digits, ControlOf c, Handler h, int def, const char* out, const char* notFound,
              const char* step = nullptr) {
  RowSpec row{kStarterTimerRows[static_cast<size_t>(n)].label, {}, 11,
              step ? RowKind::Step50 : RowKind::Number, digits, false, 0, 0, kNoWords, c, h, def, 0,
              out, notFound, step};
  row.minTrimmed = kTimerWidth;
  return row;
}

// The delay of external input n (8..15): its number leads the messages' placeholders.
RowSpec Delay(int n, ControlOf c, Handler h) {
  RowSpec row{ExtInputLabel(n), {}, 14, RowKind::Step50, 4, false, 0, 0, kNoWords, c, h, 0, n,
              "External input %0:0.1d delay timer out of range %1:s setting value changed to 0000.",
              "External input %0:0.1d delay timer not found. Setting value changed to 0000.",
              "External input %0:0.1d delay timer %1:s not a increment of 50 setting value changed to %2:0.4d."};
  row.minTrimmed = kExtModuleWidth;
  row.numberFirst = true;
  return row;
}

const std::array<RowSpec, 3> kLocationReadRows = {
    Location(0, ED(cbControlSelectorMsb, cbControlSelectorMsbChange),
             "MSB input out of range %0:s setting value changed to Zero.",
             "MSB input not found. Setting value changed to Zero."),
    Location(1, ED(cbControlSelectorLsb, cbControlSelectorLsbChange),
             "LSB input out of range %0:s setting value changed to Zero.",
             "LSB input not found. Setting value changed to Zero."),
    Location(2, ED(cbFeedback, cbFeedbackChange),
             "Feedback signal input out of range %0:s setting value changed to Zero.",
             "Feedback signal input not found. Setting value changed to Zero."),
};

// The starter input rows' messages: the location and the command, and the default they name
// (the start commands Zero, interlock and stop One). Built once; the rows point into them.
constexpr std::array<const char*, 3> kPlaces = {"Local", "Remote", "Auto"};
constexpr std::array<const char*, 6> kCommands = {"start fast forward", "start slow forward", "start fast reverse",
                                                  "start slow reverse", "interlock",          "stop"};
constexpr int InputDefault(int command) { return command < 4 ? 0 : 1; }

struct InputMessages {
  std::string outOfRange, notFound;
};
const std::array<InputMessages, 18> kInputMessages = [] {
  std::array<InputMessages, 18> m;
  for (int n = 0; n < 6; ++n)
    for (int k = 0; k < 3; ++k) {
      const std::string what = std::string(kPlaces[static_cast<size_t>(k)]) + " " +
                               kCommands[static_cast<size_t>(n)] + " input ";
      const std::string value = InputDefault(n) == 0 ? "Zero." : "One.";
      m[static_cast<size_t>(3 * n + k)] = {what + "out of range %0:s setting value changed to " + value,
                                           what + "not found. Setting value changed to " + value};
    }
  return m;
}();

struct Target {
  ControlOf control;
  Handler handler;
};
// Command by command, Local, Remote, Auto.
const std::array<Target, 18> kInputTargets = {{
    {ED(cbLocStart_Ff, cbLocStart_FfChange)},   {ED(cbRemStart_Ff, cbRemStart_FfChange)},
    {ED(cbAutoStart_Ff, cbAutoStart_FfChange)}, {ED(cbLocStart_Fs, cbLocStart_FsChange)},
    {ED(cbRemStart_Fs, cbRemStart_FsChange)},   {ED(cbAutoStart_Fs, cbAutoStart_FsChange)},
    {ED(cbLocStart_Rf, cbLocStart_RfChange)},   {ED(cbRemStart_Rf, cbRemStart_RfChange)},
    {ED(cbAutoStart_Rf, cbAutoStart_RfChange)}, {ED(cbLocStart_Rs, cbLocStart_RsChange)},
    {ED(cbRemStart_Rs, cbRemStart_RsChange)},   {ED(cbAutoStart_Rs, cbAutoStart_RsChange)},
    {ED(cbLocInterlock, cbLocInterlockChange)}, {ED(cbRemInterlock, cbRemInterlockChange)},
    {ED(cbAutoInterlock, cbAutoInterlockChange)}, {ED(cbLocStop, cbLocStopChange)},
    {ED(cbRemStop, cbRemStopChange)},           {ED(cbAutoStop, cbAutoStopChange)},
}};

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

// clang-format off
const std::array<RowSpec, 9> kTimerReadRows = {
    Timer(0, 3, ED(sePreWarnTime, sePreWarnTimeChange), 0,
          "Pre start warning timer out of range %0:s setting value changed to 00.",
          "Pre start warning timer not found. Setting value changed to 00."),
    Timer(1, 2, ED(seExecTime, seExecTimeChange), 1,
          "Execution timer out of range %0:s setting value changed to 01.",
          "Execution timer not found. Setting value changed to 01."),
    Timer(2, 4, ED(seFeedbackTime, seFeedbackTimeChange), 500,
          "Feedback timer out of range %0:s setting value changed to 0500.",
          "Feedback timer not found. Setting value changed to 0500.",
          "Feedback timer %0:s not a increment of 50 setting value changed to %1:0.4d."),
    Timer(3, 3, ED(seBackSpinTime, seBackSpinTimeChange), 1,
          "Back spin timer out of range %0:s setting value changed to 001.",
          "Back spin timer not found. Setting value changed to 001."),
    Timer(4, 4, ED(seDC_BreakTime, seDC_BreakTimeChange), 0,
          "DC braking timer out of range %0:s setting value changed to 0000.",
          "DC braking timer not found. Setting value changed to 0000.",
          "DC braking timer %0:s not a increment of 50 setting value changed to %1:0.4d."),
    Timer(5, 3, ED(seRestartTime, seRestartTimeChange), 0,
          "Restart timer out of range %0:s setting value changed to 000.",
          "Restart timer not found. Setting value changed to 000."),
    Timer(6, 2, ED(seStarMaxTime, seStarMaxTimeChange), 1,
          "Star maximum timer out of range %0:s setting value changed to 01.",
          "Star maximum timer not found. Setting value changed to 01."),
    Timer(7, 4, ED(seTransitionTime, seTransitionTimeChange), 0,
          "Transition timer out of range %0:s setting value changed to 0000.",
          "Transition timer not found. Setting value changed to 0000.",
          "Transition timer %0:s not a increment of 50 setting value changed to %1:0.4d."),
    Timer(8, 4, ED(seFrozenContactTime, seFrozenContactTimeChange), 0,
          "Unauthorized current timer out of range %0:s setting value changed to 0000.",
          "Unauthorized current timer not found. Setting value changed to 0000.",
          "Unauthorized current timer %0:s not a increment of 50 setting value changed to %1:0.4d."),
};

const std::array<RowSpec, 8> kExtModuleReadRows = {
    Delay(8, ED(seDF_DelTime_8, seDF_DelTime_8Change)),
    Delay(9, ED(seDF_DelTime_9, seDF_DelTime_9Change)),
    Delay(10, ED(seDF_DelTime_10, seDF_DelTime_10Change)),
    Delay(11, ED(seDF_DelTime_11, seDF_DelTime_11Change)),
    Delay(12, ED(seDF_DelTime_12, seDF_DelTime_12Change)),
    Delay(13, ED(seDF_DelTime_13, seDF_DelTime_13Change)),
    Delay(14, ED(seDF_DelTime_14, seDF_DelTime_14Change)),
    Delay(15, ED(seDF_DelTime_15, seDF_DelTime_15Change)),
};
// clang-format on

#undef ED

}  // namespace

void ReadLocationSection(ReadContext& ctx) { ReadRows(ctx, kLocationReadRows); }
void ReadStarterInputSection(ReadContext& ctx) { ReadRows(ctx, kInputReadRows); }
void ReadStarterTimerSection(ReadContext& ctx) { ReadRows(ctx, kTimerReadRows); }
void ReadExtModuleSection(ReadContext& ctx) { ReadRows(ctx, kExtModuleReadRows); }

void VisitStarterRows(const RowVisitor& visit) {
  for (std::span<const RowSpec> rows : {std::span<const RowSpec>(kLocationReadRows), std::span<const RowSpec>(kInputReadRows),
                                        std::span<const RowSpec>(kTimerReadRows), std::span<const RowSpec>(kExtModuleReadRows)})
    for (const RowSpec& row : rows) visit(row);
}

}  // namespace reader
