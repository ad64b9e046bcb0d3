// The message builder: the head request's message, built afresh before every write so that a
// repeated request carries the values current at that moment.
#include "link/CommSetup.h"
#include "wire/Numeric.h"
#include "wire/Requests.h"
#include "link/UnitProgress.h"
#include "model/RequestFlags.h"
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
      if (Model) {
        uint16_t number = static_cast<uint16_t>(model::kEventRecords - Model->EventCntr);
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
  if (Model) {
    model::RelayState& m = *Model;
    if (const transfers::RequestFlags* flags = transfers::FlagsOf(r.Code)) {
      m.*flags->Request = false;
      if (flags->Done) m.*flags->Done = false;
    }
    m.MassDownload = false;
    if (r.Code == ReqDownloadComm) {
      // The extended comms write is one transfer of three steps.
      m.DownloadCommExtBlock0 = m.CommDownloadedExtBlock0 = false;
      m.DownloadCommExtBlock1 = m.CommDownloadedExtBlock1 = false;
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
  if (!ClockToWrite) return;
  const ClockSetting c = ClockToWrite();
  auto byte = [](long long v) { return static_cast<uint8_t>(v & 0xFF); };
  TXBuffer = "*R" + PadNum(byte(c.Year - 2000), 3) + PadNum(byte(c.Month), 3) +
             PadNum(byte(c.Day), 3) + PadNum(byte(c.Hour), 3) + PadNum(byte(c.Minute), 3) + "#";
}

bool TForm2::BuildSimulation() {
  if (!SimulationToWrite) return false;
  const SimulationSetting sim = SimulationToWrite();
  if (!sim.On) {
    TXBuffer = "*z#";
    return true;
  }
  // Field widths in message order; the four temperatures are sent 30 up.
  constexpr int kWidths[kSimulationFields] = {5, 5, 5, 5, 5, 5, 3, 3, 5, 3, 3, 3, 3, 3, 3};
  constexpr int kFirstTemperature = 11;
  std::string msg = "*Z";
  for (int i = 0; i < kSimulationFields; ++i) {
    const long long value = sim.Values[static_cast<size_t>(i)] + (i >= kFirstTemperature ? 30 : 0);
    const int width = kWidths[i];
    std::string text = PadNum(value, width);
    // A value caught half-typed (a temperature below -30) would make a malformed message; the
    // simulation values are sent again with the next change, so this one is simply dropped.
    if (value < 0 || static_cast<int>(text.size()) != width) return false;
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
