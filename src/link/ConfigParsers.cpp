// The configuration record parsers. One routine serves every record: it checks the answer's
// characters, stores the fields in the received column, and then, by the transfer flags, loads
// the editors and copies the received column over the send column after a read, or compares the
// send column with the relay's echo after a write, refusing the answer on any difference so that
// the write is sent again. What differs between records is data in the table below.
#include <iterator>

#include "link/CommSetup.h"
#include "vartable/UnitVarTable.h"
#include "wire/AnswerShapes.h"
#include "wire/Numeric.h"
#include "wire/Requests.h"

using namespace wire;

namespace {

using Hook = std::function<void()> TForm2::*;
using Query = std::function<bool()> TForm2::*;
using Step = void (*)(TForm2&, model::RelayState&, const TStringGrid&);

// When an answer counts as a read (editors loaded, received column copied over the send column).
enum class ReadWhen : uint8_t {
  Flag,        // while the record's read flag is set
  PageHidden,  // a poll answer: while the record's page is not shown, so the user can edit there
               // (the main window answers whether it is)
};

struct ConfigRecordRule {
  RecordId Id;
  ReadWhen When;
  bool model::RelayState::*ReadFlag;  // ReadWhen::Flag
  Query PageShown;                    // ReadWhen::PageHidden
  bool model::RelayState::*WriteFlag;
  Hook Load;
  bool LoadEveryAnswer;  // the editors follow every accepted answer, read or write
  Step BeforeLoad;       // on a read, before the editors are loaded
  Step AfterLoad;        // on a read, after the editors are loaded and before the copy
  Hook WriteConfirmed;   // after a write whose echo matched
};

// A question to the main window; without an answer, no.
bool Ask(const std::function<bool()>& query) { return query && query(); }

// The received column of a row as a byte (its number modulo 256).
uint8_t ReceivedByte(const TStringGrid& grid, int row) {
  long long v = 0;
  ParseDecimal(grid.Cell(1, row), v);
  return static_cast<uint8_t>(v & 0xFF);
}

// The control bytes first: their check boxes then switch single bits, and bits no editor owns
// keep what the relay sent.
void KeepControlBytes(TForm2&, model::RelayState& f, const TStringGrid& g) {
  f.ActControl_A = ReceivedByte(g, 9);
  f.ActControl_B = ReceivedByte(g, 10);
  f.ActControl_C = ReceivedByte(g, 17);
  f.ActControl_D = ReceivedByte(g, 45);
}

// The logic table masks (rows 1, 5, 9, 13, 17, 21) as the relay holds them.
void KeepLogicTables(TForm2&, model::RelayState& f, const TStringGrid& g) {
  uint8_t* tables[] = {&f.ActLF1_Table, &f.ActLF2_Table, &f.ActLF3_Table,
                       &f.ActLF4_Table, &f.ActLF5_Table, &f.ActLF6_Table};
  for (int i = 0; i < 6; ++i) *tables[i] = ReceivedByte(g, 1 + 4 * i);
}

// Only the extended relay revision has the comms data block (the main window answers which
// revision the relay has).
void SkipBlockReadsBeforeExtended(TForm2& link, model::RelayState& f, const TStringGrid&) {
  if (!Ask(link.ExtendedRelay)) {
    f.UploadCommsExtBlock0 = false;
    f.UploadCommsExtBlock1 = false;
  }
}

using F = model::RelayState;
using L = TForm2;
constexpr ReadWhen kFlag = ReadWhen::Flag;

// In record order. Bit 7 of the comms address byte may come back changed; its layout compares
// the low 7 bits only.
// clang-format off
constexpr ConfigRecordRule kConfigRecords[] = {
    {RecordId::Identity, kFlag, &F::UploadDevID, nullptr, &F::DownloadRelayID, &L::LoadRelayIDEditors, true,
     nullptr, nullptr, nullptr},
    {RecordId::Settings, kFlag, &F::UploadSettings, nullptr, &F::DownloadSetting, &L::LoadSettingsEditors, false,
     KeepControlBytes, nullptr, nullptr},
    {RecordId::Calibration, kFlag, &F::UploadCalibration, nullptr, &F::DownloadCal, &L::LoadCalibrationEditors,
     false, nullptr, nullptr, nullptr},
    {RecordId::Statistics, ReadWhen::PageHidden, nullptr, &L::StatisticsPageShown, &F::DownloadStat,
     &L::LoadStatisticsEditors, false, nullptr, nullptr, nullptr},
    {RecordId::ExtMod, kFlag, &F::UploadExtModSet, nullptr, &F::DownloadExtMod, &L::LoadExtModEditors, false,
     nullptr, nullptr, nullptr},
    // The description's display boxes show the written values only once the relay confirmed them.
    {RecordId::Desc, kFlag, &F::UploadDesc, nullptr, &F::DownloadDesc, &L::LoadDescEditors, false, nullptr,
     nullptr, &L::DescWriteConfirmed},
    {RecordId::Bluetooth, kFlag, &F::UploadBluetooth, nullptr, &F::DownloadBluetooth, &L::LoadBluetoothEditors,
     false, nullptr, nullptr, nullptr},
    {RecordId::Logic, kFlag, &F::UploadLogic, nullptr, &F::DownloadLogic, &L::LoadLogicEditors, false, nullptr,
     KeepLogicTables, nullptr},
    {RecordId::StartConf, kFlag, &F::UploadStartConf, nullptr, &F::DownloadStartConf, &L::LoadStartConfEditors,
     false, nullptr, nullptr, nullptr},
    {RecordId::Comms, kFlag, &F::UploadComms, nullptr, &F::DownloadComm, &L::LoadCommsEditors, false,
     SkipBlockReadsBeforeExtended, nullptr, nullptr},
};
// clang-format on
constexpr bool RulesInRecordOrder() {
  for (size_t i = 0; i < std::size(kConfigRecords); ++i)
    if (static_cast<size_t>(kConfigRecords[i].Id) != i) return false;
  return std::size(kConfigRecords) == kRecordCount;
}
static_assert(RulesInRecordOrder());

const ConfigRecordRule& RuleOf(RecordId id) { return kConfigRecords[static_cast<size_t>(id)]; }

void Run(const std::function<void()>& hook) {
  if (hook) hook();
}

}  // namespace

int TForm2::PackConfigRecord(RecordId id, const std::string& Buffer) {
  if (!Model || !FormVariableTable) return 0;
  const ConfigRecordRule& rule = RuleOf(id);
  const RecordLayout& rec = Layout(id);
  if (!AnswerCharsOk(rec, Buffer)) return 0;
  TStringGrid& grid = FormVariableTable->Grid(id);
  StoreAnswer(rec, Buffer, grid);

  model::RelayState& f = *Model;
  // Only an answer to the write is its echo. A read of the record queued before the write was
  // armed (the statistics poll) brings the relay's record as it still is: judged as an echo it
  // would be refused and asked for again forever, with the write waiting behind it.
  const RequestInfo* asked = Request(HeadRequest());
  const bool echo = f.*rule.WriteFlag && !(asked && asked->Kind == MessageKind::Fixed);
  // Editors that follow every answer never take a refused echo: a garbled echo would otherwise
  // reach the editors and, through their change handlers, the send column of the repeated write.
  if (rule.LoadEveryAnswer && echo && !EchoMatches(rec, grid)) return 0;
  const bool read = rule.When == ReadWhen::Flag ? f.*rule.ReadFlag : !Ask(this->*rule.PageShown);
  if (read && rule.BeforeLoad) rule.BeforeLoad(*this, f, grid);
  if (read || rule.LoadEveryAnswer) Run(this->*rule.Load);
  if (read && rule.AfterLoad) rule.AfterLoad(*this, f, grid);
  if (read) CopyReceivedToSend(grid);

  if (echo) {
    if (!EchoMatches(rec, grid)) return 0;
    if (rule.WriteConfirmed) Run(this->*rule.WriteConfirmed);
  }
  return 1;
}

int TForm2::PackRelayIDData(const std::string& Buffer) {
  return PackConfigRecord(RecordId::Identity, Buffer);
}
int TForm2::PackSettingData(const std::string& Buffer) {
  return PackConfigRecord(RecordId::Settings, Buffer);
}
int TForm2::PackCalibrationData(const std::string& Buffer) {
  return PackConfigRecord(RecordId::Calibration, Buffer);
}
int TForm2::PackStatisticalData(const std::string& Buffer) {
  return PackConfigRecord(RecordId::Statistics, Buffer);
}
int TForm2::PackExtModSetData(const std::string& Buffer) {
  return PackConfigRecord(RecordId::ExtMod, Buffer);
}
int TForm2::PackDescData(const std::string& Buffer) {
  return PackConfigRecord(RecordId::Desc, Buffer);
}
int TForm2::PackBluetoothData(const std::string& Buffer) {
  return PackConfigRecord(RecordId::Bluetooth, Buffer);
}
int TForm2::PackLogicData(const std::string& Buffer) {
  return PackConfigRecord(RecordId::Logic, Buffer);
}
int TForm2::PackStartConfData(const std::string& Buffer) {
  return PackConfigRecord(RecordId::StartConf, Buffer);
}
int TForm2::PackCommsData(const std::string& Buffer) {
  return PackConfigRecord(RecordId::Comms, Buffer);
}

int TForm2::PackRTCData(const std::string& Buffer) {
  if (!Model || !DigitAnswer(ParserId::RTCData, Buffer)) return 0;
  auto field = [&](int pos) { return static_cast<int>(NumberAt(Buffer, pos, 3) & 0xFF); };
  model::ClockReading& c = Model->Clock;
  c.Year = field(3);
  c.Month = field(6);
  c.Day = field(9);
  c.Hour = field(12);
  c.Minute = field(15);
  c.Second = field(18);
  if (ClockRead) ClockRead();
  return 1;
}

int TForm2::PackCommsExtBlockData(const std::string& Buffer, uint8_t BlockToPack) {
  if (!Model || !FormVariableTable || BlockToPack > 1) return 0;
  const ParserId shape = BlockToPack == 0 ? ParserId::CommsExtBlock0 : ParserId::CommsExtBlock1;
  if (!DigitAnswer(shape, Buffer)) return 0;
  const size_t first = static_cast<size_t>(FirstFieldPos(shape) - 1);
  const size_t fields = static_cast<size_t>(LastFieldPos(shape) - FirstFieldPos(shape) + 1);
  bool writing = BlockToPack == 0 ? Model->DownloadCommExtBlock0 : Model->DownloadCommExtBlock1;
  if (writing) {
    // The echo against the message last sent, fields only ("*mA" against "*MA" is no difference).
    // A stored message shorter than the answer cannot match it.
    const std::string& sent = FormVariableTable->CommsDataBlockRx2;
    if (sent.size() < Buffer.size()) return 0;
    return sent.compare(first, fields, Buffer, first, fields) == 0 ? 1 : 0;
  }
  for (int i = 0; i < kBlockHalfBytes; ++i)
    FormVariableTable->CommsDataBlockRx1[static_cast<size_t>(kBlockHalfBytes * BlockToPack + i)] =
        static_cast<uint8_t>(NumberAt(Buffer, FirstFieldPos(shape) + 3 * i, 3) & 0xFF);
  if (BlockToPack == 1) Run(LoadCommsExtBlockEditors);
  return 1;
}
