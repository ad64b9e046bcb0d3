// The calculators: the Calculator page's seven calculators and the Settings page's load (MLC) and
// curve class panels, which put their result into a motor setting editor. They never talk to the
// relay; the panels reach the send column only through the editor's own change handler.
#include <algorithm>
#include <array>
#include <optional>
#include <span>

#include "editors/Calculators.h"
#include "editors/SettingsEditors.h"
#include "main/Main.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Dialogs.h"

namespace {

constexpr const char* kUsedRange = "Value is out of range !\rRange = 0 to 100";
constexpr const char* kNegativeCooling =
    "Value is out of range !\rInitial thermal capacity must be at least 100% minus the required "
    "thermal capacity";
constexpr const char* kSelectVoltage = "Please select the supply line voltage !";
constexpr const char* kSelectModel = "Please select the relay model !";

// The edits of the calculators: start text, characters the user may type (0: no limit), hint.
struct CalcEdit {
  TEdit TForm1::*Edit;
  const char* Start;
  int Length;
  const char* Hint;
};

// clang-format off
// clang-format off
constexpr CalcEdit kCalcEdits[] = {
  {&TForm1::ebCurrent,             "0",   3, "0 to 999% of full load"},
  {&TForm1::ebCurve,               "10",  2, "Time = 5 to 35 sec"},
  {&TForm1::ebTC_Used,             "0",   3, "Thermal capacity = 0 to 100%"},
  {&TForm1::ebInit_TC,             "0",   2, "Start value"},
  {&TForm1::ebFinTC,               "0",   2, "Target value"},
  {&TForm1::ebMotorRC,             "10",  3, "Time constant of motor"},
  {&TForm1::ebPowerRating,         "0",   4, ""},
  {&TForm1::ebSupplyVoltLine,      "400", 4, ""},
  {&TForm1::ebPowerFactor,         "85",  3, ""},
  {&TForm1::ebEffeciency,          "90",  3, ""},
  {&TForm1::ebActual_EL,           "0",   0, ""},
  {&TForm1::ebSetting_EL,          "250", 0, ""},
  {&TForm1::ebTimeMultiplier_EL,   "0.1", 0, ""},
  {&TForm1::ebFullLoad,            "0",   0, ""},
  {&TForm1::ebRelMod,              "0",   0, ""},
  {&TForm1::ebMLC_set,             "0",   0, ""},
  {&TForm1::ebLockRotorCurrentLev, "600", 0, ""},
  {&TForm1::ebLockRotorTime,       "0",   0, ""},
  {&TForm1::ebCurveClassValue,     "",    0, ""},
  {&TForm1::ebLoad_1,              "0",   0, ""},
  {&TForm1::ebLoad_2,              "0",   0, ""},
  {&TForm1::ebLoad_3,              "0",   0, ""},
  {&TForm1::ebLoad_4,              "0",   0, ""},
  {&TForm1::ebTime_1,              "0",   0, ""},
  {&TForm1::ebTime_2,              "0",   0, ""},
  {&TForm1::ebTime_3,              "0",   0, ""},
  {&TForm1::ebTime_4,              "0",   0, ""},
  {&TForm1::ebPwr,                 "",    4, ""},
  {&TForm1::ebPwr2,                "",    4, ""},
  {&TForm1::ebILR,                 "",    4, ""},
  {&TForm1::ebILR2,                "",    4, ""},
  {&TForm1::ebTLR,                 "",    2, ""},
  {&TForm1::ebTLR2,                "",    2, ""},
};
// clang-format on
// clang-format on

// Where a panel's controls sit, in the order the panel holds them: the "X" at the top right, the
// title, the rows of label, field and unit, the button.
struct Place {
  int Left, Top, Width, Height;
};
// clang-format off
constexpr Place kLoadPlaces[] = {
    {316, 4, 14, 18}, {8, 6, 290, 18},                                  // X, title
    {8, 36, 150, 20}, {160, 34, 70, 22}, {236, 36, 60, 20},             // power
    {8, 66, 150, 20}, {160, 63, 90, 24},                                // supply voltage
    {8, 96, 150, 20}, {160, 93, 90, 24},                                // relay model
    {8, 126, 322, 26},                                                  // button
};
// clang-format on
// clang-format off
constexpr Place kCurvePlaces[] = {
    {316, 4, 14, 18}, {8, 6, 290, 18},                                  // X, title
    {8, 36, 150, 20}, {160, 34, 70, 22}, {236, 36, 60, 20},             // current
    {8, 66, 150, 20}, {160, 64, 70, 22}, {236, 66, 60, 20},             // time
    {8, 96, 322, 26},                                                   // button
};
// clang-format on

// A panel of the Settings page: what opens it, closes it, computes in it and receives its result.
struct Panel {
  TPanel TForm1::*Box;
  TSpinEdit TForm1::*Target;
  void (TForm1::*TargetChange)();
  void (TForm1::*Open)();  // bound to a double click on the target
  TLabel TForm1::*Close;
  void (TForm1::*CloseClick)();
  TButton TForm1::*Button;
  void (TForm1::*ButtonClick)();
  TLabel TForm1::*Title;
  std::span<const Place> Places;
};

// The load panels also have a power edit and the two lists.
struct LoadPanel {
  Panel P;
  TEdit TForm1::*Power;
  TComboBox TForm1::*Volts;
  TComboBox TForm1::*Model;
};

struct CurvePanel {
  Panel P;
  TEdit TForm1::*Current;
  TEdit TForm1::*Time;
};

using F = TForm1;
// clang-format off
// clang-format off
constexpr LoadPanel kLoadPanels[] = {
  {{&F::panelMLC, &F::seMLC, &F::seMLCChange, &F::seMLCDblClick, &F::labMLC, &F::labMLCClick,
    &F::bCalcMLC, &F::bCalcMLCClick, &F::labPanelMLC, kLoadPlaces}, &F::ebPwr, &F::cbSV, &F::cbModel},
  {{&F::panelMLC2, &F::seMLC_sec, &F::seMLC_secChange, &F::seMLC_secDblClick, &F::labMLC2, &F::labMLC2Click,
    &F::bCalcMLC2, &F::bCalcMLC2Click, &F::labPanelMLC2, kLoadPlaces}, &F::ebPwr2, &F::cbSV2, &F::cbModel2},
};
// clang-format on
// clang-format off
constexpr CurvePanel kCurvePanels[] = {
  {{&F::panelTCC, &F::seThrmlCurveSel, &F::seThrmlCurveSelChange, &F::seThrmlCurveSelDblClick, &F::Label345,
    &F::Label345Click, &F::bClacTCC, &F::bClacTCCClick, &F::labPanelTCC, kCurvePlaces}, &F::ebILR, &F::ebTLR},
  {{&F::panelTCC2, &F::seThrmlCurveSel_sec, &F::seThrmlCurveSel_secChange, &F::seThrmlCurveSel_secDblClick,
    &F::labTCC2, &F::labTCC2Click, &F::bClassTCC2, &F::bClassTCC2Click, &F::labPanelTCC2, kCurvePlaces}, &F::ebILR2, &F::ebTLR2},
};
// clang-format on
// clang-format on

void Refuse(TControl& field, const char* message) {
  MessageDlg(message, TMsgDlgType::mtError);
  field.SetFocus();
}

// An input read as a real; a text that is no number gives the digits message, focus on the field.
std::optional<long double> AsFloat(TEdit& ed) {
  long double v = 0;
  if (TryStrToFloat(ed.Text(), v)) return v;
  Refuse(ed, editors::settings::kDigitsMessage);
  return std::nullopt;
}

// An input read as an integer, likewise.
std::optional<long long> AsInt(TEdit& ed) {
  int v = 0;
  if (TryStrToInt(ed.Text(), v)) return v;
  Refuse(ed, editors::settings::kDigitsMessage);
  return std::nullopt;
}

// Several inputs in order; the first that is not a number stops the reading.
template <typename T, size_t N>
std::optional<std::array<T, N>> ReadAll(TForm1& f, const std::array<TEdit TForm1::*, N>& edits,
                                        std::optional<T> (*read)(TEdit&)) {
  std::array<T, N> out{};
  for (size_t i = 0; i < N; ++i) {
    auto v = read(f.*edits[i]);
    if (!v) return std::nullopt;
    out[i] = *v;
  }
  return out;
}

template <size_t N>
auto AsFloats(TForm1& f, const std::array<TEdit TForm1::*, N>& edits) {
  return ReadAll<long double>(f, edits, AsFloat);
}

template <size_t N>
auto AsInts(TForm1& f, const std::array<TEdit TForm1::*, N>& edits) {
  return ReadAll<long long>(f, edits, AsInt);
}

void ShowReading(TiAnalogDisplay& d, editors::calc::Reading r) {
  d.SetPrecision(r.Precision);
  d.SetValue(r.Value);
}

// A panel's result into its editor, limited to the editor's range. The editor's change handler is
// called even when the shown value stays the same, so that the send column holds what is shown.
void Deliver(TForm1& f, const Panel& p, long long value) {
  TSpinEdit& se = f.*p.Target;
  se.SetValue(static_cast<int>(std::clamp<long long>(value, se.MinValue(), se.MaxValue())));
  (f.*p.TargetChange)();
  (f.*p.Box).SetVisible(false);
}

void SetUpPanel(TForm1& f, const Panel& p) {
  TPanel& box = f.*p.Box;
  box.SetVisible(false);
  box.SetColor(clGray);
  for (TLabel* lab : {&(f.*p.Close), &(f.*p.Title)}) {
    lab->SetFontColor(clWhite);
    lab->SetFontBold(true);
  }
  (f.*p.Target).OnDblClick = [&f, open = p.Open] { (f.*open)(); };
  (f.*p.Close).OnClick = [&f, close = p.CloseClick] { (f.*close)(); };
  (f.*p.Button).OnClick = [&f, click = p.ButtonClick] { (f.*click)(); };
  const auto& children = box.Children();
  for (size_t i = 0; i < children.size() && i < p.Places.size(); ++i) {
    const Place& at = p.Places[i];
    children[i]->SetBounds(at.Left, at.Top, at.Width, at.Height);
  }
}

void FillList(TComboBox& box, std::span<const editors::calc::Choice> choices,
              TComboBoxStyle style) {
  box.Style = style;
  box.Items.Clear();
  for (const editors::calc::Choice& c : choices) box.Items.Add(c.Text);
  box.SetItemIndex(-1);
}

void LoadPanelClick(TForm1& f, const LoadPanel& lp) {
  const auto power = AsFloat(f.*lp.Power);
  if (!power) return;
  const int volts = (f.*lp.Volts).ItemIndex(), model = (f.*lp.Model).ItemIndex();
  if (volts < 0) return Refuse(f.*lp.Volts, kSelectVoltage);
  if (model < 0) return Refuse(f.*lp.Model, kSelectModel);
  Deliver(f, lp.P,
          editors::calc::MlcOfPower(
              *power, editors::calc::SupplyVoltages()[static_cast<size_t>(volts)].Value,
              editors::calc::RelayRatings()[static_cast<size_t>(model)].Value));
}

void CurvePanelClick(TForm1& f, const CurvePanel& cp) {
  const auto in = AsInts<2>(f, {cp.Current, cp.Time});
  if (in) Deliver(f, cp.P, editors::calc::CurveClass((*in)[0], (*in)[1]));
}

}  // namespace

void TForm1::InitCalculators() {
  for (const CalcEdit& e : kCalcEdits) {
    TEdit& ed = this->*e.Edit;
    ed.SetText(e.Start);
    ed.MaxLength = e.Length;
    if (*e.Hint) ed.SetHint(e.Hint);
  }
  ebMLC_set.ReadOnly = true;
  iAD_TripTime.Precision = 1;
  iaCoolingTime.Precision = 1;
  iaLineCurrent.Precision = 1;
  iADI_rms.Precision = 1;
  iADI_rms.SetColor(clWhite);
  iADI_rms.SetFontColor(clBlack);  // readable on white and on red

  bCalcTripTime.OnClick = [this] { calcTripTimeClick(); };
  bCalcCoolingTime.OnClick = [this] { bCalcCoolingTimeClick(); };
  bCurrentCalc.OnClick = [this] { bCurrentCalcClick(); };
  bCalcEL_TripTime.OnClick = [this] { bCalcEL_TripTimeClick(); };
  bCalc_MLC.OnClick = [this] { bCalc_MLCClick(); };
  bCalcCurveClass.OnClick = [this] { bCalcCurveClassClick(); };
  bCalcRMS.OnClick = [this] { bCalcRMSClick(); };

  for (const LoadPanel& lp : kLoadPanels) {
    SetUpPanel(*this, lp.P);
    FillList(this->*lp.Volts, editors::calc::SupplyVoltages(), TComboBoxStyle::csDropDownList);
    FillList(this->*lp.Model, editors::calc::RelayRatings(), TComboBoxStyle::csDropDown);
  }
  for (const CurvePanel& cp : kCurvePanels) SetUpPanel(*this, cp.P);
}

// ---- Calculator page ----

void TForm1::calcTripTimeClick() {
  const auto load = AsFloat(ebCurrent);
  if (!load) return;
  // No overload, or a curve outside the relay's: no trip (the decimals stay as last shown).
  if (*load < editors::calc::kTripLoadMin) return iAD_TripTime.SetValue(editors::calc::kNoTrip);
  const auto curve = AsInt(ebCurve);
  if (!curve) return;
  if (*curve < editors::calc::kCurveMin || *curve > editors::calc::kCurveMax)
    return iAD_TripTime.SetValue(editors::calc::kNoTrip);
  const auto used = AsInt(ebTC_Used);
  if (!used) return;
  if (*used < 0 || *used > 100) return Refuse(ebTC_Used, kUsedRange);
  const double t = editors::calc::TripTime(*load, *curve, *used);
  ShowReading(iAD_TripTime, {t, editors::calc::TripTimePrecision(t)});
}

void TForm1::bCalcCoolingTimeClick() {
  const auto in = AsFloats<3>(*this, {&TForm1::ebInit_TC, &TForm1::ebFinTC, &TForm1::ebMotorRC});
  if (!in) return;
  const auto [initial, required, timeConstant] = *in;
  if (editors::calc::CoolingTimeNegative(initial, required))
    return Refuse(ebInit_TC, kNegativeCooling);
  iaCoolingTime.SetValue(
      editors::calc::CoolingTime(initial, required, timeConstant, cbForcedCooling.Checked()));
}

void TForm1::bCurrentCalcClick() {
  const auto in = AsInts<4>(*this, {&TForm1::ebPowerRating, &TForm1::ebSupplyVoltLine,
                                    &TForm1::ebPowerFactor, &TForm1::ebEffeciency});
  if (!in) return;
  const long double current = editors::calc::LineCurrent((*in)[0], (*in)[1], (*in)[2], (*in)[3]);
  iaLineCurrent.SetValue(static_cast<double>(current));
  // The full load setting calculator takes it from here.
  ebFullLoad.SetText(IntToStr(Round(current)));
}

void TForm1::bCalcEL_TripTimeClick() {
  const auto in = AsFloats<3>(
      *this, {&TForm1::ebActual_EL, &TForm1::ebSetting_EL, &TForm1::ebTimeMultiplier_EL});
  if (in)
    ShowReading(iAD_TripTimeEL, editors::calc::EarthLeakageTripTime((*in)[0], (*in)[1], (*in)[2]));
}

void TForm1::bCalc_MLCClick() {
  const auto current = AsFloat(ebFullLoad);
  if (!current) return;
  const auto rating = AsInt(ebRelMod);
  if (rating) ebMLC_set.SetText(IntToStr(editors::calc::MlcOfCurrent(*current, *rating)));
}

void TForm1::bCalcCurveClassClick() {
  const auto in = AsInts<2>(*this, {&TForm1::ebLockRotorCurrentLev, &TForm1::ebLockRotorTime});
  if (in) ebCurveClassValue.SetText(IntToStr(editors::calc::CurveClass((*in)[0], (*in)[1])));
}

void TForm1::bCalcRMSClick() {
  const auto in = AsFloats<8>(
      *this, {&TForm1::ebLoad_1, &TForm1::ebLoad_2, &TForm1::ebLoad_3, &TForm1::ebLoad_4,
              &TForm1::ebTime_1, &TForm1::ebTime_2, &TForm1::ebTime_3, &TForm1::ebTime_4});
  if (!in) return;
  const std::span<const long double, 8> all(*in);
  const double rms = editors::calc::RmsCurrent(all.first<4>(), all.last<4>());
  iADI_rms.SetValue(rms);
  iADI_rms.SetColor(editors::calc::RmsOverload(rms) ? clRed : clWhite);
}

// ---- Settings page panels ----

void TForm1::seMLCDblClick() { panelMLC.SetVisible(true); }
void TForm1::seMLC_secDblClick() { panelMLC2.SetVisible(true); }
void TForm1::seThrmlCurveSelDblClick() { panelTCC.SetVisible(true); }
void TForm1::seThrmlCurveSel_secDblClick() { panelTCC2.SetVisible(true); }
void TForm1::bCalcMLCClick() { LoadPanelClick(*this, kLoadPanels[0]); }
void TForm1::bCalcMLC2Click() { LoadPanelClick(*this, kLoadPanels[1]); }
void TForm1::bClacTCCClick() { CurvePanelClick(*this, kCurvePanels[0]); }
void TForm1::bClassTCC2Click() { CurvePanelClick(*this, kCurvePanels[1]); }
void TForm1::labMLCClick() { panelMLC.SetVisible(false); }
void TForm1::Label345Click() { panelTCC.SetVisible(false); }
void TForm1::labMLC2Click() { panelMLC2.SetVisible(false); }
void TForm1::labTCC2Click() { panelTCC2.SetVisible(false); }
