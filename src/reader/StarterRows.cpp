// The starter and external module sections read back into the editors of the Starter
// Configuration and External Modules pages. The labels are the writer's (report/StarterSections.h)
// and the signal names its tables, so the reader finds what the writer wrote. The three starter
// input rows of one command share one line and one label: Remote and Auto lie 17 and 34
// characters further on.
#include <array>

#include "main/Main.h"
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

// clang-format off
const std::array<RowSpec, 18> kInputReadRows = {
    Input(0, 0, ED(cbLocStart_Ff, cbLocStart_FfChange), 0,
          "Local start fast forward input out of range %0:s setting value changed to Zero.",
          "Local start fast forward input not found. Setting value changed to Zero."),
    Input(0, 1, ED(cbRemStart_Ff, cbRemStart_FfChange), 0,
          "Remote start fast forward input out of range %0:s setting value changed to Zero.",
          "Remote start fast forward input not found. Setting value changed to Zero."),
    Input(0, 2, ED(cbAutoStart_Ff, cbAutoStart_FfChange), 0,
          "Auto start fast forward input out of range %0:s setting value changed to Zero.",
          "Auto start fast forward input not found. Setting value changed to Zero."),
    Input(1, 0, ED(cbLocStart_Fs, cbLocStart_FsChange), 0,
          "Local start slow forward input out of range %0:s setting value changed to Zero.",
          "Local start slow forward input not found. Setting value changed to Zero."),
    Input(1, 1, ED(cbRemStart_Fs, cbRemStart_FsChange), 0,
          "Remote start slow forward input out of range %0:s setting value changed to Zero.",
          "Remote start slow forward input not found. Setting value changed to Zero."),
    Input(1, 2, ED(cbAutoStart_Fs, cbAutoStart_FsChange), 0,
          "Auto start slow forward input out of range %0:s setting value changed to Zero.",
          "Auto start slow forward input not found. Setting value changed to Zero."),
    Input(2, 0, ED(cbLocStart_Rf, cbLocStart_RfChange), 0,
          "Local start fast reverse input out of range %0:s setting value changed to Zero.",
          "Local start fast reverse input not found. Setting value changed to Zero."),
    Input(2, 1, ED(cbRemStart_Rf, cbRemStart_RfChange), 0,
          "Remote start fast reverse input out of range %0:s setting value changed to Zero.",
          "Remote start fast reverse input not found. Setting value changed to Zero."),
    Input(2, 2, ED(cbAutoStart_Rf, cbAutoStart_RfChange), 0,
          "Auto start fast reverse input out of range %0:s setting value changed to Zero.",
          "Auto start fast reverse input not found. Setting value changed to Zero."),
    Input(3, 0, ED(cbLocStart_Rs, cbLocStart_RsChange), 0,
          "Local start slow reverse input out of range %0:s setting value changed to Zero.",
          "Local start slow reverse input not found. Setting value changed to Zero."),
    Input(3, 1, ED(cbRemStart_Rs, cbRemStart_RsChange), 0,
          "Remote start slow reverse input out of range %0:s setting value changed to Zero.",
          "Remote start slow reverse input not found. Setting value changed to Zero."),
    Input(3, 2, ED(cbAutoStart_Rs, cbAutoStart_RsChange), 0,
          "Auto start slow reverse input out of range %0:s setting value changed to Zero.",
          "Auto start slow reverse input not found. Setting value changed to Zero."),
    Input(4, 0, ED(cbLocInterlock, cbLocInterlockChange), 1,
          "Local interlock input out of range %0:s setting value changed to One.",
          "Local interlock input not found. Setting value changed to One."),
    Input(4, 1, ED(cbRemInterlock, cbRemInterlockChange), 1,
          "Remote interlock input out of range %0:s setting value changed to One.",
          "Remote interlock input not found. Setting value changed to One."),
    Input(4, 2, ED(cbAutoInterlock, cbAutoInterlockChange), 1,
          "Auto interlock input out of range %0:s setting value changed to One.",
          "Auto interlock input not found. Setting value changed to One."),
    Input(5, 0, ED(cbLocStop, cbLocStopChange), 1,
          "Local stop input out of range %0:s setting value changed to One.",
          "Local stop input not found. Setting value changed to One."),
    Input(5, 1, ED(cbRemStop, cbRemStopChange), 1,
          "Remote stop input out of range %0:s setting value changed to One.",
          "Remote stop input not found. Setting value changed to One."),
    Input(5, 2, ED(cbAutoStop, cbAutoStopChange), 1,
          "Auto stop input out of range %0:s setting value changed to One.",
          "Auto stop input not found. Setting value changed to One."),
};

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

}  // namespace reader
