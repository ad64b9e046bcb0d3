// The transfer sequencer: the 100 ms system timer. Every tick it watches the link, checks the
// product, gates the relay buttons, queues the polls and moves every transfer chain on. The chains
// are tables of steps (below); one engine walks them.
#include "link/CommSetup.h"
#include "wire/Numeric.h"
#include "wire/Requests.h"
#include "link/UnitProgress.h"
#include "main/Access.h"
#include "main/ControlOf.h"
#include "main/Main.h"
#include "model/RequestFlags.h"
#include "main/TransferChains.h"
#include "main/UnitMassDwnSel.h"
#include "platform/rtl/SysUtils.h"

using namespace wire;

namespace transfers {
namespace {

constexpr Continuation Arm(int8_t next, const char* text, int8_t bar) {
  return {Then::Arm, next, text, bar};
}
constexpr Continuation Finish(const char* text, int8_t bar) {
  return {Then::Finish, -1, text, bar};
}
constexpr Continuation Do(Then then) { return {then, -1, nullptr, kKeepBar}; }
constexpr Continuation MassTo(int8_t next, const char* text) {
  return {Then::MassNext, next, text, kKeepBar};
}

constexpr Step S(Flag request, Flag done, uint8_t code, Continuation c, Gate gate = Gate::None) {
  return {request, done, code, gate, c, c};
}
constexpr Step SX(Flag request, Flag done, uint8_t code, Continuation plain,
                  Continuation extended) {
  return {request, done, code, Gate::None, plain, extended};
}

using F = TForm1;

// ---- Full read: every record, one after the other, bar 0 to 9 ----
enum : int8_t {
  rDevID,
  rSettings,
  rCal,
  rExtMod,
  rDesc,
  rLogic,
  rStart,
  rComms,
  rBlock0,
  rBlock1,
  rBluetooth
};
// clang-format off
constexpr Step kFullRead[] = {
    S(&F::UploadDevID, &F::DevIDUploaded, ReqUploadDevID, Arm(rSettings, "Uploading settings", 1)),
    S(&F::UploadSettings, &F::SettingsUploaded, ReqUploadSettings, Arm(rCal, "Uploading calibration", 2)),
    S(&F::UploadCalibration, &F::CalibrationUploaded, ReqUploadCalibration,
      Arm(rExtMod, "Uploading external module", 3)),
    S(&F::UploadExtModSet, &F::ExtModSetUploaded, ReqUploadExtModSet, Arm(rDesc, "Uploading description", 4)),
    S(&F::UploadDesc, &F::DescUploaded, ReqUploadDesc, Arm(rLogic, "Uploading logic", 5)),
    S(&F::UploadLogic, &F::LogicUploaded, ReqUploadLogic, Arm(rStart, "Uploading starter configuration", 6)),
    SX(&F::UploadStartConf, &F::StartConfUploaded, ReqUploadStartConf, Arm(rComms, "Uploading communication", 7),
       Arm(rComms, "Uploading communication block 0", 7)),
    SX(&F::UploadComms, &F::CommsUploaded, ReqUploadComms, Arm(rBluetooth, "Uploading Bluetooth", 8),
       Arm(rBlock0, "Uploading communication block 1", kKeepBar)),
    S(&F::UploadCommsExtBlock0, &F::CommsExtBlock0Uploaded, ReqUploadCommsExtBlock0,
      Arm(rBlock1, "Uploading communication block 2", kKeepBar)),
    S(&F::UploadCommsExtBlock1, &F::CommsExtBlock1Uploaded, ReqUploadCommsExtBlock1,
      Arm(rBluetooth, "Uploading Bluetooth", 8)),
    S(&F::UploadBluetooth, &F::BluetoothUploaded, ReqUploadBluetooth,
      {Then::FinishFullRead, -1, "Uploading complete", 9}, Gate::Bluetooth),
};
// clang-format on
constexpr TickTest kFullReadOrder[] = {{rDevID, kBoth},  {rSettings, kBoth}, {rCal, kBoth},
                                       {rExtMod, kBoth}, {rDesc, kBoth},     {rLogic, kBoth},
                                       {rStart, kBoth},  {rComms, kBoth},    {rBlock0, kBoth},
                                       {rBlock1, kBoth}, {rBluetooth, kBoth}};

// ---- Single reads: one record each; the settings read brings the calibration read after it ----
enum : int8_t {
  sSettings,
  sLogic,
  sStart,
  sCal,
  sDevID,
  sDesc,
  sComms,
  sBlock0,
  sBlock1,
  sExtMod,
  sBluetooth
};
constexpr const char* kUpDone = "Uploading complete";
// clang-format off
constexpr Step kSingleReads[] = {
    S(&F::UploadSettings, &F::SettingsUploaded, ReqUploadSettings, Do(Then::ReadCalibration)),
    S(&F::UploadLogic, &F::LogicUploaded, ReqUploadLogic, Finish(kUpDone, 1)),
    S(&F::UploadStartConf, &F::StartConfUploaded, ReqUploadStartConf, Finish(kUpDone, 1)),
    S(&F::UploadCalibration, &F::CalibrationUploaded, ReqUploadCalibration, Finish(kUpDone, 1)),
    S(&F::UploadDevID, &F::DevIDUploaded, ReqUploadDevID, Finish(kUpDone, 1)),
    S(&F::UploadDesc, &F::DescUploaded, ReqUploadDesc, Finish(kUpDone, 1)),
    SX(&F::UploadComms, &F::CommsUploaded, ReqUploadComms, Finish(kUpDone, 1),
       Arm(sBlock0, "Uploading communication block 1", 1)),
    S(&F::UploadCommsExtBlock0, &F::CommsExtBlock0Uploaded, ReqUploadCommsExtBlock0,
      Arm(sBlock1, "Uploading communication block 2", 2)),
    S(&F::UploadCommsExtBlock1, &F::CommsExtBlock1Uploaded, ReqUploadCommsExtBlock1, Finish(kUpDone, 3)),
    S(&F::UploadExtModSet, &F::ExtModSetUploaded, ReqUploadExtModSet, Finish(kUpDone, 1)),
    S(&F::UploadBluetooth, &F::BluetoothUploaded, ReqUploadBluetooth, Finish(kUpDone, 1)),
};
// clang-format on
constexpr TickTest kSingleReadsOrder[] = {{sSettings, kBoth}, {sLogic, kBoth},    {sStart, kBoth},
                                          {sCal, kBoth},      {sDevID, kBoth},    {sDesc, kBoth},
                                          {sComms, kBoth},    {sBlock0, kBoth},   {sBlock1, kBoth},
                                          {sExtMod, kBoth},   {sBluetooth, kBoth}};

// ---- Mass download: the steps chosen in the download selection, in this order ----
enum : int8_t {
  mSettings,
  mLogic,
  mStart,
  mDesc,
  mComm,
  mBlock0,
  mBlock1,
  mExtMod,
  mBluetooth,
  mDevID,
  mCal
};
constexpr Continuation kMassNext = MassTo(-1, nullptr);
// clang-format off
constexpr Step kMassDownload[] = {
    S(&F::DownloadSetting, &F::SettingDownloaded, ReqDownloadSetting, kMassNext),
    S(&F::DownloadLogic, &F::LogicDownloaded, ReqDownloadLogic, kMassNext),
    S(&F::DownloadStartConf, &F::StartConfDownloaded, ReqDownloadStartConf, kMassNext),
    S(&F::DownloadDesc, &F::DescDownloaded, ReqDownloadDesc, kMassNext),
    SX(&F::DownloadComm, &F::CommDownloaded, ReqDownloadComm, kMassNext,
       MassTo(mBlock0, "Downloading communication block 1")),
    S(&F::DownloadCommExtBlock0, &F::CommDownloadedExtBlock0, ReqDownloadCommExtBlock0,
      Arm(mBlock1, "Downloading communication block 2", kNextBar)),
    S(&F::DownloadCommExtBlock1, &F::CommDownloadedExtBlock1, ReqDownloadCommExtBlock1, kMassNext),
    S(&F::DownloadExtMod, &F::ExtModDownloaded, ReqDownloadExtMod, kMassNext),
    S(&F::DownloadBluetooth, &F::BluetoothDownloaded, ReqDownloadBluetooth, kMassNext, Gate::Bluetooth),
    S(&F::DownloadRelayID, &F::RelayIDDownloaded, ReqDownloadRelayID,
      Arm(mCal, "Downloading calibration", kNextBar)),
    S(&F::DownloadCal, &F::CalDownloaded, ReqDownloadCal, Do(Then::MassEnd)),
};
// clang-format on
// The calibration step is tested before the device ID step, so the calibration write armed by the
// device ID's completion goes out on the next tick; the three communication steps are first all
// queued, then all completed.
// clang-format off
constexpr TickTest kMassDownloadOrder[] = {
    {mSettings, kBoth}, {mLogic, kBoth},      {mStart, kBoth},      {mCal, kBoth},      {mDevID, kBoth},
    {mDesc, kBoth},     {mComm, kQueue},      {mBlock0, kQueue},    {mBlock1, kQueue},  {mComm, kComplete},
    {mBlock0, kComplete}, {mBlock1, kComplete}, {mExtMod, kBoth},   {mBluetooth, kBoth}};

// ---- Single writes: one record each; the settings write brings the calibration write after it.
// The extended comms write arms all three of its steps at once. ----
enum : int8_t { wSettings, wLogic, wStart, wCal, wDevID, wDesc, wBluetooth, wComm, wBlock0, wBlock1, wExtMod };
constexpr const char* kDownDone = "Downloading complete";
constexpr Step kSingleWrites[] = {
    S(&F::DownloadSetting, &F::SettingDownloaded, ReqDownloadSetting, Do(Then::WriteCalibration)),
    S(&F::DownloadLogic, &F::LogicDownloaded, ReqDownloadLogic, Finish(kDownDone, 1)),
    S(&F::DownloadStartConf, &F::StartConfDownloaded, ReqDownloadStartConf, Finish(kDownDone, 1)),
    S(&F::DownloadCal, &F::CalDownloaded, ReqDownloadCal, Finish(kDownDone, 1)),
    S(&F::DownloadRelayID, &F::RelayIDDownloaded, ReqDownloadRelayID, Finish(kDownDone, 1)),
    S(&F::DownloadDesc, &F::DescDownloaded, ReqDownloadDesc, Finish(kDownDone, 1)),
    S(&F::DownloadBluetooth, &F::BluetoothDownloaded, ReqDownloadBluetooth, Finish(kDownDone, 1)),
    SX(&F::DownloadComm, &F::CommDownloaded, ReqDownloadComm, Finish(kDownDone, 1),
       Arm(-1, "Downloading communication - Block 1", 1)),
    S(&F::DownloadCommExtBlock0, &F::CommDownloadedExtBlock0, ReqDownloadCommExtBlock0,
      Arm(-1, "Downloading communication - Block 2", 2)),
    S(&F::DownloadCommExtBlock1, &F::CommDownloadedExtBlock1, ReqDownloadCommExtBlock1, Finish(kDownDone, 3)),
    S(&F::DownloadExtMod, &F::ExtModDownloaded, ReqDownloadExtMod, Finish(kDownDone, 1)),
};
// clang-format on
constexpr TickTest kSingleWritesOrder[] = {{wSettings, kBoth},  {wLogic, kBoth}, {wStart, kBoth},
                                           {wCal, kBoth},       {wDevID, kBoth}, {wDesc, kBoth},
                                           {wBluetooth, kBoth}, {wComm, kBoth},  {wBlock0, kBoth},
                                           {wBlock1, kBoth},    {wExtMod, kBoth}};

// ---- Statistics and clock writes, in every mode ----
constexpr Step kPageWrites[] = {
    S(&F::DownloadStat, &F::StatDownloaded, ReqDownloadStat, {Then::StatsDone, -1, kDownDone, 1}),
    S(&F::DownloadRTC, &F::RTC_Downloaded, ReqDownloadRTC, {Then::ClockDone, -1, kDownDone, 1}),
};
constexpr TickTest kPageWritesOrder[] = {{0, kBoth}, {1, kBoth}};

struct Chain {
  const Step* steps;
  const TickTest* order;
  size_t tests;
};
template <size_t N, size_t M>
constexpr Chain MakeChain(const Step (&steps)[N], const TickTest (&order)[M]) {
  return {steps, order, M};
}
constexpr Chain kFullReadChain = MakeChain(kFullRead, kFullReadOrder);
constexpr Chain kSingleReadsChain = MakeChain(kSingleReads, kSingleReadsOrder);
constexpr Chain kMassDownloadChain = MakeChain(kMassDownload, kMassDownloadOrder);
constexpr Chain kSingleWritesChain = MakeChain(kSingleWrites, kSingleWritesOrder);
constexpr Chain kPageWritesChain = MakeChain(kPageWrites, kPageWritesOrder);

// The mass download's choices point into its chain.
constexpr bool ChoicesMatchChain() {
  for (const MassChoice& c : kMassChoices)
    if (c.step < 0 || c.step >= static_cast<int>(std::size(kMassDownload))) return false;
  return kMassChoices[0].step == mSettings && kMassChoices[1].step == mLogic &&
         kMassChoices[2].step == mStart && kMassChoices[3].step == mDesc &&
         kMassChoices[4].step == mComm && kMassChoices[5].step == mExtMod &&
         kMassChoices[6].step == mBluetooth && kMassChoices[7].step == mDevID;
}
static_assert(ChoicesMatchChain());

// Every step's request matches its flags in the request table.
template <size_t N>
constexpr bool StepsMatchRequests(const Step (&steps)[N]) {
  for (const Step& s : steps) {
    const int i = FlagsIndex(s.code);
    if (i < 0 || kRequestFlags[i].Request != s.request || kRequestFlags[i].Done != s.done)
      return false;
  }
  return true;
}
static_assert(StepsMatchRequests(kFullRead) && StepsMatchRequests(kSingleReads) &&
              StepsMatchRequests(kMassDownload) && StepsMatchRequests(kSingleWrites) &&
              StepsMatchRequests(kPageWrites));

// ---- Gating of the relay buttons ----
enum class Rule : uint8_t { FrontendUnlocked, CalibUnlocked, Always, EventIdle, EventRunning };
struct Gated {
  ControlOf control;
  Rule rule;
};
// clang-format off
constexpr Gated kGating[] = {
    {Field<&F::SButWriteSetToRelay>, Rule::FrontendUnlocked},
    {Field<&F::bTC_ResetAct>, Rule::FrontendUnlocked},
    {Field<&F::bTxSettings>, Rule::FrontendUnlocked},
    {Field<&F::bTxLogicControl>, Rule::FrontendUnlocked},
    {Field<&F::bTxStarterConfigToRL>, Rule::FrontendUnlocked},
    {Field<&F::pbUserName>, Rule::FrontendUnlocked},
    {Field<&F::bTxStatistics>, Rule::FrontendUnlocked},
    {Field<&F::bCommSettings>, Rule::FrontendUnlocked},
    {Field<&F::Button1>, Rule::FrontendUnlocked},
    {Field<&F::Button5>, Rule::FrontendUnlocked},
    {Field<&F::bFaultHistClr>, Rule::FrontendUnlocked},
    {Field<&F::btTxBluetooth>, Rule::FrontendUnlocked},
    {Field<&F::bThermalCapReset>, Rule::FrontendUnlocked},
    {Field<&F::bTxCalibration>, Rule::CalibUnlocked},
    {Field<&F::bRelayID>, Rule::CalibUnlocked},
    {Field<&F::bClrEventRecs>, Rule::CalibUnlocked},
    {Field<&F::bRelayResetAct>, Rule::Always},
    {Field<&F::bResetRelay>, Rule::Always},
    {Field<&F::bReadSetFromRelay>, Rule::Always},
    {Field<&F::bRxControlLogic>, Rule::Always},
    {Field<&F::bRxStarterConfigFromRL>, Rule::Always},
    {Field<&F::bRTC_Setting>, Rule::Always},
    {Field<&F::bFaultUpDate>, Rule::Always},
    {Field<&F::bSimTestStart>, Rule::Always},
    {Field<&F::Button6>, Rule::Always},
    {Field<&F::bRxCalibration>, Rule::Always},
    {Field<&F::bCalbLock>, Rule::Always},
    {Field<&F::bRxRelayID>, Rule::Always},
    {Field<&F::bEventRecDownLoad>, Rule::EventIdle},
    {Field<&F::bQuickEventUpload>, Rule::EventIdle},
    {Field<&F::bStopEventDownLoad>, Rule::EventRunning},
};
// clang-format on

// ---- The engine ----
class Engine {
 public:
  explicit Engine(TForm1& f) : f_(f), extended_(ExtendedRevision(f)) {}

  void Run(const Chain& chain) {
    for (size_t i = 0; i < chain.tests; ++i) {
      const TickTest& t = chain.order[i];
      const Step& s = chain.steps[t.step];
      if (t.test & kQueue) Queue(s);
      if ((t.test & kComplete) && f_.*s.request && f_.*s.done) {
        f_.*s.request = false;
        f_.*s.done = false;
        if (&chain == &kFullReadChain) f_.FullReadStepAtMs = Scheduler::Instance().NowMs();
        // The revision is read afresh: a completion may follow a new live record.
        extended_ = ExtendedRevision(f_);
        Continue(chain, t.step, extended_ ? s.extended : s.plain);
      }
    }
  }

 private:
  void Queue(const Step& s) {
    if (!(f_.*s.request) || f_.*s.done) return;
    if (s.gate == Gate::Bluetooth && !BluetoothAvailable(f_.mbSW_Rev.Text())) {
      f_.*s.done = true;  // nothing to transfer: the step completes at once
      return;
    }
    if (Form2) Form2->AddToCommsQue(s.code);
  }

  void ArmStep(const Step& s) {
    f_.*s.request = true;
    f_.*s.done = false;
  }

  void Continue(const Chain& chain, int8_t index, const Continuation& c) {
    switch (c.then) {
      case Then::Arm:
        if (c.next >= 0) ArmStep(chain.steps[c.next]);
        if (c.text) ProgressText(c.text);
        ProgressBar(c.bar);
        break;
      case Then::Finish:
        ProgressText(c.text);
        ProgressBar(c.bar);
        ProgressOk(false);
        break;
      case Then::FinishFullRead:
        f_.UploadAll = false;
        ProgressText(c.text);
        ProgressBar(c.bar);
        ProgressOk(true);
        break;
      case Then::ReadCalibration:
        f_.bRxCalibrationClick();
        break;
      case Then::WriteCalibration:
        f_.bTxCalibrationClick();
        break;
      case Then::MassNext:
        MassNext(chain, index, c);
        break;
      case Then::MassEnd:
        f_.MassDownload = false;
        if (FrmProgress) FrmProgress->ProgBarDisProg.SetPosition(FrmProgress->ProgBarDisProg.Max());
        ProgressText(kDownDone);
        ProgressOk(false);
        if (!f_.SiteModeActive && FrmMassDwnSel) FrmMassDwnSel->CBoxMassDwnSelCal.SetChecked(false);
        break;
      case Then::StatsDone:
        Continue(chain, index, Finish(c.text, c.bar));
        f_.EndStatsEditMode();
        break;
      case Then::ClockDone:
        f_.EndClockEditMode();
        Continue(chain, index, Finish(c.text, c.bar));
        break;
    }
  }

  void MassNext(const Chain& chain, int8_t index, const Continuation& c) {
    ProgressBar(kNextBar);
    if (!FrmProgress ||
        FrmProgress->ProgBarDisProg.Position() == FrmProgress->ProgBarDisProg.Max()) {
      EndMassDownload();
      return;
    }
    if (c.next >= 0) {
      ArmStep(chain.steps[c.next]);
      ProgressText(c.text);
      return;
    }
    for (const MassChoice& choice : kMassChoices) {
      if (choice.step > index && FrmMassDwnSel && (FrmMassDwnSel->*choice.box).Checked()) {
        ArmMassChoice(f_, choice, extended_);
        return;
      }
    }
    // Nothing chosen is left although the bar is short of its end: the download is over all the
    // same, rather than waiting for a step that will never be armed.
    EndMassDownload();
  }

  void EndMassDownload() {
    f_.MassDownload = false;
    ProgressText(kDownDone);
    ProgressOk(false);
  }

  static void ProgressOk(bool enable) {
    if (!FrmProgress) return;
    FrmProgress->ProgButButton.SetCaption("Ok");
    if (enable) FrmProgress->ProgButButton.SetEnabled(true);
  }

  TForm1& f_;
  bool extended_;
};

}  // namespace

bool ExtendedRevision(const TForm1& f) { return IsExtendedRevision(f.mbSW_Rev.Text()); }

void ProgressText(const char* text) {
  if (FrmProgress && text) FrmProgress->ProgLabProgDesc.SetCaption(text);
}

void ProgressBar(int8_t bar) {
  if (!FrmProgress) return;
  TProgressBar& b = FrmProgress->ProgBarDisProg;
  if (bar == kNextBar) {
    if (b.Position() < b.Max()) b.SetPosition(b.Position() + 1);
  } else if (bar >= 0) {
    b.SetPosition(bar);
  }
}

void ClearReadFlags(TForm1& f) {
  // The full read holds every read step.
  for (const Step& s : kFullRead) f.*s.request = f.*s.done = false;
}

void ArmMassChoice(TForm1& f, const MassChoice& choice, bool extended) {
  const Step& s = kMassDownload[choice.step];
  f.*s.request = true;
  f.*s.done = false;
  if (choice.communication) {
    f.DownloadCommExtBlock0 = f.CommDownloadedExtBlock0 = false;
    f.DownloadCommExtBlock1 = f.CommDownloadedExtBlock1 = false;
  }
  ProgressText(extended ? choice.textExtended : choice.text);
}

}  // namespace transfers

using namespace transfers;

void TForm1::ClearTransferFlags() {
  // Every flag pair of the request table, the clearing flags among them.
  for (const RequestFlags& r : kRequestFlags) {
    this->*r.Request = false;
    if (r.Done) this->*r.Done = false;
  }
  UploadAll = false;
  MassDownload = false;
}

namespace {
constexpr const char* kOnLine = "On Line";
constexpr const char* kSetClock = "Set the real time clock";
constexpr const char* kChangeStats = "Change relay settings";
}  // namespace

void TForm1::EndClockEditMode() {
  ClockChangeFlag = false;
  iLedClockStatus.SetActiveColor(clLime);
  iLedClockStatus.SetCaption(kOnLine);
  bRTC_Setting.SetCaption(kSetClock);
}

void TForm1::EndStatsEditMode() {
  StatsChangeFlag = false;
  iLedStatsStatus.SetActiveColor(clLime);
  iLedStatsStatus.SetCaption(kOnLine);
  bTxStatistics.SetCaption(kChangeStats);
}

namespace {

// Tool bar and menu by the port's state, and every gated control by its rule. With `apply` false
// nothing changes; either way the answer is whether everything showed that state already.
bool ShowPortState(TForm1& f, bool open, bool apply = true) {
  bool shown = true;
  auto want = [&](auto& c, bool on) {
    if (c.Enabled() == on) return;
    shown = false;
    if (apply) c.SetEnabled(on);
  };
  want(f.SButComSetup, !open);
  want(f.SBOpenComPort, !open);
  want(f.SButClosePort, open);
  want(f.SButReadSetFrmRelay, open);
  want(f.Communication1, !open);

  for (const Gated& g : kGating) {
    bool on = open;
    switch (g.rule) {
      case Rule::FrontendUnlocked:
        on = on && !f.FrontendLocked;
        break;
      case Rule::CalibUnlocked:
        on = on && !CalibLocked;
        break;
      case Rule::Always:
        break;
      case Rule::EventIdle:
        on = on && !f.iLedEventMessage.Active();
        break;
      case Rule::EventRunning:
        on = on && f.iLedEventMessage.Active();
        break;
    }
    want(g.control(f), on);
  }

  if (!open && f.iLedEventMessage.Active()) {
    shown = false;
    if (!apply) return shown;
    // An event download was writing its export file when the link went: the file is closed.
    if (f.EventFileClose) {
      try {
        f.EventFileClose();
      } catch (const std::exception&) {
      }
    }
    f.iLedEventMessage.SetActive(false);
    f.EventMassUploadAct = false;
    f.ShowEventDownloadEnd(TForm1::EventDownloadEnd::LinkLost);
  }
  return shown;
}

bool ProductSupported(const TForm1& f) {
  int product = 0;
  return TryStrToInt(f.LabelProdID.Caption(), product) && product == 4;
}

void QueuePolls(TForm1& f, TForm2& link) {
  link.AddToCommsQue(ReqUploadActual);
  link.AddToCommsQue(ReqUploadActualStatus);
  if (!f.ClockChangeFlag) link.AddToCommsQue(ReqUploadRTC);
  if (!f.StatsChangeFlag) link.AddToCommsQue(ReqUploadStat);
  constexpr int kCanBus = 3;
  bool extendedStatus = ExtendedRevision(f) && f.cbExtCommsSelProt.ItemIndex() != kCanBus;
  link.AddToCommsQue(extendedStatus ? ReqUploadCommsExtStat : ReqUploadCommsStat);
  if (f.PageControl1.ActivePage() == &f.tsSpectrum) {
    int phase = f.cbI_Selector.ItemIndex();
    if (phase >= 0 && phase <= 2) link.AddToCommsQue(static_cast<uint8_t>(ReqSpectrumRed + phase));
  }
  if (f.SimFlag) f.SimParamTx();
}

}  // namespace

// With the port closed a tick only keeps things at rest; while they are, it would change nothing.
bool TForm1::TmrSystemIdle() {
  if (!Form2) return true;
  const TForm2& link = *Form2;
  if (link.ComPort1.Connected()) return false;
  if (link.CommsTimeOutCntr == 0 && FrmProgress && FrmProgress->Visible()) return false;
  if (Frm1MMenUnlockFrontend.Enabled() != FrontendLocked) return false;
  if (!ShowPortState(*this, false, false)) return false;
  if (UploadAll || MassDownload) return false;
  for (const RequestFlags& r : kRequestFlags)
    if (this->*r.Request || (r.Done && this->*r.Done)) return false;
  return !ClockChangeFlag && iLedClockStatus.ActiveColor() == clLime &&
         iLedClockStatus.Caption() == kOnLine && bRTC_Setting.Caption() == kSetClock &&
         !StatsChangeFlag && iLedStatsStatus.ActiveColor() == clLime &&
         iLedStatsStatus.Caption() == kOnLine && bTxStatistics.Caption() == kChangeStats;
}

void TForm1::TmrSystemTimer() {
  if (!Form2) return;
  TForm2& link = *Form2;

  // 1. Link watchdog.
  if (link.ComPort1.Connected() && link.CommsTimeOutCntr == 0) DropLink(LinkDrop::Watchdog);

  // 2. No link, no transfer: a dialog still shown is closed.
  if (link.CommsTimeOutCntr == 0 && FrmProgress && FrmProgress->Visible()) FrmProgress->Close();

  // 3.
  Frm1MMenUnlockFrontend.SetEnabled(FrontendLocked);

  // 4. Product check, then the controls by the port's state as it is now.
  if (link.ComPort1.Connected() && !ProductSupported(*this)) DropLink(LinkDrop::ProductCheck);
  const bool open = link.ComPort1.Connected();
  ShowPortState(*this, open);

  // 5. Port closed: nothing is running.
  if (!open) {
    ClearTransferFlags();
    EndClockEditMode();
    EndStatsEditMode();
    return;
  }

  // 6. Polls.
  QueuePolls(*this, link);

  // The full read after connecting keeps its button disabled; if it stops getting anywhere while
  // the relay keeps answering (refused answers rewind the watchdog), the user may leave it.
  if (UploadAll && FrmProgress && FrmProgress->Visible() && !FrmProgress->ProgButButton.Enabled() &&
      Scheduler::Instance().NowMs() - FullReadStepAtMs >= kConnectReadPatienceMs)
    FrmProgress->ProgButButton.SetEnabled(true);

  // 7. Reads, 8. writes, 9. statistics and clock writes.
  Engine(*this).Run(UploadAll ? kFullReadChain : kSingleReadsChain);
  Engine(*this).Run(MassDownload ? kMassDownloadChain : kSingleWritesChain);
  Engine(*this).Run(kPageWritesChain);

  // 10. Clearing of the relay's records; the link clears the flag once the message is built.
  if (ClearFaultRec) link.AddToCommsQue(ReqClearFaults);
  if (ClearEventRec) link.AddToCommsQue(ReqClearEvents);
}
