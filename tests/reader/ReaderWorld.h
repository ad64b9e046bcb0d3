#pragma once
// The reader's world: the editors' world without a relay, a fixed clock, and a baseline settings
// file composed by the writer from editor values that differ from every row's default.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "editors/LogicEditors.h"
#include "editors/SettingsEditors.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/SysUtils.h"
#include "reader/ReaderSections.h"
#include "report/SettingsReport.h"
#include "support/EditorWorld.h"

struct ReaderWorld : EditorWorld {
  bool logShown = false;

  explicit ReaderWorld(const std::string& revision = "Rev 4d") : EditorWorld(/*withRelay=*/false) {
    SetNowProvider([] { return EncodeDate(2024, 5, 17) + EncodeTime(14, 5, 30, 0); });
    f1().mbSW_Rev.SetText(revision);
    FrmFileDialog->OnShow = [this] {
      logShown = true;
      hb.After(10, [] { FrmFileDialog->Close(); });
    };
    SetBaselineEditors();
    SetLogicBaseline();
  }
  ~ReaderWorld() { SetNowProvider(nullptr); }

  // Values away from the rows' defaults, then every handler so the send column follows.
  void SetBaselineEditors() {
    TForm1& f = f1();
    f.seMLC.SetValue(55);
    f.seThrmlCurveSel.SetValue(7);
    f.seMLC_sec.SetValue(45);
    f.seThrmlCurveSel_sec.SetValue(9);
    f.ebTC_ResetThreshold.SetText("40");
    f.cbEL_Selector.SetItemIndex(1);
    f.ebEL_TripLev.SetText("5");
    f.seEL_TripDelay.SetValue(450);
    f.seCT_Prim.SetValue(200);
    f.seCT_Sec.SetValue(5);
    f.cbML_TimeSelector.SetItemIndex(7);
    f.seML_CurrentTripLev.SetValue(35);
    f.seML_PwrFacTripLev.SetValue(65);
    f.seML_SuTripDelay.SetValue(120);
    f.seML_TripDelay.SetValue(7);
    f.seRunStallTripLev.SetValue(450);
    f.seSR_DelayTime.SetValue(2500);
    f.ebRS_HoldOffDelay.SetText("012");
    f.seUnbalTripLev.SetValue(33);
    f.seUnbalTripDelay.SetValue(4);
    f.cbVSelector.SetItemIndex(7);
    f.seV_LimHi.SetValue(12);
    f.seV_LimLo.SetValue(8);
    f.seV_SymTripLev.SetValue(75);
    f.seStartsPerHrLim.SetValue(12);
    f.seConsecStartsLim.SetValue(2);
    f.cbStarterType.SetItemIndex(8);
    TSpinEdit* field[] = {&f.seDF_DelTime_1, &f.seDF_DelTime_2, &f.seDF_DelTime_3,
                          &f.seDF_DelTime_4, &f.seDF_DelTime_5, &f.seDF_DelTime_6,
                          &f.seDF_DelTime_7};
    for (int i = 0; i < 7; ++i) field[i]->SetValue(200 + 50 * i);
    TSpinEdit* hi[] = {&f.seRTD1Hi_TripLev, &f.seRTD2Hi_TripLev, &f.seRTD3Hi_TripLev,
                       &f.seRTD4Hi_TripLev};
    TSpinEdit* lo[] = {&f.seRTD1Lo_TripLev, &f.seRTD2Lo_TripLev, &f.seRTD3Lo_TripLev,
                       &f.seRTD4Lo_TripLev};
    TComboBox* type[] = {&f.cbRTD1_Type, &f.cbRTD2_Type, &f.cbRTD3_Type, &f.cbRTD4_Type};
    TCheckBox* sel[] = {&f.cbRTD1_Sel, &f.cbRTD2_Sel, &f.cbRTD3_Sel, &f.cbRTD4_Sel};
    for (int i = 0; i < 4; ++i) {
      hi[i]->SetValue(100 + i);
      lo[i]->SetValue(-20 + i);
      type[i]->SetItemIndex(i == 2 ? 3 : 1);
      sel[i]->SetChecked(i % 2 == 0);
    }
    // Switches: every other one ticked; the radio groups away from their defaults.
    TCheckBox* checks[] = {&f.cbExpModConnect,     &f.cbOV_Sel,         &f.cbVSym_Sel,
                           &f.cbV_PhaseRotReverse, &f.cbIsoLockOut_Dis, &f.cbSCirc_Sel,
                           &f.cbRunStall_Sel,      &f.cbFailSave_Sel,   &f.cbLowPassFilter_Sel,
                           &f.cbStartsPerHr_Sel,   &f.cbInsClass,       &f.cbAutoThermalReset};
    for (TCheckBox* c : checks) c->SetChecked(true);
    f.rgMTR_Select.SetItemIndex(0);
    f.rgUC_PF_Select.SetItemIndex(1);
    f.ebPinCode.SetText("4711");
    f.ebDriveID.SetText("PUMP_07");
    f.ebUserName.SetText("Cooling water pump");
    for (const editors::settings::EditorSpec& e : editors::settings::Editors())
      f.SettingChange(e.Control(f));
    SetBaselineStarterEditors();
  }

  // The Starter Configuration and External Modules pages: a different signal in every selector
  // (the last name of each table included), every timer away from its reader default.
  void SetBaselineStarterEditors() {
    TForm1& f = f1();
    int code = 2;
    for (const editors::settings::EditorSpec& e : editors::settings::StarterEditors()) {
      if (e.Type == editors::settings::Kind::Combo) {
        auto& cb = static_cast<TComboBox&>(e.Control(f));
        cb.SetItemIndex(code % cb.Items.Count());
        code += 7;
      }
    }
    f.cbControlSelectorMsb.SetItemIndex(32);
    f.cbAutoStop.SetItemIndex(59);
    f.sePreWarnTime.SetValue(600);
    f.seExecTime.SetValue(10);
    f.seFeedbackTime.SetValue(50);
    f.seBackSpinTime.SetValue(75);
    f.seDC_BreakTime.SetValue(3000);
    f.seRestartTime.SetValue(5);
    f.seStarMaxTime.SetValue(1);
    f.seTransitionTime.SetValue(1250);
    f.seFrozenContactTime.SetValue(2000);
    int delay = 150;
    for (const editors::settings::EditorSpec& e : editors::settings::ExtModuleEditors()) {
      static_cast<TSpinEdit&>(e.Control(f)).SetValue(delay);
      delay += 250;
    }
    for (std::span<const editors::settings::EditorSpec> table :
         {editors::settings::StarterEditors(), editors::settings::ExtModuleEditors()})
      for (const editors::settings::EditorSpec& e : table) f.SettingChange(e.Control(f));
  }

  // The Control Logic page away from its initial values: every selector, spin edit and mask its
  // own value within its range, then its handler.
  void SetLogicBaseline() {
    TForm1& f = f1();
    for (const editors::logic::LogicEditor& e : editors::logic::LogicEditors()) {
      TControl& c = e.Control(f);
      switch (e.Type) {
        case editors::logic::Kind::Signal: {
          auto& box = static_cast<TComboBox&>(c);
          box.SetItemIndex((e.Row * 7 + 1) % box.Items.Count());
          break;
        }
        case editors::logic::Kind::Spin:
          static_cast<TSpinEdit&>(c).SetValue(e.Min + (e.Row * 13) % (e.Max - e.Min + 1));
          break;
        case editors::logic::Kind::Mask:
          static_cast<TEdit&>(c).SetText(std::to_string(e.Function * 37 % 256));
          editors::logic::TableByte(f, e.Function) = static_cast<uint8_t>(e.Function * 37 % 256);
          break;
      }
      f.LogicChange(c);
    }
  }

  // The row tests' fixture: the lines the writer composes for the baseline editors. The round
  // trip opens the saved file itself (SaveFile).
  std::vector<std::string> Baseline() {
    TStringList out;
    ComposeSettingsReport(out, SettingsFileVariant());
    return out.Lines();
  }

  std::string FilePath() const { return DriveCRoot() + "/reader_test.set"; }

  // Runs the save command into FilePath() and returns that path.
  std::string SaveFile() {
    hb.dialogAnswers.push_back(FilePath());
    f1().ExportNCSettings1Click();
    return FilePath();
  }

  // Writes the lines (CR LF) and runs the open command on them; returns the log.
  std::vector<std::string> Read(const std::vector<std::string>& lines) {
    std::ofstream(FilePath(), std::ios::binary) << Join(lines);
    return ReadFile(FilePath());
  }
  std::vector<std::string> ReadFile(const std::string& path) {
    hb.dialogAnswers.push_back(path);
    f1().ImportMMIFile1Click();
    return FrmFileDialog->memFileErrors.Lines.Lines();
  }
  static std::string Join(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\r\n";
    return s;
  }

  std::string SendCell(int row) { return vt().Grid(wire::RecordId::Settings).Cell(2, row); }
};

// The missing-section lines of a file that holds only the sections the writer composes.
inline std::vector<std::string> MissingSectionLines() {
  std::vector<std::string> out;
  for (const reader::ReaderSectionEntry& s : reader::kReaderSections)
    if (!SectionEntry(s.id).compose && s.missingMessage) out.push_back(s.missingMessage);
  return out;
}
