// The record parsers: character checks, the received column, the copy after a read, the echo
// check after a write, the editor hooks' place in the order, and the fault, event and spectrum
// records.
#include <gtest/gtest.h>

#include "wire/Numeric.h"
#include "wire/Requests.h"
#include "support/LinkWorld.h"

using namespace wire;

namespace {

std::string Col(RecordId id, int col, int row) {
  return FormVariableTable->Grid(id).Cell(col, row);
}

struct ParserFixture : ::testing::Test {
  LinkWorld w{false};
  RelayModel relay;  // source of well-formed records
  TForm1& f1 = w.f1();
  TForm2& f2 = w.f2();
};

// A fault record: number, status, date fields, flags A..D, hours, current, voltage, breaker.
std::string Fault(int n, int status, int a, int b, int c, int d, int imax = 30, int brk = 12) {
  return "*F" + PadNum(n, 3) + PadNum(status, 3) + "023005009007030" + PadNum(a, 3) + PadNum(b, 3) +
         PadNum(c, 3) + PadNum(d, 3) + "01234" + PadNum(imax, 3) + "00380" + PadNum(brk, 3) + "#";
}

// An event record: number, type, date, alarm flags A..C, trip flags A..D, hours, current, voltage.
std::string Event(int number, int type, int aA, int aB, int aC, int tA, int tB, int tC, int tD) {
  return "*E" + PadNum(number, 5) + PadNum(type, 3) + "023005009007030" + PadNum(aA, 3) +
         PadNum(aB, 3) + PadNum(aC, 3) + PadNum(tA, 3) + PadNum(tB, 3) + PadNum(tC, 3) +
         PadNum(tD, 3) + "00321" + "025" + "00390" + "#";
}

}  // namespace

TEST_F(ParserFixture, IdentityRecord) {
  relay.SetField(RecordId::Identity, 1, "002");
  relay.SetField(RecordId::Identity, 2, "00012345");
  relay.SetField(RecordId::Identity, 3, "3b");
  std::string answer = relay.Record(RecordId::Identity);
  int loads = 0;
  f2.LoadRelayIDEditors = [&] { ++loads; };
  EXPECT_EQ(f2.PackRelayIDData(answer), 1);
  EXPECT_EQ(loads, 1);  // on every accepted answer, flags or not
  EXPECT_EQ(Col(RecordId::Identity, 1, 1), "002");
  EXPECT_EQ(Col(RecordId::Identity, 1, 2), "00012345");
  EXPECT_EQ(Col(RecordId::Identity, 1, 3), "3b");
  EXPECT_EQ(Col(RecordId::Identity, 2, 2), "00000000");  // no read flag: no copy
  f1.UploadDevID = true;
  EXPECT_EQ(f2.PackRelayIDData(answer), 1);
  EXPECT_EQ(Col(RecordId::Identity, 2, 3), "3b");
  // The first revision character must be a digit, the second need not.
  answer.replace(13, 2, "b3");
  EXPECT_EQ(f2.PackRelayIDData(answer), 0);
  EXPECT_EQ(loads, 2);
}

TEST_F(ParserFixture, IdentityWriteEcho) {
  // The serial number editor rewrites the send column from what it shows, as the editor page does.
  f2.LoadRelayIDEditors = [] {
    FormVariableTable->StrGridRelayID.SetCell(2, 2, FormVariableTable->StrGridRelayID.Cell(1, 2));
  };
  f1.DownloadRelayID = true;
  auto& g = w.vt().StrGridRelayID;
  struct Case {
    std::string model, serial, rev;
    int result;
  };
  // A serial number that comes back changed is refused like the model: the echo is compared
  // before any editor is loaded from it.
  const Case cases[] = {
      {"002", "01234567", "9z", 1}, {"002", "76543210", "3b", 0}, {"003", "01234567", "3b", 0}};
  for (const Case& c : cases) {
    g.SetCell(2, 1, "002");
    g.SetCell(2, 2, "01234567");
    relay.SetField(RecordId::Identity, 1, c.model);
    relay.SetField(RecordId::Identity, 2, c.serial);
    relay.SetField(RecordId::Identity, 3, c.rev);
    EXPECT_EQ(f2.PackRelayIDData(relay.Record(RecordId::Identity)), c.result)
        << c.model << c.serial << c.rev;
  }
}

TEST_F(ParserFixture, SettingsReadSetsControlBytesBeforeTheEditorsAndCopiesAfter) {
  relay.SetField(RecordId::Settings, 9, "016");
  relay.SetField(RecordId::Settings, 10, "004");
  relay.SetField(RecordId::Settings, 17, "255");
  relay.SetField(RecordId::Settings, 45, "300");  // taken modulo 256
  relay.SetField(RecordId::Settings, 12, "005");
  f1.UploadSettings = true;
  bool sawBytes = false, sawOldSendColumn = false;
  f2.LoadSettingsEditors = [&] {
    sawBytes = f1.ActControl_A == 16 && f1.ActControl_B == 4 && f1.ActControl_C == 255 &&
               f1.ActControl_D == 44;
    sawOldSendColumn = Col(RecordId::Settings, 2, 12) == "00000";
  };
  EXPECT_EQ(f2.PackSettingData(relay.Record(RecordId::Settings)), 1);
  EXPECT_TRUE(sawBytes);
  EXPECT_TRUE(sawOldSendColumn);
  EXPECT_EQ(Col(RecordId::Settings, 1, 12), "00250");
  for (int row = 1; row <= 51; ++row)
    EXPECT_EQ(Col(RecordId::Settings, 2, row), Col(RecordId::Settings, 1, row));
}

TEST_F(ParserFixture, SettingsEchoDifferingInAnyRowIsRefused) {
  f1.UploadSettings = true;
  f2.PackSettingData(relay.Record(RecordId::Settings));
  f1.UploadSettings = false;
  f1.DownloadSetting = true;
  EXPECT_EQ(f2.PackSettingData(relay.Record(RecordId::Settings)), 1);
  const RecordLayout& rec = Layout(RecordId::Settings);
  for (int row = 1; row <= 51; ++row) {
    RelayModel other = relay;
    const FieldLayout& f = rec.Fields[row - 1];
    std::string field = other.Field(RecordId::Settings, row);
    // Change the field so that its received form changes too.
    long long v = NumberAt(field, 1, f.AnswerWidth);
    long long step = f.Recv == Rx::Div20 ? 20 : 1;
    other.SetField(RecordId::Settings, row, PadNum(v >= step ? v - step : v + step, f.AnswerWidth));
    EXPECT_EQ(f2.PackSettingData(other.Record(RecordId::Settings)), 0) << "row " << row;
    // Every row was still stored.
    EXPECT_EQ(Col(RecordId::Settings, 1, row), ReceiveField(f, other.Record(RecordId::Settings)));
  }
  // Once the user has cancelled (write flag clear) the next echo is taken.
  f1.DownloadSetting = false;
  RelayModel other = relay;
  other.SetField(RecordId::Settings, 5, "123");
  EXPECT_EQ(f2.PackSettingData(other.Record(RecordId::Settings)), 1);
}

TEST_F(ParserFixture, ReadAndWriteFlagsOfEveryGridRecord) {
  struct Case {
    RecordId id;
    bool& (*read)(TForm1&);
    bool& (*write)(TForm1&);
    int (*parse)(TForm2&, const std::string&);
  };
  // clang-format off
  const Case cases[] = {
      {RecordId::Settings, [](TForm1& f) -> bool& { return f.UploadSettings; }, [](TForm1& f) -> bool& { return f.DownloadSetting; },
       [](TForm2& f, const std::string& a) { return f.PackSettingData(a); }},
      {RecordId::Calibration, [](TForm1& f) -> bool& { return f.UploadCalibration; }, [](TForm1& f) -> bool& { return f.DownloadCal; },
       [](TForm2& f, const std::string& a) { return f.PackCalibrationData(a); }},
      {RecordId::ExtMod, [](TForm1& f) -> bool& { return f.UploadExtModSet; }, [](TForm1& f) -> bool& { return f.DownloadExtMod; },
       [](TForm2& f, const std::string& a) { return f.PackExtModSetData(a); }},
      {RecordId::Desc, [](TForm1& f) -> bool& { return f.UploadDesc; }, [](TForm1& f) -> bool& { return f.DownloadDesc; },
       [](TForm2& f, const std::string& a) { return f.PackDescData(a); }},
      {RecordId::Bluetooth, [](TForm1& f) -> bool& { return f.UploadBluetooth; }, [](TForm1& f) -> bool& { return f.DownloadBluetooth; },
       [](TForm2& f, const std::string& a) { return f.PackBluetoothData(a); }},
      {RecordId::Logic, [](TForm1& f) -> bool& { return f.UploadLogic; }, [](TForm1& f) -> bool& { return f.DownloadLogic; },
       [](TForm2& f, const std::string& a) { return f.PackLogicData(a); }},
      {RecordId::StartConf, [](TForm1& f) -> bool& { return f.UploadStartConf; }, [](TForm1& f) -> bool& { return f.DownloadStartConf; },
       [](TForm2& f, const std::string& a) { return f.PackStartConfData(a); }},
      {RecordId::Comms, [](TForm1& f) -> bool& { return f.UploadComms; }, [](TForm1& f) -> bool& { return f.DownloadComm; },
       [](TForm2& f, const std::string& a) { return f.PackCommsData(a); }},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(Layout(c.id).GridName);
    TStringGrid& g = w.vt().Grid(c.id);
    std::string answer = relay.Record(c.id);
    // Neither flag: stored, not copied.
    EXPECT_EQ(c.parse(f2, answer), 1);
    EXPECT_NE(g.Cell(2, 1), g.Cell(1, 1));
    // Read: copied over every row.
    c.read(f1) = true;
    EXPECT_EQ(c.parse(f2, answer), 1);
    for (int r = 1; r < g.RowCount(); ++r) EXPECT_EQ(g.Cell(2, r), g.Cell(1, r));
    c.read(f1) = false;
    // Write: a matching echo is accepted, a different one refused, with the echo stored.
    c.write(f1) = true;
    EXPECT_EQ(c.parse(f2, answer), 1);
    RelayModel other = relay;
    other.Misbehave.WrongEchoes = 1;
    std::string wrong, write;
    SendRefusal why;
    ASSERT_TRUE(BuildWrite(Layout(c.id), g, write, why));
    other.OnAnswer = [&](const std::string& a) { wrong = a; };
    other.Feed(write);
    ASSERT_EQ(wrong.size(), answer.size());
    EXPECT_NE(wrong, answer);
    EXPECT_EQ(c.parse(f2, wrong), 0);
    EXPECT_EQ(g.Cell(1, 1), ReceiveField(Layout(c.id).Fields[0], wrong));
    c.write(f1) = false;
    // A bad character changes nothing.
    std::string bad = answer;
    bad[2] = Layout(c.id).Check == CharRule::Digits ? 'x' : '#';
    g.SetCell(1, 1, "keep");
    EXPECT_EQ(c.parse(f2, bad), 0);
    EXPECT_EQ(g.Cell(1, 1), "keep");
  }
}

TEST_F(ParserFixture, StatisticsPollRules) {
  int loads = 0;
  f2.LoadStatisticsEditors = [&] { ++loads; };
  relay.SetField(RecordId::Statistics, 1, "00042");
  EXPECT_EQ(f2.PackStatisticalData(relay.Record(RecordId::Statistics)), 1);
  EXPECT_EQ(loads, 1);  // every answer, no flag needed
  EXPECT_EQ(Col(RecordId::Statistics, 2, 1), "00042");
  // While the page is shown its editors and send column belong to the user.
  f1.PageControl1.SetActivePage(&f1.tsStatistics);
  relay.SetField(RecordId::Statistics, 1, "00043");
  EXPECT_EQ(f2.PackStatisticalData(relay.Record(RecordId::Statistics)), 1);
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(Col(RecordId::Statistics, 1, 1), "00043");
  EXPECT_EQ(Col(RecordId::Statistics, 2, 1), "00042");
  // The write compares only the seven rows it sends.
  f1.DownloadStat = true;
  relay.SetField(RecordId::Statistics, 1, "00042");
  relay.SetField(RecordId::Statistics, 7, "099");
  relay.SetField(RecordId::Statistics, 20, "031");
  EXPECT_EQ(f2.PackStatisticalData(relay.Record(RecordId::Statistics)), 1);
  relay.SetField(RecordId::Statistics, 16, "11111");
  EXPECT_EQ(f2.PackStatisticalData(relay.Record(RecordId::Statistics)), 0);
}

TEST_F(ParserFixture, ClockRecord) {
  int dayChanges = 0;
  f1.seDate.OnChange = [&] { ++dayChanges; };
  EXPECT_EQ(f2.PackRTCData("*R024001031023059058#"), 1);
  EXPECT_EQ(f1.seYear.Value(), 2024);
  EXPECT_EQ(f1.seMonth.Text(), "1");
  EXPECT_EQ(f1.seDate.Text(), "31");
  EXPECT_EQ(f1.seHour.Text(), "23");
  EXPECT_EQ(f1.seMinute.Text(), "59");
  EXPECT_EQ(dayChanges, 1);
  EXPECT_EQ(f1.mbDate.Text(), "2024/01/31");
  EXPECT_EQ(f1.mbTime.Text(), "23h59m58s");
  f1.PageControl1.SetActivePage(&f1.tsRealTimeClock);
  EXPECT_EQ(f2.PackRTCData("*R025002003004005006#"), 1);
  EXPECT_EQ(f1.seYear.Value(), 2024);
  EXPECT_EQ(f1.mbDate.Text(), "2025/02/03");
  EXPECT_EQ(f1.mbTime.Text(), "04h05m06s");
  EXPECT_EQ(f2.PackRTCData("*R02500200300400500x#"), 0);
  EXPECT_EQ(f1.mbTime.Text(), "04h05m06s");
}

TEST_F(ParserFixture, DescriptionAndBluetooth) {
  std::string desc = "*UPump 6              DRIVE 01#";
  f1.UploadDesc = true;
  EXPECT_EQ(f2.PackDescData(desc), 1);
  EXPECT_EQ(Col(RecordId::Desc, 1, 1), "Pump 6              ");
  EXPECT_EQ(Col(RecordId::Desc, 2, 2), "DRIVE 01");
  for (char reserved : {'!', '#', '*', '?'}) {
    std::string bad = desc;
    bad[29] = reserved;
    EXPECT_EQ(f2.PackDescData(bad), 0) << reserved;
  }
  // The display boxes follow a write only once its echo matches.
  f1.UploadDesc = false;
  f1.DownloadDesc = true;
  int confirmed = 0;
  f2.DescWriteConfirmed = [&] { ++confirmed; };
  EXPECT_EQ(f2.PackDescData("*UPump 7              DRIVE 01#"), 0);
  EXPECT_EQ(confirmed, 0);
  EXPECT_EQ(f2.PackDescData(desc), 1);
  EXPECT_EQ(confirmed, 1);

  f1.UploadBluetooth = true;
  EXPECT_EQ(f2.PackBluetoothData("*J 12 #"), 1);
  EXPECT_EQ(Col(RecordId::Bluetooth, 2, 1), " 12 ");
  EXPECT_EQ(Col(RecordId::Bluetooth, 2, 2), "");
  EXPECT_EQ(f2.PackBluetoothData("*J1?34#"), 0);
}

TEST_F(ParserFixture, CommsRecordAddressComparedOnLowSevenBits) {
  f1.UploadComms = true;
  f2.PackCommsData(relay.Record(RecordId::Comms));
  f1.UploadComms = false;
  f1.DownloadComm = true;
  auto& g = w.vt().StringGridRelCommsRx;
  g.SetCell(2, 1, "133");
  relay.SetField(RecordId::Comms, 1, "005");
  EXPECT_EQ(f2.PackCommsData(relay.Record(RecordId::Comms)), 1);
  relay.SetField(RecordId::Comms, 1, "006");
  EXPECT_EQ(f2.PackCommsData(relay.Record(RecordId::Comms)), 0);
  relay.SetField(RecordId::Comms, 1, "005");
  relay.SetField(RecordId::Comms, 2, "131");  // other rows compare in full
  EXPECT_EQ(f2.PackCommsData(relay.Record(RecordId::Comms)), 0);
}

TEST_F(ParserFixture, CommsReadClearsBlockReadsOfAnOlderRevision) {
  struct Case {
    std::string rev;
    bool keep;
  };
  for (const Case& c :
       {Case{"Rev 3b", false}, Case{"Rev 4e", true}, Case{"Rev 00", false}, Case{"", false}}) {
    f1.mbSW_Rev.SetText(c.rev);
    f1.UploadComms = f1.UploadCommsExtBlock0 = f1.UploadCommsExtBlock1 = true;
    bool flagsWhenLoaded = true;
    f2.LoadCommsEditors = [&] {
      flagsWhenLoaded = f1.UploadCommsExtBlock0 || f1.UploadCommsExtBlock1;
    };
    EXPECT_EQ(f2.PackCommsData(relay.Record(RecordId::Comms)), 1);
    EXPECT_EQ(f1.UploadCommsExtBlock0, c.keep) << c.rev;
    EXPECT_EQ(f1.UploadCommsExtBlock1, c.keep) << c.rev;
    EXPECT_EQ(flagsWhenLoaded, c.keep);
  }
}

TEST_F(ParserFixture, CommsDataBlockHalves) {
  int reloads = 0;
  f2.LoadCommsExtBlockEditors = [&] { ++reloads; };
  relay.CommsBlock[0] = 7;
  relay.CommsBlock[85] = 255;
  EXPECT_EQ(f2.PackCommsExtBlockData(relay.BlockRecord(0), 0), 1);
  EXPECT_EQ(w.vt().CommsDataBlockRx1[0], 7);
  EXPECT_EQ(reloads, 0);
  EXPECT_EQ(f2.PackCommsExtBlockData(relay.BlockRecord(1), 1), 1);
  EXPECT_EQ(w.vt().CommsDataBlockRx1[85], 255);
  EXPECT_EQ(reloads, 1);
  EXPECT_EQ(f2.PackCommsExtBlockData(relay.BlockRecord(1), 2), 0);

  // Writes: the echo against the message last sent, fields only, nothing stored.
  f1.DownloadCommExtBlock0 = true;
  w.vt().CommsDataBlockRx1.fill(0);
  w.vt().CommsDataBlockRx2.clear();  // nothing sent yet: no echo can match
  std::string echo = relay.BlockRecord(0);
  EXPECT_EQ(f2.PackCommsExtBlockData(echo, 0), 0);
  w.vt().CommsDataBlockRx2 = "*MA" + echo.substr(3, 100);  // shorter than an answer
  EXPECT_EQ(f2.PackCommsExtBlockData(echo, 0), 0);
  w.vt().CommsDataBlockRx2 = "*MA" + echo.substr(3);
  EXPECT_EQ(f2.PackCommsExtBlockData(echo, 0), 1);
  std::string wrong = echo;
  wrong[50] = wrong[50] == '9' ? '8' : '9';
  EXPECT_EQ(f2.PackCommsExtBlockData(wrong, 0), 0);
  EXPECT_EQ(w.vt().CommsDataBlockRx1[0], 0);
  // Half 1 is still read (its write flag is clear).
  EXPECT_EQ(f2.PackCommsExtBlockData(relay.BlockRecord(1), 1), 1);
  EXPECT_EQ(w.vt().CommsDataBlockRx1[85], 255);
}

TEST_F(ParserFixture, LogicReadSetsTableBytes) {
  relay.SetField(RecordId::Logic, 1, "170");
  relay.SetField(RecordId::Logic, 21, "300");
  f1.UploadLogic = true;
  EXPECT_EQ(f2.PackLogicData(relay.Record(RecordId::Logic)), 1);
  EXPECT_EQ(f1.ActLF1_Table, 170);
  EXPECT_EQ(f1.ActLF6_Table, 44);
}

TEST_F(ParserFixture, FaultRecords) {
  auto& g = f1.sgFaultHist;
  for (int c = 0; c < 9; ++c) g.SetCell(c, 0, "head" + std::to_string(c));
  EXPECT_EQ(f2.PackFaultData(Fault(3, 1, 1, 4, 0, 0)), 1);
  EXPECT_EQ(g.Cell(0, 3), "  3");
  EXPECT_EQ(g.Cell(1, 3), "Simulation");
  EXPECT_EQ(g.Cell(2, 3), "2023/05/09");
  EXPECT_EQ(g.Cell(3, 3), "07h30");
  EXPECT_EQ(g.Cell(4, 3), " Voltage Symmetry");  // the set bit that comes last
  EXPECT_EQ(g.Cell(5, 3), "1234");
  EXPECT_EQ(g.Cell(6, 3), "120");
  EXPECT_EQ(g.Cell(7, 3), "380");
  EXPECT_EQ(g.Cell(8, 3), "120ms");
  EXPECT_EQ(f1.pbFaultUpdate.Position(), 53);

  EXPECT_EQ(f2.PackFaultData(Fault(4, 2, 0, 0, 128, 0)), 1);
  EXPECT_EQ(g.Cell(4, 4), "");  // no text for that bit, but the row is written
  EXPECT_EQ(g.Cell(1, 4), "Actual");
  EXPECT_EQ(f2.PackFaultData(Fault(5, 7, 0, 0, 0, 8)), 1);
  EXPECT_EQ(g.Cell(4, 5), " RTD 4 temperature");
  EXPECT_EQ(g.Cell(1, 5), "");

  EXPECT_EQ(f2.PackFaultData(Fault(3, 1, 0, 0, 0, 0)), 1);  // no flags: an empty row
  EXPECT_EQ(g.Cell(0, 3), "  3");
  for (int c = 1; c <= 8; ++c) EXPECT_EQ(g.Cell(c, 3), "");

  EXPECT_EQ(f2.PackFaultData(Fault(20, 0, 1, 0, 0, 0)), 1);
  EXPECT_EQ(f1.pbFaultUpdate.Position(), 36);
  EXPECT_EQ(f2.PackFaultData(Fault(1, 0, 1, 0, 0, 0)), 1);
  EXPECT_EQ(f1.pbFaultUpdate.Position(), 55);
  EXPECT_EQ(f2.PackFaultData(Fault(99, 0, 1, 0, 0, 0)), 1);
  EXPECT_EQ(f1.pbFaultUpdate.Position(), 0);
  // Record 0, with or without flags, never touches the heading row.
  EXPECT_EQ(f2.PackFaultData(Fault(0, 0, 0, 0, 0, 0)), 1);
  EXPECT_EQ(f2.PackFaultData(Fault(0, 0, 1, 0, 0, 0)), 1);
  EXPECT_EQ(f1.pbFaultUpdate.Position(), 55);
  for (int c = 0; c < 9; ++c) EXPECT_EQ(g.Cell(c, 0), "head" + std::to_string(c));

  std::string bad = Fault(6, 0, 1, 0, 0, 0);
  bad[50] = ' ';
  EXPECT_EQ(f2.PackFaultData(bad), 0);
  EXPECT_EQ(g.Cell(0, 6), "");
}

TEST_F(ParserFixture, EventRecords) {
  std::vector<std::string> lines;
  f1.EventFileWriteLn = [&](const std::string& l) { lines.push_back(l); };
  f1.QuickEventViewFlag = false;
  EXPECT_EQ(f2.PackEventData(Event(1000, 3, 6, 0, 1, 0, 0, 0, 0)), 1);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "400\tAlarm\t2023/05/09\t07h30\tEL OC VStal \t\t321\t100\t390");
  EXPECT_EQ(f2.PackEventData(Event(1401, 132, 6, 0, 0, 1, 0, 0, 1)), 1);
  EXPECT_EQ(lines[1], "-1\tSim Trip\t2023/05/09\t07h30\t\tRTD1 High/Low Temper\t321\t100\t390");
  EXPECT_EQ(f2.PackEventData(Event(5, 1, 6, 0, 1, 1, 0, 0, 0)), 1);
  EXPECT_EQ(lines[2], "1395\tRunning\t2023/05/09\t07h30\t\t\t321\t100\t390");
  EXPECT_EQ(f2.PackEventData(Event(5, 77, 255, 255, 255, 0, 0, 0, 0)), 1);
  EXPECT_EQ(lines[3].substr(0, 6), "1395\t\t");
  EXPECT_EQ(f2.PackEventData(Event(5, 0, 0, 0, 0, 0, 0, 0, 0)), 1);  // type 0: nothing written
  EXPECT_EQ(lines.size(), 4u);
  // Every alarm text, cut to 45 characters.
  EXPECT_EQ(f2.PackEventData(Event(5, 131, 255, 255, 255, 0, 0, 0, 0)), 1);
  EXPECT_EQ(lines[4].substr(5),
            "Sim Alarm\t2023/05/09\t07h30\tEL OC RS Unbal SP ML SCir OV UV VS ILock LF "
            "H\t\t321\t100\t390");

  f1.QuickEventViewFlag = true;
  f1.EventCntr = 1250;
  EXPECT_EQ(f2.PackEventData(Event(150, 2, 0, 0, 0, 0, 0, 0, 0)), 1);
  EXPECT_EQ(f1.sgQuickEventViewer.Cell(0, 150), "150");
  EXPECT_EQ(f1.sgQuickEventViewer.Cell(1, 150), "Stop");
  EXPECT_EQ(f1.sgQuickEventViewer.Cell(8, 150), "390");
  EXPECT_EQ(lines.size(), 5u);

  std::string bad = Event(5, 1, 0, 0, 0, 0, 0, 0, 0);
  bad[58] = '-';
  EXPECT_EQ(f2.PackEventData(bad), 0);
}

TEST_F(ParserFixture, SpectrumRecord) {
  std::string s = "*H";
  for (int k = 0; k < 20; ++k) s += "00512";
  s += "#";
  EXPECT_EQ(f2.PackSpectruimData(s), 1);
  for (int v : f1.Current) EXPECT_EQ(v, 512);
  std::string bad = s;
  bad[2] = '+';
  bad.replace(3, 4, "9999");
  EXPECT_EQ(f2.PackSpectruimData(bad), 0);
  EXPECT_EQ(f1.Current[0], 512);
}
