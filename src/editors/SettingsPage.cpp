// The Settings page: its editors set up from the editor table, the generic change and click code
// that keeps each editor's send-column cell, the page's special rules and its named handlers.
#include <array>

#include "editors/SettingsEditors.h"
#include "wire/VoltageLists.h"
#include "link/CommSetup.h"
#include "wire/Numeric.h"
#include "main/Access.h"
#include "main/Main.h"
#include "platform/ui/Scheduler.h"
#include "vartable/UnitVarTable.h"

using namespace editors::settings;

namespace {

// The editor's cell of the send column in its text form.
void Store(const EditorSpec& e, long long value) {
  if (!FormVariableTable) return;
  FormVariableTable->Grid(e.Grid).SetCell(2, e.Row, wire::PadNum(value, e.Digits));
}

bool AllDigits(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// Temperature channel n (1..4) of an RTD type row.
int RtdChannel(const EditorSpec& e) { return e.Row - 45; }

std::array<TSpinEdit*, 2> RtdLevelBoxes(TForm1& f, int channel) {
  switch (channel) {
    case 1:
      return {&f.seRTD1Hi_TripLev, &f.seRTD1Lo_TripLev};
    case 2:
      return {&f.seRTD2Hi_TripLev, &f.seRTD2Lo_TripLev};
    case 3:
      return {&f.seRTD3Hi_TripLev, &f.seRTD3Lo_TripLev};
    default:
      return {&f.seRTD4Hi_TripLev, &f.seRTD4Lo_TripLev};
  }
}

void SpinChanged(TForm1& f, const EditorSpec& e, TSpinEdit& se) {
  // An emptied CT ratio box shows 1 at once; setting it runs this handler again, which stores it.
  if (e.Rule == Special::CTRatio && se.Text().empty()) se.SetValue(1);
  if (se.Text().empty()) return;
  Store(e, se.Value());
  // The twin on the other page follows the text as typed, so that a limit can be typed digit by
  // digit; both are brought into range when the field is left. An unchanged text fires nothing,
  // which ends the exchange.
  if (e.Rule == Special::FreqLimit && e.Twin) static_cast<TSpinEdit&>(e.Twin(f)).SetText(se.Text());
}

void ComboChanged(TForm1& f, const EditorSpec& e, TComboBox& cb) {
  int item = cb.ItemIndex();
  switch (e.Rule) {
    case Special::Voltage: {
      if (item < 0) {
        Store(e, 0);
        return;
      }
      int code = item;
      if (wire::IsExtendedRevision(f.mbSW_Rev.Text())) {
        code = wire::ExtendedCodeForItem(item);
        if (code < 0) {
          cb.SetItemIndex(0);
          code = 0;
        }
      }
      Store(e, code);
      return;
    }
    case Special::ELSelector: {
      // The trip delay only applies to the definite time mode.
      bool show = item == 0;
      f.seEL_TripDelay.SetVisible(show);
      f.Label104.SetVisible(show);
      f.Label106.SetVisible(show);
      break;
    }
    case Special::RTDType:
      for (TSpinEdit* box : RtdLevelBoxes(f, RtdChannel(e))) box->SetEnabled(item != 2);
      break;
    default:
      break;
  }
  if (item < 0) return;
  Store(e, item);
  if (e.Rule == Special::FreqSelect && e.Twin)
    static_cast<TComboBox&>(e.Twin(f)).SetItemIndex(item);
  if (e.Rule == Special::StarterType) f.StarterTypeDisplay();
}

void BitChanged(TForm1& f, const EditorSpec& e, bool on) {
  const ControlByte& cb = ControlBytes()[static_cast<size_t>(e.Byte)];
  uint8_t& byte = f.*cb.Field;
  const uint8_t mask = static_cast<uint8_t>(1u << e.Bit);
  byte = on ? static_cast<uint8_t>(byte | mask) : static_cast<uint8_t>(byte & ~mask);
  Store(e, byte);
}

void NumEditChanged(const EditorSpec& e, const TEdit& ed) {
  long long v = 0;
  if (!AllDigits(ed.Text()) || !wire::ParseDecimal(ed.Text(), v)) return;
  Store(e, v);
}

// The box never keeps a framing character, however it got there (a paste, a text set in code);
// taking one out changes the text and runs this handler again.
void TextChanged(const EditorSpec& e, TEdit& ed) {
  std::string text = ed.Text();
  if (std::erase_if(text, IsFramingChar) > 0) return ed.SetText(text);
  text.resize(static_cast<size_t>(e.Digits), ' ');
  if (FormVariableTable) FormVariableTable->Grid(e.Grid).SetCell(2, e.Row, text);
}

void EditorChanged(TForm1& f, const EditorSpec& e) {
  TControl& c = e.Control(f);
  switch (e.Type) {
    case Kind::Spin:
      SpinChanged(f, e, static_cast<TSpinEdit&>(c));
      break;
    case Kind::Combo:
      ComboChanged(f, e, static_cast<TComboBox&>(c));
      break;
    case Kind::Check:
      BitChanged(f, e, static_cast<TCheckBox&>(c).Checked());
      break;
    case Kind::Radio:
      BitChanged(f, e, static_cast<TRadioGroup&>(c).ItemIndex() == 1);
      break;
    case Kind::NumEdit:
      NumEditChanged(e, static_cast<TEdit&>(c));
      break;
    case Kind::Text:
      TextChanged(e, static_cast<TEdit&>(c));
      break;
  }
}

}  // namespace

// Builds one editor as its row says; no handler runs while it is set up.
void editors::settings::SetUpEditor(TForm1& f, const EditorSpec& e) {
  TControl& c = e.Control(f);
  switch (e.Type) {
    case Kind::Spin: {
      auto& se = static_cast<TSpinEdit&>(c);
      se.SetMinValue(e.Min);
      se.SetMaxValue(e.Max);
      se.Increment = e.Step;
      se.MaxLength = e.MaxLength;
      se.EditorEnabled = !e.ButtonsOnly;
      se.SetValue(e.Initial);
      se.OnChange = [&f, &e] { EditorChanged(f, e); };
      break;
    }
    case Kind::NumEdit:
    case Kind::Text: {
      auto& ed = static_cast<TEdit&>(c);
      ed.MaxLength = e.MaxLength;
      ed.SetText(e.InitialText ? std::string(e.InitialText) : wire::DecStr(e.Initial));
      ed.OnChange = [&f, &e] { EditorChanged(f, e); };
      if (e.Type == Kind::Text) ed.OnKeyPress = [](char& key) { FramingKeyFilter(key); };
      break;
    }
    case Kind::Combo: {
      auto& cb = static_cast<TComboBox&>(c);
      cb.Style = e.InitialText ? TComboBoxStyle::csDropDown : TComboBoxStyle::csDropDownList;
      cb.Items.Clear();
      for (const std::string& item : ItemTexts(e.List)) cb.Items.Add(item);
      if (e.InitialText) cb.SetText(e.InitialText);  // shown, but no item selected
      cb.SetItemIndex(e.Initial);
      cb.OnChange = [&f, &e] { EditorChanged(f, e); };
      break;
    }
    case Kind::Check:
      static_cast<TCheckBox&>(c).OnClick = [&f, &e] { EditorChanged(f, e); };
      break;
    case Kind::Radio: {
      auto& rg = static_cast<TRadioGroup&>(c);
      rg.Items.Clear();
      for (const std::string& item : ItemTexts(e.List)) rg.Items.Add(item);
      rg.OnClick = [&f, &e] { EditorChanged(f, e); };
      break;
    }
  }
  if (e.Check != Exit::None) c.OnExit = [&f, &c] { f.SettingExit(c); };
  if (e.DigitKeys)
    static_cast<TCustomEdit&>(c).OnKeyPress = [](char& key) { TForm1::DigitKeyFilter(key); };
}

void TForm1::InitSettingsPage() {
  for (const EditorSpec& e : Editors()) SetUpEditor(*this, e);
  tsSettings.OnShow = [this] { tsSettingsShow(); };
  mbCT_Ratio.ReadOnly = true;
  mbFreqSelector.ReadOnly = true;
  ebFreqSelector.ReadOnly = true;

  CalibLocked = true;  // locked at every start
  panelLockCalb.SetColor(clBtnFace);
  bCalbLock.OnClick = [this] { bCalbLockClick(); };

  // The main window is built before the comms setup window. No loop turns before every window
  // exists, so the hooks go in at the loop's first turn, before any answer can arrive.
  if (Form2) {
    ConnectSettingsEditors();
  } else {
    Scheduler& s = Scheduler::Instance();
    s.Post(s.NowUs(), [] {
      if (Form1) Form1->ConnectSettingsEditors();
    });
  }
  InitPageRefresh();
}

void TForm1::ConnectSettingsEditors() {
  if (!Form2) return;
  Form2->LoadSettingsEditors = [] {
    if (Form1) Form1->LoadSettingsRecordEditors();
  };
  Form2->LoadCalibrationEditors = [] {
    if (Form1) Form1->LoadFrequencyEditors();
  };
  ConnectRelayDataEditors();
  Form2->LoadStartConfEditors = [] {
    if (Form1) Form1->LoadStarterRecordEditors();
  };
  Form2->LoadExtModEditors = [] {
    if (Form1) Form1->LoadExtModuleRecordEditors();
  };
}

void TForm1::SettingChange(const TControl& editor) {
  if (const EditorSpec* e = FindEditor(*this, editor)) EditorChanged(*this, *e);
}

void TForm1::tsSettingsShow() {
  const TComboBox* types[] = {&cbRTD1_Type, &cbRTD2_Type, &cbRTD3_Type, &cbRTD4_Type};
  TEdit* displays[] = {&mbRTD1_Lev, &mbRTD2_Lev, &mbRTD3_Lev, &mbRTD4_Lev};
  for (int ch = 1; ch <= 4; ++ch) {
    bool ptc = types[ch - 1]->ItemIndex() == 2;
    for (TSpinEdit* box : RtdLevelBoxes(*this, ch)) box->SetEnabled(!ptc);
    displays[ch - 1]->SetEnabled(!ptc);
  }
}

// ---- Named handlers: each the generic code for its editor ----

void TForm1::ebThermalCapChange() { SettingChange(ebThermalCap); }
void TForm1::seThrmlCurveSelChange() { SettingChange(seThrmlCurveSel); }
void TForm1::cbVSelectorChange() { SettingChange(cbVSelector); }
void TForm1::seV_SymTripLevChange() { SettingChange(seV_SymTripLev); }
void TForm1::seUnbalTripLevChange() { SettingChange(seUnbalTripLev); }
void TForm1::seUnbalTripDelayChange() { SettingChange(seUnbalTripDelay); }
void TForm1::seML_CurrentTripLevChange() { SettingChange(seML_CurrentTripLev); }
void TForm1::seML_TripDelayChange() { SettingChange(seML_TripDelay); }
void TForm1::ebEL_TripLevChange() { SettingChange(ebEL_TripLev); }
void TForm1::seEL_TripDelayChange() { SettingChange(seEL_TripDelay); }
void TForm1::cbEL_SelectorChange() { SettingChange(cbEL_Selector); }
void TForm1::seStartsPerHrLimChange() { SettingChange(seStartsPerHrLim); }
void TForm1::seML_SuTripDelayChange() { SettingChange(seML_SuTripDelay); }
void TForm1::ebTC_ResetThresholdChange() { SettingChange(ebTC_ResetThreshold); }
void TForm1::seConsecStartsLimChange() { SettingChange(seConsecStartsLim); }
void TForm1::seRunStallTripLevChange() { SettingChange(seRunStallTripLev); }
void TForm1::cbML_TimeSelectorChange() { SettingChange(cbML_TimeSelector); }
void TForm1::seML_PwrFacTripLevChange() { SettingChange(seML_PwrFacTripLev); }
void TForm1::seMLCChange() { SettingChange(seMLC); }
void TForm1::ebRS_HoldOffDelayChange() { SettingChange(ebRS_HoldOffDelay); }
void TForm1::seDF_DelTime_1Change() { SettingChange(seDF_DelTime_1); }
void TForm1::seDF_DelTime_2Change() { SettingChange(seDF_DelTime_2); }
void TForm1::seDF_DelTime_3Change() { SettingChange(seDF_DelTime_3); }
void TForm1::seDF_DelTime_4Change() { SettingChange(seDF_DelTime_4); }
void TForm1::seDF_DelTime_5Change() { SettingChange(seDF_DelTime_5); }
void TForm1::seDF_DelTime_6Change() { SettingChange(seDF_DelTime_6); }
void TForm1::seDF_DelTime_7Change() { SettingChange(seDF_DelTime_7); }
void TForm1::seSR_DelayTimeChange() { SettingChange(seSR_DelayTime); }
void TForm1::cbStarterTypeChange() { SettingChange(cbStarterType); }
void TForm1::seV_LimLoChange() { SettingChange(seV_LimLo); }
void TForm1::seV_LimHiChange() { SettingChange(seV_LimHi); }
void TForm1::seMLC_secChange() { SettingChange(seMLC_sec); }
void TForm1::seThrmlCurveSel_secChange() { SettingChange(seThrmlCurveSel_sec); }
void TForm1::seRTD1Hi_TripLevChange() { SettingChange(seRTD1Hi_TripLev); }
void TForm1::seRTD2Hi_TripLevChange() { SettingChange(seRTD2Hi_TripLev); }
void TForm1::seRTD3Hi_TripLevChange() { SettingChange(seRTD3Hi_TripLev); }
void TForm1::seRTD4Hi_TripLevChange() { SettingChange(seRTD4Hi_TripLev); }
void TForm1::seRTD1Lo_TripLevChange() { SettingChange(seRTD1Lo_TripLev); }
void TForm1::seRTD2Lo_TripLevChange() { SettingChange(seRTD2Lo_TripLev); }
void TForm1::seRTD3Lo_TripLevChange() { SettingChange(seRTD3Lo_TripLev); }
void TForm1::seRTD4Lo_TripLevChange() { SettingChange(seRTD4Lo_TripLev); }
void TForm1::cbRTD1_TypeChange() { SettingChange(cbRTD1_Type); }
void TForm1::cbRTD2_TypeChange() { SettingChange(cbRTD2_Type); }
void TForm1::cbRTD3_TypeChange() { SettingChange(cbRTD3_Type); }
void TForm1::cbRTD4_TypeChange() { SettingChange(cbRTD4_Type); }
void TForm1::seCT_PrimChange() { SettingChange(seCT_Prim); }
void TForm1::seCT_SecChange() { SettingChange(seCT_Sec); }
void TForm1::seSetHighFreqLimitChange() { SettingChange(seSetHighFreqLimit); }
void TForm1::seSetLowFreqLimitChange() { SettingChange(seSetLowFreqLimit); }
void TForm1::cbSetFreqSelectorChange() { SettingChange(cbSetFreqSelector); }
void TForm1::seHighFreqLimitChange() { SettingChange(seHighFreqLimit); }
void TForm1::seLowFreqLimitChange() { SettingChange(seLowFreqLimit); }
void TForm1::cbFreqSelectorChange() { SettingChange(cbFreqSelector); }

void TForm1::cbMinLoad_SelClick() { SettingChange(cbMinLoad_Sel); }
void TForm1::cbUV_SelClick() { SettingChange(cbUV_Sel); }
void TForm1::cbOV_SelClick() { SettingChange(cbOV_Sel); }
void TForm1::cbVSym_SelClick() { SettingChange(cbVSym_Sel); }
void TForm1::cbFailSave_SelClick() { SettingChange(cbFailSave_Sel); }
void TForm1::cbUnbal_SelClick() { SettingChange(cbUnbal_Sel); }
void TForm1::cbPhaseRot_SelClick() { SettingChange(cbPhaseRot_Sel); }
void TForm1::cbSCirc_SelClick() { SettingChange(cbSCirc_Sel); }
void TForm1::cbSP_SelClick() { SettingChange(cbSP_Sel); }
void TForm1::cbRunStall_SelClick() { SettingChange(cbRunStall_Sel); }
void TForm1::rgUC_PF_SelectClick() { SettingChange(rgUC_PF_Select); }
void TForm1::cbEarthLeak_disClick() { SettingChange(cbEarthLeak_dis); }
void TForm1::cbLowPassFilter_SelClick() { SettingChange(cbLowPassFilter_Sel); }
void TForm1::cbIsoLockOut_DisClick() { SettingChange(cbIsoLockOut_Dis); }
void TForm1::cbFrequency_SelClick() { SettingChange(cbFrequency_Sel); }
void TForm1::cbDynTC_ResetTH_Adj_SelClick() { SettingChange(cbDynTC_ResetTH_Adj_Sel); }
void TForm1::cbStartsPerHr_SelClick() { SettingChange(cbStartsPerHr_Sel); }
void TForm1::cbV_PhaseRotReverseClick() { SettingChange(cbV_PhaseRotReverse); }
void TForm1::cbVectorialStall_SelClick() { SettingChange(cbVectorialStall_Sel); }
void TForm1::cbAutoThermalResetClick() { SettingChange(cbAutoThermalReset); }
void TForm1::rgMTR_SelectClick() { SettingChange(rgMTR_Select); }
void TForm1::cbExpModConnectClick() { SettingChange(cbExpModConnect); }
void TForm1::cbFLED_ConnectClick() { SettingChange(cbFLED_Connect); }
void TForm1::cbRTD1_SelClick() { SettingChange(cbRTD1_Sel); }
void TForm1::cbRTD2_SelClick() { SettingChange(cbRTD2_Sel); }
void TForm1::cbRTD3_SelClick() { SettingChange(cbRTD3_Sel); }
void TForm1::cbRTD4_SelClick() { SettingChange(cbRTD4_Sel); }
void TForm1::cbInsClassClick() { SettingChange(cbInsClass); }
