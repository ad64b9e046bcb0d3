// The clock, statistics, description, Bluetooth, identity and calibration editors: what each
// user action leaves in the send column, what each record's answer (written out by hand) loads,
// the clock's day bounds, and the calibration file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "support/EditorWorld.h"

using wire::RecordId;

namespace {

struct ChangeCase {
  const char* what;
  std::function<void(TForm1&)> act;
  RecordId grid;
  int row;
  const char* cell;
};

std::string Cell(RecordId grid, int col, int row) {
  return FormVariableTable->Grid(grid).Cell(col, row);
}

}  // namespace

TEST(RelayDataEditors, ActionsWriteTheirCell) {
  const auto T = RecordId::Statistics, U = RecordId::Desc, J = RecordId::Bluetooth,
             C = RecordId::Calibration, I = RecordId::Identity;
  // clang-format off
  const ChangeCase cases[] = {
      {"counter", [](TForm1& f) { f.ebTripCntr.UserType("7"); }, T, 2, "00007"},
      {"counter at its top", [](TForm1& f) { f.ebPwrConsume.UserType("65535"); }, T, 15, "65535"},
      {"counter keeps digits only", [](TForm1& f) { f.ebFL_RunHrCntr.UserType("1x2"); }, T, 17, "00012"},
      {"pasted non-digit stores nothing", [](TForm1& f) { f.ebStartUpCntr.SetText("12a"); }, T, 1, "00000"},
      {"drive ID padded", [](TForm1& f) { f.ebDriveID.UserType("PUMP1"); }, U, 2, "PUMP1   "},
      {"drive ID emptied", [](TForm1& f) { f.ebDriveID.UserType("P"), f.ebDriveID.UserType(""); }, U, 2, "        "},
      {"description typed framing chars dropped", [](TForm1& f) { f.ebUserName.UserType("A#B?C"); }, U, 1,
       "ABC                 "},
      {"description set in code cut to 20", [](TForm1& f) { f.ebUserName.SetText("123456789012345678901234"); },
       U, 1, "12345678901234567890"},
      {"pasted framing chars taken out", [](TForm1& f) { f.ebDriveID.SetText("*P!7"); }, U, 2, "P7      "},
      {"PIN padded", [](TForm1& f) { f.ebPinCode.UserType("12"); }, J, 1, "12  "},
      {"PIN framing char dropped", [](TForm1& f) { f.ebPinCode.UserType("1#2"); }, J, 1, "12  "},
      {"serial number eight digits", [](TForm1& f) { f.ebSerialNumber.UserType("40751"); }, I, 2, "00040751"},
      {"serial number with a letter stores nothing", [](TForm1& f) { f.ebSerialNumber.SetText("4a"); }, I, 2,
       "00000000"},
      {"model", [](TForm1& f) { f.cbRelayModel.UserPick(3); }, I, 1, "003"},
      {"voltage factor", [](TForm1& f) { f.seVredCorrectFact.UserType("105"); }, C, 1, "105"},
      {"current factor", [](TForm1& f) { f.seIb_CorrectFact.UserType("85"); }, C, 6, "085"},
      {"negative offset", [](TForm1& f) { f.seRTD3_PT1000_Offset.UserType("-5"); }, C, 16, "-005"},
  };
  // clang-format on
  for (const ChangeCase& c : cases) {
    SCOPED_TRACE(c.what);
    EditorWorld world(false);
    c.act(*Form1);
    EXPECT_EQ(Cell(c.grid, 2, c.row), c.cell);
  }
}

TEST(RelayDataEditors, FrequencyLimitMirrorsToTheSettingsPage) {
  EditorWorld world(false);
  TForm1& f = *Form1;
  f.seHighFreqLimit.UserType("58");
  EXPECT_EQ(Cell(RecordId::Calibration, 2, 8), "058");
  EXPECT_EQ(f.seSetHighFreqLimit.Text(), "58");
}

TEST(RelayDataEditors, CounterExitChecks) {
  struct Case {
    const char* text;
    const char* box;  // "" for none
  } cases[] = {{"70000", "Value is out of range !\rRange = 0 to 65535"},
               {"", "Please enter only digits !"},
               {"65535", ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EditorWorld world(false);
    TForm1& f = *Form1;
    f.ebPwrConsume.UserType(c.text);
    f.SettingExit(f.ebPwrConsume);
    if (*c.box) {
      ASSERT_EQ(world.hb.boxes.size(), 1u);
      EXPECT_EQ(world.hb.boxes[0].text, c.box);
    } else {
      EXPECT_TRUE(world.hb.boxes.empty());
    }
  }
}

// ---- Record answers, written by hand ----

struct RecordLoad : ::testing::Test {
  EditorWorld w{false};
  TForm1& f = w.f1();
  TForm2& f2 = w.f2();
};

TEST_F(RecordLoad, IdentityReadLoadsModelAndSerialWithLeadingZeros) {
  f.UploadDevID = true;
  ASSERT_EQ(f2.PackRelayIDData("*I002000012343b#"), 1);
  EXPECT_EQ(f.cbRelayModel.ItemIndex(), 2);
  EXPECT_EQ(f.ebSerialNumber.Text(), "00001234");
  EXPECT_EQ(f.mbSerialNum.Text(), "00001234");
  EXPECT_EQ(Cell(RecordId::Identity, 1, 3), "3b");
  EXPECT_EQ(Cell(RecordId::Identity, 2, 2), "00001234");
  EXPECT_EQ(f2.PackRelayIDData("*I00200001234b3#"), 0);  // position 14 must be a digit
}

// A garbled serial number in the echo of an identity write is refused and reaches neither the
// editor nor the send column, so the repeated write sends the number the user gave.
TEST_F(RecordLoad, IdentityWriteRefusesAGarbledEchoBeforeLoading) {
  f.cbRelayModel.UserPick(2);
  f.ebSerialNumber.UserType("1234567");
  f.DownloadRelayID = true;
  EXPECT_EQ(f2.PackRelayIDData("*I003012945673b#"), 0);
  EXPECT_EQ(f.ebSerialNumber.Text(), "1234567");
  EXPECT_EQ(f.cbRelayModel.ItemIndex(), 2);
  EXPECT_EQ(Cell(RecordId::Identity, 2, 2), "01234567");
  EXPECT_EQ(Cell(RecordId::Identity, 2, 1), "002");
  EXPECT_EQ(f2.PackRelayIDData("*I002012345674c#"), 1);  // the revision is not compared
  EXPECT_EQ(f.ebSerialNumber.Text(), "01234567");
}

TEST_F(RecordLoad, ClockLoadsItsEditorsOnlyWhileItsPageIsHidden) {
  for (bool shown : {false, true}) {
    SCOPED_TRACE(shown);
    f.PageControl1.SetActivePage(shown ? &f.tsRealTimeClock : &f.tsActual);
    f.seYear.SetValue(2010);
    ASSERT_EQ(f2.PackRTCData("*R024001031023059058#"), 1);
    EXPECT_EQ(f.seYear.Value(), shown ? 2010 : 2024);
    if (!shown) {
      EXPECT_EQ(f.seMonth.Value(), 1);
      EXPECT_EQ(f.seDate.Value(), 31);
      EXPECT_EQ(f.seHour.Value(), 23);
      EXPECT_EQ(f.seMinute.Value(), 59);
    }
    EXPECT_EQ(f.mbDate.Text(), "2024/01/31");
    EXPECT_EQ(f.mbTime.Text(), "23h59m58s");
  }
  EXPECT_EQ(f2.PackRTCData("*R02400103102305905x#"), 0);
}

// Counters 1..4, thermal capacity bands 5..14, counters 15..17, start-up time 18..22, hours 23.
const std::string kStats = std::string("*T") + "00012" + "00003" + "01000" + "02000" +
                           "001002003004005006007008009010" + "00100" + "00200" + "00300" +
                           "023012031009005" + "04321" + "#";

TEST_F(RecordLoad, StatisticsLoadWhileTheirPageIsHidden) {
  ASSERT_EQ(kStats.size(), 88u);
  ASSERT_EQ(f2.PackStatisticalData(kStats), 1);
  EXPECT_EQ(f.ebStartUpCntr.Text(), "12");
  EXPECT_EQ(f.ebTripCntr.Text(), "3");
  EXPECT_EQ(f.ebMotorRunHrCntr.Text(), "1000");
  EXPECT_EQ(f.ebRelayRunHrCntr.Text(), "2000");
  EXPECT_EQ(f.ebPwrConsume.Text(), "100");
  EXPECT_EQ(f.ebRealPwrConsume.Text(), "200");
  EXPECT_EQ(f.ebFL_RunHrCntr.Text(), "300");
  EXPECT_EQ(f.sgStartup_TC_Req.Cell(1, 9), "1");
  EXPECT_EQ(f.sgStartup_TC_Req.Cell(1, 0), "10");
  EXPECT_EQ(f.mbStartUpTime.Text(), "2023/12/31    09:05");
  EXPECT_EQ(f.mbRunHrCntr.Text(), "4321");
  EXPECT_EQ(Cell(RecordId::Statistics, 2, 17), "00300");
}

TEST_F(RecordLoad, StatisticsPollLeavesTheShownPageAlone) {
  f.PageControl1.SetActivePage(&f.tsStatistics);
  f.ebTripCntr.UserType("9");
  ASSERT_EQ(f2.PackStatisticalData(kStats), 1);
  EXPECT_EQ(f.ebTripCntr.Text(), "9");
  EXPECT_EQ(Cell(RecordId::Statistics, 2, 2), "00009");
  EXPECT_EQ(Cell(RecordId::Statistics, 1, 2), "00003");
}

TEST_F(RecordLoad, StatisticsEchoComparesTheWrittenRowsOnly) {
  f.PageControl1.SetActivePage(&f.tsStatistics);
  const char* counters[] = {"00012", "00003", "01000", "02000"};
  for (int i = 0; i < 4; ++i)
    FormVariableTable->Grid(RecordId::Statistics).SetCell(2, i + 1, counters[i]);
  for (int row : {15, 16, 17})
    FormVariableTable->Grid(RecordId::Statistics)
        .SetCell(2, row, "00" + std::to_string(row - 14) + "00");
  f.DownloadStat = true;
  std::string other = kStats;
  other.replace(22, 3, "099");  // a band and the start-up time differ
  other.replace(67, 3, "024");
  EXPECT_EQ(f2.PackStatisticalData(other), 1);
  std::string wrong = kStats;
  wrong.replace(7, 5, "00004");  // the trip counter differs
  EXPECT_EQ(f2.PackStatisticalData(wrong), 0);
}

TEST_F(RecordLoad, CalibrationReadLoadsEveryEditorAndMirrorsTheFrequency) {
  f.UploadCalibration = true;
  const std::string answer = std::string("*C") + "120" + "095" + "100" + "081" + "100" + "119" +
                             "100" + "058" + "042" + "001" + "251" + "005" + "000" + "000" + "000" +
                             "000" + "236" + "020" + "#";
  ASSERT_EQ(answer.size(), 57u);
  ASSERT_EQ(f2.PackCalibrationData(answer), 1);
  EXPECT_EQ(f.seVredCorrectFact.Value(), 110);  // limited to its range
  EXPECT_EQ(f.seVwhiteCorrectFact.Value(), 95);
  EXPECT_EQ(f.seIr_CorrectFact.Value(), 81);
  EXPECT_EQ(f.seIb_CorrectFact.Value(), 119);
  EXPECT_EQ(f.seRTD1_PT100_Offset.Value(), -5);
  EXPECT_EQ(f.seRTD1_PT1000_Offset.Value(), 5);
  EXPECT_EQ(f.seRTD4_PT100_Offset.Value(), -20);
  EXPECT_EQ(f.seSetHighFreqLimit.Value(), 58);
  EXPECT_EQ(f.cbSetFreqSelector.ItemIndex(), 1);
  EXPECT_EQ(f.mbFreqSelector.Text(), "60Hz");
  EXPECT_EQ(Cell(RecordId::Calibration, 2, 1), "120");  // the relay's text, not the limit
  EXPECT_EQ(Cell(RecordId::Calibration, 2, 11), "-005");
}

// The supply frequency code of a calibration answer as the two read-only boxes show it.
TEST_F(RecordLoad, FrequencyCodeShowsItsSupplyOrUnknown) {
  f.UploadCalibration = true;
  const struct {
    const char* code;
    const char* shown;
  } cases[] = {{"000", "50Hz"}, {"001", "60Hz"}, {"002", "Unknown"}, {"255", "Unknown"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    const std::string answer = std::string("*C") + "100100100100100100100" + "055" + "045" +
                               c.code + "000000000000000000000000" + "#";
    ASSERT_EQ(answer.size(), 57u);
    ASSERT_EQ(f2.PackCalibrationData(answer), 1);
    EXPECT_EQ(f.mbFreqSelector.Text(), c.shown);
    EXPECT_EQ(f.ebFreqSelector.Text(), c.shown);
  }
}

TEST_F(RecordLoad, DescriptionAndPin) {
  f.UploadDesc = true;
  ASSERT_EQ(f2.PackDescData("*UPump 7              P7      #"), 1);
  EXPECT_EQ(f.ebUserName.Text(), "Pump 7");
  EXPECT_EQ(f.mbUserName.Text(), "Pump 7");
  EXPECT_EQ(f.ebDriveID.Text(), "P7");
  EXPECT_EQ(Cell(RecordId::Desc, 2, 1), "Pump 7              ");
  EXPECT_EQ(f2.PackDescData("*UPump ?              P7      #"), 0);
  f.UploadDesc = false;

  // A write's display boxes follow only a matching echo.
  f.ebUserName.UserType("Fan 2");
  f.DownloadDesc = true;
  EXPECT_EQ(f2.PackDescData("*UFan 3               P7      #"), 0);
  EXPECT_EQ(f.mbUserName.Text(), "Pump 7");
  EXPECT_EQ(f2.PackDescData("*UFan 2               P7      #"), 1);
  EXPECT_EQ(f.mbUserName.Text(), "Fan 2");

  f.UploadBluetooth = true;
  ASSERT_EQ(f2.PackBluetoothData("*J12  #"), 1);
  EXPECT_EQ(f.ebPinCode.Text(), "12");
  EXPECT_EQ(f2.PackBluetoothData("*J1*2 #"), 0);
}

// ---- The clock page ----

TEST(ClockPage, DayStaysWithinTheMonth) {
  struct Case {
    int year, month, day;  // set in this order
    int thenMonth, thenYear;
    int bound, dayAfter;
    // clang-format off
  } cases[] = {
      {2024, 2, 29, 2, 2024, 29, 29},  // leap year
      {2023, 1, 31, 2, 2023, 28, 28},  // 31 January turned to February
      {2024, 1, 31, 2, 2024, 29, 29},
      {2024, 2, 29, 2, 2023, 28, 28},  // the year turned away from a leap year
      {2024, 1, 31, 4, 2024, 30, 30},
      {2024, 4, 15, 5, 2024, 31, 15},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + "/" + std::to_string(c.month) + "/" +
                 std::to_string(c.day));
    EditorWorld world(false);
    TForm1& f = *Form1;
    f.seYear.SetValue(c.year);
    f.seMonth.SetValue(c.month);
    f.seDate.SetValue(c.day);
    f.seMonth.SetValue(c.thenMonth);
    f.seYear.SetValue(c.thenYear);
    EXPECT_EQ(f.seDate.MaxValue(), c.bound);
    EXPECT_EQ(f.seDate.Value(), c.dayAfter);
  }
}

// ---- The calibration file ----

struct CalibrationFile : ::testing::Test {
  EditorWorld w{true};
  TForm1& f = w.f1();
  std::string path = DriveCRoot() + "/cal_test.cal";

  void SetUp() override {
    w.Connect();
    std::filesystem::remove(path);
  }
  void Save() {
    w.hb.dialogAnswers.push_back(path);
    f.bWriteCalbDiskClick();
  }
  void Load() {
    w.hb.dialogAnswers.push_back(path);
    f.bReadCalbDataClick();
  }
  static std::string Lines(std::initializer_list<const char*> lines) {
    std::string s;
    for (const char* l : lines) s += std::string(l) + "\r\n";
    return s;
  }
  void Write(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  std::string Read() {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
};

TEST_F(CalibrationFile, SavesSixteenLinesAndLoadsThemBack) {
  f.seVredCorrectFact.UserType("105");
  f.seEarthLeakCorrectFact.UserType("92");
  f.seHighFreqLimit.UserType("61");
  f.ebSerialNumber.UserType("40751");
  f.cbRelayModel.UserPick(3);
  f.seRTD1_PT100_Offset.UserType("-5");
  f.seRTD4_PT1000_Offset.UserType("20");
  Save();
  EXPECT_EQ(Read(), Lines({"105", "100", "100", "92", "61", "45", "40751", "3", "-5", "0", "0", "0",
                           "0", "0", "0", "20"}));
  EXPECT_EQ(f.SaveDialogCalb.FileName, path);

  // Back onto a fresh page: the editors, the send column (the model included) and the twin.
  EditorWorld other{true};
  other.Connect();
  TForm1& g = other.f1();
  other.hb.dialogAnswers.push_back(path);
  g.bReadCalbDataClick();
  EXPECT_TRUE(other.hb.boxes.empty());
  EXPECT_EQ(g.seVredCorrectFact.Value(), 105);
  EXPECT_EQ(g.seRTD1_PT100_Offset.Value(), -5);
  EXPECT_EQ(g.ebSerialNumber.Text(), "40751");
  EXPECT_EQ(g.cbRelayModel.ItemIndex(), 3);
  EXPECT_EQ(g.seSetHighFreqLimit.Value(), 61);
  EXPECT_EQ(Cell(RecordId::Calibration, 2, 11), "-005");
  EXPECT_EQ(Cell(RecordId::Identity, 2, 1), "003");
  EXPECT_EQ(Cell(RecordId::Identity, 2, 2), "00040751");
}

TEST_F(CalibrationFile, ProposesTheSerialNumberAsName) {
  f.ebSerialNumber.UserType("40751");
  f.bWriteCalbDiskClick();  // no answer queued: cancelled
  EXPECT_EQ(f.SaveDialogCalb.FileName, "TQ_40751.cal");
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(CalibrationFile, ValueBeyondItsRangeIsLimited) {
  Write(Lines(
      {"120", "100", "100", "100", "55", "45", "1", "0", "0", "0", "0", "0", "0", "0", "0", "0"}));
  Load();
  EXPECT_EQ(f.seVredCorrectFact.Value(), 110);
}

// A bad file changes nothing and names its first bad line.
TEST_F(CalibrationFile, BadFilesChangeNothing) {
  struct Case {
    const char* what;
    std::string text;
    const char* box;
    // clang-format off
  } cases[] = {
      {"letter in line 3",
       Lines({"101", "100", "1x0", "100", "55", "45", "1", "0", "0", "0", "0", "0", "0", "0", "0", "0"}),
       "Calibration file not loaded: line 3 is not valid."},
      {"fifteen lines",
       Lines({"101", "100", "100", "100", "55", "45", "1", "0", "0", "0", "0", "0", "0", "0", "0"}),
       "Calibration file not loaded: line 16 is not valid."},
      {"serial with a letter",
       Lines({"101", "100", "100", "100", "55", "45", "12a", "0", "0", "0", "0", "0", "0", "0", "0", "0"}),
       "Calibration file not loaded: line 7 is not valid."},
      {"model beyond the list",
       Lines({"101", "100", "100", "100", "55", "45", "1", "5", "0", "0", "0", "0", "0", "0", "0", "0"}),
       "Calibration file not loaded: line 8 is not valid."},
      // Refused by its size, unread: valid lines followed by 20 KB of blanks.
      {"larger than a calibration file can be",
       Lines({"101", "100", "100", "100", "55", "45", "1", "0", "0", "0", "0", "0", "0", "0", "0", "0"}) +
           std::string(20000, ' '),
       "Calibration file not loaded: the file is too large."},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    w.hb.boxes.clear();
    Write(c.text);
    Load();
    ASSERT_EQ(w.hb.boxes.size(), 1u);
    EXPECT_EQ(w.hb.boxes[0].text, c.box);
    EXPECT_EQ(f.seVredCorrectFact.Value(), 100);
    EXPECT_EQ(Cell(RecordId::Calibration, 2, 1), "000");
  }
  w.hb.boxes.clear();
  std::filesystem::remove(path);
  Load();
  ASSERT_EQ(w.hb.boxes.size(), 1u);
  EXPECT_EQ(w.hb.boxes[0].text, "I/O error or File does not exist.");
}

TEST(CalibrationFileClosedPort, AsksToConnectFirst) {
  EditorWorld w{true};
  for (auto cmd : {&TForm1::bWriteCalbDiskClick, &TForm1::bReadCalbDataClick}) (w.f1().*cmd)();
  ASSERT_EQ(w.hb.boxes.size(), 2u);
  EXPECT_EQ(w.hb.boxes[1].text, "Please connect first !");
  EXPECT_TRUE(w.hb.dialogs.empty());
}

// The statistics write carries the seven adjustable counters, written out here by hand.
TEST(RelayDataWrites, StatisticsWriteCarriesTheCounters) {
  EditorWorld w{false};
  TForm1& f = w.f1();
  const std::pair<TEdit*, const char*> typed[] = {
      {&f.ebStartUpCntr, "12"},      {&f.ebTripCntr, "0"},     {&f.ebMotorRunHrCntr, "1000"},
      {&f.ebRelayRunHrCntr, "2000"}, {&f.ebPwrConsume, "100"}, {&f.ebRealPwrConsume, "200"},
      {&f.ebFL_RunHrCntr, "300"}};
  for (auto [box, text] : typed) box->UserType(text);
  std::string message;
  wire::SendRefusal why;
  ASSERT_TRUE(wire::BuildWrite(wire::Layout(RecordId::Statistics),
                               FormVariableTable->Grid(RecordId::Statistics), message, why));
  EXPECT_EQ(message, "*T00012000000100002000001000020000300#");
  RelayModel relay;
  relay.Feed(message);
  EXPECT_EQ(relay.Field(RecordId::Statistics, 2), "00000");
  EXPECT_EQ(relay.Field(RecordId::Statistics, 17), "00300");
}

// A paste is held to what typing allows: over a selected counter, a paste whose first character
// the digit filter refuses still replaces it; a line break pasted into the description never
// reaches the relay's write.
TEST(RelayDataWrites, PastedTextReachesTheWritesAsTypingWould) {
  EditorWorld w{false};
  TForm1& f = w.f1();
  f.ebMotorRunHrCntr.UserType("1873");
  f.ebMotorRunHrCntr.UserPasteAt("#5", 0, 4);
  EXPECT_EQ(f.ebMotorRunHrCntr.Text(), "5");
  f.ebUserName.UserType("");
  f.ebUserName.UserPasteAt("Pump\nhouse\r\t3", 0, 0);
  EXPECT_EQ(f.ebUserName.Text(), "Pumphouse3");
  for (RecordId id : {RecordId::Statistics, RecordId::Desc}) {
    std::string message;
    wire::SendRefusal why;
    ASSERT_TRUE(wire::BuildWrite(wire::Layout(id), FormVariableTable->Grid(id), message, why));
    EXPECT_EQ(std::count_if(message.begin(), message.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 32; }),
              0)
        << message;
    if (id == RecordId::Statistics) EXPECT_EQ(message.substr(12, 5), "00005") << message;
  }
}
