// The frame of the main window: menu, tool bar, status bar, what creating, showing and closing the
// window set up, and the work done when the user selects another page.
#include "link/CommSetup.h"
#include "main/Access.h"
#include "main/Main.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Canvas.h"
#include "vartable/UnitVarTable.h"
#include "wire/Selections.h"

namespace {

using Handler = void (TForm1::*)();

// The transfer commands and the buttons that run them. They are bound once every area of the
// window has set up its page; a button already bound by its page keeps its own handler.
struct CommandButton {
  TButton TForm1::*button;
  Handler handler;
};
// clang-format off
constexpr CommandButton kCommandButtons[] = {
    {&TForm1::bReadSetFromRelay, &TForm1::bReadSetFromRelayClick},
    {&TForm1::bRxCalibration, &TForm1::bRxCalibrationClick},
    {&TForm1::bRxRelayID, &TForm1::bRxRelayIDClick},
    {&TForm1::btRxUserName, &TForm1::btRxUserNameClick},
    {&TForm1::btRxCommsData, &TForm1::btRxCommsDataClick},
    {&TForm1::Button2, &TForm1::btRxCommsDataClick},
    {&TForm1::btRxBluetooth, &TForm1::btRxBluetoothClick},
    {&TForm1::Button6, &TForm1::Button6Click},
    {&TForm1::bRxControlLogic, &TForm1::bRxControlLogicClick},
    {&TForm1::bRxStarterConfigFromRL, &TForm1::bRxStarterConfigFromRLClick},
    {&TForm1::bTxCalibration, &TForm1::bTxCalibrationClick},
    {&TForm1::bRelayID, &TForm1::bRelayIDClick},
    {&TForm1::pbUserName, &TForm1::pbUserNameClick},
    {&TForm1::bCommSettings, &TForm1::bCommSettingsClick},
    {&TForm1::Button1, &TForm1::bCommSettingsClick},
    {&TForm1::btTxBluetooth, &TForm1::btTxBluetoothClick},
    {&TForm1::Button5, &TForm1::Button5Click},
    {&TForm1::bTxLogicControl, &TForm1::bTxLogicControlClick},
    {&TForm1::bTxStarterConfigToRL, &TForm1::bTxStarterConfigToRLClick},
    {&TForm1::bRTC_Setting, &TForm1::TxRTC_Click},
    {&TForm1::bTxStatistics, &TForm1::bTxStatisticsClick},
    {&TForm1::bFaultHistClr, &TForm1::ClrFaultHistClick},
    {&TForm1::bClrEventRecs, &TForm1::bClrEventRecsClick},
    {&TForm1::bRelayResetAct, &TForm1::bRelayResetActClick},
    {&TForm1::bTC_ResetAct, &TForm1::bTC_ResetActClick},
    {&TForm1::BtVarTable, &TForm1::BtVarTableClick},
};
// clang-format on

// Menu items and tool buttons with their handlers.
struct MenuCommand {
  TMenuItem TForm1::*item;
  Handler handler;
};
// clang-format off
constexpr MenuCommand kMenuCommands[] = {
    {&TForm1::ImportMMIFile1, &TForm1::ImportMMIFile1Click},
    {&TForm1::ExportNCSettings1, &TForm1::ExportNCSettings1Click},
    {&TForm1::VerifySettings, &TForm1::VerifySettingsClick},
    {&TForm1::UserpasswordSetup, &TForm1::UserpasswordSetupClick},
    {&TForm1::Frm1MMenUnlockFrontend, &TForm1::Frm1MMenUnlockFrontendClick},
    {&TForm1::MMenSiteModePsw, &TForm1::MMenSiteModePswClick},
    {&TForm1::miPrinterSetup, &TForm1::miPrintSetUpClick},
    {&TForm1::miPrintCalSet, &TForm1::miPrintCalSetClick},
    {&TForm1::Exit1, &TForm1::Exit1Click},
    {&TForm1::Communication1, &TForm1::Communication1Click},
    {&TForm1::Connect1, &TForm1::Connect1Click},
};
// clang-format on

struct ToolCommand {
  TToolButton TForm1::*button;
  Handler handler;
  bool enabledAtStart;
};
// clang-format off
constexpr ToolCommand kToolCommands[] = {
    {&TForm1::SButOpenFile, &TForm1::ImportMMIFile1Click, true},
    {&TForm1::SButSaveToFile, &TForm1::ExportNCSettings1Click, true},
    {&TForm1::SButPrintSet, &TForm1::miPrintCalSetClick, true},
    {&TForm1::SButComSetup, &TForm1::Communication1Click, true},
    {&TForm1::SBOpenComPort, &TForm1::Connect1Click, true},
    {&TForm1::SButClosePort, &TForm1::Connect1Click, false},
    {&TForm1::SButReadSetFrmRelay, &TForm1::SButReadSetFrmRelayClick, false},
    {&TForm1::SButWriteSetToRelay, &TForm1::SButWriteSetToRelayClick, false},
};
// clang-format on

// Harmonic labels of the spectrum table, rows 1 to 10, for 50 Hz and for 60 Hz.
// clang-format off
constexpr const char* kHarmonicLabels[10][2] = {
    {" f0   (0Hz)", " f0   (0Hz)"}, {" f1  (50Hz)", " f1  (60Hz)"}, {" f2 (100Hz)", " f2 (120Hz)"},
    {" f3 (150Hz)", " f3 (180Hz)"}, {" f4 (200Hz)", " f4 (240Hz)"}, {" f5 (250Hz)", " f5 (300Hz)"},
    {" f6 (300Hz)", " f6 (360Hz)"}, {" f7 (350Hz)", " f7 (420Hz)"}, {" f8 (400Hz)", " f8 (480Hz)"},
    {" f9 (450Hz)", " f9 (540Hz)"},
};
// clang-format on

constexpr const char* kFaultHistHeadings[] = {
    " Grp",     " Status", " Date", " Time",    " Fault Description",
    " Run Hrs", " Imax %", " Vmin", " Brkr Clr"};

constexpr int kActivityStep = 10;
constexpr int kActivityImageWidth = 16;

}  // namespace

void TForm1::InitShell() {
  Menu = &MainMenu;
  for (const MenuCommand& m : kMenuCommands) {
    Handler h = m.handler;
    (this->*m.item).OnClick = [this, h] { (this->*h)(); };
  }
  Frm1MMenUnlockFrontend.SetEnabled(false);
  PageControl1.MultiLine = true;
  PageControl1.TabWidth = 120;
  // The tool bar groups: files, then the link, then the relay transfers.
  SButComSetup.SeparatorBefore = true;
  SButReadSetFrmRelay.SeparatorBefore = true;

  for (const ToolCommand& t : kToolCommands) {
    Handler h = t.handler;
    TToolButton& b = this->*t.button;
    b.OnClick = [this, h] { (this->*h)(); };
    b.SetEnabled(t.enabledAtStart);
    b.SetBounds(-1, -1, 23, 22);
  }

  StatusBar1.Panels.resize(3);
  StatusBar1.Panels[0].Width = 100;
  StatusBar1.Panels[1].Width = 100;
  StatusBar1.Panels[1].OwnerDraw = true;
  StatusBar1.Panels[2].Width = 50;
  StatusBar1.OnDrawPanel = [this](TCanvas& c, int panel, const TRect& r) {
    StatusBar1DrawPanel(c, panel, r);
  };

  TmrSystem.Name = "TmrSystem";
  Timer1.Name = "Timer1";
  TmrSystem.OnTimer = [this] { TmrSystemTimer(); };
  Timer1.OnTimer = [this] { Timer1Timer(); };
  // Ticks that would find nothing to do are passed over; they come back on their own phase.
  TmrSystem.Idle = [this] { return TmrSystemIdle(); };
  Timer1.Idle = [] {
    return !Form2 || !Form2->ComPort1.Connected() || Form2->CommsTimeOutCntr == 0;
  };

  PageControl1.OnChange = [this] { PageControl1Change(); };
  OnCreate = [this] { FormCreate(); };
  OnShow = [this] { FormShow(); };
  OnClose = [this] { FormClose(); };

  // Controls of pages that other parts of the program fill in later.
  bTC_ResetAct.SetHint("Reset Thermal Capacity used to 0%");
  bFaultHistClr.SetHint("Clear last fault records in relay");
  cbRelayModel.SetItems(wire::ItemList(wire::kRelayModelItems));
  cbI_Selector.Style = TComboBoxStyle::csDropDown;
  cbI_Selector.SetItems({"Red phase current", "White phase current", "Blue phase current"});
  cbI_Selector.SetItemIndex(0);
  cbExtCommsSelProt.Style = TComboBoxStyle::csDropDown;
  cbExtCommsSelProt.SetItems({" None ", " Profibus-DP", " Modbus-RTU", " CANbus", " PROFINET",
                              " Modbus/TCP", " EtherNet/IP "});
  cbExtCommsSelProt.SetItemIndex(0);
  strgridExtCommsConfigWords.FixedRows = 0;
}

void TForm1::BindCommands() {
  for (const CommandButton& c : kCommandButtons) {
    TButton& b = this->*c.button;
    if (b.OnClick) continue;
    Handler h = c.handler;
    b.OnClick = [this, h] { (this->*h)(); };
  }
  // The settings write of the Settings page, unless that page binds its own.
  if (!bTxSettings.OnClick)
    bTxSettings.OnClick = [this] { ArmTransfer(TransferCommand::TxSettings); };
}

// Neither the comms setup window, the request queue, the variable table nor the progress dialog
// exists yet when this runs.
void TForm1::FormCreate() {
  // Every area has placed its controls by now.
  BindCommands();

  SiteModeActive = false;
  FrontendLocked = true;
  cbRelayModel.SetItemIndex(0);
  cbFreqSelector.SetItemIndex(0);

  TStringGrid& bits = strgridExtCommsConfigBits;
  bits.SetCell(0, 0, "Bit");
  bits.SetCell(1, 0, "Config Bits 0");
  bits.SetCell(2, 0, "Config Bits 1");
  for (int row = 1; row <= 16; ++row) {
    bits.SetCell(0, row, Format("%0:0.2d", {row - 1}));
    bits.SetCell(1, row, "Zero('0')");
    bits.SetCell(2, row, "Zero('0')");
  }
  bits.ColWidths = {25, 215, 215};

  TStringGrid& words = strgridExtCommsConfigWords;
  for (int row = 0; row <= 19; ++row) {
    words.SetCell(0, row, Format("Word %0:0.2d", {row}));
    words.SetCell(1, row, "Status word");
  }
  words.ColWidths = {60, 400};
}

// Runs at the end of the window's creation, before the other windows exist.
void TForm1::FormShow() {
  // A password file that cannot be opened (a missing one, or no regular file) leaves the front
  // end unlocked; one that opens but cannot be read or closed is an I/O error.
  FrontendLocked = ClientPasswordLocks();

  PageControl1.SetActivePage(&tsActual);

  for (int col = 0; col < static_cast<int>(std::size(kFaultHistHeadings)); ++col)
    sgFaultHist.SetCell(col, 0, kFaultHistHeadings[col]);
  sgCurrentLevels.SetCell(1, 0, "    Ix %");
  sgCurrentLevels.SetCell(0, 0, "      Fx");
  for (int row = 0; row <= 9; ++row) sgStartup_TC_Req.SetCell(0, row, IntToStr(row));
  for (int i = 0; i <= 15; ++i) sgPLC_inputs.SetCell(15 - i, 0, IntToStr(i + 1));
  for (int row = 0; row <= 7; ++row) sgPLC_lsb.SetCell(0, row, IntToStr(row + 1));
  for (int row = 0; row <= 7; ++row) sgPLC_msb.SetCell(0, row, IntToStr(row + 9));
}

void TForm1::FormClose() {
  if (Form2 && Form2->ComPort1.Connected()) DropLink(LinkDrop::Closing);
}

void TForm1::Exit1Click() { Close(); }

void TForm1::Communication1Click() {
  if (Form2) Form2->ShowModal();
}

void TForm1::miPrintSetUpClick() { PrinterSetupDialog.Execute(); }

void TForm1::BtVarTableClick() {
  if (FormVariableTable) FormVariableTable->Show();
}

void TForm1::PageControl1Change() {
  if (!Form2 || !Form2->ComPort1.Connected()) return;
  TTabSheet* page = PageControl1.ActivePage();
  // The CANbus baud list back on its first item, without rewriting the comms record.
  if (page == &tsStatistics || page == &tsExtIO || page == &tsActual) CommsSelection();
  if (page == &tsSettings) {
    // The earth-leakage delay belongs to the instantaneous definite-time characteristic only.
    bool show = cbEL_Selector.ItemIndex() == 0;
    for (TControl* c : std::initializer_list<TControl*>{&seEL_TripDelay, &Label104, &Label106})
      c->SetVisible(show);
    StarterTypeDisplay();
  } else if (page == &tsStarters) {
    StarterTypeDisplay();
  } else if (page == &tsSpectrum) {
    int column = cbFreqSelector.ItemIndex() == 0 ? 0 : 1;
    for (int row = 1; row <= 10; ++row)
      sgCurrentLevels.SetCell(0, row, kHarmonicLabels[row - 1][column]);
    cbI_Selector.SetItemIndex(0);
  } else if (page == &tsRealTimeClock) {
    mcCalendar.SetDate(Date());
    EndClockEditMode();
  } else if (page == &tsStatistics) {
    iLedStatsStatus.SetActive(true);
  }
}

void TForm1::Timer1Timer() {
  if (!Form2 || !Form2->ComPort1.Connected() || Form2->CommsTimeOutCntr == 0) return;
  ActivityWidth = ActivityWidth < 100 ? ActivityWidth + kActivityStep : 0;
  StatusBar1.Invalidate();
}

void TForm1::StatusBar1DrawPanel(TCanvas& canvas, int panel, const TRect& rect) {
  if (panel != 1) return;
  // One copy of the activity image for every step of the bar's width.
  canvas.BrushColor = clLime;
  for (int x = 0; x < ActivityWidth; x += kActivityStep)
    canvas.FillRect({rect.Left + x, rect.Top, rect.Left + x + kActivityImageWidth, rect.Bottom});
}
