// The Test page: the simulated inputs the relay is sent while a simulation runs (request 32), the
// relay's reaction (lamps, coils, thermal capacity) and the alarm-to-trip timer.
#include <exception>
#include <iterator>

#include "link/CommSetup.h"
#include "wire/Requests.h"
#include "main/ControlOf.h"
#include "main/Main.h"
#include "main/PageRefresh.h"
#include "platform/rtl/SysUtils.h"

namespace {

constexpr const char* kConnectFirst = "Please connect first !";
constexpr const char* kSendFailed = "An error has occurred while sending data.";
constexpr uint8_t kInputModeBit = 0x80;

bool PortOpen() { return Form2 && Form2->ComPort1.Connected(); }

// The simulated analogue inputs: slider, its display, its range and the group it links with.
enum class SliderGroup { Currents, Voltages, Parameters };
struct SimSliderRow {
  TiSlider TForm1::*Slider;
  TEdit TForm1::*Display;
  int Max;
  SliderGroup Group;
};
// clang-format off
constexpr SimSliderRow kSimSliders[] = {
    {&TForm1::isSimIred, &TForm1::mbSimIred, 1000, SliderGroup::Currents},
    {&TForm1::isSimIwhite, &TForm1::mbSimIwhite, 1000, SliderGroup::Currents},
    {&TForm1::isSimIblue, &TForm1::mbSimIblue, 1000, SliderGroup::Currents},
    {&TForm1::isSimVred, &TForm1::mbSimVred, 400, SliderGroup::Voltages},
    {&TForm1::isSimVwhite, &TForm1::mbSimVwhite, 400, SliderGroup::Voltages},
    {&TForm1::isSimVblue, &TForm1::mbSimVblue, 400, SliderGroup::Voltages},
    {&TForm1::isSimFrequency, &TForm1::mbSimFrequency, 100, SliderGroup::Parameters},
    {&TForm1::isSimPowerFactor, &TForm1::mbSimPowerFactor, 100, SliderGroup::Parameters},
    {&TForm1::isSimEL, &TForm1::mbSimEL, 3000, SliderGroup::Parameters},
};
// clang-format on

constexpr TSpinEdit TForm1::*kSimRTDs[] = {&TForm1::seSimRTD1, &TForm1::seSimRTD2,
                                           &TForm1::seSimRTD3, &TForm1::seSimRTD4};

// clang-format off
constexpr TiSwitchLed TForm1::*kFieldInputs[] = {
    &TForm1::islFieldInput1,  &TForm1::islFieldInput2,  &TForm1::islFieldInput3,  &TForm1::islFieldInput4,
    &TForm1::islFieldInput5,  &TForm1::islFieldInput6,  &TForm1::islFieldInput7,  &TForm1::islFieldInput8,
    &TForm1::islFieldInput9,  &TForm1::islFieldInput10, &TForm1::islFieldInput11, &TForm1::islFieldInput12,
    &TForm1::islFieldInput13, &TForm1::islFieldInput14, &TForm1::islFieldInput15,
};
// clang-format on

const SimSliderRow* RowOf(const TForm1& f, const TiSlider& slider) {
  for (const SimSliderRow& r : kSimSliders)
    if (&(f.*r.Slider) == &slider) return &r;
  return nullptr;
}

// Where the page's controls stand: manual panels left (the sequence table takes their place in
// the automatic view), the relay's reaction and the commands right. The page stays inside a
// laptop's page area (about 1076 x 600) so that it needs no scroll bar of its own.
constexpr int kSliderTop = 52, kSliderHeight = 210;
// clang-format off
constexpr ControlPlace kTestPagePlaces[] = {
    {Field<&TForm1::pSimCurrents>, 4, 4, 212, 300},
    {Field<&TForm1::pSimVoltages>, 220, 4, 212, 300},
    {Field<&TForm1::pSimParam>, 436, 4, 212, 300},
    {Field<&TForm1::pSimRTDs>, 4, 308, 644, 40},
    {Field<&TForm1::pSimAuto>, 4, 4, 644, 462},
    {Field<&TForm1::gbTestFieldInputs>, 4, 470, 644, 108},
    {Field<&TForm1::gbSimControl>, 656, 4, 196, 88},
    {Field<&TForm1::bSimTestStart>, 8, 22, 180, 28},
    {Field<&TForm1::iLedSimIndication>, 8, 56, 180, 24},
    {Field<&TForm1::gbSimModeSel>, 860, 4, 196, 58},
    {Field<&TForm1::bSimMode>, 8, 22, 180, 28},
    {Field<&TForm1::gbDF_InputMode>, 860, 66, 196, 56},
    {Field<&TForm1::iLedCurrentStatus>, 656, 98, 96, 24},
    {Field<&TForm1::iLedVoltStatus>, 756, 98, 96, 24},
    {Field<&TForm1::iLedAlarm>, 656, 128, 96, 28},
    {Field<&TForm1::iLedTrip>, 756, 128, 96, 28},
    {Field<&TForm1::gbAlarm2Trip>, 656, 162, 400, 60},
    {Field<&TForm1::gbTestRelayCoils>, 656, 228, 400, 84},
    {Field<&TForm1::iagTCap>, 656, 318, 170, 170},
    {Field<&TForm1::mbTCap>, 716, 492, 50, 24},
    {Field<&TForm1::bResetRelay>, 850, 338, 206, 30},
    {Field<&TForm1::bThermalCapReset>, 850, 374, 206, 30},
};
// clang-format on

}  // namespace

void TForm1::InitTestPage() {
  PlaceControls(*this, kTestPagePlaces);

  // Each manual panel: a link switch on top, then a column per slider (caption, slider, display).
  TPanel* panels[] = {&pSimCurrents, &pSimVoltages, &pSimParam};
  for (size_t i = 0; i < std::size(kSimSliders); ++i) {
    const SimSliderRow& r = kSimSliders[i];
    TiSlider& s = this->*r.Slider;
    TEdit& d = this->*r.Display;
    const int x = 6 + static_cast<int>(i % 3) * 68;
    s.SetPositionMax(r.Max);
    s.SetBounds(x + 14, kSliderTop, 40, kSliderHeight);
    d.SetBounds(x + 4, kSliderTop + kSliderHeight + 6, 60, 24);
    d.ReadOnly = true;
    d.SetText("0");
    s.OnPositionChange = [this, &s] { SimSliderChange(s); };
    s.OnPositionChangeFinished = [this, &s] { SimSliderChangeFinished(s); };
  }
  for (TPanel* panel : panels) {
    int column = 0;
    for (TControl* c : panel->Children()) {
      if (c->Kind() != ControlKind::Label) continue;
      c->SetBounds(6 + column++ * 68, 30, 68, 20);
    }
  }
  iSLedCurrent.SetBounds(6, 4, 200, 22);
  iSLedVoltage.SetBounds(6, 4, 200, 22);
  labSimFrequency.SetBounds(6, 18, 68, 32);
  labSimPowerFactor.SetBounds(74, 18, 68, 32);
  labSimEL.SetBounds(142, 18, 68, 32);

  for (size_t i = 0; i < std::size(kSimRTDs); ++i) {
    TSpinEdit& e = this->*kSimRTDs[i];
    e.OnChange = [this] { SimRTDChange(); };
  }
  int x = 6;
  for (TControl* c : pSimRTDs.Children()) {
    const bool label = c->Kind() == ControlKind::Label;
    c->SetBounds(x, 8, label ? 50 : 70, 24);
    x += label ? 52 : 86;
  }

  for (size_t i = 0; i < std::size(kFieldInputs); ++i) {
    const int input = static_cast<int>(i) + 1;
    TiSwitchLed& lamp = this->*kFieldInputs[i];
    lamp.OnClick = [this, input] { FieldInputClick(input); };
    lamp.SetBounds(10 + static_cast<int>(i % 5) * 104, 22 + static_cast<int>(i / 5) * 28, 96, 24);
  }
  bResetFieldInputs.SetBounds(540, 20, 90, 28);
  // Relay coils 1..4 above 5..8.
  TiLedRectangle* coils[] = {&iLedRL1,    &iLedRL2,    &ILedRL3,    &iLedRL4,
                             &iLedExtRL5, &iLedExtRL6, &iLedExtRL7, &iLedExtRL8};
  for (size_t i = 0; i < std::size(coils); ++i)
    coils[i]->SetBounds(10 + static_cast<int>(i % 4) * 96, 22 + static_cast<int>(i / 4) * 28, 90,
                        24);
  iaAlarm2Trip.SetBounds(10, 24, 110, 26);
  labAlarm2TripUnit.SetBounds(124, 28, 40, 20);
  bAT_Reset.SetBounds(290, 22, 100, 28);
  labDF_InputModeSim.SetBounds(8, 26, 70, 20);
  isDF_InputMode.SetBounds(80, 22, 56, 26);
  labDF_InputModeReal.SetBounds(142, 26, 50, 20);
  bResetFieldInputs.SetHint("Reset all field inputs.");
  bResetFieldInputs.OnClick = [this] { bResetFieldInputsClick(); };
  isDF_InputMode.OnChange = [this] { isDF_InputModeClick(); };

  bSimTestStart.OnClick = [this] { SimTestStartClick(); };
  bSimMode.OnClick = [this] { bSimModeClick(); };
  bAT_Reset.OnClick = [this] { bAT_ResetClick(); };
  bThermalCapReset.OnClick = [this] { bThermalCapResetClick(); };
  bResetRelay.OnClick = [this] { bResetRelayClick(); };
  iaAlarm2Trip.Precision = 1;
  iagTCap.Sections = {{70, clLime}, {90, clYellow}, {100, clRed}};

  Timer3.Name = "Timer3";
  Timer3.OnTimer = [this] { Timer3Timer(); };
  // Only a lit alarm without a trip counts; every other tick is passed over without waking.
  Timer3.Idle = [] { return !PortOpen() || !AlarmLedOn || TripLedOn; };
  Timer4.Name = "Timer4";
  Timer4.OnTimer = [this] { Timer4Timer(); };

  pSimAuto.SetVisible(false);
  tsTest.OnShow = [this] { tsTestShow(); };
  InitSimPlayer();
}

void TForm1::SimTestStartClick() {
  if (!SimFlag) {
    bSimTestStart.SetCaption("Stop Simulation");
    SimFlag = true;
  } else {
    SimFlag = false;
    bSimTestStart.SetCaption("Start Simulation");
  }
  // With the flag clear this goes out as the simulation-off message.
  SimParamTx();
}

void TForm1::SimParamTx() {
  if (isDF_InputMode.Active())
    SimFieldInputs |= kInputModeBit;
  else
    SimFieldInputs &= static_cast<uint8_t>(~kInputModeBit);
  // The message is built from the controls when it goes out.
  if (Form2) Form2->AddToCommsQue(wire::ReqSimulation);
}

void TForm1::TxSimData() { SimParamTx(); }

void TForm1::ZeroSimParam() {
  for (const SimSliderRow& r : kSimSliders) (this->*r.Slider).SetPosition(0);
  for (TSpinEdit TForm1::*e : kSimRTDs) (this->*e).SetValue(0);
}

void TForm1::SimSliderChange(TiSlider& slider) {
  const SimSliderRow* row = RowOf(*this, slider);
  if (!row) return;
  (this->*row->Display).SetText(IntToStr(Round(static_cast<long double>(slider.Position()))));
  const bool linked = (row->Group == SliderGroup::Currents && iSLedCurrent.Active()) ||
                      (row->Group == SliderGroup::Voltages && iSLedVoltage.Active());
  if (!linked) return;
  // The others run this handler in turn; one already at the position ends the chain.
  for (const SimSliderRow& r : kSimSliders)
    if (r.Group == row->Group) (this->*r.Slider).SetPosition(slider.Position());
}

void TForm1::SimSliderChangeFinished(TiSlider& slider) {
  const SimSliderRow* row = RowOf(*this, slider);
  if (!row) return;
  if (row->Group != SliderGroup::Parameters) {
    if (!PortOpen()) {
      MessageDlg(kConnectFirst, TMsgDlgType::mtError);
      return;
    }
    if (SimFlag) SimParamTx();
    return;
  }
  if (!SimFlag) return;
  try {
    SimParamTx();
  } catch (const std::exception&) {
    MessageDlg(kSendFailed, TMsgDlgType::mtError);
  }
}

void TForm1::FieldInputClick(int input) {
  if (input < 1 || input > static_cast<int>(std::size(kFieldInputs))) return;
  // The lamp shows what the relay reports; its next status record lights it again if the input is
  // on.
  (this->*kFieldInputs[input - 1]).SetActive(false);
  if (!PortOpen()) {
    MessageDlg(kConnectFirst, TMsgDlgType::mtError);
    return;
  }
  if (!SimFlag) return;
  if (input <= 7)
    SimFieldInputs ^= static_cast<uint8_t>(1u << (input - 1));
  else
    SimExtFldInputs ^= static_cast<uint8_t>(1u << (input - 8));
  SimParamTx();
}

void TForm1::bResetFieldInputsClick() {
  if (!PortOpen()) {
    MessageDlg(kConnectFirst, TMsgDlgType::mtError);
    return;
  }
  if (!SimFlag) return;
  // All fifteen inputs, as the button's hint says; the send puts the mode bit back.
  SimFieldInputs = 0;
  SimExtFldInputs = 0;
  SimParamTx();
}

void TForm1::isDF_InputModeClick() {
  if (!PortOpen()) {
    MessageDlg(kConnectFirst, TMsgDlgType::mtError);
    return;
  }
  if (SimFlag) SimParamTx();
}

void TForm1::SimRTDChange() {
  if (!SimFlag) return;
  try {
    SimParamTx();
  } catch (const std::exception&) {
    MessageDlg(kSendFailed, TMsgDlgType::mtError);
  }
}

void TForm1::bSimModeClick() {
  // The caption names the view the button switches to; a running simulation or sequence goes on.
  const bool toAutomatic = bSimMode.Caption() == "Automatic";
  bSimMode.SetCaption(toAutomatic ? "Manual" : "Automatic");
  for (TControl* p : {static_cast<TControl*>(&pSimVoltages), static_cast<TControl*>(&pSimCurrents),
                      static_cast<TControl*>(&pSimParam), static_cast<TControl*>(&pSimRTDs)})
    p->SetVisible(!toAutomatic);
  pSimAuto.SetVisible(toAutomatic);
}

void TForm1::Timer3Timer() {
  // Counts while the page refresh last found the alarm lamp lit and the trip lamp dark, so the
  // display holds the time once the trip comes.
  if (!PortOpen() || !AlarmLedOn || TripLedOn) return;
  ++AlarmToTripTicks;
  iaAlarm2Trip.SetValue(AlarmToTripTicks / 10.0);
}

void TForm1::bAT_ResetClick() {
  AlarmToTripTicks = 0;
  iaAlarm2Trip.SetValue(0);
}

void TForm1::bThermalCapResetClick() {
  if (Form2) Form2->AddToCommsQue(wire::ReqThermalCapReset);
}

void TForm1::bResetRelayClick() {
  if (Form2) Form2->AddToCommsQue(wire::ReqRelayReset);
}
