// Every record parser on its own, with answers written out by hand: which field of the answer goes
// where in the variable table or the model, the copy after a read, the echo check after a write,
// what the link says came, and refusal of a disturbed answer.
#include <array>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "link_alone/LinkAlone.h"
#include "wire/Requests.h"

using namespace wire;
using S = model::RelayState;

namespace {

using Parser = int (TForm2::*)(const std::string&);
using Hook = std::function<void()> TForm2::*;

// clang-format off
const std::string kIdentity = "*I" "001" "00000002" "3b" "#";
const std::string kSettings =
    "*S"
    "001" "002" "003" "004" "005" "006" "007" "008" "129" "066"
    "00011" "012" "013" "014" "00015" "016" "200" "018" "00019" "020"
    "021" "022" "023" "024" "025" "026" "027" "028" "029" "030"
    "031" "032" "033" "034" "035" "036" "037" "038" "039" "040"
    "041" "042" "043" "044" "077" "046" "047" "048" "049" "00050"
    "051" "#";
const std::string kCalibration =
    "*C"
    "001" "002" "003" "004" "005" "006" "007" "008" "009" "010"
    "011" "012" "013" "014" "015" "016" "017" "018" "#";
const std::string kStatistics =
    "*T"
    "00001" "00002" "00003" "00004" "005" "006" "007" "008" "009" "010"
    "011" "012" "013" "014" "00015" "00016" "00017" "018" "019" "020"
    "021" "022" "00023" "#";
const std::string kExtMod = "*O" "001" "002" "003" "004" "005" "006" "007" "008" "#";
const std::string kDesc = "*U" "PUMP STATION NORTH 7" "DRIVE_07" "#";
const std::string kBluetooth = "*J" "0001" "#";
const std::string kLogic =
    "*W"
    "170" "002" "003" "004" "171" "006" "007" "008" "172" "010"
    "011" "012" "173" "014" "015" "016" "174" "018" "019" "020"
    "300" "022" "023" "024" "00025" "026" "027" "00028" "029" "030"
    "031" "032" "033" "034" "035" "036" "037" "038" "039" "040"
    "041" "042" "043" "044" "045" "046" "047" "00048" "049" "050"
    "051" "052" "053" "054" "055" "056" "057" "058" "059" "060"
    "061" "062" "063" "064" "065" "066" "#";
const std::string kStartConf =
    "*Q"
    "001" "002" "003" "004" "005" "006" "007" "008" "009" "010"
    "011" "012" "013" "014" "015" "016" "017" "018" "019" "020"
    "00021" "022" "023" "00024" "025" "00026" "027" "028" "029" "030" "#";
const std::string kComms = "*M" "001" "002" "003" "004" "005" "006" "007" "008" "009" "010" "#";
// clang-format on

struct ConfigCase {
  RecordId id;
  Parser parse;
  bool S::*readFlag;
  Hook load;
  const std::string* answer;
  int lastRow;
  const char* first;  // received column, first row
  const char* last;   // received column, last row
};

// clang-format off
const ConfigCase kConfigCases[] = {
    {RecordId::Identity, &TForm2::PackRelayIDData, &S::UploadDevID, &TForm2::LoadRelayIDEditors, &kIdentity, 3, "001", "3b"},
    {RecordId::Settings, &TForm2::PackSettingData, &S::UploadSettings, &TForm2::LoadSettingsEditors, &kSettings, 51, "001", "051"},
    {RecordId::Calibration, &TForm2::PackCalibrationData, &S::UploadCalibration, &TForm2::LoadCalibrationEditors, &kCalibration, 18, "001", "018"},
    {RecordId::ExtMod, &TForm2::PackExtModSetData, &S::UploadExtModSet, &TForm2::LoadExtModEditors, &kExtMod, 8, "00050", "00400"},
    {RecordId::Desc, &TForm2::PackDescData, &S::UploadDesc, &TForm2::LoadDescEditors, &kDesc, 2, "PUMP STATION NORTH 7", "DRIVE_07"},
    {RecordId::Bluetooth, &TForm2::PackBluetoothData, &S::UploadBluetooth, &TForm2::LoadBluetoothEditors, &kBluetooth, 1, "0001", "0001"},
    {RecordId::Logic, &TForm2::PackLogicData, &S::UploadLogic, &TForm2::LoadLogicEditors, &kLogic, 66, "170", "066"},
    {RecordId::StartConf, &TForm2::PackStartConfData, &S::UploadStartConf, &TForm2::LoadStartConfEditors, &kStartConf, 30, "001", "030"},
    {RecordId::Comms, &TForm2::PackCommsData, &S::UploadComms, &TForm2::LoadCommsEditors, &kComms, 10, "001", "010"},
};
// clang-format on

}  // namespace

// A read: the fields land in the received column by position, the editors are told once, and the
// received column is copied over the send column. Without the read flag only the identity's
// editors follow the answer, and nothing is copied.
TEST_F(LinkAlone, ConfigurationRecordsRead) {
  for (const ConfigCase& c : kConfigCases) {
    SCOPED_TRACE(Layout(c.id).GridName);
    int loads = 0;
    link().*c.load = [&] { ++loads; };
    ASSERT_EQ((link().*c.parse)(*c.answer), 1);
    EXPECT_EQ(Received(c.id, 1), c.first);
    EXPECT_EQ(Received(c.id, c.lastRow), c.last);
    EXPECT_EQ(loads, c.id == RecordId::Identity ? 1 : 0);

    m.*c.readFlag = true;
    ASSERT_EQ((link().*c.parse)(*c.answer), 1);
    EXPECT_EQ(ToSend(c.id, 1), c.first);
    EXPECT_EQ(ToSend(c.id, c.lastRow), c.last);
    EXPECT_EQ(loads, c.id == RecordId::Identity ? 2 : 1);
    m.*c.readFlag = false;

    // One character that breaks the record's rule: refused, nothing stored.
    std::string bad = *c.answer;
    bad[2] = Layout(c.id).Check == CharRule::Digits ? 'x' : '*';
    EXPECT_EQ((link().*c.parse)(bad), 0);
  }
}

// The bytes the model keeps from a read: the settings' control bytes (rows 9, 10, 17 and 45, before
// the editors load) and the logic table masks (rows 1, 5, 9, 13, 17 and 21, after them).
TEST_F(LinkAlone, ReadsKeepTheirBytesInTheModel) {
  uint8_t controlAWhenLoaded = 0;
  link().LoadSettingsEditors = [&] { controlAWhenLoaded = m.ActControl_A; };
  ASSERT_EQ(link().PackSettingData(kSettings), 1);
  EXPECT_EQ(m.ActControl_A, 0);  // not a read
  m.UploadSettings = true;
  ASSERT_EQ(link().PackSettingData(kSettings), 1);
  EXPECT_EQ(controlAWhenLoaded, 129);
  EXPECT_EQ(m.ActControl_B, 66);
  EXPECT_EQ(m.ActControl_C, 200);
  EXPECT_EQ(m.ActControl_D, 77);

  uint8_t tableWhenLoaded = 1;
  link().LoadLogicEditors = [&] { tableWhenLoaded = m.ActLF1_Table; };
  m.UploadLogic = true;
  ASSERT_EQ(link().PackLogicData(kLogic), 1);
  EXPECT_EQ(tableWhenLoaded, 0);
  const uint8_t tables[] = {m.ActLF1_Table, m.ActLF2_Table, m.ActLF3_Table,
                            m.ActLF4_Table, m.ActLF5_Table, m.ActLF6_Table};
  EXPECT_EQ(std::vector<uint8_t>(std::begin(tables), std::end(tables)),
            (std::vector<uint8_t>{170, 171, 172, 173, 174, 44}));  // 300 kept as a byte
}

// A statistics poll answer is a read while the main window says its page is not shown.
TEST_F(LinkAlone, StatisticsAnswerIsAReadWhileItsPageIsHidden) {
  int loads = 0;
  link().LoadStatisticsEditors = [&] { ++loads; };
  bool shown = true;
  link().StatisticsPageShown = [&] { return shown; };
  ASSERT_EQ(link().PackStatisticalData(kStatistics), 1);
  EXPECT_EQ(Received(RecordId::Statistics, 1), "00001");
  EXPECT_EQ(Received(RecordId::Statistics, 23), "00023");
  EXPECT_EQ(ToSend(RecordId::Statistics, 23), "00000");
  EXPECT_EQ(loads, 0);
  shown = false;
  ASSERT_EQ(link().PackStatisticalData(kStatistics), 1);
  EXPECT_EQ(ToSend(RecordId::Statistics, 23), "00023");
  EXPECT_EQ(loads, 1);
  link().StatisticsPageShown = nullptr;  // nobody to ask: the page counts as hidden
  ASSERT_EQ(link().PackStatisticalData(kStatistics), 1);
  EXPECT_EQ(loads, 2);
}

// The comms read clears the two block reads before the editors load, unless the main window says
// the relay has the extended revision.
TEST_F(LinkAlone, CommsReadAsksForTheRevision) {
  for (bool extended : {false, true}) {
    SCOPED_TRACE(extended);
    link().ExtendedRelay = [&] { return extended; };
    m.UploadComms = m.UploadCommsExtBlock0 = m.UploadCommsExtBlock1 = true;
    bool blockReadsWhenLoaded = !extended;
    link().LoadCommsEditors = [&] {
      blockReadsWhenLoaded = m.UploadCommsExtBlock0 || m.UploadCommsExtBlock1;
    };
    ASSERT_EQ(link().PackCommsData(kComms), 1);
    EXPECT_EQ(blockReadsWhenLoaded, extended);
    EXPECT_EQ(m.UploadCommsExtBlock1, extended);
  }
}

// A write's answer is its echo: accepted only when it matches the send column, and then the
// description's confirmation follows.
TEST_F(LinkAlone, WriteEchoMustMatchWhatWasSent) {
  int confirmed = 0;
  link().DescWriteConfirmed = [&] { ++confirmed; };
  m.UploadDesc = true;
  ASSERT_EQ(link().PackDescData(kDesc), 1);  // the send column now holds the same values
  m.UploadDesc = false;
  m.DownloadDesc = true;
  Await(ReqDownloadDesc);
  std::string other = kDesc;
  other[23] = 'X';  // "XRIVE_07"
  EXPECT_EQ(link().PackDescData(other), 0);
  EXPECT_EQ(confirmed, 0);
  EXPECT_EQ(link().PackDescData(kDesc), 1);
  EXPECT_EQ(confirmed, 1);
  // A poll queued before the write brings the record as it still is: no echo, so no refusal.
  Await(ReqUploadDesc);
  EXPECT_EQ(link().PackDescData(other), 1);
  EXPECT_EQ(confirmed, 1);
}

// clang-format off
const std::string kClock = "*R" "023" "005" "009" "007" "030" "045" "#";
// Record 7, actual, 2023/05/09 07h30, flags A bit 0 and B bit 2, 1234 h, Imax 30 (x4), Vmin 380,
// trip time 12 (x10 ms).
const std::string kFault7 =
    "*F" "007" "000" "023" "005" "009" "007" "030" "001" "004" "000" "000" "01234" "030" "00380" "012" "#";
// Record 99, simulation, flag D bit 3; run hours and Vmin past 16 bits.
const std::string kFault99 =
    "*F" "099" "001" "024" "012" "031" "023" "059" "000" "000" "000" "008" "70000" "999" "65537" "100" "#";
const std::string kFault0 =
    "*F" "000" "000" "000" "000" "000" "000" "000" "000" "000" "000" "000" "00000" "000" "00000" "000" "#";
// Event 1000, an alarm on 2023/05/09 07h30: alarm bytes 6, 0, 1, trip bytes 0; 321 h, Imax 25
// (x4), Vmin 390.
const std::string kAlarmEvent =
    "*E" "01000" "003" "023" "005" "009" "007" "030" "006" "000" "001" "000" "000" "000" "000" "00321" "025" "00390" "#";
// Event 5, a simulated trip: alarm bytes 6, 0, 0, trip bytes 1, 0, 0, 1.
const std::string kTripEvent =
    "*E" "00005" "132" "023" "005" "009" "007" "030" "006" "000" "000" "001" "000" "000" "001" "00321" "025" "00390" "#";
// clang-format on

// A copy of `answer` with the characters from `pos` (from 1) replaced.
std::string With(std::string answer, int pos, const std::string& text) {
  return answer.replace(static_cast<size_t>(pos - 1), text.size(), text);
}

TEST_F(LinkAlone, ClockRecord) {
  int told = 0;
  link().ClockRead = [&] { ++told; };
  ASSERT_EQ(link().PackRTCData(kClock), 1);
  EXPECT_EQ(told, 1);
  EXPECT_EQ(m.Clock.Year, 23);
  EXPECT_EQ(m.Clock.Month, 5);
  EXPECT_EQ(m.Clock.Day, 9);
  EXPECT_EQ(m.Clock.Hour, 7);
  EXPECT_EQ(m.Clock.Minute, 30);
  EXPECT_EQ(m.Clock.Second, 45);
  EXPECT_EQ(link().PackRTCData(With(kClock, 16, "0x0")), 0);
  EXPECT_EQ(link().PackRTCData(kClock.substr(0, 17) + "#"), 0);
  EXPECT_EQ(told, 1);
  EXPECT_EQ(m.Clock.Minute, 30);
}

TEST_F(LinkAlone, FaultRecord) {
  std::vector<model::FaultRecord> told;
  link().FaultRead = [&](const model::FaultRecord& r) { told.push_back(r); };
  ASSERT_EQ(link().PackFaultData(kFault7), 1);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(m.FaultReadPosition, 49);
  ASSERT_TRUE(m.Faults[6]);
  const std::array<std::string, 9> cells = {
      "  7", "Actual", "2023/05/09", "07h30", " Voltage Symmetry", "1234", "120", "380", "120ms"};
  EXPECT_EQ(model::FaultCells(*m.Faults[6]), cells);
  EXPECT_EQ(model::FaultCells(told[0]), cells);
  // Run hours and voltage are 16 bits; record 0 and numbers past 35 keep no record and set the
  // position within 0..55.
  ASSERT_EQ(link().PackFaultData(kFault99), 1);
  EXPECT_EQ(m.FaultReadPosition, 0);
  EXPECT_EQ(told[1].RunHours, 4464);
  EXPECT_EQ(told[1].ImaxPercent, 3996);
  EXPECT_EQ(told[1].Vmin, 1);
  EXPECT_EQ(told[1].TripMs, 1000);
  ASSERT_EQ(link().PackFaultData(kFault0), 1);
  EXPECT_EQ(m.FaultReadPosition, 55);
  int kept = 0;
  for (const auto& f : m.Faults) kept += f ? 1 : 0;
  EXPECT_EQ(kept, 1);
  EXPECT_EQ(link().PackFaultData(With(kFault7, 51, "x")), 0);
  EXPECT_EQ(told.size(), 3u);
}

TEST_F(LinkAlone, EventRecord) {
  std::vector<model::EventRecord> told;
  link().EventRead = [&](const model::EventRecord& r) { told.push_back(r); };
  ASSERT_EQ(link().PackEventData(kAlarmEvent), 1);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(model::EventFileLine(told[0]),
            "400\tAlarm\t2023/05/09\t07h30\tEL OC VStal \t\t321\t100\t390");
  // A trip: the trip bytes' text that comes last; alarm bytes are not shown.
  ASSERT_EQ(link().PackEventData(kTripEvent), 1);
  EXPECT_EQ(model::EventFileLine(told[1]),
            "1395\tSim Trip\t2023/05/09\t07h30\t\tRTD1 High/Low Temper\t321\t100\t390");
  // An empty slot (type 0) is accepted and not passed on.
  ASSERT_EQ(link().PackEventData(With(kTripEvent, 8, "000")), 1);
  EXPECT_EQ(told.size(), 2u);
  EXPECT_EQ(link().PackEventData(With(kTripEvent, 59, "x")), 0);
  EXPECT_EQ(told.size(), 2u);
}

TEST_F(LinkAlone, SpectrumRecord) {
  // clang-format off
  ASSERT_EQ(link().PackSpectruimData(
                "*H" "00001" "00002" "00003" "00004" "00005" "00006" "00007" "00008" "00009" "00010"
                "00011" "00012" "00013" "00014" "00015" "00016" "00017" "00018" "00019" "99999" "#"),
            1);
  // clang-format on
  EXPECT_EQ(m.Current[0], 1);
  EXPECT_EQ(m.Current[18], 19);
  EXPECT_EQ(m.Current[19], 99999);
  EXPECT_EQ(link().PackSpectruimData("*H00001#"), 0);
}

// clang-format off
const std::string kActual =
    "*A" "045" "010" "00150" "00080" "00081" "00082" "003" "002" "00231" "00230" "00231" "00229"
    "002" "085" "050" "00040" "00300" "12345" "001" "090" "055" "056" "057" "058" "004" "3b" "#";
// clang-format on

// The actual values' live bytes: thermal curve, highest current and voltage (16 bits), power
// factor, insulation resistance, relay rating by model code, MLC, and the true current worked out
// with the CT ratio the settings gave.
TEST_F(LinkAlone, ActualValuesRecord) {
  std::string told;
  link().LoadActualData = [&](const std::string& r) { told = r; };
  m.ActCT_Ratio = 2;
  ASSERT_EQ(link().PackActualData(kActual), 1);
  EXPECT_EQ(told, kActual);
  EXPECT_EQ(m.ActThermalCurve, 10);
  EXPECT_EQ(m.ActI_Load, 150);
  EXPECT_EQ(m.ActMaxVolt, 231);
  EXPECT_EQ(m.ActPowerFactor, 85);
  EXPECT_NEAR(m.ActIsolation, 76.72, 1e-9);  // 199.48 - 0.4092 * 300
  EXPECT_EQ(m.ActRelayModalNum, 10);
  EXPECT_EQ(m.ActMLC, 90);
  EXPECT_DOUBLE_EQ(m.ActTrueCurrent, 27.0);  // 150 * 2 * 10 * 90 / 10000
  // The second revision character may be anything; the first may not.
  std::string any = kActual;
  any[100] = '?';
  EXPECT_EQ(link().PackActualData(any), 1);
  std::string bad = kActual;
  bad[8] = ' ';
  told.clear();
  EXPECT_EQ(link().PackActualData(bad), 0);
  EXPECT_TRUE(told.empty());
  EXPECT_EQ(link().PackActualData(kActual.substr(0, 101)), 0);
}

// The actual status record's nineteen bytes in order, and the location selector (bits 6 and 7
// of function status byte D).
TEST_F(LinkAlone, ActualStatusRecord) {
  // clang-format off
  const std::string status =
      "*a" "001" "002" "004" "008" "016" "032" "064" "128" "255" "003" "194" "005" "006" "007" "009"
      "010" "011" "012" "300" "#";
  // clang-format on
  std::string told;
  link().LoadActualStatusData = [&](const std::string& r) { told = r; };
  ASSERT_EQ(link().PackActualStatusData(status), 1);
  EXPECT_EQ(told, status);
  const uint8_t bytes[] = {
      m.ActAlarmF_A,    m.ActAlarmF_B,    m.ActAlarmF_C,      m.ActTripF_A,      m.ActTripF_B,
      m.ActTripF_C,     m.ActTripF_D,     m.ActFuncStatF_A,   m.ActFuncStatF_B,  m.ActFuncStatF_C,
      m.ActFuncStatF_D, m.ActFuncStatF_E, m.ActFuncStatF_F,   m.ActFuncStatF_G,  m.ActFuncStatF_H,
      m.ActFuncStatF_I, m.ActFuncStatF_J, m.ActCounterACount, m.ActCounterBCount};
  EXPECT_EQ(
      std::vector<uint8_t>(std::begin(bytes), std::end(bytes)),
      (std::vector<uint8_t>{1, 2, 4, 8, 16, 32, 64, 128, 255, 3, 194, 5, 6, 7, 9, 10, 11, 12, 44}));
  EXPECT_EQ(m.ActLocSelector, 3);
  std::string bad = status;
  bad[58] = 'x';
  EXPECT_EQ(link().PackActualStatusData(bad), 0);
  EXPECT_EQ(m.ActCounterBCount, 44);
}

// The fieldbus status records are checked and handed on whole; the main window reads them.
TEST_F(LinkAlone, FieldbusStatusRecords) {
  const std::string basic = "*N12345678901234567890123456789012345#";
  // clang-format off
  const std::string extended =
      "*nA" "012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789" "#";
  // clang-format on
  std::string told;
  link().LoadCommsStatData = [&](const std::string& r) { told = r; };
  link().LoadCommsExtStatData = [&](const std::string& r) { told = r; };
  EXPECT_EQ(link().PackCommsStatData(basic), 1);
  EXPECT_EQ(told, basic);
  EXPECT_EQ(link().PackCommsExtStatData(extended), 1);
  EXPECT_EQ(told, extended);
  told.clear();
  std::string bad = basic;
  bad[36] = '-';
  EXPECT_EQ(link().PackCommsStatData(bad), 0);
  bad = extended;
  bad[3] = '-';
  EXPECT_EQ(link().PackCommsExtStatData(bad), 0);
  EXPECT_TRUE(told.empty());
}

// The comms data block: two halves of 43 bytes into the received buffer, the editors told after
// the second; while a half is being written its answer is the echo of the message sent.
TEST_F(LinkAlone, CommsDataBlockHalves) {
  // clang-format off
  const std::string half0 =
      "*mA"
      "007" "002" "003" "004" "005" "006" "007" "008" "009" "010"
      "011" "012" "013" "014" "015" "016" "017" "018" "019" "020"
      "021" "022" "023" "024" "025" "026" "027" "028" "029" "030"
      "031" "032" "033" "034" "035" "036" "037" "038" "039" "040"
      "041" "042" "255" "#";
  const std::string half1 =
      "*mB"
      "100" "101" "102" "103" "104" "105" "106" "107" "108" "109"
      "110" "111" "112" "113" "114" "115" "116" "117" "118" "119"
      "120" "121" "122" "123" "124" "125" "126" "127" "128" "129"
      "130" "131" "132" "133" "134" "135" "136" "137" "138" "139"
      "140" "141" "142" "#";
  // clang-format on
  int loads = 0;
  link().LoadCommsExtBlockEditors = [&] { ++loads; };
  ASSERT_EQ(link().PackCommsExtBlockData(half0, 0), 1);
  EXPECT_EQ(loads, 0);
  ASSERT_EQ(link().PackCommsExtBlockData(half1, 1), 1);
  EXPECT_EQ(loads, 1);
  const auto& rx = FormVariableTable->CommsDataBlockRx1;
  EXPECT_EQ(rx[0], 7);
  EXPECT_EQ(rx[42], 255);
  EXPECT_EQ(rx[43], 100);
  EXPECT_EQ(rx[85], 142);

  m.DownloadCommExtBlock0 = true;
  FormVariableTable->CommsDataBlockRx2 = "*MA" + half0.substr(3);
  EXPECT_EQ(link().PackCommsExtBlockData(half0, 0), 1);
  std::string other = half0;
  other[5] = '8';
  EXPECT_EQ(link().PackCommsExtBlockData(other, 0), 0);
  EXPECT_EQ(rx[0], 7);  // an echo stores nothing
}

// Without a model there is nowhere to put an answer: every parser refuses.
TEST_F(LinkAlone, WithoutAModelEveryAnswerIsRefused) {
  link().Model = nullptr;
  EXPECT_EQ(link().PackRelayIDData(kIdentity), 0);
  EXPECT_EQ(link().PackActualData(kActual), 0);
  EXPECT_EQ(link().PackRTCData(kClock), 0);
}
