// The read side of every configuration record pinned by hand: one answer per record written out
// literally, with the received-column cell every field must land in (and, for the settings, the
// editor each field loads). The values differ from field to field, so a field read from the wrong
// position shows up as a wrong cell.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/EditorWorld.h"

using wire::RecordId;

namespace {

struct RecordRead {
  const char* name;
  RecordId id;
  int (TForm2::*parser)(const std::string&);
  bool TForm1::*readFlag;  // nullptr: the statistics poll, read while its page is not shown
  const char* answer;
  std::vector<const char*> cells;  // the received column, rows 1..n
};

// clang-format off
const RecordRead kReads[] = {
    {"identity", RecordId::Identity, &TForm2::PackRelayIDData, &TForm1::UploadDevID,
      "*I" "003" "20240517" "4e" "#",
      {"003", "20240517", "4e"}},
    {"settings", RecordId::Settings, &TForm2::PackSettingData, &TForm1::UploadSettings,
      "*S" "045" "012" "009" "095" "035" "140" "037" "180" "109" "110" "01111" "015" "113" "014" "00320" "116"
      "117" "004" "00555" "120" "041" "093" "123" "024" "025" "026" "027" "028" "029" "030" "031" "006" "021"
      "023" "088" "036" "010" "075" "076" "077" "250" "078" "079" "080" "145" "001" "000" "002" "003" "00150"
      "005" "#",
      {"045", "012", "009", "095", "035", "007", "037", "009", "109", "110", "01111", "00750", "113", "014",
       "016", "116", "117", "004", "00555", "120", "041", "093", "123", "01200", "01250", "01300", "01350",
       "01400", "01450", "01500", "01550", "006", "021", "023", "088", "036", "-020", "045", "046", "047",
       "220", "048", "049", "050", "145", "001", "000", "002", "003", "00150", "005"}},
    {"calibration", RecordId::Calibration, &TForm2::PackCalibrationData, &TForm1::UploadCalibration,
      "*C" "101" "102" "103" "104" "105" "106" "107" "061" "059" "000" "250" "010" "129" "127" "200" "020"
      "255" "001" "#",
      {"101", "102", "103", "104", "105", "106", "107", "061", "059", "000", "-006", "010", "-127", "127",
       "-056", "020", "-001", "001"}},
    {"statistics", RecordId::Statistics, &TForm2::PackStatisticalData, nullptr,
      "*T" "00011" "00022" "00033" "00044" "050" "051" "052" "053" "054" "055" "056" "057" "058" "059" "00155"
      "00166" "00177" "024" "005" "017" "013" "045" "01234" "#",
      {"00011", "00022", "00033", "00044", "050", "051", "052", "053", "054", "055", "056", "057", "058",
       "059", "00155", "00166", "00177", "024", "005", "017", "013", "045", "01234"}},
    {"external module", RecordId::ExtMod, &TForm2::PackExtModSetData, &TForm1::UploadExtModSet,
      "*O" "001" "002" "003" "004" "005" "006" "007" "200" "#",
      {"00050", "00100", "00150", "00200", "00250", "00300", "00350", "10000"}},
    {"description", RecordId::Desc, &TForm2::PackDescData, &TForm1::UploadDesc,
      "*U" "Pump 3 north shaft  " "DRV-0042" "#",
      {"Pump 3 north shaft  ", "DRV-0042"}},
    {"logic", RecordId::Logic, &TForm2::PackLogicData, &TForm1::UploadLogic,
      "*W" "101" "102" "103" "104" "105" "106" "107" "108" "109" "110" "111" "112" "113" "114" "115" "116"
      "117" "118" "119" "120" "121" "122" "123" "124" "01000" "026" "027" "00440" "029" "030" "131" "132"
      "133" "134" "135" "136" "137" "138" "139" "140" "141" "142" "143" "144" "145" "146" "147" "00480" "149"
      "200" "201" "202" "203" "204" "205" "206" "207" "040" "041" "042" "043" "044" "045" "046" "047" "066" "#",
      {"101", "102", "103", "104", "105", "106", "107", "108", "109", "110", "111", "112", "113", "114", "115",
       "116", "117", "118", "119", "120", "121", "122", "123", "124", "00050", "026", "027", "00022", "029",
       "030", "131", "132", "133", "134", "135", "136", "137", "138", "139", "140", "141", "142", "143", "144",
       "145", "146", "147", "00480", "149", "200", "201", "202", "203", "204", "205", "206", "207", "010",
       "011", "012", "013", "014", "015", "016", "017", "066"}},
    {"starter configuration", RecordId::StartConf, &TForm2::PackStartConfData, &TForm1::UploadStartConf,
      "*Q" "201" "202" "203" "204" "205" "206" "207" "208" "209" "210" "211" "212" "213" "214" "215" "216"
      "217" "218" "219" "220" "00021" "022" "023" "00024" "025" "00026" "027" "028" "029" "030" "#",
      {"201", "202", "203", "204", "205", "206", "207", "208", "209", "210", "211", "212", "213", "214", "215",
       "216", "217", "218", "219", "220", "00021", "022", "01150", "00024", "01250", "00026", "027", "01400",
       "01450", "030"}},
    {"comms", RecordId::Comms, &TForm2::PackCommsData, &TForm1::UploadComms,
      "*M" "129" "002" "003" "004" "005" "006" "007" "008" "009" "010" "#",
      {"129", "002", "003", "004", "005", "006", "007", "008", "009", "010"}},
    {"Bluetooth", RecordId::Bluetooth, &TForm2::PackBluetoothData, &TForm1::UploadBluetooth,
      "*J" "7391" "#",
      {"7391"}},};
// clang-format on

TEST(RecordRead, EveryFieldLandsInItsRow) {
  for (const RecordRead& r : kReads) {
    SCOPED_TRACE(r.name);
    EditorWorld w(false);
    if (r.readFlag) w.f1().*r.readFlag = true;
    ASSERT_EQ((w.f2().*r.parser)(r.answer), 1);
    const TStringGrid& grid = w.vt().Grid(r.id);
    ASSERT_GE(grid.RowCount(), static_cast<int>(r.cells.size()) + 1);
    for (size_t row = 1; row <= r.cells.size(); ++row) {
      EXPECT_EQ(grid.Cell(1, static_cast<int>(row)), r.cells[row - 1]) << "row " << row;
      // A read leaves the send column equal to what was received.
      EXPECT_EQ(grid.Cell(2, static_cast<int>(row)), r.cells[row - 1]) << "row " << row;
    }
  }
}

// The settings answer above, as the Settings page's editors show it.
TEST(RecordRead, SettingsEditorsShowTheirOwnFields) {
  EditorWorld w(false);
  TForm1& f = w.f1();
  f.UploadSettings = true;
  ASSERT_EQ(w.f2().PackSettingData(kReads[1].answer), 1);
  struct Shown {
    const char* editor;
    const char* text;
  };
  // clang-format off
  const Shown edits[] = {
      {"ebThermalCap", "45"},          {"seThrmlCurveSel", "12"},     {"seV_SymTripLev", "95"},
      {"seUnbalTripLev", "35"},        {"seUnbalTripDelay", "7"},     {"seML_CurrentTripLev", "37"},
      {"seML_TripDelay", "9"},         {"seEL_TripDelay", "750"},     {"seStartsPerHrLim", "14"},
      {"seML_SuTripDelay", "16"},      {"seRunStallTripLev", "555"},  {"seML_PwrFacTripLev", "41"},
      {"seMLC", "93"},                 {"seDF_DelTime_1", "1200"},    {"seDF_DelTime_2", "1250"},
      {"seDF_DelTime_3", "1300"},      {"seDF_DelTime_4", "1350"},    {"seDF_DelTime_5", "1400"},
      {"seDF_DelTime_6", "1450"},      {"seDF_DelTime_7", "1500"},    {"seSR_DelayTime", "1550"},
      {"seV_LimLo", "21"},             {"seV_LimHi", "23"},           {"seMLC_sec", "88"},
      {"seThrmlCurveSel_sec", "36"},   {"seRTD1Hi_TripLev", "-20"},   {"seRTD2Hi_TripLev", "45"},
      {"seRTD3Hi_TripLev", "46"},      {"seRTD4Hi_TripLev", "47"},    {"seRTD1Lo_TripLev", "220"},
      {"seRTD2Lo_TripLev", "48"},      {"seRTD3Lo_TripLev", "49"},    {"seRTD4Lo_TripLev", "50"},
      {"seCT_Prim", "150"},            {"seCT_Sec", "5"},             {"mbCT_Ratio", "150 : 5"},
  };
  // clang-format on
  for (const Shown& e : edits) {
    auto* edit = dynamic_cast<TCustomEdit*>(f.FindControl(e.editor));
    ASSERT_NE(edit, nullptr) << e.editor;
    EXPECT_EQ(edit->Text(), e.text) << e.editor;
  }
  struct Picked {
    const char* combo;
    int item;
  };
  const Picked picks[] = {{"cbStarterType", 6},
                          {"cbRTD1_Type", 1},
                          {"cbRTD2_Type", 0},
                          {"cbRTD3_Type", 2},
                          {"cbRTD4_Type", 3}};
  for (const Picked& p : picks) {
    auto* combo = dynamic_cast<TComboBox*>(f.FindControl(p.combo));
    ASSERT_NE(combo, nullptr) << p.combo;
    EXPECT_EQ(combo->ItemIndex(), p.item) << p.combo;
  }
}

}  // namespace
