#include "editors/LogicEditors.h"

#include <climits>

#include "main/ControlOf.h"
#include "main/Main.h"

namespace editors::logic {
namespace {

constexpr int kNoExitCheck = INT_MIN;

// Row builders, one per kind, so that each row below reads as the editor's own line.
constexpr LogicEditor Signal(const char* name, ControlOf c, int row, int table) {
  return {name, c, Kind::Signal, row, 3, 0, 0, 0, false, 0, table, 0, false, false, 0};
}
constexpr LogicEditor Spin(const char* name, ControlOf c, int row, int digits, int min, int max,
                           int maxLength, int initial, int exitDefault = kNoExitCheck) {
  // clang-format off
  return {name, c, Kind::Spin, row, digits, min, max, maxLength, false, initial, 0, 0, false,
          exitDefault != kNoExitCheck, exitDefault == kNoExitCheck ? 0 : exitDefault};
  // clang-format on
}
// Functions 1, 4, 5 and 6 take their mask from the generator only (3 characters); 2 and 3 can
// also be typed into (8 characters).
constexpr LogicEditor Mask(const char* name, ControlOf c, int row, int function, bool typeable) {
  // clang-format off
  return {name, c, Kind::Mask, row, 3, 0, kMaskMax, typeable ? 8 : 3, false, 0, 0, function,
          typeable, false, 0};
  // clang-format on
}
constexpr LogicEditor ButtonsOnly(LogicEditor e) {
  e.ButtonsOnly = true;
  return e;
}

// clang-format off
// Columns: Mask(editor, row, function, typeable); Signal(editor, row, signal-name table);
// Spin(editor, row, digits, min, max, max length, initial[, default of the empty-box exit check]).
const LogicEditor kEditors[] = {
  Mask(NAMED_FIELD(ebLF1_Table),  1, 1, false),
  Signal(NAMED_FIELD(cbLF1_InputA),  2, 1),
  Signal(NAMED_FIELD(cbLF1_InputB),  3, 1),
  Signal(NAMED_FIELD(cbLF1_InputC),  4, 1),
  Mask(NAMED_FIELD(ebLF2_Table),  5, 2, true),
  Signal(NAMED_FIELD(cbLF2_InputA),  6, 1),
  Signal(NAMED_FIELD(cbLF2_InputB),  7, 1),
  Signal(NAMED_FIELD(cbLF2_InputC),  8, 1),
  Mask(NAMED_FIELD(ebLF3_Table),  9, 3, true),
  Signal(NAMED_FIELD(cbLF3_InputA), 10, 1),
  Signal(NAMED_FIELD(cbLF3_InputB), 11, 1),
  Signal(NAMED_FIELD(cbLF3_InputC), 12, 1),
  Mask(NAMED_FIELD(ebLF4_Table), 13, 4, false),
  Signal(NAMED_FIELD(cbLF4_InputA), 14, 1),
  Signal(NAMED_FIELD(cbLF4_InputB), 15, 1),
  Signal(NAMED_FIELD(cbLF4_InputC), 16, 1),
  Mask(NAMED_FIELD(ebLF5_Table), 17, 5, false),
  Signal(NAMED_FIELD(cbLF5_InputA), 18, 1),
  Signal(NAMED_FIELD(cbLF5_InputB), 19, 1),
  Signal(NAMED_FIELD(cbLF5_InputC), 20, 1),
  Mask(NAMED_FIELD(ebLF6_Table), 21, 6, false),
  Signal(NAMED_FIELD(cbLF6_InputA), 22, 1),
  Signal(NAMED_FIELD(cbLF6_InputB), 23, 1),
  Signal(NAMED_FIELD(cbLF6_InputC), 24, 1),
  Spin(NAMED_FIELD(seTmrA_TimeLim), 25, 5,    1, 3000, 4,   1),
  Signal(NAMED_FIELD(cbTmrA_Start), 26, 1),
  Signal(NAMED_FIELD(cbTmrA_Reset), 27, 1),
  Spin(NAMED_FIELD(seTmrB_TimeLim), 28, 5,    1, 3000, 4,   1),
  Signal(NAMED_FIELD(cbTmrB_Start), 29, 1),
  Signal(NAMED_FIELD(cbTmrB_Reset), 30, 1),
  Spin(NAMED_FIELD(seRTC_StartHr), 31, 3,    0,   23, 2,   0, 0),
  Spin(NAMED_FIELD(seRTC_StartMin), 32, 3,    0,   59, 2,   0, 0),
  Spin(NAMED_FIELD(seRTC_StopHr), 33, 3,    0,   23, 2,   0, 0),
  Spin(NAMED_FIELD(seRTC_StopMin), 34, 3,    0,   59, 2,   0, 0),
  Signal(NAMED_FIELD(cbRelay_1_Input), 35, 1),
  Signal(NAMED_FIELD(cbRelay_2_Input), 36, 1),
  Signal(NAMED_FIELD(cbRelay_3_Input), 37, 1),
  Signal(NAMED_FIELD(cbRelay_4_Input), 38, 1),
  Spin(NAMED_FIELD(seCntrA_CntLimit), 39, 3,    1,  250, 3,   1, 1),
  Signal(NAMED_FIELD(cbCntrA_InputUp), 40, 1),
  Signal(NAMED_FIELD(cbCntrA_InputDn), 41, 1),
  Signal(NAMED_FIELD(cbCntrA_Reset), 42, 1),
  Spin(NAMED_FIELD(seCntrB_CntLimit), 43, 3,    1,  250, 3,   1, 1),
  Signal(NAMED_FIELD(cbCntrB_InputUp), 44, 1),
  Signal(NAMED_FIELD(cbCntrB_InputDn), 45, 1),
  Signal(NAMED_FIELD(cbCntrB_Reset), 46, 1),
  Signal(NAMED_FIELD(cbPulseGen_Input), 47, 1),
  Spin(NAMED_FIELD(sePG_Period), 48, 5,    1,  250, 3,   1, 1),
  Spin(NAMED_FIELD(sePG_DutyCycle), 49, 3,    1,   99, 2,   1, 1),
  Signal(NAMED_FIELD(cbLatch_SetInput), 50, 1),
  Signal(NAMED_FIELD(cbLatch_ResetInput), 51, 1),
  Signal(NAMED_FIELD(cbExtReset), 52, 3),
  ButtonsOnly(Spin(NAMED_FIELD(seTC_WarnLevel), 53, 3,    0,  100, 3, 100, 85)),
  Signal(NAMED_FIELD(cbExtRelay_5_Input), 54, 1),
  Signal(NAMED_FIELD(cbExtRelay_6_Input), 55, 1),
  Signal(NAMED_FIELD(cbExtRelay_7_Input), 56, 1),
  Signal(NAMED_FIELD(cbExtRelay_8_Input), 57, 1),
  Spin(NAMED_FIELD(seRTD1_WarnHiLev), 58, 3,  -30,  220, 3,   0, 30),
  Spin(NAMED_FIELD(seRTD1_WarnLoLev), 59, 3,  -30,  220, 3,   0, 30),
  Spin(NAMED_FIELD(seRTD2_WarnHiLev), 60, 3,  -30,  220, 3,   0, 30),
  Spin(NAMED_FIELD(seRTD2_WarnLoLev), 61, 3,  -30,  220, 3,   0, 30),
  Spin(NAMED_FIELD(seRTD3_WarnHiLev), 62, 3,  -30,  220, 3,   0, 30),
  Spin(NAMED_FIELD(seRTD3_WarnLoLev), 63, 3,  -30,  220, 3,   0, 30),
  Spin(NAMED_FIELD(seRTD4_WarnHiLev), 64, 3,  -30,  220, 3,   0, 30),
  Spin(NAMED_FIELD(seRTD4_WarnLoLev), 65, 3,  -30,  220, 3,   0, 30),
  Signal(NAMED_FIELD(cbE_Stop_Input), 66, 3),
};
// clang-format on

}  // namespace

std::span<const LogicEditor> LogicEditors() { return kEditors; }

const LogicEditor* FindLogicEditor(TForm1& form, const TControl& control) {
  for (const LogicEditor& e : kEditors)
    if (&e.Control(form) == &control) return &e;
  return nullptr;
}

const LogicEditor& MaskEditor(int function) {
  // Function n's mask is row 4n - 3, the table's row 4n - 4.
  return kEditors[static_cast<size_t>(4 * (function - 1))];
}

uint8_t& TableByte(TForm1& form, int function) {
  static constexpr uint8_t TForm1::*kBytes[] = {&TForm1::ActLF1_Table, &TForm1::ActLF2_Table,
                                                &TForm1::ActLF3_Table, &TForm1::ActLF4_Table,
                                                &TForm1::ActLF5_Table, &TForm1::ActLF6_Table};
  return form.*kBytes[static_cast<size_t>(function - 1)];
}

int GeneratorLeft(int function) {
  constexpr int kLeft[] = {76, 76, 252, 252, 428, 428};
  return function >= 1 && function <= 6 ? kLeft[function - 1] : kLeft[0];
}

}  // namespace editors::logic
