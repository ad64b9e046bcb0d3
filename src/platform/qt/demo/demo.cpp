// A throwaway program to look at the Qt backend: one control of every kind, and scenarios that
// check the loops, the input paths, printing and the plot's cost without a person.
//   vuma-qt-demo              the demo window (snapshots of every page with VUMA_SNAPSHOT_DIR;
//                             VUMA_E2E_SCRIPT=demo.e2e drives it)
//   vuma-qt-demo nested       a box opened in a timer handler while the timer keeps firing
//   vuma-qt-demo modal        a modal window closed by a timer inside its own loop
//   vuma-qt-demo keys         typed keys, OnKeyPress, OnExit sending the focus back
//   vuma-qt-demo controls     shortcuts, check box, combo, spin, tabs, grid, lamps by simulated
//   input vuma-qt-demo dialogs      a save, an open and a print dialog, answered by a timer
//   vuma-qt-demo print [n]    n pages (3) of 91-column lines (to a PDF file without a printer
//   queue) vuma-qt-demo plotload [s] [hidden|all]   the recorder's 120 channels fed every 500 ms
//   for s
//                             seconds (20), its page hidden, or shown with 10 or all channels
//                             drawn: prints the CPU share
//   vuma-qt-demo stress       many labels and grid cells rewritten every 100 ms: prints the CPU
//   share vuma-qt-demo serial P     write to port P and print what comes back
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QtTest/QTest>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

#include "platform/print/Printer.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtGrid.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtSerial.h"
#include "platform/qt/QtWidgets.h"
#include "platform/qt/demo/DemoForms.h"
#include "platform/rtl/Paths.h"
#include "platform/serial/Serial.h"

using namespace demo;

namespace demo {

void Log(const std::string& s) {
  std::printf("%s\n", s.c_str());
  std::fflush(stdout);
}

void PrintPages(int pages) {
  TPrinter& p = Printer();
  p.Title = "Demo printout";
  p.BeginDoc();
  TCanvas& cv = p.Canvas();
  cv.Font.Name = "Courier New";
  cv.SetFontSize(10);
  const int lh = cv.TextHeight("X");
  const int perPage = p.PageHeight() / lh - 2;
  for (int page = 0; page < pages; ++page) {
    if (page > 0) p.NewPage();
    for (int line = 0; line < perPage; ++line) {
      // 91 columns: a ruler of the column numbers' last digits, tagged with page and line.
      std::string text = Format("P%d L%.2d ", {page + 1, line + 1});
      while (text.size() < 91) text += char('0' + (text.size() + 1) % 10);
      cv.TextOut(0, line * lh, text);
    }
  }
  p.EndDoc();
  std::printf(
      "printed %d pages of %d lines, page %dx%d at %d dpi, line height %d, 91 columns %d wide\n",
      pages, perPage, p.PageWidth(), p.PageHeight(), p.Dpi(), lh,
      cv.TextWidth(std::string(91, 'X')));
}

}  // namespace demo

namespace {

struct Checks {
  int failures = 0;
  void operator()(bool ok, const char* what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAIL", what);
    if (!ok) ++failures;
  }
  int Result() const { return failures == 0 ? 0 : 1; }
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
  Checks expect;
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
    std::printf("  memo shows [%s], model has %d lines\n",
                memo->toPlainText().toStdString().c_str(), f->memo.Lines.Count());
    expect(memo->toPlainText() == "ab\n", "the memo keeps a line break just typed");
    QTest::keyClicks(memo, "c");
    QApplication::processEvents();
    expect(f->memo.Lines.Count() == 2 && f->memo.Lines[1] == "c", "and the model has its lines");
    app.Terminate();
  });
  app.Run();
  return expect.Result();
}

// The other input paths on the demo window: menu shortcuts (a disabled item's too), check box,
// combo box, spin edit keys, tabs, grid cells, switch lamps and switches.
int RunControls(QtBackend& backend, TApplication& app) {
  TDemoForm* f;
  app.CreateForm(f);
  app.CreateForm(f->dialog);
  Checks expect;
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
    expect(log == std::vector<std::string>{"connect"},
           "F6 runs its item, the disabled F7 does not");
    // While a modal window is open, the main window's shortcuts do nothing.
    QTimer::singleShot(300, [&] {
      QTest::keyClick(backend.WindowOf(*f->dialog), Qt::Key_F6);
      QTest::keyClick(win, Qt::Key_F6);
      f->dialog->SetModalResult(mrOk);
    });
    f->dialog->ShowModal();
    expect(log.size() == 1, "a modal window blocks the main window's shortcuts");
    QApplication::processEvents();
    f->miConnect.SetEnabled(false);
    QTest::keyClick(win, Qt::Key_F6);
    expect(log.size() == 1, "an item disabled by code ignores its shortcut");

    auto* check = static_cast<QCheckBox*>(backend.WidgetOf(f->check));
    QTest::mouseClick(check, Qt::LeftButton);
    expect(!f->check.Checked() && !check->isChecked(),
           "a click unticks the box in model and widget");
    expect(f->ActiveControl() == &f->check, "and gives it the focus");

    auto* combo = static_cast<QComboBox*>(backend.WidgetOf(f->combo));
    QTest::keyClick(combo, Qt::Key_Down);
    expect(f->combo.ItemIndex() == 1 && f->combo.Text() == "COM2", "a key picks the next port");
    f->combo.SetItems({"COM7"});
    f->combo.SetItemIndex(0);
    QApplication::processEvents();
    expect(combo->count() == 1 && combo->currentText() == "COM7",
           "items set in code reach the widget");
    auto* sorted = static_cast<QComboBox*>(backend.WidgetOf(f->comboSorted));
    expect(sorted->itemText(0) == "alarm relay" && sorted->itemText(1) == "Bit 16",
           "a sorted box shows its order");
    auto* editable = static_cast<QComboBox*>(backend.WidgetOf(f->comboEdit));
    editable->setFocus();
    editable->lineEdit()->selectAll();
    QTest::keyClicks(editable->lineEdit(), "X");
    expect(f->comboEdit.Text() == "X" && f->comboEdit.ItemIndex() == -1,
           "typing into an editable box");

    auto* spinEdit = static_cast<QLineEdit*>(backend.WidgetOf(f->spin)->focusProxy());
    spinEdit->setFocus();
    QApplication::processEvents();
    QTest::keyClick(spinEdit, Qt::Key_Up);
    expect(f->spin.Value() == 56 && spinEdit->text() == "56", "the up arrow steps the spin edit");
    f->spin.SetText("500");
    static_cast<QLineEdit*>(backend.WidgetOf(f->ed1))->setFocus();
    QApplication::processEvents();
    expect(f->spin.Text() == "200", "leaving the spin edit clamps it");
    auto* fixedEdit = static_cast<QLineEdit*>(backend.WidgetOf(f->spinFixed)->focusProxy());
    fixedEdit->setFocus();
    QApplication::processEvents();
    QTest::keyClicks(fixedEdit, "12");
    QTest::keyClick(fixedEdit, Qt::Key_Down);
    expect(f->spinFixed.Text() == "1950",
           "a spin edit without its editor takes arrows, not digits");

    auto* strip = static_cast<qtb::PagesWidget*>(backend.WidgetOf(f->pages))->Strip();
    QTest::mouseClick(strip, Qt::LeftButton, {}, strip->TabRect(f->tsGrid.PageIndex()).center());
    expect(f->pages.ActivePage() == &f->tsGrid, "a tab click selects the page");
    expect(tabChanges == 1 && gridShows == 1, "with the page's OnShow and the control's OnChange");
    QTest::mouseClick(strip, Qt::LeftButton, {},
                      strip->TabRect(f->tsDisabled.PageIndex()).center());
    expect(f->pages.ActivePage() == &f->tsGrid, "a disabled page's tab does nothing");
    f->pages.SetActivePage(&f->tsInstr);
    expect(tabChanges == 1, "a page set in code shows without OnChange");
    f->pages.SetActivePage(&f->tsGrid);

    auto* grid = static_cast<qtb::GridWidget*>(backend.WidgetOf(f->grid));
    QApplication::processEvents();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(2, 3).center());
    expect(f->grid.Col() == 2 && f->grid.Row() == 3, "a cell click selects it");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(3, 4).center());
    expect(f->grid.Col() == 2 && f->grid.Row() == 3,
           "a cell OnSelectCell refuses stays unselected");
    QTest::keyClick(grid, Qt::Key_PageDown);
    expect(f->grid.Row() > 10, "page down moves the current row a page on");
    QTest::keyClick(grid, Qt::Key_Home, Qt::ControlModifier);
    expect(f->grid.Row() == 1, "control home goes to the first row below the headings");
    QTest::keyClick(grid, Qt::Key_7);
    QTest::keyClicks(QApplication::focusWidget(), "7");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    expect(f->grid.Cell(2, 1) == "77", "typing on a cell of an editing grid edits it");
    f->grid.SetCell(1, 5, "changed");
    QApplication::processEvents();
    expect(f->grid.Cell(1, 5) == "changed", "cells written in code reach the widget");

    f->pages.SetActivePage(&f->tsInstr);
    QApplication::processEvents();
    QTest::mouseClick(backend.WidgetOf(f->swLed), Qt::LeftButton);
    expect(f->swLed.Active() && f->swLed.Caption() == "Stop demo",
           "a click switches the switch lamp on");
    QTest::mouseClick(backend.WidgetOf(f->slide), Qt::LeftButton);
    expect(f->slide.Active(), "a click flips the slide switch");
    auto* slider = static_cast<QSlider*>(backend.WidgetOf(f->slider));
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_PageUp);
    expect(f->slider.Position() > 1.25 && f->slider.Position() < 2.5,
           "a key moves the slider by a real step");
    app.Terminate();
  });
  app.Run();
  return expect.Result();
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
    labels.push_back(std::make_unique<TLabel>(&page, "cap" + std::to_string(i),
                                              "Value " + std::to_string(i) + ":"));
    labels.push_back(std::make_unique<TLabel>(&page, "val" + std::to_string(i), "0"));
  }
  TStringGrid grid(&gridPage, "grid", 20, 60);
  pc.SetActivePage(&page);
  f->Show();
  int ticks = 0;
  TTimer t(100);
  t.OnTimer = [&] {
    ++ticks;
    for (size_t i = 1; i < labels.size(); i += 2)
      labels[i]->SetCaption(std::to_string(ticks * 7 + i));
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
      std::printf("answer timer: %s\n",
                  QApplication::activeModalWidget()
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

// The recorder's chart fed as the program feeds it: 120 channels every 500 ms.
int RunPlotLoad(TApplication& app, int seconds, const std::string& how) {
  const bool hidden = how == "hidden";
  TDemoForm* f;
  app.CreateForm(f);
  f->ticker.SetEnabled(false);
  if (how == "all")
    for (int i = 0; i < f->plot.ChannelCount(); ++i) f->plot.SetChannelVisible(i, true, true);
  f->pages.SetActivePage(hidden ? &f->tsInputs : &f->tsRecorder);
  // Twenty-five minutes of samples already in the rings, as after a long run.
  f->RecordHistory(3000);
  f->samples = 0;
  f->recorder.SetEnabled(true);
  TTimer stop(unsigned(seconds) * 1000);
  stop.OnTimer = [&] { app.Terminate(); };
  const std::clock_t c0 = std::clock();
  app.Run();
  const double cpu = double(std::clock() - c0) / CLOCKS_PER_SEC;
  std::printf("plot %s: %d samples of 120 channels in %d s, cpu %.2f s (%.1f%%)\n",
              hidden         ? "hidden"
              : how == "all" ? "shown, all channels drawn"
                             : "shown",
              f->samples, seconds, cpu, cpu / seconds * 100);
  return 0;
}

// A box opened inside a timer handler; the timer keeps firing while it is open.
int RunNested(TApplication& app) {
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
  return count > atBox + 5 ? 0 : 1;
}

// A modal window closed by a timer inside its own loop.
int RunModal(TApplication& app, TDemoForm& form) {
  int rc = 1;
  TTimer closer(1000);
  closer.OnTimer = [&] {
    if (form.dialog->Visible()) form.dialog->SetModalResult(mrRetry);
  };
  TTimer opener(200);
  opener.OnTimer = [&] {
    opener.SetEnabled(false);
    const int r = form.dialog->ShowModal();
    std::printf("modal result %d\n", r);
    rc = r == mrRetry ? 0 : 1;
    app.Terminate();
  };
  app.Run();
  return rc;
}

// Writes to a port and shows what comes back; closing the port inside its own delivery is safe.
int RunSerial(TApplication& app, const char* portName) {
  TForm* lineForm;
  app.CreateForm(lineForm, "LineForm", "Serial line");
  TMemo received(lineForm, "received");
  lineForm->Show();
  TComPort port;
  TComDataPacket packet;
  port.AttachPacket(&packet);
  packet.OnPacket = [&received, &port](const std::string& p) {
    Log("packet " + p);
    received.Lines.Add(p);
    if (p == "*B#") port.Close();
  };
  port.SetPort(portName);
  int rc = 0;
  try {
    port.Open();
    Log("wrote " + std::to_string(port.WriteStr("*A01#")));
  } catch (const std::exception& e) {
    Log(std::string("error: ") + e.what());
    rc = 1;
  }
  TTimer stop(1500);
  stop.OnTimer = [&] { app.Terminate(); };
  app.Run();
  return rc;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  QtBackend backend;
  SetSerialDeviceFactory(qtb::QtSerialFactory());
  Printer().SetDevice(std::make_shared<qtb::QtPrintDevice>());
  const std::string mode = argc > 1 ? argv[1] : "";
  const int arg = argc > 2 ? std::atoi(argv[2]) : 0;
  int rc = 0;
  {
    TApplication app(&backend);
    app.Title = "Qt backend demo";
    if (mode == "keys") {
      rc = RunKeys(backend, app);
    } else if (mode == "serial" && argc > 2) {
      rc = RunSerial(app, argv[2]);
    } else if (mode == "stress") {
      rc = RunStress(app);
    } else if (mode == "controls") {
      rc = RunControls(backend, app);
    } else if (mode == "dialogs") {
      rc = RunDialogs(app);
    } else if (mode == "print") {
      PrintPages(arg > 0 ? arg : 3);
    } else if (mode == "plotload") {
      rc = RunPlotLoad(app, arg > 0 ? arg : 20, argc > 3 ? argv[3] : "");
    } else {
      TDemoForm* form;
      app.CreateForm(form);
      app.CreateForm(form->dialog);
      if (mode == "nested") {
        rc = RunNested(app);
      } else if (mode == "modal") {
        rc = RunModal(app, *form);
      } else {
        // With snapshots on, every page is shown once and saved as <form>-<page>.png.
        TTimer pager(600);
        const QString dir = qEnvironmentVariable("VUMA_SNAPSHOT_DIR");
        int next = 0;
        pager.OnTimer = [&] {
          if (dir.isEmpty() || next >= form->pages.PageCount()) return pager.SetEnabled(false);
          if (next == 0) {
            // The tool bar enlarged, to look at the glyphs.
            const QPixmap bar = backend.WidgetOf(form->toolbar)->grab(QRect(0, 0, 240, 30));
            bar.scaled(bar.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                .save(dir + "/toolbar-x4.png");
          }
          TTabSheet* page = form->pages.Page(next++);
          form->pages.SetActivePage(page);
          if (page == &form->tsRecorder) form->RecordHistory(150);
          QApplication::processEvents();
          backend.SaveSnapshot(*form,
                               dir + "/DemoForm-" + QString::fromStdString(page->Name()) + ".png");
        };
        app.Run();
      }
    }
  }
  Printer().SetDevice(nullptr);
  return rc;
}
