// The exit checks of the editors, run when the user moves the focus out of one: defaults for an
// emptied box, delays brought to a multiple of 50, digit and range messages with the focus given
// back, and the silent limits of the earth-leakage level. Values set in code never run them.
#include <algorithm>

#include "editors/SettingsEditors.h"
#include "main/Main.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Dialogs.h"

using namespace editors::settings;

namespace {

void Refuse(TControl& c, const char* message) {
  MessageDlg(message, TMsgDlgType::mtError);
  c.SetFocus();  // back to the field; leaving it again runs the check again
}

bool IsInteger(const std::string& text) {
  int v;
  return TryStrToInt(text, v);
}

void NearestMultipleOf50(TSpinEdit& se, const EditorSpec& e) {
  if (se.Text().empty()) se.SetValue(e.Default);
  const long long v = se.Value();
  const long long r = v % 50;  // truncating: the sign of v
  const long long target = r <= 25 ? v - r : v - r + 50;
  se.SetValue(static_cast<int>(std::clamp<long long>(target, e.Min, e.Max)));
}

void Check(TForm1& f, const EditorSpec& e) {
  TControl& c = e.Control(f);
  switch (e.Check) {
    case Exit::None:
      return;
    case Exit::EmptyDefault: {
      auto& se = static_cast<TSpinEdit&>(c);
      if (se.Text().empty()) se.SetValue(e.Default);
      return;  // a value out of range is left to the spin edit, which limits it after this check
    }
    case Exit::Multiple50:
      NearestMultipleOf50(static_cast<TSpinEdit&>(c), e);
      return;
    case Exit::Digits: {
      auto& se = static_cast<TSpinEdit&>(c);
      if (!IsInteger(se.Text())) return Refuse(c, kDigitsMessage);
      if (e.Twin) static_cast<TSpinEdit&>(e.Twin(f)).SetValue(se.Value());
      return;
    }
    case Exit::BothFreqDigits: {
      auto& se = static_cast<TSpinEdit&>(c);
      if (!IsInteger(f.seHighFreqLimit.Text()) || !IsInteger(f.seLowFreqLimit.Text()))
        return Refuse(c, kDigitsMessage);
      if (e.Twin) static_cast<TSpinEdit&>(e.Twin(f)).SetValue(se.Value());
      return;
    }
    case Exit::EmptyMessage: {
      auto& se = static_cast<TSpinEdit&>(c);
      if (!se.Text().empty()) return;
      MessageDlg(kDigitsMessage, TMsgDlgType::mtError);
      se.SetValue(e.Default);
      c.SetFocus();
      return;
    }
    case Exit::RangeMessage: {
      int v;
      if (!TryStrToInt(static_cast<TEdit&>(c).Text(), v)) return Refuse(c, kDigitsMessage);
      // Nothing is corrected: the typed value stays in the box and in the send column.
      if (v < e.CheckMin || v > e.CheckMax) Refuse(c, e.RangeMessage);
      return;
    }
    case Exit::SilentLimits: {
      auto& ed = static_cast<TEdit&>(c);
      if (ed.Text().empty()) return ed.SetText(IntToStr(e.CheckMin));
      // The key filter keeps non-digits out; pasted text that is no number ends in the error box.
      const long long v = StrToInt(ed.Text());
      if (v > e.CheckMax)
        ed.SetText(IntToStr(e.CheckMax));
      else if (v < e.CheckMin)
        ed.SetText(IntToStr(e.CheckMin));
      return;
    }
  }
}

}  // namespace

void TForm1::SettingExit(const TControl& editor) {
  if (const EditorSpec* e = FindEditor(*this, editor)) Check(*this, *e);
}

void TForm1::DigitKeyFilter(char& Key) {
  if (Key != 8 && (Key < '0' || Key > '9')) Key = 0;
}

// ---- Named exit checks and key filters ----

void TForm1::seUnbalTripLevExit() { SettingExit(seUnbalTripLev); }
void TForm1::seUnbalTripDelayExit() { SettingExit(seUnbalTripDelay); }
void TForm1::seV_SymTripLevExit() { SettingExit(seV_SymTripLev); }
void TForm1::seStartsPerHrLimExit() { SettingExit(seStartsPerHrLim); }
void TForm1::seConsecStartsLimExit() { SettingExit(seConsecStartsLim); }
void TForm1::seMLCExit() { SettingExit(seMLC); }
void TForm1::seThrmlCurveSelExit() { SettingExit(seThrmlCurveSel); }
void TForm1::seMLC_secExit() { SettingExit(seMLC_sec); }
void TForm1::seThrmlCurveSel_secExit() { SettingExit(seThrmlCurveSel_sec); }
void TForm1::seML_CurrentTripLevExit() { SettingExit(seML_CurrentTripLev); }
void TForm1::seML_PwrFacTripLevExit() { SettingExit(seML_PwrFacTripLev); }
void TForm1::seML_SuTripDelayExit() { SettingExit(seML_SuTripDelay); }
void TForm1::seML_TripDelayExit() { SettingExit(seML_TripDelay); }
void TForm1::seEL_TripDelayExit() { SettingExit(seEL_TripDelay); }
void TForm1::seSetHighFreqLimitExit() { SettingExit(seSetHighFreqLimit); }
void TForm1::seSetLowFreqLimitExit() { SettingExit(seSetLowFreqLimit); }
void TForm1::seV_LimHiExit() { SettingExit(seV_LimHi); }
void TForm1::seV_LimLoExit() { SettingExit(seV_LimLo); }
void TForm1::seRTD1Hi_TripLevExit() { SettingExit(seRTD1Hi_TripLev); }
void TForm1::seRTD2Hi_TripLevExit() { SettingExit(seRTD2Hi_TripLev); }
void TForm1::seRTD3Hi_TripLevExit() { SettingExit(seRTD3Hi_TripLev); }
void TForm1::seRTD4Hi_TripLevExit() { SettingExit(seRTD4Hi_TripLev); }
void TForm1::seRTD1Lo_TripLevExit() { SettingExit(seRTD1Lo_TripLev); }
void TForm1::seRTD2Lo_TripLevExit() { SettingExit(seRTD2Lo_TripLev); }
void TForm1::seRTD3Lo_TripLevExit() { SettingExit(seRTD3Lo_TripLev); }
void TForm1::seRTD4Lo_TripLevExit() { SettingExit(seRTD4Lo_TripLev); }
void TForm1::seCT_SecExit() { SettingExit(seCT_Sec); }
void TForm1::seDF_DelTime_1Exit() { SettingExit(seDF_DelTime_1); }
void TForm1::seDF_DelTime_2Exit() { SettingExit(seDF_DelTime_2); }
void TForm1::seDF_DelTime_3Exit() { SettingExit(seDF_DelTime_3); }
void TForm1::seDF_DelTime_4Exit() { SettingExit(seDF_DelTime_4); }
void TForm1::seDF_DelTime_5Exit() { SettingExit(seDF_DelTime_5); }
void TForm1::seDF_DelTime_6Exit() { SettingExit(seDF_DelTime_6); }
void TForm1::seDF_DelTime_7Exit() { SettingExit(seDF_DelTime_7); }
void TForm1::ebThermalCapExit() { SettingExit(ebThermalCap); }
void TForm1::ebTC_ResetThresholdExit() { SettingExit(ebTC_ResetThreshold); }
void TForm1::ebRS_HoldOffDelayExit() { SettingExit(ebRS_HoldOffDelay); }
void TForm1::ebEL_TripLevExit() { SettingExit(ebEL_TripLev); }
void TForm1::seHighFreqLimitExit() { SettingExit(seHighFreqLimit); }
void TForm1::seLowFreqLimitExit() { SettingExit(seLowFreqLimit); }
void TForm1::ebEL_TripLevKeyPress(char& Key) { DigitKeyFilter(Key); }
void TForm1::ebRS_HoldOffDelayKeyPress(char& Key) { DigitKeyFilter(Key); }
