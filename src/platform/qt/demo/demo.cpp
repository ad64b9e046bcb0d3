// A throwaway program to look at the Qt backend: one control of every kind, and a few scenarios
// that check the loops and the input path without a person.
//   vuma-qt-demo            the demo window (snapshots with VUMA_SNAPSHOT_DIR)
//   vuma-qt-demo nested     a box opened in a timer handler while the timer keeps firing
//   vuma-qt-demo modal      a modal window closed by a timer inside its own loop
//   vuma-qt-demo keys       typed keys, OnKeyPress, OnExit sending the focus back
//   vuma-qt-demo serial P   write to port P and print what comes back
//   vuma-qt-demo controls  menu shortcuts, check box, combo, spin, tabs, grid, lamps by simulated input
//   vuma-qt-demo dialogs   a save, an open and a print dialog, answered by a timer
//   vuma-qt-demo print      print a page (to a PDF file without a printer queue)
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QFileDialog>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <cstdio>
#include <ctime>
#include <cstring>
#include <memory>

#include "platform/print/Printer.h"
#include "platform/qt/QtBackend.h"
#include "platform/rtl/Paths.h"
#include "platform/qt/QtWidgets.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtSerial.h"
#include "platform/serial/Serial.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Instruments.h"
#include "platform/ui/Scheduler.h"

namespace {

class TDemoDialog : public TForm {
 public:
  TDemoDialog() : TForm("DemoDialog", "A modal window") {
    Position = TFormPosition::poMainFormCenter;
    lbl.SetCaption("Closes itself after a while, or press OK.");
    ok.ModalResult = mrOk;
    cancel.ModalResult = mrCancel;
  }
  TLabel lbl{this, "lbl"};
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
    stat.Panels = {{"COM1 Disconnected.", 140, false}, {"", 100, true}, {"", 50, false}};
    stat.OnDrawPanel = [this](TCanvas& cv, int panel, const TRect& r) {
      if (panel != 1) return;
      cv.BrushColor = clNavy;
      for (int x = 0; x < activity; x += 10) cv.FillRect(TRect{r.Left + x, r.Top + 2, r.Left + x + 8, r.Bottom - 2});
    };
    for (auto* b : {&tbOpen, &tbSave, &tbConnect}) b->OnClick = [this, b] { Log("tool " + b->Name()); };
    miExit.OnClick = [this] { Close(); };
    miDialog.OnClick = [this] { Log("modal result " + std::to_string(dialog->ShowModal())); };
    miBox.OnClick = [] { MessageDlg("Value is out of range !\rRange = 0 to 200 sec", TMsgDlgType::mtError); };
    miDisabled.SetEnabled(false);
    miDisabled.OnClick = [this] { Log("disabled item ran: wrong"); };

    // Inputs page.
    spin.OnExit = [this] { Log("spin exit " + spin.Text()); };
    combo.SetItems({"COM1", "COM2", "COM10"});
    combo.SetItemIndex(0);
    combo.OnChange = [this] { Log("combo " + combo.Text()); };
    check.SetChecked(true);
    check.OnClick = [this] { Log(std::string("check ") + (check.Checked() ? "on" : "off")); };
    radios.Items.Add("50 Hz");
    radios.Items.Add("60 Hz");
    radios.Items.Add("Auto");
    radios.Columns = 3;
    radios.SetItemIndex(0);
    button.OnClick = [this] { Log("button"); };
    memo.Lines.Add("A memo line");
    memo.Lines.Add("Another line \xe9");
    rb1.SetChecked(true);
    edReadOnly.ReadOnly = true;

    // Instruments page.
    led1.SetActive(true);
    led1.SetActiveColor(clRed);
    led2.SetActiveColor(clYellow);
    swLed.OnClick = [this] { Log(std::string("switch lamp ") + (swLed.Active() ? "on" : "off")); };
    gauge.PositionMax = 150;
    gauge.Sections = {{100, clLime}, {125, clYellow}, {150, clRed}};
    gauge.SetPosition(87.5);
    display.Precision = 1;
    display.SetValue(231.4);
    output.SetValue(42);
    slider.SetBounds(-1, -1, 200, 30);
    slider.SetPosition(30);
    slider.OnPositionChangeFinished = [this] { Log("slider " + std::to_string(slider.Position())); };
    plot.AddChannel("Current", clLime);
    plot.AddChannel("Voltage", clYellow);
    for (int i = 0; i < 60; ++i) {
      plot.AddXY(0, i, 50 + 30 * ((i % 20) / 20.0));
      plot.AddXY(1, i, 20 + i % 7);
    }
    spectrum.SetBarCount(15);
    for (int i = 0; i < 15; ++i) spectrum.SetBar(i, 100.0 / (i + 1));
    progress.SetPosition(65);
    toggle.SetActive(true);

    // Grid page.
    grid.SetColCount(4);
    grid.SetRowCount(8);
    grid.ColWidths = {120, 80, 80, 80};
    const char* heads[] = {"", "Received", "Send", "Unit"};
    for (int c = 0; c < 4; ++c) grid.SetCell(c, 0, heads[c]);
    for (int r = 1; r < 8; ++r) {
      grid.SetCell(0, r, "Field " + std::to_string(r));
      grid.SetCell(1, r, std::to_string(100 * r));
      grid.SetCell(2, r, std::to_string(100 * r + 1));
    }
    grid.OnSelectCell = [this](int c, int r, bool& can) {
      can = c != 3;  // the unit column cannot be selected
      Log("select " + std::to_string(c) + "," + std::to_string(r) + (can ? "" : " refused"));
    };

    // Placed page: every child with bounds.
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

    pages.SetActivePage(&tsInputs);
    tsHidden.SetTabVisible(false);

    ticker.OnTimer = [this] {
      activity = activity < 100 ? activity + 10 : 0;
      stat.Invalidate();
      ++ticks;
      gauge.SetPosition(60 + (ticks % 20) * 4);
      display.SetValue(230 + (ticks % 10) * 0.3);
      led2.SetActive(ticks % 2);
      lblTicks.SetCaption("Ticks: " + std::to_string(ticks));
    };
  }

  void Log(const std::string& s) {
    std::printf("%s\n", s.c_str());
    std::fflush(stdout);
    stat.SetPanelText(2, s);
  }

  TDemoDialog* dialog = nullptr;
  int activity = 0, ticks = 0;

  TMainMenu menu{this, "menu"};
  TMenuItem mFile{&menu, "mFile", "&File"};
  TMenuItem miDialog{&mFile, "miDialog", "Modal window...", "F5"};
  TMenuItem miBox{&mFile, "miBox", "Error box", "Ctrl+E"};
  TMenuItem miDisabled{&mFile, "miDisabled", "Disabled item", "F7"};
  TMenuItem n1{&mFile, "N1", "-"};
  TMenuItem miExit{&mFile, "miExit", "E&xit", "F12"};
  TMenuItem miConnect{&menu, "miConnect", "&Connect", "F6"};

  TToolBar toolbar{this, "toolbar"};
  TToolButton tbOpen{&toolbar, "SButOpenFile", "Open disc file to read settings"};
  TToolButton tbSave{&toolbar, "SButSaveToFile", "Save settings in disc file"};
  TToolButton tbConnect{&toolbar, "SBOpenComPort", "Connect"};

  TPageControl pages{this, "pages"};
  TTabSheet tsInputs{&pages, "tsInputs", "Inputs"};
  TLabel l1{&tsInputs, "l1", "&Motor name:"};
  TEdit ed1{&tsInputs, "ed1", "Pump 3"};
  TLabel l2{&tsInputs, "l2", "Full load current (A):"};
  TSpinEdit spin{&tsInputs, "spin", 1, 200, 55};
  TLabel l3{&tsInputs, "l3", "Port:"};
  TComboBox combo{&tsInputs, "combo"};
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
  TiSwitchLed swLed{&tsInstr, "swLed", "Input 1"};
  TiAngularGauge gauge{&tsInstr, "gauge"};
  TLabel lDisp{&tsInstr, "lDisp", "Voltage:"};
  TiAnalogDisplay display{&tsInstr, "display"};
  TLabel lOut{&tsInstr, "lOut", "Output:"};
  TiAnalogOutput output{&tsInstr, "output"};
  TiSlider slider{&tsInstr, "slider"};
  TiPlot plot{&tsInstr, "plot"};
  TiSpectrumDisplay spectrum{&tsInstr, "spectrum"};
  TLabel lProg{&tsInstr, "lProg", "Progress:"};
  TProgressBar progress{&tsInstr, "progress"};
  TiSlideSwitch slide{&tsInstr, "slide"};
  TiToggleSwitch toggle{&tsInstr, "toggle"};

  TTabSheet tsGrid{&pages, "tsGrid", "Grid"};
  TStringGrid grid{&tsGrid, "grid"};

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

  TTabSheet tsHidden{&pages, "tsHidden", "Hidden page"};

  TStatusBar stat{this, "stat"};
  TTimer ticker{250};
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

void Type(QWidget* w, const QString& text) {
  for (QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(w, &press);
  }
}

int RunKeys(QtBackend& backend, TApplication& app) {
  TKeysForm* f;
  app.CreateForm(f);
  int failures = 0;
  auto expect = [&failures](bool ok, const char* what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAIL", what);
    if (!ok) ++failures;
  };
  QTimer::singleShot(300, [&] {
    auto* ed = static_cast<QLineEdit*>(backend.WidgetOf(f->ed));
    auto* other = static_cast<QLineEdit*>(backend.WidgetOf(f->other));
    auto* b = static_cast<QPushButton*>(backend.WidgetOf(f->b));
    ed->setFocus();
    QApplication::processEvents();
    Type(ed, "a1b2c");
    expect(f->ed.Text() == "abc", "OnKeyPress drops digits");
    expect(ed->text() == "abc", "the widget shows the model's text");
    ed->setCursorPosition(1);
    Type(ed, "X");
    expect(f->ed.Text() == "aXbc", "a key goes in at the caret");
    QKeyEvent bs(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QApplication::sendEvent(ed, &bs);
    expect(f->ed.Text() == "abc", "backspace removes the character before the caret");
    f->ed.SetText("bad");
    other->setFocus();
    QApplication::processEvents();
    expect(f->exits == 1, "leaving the edit fires OnExit once");
    expect(f->ActiveControl() == &f->ed, "the exit handler keeps the focus in the model");
    expect(ed->hasFocus() || !ed->window()->isActiveWindow(), "and the real focus follows it");
    // A mouse press on the button while the field refuses to let go: no click.
    ed->setFocus();
    QApplication::processEvents();
    QTest::mouseClick(b, Qt::LeftButton);
    QApplication::processEvents();
    expect(f->exits == 2, "pressing the button runs the field's OnExit");
    expect(f->clicks == 0, "and the refused press does not click");
    expect(f->ActiveControl() == &f->ed, "the field keeps the focus");
    std::printf("  focus on the field: %s, window active: %s\n", ed->hasFocus() ? "yes" : "no",
                ed->window()->isActiveWindow() ? "yes" : "no");
    f->ed.SetText("good");
    QTest::mouseClick(b, Qt::LeftButton);
    QApplication::processEvents();
    expect(f->clicks == 1, "a press once the field lets go clicks");
    expect(f->exits == 3, "after one more OnExit");
    expect(f->ActiveControl() == &f->b, "and the button has the focus");
    QTest::mouseClick(b, Qt::LeftButton);
    expect(f->clicks == 2 && f->exits == 3, "a second click: no OnExit");
    // An exit handler that opens a box (a nested loop inside the focus change), then keeps the
    // focus: the press neither clicks nor leaves the button down.
    f->ed.SetText("box");
    ed->setFocus();
    QApplication::processEvents();
    const int clicksBefore = f->clicks;
    QTimer::singleShot(300, [] {
      if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    QTest::mouseClick(b, Qt::LeftButton);
    QApplication::processEvents();
    expect(f->clicks == clicksBefore, "a press refused after a box does not click");
    expect(f->ActiveControl() == &f->ed, "the field has the model's focus after the box");
    // Without a window manager nothing re-activates the window after the box; the field is the
    // focus it returns to.
    expect(ed->window()->focusWidget() == ed, "and the window's real focus");
    expect(!b->isDown(), "the button is not left down");
    f->ed.SetText("");
    // A paste replaces the selection without OnKeyPress (which would drop the digit).
    ed->setFocus();
    QApplication::processEvents();
    ed->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("p4st\u00e9"));
    ed->paste();
    expect(f->ed.Text() == "p4st\xe9", "a paste bypasses OnKeyPress and arrives in the code page");
    // Typing in a memo: a line break just typed stays while the model has its lines.
    auto* memo = static_cast<QPlainTextEdit*>(backend.WidgetOf(f->memo));
    memo->setFocus();
    QApplication::processEvents();
    QTest::keyClicks(memo, "ab");
    QTest::keyClick(memo, Qt::Key_Return);
    QApplication::processEvents();
    std::printf("  memo shows [%s], model has %d lines\n", memo->toPlainText().toStdString().c_str(),
                f->memo.Lines.Count());
    expect(memo->toPlainText() == "ab\n", "the memo keeps a line break just typed");
    QTest::keyClicks(memo, "c");
    QApplication::processEvents();
    expect(f->memo.Lines.Count() == 2 && f->memo.Lines[1] == "c", "and the model has its lines");
    app.Terminate();
  });
  app.Run();
  return failures == 0 ? 0 : 1;
}

// The other input paths on the demo window: menu shortcuts (a disabled item's too), check box,
// combo box, spin edit keys, tabs, grid cells, switch lamps and switches.
int RunControls(QtBackend& backend, TApplication& app) {
  TDemoForm* f;
  app.CreateForm(f);
  app.CreateForm(f->dialog);
  int failures = 0;
  auto expect = [&failures](bool ok, const char* what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAIL", what);
    if (!ok) ++failures;
  };
  std::vector<std::string> log;
  int tabChanges = 0, gridShows = 0;
  f->pages.OnChange = [&] { ++tabChanges; };
  f->tsGrid.OnShow = [&] { ++gridShows; };
  f->miConnect.OnClick = [&] { log.push_back("connect"); };
  f->miDisabled.OnClick = [&] { log.push_back("disabled"); };
  QTimer::singleShot(300, [&] {
    QWidget* win = backend.WindowOf(*f);
    QTest::keyClick(win, Qt::Key_F6);
    QTest::keyClick(win, Qt::Key_F7);
    expect(log == std::vector<std::string>{"connect"}, "F6 runs its item, the disabled F7 does not");
    f->miConnect.SetEnabled(false);
    QTest::keyClick(win, Qt::Key_F6);
    expect(log.size() == 1, "an item disabled by code ignores its shortcut");

    auto* check = static_cast<QCheckBox*>(backend.WidgetOf(f->check));
    QTest::mouseClick(check, Qt::LeftButton);
    expect(!f->check.Checked() && !check->isChecked(), "a click unticks the box in model and widget");
    expect(f->ActiveControl() == &f->check, "and gives it the focus");

    auto* combo = static_cast<QComboBox*>(backend.WidgetOf(f->combo));
    QTest::keyClick(combo, Qt::Key_Down);
    expect(f->combo.ItemIndex() == 1 && f->combo.Text() == "COM2", "a key picks the next port");
    f->combo.SetItems({"COM7"});
    f->combo.SetItemIndex(0);
    QApplication::processEvents();
    expect(combo->count() == 1 && combo->currentText() == "COM7", "items set in code reach the widget");

    auto* spinEdit = static_cast<QLineEdit*>(backend.WidgetOf(f->spin)->focusProxy());
    spinEdit->setFocus();
    QApplication::processEvents();
    QTest::keyClick(spinEdit, Qt::Key_Up);
    expect(f->spin.Value() == 56 && spinEdit->text() == "56", "the up arrow steps the spin edit");
    f->spin.SetText("500");
    static_cast<QLineEdit*>(backend.WidgetOf(f->ed1))->setFocus();
    QApplication::processEvents();
    expect(f->spin.Text() == "200", "leaving the spin edit clamps it");

    auto* tabs = static_cast<QTabWidget*>(backend.WidgetOf(f->pages));
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(2).center());
    expect(f->pages.ActivePage() == &f->tsGrid && tabs->currentIndex() == 2, "a tab click selects the page");
    expect(tabChanges == 1 && gridShows == 1, "with the page's OnShow and the control's OnChange");
    f->pages.SetActivePage(&f->tsInstr);
    expect(tabs->currentIndex() == 1 && tabChanges == 1, "a page set in code shows without OnChange");
    f->pages.SetActivePage(&f->tsGrid);

    auto* grid = static_cast<QTableWidget*>(backend.WidgetOf(f->grid));
    QApplication::processEvents();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(3, 2)).center());
    expect(f->grid.Col() == 2 && f->grid.Row() == 3 && grid->currentRow() == 3, "a cell click selects it");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(4, 3)).center());
    expect(f->grid.Col() == 2 && f->grid.Row() == 3 && grid->currentColumn() == 2,
           "a cell OnSelectCell refuses stays unselected");
    f->grid.SetCell(1, 5, "changed");
    QApplication::processEvents();
    expect(grid->item(5, 1)->text() == "changed", "cells written in code reach the widget");

    f->pages.SetActivePage(&f->tsInstr);
    QApplication::processEvents();
    QTest::mouseClick(backend.WidgetOf(f->swLed), Qt::LeftButton);
    expect(f->swLed.Active(), "a click switches the switch lamp on");
    QTest::mouseClick(backend.WidgetOf(f->slide), Qt::LeftButton);
    expect(f->slide.Active(), "a click flips the slide switch");
    auto* slider = static_cast<QSlider*>(backend.WidgetOf(f->slider));
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    expect(f->slider.Position() == 31, "an arrow key moves the slider");
    app.Terminate();
  });
  app.Run();
  return failures == 0 ? 0 : 1;
}

// Many controls rewritten on every tick, as a relay's live values are: prints the CPU share.
int RunStress(TApplication& app) {
  TForm* f;
  app.CreateForm(f, "StressForm", "Stress");
  TPageControl pc(f, "pc");
  TTabSheet page(&pc, "page", "Values");
  TTabSheet gridPage(&pc, "gridPage", "Grid");
  std::vector<std::unique_ptr<TLabel>> labels;
  for (int i = 0; i < 300; ++i) {
    labels.push_back(std::make_unique<TLabel>(&page, "cap" + std::to_string(i), "Value " + std::to_string(i) + ":"));
    labels.push_back(std::make_unique<TLabel>(&page, "val" + std::to_string(i), "0"));
  }
  TStringGrid grid(&gridPage, "grid", 20, 60);
  pc.SetActivePage(&page);
  f->Show();
  int ticks = 0;
  TTimer t(100);
  t.OnTimer = [&] {
    ++ticks;
    for (size_t i = 1; i < labels.size(); i += 2) labels[i]->SetCaption(std::to_string(ticks * 7 + i));
    for (int r = 1; r < 60; ++r)
      for (int c = 1; c < 20; ++c) grid.SetCell(c, r, std::to_string(ticks + r * c));
  };
  TTimer stop(5000);
  stop.OnTimer = [&] { app.Terminate(); };
  const std::clock_t c0 = std::clock();
  app.Run();
  const double cpu = double(std::clock() - c0) / CLOCKS_PER_SEC;
  std::printf("%d ticks in 5 s, cpu %.2f s (%.0f%%)\n", ticks, cpu, cpu / 5 * 100);
  return 0;
}

// File and print dialogs, answered by a timer that looks for the open dialog.
int RunDialogs(TApplication& app) {
  TForm* f;
  app.CreateForm(f, "DialogsForm", "Dialogs");
  f->Show();
  int failures = 0;
  auto answer = [](std::function<void(QWidget*)> act) {
    QTimer::singleShot(400, [act] {
      std::printf("answer timer: %s\n", QApplication::activeModalWidget()
                                             ? QApplication::activeModalWidget()->metaObject()->className()
                                             : "no modal window");
      if (QWidget* w = QApplication::activeModalWidget()) {
        const QString dir = qEnvironmentVariable("VUMA_SNAPSHOT_DIR");
        static int n = 0;
        if (!dir.isEmpty()) w->grab().save(dir + QStringLiteral("/Dialog-%1.png").arg(++n));
        act(w);
      }
    });
  };
  TTimer t(100);
  t.OnTimer = [&] {
    t.SetEnabled(false);
    TSaveDialog save;
    save.Title = "Save settings in disc file";
    save.Filter = "Settings|*.set";
    save.DefaultExt = "set";
    save.InitialDir = "c:\\";
    answer([](QWidget* w) {
      auto* fd = static_cast<QFileDialog*>(w);
      if (auto* name = fd->findChild<QLineEdit*>("fileNameEdit")) name->setText("out");
      std::printf("answering %s: %s\n", w->metaObject()->className(),
                  fd->selectedFiles().join(",").toStdString().c_str());
      static_cast<QDialog*>(fd)->accept();
    });
    const bool ok = save.Execute();
    const std::string want = DriveCRoot() + "/out.set";
    std::printf("save: %d %s (want %s)\n", ok, save.FileName.c_str(), want.c_str());
    failures += !(ok && save.FileName == want);
    TOpenDialog open;
    open.Title = "Open disc file to read settings";
    open.Filter = "Setting|*.set";
    answer([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    const bool opened = open.Execute();
    std::printf("open cancelled: %d\n", !opened);
    failures += opened;
    TPrintDialog print;
    answer([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    std::printf("print cancelled: %d\n", !print.Execute());
    app.Terminate();
  };
  app.Run();
  return failures ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  QtBackend backend;
  SetSerialDeviceFactory(qtb::QtSerialFactory());
  Printer().SetDevice(std::make_shared<qtb::QtPrintDevice>());
  const std::string mode = argc > 1 ? argv[1] : "";
  int rc = 0;
  {
    TApplication app(&backend);
    app.Title = "Qt backend demo";
    if (mode == "keys") {
      rc = RunKeys(backend, app);
    } else if (mode == "serial" && argc > 2) {
      TForm* lineForm;
      app.CreateForm(lineForm, "LineForm", "Serial line");
      TMemo received(lineForm, "received");
      lineForm->Show();
      TComPort port;
      TComDataPacket packet;
      port.AttachPacket(&packet);
      packet.OnPacket = [&received, &port](const std::string& p) {
        std::printf("packet %s\n", p.c_str());
        std::fflush(stdout);
        received.Lines.Add(p);
        // Closing the port from inside its own delivery must be safe.
        if (p == "*B#") port.Close();
      };
      port.SetPort(argv[2]);
      try {
        port.Open();
        std::printf("wrote %d\n", port.WriteStr("*A01#"));
        std::fflush(stdout);
      } catch (const std::exception& e) {
        std::printf("error: %s\n", e.what());
        rc = 1;
      }
      TTimer stop(1500);
      stop.OnTimer = [&] { app.Terminate(); };
      app.Run();
    } else if (mode == "stress") {
      rc = RunStress(app);
    } else if (mode == "controls") {
      rc = RunControls(backend, app);
    } else if (mode == "dialogs") {
      rc = RunDialogs(app);
    } else if (mode == "print") {
      TPrinter& p = Printer();
      p.Title = "Demo printout";
      p.BeginDoc();
      p.Canvas().Font.Name = "Courier New";
      p.Canvas().Font.Size = 10;
      const int lh = p.Canvas().TextHeight("X");
      for (int i = 0; i < 5; ++i) p.Canvas().TextOut(0, i * lh, "Line " + std::to_string(i) + " of the demo printout");
      p.EndDoc();
      std::printf("printed %dx%d at %d dpi, line height %d\n", p.PageWidth(), p.PageHeight(), p.Dpi(), lh);
    } else {
      TDemoForm* form;
      app.CreateForm(form);
      app.CreateForm(form->dialog);
      if (mode == "nested") {
        // The box opens inside the handler; the timer keeps firing while it is open.
        TTimer t(100);
        int count = 0, atBox = -1;
        t.OnTimer = [&] {
          ++count;
          if (count == 3) {
            atBox = count;
            ShowMessage("Opened from a timer handler");
            std::printf("box closed after %d ticks\n", count - atBox);
          }
        };
        app.Run();
        std::printf("ticks %d (box opened at %d)\n", count, atBox);
        rc = count > atBox + 5 ? 0 : 1;
      } else if (mode == "modal") {
        TTimer closer(1000);
        closer.OnTimer = [&] {
          if (form->dialog->Visible()) form->dialog->SetModalResult(mrRetry);
        };
        TTimer opener(200);
        opener.OnTimer = [&] {
          opener.SetEnabled(false);
          const int r = form->dialog->ShowModal();
          std::printf("modal result %d\n", r);
          rc = r == mrRetry ? 0 : 1;
          app.Terminate();
        };
        app.Run();
      } else {
        // With snapshots on, every page is shown once and saved as <form>-<page>.png.
        TTimer pager(600);
        const QString dir = qEnvironmentVariable("VUMA_SNAPSHOT_DIR");
        int next = 0;
        pager.OnTimer = [&] {
          if (dir.isEmpty() || next >= form->pages.PageCount()) return pager.SetEnabled(false);
          TTabSheet* page = form->pages.Page(next++);
          form->pages.SetActivePage(page);
          QApplication::processEvents();
          backend.SaveSnapshot(*form, dir + "/DemoForm-" + QString::fromStdString(page->Name()) + ".png");
        };
        app.Run();
      }
    }
  }
  Printer().SetDevice(nullptr);
  return rc;
}
