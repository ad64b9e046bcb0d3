#include "link/CommSetup.h"

#include "wire/Framing.h"

#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"

TForm2* Form2 = nullptr;

TForm2::TForm2()
    : TForm("Form2", "Comms Setup"),
      Label1(this, "Label1", "Select serial port :"),
      ComComboBox1(this, "ComComboBox1"),
      ButtonRefresh(this, "ButtonRefresh", "Refresh"),
      bCommSettingOk(this, "bCommSettingOk", "Ok"),
      TmrCommsSystem(10, true) {
  Position = TFormPosition::poScreenCenter;
  Resizable = false;
  bCommSettingOk.Default = true;
  TmrCommsSystem.Name = "TmrCommsSystem";
  ComComboBox1.Style = TComboBoxStyle::csDropDownList;
  ComComboBox1.ComPort = &ComPort1;
  ComPort1.AttachPacket(&ComDataPacket1);
  ComDataPacket1.StartString = wire::kPacketStart;
  ComDataPacket1.StopString = wire::kPacketStop;

  OnCreate = [this] { FormCreate(); };
  OnShow = [this] { FormShow(); };
  // Closing by the title bar ends the dialog as "Ok" does.
  OnClose = [this] {
    if (IsModal() && ModalResult() == mrNone) SetModalResult(mrOk);
  };
  ButtonRefresh.OnClick = [this] { ButtonRefreshClick(); };
  bCommSettingOk.OnClick = [this] { bCommSettingOkClick(); };
  TmrCommsSystem.OnTimer = [this] { TmrCommsSystemTimer(); };
  // With the port closed and both countdowns run out a tick changes nothing.
  TmrCommsSystem.Idle = [this] {
    return !ComPort1.Connected() && !AwaitingReply && RetryCntr == 0 && CommsTimeOutCntr == 0;
  };
  // Ticks that only count down: while an answer is awaited, those before it can be whole and,
  // once one tick has looked for it in vain, the rest until its time-out runs out (the tick after
  // that writes again); with nothing to send; or with the port closed. Other handlers look at the
  // countdowns only after such ticks have caught up.
  TmrCommsSystem.QuietTicks = [this](int64_t firstUs) -> unsigned {
    if (TmrCommsSystem.Idle() || ComPort1.Sending()) return 0;
    if (!ComPort1.Connected()) return TTimer::kAllQuiet;
    if (AwaitingReply) return QuietTicksAwaiting(firstUs);
    return HeadRequest() == 0 && TXBuffer.empty() ? TTimer::kAllQuiet : 0;
  };
  // The line is read right before every tick; it need not wake the program while the tick that
  // first can find the answer is still to come, nor while an answer is coming in.
  ComPort1.LooksOnTick = [this] {
    const int64_t wake = TmrCommsSystem.NextWakeUs();
    return AwaitingReply && wake >= 0 &&
           (wake - TickUs() <= ReplyDueUs || ComDataPacket1.Holding());
  };
  ComDataPacket1.OnPacket = [this](const std::string& packet) { ComDataPacket1Packet(packet); };
}

void TForm2::FormCreate() {
  ExtendedVoltSelEn = false;
  try {
    ResetCommsQue();
    ComComboBox1.ListPorts();
    if (ComComboBox1.Items.Count() > 0) {
      ComComboBox1.SetItemIndex(0);
      ComPort1.SetPort(ComComboBox1.Items[0]);
    }
  } catch (const std::exception&) {
    if (Application) Application->MessageBox("No ports active", "Error");
  }
}

void TForm2::ListPortsAndSelect(bool reportEmpty) {
  std::string remembered;
  if (ComComboBox1.ItemIndex() >= 0) remembered = ComComboBox1.Items[ComComboBox1.ItemIndex()];
  try {
    ComComboBox1.ListPorts();  // a list that cannot be read stays as it was
  } catch (const std::exception&) {
  }
  if (ComComboBox1.Items.Count() == 0) {
    if (reportEmpty && Application) Application->MessageBox("No ports active", "Error");
    return;
  }
  int index = 0;
  if (remembered.size() >= 2) {
    index = ComComboBox1.Items.IndexOf(remembered);
    if (index < 0) index = 0;
  }
  ComComboBox1.SetItemIndex(index);
  // Selecting by program does not reach the port, so the name is applied here.
  ComPort1.SetPort(ComComboBox1.Items[index]);
}

void TForm2::FormShow() { ListPortsAndSelect(true); }

void TForm2::ButtonRefreshClick() { ListPortsAndSelect(false); }

void TForm2::bCommSettingOkClick() {
  SetModalResult(mrOk);
  Close();
}

void ShowErrorLater(const std::string& text) {
  auto& s = Scheduler::Instance();
  s.Post(s.NowUs(), [text] { MessageDlg(text, TMsgDlgType::mtError); });
}
