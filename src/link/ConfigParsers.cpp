// The configuration record parsers. Each checks the answer's characters, stores the fields in the
// received column, and then, by the transfer flags: loads the editors and copies the received
// column over the send column after a read; compares the send column with the relay's echo after
// a write, refusing the answer on any difference so that the write is sent again.
#include "link/CommSetup.h"
#include "link/Numeric.h"
#include "main/Main.h"
#include "vartable/UnitVarTable.h"

using namespace wire;

namespace {

// The answer's characters checked and its fields stored; the record's grid, or nullptr when the
// answer is refused (nothing changed then).
TStringGrid* StoreRecord(RecordId id, const std::string& Buffer) {
  if (!Form1 || !FormVariableTable) return nullptr;
  const RecordLayout& rec = Layout(id);
  if (!AnswerCharsOk(rec, Buffer)) return nullptr;
  TStringGrid& grid = FormVariableTable->Grid(id);
  StoreAnswer(rec, Buffer, grid);
  return &grid;
}

void Run(const std::function<void()>& hook) {
  if (hook) hook();
}

// The received column of a row as a byte (its number modulo 256).
uint8_t ReceivedByte(const TStringGrid& grid, int row) {
  long long v = 0;
  ParseDecimal(grid.Cell(1, row), v);
  return static_cast<uint8_t>(v & 0xFF);
}

int EchoResult(RecordId id, const TStringGrid& grid) { return EchoMatches(Layout(id), grid) ? 1 : 0; }

}  // namespace

int TForm2::PackRelayIDData(const std::string& Buffer) {
  TStringGrid* g = StoreRecord(RecordId::Identity, Buffer);
  if (!g) return 0;
  Run(LoadRelayIDEditors);
  if (Form1->UploadDevID) CopyReceivedToSend(*g);
  if (Form1->DownloadRelayID) return EchoResult(RecordId::Identity, *g);
  return 1;
}

int TForm2::PackSettingData(const std::string& Buffer) {
  TStringGrid* g = StoreRecord(RecordId::Settings, Buffer);
  if (!g) return 0;
  if (Form1->UploadSettings) {
    // The control bytes first: their check boxes then switch single bits, and bits no editor
    // owns keep what the relay sent.
    Form1->ActControl_A = ReceivedByte(*g, 9);
    Form1->ActControl_B = ReceivedByte(*g, 10);
    Form1->ActControl_C = ReceivedByte(*g, 17);
    Form1->ActControl_D = ReceivedByte(*g, 45);
    Run(LoadSettingsEditors);
    CopyReceivedToSend(*g);
  }
  if (Form1->DownloadSetting) return EchoResult(RecordId::Settings, *g);
  return 1;
}

int TForm2::PackRTCData(const std::string& Buffer) {
  if (!Form1 || Buffer.size() != 21 || !DigitsAt(Buffer, 3, 20)) return 0;
  TForm1& f = *Form1;
  auto field = [&](int pos) { return static_cast<int>(NumberAt(Buffer, pos, 3) & 0xFF); };
  int year = field(3), month = field(6), day = field(9), hour = field(12), minute = field(15),
      second = field(18);
  // While the clock page is shown its editors belong to the user.
  if (f.PageControl1.ActivePage() != &f.tsRealTimeClock) {
    f.seYear.SetValue(2000 + year);
    f.seMonth.SetText(DecStr(month));
    f.seDate.SetText(DecStr(day));
    f.seHour.SetText(DecStr(hour));
    f.seMinute.SetText(DecStr(minute));
  }
  f.mbDate.SetText(PadNum(2000 + year, 4) + "/" + PadNum(month, 2) + "/" + PadNum(day, 2));
  f.mbTime.SetText(PadNum(hour, 2) + "h" + PadNum(minute, 2) + "m" + PadNum(second, 2) + "s");
  return 1;
}

int TForm2::PackCalibrationData(const std::string& Buffer) {
  TStringGrid* g = StoreRecord(RecordId::Calibration, Buffer);
  if (!g) return 0;
  if (Form1->UploadCalibration) {
    Run(LoadCalibrationEditors);
    CopyReceivedToSend(*g);
  }
  if (Form1->DownloadCal) return EchoResult(RecordId::Calibration, *g);
  return 1;
}

int TForm2::PackStatisticalData(const std::string& Buffer) {
  TStringGrid* g = StoreRecord(RecordId::Statistics, Buffer);
  if (!g) return 0;
  // A poll answer: the editors follow the relay unless the user is editing them on their page.
  if (Form1->PageControl1.ActivePage() != &Form1->tsStatistics) {
    Run(LoadStatisticsEditors);
    CopyReceivedToSend(*g);
  }
  if (Form1->DownloadStat) return EchoResult(RecordId::Statistics, *g);
  return 1;
}

int TForm2::PackExtModSetData(const std::string& Buffer) {
  TStringGrid* g = StoreRecord(RecordId::ExtMod, Buffer);
  if (!g) return 0;
  if (Form1->UploadExtModSet) {
    Run(LoadExtModEditors);
    CopyReceivedToSend(*g);
  }
  if (Form1->DownloadExtMod) return EchoResult(RecordId::ExtMod, *g);
  return 1;
}

int TForm2::PackDescData(const std::string& Buffer) {
  TStringGrid* g = StoreRecord(RecordId::Desc, Buffer);
  if (!g) return 0;
  if (Form1->UploadDesc) {
    Run(LoadDescEditors);
    CopyReceivedToSend(*g);
  }
  if (Form1->DownloadDesc) {
    if (!EchoResult(RecordId::Desc, *g)) return 0;
    // The display boxes show the written values only once the relay has confirmed them.
    Run(DescWriteConfirmed);
  }
  return 1;
}

int TForm2::PackBluetoothData(const std::string& Buffer) {
  TStringGrid* g = StoreRecord(RecordId::Bluetooth, Buffer);
  if (!g) return 0;
  if (Form1->UploadBluetooth) {
    Run(LoadBluetoothEditors);
    CopyReceivedToSend(*g);
  }
  if (Form1->DownloadBluetooth) return EchoResult(RecordId::Bluetooth, *g);
  return 1;
}

int TForm2::PackLogicData(const std::string& Buffer) {
  TStringGrid* g = StoreRecord(RecordId::Logic, Buffer);
  if (!g) return 0;
  if (Form1->UploadLogic) {
    Run(LoadLogicEditors);
    // The table masks (rows 1, 5, 9, 13, 17, 21) as the relay holds them.
    uint8_t* tables[] = {&Form1->ActLF1_Table, &Form1->ActLF2_Table, &Form1->ActLF3_Table,
                         &Form1->ActLF4_Table, &Form1->ActLF5_Table, &Form1->ActLF6_Table};
    for (int i = 0; i < 6; ++i) *tables[i] = ReceivedByte(*g, 1 + 4 * i);
    CopyReceivedToSend(*g);
  }
  if (Form1->DownloadLogic) return EchoResult(RecordId::Logic, *g);
  return 1;
}

int TForm2::PackStartConfData(const std::string& Buffer) {
  TStringGrid* g = StoreRecord(RecordId::StartConf, Buffer);
  if (!g) return 0;
  if (Form1->UploadStartConf) {
    Run(LoadStartConfEditors);
    CopyReceivedToSend(*g);
  }
  if (Form1->DownloadStartConf) return EchoResult(RecordId::StartConf, *g);
  return 1;
}

int TForm2::PackCommsData(const std::string& Buffer) {
  TStringGrid* g = StoreRecord(RecordId::Comms, Buffer);
  if (!g) return 0;
  if (Form1->UploadComms) {
    // Only the extended relay revision has the comms data block.
    if (!IsExtendedRevision(Form1->mbSW_Rev.Text())) {
      Form1->UploadCommsExtBlock0 = false;
      Form1->UploadCommsExtBlock1 = false;
    }
    Run(LoadCommsEditors);
    CopyReceivedToSend(*g);
  }
  // Bit 7 of the address byte may come back changed; the layout compares its low 7 bits only.
  if (Form1->DownloadComm) return EchoResult(RecordId::Comms, *g);
  return 1;
}

int TForm2::PackCommsExtBlockData(const std::string& Buffer, uint8_t BlockToPack) {
  if (!Form1 || !FormVariableTable || BlockToPack > 1) return 0;
  if (Buffer.size() != 133 || !DigitsAt(Buffer, 4, 132)) return 0;
  bool writing = BlockToPack == 0 ? Form1->DownloadCommExtBlock0 : Form1->DownloadCommExtBlock1;
  if (writing) {
    // The echo against the message last sent, fields only ("*mA" against "*MA" is no difference).
    // A stored message shorter than the answer cannot match it.
    const std::string& sent = FormVariableTable->CommsDataBlockRx2;
    if (sent.size() < Buffer.size()) return 0;
    return sent.compare(3, 129, Buffer, 3, 129) == 0 ? 1 : 0;
  }
  for (int i = 0; i < 43; ++i)
    FormVariableTable->CommsDataBlockRx1[static_cast<size_t>(43 * BlockToPack + i)] =
        static_cast<uint8_t>(NumberAt(Buffer, 4 + 3 * i, 3) & 0xFF);
  if (BlockToPack == 1) Run(LoadCommsExtBlockEditors);
  return 1;
}
