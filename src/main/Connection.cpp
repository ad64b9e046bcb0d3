// Opening and closing the link to the relay. Connecting opens the port and runs the full read
// inside the progress dialog; every way the port closes goes through DropLink.
#include <exception>

#include "link/CommSetup.h"
#include "link/UnitProgress.h"
#include "main/Main.h"
#include "platform/ui/Application.h"
#include "platform/ui/Scheduler.h"

namespace {

constexpr uint16_t kFirstAnswerTicks = 200;  // 2 s for the relay's first answer
constexpr const char* kSimulationOff = "*z#";

// The box is shown once the handler running now has returned: the state is complete by then, and
// no nested loop runs inside the link timer or the system timer while they are half-way through.
void TellLater(const std::string& text) {
  auto& s = Scheduler::Instance();
  s.Post(s.NowUs(), [text] {
    if (Application) Application->MessageBox(text, "Error");
  });
}

}  // namespace

void TForm1::Connect1Click() {
  if (!Form2) return;
  TForm2& link = *Form2;
  if (link.ComPort1.Connected()) {
    DropLink(LinkDrop::Command);
    return;
  }

  // A port that cannot be opened ends the command here with the platform's error box; nothing
  // has changed yet.
  link.ComPort1.Open();
  Connect1.SetCaption("&Disconnect");
  StatusBar1.SetPanelText(0, link.ComPort1.Port() + " Connected.");
  ActivityWidth = 0;
  StatusBar1.Invalidate();
  PageControl1.SetActivePage(&tsActual);
  link.CommsTimeOutCntr = kFirstAnswerTicks;

  // Arm the full read.
  ClearTransferFlags();
  UploadAll = true;
  UploadDevID = true;
  FullReadStepAtMs = Scheduler::Instance().NowMs();

  if (FrmProgress) {
    TFrmProgress& p = *FrmProgress;
    p.SetCaption("Progress Uploading");
    p.ProgLabProgDesc.SetCaption("Uploading device ID");
    p.ProgBarDisProg.SetPosition(0);
    p.ProgBarDisProg.SetMax(9);
    p.ProgButButton.SetCaption("Cancel");
    // The read must finish before the link is used; the system timer offers the button only if
    // the read stops getting anywhere.
    p.ProgButButton.SetEnabled(false);
    p.ShowModal();
  }
  // Whatever ended the dialog (the read complete, the user, or the link dropped), the link starts
  // afresh from the live values poll.
  link.OpenPort();
}

void TForm1::DropLink(LinkDrop why) {
  if (DroppingLink || !Form2) return;
  struct Dropping {
    bool& flag;
    explicit Dropping(bool& f) : flag(f) { flag = true; }
    ~Dropping() { flag = false; }
  } dropping(DroppingLink);
  TForm2& link = *Form2;
  bool portFailed = why == LinkDrop::PortFailed;

  // The relay leaves a running simulation when told so; a port that failed or a relay of another
  // product is not written to.
  SimFlag = false;
  bSimTestStart.SetCaption("Start Simulation");
  iLedSimIndication.SetActive(false);
  // Nor does a sequence carry on into the next connection.
  if (bSimQue.Caption() != "Start queing") StopSimPlayer();
  if (link.ComPort1.Connected() &&
      (why == LinkDrop::Command || why == LinkDrop::Watchdog || why == LinkDrop::Closing)) {
    try {
      link.ComPort1.WriteStr(kSimulationOff);
    } catch (const std::exception&) {
      portFailed = true;
    }
  }
  try {
    link.ComPort1.Close();  // closed even when the device reports an error
  } catch (const std::exception&) {
    portFailed = true;
  }

  Connect1.SetCaption("&Connect");
  StatusBar1.SetPanelText(0, link.ComPort1.Port() + " Disconnected.");
  if (why == LinkDrop::ProductCheck) LabelProdID.SetCaption("4");
  link.CommsTimeOutCntr = 0;
  ClearTransferFlags();
  if (FrmProgress && FrmProgress->Visible()) FrmProgress->Close();
  link.OpenPort();

  if (why == LinkDrop::Closing) return;  // the program is ending
  if (why == LinkDrop::Watchdog) TellLater("Communication with VUMA lost.");
  if (why == LinkDrop::ProductCheck) TellLater("Product not supported.");
  if (portFailed) TellLater("Communication port failed. Select and reconnect port");
}
