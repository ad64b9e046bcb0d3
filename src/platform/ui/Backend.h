#pragma once
// What a backend (headless or Qt) provides to the control model.
#include <string>

class TForm;
class TCommonDialog;

enum class BoxKind { Error, Information, Warning, Confirmation, Plain };

class Backend {
 public:
  virtual ~Backend() = default;
  // The application's loop: returns when the main form has closed or the run was terminated.
  virtual void RunMainLoop() = 0;
  // A nested loop: returns when the form has a modal result or is no longer shown.
  virtual void RunModalLoop(TForm& form) = 0;
  // A modal box with one "OK" button (timers keep firing while it is open); returns mrOk.
  virtual int ShowBox(BoxKind kind, const std::string& caption, const std::string& text) = 0;
  // Runs a file or print dialog; true when the user accepted.
  virtual bool ExecuteDialog(TCommonDialog& dialog) = 0;
  virtual void FormShown(TForm&) {}
  virtual void FormHidden(TForm&) {}
  virtual void Terminated() {}
  // The mouse cursor on the screen, in the coordinates a form's Left and Top use.
  virtual void CursorPos(int& x, int& y) const { x = y = 0; }
};
