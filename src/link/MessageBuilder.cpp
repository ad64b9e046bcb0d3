// The message builder: the head request's message, built afresh before every write so that a
// repeated request carries the values current at that moment.
#include <cstdio>
#include <ctime>

#include "link/CommSetup.h"
#include "wire/Numeric.h"
#include "wire/Requests.h"
#include "link/UnitProgress.h"
#include "main/Main.h"
#include "main/RequestFlags.h"
#include "vartable/UnitVarTable.h"

using namespace wire;

int TForm2::PackTXBuffer() {
  TXBuffer.clear();
  const RequestInfo* r = Request(HeadRequest());
  if (!r) return 0;
  switch (r->Kind) {
    case MessageKind::Fixed:
      TXBuffer = r->Message;
      break;
    case MessageKind::Event:
      if (Form1) {
        uint16_t number = static_cast<uint16_t>(1400 - Form1->EventCntr);
        TXBuffer = "*?>#*?E" + PadNum(number, 5) + "#*?<#";
      }
      break;
    case MessageKind::RecordWrite:
      BuildRecordWrite(*r);
      break;
    case MessageKind::Clock:
      BuildClockWrite();
      break;
    case MessageKind::Simulation:
      BuildSimulation();
      break;
    case MessageKind::BlockWrite:
      BuildBlockWrite(r->Block);
      break;
  }
  return static_cast<int>(TXBuffer.size());
}

bool TForm2::BuildRecordWrite(const RequestInfo& r) {
  if (!FormVariableTable) return false;
  const RecordLayout& rec = Layout(r.Record);
  SendRefusal why;
  if (BuildWrite(rec, FormVariableTable->Grid(r.Record), TXBuffer, why)) return true;
  TXBuffer.clear();
  RefuseWrite(r, why.Caption, why.Value);
  return false;
}

// A write that would not go out as a well-formed message is not sent at all: the request leaves
// the queue, its transfer ends and the user is told which value was refused. Sending it would
// only earn an echo that can never match, repeated until the user gives up.
void TForm2::RefuseWrite(const RequestInfo& r, const std::string& caption,
                         const std::string& value) {
  RemFromCommsQue();
  if (Form1) {
    if (const transfers::RequestFlags* flags = transfers::FlagsOf(r.Code)) {
      Form1->*flags->Request = false;
      if (flags->Done) Form1->*flags->Done = false;
    }
    Form1->MassDownload = false;
    if (r.Code == ReqDownloadComm) {
      // The extended comms write is one transfer of three steps.
      Form1->DownloadCommExtBlock0 = Form1->CommDownloadedExtBlock0 = false;
      Form1->DownloadCommExtBlock1 = Form1->CommDownloadedExtBlock1 = false;
    }
  }
  if (FrmProgress) {
    FrmProgress->ProgLabProgDesc.SetCaption("Downloading failed");
    FrmProgress->ProgButButton.SetCaption("Ok");
    FrmProgress->ProgButButton.SetEnabled(true);
  }
  ShowErrorLater("Value \"" + value + "\" of \"" + caption +
                 "\" does not fit its field. Nothing was sent.");
}

void TForm2::BuildClockWrite() {
  if (!Form1) return;
  TForm1& f = *Form1;
  if (f.cbRTC_UpdatePC.Checked()) {
    // The PC's clock as "hh:mm:ss" and "dd-mm-yyyy".
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char timeText[40], dateText[40];
    std::snprintf(timeText, sizeof timeText, "%02d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
    std::snprintf(dateText, sizeof dateText, "%02d-%02d-%04d", tm.tm_mday, tm.tm_mon + 1,
                  tm.tm_year + 1900);
    std::string t = timeText, d = dateText;
    f.seHour.SetText(t.substr(0, 2));
    f.seMinute.SetText(t.substr(3, 2));
    f.seYear.SetText(d.substr(6, 4));
    f.seMonth.SetText(d.substr(3, 2));
    f.seDate.SetText(d.substr(0, 2));
  }
  auto byte = [](long long v) { return static_cast<uint8_t>(v & 0xFF); };
  TXBuffer = "*R" + PadNum(byte(f.seYear.Value() - 2000), 3) + PadNum(byte(f.seMonth.Value()), 3) +
             PadNum(byte(f.seDate.Value()), 3) + PadNum(byte(f.seHour.Value()), 3) +
             PadNum(byte(f.seMinute.Value()), 3) + "#";
}

bool TForm2::BuildSimulation() {
  if (!Form1) return false;
  TForm1& f = *Form1;
  if (!f.SimFlag) {
    TXBuffer = "*z#";
    return true;
  }
  struct Field {
    long long value;
    int width;
  };
  auto pos = [](const TiSlider& s) {
    return RoundHalfEven(static_cast<long double>(s.Position()));
  };
  // clang-format off
  const Field fields[] = {
      {pos(f.isSimIred), 5},      {pos(f.isSimIwhite), 5},      {pos(f.isSimIblue), 5},
      {pos(f.isSimVred), 5},      {pos(f.isSimVwhite), 5},      {pos(f.isSimVblue), 5},
      {pos(f.isSimFrequency), 3}, {pos(f.isSimPowerFactor), 3}, {pos(f.isSimEL), 5},
      {f.SimFieldInputs, 3},      {f.SimExtFldInputs, 3},       {f.seSimRTD1.Value() + 30LL, 3},
      {f.seSimRTD2.Value() + 30LL, 3}, {f.seSimRTD3.Value() + 30LL, 3}, {f.seSimRTD4.Value() + 30LL, 3},
  };
  // clang-format on
  std::string msg = "*Z";
  for (const Field& fl : fields) {
    std::string text = PadNum(fl.value, fl.width);
    // A value caught half-typed (a temperature below -30) would make a malformed message; the
    // simulation values are sent again with the next change, so this one is simply dropped.
    if (fl.value < 0 || static_cast<int>(text.size()) != fl.width) return false;
    msg += text;
  }
  TXBuffer = msg + "#";
  return true;
}

void TForm2::BuildBlockWrite(int block) {
  if (!FormVariableTable) return;
  std::string msg = block == 0 ? "*MA" : "*MB";
  for (int i = 0; i < kBlockHalfBytes; ++i)
    msg += PadNum(
        FormVariableTable->CommsDataBlockTx[static_cast<size_t>(block * kBlockHalfBytes + i)], 3);
  msg += "#";
  TXBuffer = msg;
  FormVariableTable->CommsDataBlockRx2 = msg;
}
