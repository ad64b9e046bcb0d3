#pragma once
// The demo's windows: one control of every kind on a main window laid out like the program's
// (menu, tool bar, multi-line tabs, status bar), a modal dialog, and a small window for typing.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "platform/print/Printer.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Instruments.h"
#include "platform/ui/Scheduler.h"

namespace demo {

void Log(const std::string& s);

// Prints `pages` pages of 91-column lines in "Courier New" 10 pt, as the settings report does.
void PrintPages(int pages);

class TDemoDialog : public TForm {
 public:
  TDemoDialog() : TForm("DemoDialog", "A modal window") {
    Position = TFormPosition::poMainFormCenter;
    ok.ModalResult = mrOk;
    cancel.ModalResult = mrCancel;
  }
  TLabel lbl{this, "lbl", "Closes with OK or Cancel."};
  TLabel lblName{this, "lblName", "Name:"};
  TEdit edName{this, "edName", "Jos\xe9 \x80 5"};
  TButton ok{this, "ok", "OK"};
  TButton cancel{this, "cancel", "Cancel"};
};

class TDemoForm : public TForm {
 public:
  TDemoForm() : TForm("DemoForm", "Control model demo \xb7 caf\xe9") {
    Position = TFormPosition::poScreenCenter;
    DesignVisible = true;
    Menu = &menu;
    BuildMenuAndTools();
    BuildInputs();
    BuildInstruments();
    BuildGrid();
    BuildRecorder();
    BuildPlaced();
    pages.MultiLine = true;
    pages.TabWidth = 120;
    pages.SetActivePage(&tsInputs);
    tsHidden.SetTabVisible(false);
    ticker.OnTimer = [this] { Tick(); };
  }

  void SetStatus(const std::string& s) {
    Log(s);
    stat.SetPanelText(2, s);
  }

  TDemoDialog* dialog = nullptr;
  int activity = 0, ticks = 0;

  TMainMenu menu{this, "menu"};
  TMenuItem mFile{&menu, "mFile", "&File"};
  TMenuItem miSave{&mFile, "miSave", "&Save settings in disc file", "F2"};
  TMenuItem miDialog{&mFile, "miDialog", "&Modal window...", "F5"};
  TMenuItem miBox{&mFile, "miBox", "&Error box", "Ctrl+E"};
  TMenuItem miDisabled{&mFile, "miDisabled", "&Disabled item", "F7"};
  TMenuItem n1{&mFile, "N1", "-"};
  TMenuItem miPrinterSetup{&mFile, "miPrinterSetup", "Printer setup", "Ctrl+P"};
  TMenuItem miPrint{&mFile, "miPrint", "&Print three pages"};
  TMenuItem n2{&mFile, "N2", "-"};
  TMenuItem miExit{&mFile, "miExit", "E&xit", "F12"};
  TMenuItem mOptions{&menu, "mOptions", "&Options"};
  TMenuItem miRecorder{&mOptions, "miRecorder", "&Recorder running", "F9"};
  TMenuItem miConnect{&menu, "miConnect", "&Connect", "F6"};

  TToolBar toolbar{this, "toolbar"};
  TToolButton tbOpen{&toolbar, "SButOpenFile", "Open disc file to read settings"};
  TToolButton tbSave{&toolbar, "SButSaveToFile", "Save settings in disc file"};
  TToolButton tbPrint{&toolbar, "SButPrintSet", "Print calibration and settings"};
  TToolButton tbSetup{&toolbar, "SButComSetup", "Communication setup"};
  TToolButton tbConnect{&toolbar, "SBOpenComPort", "Connect"};
  TToolButton tbDisconnect{&toolbar, "SButClosePort", "Disconnect"};
  TToolButton tbRead{&toolbar, "SButReadSetFrmRelay", "Read all settings from the relay"};
  TToolButton tbWrite{&toolbar, "SButWriteSetToRelay", "Write settings to the relay"};

  TPageControl pages{this, "pages"};
  TTabSheet tsInputs{&pages, "tsInputs", "Inputs"};
  TLabel l1{&tsInputs, "l1", "&Motor name:"};
  TEdit ed1{&tsInputs, "ed1", "Pump 3"};
  TLabel l2{&tsInputs, "l2", "Full load current (A):"};
  TSpinEdit spin{&tsInputs, "spin", 1, 200, 55};
  TLabel l2b{&tsInputs, "l2b", "Frozen contact time (buttons only):"};
  TSpinEdit spinFixed{&tsInputs, "spinFixed", 0, 2000, 2000};
  TLabel l3{&tsInputs, "l3", "Port (list only):"};
  TComboBox combo{&tsInputs, "combo"};
  TLabel l3b{&tsInputs, "l3b", "Protocol (editable):"};
  TComboBox comboEdit{&tsInputs, "comboEdit"};
  TLabel l3c{&tsInputs, "l3c", "Bit (sorted):"};
  TComboBox comboSorted{&tsInputs, "comboSorted"};
  TLabel l4{&tsInputs, "l4", "Read only:"};
  TEdit edReadOnly{&tsInputs, "edReadOnly", "fixed"};
  TCheckBox check{&tsInputs, "check", "Fail-Safe Select"};
  TRadioGroup radios{&tsInputs, "radios", "Frequency"};
  TRadioButton rb1{&tsInputs, "rb1", "Phase A"};
  TRadioButton rb2{&tsInputs, "rb2", "Phase B"};
  TButton button{&tsInputs, "button", "&Read from relay"};
  TGroupBox group{&tsInputs, "group", "Group of its own"};
  TLabel gl1{&group, "gl1", "Inside:"};
  TEdit ge1{&group, "ge1", "1"};
  TLabel gl2{&group, "gl2", "A longer caption:"};
  TEdit ge2{&group, "ge2", "2"};
  TMemo memo{&tsInputs, "memo"};
  TLabel lblTicks{&tsInputs, "lblTicks", "Ticks: 0"};

  TTabSheet tsInstr{&pages, "tsInstr", "Instruments"};
  TiLedRectangle led1{&tsInstr, "led1", "Trip"};
  TiLedRectangle led2{&tsInstr, "led2", "Alarm blinking"};
  TiLedRectangle led3{&tsInstr, "led3", "Running"};
  TiSwitchLed swLed{&tsInstr, "swLed", "Start demo"};
  TiAngularGauge gauge{&tsInstr, "gauge"};
  TLabel lDisp{&tsInstr, "lDisp", "Voltage:"};
  TiAnalogDisplay display{&tsInstr, "display"};
  TLabel lOut{&tsInstr, "lOut", "THD (%):"};
  TiAnalogOutput output{&tsInstr, "output"};
  TLabel lSlider{&tsInstr, "lSlider", "Slider 0.5 .. 2.5:"};
  TiSlider slider{&tsInstr, "slider"};
  TiSpectrumDisplay spectrum{&tsInstr, "spectrum"};
  TLabel lProg{&tsInstr, "lProg", "Progress:"};
  TProgressBar progress{&tsInstr, "progress"};
  TiSlideSwitch slide{&tsInstr, "slide"};
  TiToggleSwitch toggle{&tsInstr, "toggle"};

  TTabSheet tsGrid{&pages, "tsGrid", "Grid"};
  TStringGrid grid{&tsGrid, "grid"};
  TCheckBox cbRowSelect{&tsGrid, "cbRowSelect", "Whole rows (no editing)"};
  TStringGrid table{&tsGrid, "table", 4, 9};

  TTabSheet tsRecorder{&pages, "tsRecorder", "Recorder"};
  TiPlot plot{&tsRecorder, "plot"};

  TTabSheet tsPlaced{&pages, "tsPlaced", "Placed"};
  TGroupBox placed{&tsPlaced, "placed", "Placed by bounds"};
  TLabel pl1{&placed, "pl1", "Setting A:"};
  TEdit pe1{&placed, "pe1", "12.5"};
  TLabel pl2{&placed, "pl2", "Setting B:"};
  TSpinEdit pe2{&placed, "pe2", 0, 9, 3};
  TButton pb{&placed, "pb", "Apply"};
  TiLedRectangle plamp{&placed, "plamp", "Running"};
  TGroupBox other{&tsPlaced, "other", "Shape"};
  TShape shape{&tsPlaced, "shape"};
  TBevel bevel{&tsPlaced, "bevel"};
  TMonthCalendar cal{&tsPlaced, "cal"};
  TPanel panel{&tsPlaced, "panel", "A panel with a caption"};
  TLabel hidden{&tsPlaced, "hidden", "never seen"};

  // More pages, so that the tabs take two rows as the program's do.
  TTabSheet tsStarters{&pages, "tsStarters", "Starter Configuration"};
  TTabSheet tsClock{&pages, "tsClock", "Real Time Clock"};
  TTabSheet tsFaults{&pages, "tsFaults", "Fault History"};
  TTabSheet tsStats{&pages, "tsStats", "Comms + Statistics"};
  TTabSheet tsEvents{&pages, "tsEvents", "Event History"};
  TTabSheet tsCalc{&pages, "tsCalc", "Calculator"};
  TTabSheet tsSpectrum{&pages, "tsSpectrum", "Spectrum Analyser"};
  TTabSheet tsExtIO{&pages, "tsExtIO", "External Modules"};
  TTabSheet tsDisabled{&pages, "tsDisabled", "Disabled page"};
  TTabSheet tsHidden{&pages, "tsHidden", "Hidden page"};

  TStatusBar stat{this, "stat"};
  TTimer ticker{250};
  TTimer recorder{500, false};

 private:
  void SetConnected(bool on) {
    connected = on;
    miConnect.SetCaption(on ? "&Disconnect" : "&Connect");
    for (TControl* c : std::initializer_list<TControl*>{&tbSetup, &tbConnect}) c->SetEnabled(!on);
    for (TControl* c : std::initializer_list<TControl*>{&tbDisconnect, &tbRead, &tbWrite})
      c->SetEnabled(on);
    stat.SetPanelText(0, on ? "COM1 Connected." : "COM1 Disconnected.");
  }

  void BuildMenuAndTools() {
    stat.Panels = {{"", 100, false}, {"", 100, true}, {"", 50, false}};
    stat.OnDrawPanel = [this](TCanvas& cv, int panel, const TRect& r) {
      if (panel != 1) return;
      cv.BrushColor = clNavy;
      for (int x = 0; x < activity; x += 10)
        cv.FillRect(TRect{r.Left + x, r.Top + 2, r.Left + x + 8, r.Bottom - 2});
    };
    tbSetup.SeparatorBefore = true;
    tbRead.SeparatorBefore = true;
    for (auto* b : {&tbOpen, &tbSave, &tbPrint, &tbSetup, &tbRead, &tbWrite})
      b->OnClick = [this, b] { SetStatus("tool " + b->Name()); };
    tbConnect.OnClick = tbDisconnect.OnClick =
        miConnect.OnClick = [this] { SetConnected(!connected); };
    SetConnected(false);
    tbSave.OnClick = miSave.OnClick = [this] { Save(); };
    tbPrint.OnClick = miPrint.OnClick = [this] {
      TPrintDialog pd;
      if (pd.Execute()) PrintPages(3);
      SetStatus("printed");
    };
    miPrinterSetup.OnClick = [this] {
      TPrinterSetupDialog ps;
      SetStatus(ps.Execute() ? "printer set up" : "printer setup cancelled");
    };
    miExit.OnClick = [this] { Close(); };
    miDialog.OnClick = [this] { SetStatus("modal result " + std::to_string(dialog->ShowModal())); };
    miBox.OnClick = [] {
      MessageDlg("Value is out of range !\rRange = 0 to 200 sec", TMsgDlgType::mtError);
    };
    miDisabled.SetEnabled(false);
    miDisabled.OnClick = [this] { SetStatus("disabled item ran: wrong"); };
    miRecorder.OnClick = [this] {
      recorder.SetEnabled(!recorder.Enabled());
      miRecorder.SetChecked(recorder.Enabled());
    };
  }

  void Save() {
    TSaveDialog save;
    save.Title = "Save settings in disc file";
    save.Filter = "Settings|*.set";
    save.DefaultExt = "set";
    save.InitialDir = "c:\\";
    if (!save.Execute()) return SetStatus("save cancelled");
    TStringList lines;
    lines.Add("Motor name=" + ed1.Text());
    lines.SaveToFile(save.FileName);
    SetStatus("saved " + save.FileName);
  }

  void BuildInputs() {
    spin.OnExit = [this] { SetStatus("spin exit " + spin.Text()); };
    spinFixed.EditorEnabled = false;
    spinFixed.Increment = 50;
    spinFixed.MaxLength = 4;
    combo.SetItems({"COM1", "COM2", "COM10"});
    combo.SetItemIndex(0);
    combo.OnChange = [this] { SetStatus("combo " + combo.Text()); };
    comboEdit.Style = TComboBoxStyle::csDropDown;
    comboEdit.SetItems({" Modbus", " Profibus", " CANbus"});
    comboEdit.SetItemIndex(0);
    comboEdit.OnChange = [this] { SetStatus("protocol [" + comboEdit.Text() + "]"); };
    comboSorted.Style = TComboBoxStyle::csDropDown;
    comboSorted.Sorted = true;
    comboSorted.SetItems({"Trip relay", "alarm relay", "Emergency stop", "Bit 16", "Bit 2"});
    check.SetChecked(true);
    check.OnClick = [this] { SetStatus(std::string("check ") + (check.Checked() ? "on" : "off")); };
    for (const char* s : {"50 Hz", "60 Hz", "Auto", "Off"}) radios.Items.Add(s);
    radios.Columns = 2;
    radios.SetItemIndex(0);
    radios.OnClick = [this] { SetStatus("frequency " + std::to_string(radios.ItemIndex())); };
    button.OnClick = [this] { SetStatus("button"); };
    memo.Lines.Add("A memo line");
    memo.Lines.Add("Another line \xe9");
    rb1.SetChecked(true);
    edReadOnly.ReadOnly = true;
  }

  void BuildInstruments() {
    led1.SetActive(true);
    led1.SetActiveColor(clRed);
    led2.SetActiveColor(clYellow);
    led3.SetActive(true);
    swLed.OnClick = [this] {
      swLed.SetCaption(swLed.Active() ? "Stop demo" : "Start demo");
      SetStatus(std::string("switch lamp ") + (swLed.Active() ? "on" : "off"));
    };
    gauge.PositionMax = 150;
    gauge.TickMajorCount = 7;
    gauge.Sections = {{100, clLime}, {125, clYellow}, {150, clRed}};
    gauge.SetPosition(87.5);
    display.Precision = 1;
    display.SetValue(231.4);
    output.Precision = 3;
    output.SetValue(0.613);
    slider.SetPositionMin(0.5);
    slider.SetPositionMax(2.5);
    slider.SetPosition(1.25);
    slider.OnPositionChangeFinished = [this] {
      SetStatus("slider " + FloatToStr(slider.Position()));
    };
    spectrum.SetBarCount(10);
    const double sine[10] = {0, 99, 0, 0.4, 0, 0, 0, 0.4, 0, 0.2};
    for (int i = 0; i < 10; ++i) spectrum.SetBar(i, sine[i]);
    progress.SetPosition(65);
    toggle.SetActive(true);
  }

  void BuildGrid() {
    grid.SetColCount(4);
    grid.SetRowCount(30);
    grid.ColWidths = {120, 80, 80, 60};
    grid.Editing = true;
    const char* heads[] = {"", "Received", "Send", "Unit"};
    for (int c = 0; c < 4; ++c) grid.SetCell(c, 0, heads[c]);
    for (int r = 1; r < 30; ++r) {
      grid.SetCell(0, r, "Field " + std::to_string(r));
      grid.SetCell(1, r, std::to_string(100 * r));
      grid.SetCell(2, r, std::to_string(100 * r + 1));
      grid.SetCell(3, r, "sec");
    }
    grid.OnSelectCell = [this](int c, int r, bool& can) {
      can = c != 3;  // the unit column cannot be selected
      SetStatus("select " + std::to_string(c) + "," + std::to_string(r) + (can ? "" : " refused"));
    };
    grid.OnDblClick = [this] { SetStatus("grid double click"); };
    cbRowSelect.OnClick = [this] {
      grid.RowSelect = cbRowSelect.Checked();
      grid.Editing = !grid.RowSelect;
      grid.SetRow(grid.Row());  // shows the new mode
    };
    // A small table: the first row and the first three columns fixed, no scroll bars.
    table.FixedCols = 3;
    table.ColWidths = {20, 20, 20, 20};
    table.DefaultRowHeight = 20;
    table.ScrollBars = TScrollStyle::ssNone;
    table.SetCol(3);
    const char* tableHead[] = {"A", "B", "C", "Op"};
    for (int c = 0; c < 4; ++c) table.SetCell(c, 0, tableHead[c]);
    for (int r = 1; r < 9; ++r) {
      for (int c = 0; c < 3; ++c) table.SetCell(c, r, std::to_string(((r - 1) >> (2 - c)) & 1));
      table.SetCell(3, r, "0");
    }
  }

  void BuildRecorder() {
    plot.SetBounds(-1, -1, 1000, 560);
    plot.Title = "Actual Data Recorder";
    plot.XAxisTitle = "Time";
    plot.YAxisTitle = "Parameters";
    plot.XLabelFormat = "hh:nn:ss";
    plot.XSpan = 60.0 / 86400.0;
    plot.YAutoScale = true;
    plot.RingSize = 3000;
    const TColor colours[] = {clRed,  clWhite,  clAqua,    clYellow, clFuchsia,
                              clLime, clSilver, clSkyBlue, clOlive,  clTeal};
    for (int i = 0; i < 120; ++i) {
      plot.AddChannel("Channel " + std::to_string(i), colours[i % 10]);
      const bool shown = i < 9 || i == 115;
      plot.SetChannelVisible(i, shown, shown);
    }
    recorder.OnTimer = [this] { RecordSample(Now()); };
  }

 public:
  // One sample of every channel, as the program's recorder takes them.
  void RecordSample(TDateTime at) {
    ++samples;
    std::vector<double> ys(120);
    for (int i = 0; i < 120; ++i)
      ys[size_t(i)] = i < 9 ? 200 + 30 * std::sin(samples / 10.0 + i) : (samples / 7 + i) % 2;
    plot.AddDataArray(at, ys);
  }
  // Samples every 500 ms up to now, as after a run of that length.
  void RecordHistory(int count) {
    const TDateTime now = Now();
    for (int i = count - 1; i >= 0; --i) RecordSample(now - i * 0.5 / 86400.0);
  }
  int samples = 0;

 private:
  void BuildPlaced() {
    placed.SetBounds(8, 8, 360, 150);
    pl1.SetBounds(16, 24, 80, 17);
    pe1.SetBounds(100, 20, 120, 21);
    pl2.SetBounds(16, 56, 80, 17);
    pe2.SetBounds(100, 52, 60, 21);
    pb.SetBounds(240, 100, 100, 25);
    plamp.SetBounds(240, 20, 100, 25);
    plamp.SetActive(true);
    other.SetBounds(380, 8, 200, 150);
    shape.SetBounds(400, 40, 60, 40);
    shape.SetColor(clSkyBlue);
    bevel.SetBounds(8, 170, 572, 2);
    cal.SetBounds(8, 180, 260, 180);
    cal.SetDate(45000);
    panel.SetBounds(280, 180, 300, 60);
    panel.SetColor(clMoneyGreen);
    hidden.SetBounds(600, 8, 100, 20);
    hidden.SetVisible(false);
    tsDisabled.SetEnabled(false);
  }

  void Tick() {
    activity = activity < 100 ? activity + 10 : 0;
    stat.Invalidate();
    ++ticks;
    gauge.SetPosition(60 + (ticks % 20) * 4);
    display.SetValue(230 + (ticks % 10) * 0.3);
    led2.SetActive(ticks % 2);
    lblTicks.SetCaption("Ticks: " + std::to_string(ticks));
  }

  bool connected = false;
};

// A form whose edit drops digits and refuses to be left while it holds "bad".
class TKeysForm : public TForm {
 public:
  TKeysForm() : TForm("KeysForm", "Keys") {
    DesignVisible = true;
    ed.OnKeyPress = [](char& k) {
      if (k >= '0' && k <= '9') k = 0;
    };
    ed.OnExit = [this] {
      ++exits;
      if (ed.Text() == "bad") ed.SetFocus();
      if (ed.Text() == "box") {
        MessageDlg("Please enter only digits !", TMsgDlgType::mtError);
        ed.SetFocus();
      }
    };
    b.OnClick = [this] { ++clicks; };
  }
  TEdit ed{this, "ed", ""};
  TEdit other{this, "other", ""};
  TButton b{this, "b", "Go"};
  TMemo memo{this, "memo"};
  int exits = 0, clicks = 0;
};

}  // namespace demo
