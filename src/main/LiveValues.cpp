// The actual values record ("*A", 102 characters): the motor's live values on the Actual page,
// the Calibration page's live edits, the voltage scales, the relay's revision and product number,
// and the values derived from them (line voltage, insulation resistance, true current, time to a
// thermal trip, powers).
#include <algorithm>
#include <cstdint>

#include "main/LiveRecords.h"

#include "link/CommSetup.h"
#include "wire/Numeric.h"
#include "wire/Selections.h"
#include "wire/VoltageLists.h"
#include "main/Main.h"
#include "platform/rtl/SysUtils.h"

using namespace wire;

namespace {

constexpr int kActualLength = 102;

// The width in which a field's value is kept: wider numbers are cut to it.
enum class Kept { Byte, Word, Whole };

long long FieldValue(const std::string& b, int pos, int width, Kept kept) {
  long long v = NumberAt(b, pos, width);
  switch (kept) {
    case Kept::Byte:
      return v & 0xFF;
    case Kept::Word:
      return v & 0xFFFF;
    case Kept::Whole:
      return v;
  }
  return v;
}

// A field shown as plain decimal text in its value box, and copied from there into an edit of the
// Calibration page where it has one. Step is the place in the record's order where it is shown.
struct ValueBox {
  int Step;
  int Pos;
  int Width;
  Kept Keep;
  TEdit TForm1::*Box;
  TEdit TForm1::*Copy;
};

// clang-format off
constexpr ValueBox kValueBoxes[] = {
    {4, 3, 3, Kept::Byte, &TForm1::mbThermalCap, nullptr},
    {5, 6, 3, Kept::Byte, &TForm1::mbThermalCurve, nullptr},
    {6, 9, 5, Kept::Word, &TForm1::mbImaxLevel, nullptr},
    {7, 14, 5, Kept::Whole, &TForm1::mbIR_Level, &TForm1::ebIR_Level},
    {7, 19, 5, Kept::Whole, &TForm1::mbIW_Level, &TForm1::ebIW_Level},
    {7, 24, 5, Kept::Whole, &TForm1::mbIB_Level, &TForm1::ebIB_Level},
    {8, 29, 3, Kept::Whole, &TForm1::mbUnbalance, nullptr},
    {10, 35, 5, Kept::Word, &TForm1::mbVmaxLevel, nullptr},
    {11, 40, 5, Kept::Whole, &TForm1::mbVR_Level, &TForm1::ebActVr},
    {11, 45, 5, Kept::Whole, &TForm1::mbVW_Level, &TForm1::ebActVw},
    {11, 50, 5, Kept::Whole, &TForm1::mbVB_Level, &TForm1::ebActVb},
    {12, 55, 3, Kept::Whole, &TForm1::mbVSym, nullptr},
    {12, 58, 3, Kept::Byte, &TForm1::mbPowerFactor, nullptr},
    {12, 61, 3, Kept::Whole, &TForm1::mbFrequency, nullptr},
    {12, 64, 5, Kept::Whole, &TForm1::mbEarthLeakage, &TForm1::ebActEL},
    {14, 74, 5, Kept::Whole, &TForm1::mbMotorRunHrCntr, nullptr},
};
// clang-format on

void ShowBoxes(TForm1& f, const std::string& b, int step) {
  for (const ValueBox& v : kValueBoxes) {
    if (v.Step != step) continue;
    TEdit& box = f.*(v.Box);
    box.SetText(DecStr(FieldValue(b, v.Pos, v.Width, v.Keep)));
    if (v.Copy) (f.*(v.Copy)).SetText(box.Text());
  }
}

// Field positions of the values the special steps use. The link has put the record's live bytes
// (Act*) into the model already.
constexpr int kPosThermalCap = 3, kPosImax = 9, kPosVoltCode = 32, kPosVmax = 35, kPosModel = 79,
              kPosProductId = 97, kPosRevision = 100;

// Temperature inputs: field position, value box, sensor type selector of the Settings page.
struct TemperatureInput {
  int Pos;
  TEdit TForm1::*Box;
  TComboBox TForm1::*Type;
};
// clang-format off
constexpr TemperatureInput kTemperatures[] = {
    {85, &TForm1::mbRTD1_Lev, &TForm1::cbRTD1_Type},
    {88, &TForm1::mbRTD2_Lev, &TForm1::cbRTD2_Type},
    {91, &TForm1::mbRTD3_Lev, &TForm1::cbRTD3_Type},
    {94, &TForm1::mbRTD4_Lev, &TForm1::cbRTD4_Type},
};
// clang-format on
// Sensor types whose reading is a temperature.
bool ShowsTemperature(int typeItem) {
  return typeItem >= 0 && typeItem < kSensorTypeCount && kSensorTypes[typeItem].ShowsTemperature;
}

// A gauge keeps its needle inside its scale.
void SetGaugePosition(TiAngularGauge& g, double v) {
  g.SetPosition(std::clamp(v, g.PositionMin, std::max(g.PositionMin, g.PositionMax)));
}

void SwitchVoltageList(TForm2& link, TForm1& f) {
  const bool extended = IsExtendedRevision(f.mbSW_Rev.Text());
  if (extended == link.ExtendedVoltSelEn) return;  // the list already fits the relay
  f.cbVSelector.SetItems(VoltageItems(extended));  // also drops the selection
  link.ExtendedVoltSelEn = extended;
}

void ShowThermalCapacity(TForm1& f, const std::string& b) {
  const long long c = FieldValue(b, kPosThermalCap, 3, Kept::Byte);
  SetGaugePosition(f.iagThermalCap, static_cast<double>(c));
  if (c < 70)
    f.mbThermalCap.SetColor(clLime);
  else if (c < 90)
    f.mbThermalCap.SetColor(clYellow);
  else if (c <= 100)
    f.mbThermalCap.SetColor(clRed);
  // Above 100 the colour stays as it was.
}

void ShowHighestCurrent(TForm1& f, const std::string& b) {
  const uint16_t i = static_cast<uint16_t>(FieldValue(b, kPosImax, 5, Kept::Word));
  if (i <= 120) {
    f.iAgI_Load.TickMajorCount = 13;
    f.iAgI_Load.PositionMax = 120;
  } else {
    f.iAgI_Load.TickMajorCount = 6;
    f.iAgI_Load.PositionMax = 1000;
  }
  f.iAgI_Load.Refresh();
  SetGaugePosition(f.iAgI_Load, i);
  f.mbImaxLevel.SetColor(i > 100 ? clYellow : i >= 16 ? clLime : clWindow);
}

void PlotCurrents(TForm1& f) {
  const TDateTime now = Now();
  TEdit* boxes[] = {&f.mbIR_Level, &f.mbIW_Level, &f.mbIB_Level};
  for (int ch = 0; ch < 3; ++ch) {
    long long y = 0;
    ParseDecimal(boxes[ch]->Text(), y);
    f.iPlot2.AddXY(ch, now, static_cast<double>(y));
  }
}

void ShowVoltageScales(TForm1& f, const std::string& b) {
  const long long code = FieldValue(b, kPosVoltCode, 3, Kept::Byte);
  if (code >= kVoltageCodeCount) return;  // an unknown code leaves the scales as they are
  const VoltageSelection& s = kVoltageSelections[static_cast<size_t>(code)];
  f.mbVSelect.SetText(s.LiveText);
  for (TiSlider* slider : {&f.isSimVred, &f.isSimVwhite, &f.isSimVblue})
    slider->SetPositionMax(s.Maximum);
  TiAngularGauge& g = f.iAgPhaseVolt;
  g.TickMajorCount = s.Ticks;
  g.PositionMax = s.Maximum;
  g.Sections.resize(3, TGaugeSection{0, clYellow});
  g.Sections[0] = {static_cast<double>(s.SectionEnd1), clYellow};
  g.Sections[1] = {static_cast<double>(s.SectionEnd2), clLime};
  g.Sections[2] = {static_cast<double>(s.Maximum), clYellow};
  g.Refresh();
}

void ShowHighestVoltage(TForm1& f, const std::string& b) {
  const long long v = FieldValue(b, kPosVmax, 5, Kept::Word);
  SetGaugePosition(f.iAgPhaseVolt, static_cast<double>(v));
  f.mbLineVoltMax.SetText(IntToStr(Round(static_cast<long double>(v) * 1.73205L)));
}

void ShowInsulation(TForm1& f) {
  f.mbIsolationResistance.SetText(f.ActIsolation >= 80 ? std::string("Infinite ")
                                                       : IntToStr(Round(f.ActIsolation)));
}

void ShowModel(TForm1& f, const std::string& b) {
  const long long code = FieldValue(b, kPosModel, 3, Kept::Word);
  f.mbRelModel.SetText(RelayModelOf(code).Text);
}

void ShowTemperatures(TForm1& f, const std::string& b) {
  for (const TemperatureInput& t : kTemperatures) {
    TEdit& box = f.*(t.Box);
    const long long raw = FieldValue(b, t.Pos, 3, Kept::Whole);
    box.SetText(ShowsTemperature((f.*(t.Type)).ItemIndex()) ? IntToStr(raw - 30) : std::string());
    // The sensor's ends of range (open or shorted input) show red.
    box.SetColor(box.Text() == "-30" || box.Text() == "220" ? clRed : clWindow);
  }
}

void ShowTrueCurrent(TForm1& f) {
  f.iadTrueCurrent.Precision = f.ActTrueCurrent > 100 ? 0 : 2;
  f.iadTrueCurrent.SetValue(f.ActTrueCurrent);
}

void ShowTimeToTrip(TForm1& f) {
  if (f.ActI_Load <= 100) {
    f.mbTimeToTrip.SetText("Infinite");
    f.mbTimeToTrip.SetColor(clLime);
    return;
  }
  const long double load = static_cast<long double>(f.ActI_Load) / 100;
  const long double x = load * load;
  const long double t = SafeLn(x / (x - 1)) * (static_cast<long double>(f.ActThermalCurve) * 35.5L);
  const long double used = f.iagThermalCap.Position();
  f.mbTimeToTrip.SetText(IntToStr(Round(t - used * t / 100)));
  f.mbTimeToTrip.SetColor(clYellow);
}

void ShowPowers(TForm1& f) {
  if (!(f.ledInService.Active() && f.ledVoltPresent.Active())) {
    f.mbApPower.SetText("0");
    f.mbRealPower.SetText("0");
    return;
  }
  const long double vi = 3.0L * f.ActMaxVolt * f.ActTrueCurrent;
  const long double apparent = static_cast<long double>(Round(vi / 100)) / 10;
  const long double real = static_cast<long double>(Round(vi * f.ActPowerFactor / 10000)) / 10;
  f.mbApPower.SetText(FloatToStr(apparent));
  f.mbRealPower.SetText(FloatToStr(real));
}

}  // namespace

void ShowActualValues(TForm2& link, TForm1& f, const std::string& b) {
  if (b.size() != kActualLength || !DigitsAt(b, 3, 100)) return;

  f.mbSW_Rev.SetText("Rev " + Mid(b, kPosRevision, 2));
  SwitchVoltageList(link, f);

  ShowBoxes(f, b, 4);
  ShowThermalCapacity(f, b);
  ShowBoxes(f, b, 5);
  ShowBoxes(f, b, 6);
  ShowHighestCurrent(f, b);
  ShowBoxes(f, b, 7);
  PlotCurrents(f);
  ShowBoxes(f, b, 8);
  ShowVoltageScales(f, b);
  ShowBoxes(f, b, 10);
  ShowHighestVoltage(f, b);
  ShowBoxes(f, b, 11);
  ShowBoxes(f, b, 12);
  ShowInsulation(f);
  ShowBoxes(f, b, 14);
  ShowModel(f, b);
  ShowTemperatures(f, b);
  f.LabelProdID.SetCaption(DecStr(FieldValue(b, kPosProductId, 3, Kept::Byte)));
  ShowTrueCurrent(f);
  ShowTimeToTrip(f);
  ShowPowers(f);
}

void ConnectLiveRecords(TForm2& link) {
  link.LoadActualData = [&link](const std::string& b) {
    if (Form1) ShowActualValues(link, *Form1, b);
  };
  link.LoadActualStatusData = [](const std::string& b) {
    if (Form1) ShowActualStatus(*Form1, b);
  };
}
