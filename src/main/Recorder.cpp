// The Recorder page: a strip chart of 120 channels sampled every 500 ms (by the page refresh)
// from the display boxes, lamps and PLC input grid the live parsers keep, whatever page is shown.
// Each channel keeps 3000 points, 25 minutes at two samples a second; the chart shows the last
// minute. Thirteen check boxes show or hide groups of channels.
#include <iterator>
#include <vector>

#include "main/Main.h"
#include "platform/rtl/SysUtils.h"

namespace {

// The check box groups, in the order the sample reads them; the channels no box hides come first
// (0..8) and between the trips and the temperatures (115).
enum class Group {
  Always,
  DigitalInputs,
  ExtDigitalInputs,
  Relays,
  ExtRelays,
  PlcInputs,
  Counters,
  Timers,
  LogicFunctions,
  Latch,
  Other,
  Alarms,
  Trips,
  Frequency,
  Temperatures
};
// clang-format off
constexpr Group kSampleOrder[] = {
    Group::Always,   Group::DigitalInputs,  Group::ExtDigitalInputs, Group::Relays, Group::ExtRelays,
    Group::PlcInputs, Group::Counters,      Group::Timers,           Group::LogicFunctions, Group::Latch,
    Group::Other,    Group::Alarms,         Group::Trips,            Group::Frequency, Group::Temperatures,
};
// clang-format on

struct GroupBox {
  Group Which;
  TCheckBox TForm1::*Box;
};
// clang-format off
constexpr GroupBox kGroupBoxes[] = {
    {Group::DigitalInputs, &TForm1::cb_RecDF_InpVis},  {Group::ExtDigitalInputs, &TForm1::cb_RecExtDF_InpVis},
    {Group::Relays, &TForm1::cb_RecRelVis},            {Group::ExtRelays, &TForm1::cb_RecExtRelVis},
    {Group::PlcInputs, &TForm1::cb_RecPLC_InpVis},     {Group::Counters, &TForm1::cb_RecCntrVis},
    {Group::Timers, &TForm1::cb_RecTmrVis},            {Group::LogicFunctions, &TForm1::cb_RecLF_Vis},
    {Group::Latch, &TForm1::cb_RecLatchVis},           {Group::Other, &TForm1::cb_RecOtherVis},
    {Group::Alarms, &TForm1::cb_RecAFVis},             {Group::Trips, &TForm1::cb_RecTFVis},
    {Group::Temperatures, &TForm1::cb_RecRTDVis},
};
// clang-format on

// One channel: its title, its group and its source: a display box read as a whole number, a
// lamp (1 lit), or a cell of row 1 of the PLC input grid (1 when its text starts with "1").
struct Channel {
  const char* Title;
  Group In;
  TEdit TForm1::*Box = nullptr;
  TiLedRectangle TForm1::*Lamp = nullptr;
  int PlcColumn = -1;
};
using F = TForm1;
constexpr Channel N(const char* t, Group g, TEdit F::*box) { return {t, g, box, nullptr, -1}; }
constexpr Channel L(const char* t, Group g, TiLedRectangle F::*lamp) {
  return {t, g, nullptr, lamp, -1};
}
constexpr Channel P(const char* t, int bit) {
  return {t, Group::PlcInputs, nullptr, nullptr, 16 - bit};
}
constexpr Group A = Group::Alarms, T = Group::Trips;

// clang-format off
constexpr Channel kChannels[] = {
    N("V_red", Group::Always, &F::mbVR_Level),
    N("V_white", Group::Always, &F::mbVW_Level),
    N("V_blue", Group::Always, &F::mbVB_Level),
    N("ThermalCap", Group::Always, &F::mbThermalCap),
    N("PwrFactor", Group::Always, &F::mbPowerFactor),
    N("I_red", Group::Always, &F::mbIR_Level),
    N("I_white", Group::Always, &F::mbIW_Level),
    N("I_blue", Group::Always, &F::mbIB_Level),
    N("EL Level", Group::Always, &F::mbEarthLeakage),
    L("DF_01", Group::DigitalInputs, &F::iLedDF_Inp1),
    L("DF_02", Group::DigitalInputs, &F::iLedDF_Inp2),
    L("DF_03", Group::DigitalInputs, &F::iLedDF_Inp3),
    L("DF_04", Group::DigitalInputs, &F::iLedDF_Inp4),
    L("DF_05", Group::DigitalInputs, &F::iLedDF_Inp5),
    L("DF_06", Group::DigitalInputs, &F::iLedDF_Inp6),
    L("DF_07", Group::DigitalInputs, &F::iLedDF_Inp7),
    L("DF_08", Group::ExtDigitalInputs, &F::iLedDF_Inp8),
    L("DF_09", Group::ExtDigitalInputs, &F::iLedDF_Inp9),
    L("DF_10", Group::ExtDigitalInputs, &F::iLedDF_Inp10),
    L("DF_11", Group::ExtDigitalInputs, &F::iLedDF_Inp11),
    L("DF_12", Group::ExtDigitalInputs, &F::iLedDF_Inp12),
    L("DF_13", Group::ExtDigitalInputs, &F::iLedDF_Inp13),
    L("DF_14", Group::ExtDigitalInputs, &F::iLedDF_Inp14),
    L("DF_15", Group::ExtDigitalInputs, &F::iLedDF_Inp15),
    L("Relay 1", Group::Relays, &F::iLedRel_1),
    L("Relay 2", Group::Relays, &F::iLedRel_2),
    L("Relay 3", Group::Relays, &F::iLedRel_3),
    L("Relay 4", Group::Relays, &F::iLedRel_4),
    L("Relay 5", Group::ExtRelays, &F::iLedExtRL_5),
    L("Relay 6", Group::ExtRelays, &F::iLedExtRL_6),
    L("Relay 7", Group::ExtRelays, &F::iLedExtRL_7),
    L("Relay 8", Group::ExtRelays, &F::iLedExtRL_8),
    P("PLC Bit 01", 1), P("PLC Bit 02", 2), P("PLC Bit 03", 3), P("PLC Bit 04", 4),
    P("PLC Bit 05", 5), P("PLC Bit 06", 6), P("PLC Bit 07", 7), P("PLC Bit 08", 8),
    P("PLC Bit 09", 9), P("PLC Bit 10", 10), P("PLC Bit 11", 11), P("PLC Bit 12", 12),
    P("PLC Bit 13", 13), P("PLC Bit 14", 14), P("PLC Bit 15", 15), P("PLC Bit 16", 16),
    N("Cntr A Count", Group::Counters, &F::mbActCntA),
    L("Cntr A Out", Group::Counters, &F::iLedCntrA_Output),
    N("Cntr B Count", Group::Counters, &F::mbActCntB),
    L("Cntr B Out", Group::Counters, &F::iLedCntrB_Output),
    L("Tmr A Bi Out", Group::Timers, &F::iLedTmrA_Output),
    L("Tmr A Pulse Out", Group::Timers, &F::iLedTmrA_Output_ms),
    L("Tmr B Bi Out", Group::Timers, &F::iLedTmrB_Output),
    L("Tmr B Pulse Out", Group::Timers, &F::iLedTmrB_Output_ms),
    L("LF 1", Group::LogicFunctions, &F::iLedLF1_Output),
    L("LF 2", Group::LogicFunctions, &F::iLedLF2_Output),
    L("LF 3", Group::LogicFunctions, &F::iLedLF3_Output),
    L("LF 4", Group::LogicFunctions, &F::iLedLF4_Output),
    L("LF 5", Group::LogicFunctions, &F::iLedLF5_Output),
    L("LF 6", Group::LogicFunctions, &F::iLedLF6_Output),
    L("Latch A", Group::Latch, &F::iLedLatch),  // the relay has one latch lamp for both
    L("Latch B", Group::Latch, &F::iLedLatch),
    L("Pulse Gen", Group::Other, &F::iLedPulseGen),
    L("Emg Stop", Group::Other, &F::iLedStatusReporter),
    L("RTC", Group::Other, &F::iLedRTC_Output),
    L("Comp", Group::Other, &F::iLedTC_WarnLevel),
    L("OC_AF", A, &F::ledOC_af),
    L("OC_TF", T, &F::ledOC_tf),
    L("VectStall_AF", A, &F::ledVectorStall_af),
    L("VectStall_TF", T, &F::ledVectorialStall_tf),
    L("RunStall_AF", A, &F::ledRunStal_af),
    L("RunStall_TF", T, &F::ledRunStal_tf),
    L("Unbal_AF", A, &F::ledUnbal_af),
    L("Unbal_TF", T, &F::ledUnbal_tf),
    L("SPhase_AF", A, &F::ledSinglePhase_af),
    L("SPhase_TF", T, &F::ledSinglePhase_tf),
    L("MinLoad_AF", A, &F::ledML_af),
    L("MinLoad_TF", T, &F::ledML_tf),
    L("LowFreq_AF", A, &F::iLedLoFreq_af),
    L("LowFreq_TF", T, &F::iLedLoFreq_tf),
    L("HighFreq_AF", A, &F::iLedHiFreq_af),
    L("HighFreq_TF", T, &F::iLedHiFreq_tf),
    L("PhaseRot_TF", T, &F::ledPhaseRot_tf),
    L("StartperHr_TF", T, &F::iLedLimStartsPerHr_tf),
    L("ShortCirc_AF", A, &F::ledSCirc_af),
    L("ShortCirc_TF", T, &F::ledSCirc_tf),
    L("OV_AF", A, &F::ledOV_af),
    L("OV_TF", T, &F::ledOV_tf),
    L("UV_AF", A, &F::ledUV_af),
    L("UV_TF", T, &F::ledUV_tf),
    L("VoltSym_AF", A, &F::ledVSim_af),
    L("VoltSym_TF", T, &F::ledVSim_tf),
    L("IsoLock_AF", A, &F::ledIsoLockOut_af),
    L("IsoLock_TF", T, &F::ledIsoLockOut_tf),
    L("EL_AF", A, &F::ledEL_af),
    L("EL_TF", T, &F::ledEL_tf),
    L("EF_AF", A, &F::iLedEF_af),
    L("EF_TF", T, &F::iLedEF_tf),
    L("FrozCont_AF", A, &F::iLedFrozContact_af),
    L("FrozCont_TF", T, &F::iLedFrozContact_tf),
    L("T1_AF", A, &F::iLedRTD1_af),
    L("T1_TF", T, &F::iLedRTD1_tf),
    L("T2_AF", A, &F::iLedRTD2_af),
    L("T2_TF", T, &F::iLedRTD2_tf),
    L("T3_AF", A, &F::iLedRTD3_af),
    L("T3_TF", T, &F::iLedRTD3_tf),
    L("T4_AF", A, &F::iLedRTD4_af),
    L("T4_TF", T, &F::iLedRTD4_tf),
    L("EStop_TF", T, &F::iLedE_Stop_tf),
    L("SysFail_TF", T, &F::ledSystemFail_tf),
    L("UnauthCur_TF", T, &F::iLedUnAuthCrnt_tf),
    L("Start_ExecFlt", T, &F::iLedExec_tf),
    L("Start_FeedbackFlt", T, &F::iLedFeedBack_tf),
    N("Frequency", Group::Frequency, &F::mbFrequency),
    N("RTD1", Group::Temperatures, &F::mbRTD1_Lev),
    N("RTD2", Group::Temperatures, &F::mbRTD2_Lev),
    N("RTD3", Group::Temperatures, &F::mbRTD3_Lev),
    N("RTD4", Group::Temperatures, &F::mbRTD4_Lev),
};
// clang-format on
static_assert(std::size(kChannels) == 120);

constexpr size_t kRingPoints = 3000;
constexpr double kShownDays = 60.0 / 86400.0;  // one minute of the time axis

constexpr TColor kTraceColours[] = {clRed,    clLime,   clBlue,  clYellow, clFuchsia,
                                    clAqua,   0x0080FF, clWhite, 0x80FF80, clSilver,
                                    0xFF8080, 0x8080FF, clOlive, clTeal};

double Sample(TForm1& f, const Channel& c) {
  if (c.Lamp) return (f.*c.Lamp).Active() ? 1 : 0;
  if (c.PlcColumn >= 0) {
    const std::string cell = f.sgPLC_inputs.Cell(c.PlcColumn, 1);
    return !cell.empty() && cell[0] == '1' ? 1 : 0;
  }
  // The first line of the box; a text that is no number ends the tick (the page refresh's guard).
  const std::string& text = (f.*c.Box).Text();
  const std::string first = text.substr(0, text.find_first_of("\r\n"));
  return first.empty() ? 0 : static_cast<double>(StrToInt(first));
}

}  // namespace

void TForm1::InitRecorder() {
  iPlot1.Title = "Actual Data Recorder";
  iPlot1.XAxisTitle = "Time";
  iPlot1.YAxisTitle = "Parameters";
  iPlot1.XLabelFormat = "hh:nn:ss";
  iPlot1.XSpan = kShownDays;
  iPlot1.YAutoScale = true;
  iPlot1.RingSize = kRingPoints;
  iPlot1.SetColor(clBlack);
  for (size_t i = 0; i < std::size(kChannels); ++i) {
    const int k =
        iPlot1.AddChannel(kChannels[i].Title, kTraceColours[i % std::size(kTraceColours)]);
    const bool shown = kChannels[i].In == Group::Always || kChannels[i].In == Group::Frequency;
    iPlot1.SetChannelVisible(k, shown, shown);
  }

  iPlot1.SetBounds(4, 4, 840, 560);
  int top = 8;
  for (const GroupBox& g : kGroupBoxes) {
    (this->*g.Box).SetBounds(852, top, 190, 24);
    top += 28;
  }
  bClearScrnSwitch.SetBounds(852, top + 12, 190, 30);
  bClearScrnSwitch.OnClick = [this] { bClearScrnSwitchClick(); };
}

void TForm1::RecorderStep() {
  // The first connected tick of the run only arms the recorder.
  if (!RecorderArmed) {
    RecorderArmed = true;
    return;
  }
  std::vector<double> values(static_cast<size_t>(iPlot1.ChannelCount()), 0.0);
  for (Group g : kSampleOrder) {
    for (const GroupBox& b : kGroupBoxes) {
      if (b.Which != g) continue;
      const bool on = (this->*b.Box).Checked();
      for (size_t i = 0; i < std::size(kChannels); ++i)
        if (kChannels[i].In == g) iPlot1.SetChannelVisible(static_cast<int>(i), on, on);
    }
    for (size_t i = 0; i < std::size(kChannels) && i < values.size(); ++i)
      if (kChannels[i].In == g) values[i] = Sample(*this, kChannels[i]);
  }
  iPlot1.AddDataArray(Now(), values);
}

void TForm1::bClearScrnSwitchClick() { iPlot1.ClearAllData(); }
