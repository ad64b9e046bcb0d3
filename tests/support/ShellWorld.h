#pragma once
// The whole program as start-up creates it, on the headless backend with an in-memory serial line
// and (optionally) the test relay on it: for scenarios through the main window's shell, its
// sequencer and its transfer commands.
//
// Until the areas that own them are built, a few of their pieces are stood in for here: the live
// values parser's revision and product number (the sequencer's revision tests and product check
// read them), and the controls other pages own that the shell reaches by name.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "support/FormGlobals.h"
#include "editors/uConfigBitSel.h"
#include "editors/uConfigWordSel.h"
#include "link/CommSetup.h"
#include "wire/Numeric.h"
#include "wire/Requests.h"
#include "link/UnitProgress.h"
#include "main/Main.h"
#include "main/PasswordEdit.h"
#include "main/UnitFileDialog.h"
#include "main/UnitMassDwnSel.h"
#include "main/UserPassword.h"
#include "main/uPassword.h"
#include "platform/headless/Headless.h"
#include "platform/headless/MemorySerial.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/TextFile.h"
#include "platform/ui/Application.h"
#include "support/TestRelay.h"
#include "vartable/UnitVarTable.h"

// The client password file as the test wants it: absent, or holding these lines.
// Drive C is the test's own folder: a test run by hand never touches the user's home folder.
inline void SetPasswordFile(const std::optional<std::vector<std::string>>& lines) {
  if (const char* env = std::getenv("VUMA_DRIVE_C"); !env || !*env) {
    const std::string own = ProgramFolder() + "drive_c_by_hand";
    setenv("VUMA_DRIVE_C", own.c_str(), 1);
  }
  std::error_code ec;
  std::filesystem::create_directories(DriveCRoot(), ec);
  std::filesystem::remove(MapPath("c:\\TQ.psw"), ec);
  if (!lines) return;
  TextFile f;
  f.Assign("c:\\TQ.psw");
  f.Rewrite();
  for (const std::string& l : *lines) f.WriteLn(l);
  f.Close();
}

// The request a message written to the line carries (0 when it is none of them).
inline int RequestOfMessage(const std::string& m) {
  using namespace wire;
  for (const RequestInfo& r : kRequests)
    if (r.Kind == MessageKind::Fixed && m == r.Message) return r.Code;
  if (m == "*z#" || (m.size() == 62 && m.compare(0, 2, "*Z") == 0)) return ReqSimulation;
  if (m.compare(0, 3, "*MA") == 0) return ReqDownloadCommExtBlock0;
  if (m.compare(0, 3, "*MB") == 0) return ReqDownloadCommExtBlock1;
  if (m.compare(0, 7, "*?>#*?E") == 0) return ReqEvent;
  if (m.size() == 18 && m.compare(0, 2, "*R") == 0) return ReqDownloadRTC;
  for (const RequestInfo& r : kRequests)
    if (r.Kind == MessageKind::RecordWrite && m.size() > 2 && m[0] == '*' &&
        m[1] == Layout(r.Record).Letter())
      return r.Code;
  return 0;
}

inline bool IsPoll(int code) {
  using namespace wire;
  switch (code) {
    case ReqUploadActual:
    case ReqUploadActualStatus:
    case ReqUploadRTC:
    case ReqUploadStat:
    case ReqUploadCommsStat:
    case ReqUploadCommsExtStat:
    case ReqSpectrumRed:
    case ReqSpectrumWhite:
    case ReqSpectrumBlue:
    case ReqSimulation:
      return true;
    default:
      return false;
  }
}

struct ShellWorld {
  HeadlessBackend hb;
  InMemorySerialLine line{hb.clock};
  TApplication app{&hb};
  std::unique_ptr<TestRelay> relay;

  explicit ShellWorld(bool withRelay = true, const std::string& revision = "3b",
                      const std::optional<std::vector<std::string>>& passwords = std::nullopt) {
    SetPasswordFile(passwords);
    SetPortLister(
        [] { return std::optional<std::vector<std::string>>(std::vector<std::string>{"COM1"}); });
    SetSerialDeviceFactory(line.Factory({"COM1"}));
    if (withRelay) {
      relay = std::make_unique<TestRelay>(line);
      relay->Model.Revision = revision;
    }
    StartUp(app);
  }

  ~ShellWorld() {
    relay.reset();
    ForgetForms();
    SetPortLister(nullptr);
    SetSerialDeviceFactory(nullptr);
  }

  TForm1& f1() { return *Form1; }
  TForm2& f2() { return *Form2; }
  TFrmProgress& prog() { return *FrmProgress; }
  TFrmMassDwnSel& sel() { return *FrmMassDwnSel; }
  RelayModel& model() { return relay->Model; }

  // The waiting requests, head first.
  std::vector<int> Queue() const {
    std::vector<int> q;
    for (int i = 0; i < TForm2::kQueueSlots - Form2->CommsQueSpaceLeft; ++i)
      q.push_back(Form2->CommsQue[(Form2->CommsQueHead + i) % TForm2::kQueueSlots]);
    return q;
  }
  // The requests written since `from`, polls left out.
  std::vector<int> ChainRequests(size_t from = 0) const {
    std::vector<int> out;
    for (size_t i = from; i < line.written.size(); ++i) {
      int code = RequestOfMessage(line.written[i]);
      if (!IsPoll(code)) out.push_back(code);
    }
    return out;
  }
  int CountWritten(const std::string& message) const {
    return static_cast<int>(std::count(line.written.begin(), line.written.end(), message));
  }

  // Connects and lets the full read run to the dialog's automatic close.
  void ConnectAndRead() { f1().Connect1Click(); }
  // Opens the port as connecting does, without the full read: the watchdog set for a while.
  void OpenIdle(uint16_t watchdogTicks = 500) {
    f2().ComPort1.Open();
    f2().CommsTimeOutCntr = watchdogTicks;
  }
};

// The progress dialog's states as the sequencer leaves them after each tick while it is shown.
struct ProgressTrace {
  struct State {
    std::string text;
    int position;
    int max;
    bool operator==(const State&) const = default;
    friend std::ostream& operator<<(std::ostream& os, const State& s) {
      return os << "{\"" << s.text << "\", " << s.position << "/" << s.max << "}";
    }
  };
  std::vector<State> states;
  explicit ProgressTrace(TForm1& f) {
    auto tick = f.TmrSystem.OnTimer;
    f.TmrSystem.OnTimer = [this, tick] {
      tick();
      Record();
    };
  }
  void Record() {
    TFrmProgress& p = *FrmProgress;
    if (!p.Visible()) return;
    State s{p.ProgLabProgDesc.Caption(), p.ProgBarDisProg.Position(), p.ProgBarDisProg.Max()};
    if (states.empty() || !(states.back() == s)) states.push_back(s);
  }
};
