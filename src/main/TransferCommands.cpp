// The commands that start a transfer. Each fills the progress dialog, arms the first step of its
// chain and waits in the dialog's modal loop while the system timer, the link and the parsers do
// the work. The two reset buttons queue their request directly.
#include "link/CommSetup.h"
#include "wire/Requests.h"
#include "link/UnitProgress.h"
#include "main/Main.h"
#include "main/TransferChains.h"
#include "main/UnitMassDwnSel.h"

using namespace transfers;
using Cmd = TForm1::TransferCommand;

namespace {

constexpr const char* kUp = "Progress Uploading";
constexpr const char* kDown = "Progress Downloading";

// What a command does beyond arming one flag pair.
enum class Extra : uint8_t {
  None,
  RxComms,  // both comms data block read pairs are cleared
  TxComms,  // an extended relay revision packs and writes both blocks with the comms record
};

struct CommandDef {
  Cmd cmd;
  const char* caption;
  const char* text;
  const char* textExtended;
  int max;
  int maxExtended;
  Flag request;
  Flag done;              // nullptr for the clearing commands
  bool reuseShownDialog;  // called by the sequencer inside a running transfer
  Extra extra;
};

using F = TForm1;
// clang-format off
constexpr CommandDef kCommands[] = {
    {Cmd::RxSettings, kUp, "Uploading settings", nullptr, 1, 1, &F::UploadSettings, &F::SettingsUploaded, false, Extra::None},
    {Cmd::RxCalibration, kUp, "Uploading calibration", nullptr, 1, 1, &F::UploadCalibration, &F::CalibrationUploaded, true, Extra::None},
    {Cmd::RxRelayID, kUp, "Uploading device ID", nullptr, 1, 1, &F::UploadDevID, &F::DevIDUploaded, false, Extra::None},
    {Cmd::RxDesc, kUp, "Uploading description", nullptr, 1, 1, &F::UploadDesc, &F::DescUploaded, false, Extra::None},
    {Cmd::RxComms, kUp, "Uploading communication", "Uploading communication block 0", 1, 3, &F::UploadComms, &F::CommsUploaded, false, Extra::RxComms},
    {Cmd::RxBluetooth, kUp, "Uploading Bluetooth Settings", nullptr, 1, 1, &F::UploadBluetooth, &F::BluetoothUploaded, false, Extra::None},
    {Cmd::RxExtMod, kUp, "Uploading external module", nullptr, 1, 1, &F::UploadExtModSet, &F::ExtModSetUploaded, false, Extra::None},
    {Cmd::RxLogic, kUp, "Uploading logic", nullptr, 1, 1, &F::UploadLogic, &F::LogicUploaded, false, Extra::None},
    {Cmd::RxStartConf, kUp, "Uploading starter configuration", nullptr, 1, 1, &F::UploadStartConf, &F::StartConfUploaded, false, Extra::None},
    {Cmd::TxSettings, kDown, "Downloading settings", nullptr, 1, 1, &F::DownloadSetting, &F::SettingDownloaded, false, Extra::None},
    {Cmd::TxCalibration, kDown, "Downloading calibration", nullptr, 1, 1, &F::DownloadCal, &F::CalDownloaded, true, Extra::None},
    {Cmd::TxRelayID, kDown, "Downloading device ID", nullptr, 1, 1, &F::DownloadRelayID, &F::RelayIDDownloaded, false, Extra::None},
    {Cmd::TxDesc, kDown, "Downloading description", nullptr, 1, 1, &F::DownloadDesc, &F::DescDownloaded, false, Extra::None},
    {Cmd::TxComms, kDown, "Downloading communication", "Downloading communication - Block 0", 1, 3, &F::DownloadComm, &F::CommDownloaded, false, Extra::TxComms},
    {Cmd::TxBluetooth, kDown, "Downloading Bluetooth", nullptr, 1, 1, &F::DownloadBluetooth, &F::BluetoothDownloaded, false, Extra::None},
    {Cmd::TxExtMod, kDown, "Downloading external module", nullptr, 1, 1, &F::DownloadExtMod, &F::ExtModDownloaded, false, Extra::None},
    {Cmd::TxLogic, kDown, "Downloading logic", nullptr, 1, 1, &F::DownloadLogic, &F::LogicDownloaded, false, Extra::None},
    {Cmd::TxStartConf, kDown, "Downloading starter configuration", nullptr, 1, 1, &F::DownloadStartConf, &F::StartConfDownloaded, false, Extra::None},
    {Cmd::TxRTC, kDown, "Downloading RTC", nullptr, 1, 1, &F::DownloadRTC, &F::RTC_Downloaded, false, Extra::None},
    {Cmd::TxStatistics, kDown, "Downloading statistical data", nullptr, 1, 1, &F::DownloadStat, &F::StatDownloaded, false, Extra::None},
    {Cmd::ClearFaults, "Progress Clearing Faults", "Clearing faults", nullptr, 1, 1, &F::ClearFaultRec, nullptr, false, Extra::None},
    {Cmd::ClearEvents, "Progress Clearing Events", "Clearing events", nullptr, 1, 1, &F::ClearEventRec, nullptr, false, Extra::None},
};
// clang-format on

constexpr bool CommandsInEnumOrder() {
  for (size_t i = 0; i < std::size(kCommands); ++i)
    if (static_cast<size_t>(kCommands[i].cmd) != i) return false;
  return true;
}
static_assert(CommandsInEnumOrder());

// The progress dialog as a command prepares it.
void PrepareProgress(const char* caption, const char* text, int max) {
  TFrmProgress& p = *FrmProgress;
  p.SetCaption(caption);
  p.ProgLabProgDesc.SetCaption(text);
  p.ProgBarDisProg.SetPosition(0);
  p.ProgBarDisProg.SetMax(max);
  p.ProgButButton.SetCaption("Cancel");
  p.ProgButButton.SetEnabled(true);
}

// A page's two-step write button: the first press only enters the page's edit mode.
bool EnterEditMode(bool& flag, TiLedRectangle& lamp, TButton& button) {
  if (flag) return false;
  flag = true;
  lamp.SetActiveColor(clYellow);
  lamp.SetCaption("Off Line");
  button.SetCaption("Transmit setting to relay");
  return true;
}

}  // namespace

void TForm1::ArmTransfer(TransferCommand cmd) {
  if (!FrmProgress) return;
  const CommandDef& c = kCommands[static_cast<size_t>(cmd)];
  const bool extended = ExtendedRevision(*this);
  if (c.extra == Extra::TxComms && extended) UpdateExtCommsSettingInTxBuff();
  PrepareProgress(c.caption, extended && c.textExtended ? c.textExtended : c.text,
                  extended ? c.maxExtended : c.max);
  switch (c.extra) {
    case Extra::None:
      break;
    case Extra::RxComms:
      UploadCommsExtBlock0 = CommsExtBlock0Uploaded = false;
      UploadCommsExtBlock1 = CommsExtBlock1Uploaded = false;
      break;
    case Extra::TxComms:
      DownloadCommExtBlock0 = DownloadCommExtBlock1 = extended;
      CommDownloadedExtBlock0 = CommDownloadedExtBlock1 = false;
      break;
  }
  this->*c.request = true;
  if (c.done) this->*c.done = false;
  if (c.reuseShownDialog && FrmProgress->Visible()) return;
  FrmProgress->ShowModal();
}

void TForm1::bReadSetFromRelayClick() { ArmTransfer(TransferCommand::RxSettings); }
void TForm1::bRxCalibrationClick() { ArmTransfer(TransferCommand::RxCalibration); }
void TForm1::bRxRelayIDClick() { ArmTransfer(TransferCommand::RxRelayID); }
void TForm1::btRxUserNameClick() { ArmTransfer(TransferCommand::RxDesc); }
void TForm1::btRxCommsDataClick() { ArmTransfer(TransferCommand::RxComms); }
void TForm1::btRxBluetoothClick() { ArmTransfer(TransferCommand::RxBluetooth); }
void TForm1::Button6Click() { ArmTransfer(TransferCommand::RxExtMod); }
void TForm1::bRxControlLogicClick() { ArmTransfer(TransferCommand::RxLogic); }
void TForm1::bRxStarterConfigFromRLClick() { ArmTransfer(TransferCommand::RxStartConf); }
void TForm1::bTxCalibrationClick() { ArmTransfer(TransferCommand::TxCalibration); }
void TForm1::bRelayIDClick() { ArmTransfer(TransferCommand::TxRelayID); }
void TForm1::pbUserNameClick() { ArmTransfer(TransferCommand::TxDesc); }
void TForm1::bCommSettingsClick() { ArmTransfer(TransferCommand::TxComms); }
void TForm1::btTxBluetoothClick() { ArmTransfer(TransferCommand::TxBluetooth); }
void TForm1::Button5Click() { ArmTransfer(TransferCommand::TxExtMod); }
void TForm1::bTxLogicControlClick() { ArmTransfer(TransferCommand::TxLogic); }
void TForm1::bTxStarterConfigToRLClick() { ArmTransfer(TransferCommand::TxStartConf); }
void TForm1::ClrFaultHistClick() { ArmTransfer(TransferCommand::ClearFaults); }
void TForm1::bClrEventRecsClick() { ArmTransfer(TransferCommand::ClearEvents); }

void TForm1::TxRTC_Click() {
  if (EnterEditMode(ClockChangeFlag, iLedClockStatus, bRTC_Setting)) return;
  ArmTransfer(TransferCommand::TxRTC);
}

void TForm1::bTxStatisticsClick() {
  if (EnterEditMode(StatsChangeFlag, iLedStatsStatus, bTxStatistics)) return;
  ArmTransfer(TransferCommand::TxStatistics);
}

// The full read from the tool bar: as after connecting, but the user may cancel it.
void TForm1::SButReadSetFrmRelayClick() {
  if (!FrmProgress) return;
  ClearReadFlags(*this);
  UploadAll = true;
  UploadDevID = true;
  PrepareProgress(kUp, "Uploading device ID", 9);
  FrmProgress->ShowModal();
}

void TForm1::SButWriteSetToRelayClick() {
  if (!FrmMassDwnSel || !FrmProgress) return;
  TFrmMassDwnSel& sel = *FrmMassDwnSel;
  // Outside site mode the calibration cannot be chosen; the settings bring it along anyway.
  if (!SiteModeActive) sel.CBoxMassDwnSelCal.SetChecked(false);
  sel.CBoxMassDwnSelCal.SetVisible(SiteModeActive);
  if (sel.ShowModal() != mrOk) return;

  const bool extended = ExtendedRevision(*this);
  uint8_t count = 0;
  for (const MassChoice& choice : kMassChoices) {
    if (!(sel.*choice.box).Checked()) continue;
    if (choice.box == &TFrmMassDwnSel::CBoxMassDwnSelSettings)
      sel.CBoxMassDwnSelCal.SetChecked(true);
    if (choice.communication && extended) UpdateExtCommsSettingInTxBuff();
    count = static_cast<uint8_t>(count + (extended ? choice.countExtended : choice.count));
  }
  if (count == 0) return;

  for (const MassChoice& choice : kMassChoices) {
    if ((sel.*choice.box).Checked()) {
      ArmMassChoice(*this, choice, extended);
      break;
    }
  }
  TFrmProgress& p = *FrmProgress;
  p.SetCaption(kDown);
  p.ProgBarDisProg.SetPosition(0);
  p.ProgBarDisProg.SetMax(count);
  p.ProgButButton.SetCaption("Cancel");
  p.ProgButButton.SetEnabled(true);
  MassDownload = true;
  p.ShowModal();
}

void TForm1::bRelayResetActClick() {
  if (Form2) Form2->AddToCommsQue(wire::ReqRelayReset);
}

void TForm1::bTC_ResetActClick() {
  if (Form2) Form2->AddToCommsQue(wire::ReqThermalCapReset);
}
