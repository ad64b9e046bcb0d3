// The actual status record ("*a", 60 characters): nineteen bytes of alarm, trip and function
// status flags and two counters. Every flag drives a lamp (some also copies of it on other pages),
// the PLC input bits fill three grids, and the in-service flag and the insulation resistance decide
// how the insulation display looks.
#include <cstdint>
#include <iterator>

#include "main/LiveRecords.h"
#include "wire/Numeric.h"
#include "main/Main.h"

using namespace wire;

namespace {

constexpr int kStatusLength = 60;

// A lamp of the main window: a plain lamp or a switch lamp of the Test page.
struct LampRef {
  TiLedRectangle TForm1::*Led = nullptr;
  TiSwitchLed TForm1::*Switch = nullptr;
  TiLedRectangle* Get(TForm1& f) const { return Led ? &(f.*Led) : Switch ? &(f.*Switch) : nullptr; }
};
constexpr LampRef L(TiLedRectangle TForm1::*p) { return {p, nullptr}; }
constexpr LampRef S(TiSwitchLed TForm1::*p) { return {nullptr, p}; }

// A flag bit, the lamp it lights and the lamps on other pages that show the same flag.
struct StatusLamp {
  uint8_t TForm1::*Byte;
  uint8_t Mask;
  LampRef Lamp;
  LampRef Copy1 = {};
  LampRef Copy2 = {};
};

using F = TForm1;
// Bits without a row drive nothing.
// clang-format off
constexpr StatusLamp kStatusLamps[] = {
    {&F::ActAlarmF_A, 0x01, L(&F::ledInService)},
    {&F::ActAlarmF_A, 0x02, L(&F::ledEL_af)},
    {&F::ActAlarmF_A, 0x04, L(&F::ledOC_af)},
    {&F::ActAlarmF_A, 0x08, L(&F::ledRunStal_af)},
    {&F::ActAlarmF_A, 0x10, L(&F::ledUnbal_af)},
    {&F::ActAlarmF_A, 0x20, L(&F::ledSinglePhase_af)},
    {&F::ActAlarmF_A, 0x40, L(&F::ledML_af)},
    {&F::ActAlarmF_A, 0x80, L(&F::ledSCirc_af)},
    {&F::ActAlarmF_B, 0x01, L(&F::ledVoltPresent), L(&F::iLedVoltStatus)},
    {&F::ActAlarmF_B, 0x02, L(&F::ledOV_af)},
    {&F::ActAlarmF_B, 0x04, L(&F::ledUV_af)},
    {&F::ActAlarmF_B, 0x08, L(&F::ledVSim_af)},
    {&F::ActAlarmF_B, 0x10, L(&F::ledIsoLockOut_af)},
    {&F::ActAlarmF_B, 0x20, L(&F::iLedLoFreq_af)},
    {&F::ActAlarmF_B, 0x40, L(&F::iLedHiFreq_af)},
    {&F::ActAlarmF_B, 0x80, L(&F::iLedEF_af)},
    {&F::ActAlarmF_C, 0x01, L(&F::ledVectorStall_af)},
    {&F::ActAlarmF_C, 0x02, L(&F::iLedFrozContact_af)},
    {&F::ActAlarmF_C, 0x04, L(&F::iLedRTD1_af)},
    {&F::ActAlarmF_C, 0x08, L(&F::iLedRTD2_af)},
    {&F::ActAlarmF_C, 0x10, L(&F::iLedRTD3_af)},
    {&F::ActAlarmF_C, 0x20, L(&F::iLedRTD4_af)},
    {&F::ActTripF_A, 0x01, L(&F::ledOC_tf)},
    {&F::ActTripF_A, 0x02, L(&F::ledRunStal_tf)},
    {&F::ActTripF_A, 0x04, L(&F::ledUnbal_tf)},
    {&F::ActTripF_A, 0x08, L(&F::ledSinglePhase_tf)},
    {&F::ActTripF_A, 0x10, L(&F::ledML_tf)},
    {&F::ActTripF_A, 0x20, L(&F::ledSCirc_tf)},
    {&F::ActTripF_A, 0x40, L(&F::ledPhaseRot_tf)},
    {&F::ActTripF_A, 0x80, L(&F::ledEL_tf)},
    {&F::ActTripF_B, 0x01, L(&F::ledOV_tf)},
    {&F::ActTripF_B, 0x02, L(&F::ledUV_tf)},
    {&F::ActTripF_B, 0x04, L(&F::ledVSim_tf)},
    {&F::ActTripF_B, 0x08, L(&F::ledIsoLockOut_tf)},
    {&F::ActTripF_B, 0x10, L(&F::iLedLoFreq_tf)},
    {&F::ActTripF_B, 0x20, L(&F::iLedHiFreq_tf)},
    {&F::ActTripF_B, 0x40, L(&F::iLedEF_tf)},
    {&F::ActTripF_B, 0x80, L(&F::iLedLimStartsPerHr_tf)},
    {&F::ActTripF_C, 0x01, L(&F::ledSystemFail_tf)},
    {&F::ActTripF_C, 0x02, L(&F::ledVectorialStall_tf)},
    {&F::ActTripF_C, 0x04, L(&F::iLedFrozContact_tf)},
    {&F::ActTripF_C, 0x08, L(&F::iLedExec_tf), L(&F::iLedExecFault)},
    {&F::ActTripF_C, 0x10, L(&F::iLedFeedBack_tf), L(&F::iLedFeedbackFault)},
    {&F::ActTripF_C, 0x20, L(&F::iLedUnAuthCrnt_tf), L(&F::iLedUnAuthCrntFault)},
    {&F::ActTripF_C, 0x40, L(&F::iLedE_Stop_tf), L(&F::iLedE_StopTrip)},
    {&F::ActTripF_D, 0x01, L(&F::iLedRTD1_tf)},
    {&F::ActTripF_D, 0x02, L(&F::iLedRTD2_tf)},
    {&F::ActTripF_D, 0x04, L(&F::iLedRTD3_tf)},
    {&F::ActTripF_D, 0x08, L(&F::iLedRTD4_tf)},
    {&F::ActFuncStatF_A, 0x01, L(&F::iLedLF1_Output)},
    {&F::ActFuncStatF_A, 0x02, L(&F::iLedLF2_Output)},
    {&F::ActFuncStatF_A, 0x04, L(&F::iLedLF3_Output)},
    {&F::ActFuncStatF_A, 0x08, L(&F::iLedLF4_Output)},
    {&F::ActFuncStatF_A, 0x10, L(&F::iLedLF5_Output)},
    {&F::ActFuncStatF_A, 0x20, L(&F::iLedLF6_Output)},
    {&F::ActFuncStatF_A, 0x40, L(&F::iLedSimIndication)},
    {&F::ActFuncStatF_A, 0x80, L(&F::iLedCntrB_Output)},
    {&F::ActFuncStatF_B, 0x01, L(&F::iLedTmrA_Output)},
    {&F::ActFuncStatF_B, 0x02, L(&F::iLedTmrB_Output)},
    {&F::ActFuncStatF_B, 0x04, L(&F::iLedRTC_Output)},
    {&F::ActFuncStatF_B, 0x08, L(&F::iLedRel_1), L(&F::iLedRelay1), L(&F::iLedRL1)},
    {&F::ActFuncStatF_B, 0x10, L(&F::iLedRel_2), L(&F::iLedRelay2), L(&F::iLedRL2)},
    {&F::ActFuncStatF_B, 0x20, L(&F::iLedRel_3), L(&F::iLedRelay3), L(&F::ILedRL3)},
    {&F::ActFuncStatF_B, 0x40, L(&F::iLedRel_4), L(&F::iLedRelay4), L(&F::iLedRL4)},
    {&F::ActFuncStatF_B, 0x80, L(&F::iLedCntrA_Output)},
    {&F::ActFuncStatF_C, 0x01, L(&F::iLedDF_Inp1), S(&F::islFieldInput1), L(&F::iLedInp1)},
    {&F::ActFuncStatF_C, 0x02, L(&F::iLedDF_Inp2), S(&F::islFieldInput2), L(&F::iLedInp2)},
    {&F::ActFuncStatF_C, 0x04, L(&F::iLedDF_Inp3), S(&F::islFieldInput3), L(&F::iLedInp3)},
    {&F::ActFuncStatF_C, 0x08, L(&F::iLedDF_Inp4), S(&F::islFieldInput4), L(&F::iLedInp4)},
    {&F::ActFuncStatF_C, 0x10, L(&F::iLedDF_Inp5), S(&F::islFieldInput5), L(&F::iLedInp5)},
    {&F::ActFuncStatF_C, 0x20, L(&F::iLedDF_Inp6), S(&F::islFieldInput6), L(&F::iLedInp6)},
    {&F::ActFuncStatF_C, 0x40, L(&F::iLedDF_Inp7), S(&F::islFieldInput7), L(&F::iLedInp7)},
    {&F::ActFuncStatF_D, 0x01, L(&F::iLedStarterOP_1)},
    {&F::ActFuncStatF_D, 0x02, L(&F::iLedStarterOP_2)},
    {&F::ActFuncStatF_D, 0x04, L(&F::iLedStarterOP_3)},
    {&F::ActFuncStatF_D, 0x08, L(&F::iLedStarterOP_4)},
    {&F::ActFuncStatF_D, 0x10, L(&F::iLedStarterOP_5)},
    {&F::ActFuncStatF_G, 0x01, L(&F::iLedTmrA_Output_ms)},
    {&F::ActFuncStatF_G, 0x02, L(&F::iLedTmrB_Output_ms)},
    {&F::ActFuncStatF_G, 0x04, L(&F::iLedFlasher)},
    {&F::ActFuncStatF_G, 0x08, L(&F::iLedLatch)},
    {&F::ActFuncStatF_G, 0x10, L(&F::iLedExtRel_5), L(&F::iLedExtRL_5)},
    {&F::ActFuncStatF_G, 0x20, L(&F::iLedExtRel_6), L(&F::iLedExtRL_6)},
    {&F::ActFuncStatF_G, 0x40, L(&F::iLedExtRel_7), L(&F::iLedExtRL_7)},
    {&F::ActFuncStatF_G, 0x80, L(&F::iLedExtRel_8), L(&F::iLedExtRL_8)},
    {&F::ActFuncStatF_H, 0x01, L(&F::iLedStarterOP_6)},
    {&F::ActFuncStatF_H, 0x02, L(&F::iLedStarterOP_7)},
    {&F::ActFuncStatF_H, 0x04, L(&F::iLedStarterOP_8)},
    {&F::ActFuncStatF_H, 0x08, L(&F::iLedStarterOP_9)},
    {&F::ActFuncStatF_H, 0x20, L(&F::iLedStatusReporter)},
    {&F::ActFuncStatF_H, 0x40, L(&F::iLedPulseGen)},
    {&F::ActFuncStatF_H, 0x80, L(&F::iLedTC_WarnLevel)},
    {&F::ActFuncStatF_I, 0x01, L(&F::iLedRTD1_WarnHi)},
    {&F::ActFuncStatF_I, 0x02, L(&F::iLedRTD1_WarnLo)},
    {&F::ActFuncStatF_I, 0x04, L(&F::iLedRTD2_WarnHi)},
    {&F::ActFuncStatF_I, 0x08, L(&F::iLedRTD2_WarnLo)},
    {&F::ActFuncStatF_I, 0x10, L(&F::iLedRTD3_WarnHi)},
    {&F::ActFuncStatF_I, 0x20, L(&F::iLedRTD3_WarnLo)},
    {&F::ActFuncStatF_I, 0x40, L(&F::iLedRTD4_WarnHi)},
    {&F::ActFuncStatF_I, 0x80, L(&F::iLedRTD4_WarnLo)},
    {&F::ActFuncStatF_J, 0x01, L(&F::iLedDF_Inp8), S(&F::islFieldInput8), L(&F::iLedInp8)},
    {&F::ActFuncStatF_J, 0x02, L(&F::iLedDF_Inp9), S(&F::islFieldInput9), L(&F::iLedInp9)},
    {&F::ActFuncStatF_J, 0x04, L(&F::iLedDF_Inp10), S(&F::islFieldInput10), L(&F::iLedInp10)},
    {&F::ActFuncStatF_J, 0x08, L(&F::iLedDF_Inp11), S(&F::islFieldInput11), L(&F::iLedInp11)},
    {&F::ActFuncStatF_J, 0x10, L(&F::iLedDF_Inp12), S(&F::islFieldInput12), L(&F::iLedInp12)},
    {&F::ActFuncStatF_J, 0x20, L(&F::iLedDF_Inp13), S(&F::islFieldInput13), L(&F::iLedInp13)},
    {&F::ActFuncStatF_J, 0x40, L(&F::iLedDF_Inp14), S(&F::islFieldInput14), L(&F::iLedInp14)},
    {&F::ActFuncStatF_J, 0x80, L(&F::iLedDF_Inp15), S(&F::islFieldInput15), L(&F::iLedInp15)},
};
// clang-format on

// Lights or darkens the lamps of rows [from, to). Setting a lamp runs nothing (a switch lamp's
// click handler is the user's, not the relay's), so each copy simply follows its own lamp.
void ShowLamps(TForm1& f, size_t from, size_t to) {
  for (size_t i = from; i < to && i < std::size(kStatusLamps); ++i) {
    const StatusLamp& row = kStatusLamps[i];
    TiLedRectangle* lamp = row.Lamp.Get(f);
    lamp->SetActive(f.LED_Cntrl(f.*(row.Byte), row.Mask));
    for (const LampRef& copy : {row.Copy1, row.Copy2})
      if (TiLedRectangle* c = copy.Get(f)) c->SetActive(lamp->Active());
  }
}

// The first row of a byte's bit (or the end of the table).
constexpr size_t RowOf(uint8_t TForm1::*byte, uint8_t mask) {
  for (size_t i = 0; i < std::size(kStatusLamps); ++i)
    if (kStatusLamps[i].Byte == byte && kStatusLamps[i].Mask == mask) return i;
  return std::size(kStatusLamps);
}

// The PLC input bits: a byte, the Actual page grid that shows it as a column, and the column of
// the Control Logic page's row that shows its bit 0 (higher bits go leftwards).
struct PlcByte {
  uint8_t TForm1::*Byte;
  TStringGrid TForm1::*Column;
  int InputsColBit0;
};
constexpr PlcByte kPlcBytes[] = {
    {&F::ActFuncStatF_E, &F::sgPLC_lsb, 15},
    {&F::ActFuncStatF_F, &F::sgPLC_msb, 7},
};

void ShowPlcInputs(TForm1& f) {
  for (const PlcByte& p : kPlcBytes) {
    const uint8_t v = f.*(p.Byte);
    for (int k = 0; k < 8; ++k)
      (f.*(p.Column)).SetCell(1, k, f.BinConv(v, static_cast<uint8_t>(1 << k)));
    for (int k = 0; k < 8; ++k)
      f.sgPLC_inputs.SetCell(p.InputsColBit0 - k, 1, f.BinConv(v, static_cast<uint8_t>(1 << k)));
  }
}

void ShowInsulationDisplay(TForm1& f) {
  // The insulation is only measured while the motor stands.
  const bool inService = f.ActAlarmF_A & 0x01;
  for (TControl* c : {static_cast<TControl*>(&f.mbIsolationResistance),
                      static_cast<TControl*>(&f.Label188), static_cast<TControl*>(&f.Label170)})
    c->SetVisible(!inService);
  const double r = f.ActIsolation;
  f.mbIsolationResistance.SetColor(r <= 20 ? clRed : r < 50 ? clYellow : clLime);
}

void ColourHighestVoltage(TForm1& f) {
  if (f.ledOV_af.Active() || f.ledUV_af.Active())
    f.mbVmaxLevel.SetColor(clYellow);
  else
    f.mbVmaxLevel.SetColor(f.mbVmaxLevel.Text() == "0" ? clWindow : clLime);
}

}  // namespace

void ShowActualStatus(TForm1& f, const std::string& b) {
  if (b.size() != kStatusLength || !DigitsAt(b, 3, 59)) return;

  // The link has put the record's bytes into the model already.
  f.mbActCntA.SetText(DecStr(f.ActCounterACount));
  f.mbActCntB.SetText(DecStr(f.ActCounterBCount));
  ShowInsulationDisplay(f);

  // Lamps in table order; the voltage box's colour needs the over- and undervoltage alarms, the
  // PLC grids come where their bytes stand in the record.
  constexpr size_t kAfterVoltageAlarms = RowOf(&F::ActAlarmF_B, 0x08);
  constexpr size_t kFunctionG = RowOf(&F::ActFuncStatF_G, 0x01);
  ShowLamps(f, 0, kAfterVoltageAlarms);
  ColourHighestVoltage(f);
  ShowLamps(f, kAfterVoltageAlarms, kFunctionG);
  ShowPlcInputs(f);
  ShowLamps(f, kFunctionG, std::size(kStatusLamps));
}
