#pragma once
// The transfer progress dialog: one line of text, a bar counted in transfer steps and one button
// that cancels a running transfer or acknowledges a finished one. It closes itself 2 to 2.5 s after
// its bar has been seen full.
#include <functional>

#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Scheduler.h"

class TFrmProgress : public TForm {
 public:
  TFrmProgress();

  TLabel ProgLabProgDesc;
  TProgressBar ProgBarDisProg;
  TButton ProgButButton;
  TTimer ProgTmrSys;        // 500 ms, runs from creation
  TTimer ProgTmrCloseAuto;  // 2000 ms, armed once the bar is full

  void ProgTmrSysTimer();
  void ProgTmrCloseAutoTimer();
  void ProgButButtonClick();
  void FormShow();

  // After a cancel has cleared the transfer flags: the main window shows its pages out of their
  // edit modes.
  std::function<void()> TransferCancelled;
};

extern TFrmProgress* FrmProgress;
