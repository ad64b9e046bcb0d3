// The settings file reader over files of the older 153-line form written by hand: the editors,
// the send column, the control bytes and the log lines they leave.
#include <gtest/gtest.h>

#include "editors/LegacyLines.h"
#include "link/CommSetup.h"
#include "main/LegacyControl.h"
#include "reader/ReaderWorld.h"
#include "support/LegacyFiles.h"
#include "wire/VoltageLists.h"

namespace {

using Lines = std::vector<std::string>;

const Lines kOpened = {
    "Old VUMA file being opened",
    "ESTOP, external input delays, device ID and description needs to be assigned."};

Lines With(Lines lines, int index, const std::string& text) {
  lines[static_cast<size_t>(index)] = text;
  return lines;
}

int ValueOf(TForm1& f, const editors::legacy::LegacyLine& line) {
  TControl& c = line.Control(f);
  if (auto* s = dynamic_cast<TSpinEdit*>(&c)) return s->Value();
  if (auto* b = dynamic_cast<TComboBox*>(&c)) return b->ItemIndex();
  return StrToInt(static_cast<TEdit&>(c).Text());
}

std::string Cell(ReaderWorld& w, wire::RecordId grid, int row) {
  return w.vt().Grid(grid).Cell(2, row);
}

TEST(LegacyReader, ValidFileFillsEditorsSendColumnAndControlBytes) {
  ReaderWorld w;
  TForm1& f = w.f1();
  f.ActControl_D = 0xE0;  // bits 5 to 7 of D: no switch of the older form touches them
  f.cbInsClass.SetChecked(false);

  EXPECT_EQ(w.Read(kLegacyFile), kOpened);
  EXPECT_TRUE(w.logShown);
  EXPECT_EQ(FrmFileDialog->LblFileDiagMemoLineCounter.Caption(), "153");

  // Every editor holds its line's number (the voltage line: the same voltage, 525V).
  const auto lines = editors::legacy::Lines();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!lines[i].Control || static_cast<int>(i) == editors::legacy::kVoltageLine) continue;
    SCOPED_TRACE(lines[i].Name);
    EXPECT_EQ(ValueOf(f, lines[i]), StrToInt(kLegacyFile[i]));
  }
  // The lines reach the editors they name, and the send column follows.
  struct Expect {
    wire::RecordId grid;
    int row;
    const char* cell;
  };
  // clang-format off
  const Expect cells[] = {
      {wire::RecordId::Settings, 22, "072"},     // line 0, MLC
      {wire::RecordId::Settings, 16, "055"},     // line 4, reset threshold
      {wire::RecordId::Settings, 3, "003"},      // line 5, 525V
      {wire::RecordId::Settings, 33, "011"},     // line 6, low limit
      {wire::RecordId::Settings, 34, "013"},     // line 7, high limit
      {wire::RecordId::Settings, 11, "00250"},   // line 21, earth leakage level
      {wire::RecordId::Settings, 23, "015"},     // line 26, hold-off
      {wire::RecordId::Settings, 32, "007"},     // line 35, starter type
      {wire::RecordId::Settings, 41, "-005"},    // line 124, RTD1 low trip
      {wire::RecordId::Settings, 50, "00300"},   // line 143, CT primary
      {wire::RecordId::Logic, 1, "170"},         // line 36, LF1 table
      {wire::RecordId::Logic, 29, "021"},        // line 64, timer B start
      {wire::RecordId::Logic, 53, "080"},        // line 92, TC warning
      {wire::RecordId::StartConf, 1, "004"}, // line 93, selector lsb
      {wire::RecordId::StartConf, 2, "006"}, // line 94, selector msb
      {wire::RecordId::StartConf, 30, "040"},// line 122, feedback
  };
  // clang-format on
  for (const Expect& e : cells) {
    SCOPED_TRACE(std::to_string(e.row));
    EXPECT_EQ(Cell(w, e.grid, e.row), e.cell);
  }
  EXPECT_EQ(f.cbVSelector.Text(), "    525V");
  EXPECT_EQ(f.ActLF1_Table, 170);
  EXPECT_EQ(f.ActLF6_Table, 128);

  // Control bytes: the file's low eight bits; switches follow them, bits without one keep theirs.
  EXPECT_EQ(LegacyControl_A, 5);
  EXPECT_EQ(LegacyControl_B, 133);
  EXPECT_EQ(LegacyControl_C, 146);
  EXPECT_EQ(LegacyControl_D, 25);
  EXPECT_TRUE(f.cbMinLoad_Sel.Checked());
  EXPECT_FALSE(f.cbUV_Sel.Checked());
  EXPECT_TRUE(f.cbOV_Sel.Checked());
  EXPECT_FALSE(f.cbSCirc_Sel.Checked());
  EXPECT_TRUE(f.cbSP_Sel.Checked());
  EXPECT_EQ(f.rgUC_PF_Select.ItemIndex(), 1);
  EXPECT_TRUE(f.cbDynTC_ResetTH_Adj_Sel.Checked());
  EXPECT_TRUE(f.cbV_PhaseRotReverse.Checked());
  EXPECT_EQ(f.rgMTR_Select.ItemIndex(), 1);
  EXPECT_TRUE(f.cbRTD1_Sel.Checked());
  EXPECT_FALSE(f.cbRTD2_Sel.Checked());
  EXPECT_TRUE(f.cbRTD4_Sel.Checked());
  EXPECT_FALSE(f.cbInsClass.Checked());
  EXPECT_EQ(f.ActControl_A, 5);
  EXPECT_EQ(f.ActControl_B, 133);
  EXPECT_EQ(f.ActControl_C & 0x7F, 146 & 0x7F);
  EXPECT_EQ(f.ActControl_D, 0xE0 | 9);
  EXPECT_EQ(Cell(w, wire::RecordId::Settings, 9), "005");
  EXPECT_EQ(Cell(w, wire::RecordId::Settings, 45), std::to_string(0xE0 | 9));

  // Starter type 7: two speeds.
  EXPECT_TRUE(f.gbLowSpeed.Visible());
  EXPECT_EQ(f.gbHighSpeed.Caption(), " High Speed Motor Setting ");
}

TEST(LegacyReader, ReadTwiceGivesTheSameEditors) {
  ReaderWorld w;
  w.Read(kLegacyFile);
  const std::string once = Cell(w, wire::RecordId::Settings, 10) +
                           Cell(w, wire::RecordId::Logic, 1) + Cell(w, wire::RecordId::Comms, 1);
  EXPECT_EQ(w.Read(kLegacyFile), kOpened);
  EXPECT_EQ(Cell(w, wire::RecordId::Settings, 10) + Cell(w, wire::RecordId::Logic, 1) +
                Cell(w, wire::RecordId::Comms, 1),
            once);
}

// A line that must hold a number and does not: nothing changes, the log names the line.
TEST(LegacyReader, LineThatIsNoNumberRefusesTheWholeFile) {
  struct Case {
    int index;
    const char* text;
    const char* log;
  };
  // clang-format off
  const Case cases[] = {
      {0, "abc", "Old VUMA file not read: line 1 \"abc\" is not a number."},
      {16, "1.5", "Old VUMA file not read: line 17 \"1.5\" is not a number."},
      {20, "", "Old VUMA file not read: line 21 \"\" is not a number."},
      {36, "x", "Old VUMA file not read: line 37 \"x\" is not a number."},
      {100, "5a", "Old VUMA file not read: line 101 \"5a\" is not a number."},
      {152, "99999999999", "Old VUMA file not read: line 153 \"99999999999\" is not a number."},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    ReaderWorld w;
    TForm1& f = w.f1();
    LegacyControl_A = 0x42;
    const std::string mlc = Cell(w, wire::RecordId::Settings, 22);
    EXPECT_EQ(w.Read(With(kLegacyFile, c.index, c.text)), Lines{c.log});
    EXPECT_TRUE(w.logShown);
    EXPECT_EQ(f.seMLC.Value(), 55);
    EXPECT_EQ(Cell(w, wire::RecordId::Settings, 22), mlc);
    EXPECT_EQ(LegacyControl_A, 0x42);
  }
}

// A value that does not fit its editor: logged, and the editor's default takes its place; the
// other lines are read as usual.
TEST(LegacyReader, UnfittingValueIsLoggedAndDefaulted) {
  struct Case {
    int index;
    const char* text;
    const char* log;
    std::function<void(ReaderWorld&)> check;
  };
  // clang-format off
  const Case cases[] = {
      {0, "5", "MLC out of range 5 setting value changed to 30.",
       [](ReaderWorld& w) { EXPECT_EQ(Cell(w, wire::RecordId::Settings, 22), "030"); }},
      // Four digits in a two-digit field would make the next settings write malformed.
      {4, "1234", "Reset threshold out of range 1234 setting value changed to 70.",
       [](ReaderWorld& w) {
         EXPECT_EQ(w.f1().ebTC_ResetThreshold.Text(), "70");
         EXPECT_EQ(Cell(w, wire::RecordId::Settings, 16), "070");
       }},
      {21, "1,5", "EL trip lev out of range 1,5 setting value changed to 150.",
       [](ReaderWorld& w) { EXPECT_EQ(Cell(w, wire::RecordId::Settings, 11), "00150"); }},
      {26, "201", "RS holdoff delay out of range 201 setting value changed to 0.",
       [](ReaderWorld& w) { EXPECT_EQ(Cell(w, wire::RecordId::Settings, 23), "000"); }},
      {5, "11", "Voltage selection out of range 11 setting value changed to 110V.",
       [](ReaderWorld& w) { EXPECT_EQ(Cell(w, wire::RecordId::Settings, 3), "000"); }},
      {13, "-1", "ML restart delay out of range -1 setting value changed to Manual.",
       [](ReaderWorld& w) { EXPECT_EQ(w.f1().cbML_TimeSelector.ItemIndex(), 0); }},
      {35, "12", "Starter type out of range 12 setting value changed to Protection Relay.",
       [](ReaderWorld& w) {
         EXPECT_EQ(Cell(w, wire::RecordId::Settings, 32), "000");
         EXPECT_FALSE(w.f1().gbLowSpeed.Visible());
         EXPECT_EQ(w.f1().gbHighSpeed.Caption(), " Motor Full Load Setting ");
       }},
      {36, "256", "LF1 table out of range 256 setting value changed to 0.",
       [](ReaderWorld& w) {
         EXPECT_EQ(Cell(w, wire::RecordId::Logic, 1), "000");
         EXPECT_EQ(w.f1().ActLF1_Table, 0);
       }},
      {37, "131", "LF1_Input A out of range 131 setting value changed to Zero ('0').",
       [](ReaderWorld& w) { EXPECT_EQ(Cell(w, wire::RecordId::Logic, 2), "000"); }},
      {92, "101", "TC warn lev out of range 101 setting value changed to 70.",
       [](ReaderWorld& w) { EXPECT_EQ(Cell(w, wire::RecordId::Logic, 53), "070"); }},
      {123, "-31", "RTD1 hi trip lev out of range -31 setting value changed to 60.",
       [](ReaderWorld& w) { EXPECT_EQ(Cell(w, wire::RecordId::Settings, 37), "060"); }},
      {143, "0", "CT prim out of range 0 setting value changed to 1.",
       [](ReaderWorld& w) { EXPECT_EQ(Cell(w, wire::RecordId::Settings, 50), "00001"); }},
      // The address range follows the protocol of line 145: CANbus takes 0 to 126.
      {146, "200", "Comms addr out of range 200 setting value changed to 0.",
       [](ReaderWorld& w) { EXPECT_EQ(w.f1().seCommsAddr.Value(), 0); }},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    ReaderWorld w;
    Lines log = {c.log};
    log.insert(log.end(), kOpened.begin(), kOpened.end());
    EXPECT_EQ(w.Read(With(kLegacyFile, c.index, c.text)), log);
    c.check(w);
    EXPECT_EQ(w.f1().seMLC_sec.Value(), 64);  // the lines around it are read as usual
    EXPECT_EQ(w.f1().seCommsSettingBaseAddr.Value(), 3000);
  }
}

// Line 5 counts in the older 11-item list; the box may hold the 26-item list of an extended
// relay, where the same voltage stands elsewhere.
TEST(LegacyReader, VoltageLineIsMatchedByVoltageInEitherList) {
  struct Case {
    bool extended;
    const char* line;
    int item;
    const char* text;
    const char* code;
  };
  // clang-format off
  const Case cases[] = {
      {false, "0", 0, "    110V", "000"},
      {false, "3", 3, "    525V", "003"},
      {false, "10", 10, "11k / 110V", "010"},
      {true, "0", 0, "    110V", "000"},
      {true, "1", 10, "    380V", "001"},
      {true, "3", 16, "    525V", "003"},
      {true, "7", 22, "   1100V", "007"},
      {true, "10", 25, "11k / 110V", "010"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.extended ? "extended " : "older ") + c.line);
    ReaderWorld w(c.extended ? "Rev 4e" : "Rev 4d");
    wire::FillVoltageList(w.f1().cbVSelector, c.extended);
    Form2->ExtendedVoltSelEn = c.extended;
    EXPECT_EQ(w.Read(With(kLegacyFile, editors::legacy::kVoltageLine, c.line)), kOpened);
    EXPECT_EQ(w.f1().cbVSelector.ItemIndex(), c.item);
    EXPECT_EQ(w.f1().cbVSelector.Text(), c.text);
    EXPECT_EQ(Cell(w, wire::RecordId::Settings, 3), c.code);
  }
}

// Starter types that the handler shows with a low-speed group keep it after the read.
TEST(LegacyReader, SpeedGroupsFollowTheStarterType) {
  struct Case {
    const char* type;
    bool lowSpeed;
    const char* caption;
  };
  const Case cases[] = {{"0", false, " Motor Full Load Setting "},
                        {"5", true, " High Speed Motor Setting "},
                        {"8", true, " High Speed Motor Setting "},
                        {"9", false, " Motor Full Load Setting "}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    ReaderWorld w;
    w.Read(With(kLegacyFile, 35, c.type));
    EXPECT_EQ(w.f1().gbLowSpeed.Visible(), c.lowSpeed);
    EXPECT_EQ(w.f1().gbHighSpeed.Caption(), c.caption);
  }
}

}  // namespace
