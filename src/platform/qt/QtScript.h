#pragma once
// End-to-end driving: when $VUMA_E2E_SCRIPT names a file, its lines run as a user's steps, one
// after the other, from the first loop of the run on (the application's, or a box or window shown
// modally during start-up). Every action goes through the model's User* methods, so through the
// firing rules, and through the same dispatch point as the widgets' input. Steps go on running
// inside nested loops (modal windows, message boxes, dialogs).
//
// The language, one step a line (blank lines and lines starting with '#' are skipped):
//   wait <ms>
//   key <key>                       a key as a shortcut text: F6, Ctrl+P, Enter, Escape, Up, a.
//                                   With a message box open: Enter, Escape or Space closes it
//                                   (Escape with No where the box has one).
//                                   With a dialog open: Enter accepts it, Escape cancels it.
//                                   Otherwise it goes to the menu of the innermost modal window
//                                   (else the main window) through TMainMenu::UserShortCut; a key
//                                   no enabled item takes goes to that window's focused control:
//                                   a character, Enter, Escape or Backspace to an edit (its
//                                   OnKeyPress first), Up or Down to a spin edit, Enter or Space
//                                   to a button (a click), Space to a check box.
//   click <target>                  buttons, tool buttons, check boxes, radio buttons, menu items,
//                                   switch lamps, slide and toggle switches, labels (OnClick);
//                                   "click box OK" is "box ok"
//   dblclick <target>               grids, edits
//   type <target> <text>            edits and spin edits (select all, then each key), editable
//                                   combo boxes, memos, the current cell of an editing grid
//   leave <target>                  the focus leaves the control for none (its OnExit)
//   pick <target> <index>           combo boxes, radio groups
//   select <target> <col> <row>     a grid cell (OnSelectCell)
//   slide <target> <value>          a slider dragged to the value and released
//   tab <Form>.<TabSheet>           a user's click on the page's tab
//   box ok|yes|no                   closes the innermost message box with that button (ok also
//                                   presses Yes on a Yes/No box)
//   file <path>|cancel              answers the innermost file dialog ("c:\..." paths mapped)
//   dialog ok|cancel                answers the innermost print or printer setup dialog
//   until <target> <property> <op> <text> <timeout-ms>
//   expect <target> <property> <op> <text>      (until with a timeout of 0)
//   snapshot <Form>|box|dialog <file.png>    the window, the innermost message box or dialog
//   quit
// A target is <Form> or <Form>.<Control> (TForm::Name, TForm::FindControl), or "box" (the
// innermost message box) for until, expect and snapshot. <op> is "=", "contains", or ">=" / "<="
// comparing numbers (a property that is no number fails them). A text in
// double quotes keeps its blanks ("" is empty); other texts are the rest of the line, trimmed.
// Properties (booleans read "true" or "false"):
//   caption     Caption (any control or form)
//   text        edits, spin edits, combo boxes, memos (lines each ending in CR LF), the current
//               cell of a grid, a status bar's simple text, an analogue display as shown; the
//               caption of any other control
//   visible     a form: shown; a tab page: its tab is there; a control: its form is shown and
//               the control and its parents are visible, on the active page (a form no one has
//               created reads false)
//   enabled     Enabled
//   active      lamps, switch lamps, switches: Active; check boxes, radio buttons, menu items:
//               Checked; a tab page: it is the active page
//   itemindex   combo boxes, radio groups; a page control: the active page's index
//   value       spin edits (Value), progress bars, sliders, gauges, analogue displays, combo boxes
//               (ItemIndex)
//   cell:<c>:<r>  a grid's cell;  panel:<i>  a status bar panel's text
// The box has caption, text (line breaks as "\n") and visible (a message box is open).
//
// A step on a control fails when its form is not shown, when a modal window other than its own
// is open, or when the control cannot be seen; a step on a disabled control is logged and does
// nothing, as for a user. Each step is logged to stderr ("E2E <line>: <step>"), so is every
// message box ("BOX <caption>: <text>", line breaks as "\n") and dialog ("DIALOG <title>"). The
// first failure writes "E2E FAIL: <line>: <step>: <reason>" (and, with $VUMA_SNAPSHOT_DIR, a
// picture of every shown window) and ends the program with exit code 3; quit writes "E2E OK" and
// ends the run normally. A script that ends without quit fails; so does a program that ends
// before its script, unless the next step is quit.
#include <QObject>
#include <QString>
#include <memory>
#include <string>
#include <vector>

class QtBackend;
class TControl;
class TForm;

namespace qtb {

class ScriptRunner : public QObject {
  Q_OBJECT
 public:
  // Null when $VUMA_E2E_SCRIPT is not set; a script that cannot be read or parsed fails at once.
  static std::unique_ptr<ScriptRunner> FromEnvironment(QtBackend& backend);
  ScriptRunner(QtBackend& backend, const QString& path);
  ~ScriptRunner() override;

  // The first loop has started (later calls do nothing).
  void Start();
  // Records of what opens.
  void BoxShown(const QString& caption, const QString& text);
  void DialogShown(const QString& title);
  // The run is ending: right after a quit step, or before the script got there (a failure,
  // unless the next step is quit).
  void ProgramEnded();

  struct Step;

 private:
  void Parse(const QString& path);
  void Schedule(int ms);
  void RunNext();
  void Poll(size_t index, qint64 deadline);
  void Act(const Step& s);
  // The control a step names, checked as the step needs it; empty reason when it is fine.
  TControl* Target(const Step& s, QString& reason, bool mustShow) const;
  [[noreturn]] void Fail(const Step* s, const QString& reason);
  void Log(const QString& line) const;

  QtBackend& backend_;
  std::vector<Step> steps_;
  size_t next_ = 0;
  bool started_ = false, finished_ = false;
};

}  // namespace qtb
