// The main window's frame: what creating and showing it set up (before any other window exists),
// its menu and tool bar, the page change preparation and the activity bar.
#include <gtest/gtest.h>

#include "platform/ui/Canvas.h"
#include "support/ShellWorld.h"

namespace {

// Only the main window, as at the moment start-up shows it.
struct MainWindowAlone {
  HeadlessBackend hb;
  TApplication app{&hb};
  explicit MainWindowAlone(const std::optional<std::vector<std::string>>& passwords) {
    SetPasswordFile(passwords);
    app.CreateForm(Form1);
  }
  ~MainWindowAlone() { Form1 = nullptr; }
};

TEST(ShellStartUp, CreateAndShowRunBeforeTheOtherWindowsExist) {
  struct Case {
    const char* name;
    std::optional<std::vector<std::string>> file;
    bool locked;
  };
  // clang-format off
  const Case cases[] = {
      {"no password file", std::nullopt, false},
      {"empty first line", std::vector<std::string>{"", "later"}, false},
      {"empty file", std::vector<std::string>{}, false},
      {"a password", std::vector<std::string>{"secret"}, true},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MainWindowAlone w(c.file);
    ASSERT_EQ(Form2, nullptr);
    ASSERT_EQ(FormVariableTable, nullptr);
    ASSERT_EQ(FrmProgress, nullptr);
    TForm1& f = *Form1;
    EXPECT_TRUE(f.Visible());
    EXPECT_EQ(f.FrontendLocked, c.locked);
    EXPECT_FALSE(f.SiteModeActive);
    EXPECT_EQ(f.PageControl1.ActivePage(), &f.tsActual);
    EXPECT_EQ(f.cbRelayModel.ItemIndex(), 0);
    EXPECT_EQ(f.cbRelayModel.Text(), "005");
    EXPECT_EQ(f.cbFreqSelector.Text(), "50Hz");
    // Grid captions of creation and of showing.
    EXPECT_EQ(f.strgridExtCommsConfigBits.Cell(0, 0), "Bit");
    EXPECT_EQ(f.strgridExtCommsConfigBits.Cell(2, 0), "Config Bits 1");
    EXPECT_EQ(f.strgridExtCommsConfigBits.Cell(0, 1), "00");
    EXPECT_EQ(f.strgridExtCommsConfigBits.Cell(0, 16), "15");
    EXPECT_EQ(f.strgridExtCommsConfigBits.Cell(1, 16), "Zero('0')");
    EXPECT_EQ(f.strgridExtCommsConfigBits.ColWidths, (std::vector<int>{25, 215, 215}));
    EXPECT_EQ(f.strgridExtCommsConfigWords.Cell(0, 0), "Word 00");
    EXPECT_EQ(f.strgridExtCommsConfigWords.Cell(0, 19), "Word 19");
    EXPECT_EQ(f.strgridExtCommsConfigWords.Cell(1, 7), "Status word");
    EXPECT_EQ(f.sgFaultHist.Cell(0, 0), " Grp");
    EXPECT_EQ(f.sgFaultHist.Cell(4, 0), " Fault Description");
    EXPECT_EQ(f.sgFaultHist.Cell(8, 0), " Brkr Clr");
    EXPECT_EQ(f.sgCurrentLevels.Cell(0, 0), "      Fx");
    EXPECT_EQ(f.sgCurrentLevels.Cell(1, 0), "    Ix %");
    EXPECT_EQ(f.sgStartup_TC_Req.Cell(0, 0), "0");
    EXPECT_EQ(f.sgStartup_TC_Req.Cell(0, 9), "9");
    // Nothing has ticked.
    EXPECT_EQ(w.hb.NowMs(), 0);
    EXPECT_TRUE(w.hb.boxes.empty());
  }
}

TEST(ShellStartUp, MenuToolBarAndStatusBar) {
  ShellWorld w(false);
  TForm1& f = w.f1();
  EXPECT_EQ(f.Menu, &f.MainMenu);
  struct Item {
    TMenuItem* item;
    const char* caption;
    const char* shortcut;
    bool built = true;  // a command not built yet is greyed and runs nothing
  };
  // clang-format off
  const Item items[] = {
      {&f.ImportMMIFile1, "Open disc file to read settings", "F1"},
      {&f.ExportNCSettings1, "Save settings in disc file", "F2"},
      {&f.VerifySettings, "Verify relay setting with file setting", ""},
      {&f.UserpasswordSetup, "User password setup", ""},
      {&f.Frm1MMenUnlockFrontend, "Unlock Frontend", ""},
      {&f.MMenSiteModePsw, "Site Mode", ""},
      {&f.miPrinterSetup, "Printer setup", "Ctrl+P"},
      {&f.miPrintCalSet, "Print calibration and settings", ""},
      {&f.Exit1, "E&xit", "F12"},
      {&f.Communication1, "Communica&tion", "F5"},
      {&f.Connect1, "&Connect", "F6"},
  };
  // clang-format on
  for (const Item& i : items) {
    SCOPED_TRACE(i.item->Name());
    EXPECT_EQ(i.item->Caption(), i.caption);
    EXPECT_EQ(i.item->ShortCut, i.shortcut);
    EXPECT_EQ(static_cast<bool>(i.item->OnClick), i.built);
    if (!i.built) {
      EXPECT_FALSE(i.item->Enabled());
    }
  }
  EXPECT_EQ(f.File1.Caption(), "&File");
  EXPECT_EQ(f.Options1.Caption(), "&Options");
  // The file menu in order, with its separators.
  std::vector<std::string> file;
  for (TControl* c : f.File1.Children()) file.push_back(c->Caption());
  EXPECT_EQ(file, (std::vector<std::string>{
                      "Open disc file to read settings", "Save settings in disc file",
                      "Verify relay setting with file setting", "-", "User password setup",
                      "Unlock Frontend", "Site Mode", "-", "Printer setup",
                      "Print calibration and settings", "-", "E&xit"}));

  std::vector<std::string> tools;
  for (TControl* c : f.ToolBar1.Children()) tools.push_back(c->Name() + (c->Enabled() ? "+" : "-"));
  EXPECT_EQ(tools, (std::vector<std::string>{"SButOpenFile+", "SButSaveToFile+", "SButPrintSet+",
                                             "SButComSetup+", "SBOpenComPort+", "SButClosePort-",
                                             "SButReadSetFrmRelay-", "SButWriteSetToRelay-"}));
  EXPECT_FALSE(f.Frm1MMenUnlockFrontend.Enabled());

  ASSERT_EQ(f.StatusBar1.Panels.size(), 3u);
  EXPECT_EQ(f.StatusBar1.Panels[0].Width, 100);
  EXPECT_TRUE(f.StatusBar1.Panels[1].OwnerDraw);
  EXPECT_EQ(f.StatusBar1.Panels[2].Width, 50);
  EXPECT_EQ(f.StatusBar1.PanelText(0), "");
}

TEST(ShellStartUp, FirstTicksShowTheDisconnectedState) {
  ShellWorld w(false);
  TForm1& f = w.f1();
  w.hb.RunFor(100);
  EXPECT_EQ(f.bTxStatistics.Caption(), "Change relay settings");
  EXPECT_TRUE(f.Communication1.Enabled());
  EXPECT_FALSE(f.SButClosePort.Enabled());
  EXPECT_FALSE(f.bRelayResetAct.Enabled());
  // The front end starts unlocked (no password file), so the menu item to unlock it is off.
  EXPECT_FALSE(f.Frm1MMenUnlockFrontend.Enabled());
  f.FrontendLocked = true;
  w.hb.RunFor(100);
  EXPECT_TRUE(f.Frm1MMenUnlockFrontend.Enabled());
}

// A canvas that records the rectangles filled.
struct RecordingCanvas : TCanvas {
  std::vector<TRect> fills;
  void TextOut(int, int, const std::string&) override {}
  void FillRect(const TRect& r) override { fills.push_back(r); }
  int TextHeight(const std::string&) override { return 10; }
  int TextWidth(const std::string&) override { return 10; }
};

TEST(ShellActivityBar, GrowsInElevenStatesAndStandsStillWithoutTheLink) {
  ShellWorld w(false);
  TForm1& f = w.f1();
  w.OpenIdle(60000 / 10);
  std::vector<int> widths;
  for (int i = 0; i < 13; ++i) {
    w.hb.RunFor(100);
    widths.push_back(f.ActivityWidth);
  }
  EXPECT_EQ(widths, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 0, 10, 20}));

  RecordingCanvas canvas;
  f.StatusBar1DrawPanel(canvas, 1, TRect{100, 2, 200, 20});
  ASSERT_EQ(canvas.fills.size(), 2u);
  EXPECT_EQ(canvas.fills[1].Left, 110);
  EXPECT_EQ(canvas.fills[1].Top, 2);
  canvas.fills.clear();
  f.StatusBar1DrawPanel(canvas, 0, TRect{0, 2, 100, 20});
  EXPECT_TRUE(canvas.fills.empty());

  w.f2().CommsTimeOutCntr = 0;
  w.f2().ComPort1.Close();
  w.hb.RunFor(500);
  EXPECT_EQ(f.ActivityWidth, 20);
}

TEST(ShellPageChange, PreparesPagesOnlyWhileConnected) {
  ShellWorld w(false);
  TForm1& f = w.f1();
  f.cbFreqSelector.SetItemIndex(1);
  f.cbI_Selector.SetItemIndex(-1);
  f.PageControl1.UserSelectTab(&f.tsSpectrum);
  EXPECT_EQ(f.sgCurrentLevels.Cell(0, 2), "");
  EXPECT_EQ(f.cbI_Selector.ItemIndex(), -1);

  w.OpenIdle();
  f.PageControl1.UserSelectTab(&f.tsActual);
  f.PageControl1.UserSelectTab(&f.tsSpectrum);
  EXPECT_EQ(f.sgCurrentLevels.Cell(0, 1), " f0   (0Hz)");
  EXPECT_EQ(f.sgCurrentLevels.Cell(0, 2), " f1  (60Hz)");
  EXPECT_EQ(f.sgCurrentLevels.Cell(0, 10), " f9 (540Hz)");
  EXPECT_EQ(f.cbI_Selector.ItemIndex(), 0);
  f.cbFreqSelector.SetItemIndex(0);
  f.PageControl1.UserSelectTab(&f.tsActual);
  f.PageControl1.UserSelectTab(&f.tsSpectrum);
  EXPECT_EQ(f.sgCurrentLevels.Cell(0, 3), " f2 (100Hz)");

  // The clock page ends its edit mode; the statistics page lights its lamp and keeps its mode.
  f.TxRTC_Click();
  f.bTxStatisticsClick();
  ASSERT_TRUE(f.ClockChangeFlag);
  f.PageControl1.UserSelectTab(&f.tsRealTimeClock);
  EXPECT_FALSE(f.ClockChangeFlag);
  EXPECT_EQ(f.iLedClockStatus.Caption(), "On Line");
  EXPECT_EQ(f.iLedClockStatus.ActiveColor(), clLime);
  EXPECT_EQ(f.bRTC_Setting.Caption(), "Set the real time clock");
  EXPECT_GT(f.mcCalendar.Date(), 40000);
  f.PageControl1.UserSelectTab(&f.tsStatistics);
  EXPECT_TRUE(f.iLedStatsStatus.Active());
  EXPECT_TRUE(f.StatsChangeFlag);

  // The earth-leakage delay shows for the instantaneous definite-time characteristic only.
  auto* selector = dynamic_cast<TComboBox*>(f.FindControl("cbEL_Selector"));
  TControl* delay = f.FindControl("seEL_TripDelay");
  ASSERT_TRUE(selector && delay);
  selector->SetItems({"Inst", "IDMT"});
  selector->SetItemIndex(1);
  f.PageControl1.UserSelectTab(&f.tsSettings);
  EXPECT_FALSE(delay->Visible());
  EXPECT_FALSE(f.FindControl("Label104")->Visible());
  selector->SetItemIndex(0);
  f.PageControl1.UserSelectTab(&f.tsActual);
  f.PageControl1.UserSelectTab(&f.tsSettings);
  EXPECT_TRUE(delay->Visible());
  EXPECT_TRUE(f.FindControl("Label106")->Visible());
}

TEST(ShellCommands, ExitAndCommsSetupAndPrinterSetup) {
  ShellWorld w(false);
  TForm1& f = w.f1();
  // Comms setup: shown modally; its "Ok" ends it.
  w.hb.After(50, [&] { w.f2().bCommSettingOk.UserClick(); });
  w.hb.After(10, [&] { EXPECT_TRUE(w.f2().IsModal()); });
  f.MainMenu.UserShortCut("F5");
  EXPECT_FALSE(w.f2().Visible());
  f.miPrinterSetup.UserClick();
  ASSERT_EQ(w.hb.dialogs.size(), 1u);
  EXPECT_EQ(w.hb.dialogs[0].kind, DialogKind::PrinterSetup);
  f.BtVarTable.UserClick();
  EXPECT_TRUE(FormVariableTable->Visible());
  EXPECT_FALSE(FormVariableTable->IsModal());
  f.Exit1.UserClick();
  EXPECT_FALSE(f.Visible());
  EXPECT_TRUE(w.app.Terminated());
}

}  // namespace
