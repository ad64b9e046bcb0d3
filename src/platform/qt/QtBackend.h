#pragma once
// The real backend: every shown form becomes a Qt window whose widgets render the control model.
// User input enters through the model's User* methods (and so through its firing rules); the
// model's changes come back through ControlObserver. Timers and posted events stay in the shared
// scheduler, pumped by single-shot Qt timers that also run inside nested loops.
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/ui/Application.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialogs.h"

class QAction;
class QDialog;
class QFileDialog;
class QKeyEvent;
class QLineEdit;
class QMenu;
class QMenuBar;
class QMessageBox;
class QPrinter;
class QTimer;
class QWidget;

namespace qtb {
class FormWindow;
class AbsoluteLayout;
class ScriptRunner;
}  // namespace qtb

class QtBackend : public QObject, public Backend, public ControlObserver {
  Q_OBJECT
 public:
  // Needs a QApplication. Installs itself as the model's observer and the scheduler's pump.
  QtBackend();
  ~QtBackend() override;

  void RunMainLoop() override;
  void RunModalLoop(TForm& form) override;
  int ShowBox(BoxKind kind, const std::string& caption, const std::string& text) override;
  bool ExecuteDialog(TCommonDialog& dialog) override;
  void FormShown(TForm& form) override;
  void FormHidden(TForm& form) override;
  void CursorPos(int& x, int& y) const override;
  void Terminated() override;

  void ControlChanged(TControl& c) override;
  void ControlDestroyed(TControl& c) override;

  // The window of a form once it has been shown, else null.
  QWidget* WindowOf(const TForm& form) const;
  // The widget standing for a control, else null.
  QWidget* WidgetOf(const TControl& c) const;
  // Applies every deferred repaint of the model's state now.
  void FlushPending();
  // Renders a form's window (it must have been shown) into a PNG file.
  bool SaveSnapshot(const TForm& form, const QString& path);

  // What is modal now, innermost last: modal forms, message boxes, file and print dialogs.
  struct Modal {
    enum Kind { Form, Box, Dialog } kind;
    TForm* form = nullptr;            // Form
    QPointer<QWidget> widget;         // Box, Dialog (and the form's window)
    TCommonDialog* dialog = nullptr;  // Dialog
  };
  const std::vector<Modal>& ModalStack() const { return modal_; }
  // A form by its name: one the application created, else any form that has been shown.
  TForm* FormNamed(const std::string& name) const;
  // A user's action on a control, as the widgets deliver theirs: through the dispatch point, the
  // widget then showing what the model has, the real focus following the model's.
  void UserAction(TControl& c, const std::function<void()>& fn);
  // Closes the innermost file, print or printer setup dialog: accepted (a file dialog with `file`
  // as the user's choice) or cancelled.
  void AnswerDialog(bool accept, const QString& file = QString());
  // Ends every loop, the nested ones included, and so the run.
  void QuitAll();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Peer {
    TControl* ctl = nullptr;
    QPointer<QWidget> w;                      // the outer widget, placed by the parent's layout
    QPointer<QWidget> focus;                  // the widget that holds the keyboard focus
    QPointer<QWidget> area;                   // where a container's children live
    QPointer<QAction> action;                 // menu items
    QPointer<QMenu> menu;                     // menu items with children
    qtb::AbsoluteLayout* absolute = nullptr;  // the parent's absolute layout, if placed by it
    QRect bounds{-1, -1, -1, -1};             // bounds last applied (none yet)
    int itemsHash = 0;                     // list contents last shown (combo boxes, radio groups)
    std::vector<QPointer<QWidget>> items;  // a radio group's buttons
    bool checkable = false;
  };

  // Building.
  void BuildForm(TForm& form);
  QWidget* BuildControl(TControl& c, QWidget* parent);
  void BuildChildren(TControl& container, QWidget* area, bool formLevel);
  void BuildMenu(TControl& menu, QWidget* bar);
  void BuildMenuItem(TControl& item, QWidget* into);
  Peer& Register(TControl& c, QWidget* w, QWidget* focus = nullptr);
  void ApplyBounds(Peer& p);

  // Model to widgets.
  void Sync(Peer& p);
  void SyncTree(TControl& c);
  // Builds the widgets of a page not shown yet, as it comes on show.
  void BuildPage(TControl& page);
  void SyncCommon(Peer& p);
  void SyncFocus(TForm& form);
  void MarkDirty(TControl& c);
  void DropPending(TControl* c);
  // A control on a page that is not on show waits with its changes until the page comes on show.
  bool OnHiddenPage(const TControl& c) const;
  void SyncStale();
  bool Deferred(ControlKind k) const;
  Peer* Find(const TControl* c);

  // Widgets to model.
  // Runs a model call for a user's action through the dispatch point, then (with resync) shows
  // the control as the model has it: the widget may show what the model refused.
  template <class F>
  void UserInput(TControl* c, F&& fn, bool resync = true);
  TControl* ControlOf(QObject* w) const;
  void OnFocusChanged(QWidget* old, QWidget* now);
  bool TakeRefused(TControl* c);
  bool EditKey(TControl& c, QKeyEvent* e);
  // Text entering an edit by the middle button, a drop or the context menu's paste.
  bool EditTextEntry(TControl& c, QEvent* event);
  void PasteInto(TControl& c, QLineEdit* le, const QString& text, int start, int length);
  bool MenuBarKey(QMenuBar* bar, QKeyEvent* e);
  // Enter or Escape for the window's default or cancel button; true if taken.
  bool DialogKey(TForm& form, QKeyEvent* e);

  // False once the run is over (or the backend is going): no more user input reaches the model.
  bool Live() const { return !shuttingDown_ && Application && !Application->Terminated(); }

  // Loops.
  void ArmPump();
  void PumpFired(int index);
  QWidget* DialogParent() const;
  QPrinter* ThePrinter();
  void ScheduleSnapshot(TForm& form);
  // Runs a box or a dialog modally, with the timers going on; returns what exec() returns.
  int RunBox(QMessageBox& box);
  int RunDialog(QDialog& dialog, TCommonDialog& model);
  bool ExecuteFileDialog(TOpenDialog& d);
  // The one file dialog, built at its first need.
  QFileDialog& FileDialog(QWidget* parent);
  // In the first quiet moments after the main window shows, one step at a time, what the first
  // file or print command would otherwise build while the user waits.
  void PrepareAhead(int step);
  bool AskOverwrite(const QString& path);
  void StartScript();

  std::unordered_map<const TControl*, Peer> peers_;
  std::unordered_map<const QObject*, TControl*> ctlOf_;
  std::vector<TControl*> pending_;
  std::unordered_set<TControl*> pendingSet_;
  std::unordered_set<TControl*> stale_;  // changed while their page was not on show
  std::unordered_set<const TControl*>
      unbuiltPages_;  // pages whose widgets wait for their first showing
  bool flushPosted_ = false;

  struct Pump {
    QTimer* timer;
    int inSlot = 0;
    int64_t armedFor = -1;  // the scheduler's due time it is started for
  };
  std::vector<Pump> pumps_;
  int pumpingDepth_ = -1;  // the loop depth at which a pump runs the scheduler's items now

  TControl* refused_ = nullptr;
  int inSync_ = 0;
  bool syncingFocus_ = false;
  bool shuttingDown_ = false;
  bool quitAll_ = false;
  bool runOver_ = false;  // the main loop has ended: windows go whole, widgets with them
  QString snapshotDir_;
  std::unique_ptr<QPrinter> ownPrinter_;
  // One file dialog for every open and save: building one costs more than what it then shows.
  QPointer<QFileDialog> fileDialog_;
  std::vector<Modal> modal_;
  std::optional<QString> answeredFile_;  // a scripted answer to the open file dialog
  std::unique_ptr<qtb::ScriptRunner> script_;
};

template <class F>
void QtBackend::UserInput(TControl* c, F&& fn, bool resync) {
  if (!Live() || !Find(c)) return;
  // Without a resync the widget holds the newer state (typed text, a drag): a repaint of the
  // model's older state still pending for it must not overwrite it.
  if (!resync) DropPending(c);
  FlushPending();
  TApplication::Dispatch(std::function<void()>(std::forward<F>(fn)));
  if (resync)
    if (Peer* p = Find(c)) Sync(*p);
}
