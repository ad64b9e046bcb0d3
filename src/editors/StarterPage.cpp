// The Starter Configuration page: the editors of the starter record (rows 1 to 30 of its grid) as
// one table walked by the Settings page's generic editor code, the load of a starter record read,
// and the page's named handlers.
#include "editors/SettingsEditors.h"
#include "main/ControlOf.h"
#include "main/Main.h"

namespace editors::settings {
namespace {

using wire::RecordId;

// A signal selector: the item index of signal-name table 02 or 03, three digits.
constexpr EditorSpec Signal(const char* name, ControlOf c, int row, Items table) {
  // clang-format off
  return {name, c, Kind::Combo, RecordId::StartConf, row, 3, 0, 0, 0, 0, false, -1, nullptr, table, -1, -1,
          Special::None, nullptr, Load::Item, Exit::None, 0, 0, 0, nullptr, false};
  // clang-format on
}

// A starter timer: loaded by value, with its exit check (family 1 or 2) and default.
constexpr EditorSpec Timer(const char* name, ControlOf c, int row, int digits, int min, int max,
                           int step, int maxLength, int initial, Exit check, int def,
                           bool buttonsOnly = false) {
  // clang-format off
  return {name, c, Kind::Spin, RecordId::StartConf, row, digits, min, max, step, maxLength, buttonsOnly,
          initial, nullptr, Items::None, -1, -1, Special::None, nullptr, Load::Value, check, def, 0, 0,
          nullptr, false};
  // clang-format on
}

constexpr Items T02 = Items::Signal02, T03 = Items::Signal03;
using enum Exit;

// clang-format off
const EditorSpec kStarterEditors[] = {
  Signal(NAMED_FIELD(cbControlSelectorLsb),  1, T02),
  Signal(NAMED_FIELD(cbControlSelectorMsb),  2, T02),
  Signal(NAMED_FIELD(cbLocStart_Ff),         3, T03),
  Signal(NAMED_FIELD(cbLocStart_Fs),         4, T03),
  Signal(NAMED_FIELD(cbLocStart_Rf),         5, T03),
  Signal(NAMED_FIELD(cbLocStart_Rs),         6, T03),
  Signal(NAMED_FIELD(cbLocInterlock),        7, T03),
  Signal(NAMED_FIELD(cbLocStop),             8, T03),
  Signal(NAMED_FIELD(cbRemStart_Ff),         9, T03),
  Signal(NAMED_FIELD(cbRemStart_Fs),        10, T03),
  Signal(NAMED_FIELD(cbRemStart_Rf),        11, T03),
  Signal(NAMED_FIELD(cbRemStart_Rs),        12, T03),
  Signal(NAMED_FIELD(cbRemInterlock),       13, T03),
  Signal(NAMED_FIELD(cbRemStop),            14, T03),
  Signal(NAMED_FIELD(cbAutoStart_Ff),       15, T03),
  Signal(NAMED_FIELD(cbAutoStart_Fs),       16, T03),
  Signal(NAMED_FIELD(cbAutoStart_Rf),       17, T03),
  Signal(NAMED_FIELD(cbAutoStart_Rs),       18, T03),
  Signal(NAMED_FIELD(cbAutoInterlock),      19, T03),
  Signal(NAMED_FIELD(cbAutoStop),           20, T03),
  //             editor                    row dig  min   max step len  init  exit          default
  Timer(NAMED_FIELD(sePreWarnTime),         21, 5,   0,  999,   1,  3,  600, EmptyDefault,   30),
  Timer(NAMED_FIELD(seExecTime),            22, 3,   0,   10,   1,  2,    2, EmptyDefault,    2),
  Timer(NAMED_FIELD(seFeedbackTime),        23, 5,   0, 2000,  50,  4,  200, Multiple50,    200),
  Timer(NAMED_FIELD(seBackSpinTime),        24, 5,   0,  999,   1,  3,   60, EmptyDefault,   30),
  Timer(NAMED_FIELD(seDC_BreakTime),        25, 5,   0, 3000,  50,  0, 2000, Multiple50,   2000),
  Timer(NAMED_FIELD(seRestartTime),         26, 5,   0,  600,   1,  0,    0, EmptyDefault,   30),
  Timer(NAMED_FIELD(seStarMaxTime),         27, 3,   1,   60,   1,  3,   20, EmptyDefault,   20),
  Timer(NAMED_FIELD(seTransitionTime),      28, 5,   0, 2000,  50,  4, 2000, Multiple50,   1000),
  Timer(NAMED_FIELD(seFrozenContactTime),   29, 5,   0, 2000,  50,  4, 2000, Multiple50,   2000, true),
  Signal(NAMED_FIELD(cbFeedback),           30, T03),
};
// clang-format on

}  // namespace

std::span<const EditorSpec> StarterEditors() { return kStarterEditors; }

}  // namespace editors::settings

void TForm1::InitStarterPages() {
  for (const editors::settings::EditorSpec& e : editors::settings::StarterEditors())
    editors::settings::SetUpEditor(*this, e);
  for (const editors::settings::EditorSpec& e : editors::settings::ExtModuleEditors())
    editors::settings::SetUpEditor(*this, e);
  labRestartTime.SetHint("* 0 sec setting = Diable");
  stS1.SetHint("Fast forward");
  stS2.SetHint("Slow forward");
  stS3.SetHint("Fast reverse");
  stS4.SetHint("Slow reverse");
  mbStarterType.ReadOnly = true;
  mbStarterType.MaxLength = 32;
}

void TForm1::LoadStarterRecordEditors() {
  editors::settings::LoadEditors(*this, editors::settings::StarterEditors());
}

// ---- Named handlers: each the generic code for its editor ----

void TForm1::cbControlSelectorLsbChange() { SettingChange(cbControlSelectorLsb); }
void TForm1::cbControlSelectorMsbChange() { SettingChange(cbControlSelectorMsb); }
void TForm1::cbLocStart_FfChange() { SettingChange(cbLocStart_Ff); }
void TForm1::cbLocStart_FsChange() { SettingChange(cbLocStart_Fs); }
void TForm1::cbLocStart_RfChange() { SettingChange(cbLocStart_Rf); }
void TForm1::cbLocStart_RsChange() { SettingChange(cbLocStart_Rs); }
void TForm1::cbLocInterlockChange() { SettingChange(cbLocInterlock); }
void TForm1::cbLocStopChange() { SettingChange(cbLocStop); }
void TForm1::cbRemStart_FfChange() { SettingChange(cbRemStart_Ff); }
void TForm1::cbRemStart_FsChange() { SettingChange(cbRemStart_Fs); }
void TForm1::cbRemStart_RfChange() { SettingChange(cbRemStart_Rf); }
void TForm1::cbRemStart_RsChange() { SettingChange(cbRemStart_Rs); }
void TForm1::cbRemInterlockChange() { SettingChange(cbRemInterlock); }
void TForm1::cbRemStopChange() { SettingChange(cbRemStop); }
void TForm1::cbAutoStart_FfChange() { SettingChange(cbAutoStart_Ff); }
void TForm1::cbAutoStart_FsChange() { SettingChange(cbAutoStart_Fs); }
void TForm1::cbAutoStart_RfChange() { SettingChange(cbAutoStart_Rf); }
void TForm1::cbAutoStart_RsChange() { SettingChange(cbAutoStart_Rs); }
void TForm1::cbAutoInterlockChange() { SettingChange(cbAutoInterlock); }
void TForm1::cbAutoStopChange() { SettingChange(cbAutoStop); }
void TForm1::sePreWarnTimeChange() { SettingChange(sePreWarnTime); }
void TForm1::seExecTimeChange() { SettingChange(seExecTime); }
void TForm1::seFeedbackTimeChange() { SettingChange(seFeedbackTime); }
void TForm1::seBackSpinTimeChange() { SettingChange(seBackSpinTime); }
void TForm1::seDC_BreakTimeChange() { SettingChange(seDC_BreakTime); }
void TForm1::seRestartTimeChange() { SettingChange(seRestartTime); }
void TForm1::seStarMaxTimeChange() { SettingChange(seStarMaxTime); }
void TForm1::seTransitionTimeChange() { SettingChange(seTransitionTime); }
void TForm1::seFrozenContactTimeChange() { SettingChange(seFrozenContactTime); }
void TForm1::cbFeedbackChange() { SettingChange(cbFeedback); }

void TForm1::sePreWarnTimeExit() { SettingExit(sePreWarnTime); }
void TForm1::seExecTimeExit() { SettingExit(seExecTime); }
void TForm1::seFeedbackTimeExit() { SettingExit(seFeedbackTime); }
void TForm1::seBackSpinTimeExit() { SettingExit(seBackSpinTime); }
void TForm1::seDC_BreakTimeExit() { SettingExit(seDC_BreakTime); }
void TForm1::seRestartTimeExit() { SettingExit(seRestartTime); }
void TForm1::seStarMaxTimeExit() { SettingExit(seStarMaxTime); }
void TForm1::seTransitionTimeExit() { SettingExit(seTransitionTime); }
void TForm1::seFrozenContactTimeExit() { SettingExit(seFrozenContactTime); }
