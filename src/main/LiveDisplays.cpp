#include "wire/VoltageLists.h"
#include "main/Main.h"
#include "wire/Selections.h"

// Sets up the live displays of the main window: the value boxes, gauges, trend plot, lamps and
// PLC grids that the live values and live status records write.
void TForm1::InitLiveDisplays() {
  // Every value box only shows what the relay reports.
  for (TEdit* box : {&mbThermalCap,     &mbThermalCurve, &mbTimeToTrip,
                     &mbImaxLevel,      &mbIR_Level,     &mbIW_Level,
                     &mbIB_Level,       &mbUnbalance,    &mbEarthLeakage,
                     &mbVSelect,        &mbVmaxLevel,    &mbLineVoltMax,
                     &mbVR_Level,       &mbVW_Level,     &mbVB_Level,
                     &mbVSym,           &mbFrequency,    &mbPowerFactor,
                     &mbApPower,        &mbRealPower,    &mbIsolationResistance,
                     &mbMotorRunHrCntr, &mbRelModel,     &mbRTD1_Lev,
                     &mbRTD2_Lev,       &mbRTD3_Lev,     &mbRTD4_Lev,
                     &mbActCntA,        &mbActCntB,      &ebActVr,
                     &ebActVw,          &ebActVb,        &ebIR_Level,
                     &ebIW_Level,       &ebIB_Level,     &ebActEL})
    box->ReadOnly = true;

  // Gauges: thermal capacity in percent; the load gauge starts on its 120 % scale; the phase
  // voltage gauge on the scale of code 0 until the first record names the relay's selection.
  iagThermalCap.PositionMin = 0;
  iagThermalCap.PositionMax = 100;
  iagThermalCap.TickMajorCount = 11;
  iagThermalCap.Sections = {{70, clLime}, {90, clYellow}, {100, clRed}};
  iAgI_Load.PositionMin = 0;
  iAgI_Load.PositionMax = 120;
  iAgI_Load.TickMajorCount = 13;
  iAgI_Load.Sections = {{100, clLime}, {120, clYellow}};
  const wire::VoltageSelection& v = wire::kVoltageSelections[0];
  iAgPhaseVolt.PositionMin = 0;
  iAgPhaseVolt.PositionMax = v.Maximum;
  iAgPhaseVolt.TickMajorCount = v.Ticks;
  // Low, normal and high voltage; the third section always runs to the full scale.
  iAgPhaseVolt.Sections = {{static_cast<double>(v.SectionEnd1), clYellow},
                           {static_cast<double>(v.SectionEnd2), clLime},
                           {static_cast<double>(v.Maximum), clYellow}};
  iadTrueCurrent.Precision = 2;

  // The trend plot: one minute of the three phase currents; its x axis is in days.
  iPlot2.SetCaption("Phase Current Trends");
  iPlot2.AddChannel("Red", clRed);
  iPlot2.AddChannel("White", clWhite);
  iPlot2.AddChannel("Blue", clBlue);
  iPlot2.XSpan = 60.0 / 86400.0;
  iPlot2.XLabelFormat = "hh:nn:ss";
  iPlot2.YMin = 0;
  iPlot2.YMax = 120;

  // PLC grids: a caption column beside the bits on the Actual page, a caption row above them on
  // the Control Logic page (the captions are written when the window is shown).
  // Cells as small as an input number and a bit need, so that both grids show whole in a column
  // of the page.
  for (TStringGrid* g : {&sgPLC_lsb, &sgPLC_msb}) {
    g->FixedCols = 1;
    g->FixedRows = 0;
    g->ColWidths = {24, 20};
    g->DefaultRowHeight = 18;
  }
  sgPLC_inputs.FixedCols = 0;
  sgPLC_inputs.FixedRows = 1;
}

bool TForm1::LED_Cntrl(uint8_t DataByte, uint8_t Mask) { return (DataByte & Mask) == Mask; }

std::string TForm1::BinConv(uint8_t Val, uint8_t Mask) { return LED_Cntrl(Val, Mask) ? "1" : "0"; }
