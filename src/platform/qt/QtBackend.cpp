// Loops, timers, boxes, dialogs, focus and keyboard input of the Qt backend. Building the peer
// widgets is in QtBuild.cpp, keeping them in step with the model in QtSync.cpp, the script in
// QtScript.cpp.
#include "platform/qt/QtBackend.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QAbstractButton>
#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <ctime>
#include <memory>
#include <utility>

#include "platform/print/Printer.h"
#include "platform/rtl/Paths.h"
#include "platform/qt/QtPeerHelpers.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtScript.h"
#include "platform/qt/QtText.h"
#include "platform/qt/QtWidgets.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Scheduler.h"

using namespace qtb;

namespace {

// The first step of building ahead comes this long after the main window shows, the later ones
// this far apart: the first paint and the pages' first showing come first.
constexpr int kPrepareAfterMs = 1000;
constexpr int kPrepareStepMs = 100;

// CPU time of the calling thread, in milliseconds.
double ThreadCpuMs() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// With $VUMA_STALL_PROBE_MS set, a 5 ms timer watches the UI thread: whenever it comes late by
// at least that many milliseconds the delay is written to stderr as "STALL <ms> <cpu ms>", in
// order with the script's own log lines, so a benchmark can take the longest stall of a span. The
// second figure is the CPU time the UI thread spent meanwhile: on a machine busy with other work
// the delay also holds the time the thread waited for a processor, which this leaves out.
void StartStallProbe(QObject* owner) {
  bool ok = false;
  const int threshold = qEnvironmentVariableIntValue("VUMA_STALL_PROBE_MS", &ok);
  if (!ok || threshold <= 0) return;
  constexpr int kPeriodMs = 5;
  auto* timer = new QTimer(owner);
  timer->setTimerType(Qt::PreciseTimer);
  auto clock = std::make_shared<QElapsedTimer>();
  auto cpu = std::make_shared<double>(ThreadCpuMs());
  clock->start();
  QObject::connect(timer, &QTimer::timeout, owner, [clock, cpu, threshold] {
    const double late = clock->nsecsElapsed() / 1e6 - kPeriodMs;
    const double cpuNow = ThreadCpuMs();
    clock->restart();
    if (late >= threshold) std::fprintf(stderr, "STALL %.1f %.1f\n", late, cpuNow - *cpu);
    *cpu = cpuNow;
  });
  timer->start(kPeriodMs);
}

// "Settings|*.set|All|*.*" -> "Settings (*.set);;All (*.*)"; "*.a;*.b" patterns become "*.a *.b".
QString NameFilters(const std::string& filter) {
  QStringList parts = ToQ(filter).split(u'|');
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString pattern = parts[i + 1];
    pattern.replace(u';', u' ');
    out << parts[i] + " (" + pattern + ")";
  }
  if (out.isEmpty() && !filter.empty()) out << ToQ(filter);
  return out.join(";;");
}

// Icons and type names of the file dialogs by the file's suffix alone: Qt's own provider looks up
// each file's content type (reading the file where the name does not settle it) on the
// user-interface thread, which makes a dialog as slow as its folder is large.
class SuffixIconProvider : public QAbstractFileIconProvider {
 public:
  QIcon icon(IconType type) const override {
    return type == Folder || type == Drive || type == Computer || type == Network ? Dir() : File();
  }
  QIcon icon(const QFileInfo& info) const override { return info.isDir() ? Dir() : File(); }
  QString type(const QFileInfo& info) const override {
    if (info.isDir()) return QStringLiteral("Folder");
    const QString suffix = info.suffix();
    return suffix.isEmpty() ? QStringLiteral("File") : suffix.toUpper() + QStringLiteral(" File");
  }

 private:
  QIcon Dir() const {
    if (dir_.isNull()) dir_ = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    return dir_;
  }
  QIcon File() const {
    if (file_.isNull()) file_ = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    return file_;
  }
  mutable QIcon dir_, file_;
};

// Never destroyed: a static one would let its icons go after the application object at exit.
QAbstractFileIconProvider* FileIcons() {
  static auto* icons = new SuffixIconProvider;
  return icons;
}

// Ends the run once the window has painted for the first time (start-up measured to the first
// painted window): the quit waits until the paint in progress is done.
class QuitOnFirstPaint : public QObject {
 public:
  QuitOnFirstPaint(QWidget* w, std::function<void()> quit) : QObject(w), quit_(std::move(quit)) {
    w->installEventFilter(this);
  }
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint && quit_) {
      QTimer::singleShot(0, this, std::exchange(quit_, nullptr));
      o->removeEventFilter(this);
    }
    return false;
  }

 private:
  std::function<void()> quit_;
};

}  // namespace

QtBackend::QtBackend() {
  InstallFontSubstitutes();
  QApplication::setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  QApplication::setQuitOnLastWindowClosed(false);
  TControl::SetObserver(this);
  // Ticks on a 10 ms grid (the resolution the classic system timer had anyway): the link tick
  // and the window timers then wake the program together.
  Scheduler::Instance().SetTimerGrain(10'000);
  // Ticks that only count down wait for the next handler rather than wake the program.
  Scheduler::Instance().SetDeferQuietTicks(true);
  // While a pump runs the scheduler's items it re-arms itself when done; a loop nested in a
  // handler arms its own as it starts.
  Scheduler::Instance().OnScheduleChanged = [this] {
    if (pumpingDepth_ != Scheduler::Instance().LoopDepth()) ArmPump();
  };
  connect(qApp, &QApplication::focusChanged, this, &QtBackend::OnFocusChanged);

  snapshotDir_ = qEnvironmentVariable("VUMA_SNAPSHOT_DIR");
  if (!snapshotDir_.isEmpty()) QDir().mkpath(snapshotDir_);
  bool ok = false;
  const int quitMs = qEnvironmentVariableIntValue("VUMA_SNAPSHOT_QUIT_MS", &ok);
  // An unattended run always comes to an end.
  if (ok && quitMs >= 0) QTimer::singleShot(quitMs, this, [this] { QuitAll(); });
  script_ = ScriptRunner::FromEnvironment(*this);
  StartStallProbe(this);
}

QtBackend::~QtBackend() {
  if (script_) script_->ProgramEnded();
  script_.reset();
  shuttingDown_ = true;
  disconnect(qApp, nullptr, this, nullptr);
  Scheduler::Instance().OnScheduleChanged = nullptr;
  Scheduler::Instance().SetTimerGrain(0);
  Scheduler::Instance().SetDeferQuietTicks(false);
  if (TControl::Observer() == this) TControl::SetObserver(nullptr);
  std::vector<QPointer<QWidget>> windows;
  for (auto& [c, p] : peers_) {
    const_cast<TControl*>(c)->Peer = nullptr;
    if (auto* mv = dynamic_cast<ModelView*>(p.w.data())) mv->Detach();
    if (c->Kind() == ControlKind::Form && p.w) windows.emplace_back(p.w);
  }
  peers_.clear();
  ctlOf_.clear();
  for (auto& w : windows) delete w.data();
  delete fileDialog_.data();
}

// ---- Scheduler pump ----

// Qt does not run a timer again while its slot is still running, yet a handler may open a nested
// loop (a box inside a timer handler) in which timers must go on firing. So the pump is a pool of
// single-shot timers: every loop arms an idle one for the next due time as it starts; nested
// loops fire that one, and so on down.
void QtBackend::ArmPump() {
  if (shuttingDown_) return;
  int idle = -1;
  for (size_t i = 0; i < pumps_.size(); ++i) {
    if (pumps_[i].inSlot > 0) continue;
    if (idle < 0)
      idle = static_cast<int>(i);
    else
      pumps_[i].timer->stop();
  }
  if (idle < 0) {
    auto* t = new QTimer(this);
    t->setSingleShot(true);
    t->setTimerType(Qt::PreciseTimer);
    const int index = static_cast<int>(pumps_.size());
    connect(t, &QTimer::timeout, this, [this, index] { PumpFired(index); });
    pumps_.push_back(Pump{t});
    idle = index;
  }
  auto& s = Scheduler::Instance();
  Pump& pump = pumps_[size_t(idle)];
  int64_t due;
  if (!s.NextDue(due)) {
    pump.timer->stop();
    return;
  }
  // Armed for that time already: restarting the Qt timer would only cost a system call or two.
  if (pump.timer->isActive() && pump.armedFor == due) return;
  pump.armedFor = due;
  const int64_t delayUs = due - s.NowUs();
  const int ms =
      delayUs <= 0 ? 0 : static_cast<int>(std::min<int64_t>((delayUs + 999) / 1000, INT_MAX / 2));
  pump.timer->start(ms);
}

void QtBackend::PumpFired(int index) {
  auto& s = Scheduler::Instance();
  // Timers fire only while one of the model's loops runs; each loop arms the pump as it starts.
  if (shuttingDown_ || s.LoopDepth() == 0) return;
  ++pumps_[size_t(index)].inSlot;
  const int outer = pumpingDepth_;
  pumpingDepth_ = s.LoopDepth();
  // Only what is due now: a handler slower than its period must not starve the user's input.
  const int64_t limit = s.NowUs();
  // RunOne finds the next due item itself: asking NextDue first would look at the idle timers
  // twice for every item.
  bool ran = true;
  while (ran && !quitAll_ && !shuttingDown_) ran = s.RunOne(limit);
  pumpingDepth_ = outer;
  --pumps_[size_t(index)].inSlot;
  ArmPump();
}

// ---- Loops ----

void QtBackend::QuitAll() {
  quitAll_ = true;
  if (Application) Application->Terminate();
  QCoreApplication::exit(0);
}

// The script's steps begin with the first loop, whichever it is: a box shown during start-up
// must not wait for a user who never comes.
void QtBackend::StartScript() {
  if (script_) script_->Start();
}

void QtBackend::RunMainLoop() {
  Scheduler::LoopGuard loop;
  ArmPump();
  StartScript();
  // A program without windows has nothing to wait for.
  if (quitAll_ || !Application || Application->Terminated() || !Application->MainForm()) return;
  QApplication::exec();
  // The run is over and the windows go: each leaves the screen at once, as a whole, rather than
  // widget by widget as their controls are destroyed.
  runOver_ = true;
  ctlOf_.clear();
  for (auto& [c, p] : peers_)
    if (c->Kind() == ControlKind::Form && p.w) p.w->hide();
}

void QtBackend::Terminated() {
  if (script_) script_->ProgramEnded();
  QCoreApplication::exit(0);
}

void QtBackend::RunModalLoop(TForm& form) {
  Scheduler::LoopGuard guard;
  ArmPump();
  StartScript();
  modal_.push_back(Modal{Modal::Form, &form, WindowOf(form), nullptr});
  // A window already on screen becomes modal for the length of the loop.
  if (Peer* p = Find(&form); p && p->w && p->w->windowModality() != Qt::ApplicationModal) {
    const bool shown = p->w->isVisible();
    p->w->hide();
    p->w->setWindowModality(Qt::ApplicationModal);
    if (shown) p->w->show();
  }
  // Every change of a modal result happens inside some event's handling, so checking after each
  // batch of events is enough.
  QEventLoop loop;
  while (!quitAll_ && !shuttingDown_ && form.Visible() && form.ModalResult() == mrNone)
    loop.processEvents(QEventLoop::WaitForMoreEvents);
  modal_.pop_back();
}

QWidget* QtBackend::DialogParent() const {
  if (QWidget* w = QApplication::activeModalWidget()) return w;
  if (QWidget* w = QApplication::activeWindow()) return w;
  if (Application && Application->MainForm()) return WindowOf(*Application->MainForm());
  return nullptr;
}

int QtBackend::ShowBox(BoxKind kind, const std::string& caption, const std::string& text) {
  if (quitAll_ || shuttingDown_) return mrOk;
  FlushPending();
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (kind) {
    case BoxKind::Error:
      icon = QMessageBox::Critical;
      break;
    case BoxKind::Information:
      icon = QMessageBox::Information;
      break;
    case BoxKind::Warning:
      icon = QMessageBox::Warning;
      break;
    case BoxKind::Confirmation:
      icon = QMessageBox::Question;
      break;
    case BoxKind::Plain:
      break;
  }
  QMessageBox box(icon, ToQ(caption), ToQMessage(text), QMessageBox::Ok, DialogParent());
  RunBox(box);
  return mrOk;
}

int QtBackend::RunBox(QMessageBox& box) {
  box.setWindowModality(Qt::ApplicationModal);
  box.setTextFormat(Qt::PlainText);
  if (!snapshotDir_.isEmpty()) {
    static int boxes = 0;
    const QString path = snapshotDir_ + QStringLiteral("/MessageBox-%1.png").arg(++boxes);
    QTimer::singleShot(300, &box, [&box, path] { box.grab().save(path); });
  }
  if (script_) script_->BoxShown(box.windowTitle(), box.text());
  Scheduler::LoopGuard loop;
  ArmPump();
  StartScript();
  modal_.push_back(Modal{Modal::Box, nullptr, &box, nullptr});
  const int r = box.exec();
  modal_.pop_back();
  return r;
}

int QtBackend::RunDialog(QDialog& dialog, TCommonDialog& model) {
  dialog.setWindowModality(Qt::ApplicationModal);
  if (script_) script_->DialogShown(dialog.windowTitle());
  Scheduler::LoopGuard loop;
  ArmPump();
  StartScript();
  modal_.push_back(Modal{Modal::Dialog, nullptr, &dialog, &model});
  const int r = dialog.exec();
  modal_.pop_back();
  return r;
}

void QtBackend::AnswerDialog(bool accept, const QString& file) {
  if (modal_.empty() || modal_.back().kind != Modal::Dialog || !modal_.back().widget) return;
  auto* d = static_cast<QDialog*>(modal_.back().widget.data());
  if (accept && !file.isEmpty()) answeredFile_ = file;
  // Straight to the result: the dialog's own checks would open boxes of their own.
  d->done(accept ? QDialog::Accepted : QDialog::Rejected);
}

QPrinter* QtBackend::ThePrinter() {
  if (auto* d = dynamic_cast<QtPrintDevice*>(Printer().Device())) return &d->QPrinterRef();
  if (!ownPrinter_) ownPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return ownPrinter_.get();
}

bool QtBackend::AskOverwrite(const QString& path) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Confirm Save As"),
                  QFileInfo(path).fileName() + " already exists.\nDo you want to replace it?",
                  QMessageBox::Yes | QMessageBox::No, DialogParent());
  box.setDefaultButton(QMessageBox::No);
  return RunBox(box) == QMessageBox::Yes;
}

QFileDialog& QtBackend::FileDialog(QWidget* parent) {
  if (!fileDialog_) {
    fileDialog_ = new QFileDialog(parent);
    fileDialog_->setOption(QFileDialog::DontUseNativeDialog, true);
    fileDialog_->setIconProvider(FileIcons());
  } else if (fileDialog_->parentWidget() != parent) {
    fileDialog_->setParent(parent, fileDialog_->windowFlags());
  }
  return *fileDialog_;
}

void QtBackend::PrepareAhead(int step) {
  if (quitAll_ || shuttingDown_ || !Application || !Application->MainForm()) return;
  QWidget* main = WindowOf(*Application->MainForm());
  // A command that came first has built what it needed itself.
  switch (step) {
    case 0:
      qtb::QtPrintDevice::PreloadPlugins();
      break;
    case 1:
      // The icons of the file dialog's buttons, a good part of its building (the style reads
      // them from their images once; later look-ups find them cached).
      for (const auto icon :
           {QStyle::SP_DialogSaveButton, QStyle::SP_DialogOpenButton, QStyle::SP_DialogCancelButton,
            QStyle::SP_ArrowBack, QStyle::SP_ArrowForward, QStyle::SP_FileDialogToParent,
            QStyle::SP_FileDialogNewFolder, QStyle::SP_FileDialogListView,
            QStyle::SP_FileDialogDetailedView, QStyle::SP_DirIcon, QStyle::SP_FileIcon})
        QApplication::style()->standardIcon(icon);
      break;
    case 2:
      // The dialog starts listing the folder it first opens in on its own thread.
      if (!fileDialog_ && main)
        FileDialog(main).setDirectory(QFile::decodeName(DriveCRoot().c_str()));
      break;
    case 3:
      if (fileDialog_ && !fileDialog_->isVisible()) fileDialog_->ensurePolished();
      break;
    default:
      return;
  }
  QTimer::singleShot(kPrepareStepMs, this, [this, step] { PrepareAhead(step + 1); });
}

bool QtBackend::ExecuteFileDialog(TOpenDialog& d) {
  const bool save = d.Kind() == DialogKind::Save;
  // Built once, and set up afresh for each use (a window it belonged to may have taken it along).
  // Just closed, it may still count as the active window: it is never its own parent.
  QWidget* parent = DialogParent();
  if (fileDialog_ && parent && (parent == fileDialog_ || fileDialog_->isAncestorOf(parent)))
    parent = Application && Application->MainForm() ? WindowOf(*Application->MainForm()) : nullptr;
  QFileDialog& fd = FileDialog(parent);
  fd.setWindowTitle(ToQ(d.Title));
  // Setting the mode builds the dialog's buttons and their icons anew, even when it stays.
  if (const auto mode = save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen;
      fd.acceptMode() != mode)
    fd.setAcceptMode(mode);
  fd.setFileMode(!save && d.FileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  // The overwrite question is asked below, the same way for typed and scripted answers.
  fd.setOption(QFileDialog::DontConfirmOverwrite, true);
  const QString filters = NameFilters(d.Filter);
  fd.setNameFilter(filters.isEmpty() ? QStringLiteral("*") : filters);
  const std::string dir = d.InitialDir.empty() ? DriveCRoot() : MapPath(d.InitialDir);
  fd.setDirectory(QFile::decodeName(dir.c_str()));
  fd.selectFile(d.FileName.empty() ? QString() : QFile::decodeName(MapPath(d.FileName).c_str()));
  for (;;) {
    answeredFile_.reset();
    if (RunDialog(fd, d) != QDialog::Accepted) return false;
    QString path = answeredFile_ ? *answeredFile_ : fd.selectedFiles().value(0);
    answeredFile_.reset();
    if (path.isEmpty()) return false;
    // The default extension goes on a name typed without one.
    if (!d.DefaultExt.empty() && !QFileInfo(path).fileName().contains(u'.'))
      path += "." + ToQ(d.DefaultExt);
    if (save && d.OverwritePrompt && QFileInfo::exists(path) && !AskOverwrite(path)) continue;
    // A path of this system: its bytes as the file system takes them.
    d.FileName = QFile::encodeName(path).toStdString();
    return true;
  }
}

bool QtBackend::ExecuteDialog(TCommonDialog& dialog) {
  if (quitAll_ || shuttingDown_) return false;
  FlushPending();
  switch (dialog.Kind()) {
    case DialogKind::Open:
    case DialogKind::Save:
      return ExecuteFileDialog(static_cast<TOpenDialog&>(dialog));
    case DialogKind::Print: {
      auto& d = static_cast<TPrintDialog&>(dialog);
      QPrinter* printer = ThePrinter();
      if (auto* dev = dynamic_cast<QtPrintDevice*>(Printer().Device()))
        dev->PrepareDialog(Printer().Title);
      printer->setCopyCount(std::max(1, d.Copies));
      QPrintDialog pd(printer, DialogParent());
      // Its file name completer lists the home folder: typed by suffix, as in the file dialogs.
      for (auto* model : pd.findChildren<QFileSystemModel*>()) model->setIconProvider(FileIcons());
      if (RunDialog(pd, dialog) != QDialog::Accepted) return false;
      d.Copies = printer->copyCount();
      return true;
    }
    case DialogKind::PrinterSetup: {
      QPageSetupDialog pd(ThePrinter(), DialogParent());
      return RunDialog(pd, dialog) == QDialog::Accepted;
    }
  }
  return false;
}

// ---- Forms ----

QWidget* QtBackend::WindowOf(const TForm& form) const {
  auto it = peers_.find(&form);
  return it == peers_.end() ? nullptr : it->second.w.data();
}

TForm* QtBackend::FormNamed(const std::string& name) const {
  if (Application)
    for (const auto& f : Application->Forms())
      if (f->Name() == name) return f.get();
  for (const auto& [c, p] : peers_)
    if (c->Kind() == ControlKind::Form && c->Name() == name)
      return static_cast<TForm*>(const_cast<TControl*>(c));
  return nullptr;
}

void QtBackend::UserAction(TControl& c, const std::function<void()>& fn) {
  TControl* cp = &c;
  TForm* form = c.Form();
  UserInput(cp, fn);
  if (form && Find(form)) SyncFocus(*form);
}

QWidget* QtBackend::WidgetOf(const TControl& c) const {
  auto it = peers_.find(&c);
  return it == peers_.end() ? nullptr : it->second.w.data();
}

void QtBackend::FormShown(TForm& form) {
  if (shuttingDown_) return;
  const bool first = Find(&form) == nullptr;
  if (first) BuildForm(form);
  Peer* p = Find(&form);
  if (!p || !p->w) return;
  auto* win = static_cast<FormWindow*>(p->w.data());
  FlushPending();
  SyncTree(form);
  win->setWindowModality(form.IsModal() ? Qt::ApplicationModal : Qt::NonModal);
  if (first) {
    const bool isMain = Application && Application->MainForm() == &form;
    if (isMain && qEnvironmentVariableIntValue("VUMA_QUIT_ON_FIRST_PAINT") > 0)
      new QuitOnFirstPaint(win, [this] { QuitAll(); });
    if (isMain) QTimer::singleShot(kPrepareAfterMs, this, [this] { PrepareAhead(0); });
    int cw = form.ClientWidth, ch = form.ClientHeight;
    if (isMain && (cw < 0 || ch < 0)) {
      cw = 1092;
      ch = 742;
    }
    win->ensurePolished();
    if (QLayout* l = win->layout()) l->activate();
    const QRect avail =
        (win->screen() ? win->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    QSize size;
    if (cw >= 0 && ch >= 0) {
      const int menuH = win->menuWidget() ? win->menuWidget()->sizeHint().height() : 0;
      size = QSize(cw, ch + menuH);
    } else {
      size = win->sizeHint();
    }
    // A dialog of a given client size still shows its caption whole.
    if (!isMain && win->centralWidget())
      size = size.expandedTo(QSize(win->centralWidget()->minimumWidth(), 0));
    // The window, with the title bar and borders a window manager adds (not known before it is
    // shown: room for a title bar is kept), stays on the screen; a smaller main window scrolls
    // its pages.
    const QSize decoration = win->windowFlags() & Qt::FramelessWindowHint ? QSize() : QSize(12, 40);
    // A main window cut short takes the width of the pages' vertical scroll bar besides, where the
    // screen has it, so that a page as wide as designed does not scroll sideways as well.
    if (isMain && size.height() > avail.height() - decoration.height())
      size.rwidth() += win->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    size = size.boundedTo(avail.size() - decoration);
    win->resize(size);
    // A fixed window of no given size follows its contents: a longer text, a line shown later.
    if (!form.Resizable && (cw < 0 || ch < 0) && win->layout())
      win->layout()->setSizeConstraint(QLayout::SetFixedSize);
    else if (!form.Resizable)
      win->setFixedSize(size);
    // Placement: centred where asked (and for windows without a designed place), else designed.
    QRect over = avail;
    const bool overMain = form.Position == TFormPosition::poMainFormCenter ||
                          (form.Position == TFormPosition::poDesigned && !isMain && form.Left < 0);
    if (overMain && Application && Application->MainForm())
      if (QWidget* mw = WindowOf(*Application->MainForm()); mw && mw->isVisible())
        over = mw->frameGeometry();
    if (form.Position == TFormPosition::poDesigned && form.Left >= 0 && form.Top >= 0)
      win->move(avail.topLeft() + QPoint(form.Left, form.Top));
    else
      win->move(over.topLeft() +
                QPoint((over.width() - size.width() - decoration.width()) / 2,
                       std::max(0, (over.height() - size.height() - decoration.height()) / 2)));
  }
  win->show();
  win->raise();
  win->activateWindow();
  SyncFocus(form);
  ScheduleSnapshot(form);
}

void QtBackend::FormHidden(TForm& form) {
  Peer* p = Find(&form);
  if (!p || !p->w) return;
  const bool wasActive = p->w->isActiveWindow();
  p->w->hide();
  p->w->setWindowModality(Qt::NonModal);
  // The window below takes the keyboard again, as a window manager would have it (and without
  // one nothing else would): the innermost modal window left, else the main window.
  if (!wasActive) return;
  QWidget* next = nullptr;
  for (auto it = modal_.rbegin(); it != modal_.rend() && !next; ++it)
    if (it->widget && it->widget->isVisible()) next = it->widget;
  if (!next && Application && Application->MainForm() && Application->MainForm() != &form)
    next = WindowOf(*Application->MainForm());
  if (next && next->isVisible()) next->activateWindow();
}

bool QtBackend::SaveSnapshot(const TForm& form, const QString& path) {
  QWidget* w = WindowOf(form);
  if (!w) return false;
  FlushPending();
  if (QLayout* l = w->layout()) l->activate();
  return w->grab().save(path);
}

void QtBackend::ScheduleSnapshot(TForm& form) {
  if (snapshotDir_.isEmpty()) return;
  const QString path = snapshotDir_ + "/" + ToQ(form.Name()) + ".png";
  TForm* f = &form;
  // After the layout has settled and the window has been painted once.
  QTimer::singleShot(300, this, [this, f, path] {
    if (!Find(f) || !f->Visible()) return;
    SaveSnapshot(*f, path);
  });
}

// ---- Focus ----

TControl* QtBackend::ControlOf(QObject* o) const {
  for (QObject* cur = o; cur; cur = cur->parent()) {
    auto it = ctlOf_.find(cur);
    if (it != ctlOf_.end()) return it->second;
    if (auto* w = qobject_cast<QWidget*>(cur); w && w->isWindow()) break;
  }
  return nullptr;
}

bool QtBackend::TakeRefused(TControl* c) {
  if (refused_ != c) return false;
  refused_ = nullptr;
  return true;
}

// A user moved the focus: the model decides (OnExit of the control left, which may send the focus
// back), and the real focus follows the model.
void QtBackend::OnFocusChanged(QWidget*, QWidget* now) {
  if (!Live() || syncingFocus_ || inSync_ > 0 || !now) return;
  // The menu bar and its menus take the keyboard while they are open; that is no move of the
  // focus within the window, and the control left keeps it (no exit check).
  if (qobject_cast<QMenuBar*>(now) || qobject_cast<QMenu*>(now)) return;
  TControl* c = ControlOf(now);
  if (!c || !c->CanFocus()) return;
  TForm* f = c->Form();
  if (!f) return;
  refused_ = nullptr;
  if (f->ActiveControl() == c) return;
  FlushPending();
  TApplication::Dispatch([f, c] { f->UserFocus(c); });
  if (!Find(f)) return;
  if (f->ActiveControl() != c) {
    // Refused: the click that moved the focus must not act either.
    refused_ = c;
    if (Peer* p = Find(c))
      if (auto* b = qobject_cast<QAbstractButton*>(p->w.data()))
        QTimer::singleShot(0, b, [b] { b->setDown(false); });
  }
  SyncFocus(*f);
}

void QtBackend::SyncFocus(TForm& form) {
  Peer* fp = Find(&form);
  if (!fp || !fp->w || !fp->w->isVisible()) return;
  TControl* a = form.ActiveControl();
  Peer* p = a ? Find(a) : nullptr;
  if (!p || !p->focus) return;
  QWidget* t = p->focus;
  if (t->hasFocus() || !t->isVisibleTo(fp->w) || !t->isEnabled() || t->window() != fp->w) return;
  syncingFocus_ = true;
  t->setFocus(Qt::OtherFocusReason);
  syncingFocus_ = false;
}

// ---- Keyboard ----

// Typed characters go one by one through the model (OnKeyPress may drop or change them); what Qt
// edits by itself (paste, cut, delete, undo) arrives afterwards as a whole new text.
bool QtBackend::DialogKey(TForm& form, QKeyEvent* e) {
  if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const int key = e->key();
  const char ch = key == Qt::Key_Return || key == Qt::Key_Enter ? '\r'
                  : key == Qt::Key_Escape                       ? 27
                                                                : 0;
  if (!ch) return false;
  bool taken = false;
  UserInput(&form, [&form, ch, &taken] { taken = form.UserDialogKey(ch); });
  return taken;
}

bool QtBackend::EditKey(TControl& c, QKeyEvent* e) {
  Peer* p = Find(&c);
  auto* le = p ? qobject_cast<QLineEdit*>(p->focus.data()) : nullptr;
  if (!le) return false;
  if (TForm* f = c.Form(); f && DialogKey(*f, e)) return true;
  const Qt::KeyboardModifiers mods = e->modifiers();
  const bool ctrl = mods & (Qt::ControlModifier | Qt::MetaModifier);
  const bool alt = mods & Qt::AltModifier;
  auto& ed = static_cast<TCustomEdit&>(c);
  TControl* cp = &c;
  const int key = e->key();
  std::string chars;
  if (e->matches(QKeySequence::Paste)) {
    if (le->isReadOnly()) return true;
    PasteInto(c, le, QGuiApplication::clipboard()->text(),
              le->hasSelectedText() ? le->selectionStart() : le->cursorPosition(),
              le->hasSelectedText() ? static_cast<int>(le->selectedText().size()) : 0);
    return true;
  } else if (ed.PasswordChar && (e->matches(QKeySequence::Cut) || e->matches(QKeySequence::Copy))) {
    return true;  // the widget holds only the mask
  } else if (ed.PasswordChar && key == Qt::Key_Delete && !le->isReadOnly()) {
    // The widget's text is the mask: the model removes the characters.
    const int start = le->hasSelectedText() ? le->selectionStart() : le->cursorPosition();
    const int length = le->hasSelectedText() ? int(le->selectedText().size()) : 1;
    std::string t = ed.Text();
    if (start < int(t.size())) t.erase(size_t(start), size_t(length));
    UserInput(cp, [&ed, t] { ed.UserSetText(t); });
    if (Find(cp)) le->setCursorPosition(start);
    return true;
  }
  if (chars.empty() && ctrl != alt && (ctrl || alt))
    return false;  // shortcuts; Ctrl+Alt is AltGr typing
  if (c.Kind() == ControlKind::SpinEdit && (key == Qt::Key_Up || key == Qt::Key_Down)) {
    const int dir = key == Qt::Key_Up ? 1 : -1;
    UserInput(cp, [cp, dir] { static_cast<TSpinEdit*>(cp)->UserStep(dir); });
    return true;
  }
  if (chars.empty()) {
    if (key == Qt::Key_Backspace)
      chars = "\b";
    else if (key == Qt::Key_Return || key == Qt::Key_Enter)
      chars = "\r";
    else if (key == Qt::Key_Escape)
      chars = "\x1b";
    else
      for (QChar ch : e->text())
        if (ch.isPrint()) chars += FromQChar(ch);
    if (chars.empty()) return false;
  }
  int start = le->hasSelectedText() ? le->selectionStart() : le->cursorPosition();
  int length = le->hasSelectedText() ? static_cast<int>(le->selectedText().size()) : 0;
  int caret = start + length;
  UserInput(cp, [&ed, &chars, &start, &length, &caret] {
    for (char ch : chars) {
      caret = ed.UserKeyAt(ch, start, length);
      start = caret;
      length = 0;
    }
  });
  if (Find(cp) && le->text() == qtb::peers::Shown(ed)) le->setCursorPosition(caret);
  return true;
}

// A paste is typing: each character passes the edit's key filter, which may refuse it, line
// breaks and other control characters stay out, and the selection goes with the first character
// taken. Every way text enters an edit without a key comes here.
void QtBackend::PasteInto(TControl& c, QLineEdit* le, const QString& text, int start, int length) {
  std::string chars;
  for (QChar ch : text)
    if (ch.isPrint()) chars += FromQChar(ch);
  if (chars.empty()) return;
  auto& ed = static_cast<TCustomEdit&>(c);
  TControl* cp = &c;
  int caret = start + length;
  UserInput(cp, [&] { caret = ed.UserPasteAt(chars, start, length); });
  if (Find(cp) && le->text() == qtb::peers::Shown(ed)) le->setCursorPosition(caret);
}

bool QtBackend::EditTextEntry(TControl& c, QEvent* event) {
  Peer* p = Find(&c);
  auto* le = p ? qobject_cast<QLineEdit*>(p->focus.data()) : nullptr;
  if (!le) return false;
  switch (event->type()) {
    case QEvent::MouseButtonRelease: {
      // The middle button pastes the selection where it is clicked (X11), the selection dropped.
      QClipboard* clip = QGuiApplication::clipboard();
      const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
      if (!le->isReadOnly() && clip->supportsSelection())
        PasteInto(c, le, clip->text(QClipboard::Selection), le->cursorPositionAt(at), 0);
      return true;
    }
    case QEvent::Drop: {
      // A drop copies its text in where it lands; a drag from the same field leaves its source.
      auto* e = static_cast<QDropEvent*>(event);
      if (le->isReadOnly() || !e->mimeData() || !e->mimeData()->hasText()) {
        e->ignore();
        return true;
      }
      PasteInto(c, le, e->mimeData()->text(), le->cursorPositionAt(e->position().toPoint()), 0);
      e->setDropAction(Qt::CopyAction);
      e->accept();
      return true;
    }
    case QEvent::ContextMenu: {
      // The widget's own menu, its paste going the way of Ctrl+V.
      std::unique_ptr<QMenu> menu(le->createStandardContextMenu());
      for (QAction* a : menu->actions()) {
        if (a->objectName() != QLatin1String("edit-paste")) continue;
        QObject::disconnect(a, &QAction::triggered, nullptr, nullptr);
        connect(a, &QAction::triggered, this, [this, cp = &c, le = QPointer<QLineEdit>(le)] {
          if (!le || le->isReadOnly() || !Find(cp)) return;
          PasteInto(*cp, le, QGuiApplication::clipboard()->text(),
                    le->hasSelectedText() ? le->selectionStart() : le->cursorPosition(),
                    le->hasSelectedText() ? static_cast<int>(le->selectedText().size()) : 0);
        });
      }
      menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
      return true;
    }
    default:
      return false;
  }
}

bool QtBackend::eventFilter(QObject* watched, QEvent* event) {
  if (shuttingDown_) return false;
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress)
    if (auto* bar = qobject_cast<QMenuBar*>(watched)) return MenuBarKey(bar, static_cast<QKeyEvent*>(event));
  if (type != QEvent::KeyPress && type != QEvent::MouseButtonDblClick &&
      type != QEvent::MouseButtonRelease && type != QEvent::Drop && type != QEvent::ContextMenu)
    return false;
  auto it = ctlOf_.find(watched);
  if (it == ctlOf_.end()) return false;
  TControl* c = it->second;
  if (c->Kind() != ControlKind::Edit && c->Kind() != ControlKind::SpinEdit) return false;
  if (type == QEvent::KeyPress) return EditKey(*c, static_cast<QKeyEvent*>(event));
  if (type == QEvent::Drop || type == QEvent::ContextMenu ||
      (type == QEvent::MouseButtonRelease &&
       static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton))
    return EditTextEntry(*c, event);
  if (type == QEvent::MouseButtonRelease) {
    UserInput(c, [c] {
      if (c->Kind() == ControlKind::Edit) static_cast<TCustomEdit*>(c)->UserClick();
    });
    return false;
  }
  UserInput(c, [c] {
    auto* ed = static_cast<TCustomEdit*>(c);
    if (ed->Enabled() && ed->OnDblClick) ed->OnDblClick();
  });
  return false;
}

// A menu closed with Escape leaves the menu bar holding the keyboard (its first item lit). Tab or
// Shift+Tab there is the user moving on from the field the menu was opened over: the menu bar lets
// go (the field has the focus again, no move) and the key moves the focus on from the field, so
// that its exit check runs as after any other Tab.
bool QtBackend::MenuBarKey(QMenuBar* bar, QKeyEvent* e) {
  const int key = e->key();
  if ((key != Qt::Key_Tab && key != Qt::Key_Backtab) ||
      (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) ||
      !bar->hasFocus() || QApplication::activePopupWidget())
    return false;
  QKeyEvent leave(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(bar, &leave);
  QWidget* field = QApplication::focusWidget();
  if (!field || field == bar || field->window() != bar->window()) return true;
  QKeyEvent move(QEvent::KeyPress, key, e->modifiers(), e->text());
  QCoreApplication::sendEvent(field, &move);
  return true;
}

void QtBackend::CursorPos(int& x, int& y) const {
  // Relative to the available area, where a designed Left and Top are placed.
  const QPoint p = QCursor::pos();
  QScreen* s = QGuiApplication::screenAt(p);
  if (!s) s = QGuiApplication::primaryScreen();
  const QPoint origin = s ? s->availableGeometry().topLeft() : QPoint();
  x = p.x() - origin.x();
  y = p.y() - origin.y();
}
