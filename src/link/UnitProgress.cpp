#include "link/UnitProgress.h"
#include "link/CommSetup.h"

TFrmProgress* FrmProgress = nullptr;

TFrmProgress::TFrmProgress()
    : TForm("FrmProgress", "Progress"),
      ProgLabProgDesc(this, "ProgLabProgDesc"),
      ProgBarDisProg(this, "ProgBarDisProg"),
      ProgButButton(this, "ProgButButton", "Cancel"),
      ProgTmrSys(500, true),
      ProgTmrCloseAuto(2000, false) {
  BorderIconsVisible = false;
  Position = TFormPosition::poScreenCenter;
  Resizable = false;
  ProgTmrSys.Name = "ProgTmrSys";
  ProgTmrCloseAuto.Name = "ProgTmrCloseAuto";
  ProgTmrSys.OnTimer = [this] { ProgTmrSysTimer(); };
  // A tick only arms the automatic close once the bar is full; until then, or once it is armed,
  // the ticks are passed over without waking.
  ProgTmrSys.Idle = [this] {
    return ProgBarDisProg.Max() != ProgBarDisProg.Position() || ProgTmrCloseAuto.Enabled();
  };
  ProgTmrCloseAuto.OnTimer = [this] { ProgTmrCloseAutoTimer(); };
  ProgButButton.OnClick = [this] { ProgButButtonClick(); };
  OnShow = [this] { FormShow(); };
}

void TFrmProgress::ProgTmrSysTimer() {
  if (ProgBarDisProg.Max() == ProgBarDisProg.Position()) ProgTmrCloseAuto.SetEnabled(true);
}

void TFrmProgress::ProgTmrCloseAutoTimer() {
  if (Visible()) {
    SetModalResult(mrOk);
    Close();
  }
  ProgBarDisProg.SetMax(100);
  ProgBarDisProg.SetPosition(0);
  ProgTmrCloseAuto.SetEnabled(false);
}

void TFrmProgress::FormShow() {
  // A close still pending from an earlier full bar must not close the transfer shown now.
  ProgTmrCloseAuto.SetEnabled(false);
}

void TFrmProgress::ProgButButtonClick() {
  // Whatever happens below, a pending automatic close belongs to the transfer being left.
  ProgTmrCloseAuto.SetEnabled(false);
  if (Form2 && Form2->Model) Form2->Model->CancelTransfers();
  // The clock and statistics pages leave their edit modes.
  if (TransferCancelled) TransferCancelled();
  // The cancelled transfer's requests leave the queue, or a relay refusing their answer would
  // be asked for them on every tick and the polls behind them would never run.
  if (Form2) Form2->DropTransferRequests();
  SetModalResult(mrOk);
  Close();
}
