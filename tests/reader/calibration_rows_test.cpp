// The Bluetooth and calibration rows and the header's identity rows: the log line each file edit
// gives, the editor it leaves, in and out of site mode; and the values' round trip through a
// saved file.
#include <gtest/gtest.h>

#include "reader/ReaderWorld.h"

using Lines = std::vector<std::string>;

namespace {

// Replaces `width` characters after the label on its first line.
void Put(Lines& lines, const std::string& label, const std::string& value, size_t width = 20) {
  for (std::string& l : lines) {
    const size_t p = l.find(label);
    if (p == std::string::npos) continue;
    std::string v = value;
    v.resize(width, ' ');
    l.replace(p + label.size(), std::min(width, l.size() - p - label.size()), v);
    return;
  }
  ADD_FAILURE() << "no line with " << label;
}

void Drop(Lines& lines, const std::string& label) {
  for (std::string& l : lines)
    if (const size_t p = l.find(label); p != std::string::npos)
      l.replace(p, label.size(), std::string(label.size(), '#'));
}

struct RowCase {
  const char* name;
  bool siteMode;
  std::function<void(Lines&)> edit;
  Lines log;
  std::function<std::string(TForm1&)> editor;
  const char* expected;
};

std::string SpinText(const TSpinEdit& s) { return s.Text(); }

}  // namespace

TEST(CalibrationRows, EachRowByItsRules) {
  // clang-format off
  const RowCase cases[] = {
      {"PIN of four letters", false, [](Lines& l) { Put(l, "| Pin Code             |", "  abcd"); }, {},
       [](TForm1& f) { return f.ebPinCode.Text(); }, "abcd"},
      {"PIN of five characters", false, [](Lines& l) { Put(l, "| Pin Code             |", "  12345"); },
       {"Bluetooth Pin Code out of range 12345 setting value changed to 5860."},
       [](TForm1& f) { return f.ebPinCode.Text(); }, "5860"},
      {"PIN with a framing character", false, [](Lines& l) { Put(l, "| Pin Code             |", "  1#2"); },
       {"Bluetooth Pin Code out of range 1#2 setting value changed to 5860."},
       [](TForm1& f) { return f.ebPinCode.Text(); }, "5860"},
      {"PIN row missing", false, [](Lines& l) { Drop(l, "| Pin Code             |"); },
       {"Bluetooth Pin Code not found. Setting value changed to 5860."},
       [](TForm1& f) { return f.ebPinCode.Text(); }, "5860"},
      {"Bluetooth section missing", false, [](Lines& l) { Drop(l, "Bluetooth Settings"); },
       {"Bluetooth Settings not found."}, [](TForm1& f) { return f.ebPinCode.Text(); }, "5860"},
      {"factor outside site mode is passed over", false,
       [](Lines& l) { Put(l, "| Voltage red           |", "  108"); }, {},
       [](TForm1& f) { return SpinText(f.seVredCorrectFact); }, "100"},
      {"factor in site mode", true, [](Lines& l) { Put(l, "| Voltage red           |", "  108"); }, {},
       [](TForm1& f) { return SpinText(f.seVredCorrectFact); }, "108"},
      {"factor beyond its spin edit", true, [](Lines& l) { Put(l, "| Current blue          |", "  121"); },
       {"Calibration I blue out of range 121 setting value changed to 100."},
       [](TForm1& f) { return SpinText(f.seIb_CorrectFact); }, "100"},
      {"factor missing in site mode", true, [](Lines& l) { Drop(l, "| Earth leakage         |"); },
       {"Calibration earth leakage not found. Setting value changed to 100."},
       [](TForm1& f) { return SpinText(f.seEarthLeakCorrectFact); }, "100"},
      {"supply 60", false, [](Lines& l) { Put(l, "| Supply frequency      |", "  60 Hz"); }, {},
       [](TForm1& f) { return std::to_string(f.cbFreqSelector.ItemIndex()) + "/" +
                              std::to_string(f.cbSetFreqSelector.ItemIndex()); }, "1/1"},
      {"supply 55", false, [](Lines& l) { Put(l, "| Supply frequency      |", "  55 Hz"); },
       {"Calibration frequency selection out of range 55 setting value changed to 50."},
       [](TForm1& f) { return std::to_string(f.cbFreqSelector.ItemIndex()); }, "0"},
      {"high limit", false, [](Lines& l) { Put(l, "| Frequency high limit  |", "  62 Hz"); }, {},
       [](TForm1& f) { return SpinText(f.seHighFreqLimit) + "/" + SpinText(f.seSetHighFreqLimit); }, "62/62"},
      {"low limit of three digits", false, [](Lines& l) { Put(l, "| Frequency low limit   |", "  045 Hz"); },
       {"Calibration frequency low limit out of range 045 setting value changed to 45."},
       [](TForm1& f) { return SpinText(f.seLowFreqLimit); }, "45"},
      {"negative offset", true, [](Lines& l) { Put(l, "| Temp 2 PT1000         |", "  -007"); }, {},
       [](TForm1& f) { return SpinText(f.seRTD2_PT1000_Offset); }, "-7"},
      {"offset with minus inside", true, [](Lines& l) { Put(l, "| Temp 3 PT100          |", "  1-2"); },
       {"Calibration temperature 3 PT100 out of range 1-2 setting value changed to 0."},
       [](TForm1& f) { return SpinText(f.seRTD3_PT100_Offset); }, "0"},
      {"offset missing", true, [](Lines& l) { Drop(l, "| Temp 4 PT1000         |"); },
       {"Calibration temperature 4 PT1000 not found. Setting value changed to 0."},
       [](TForm1& f) { return SpinText(f.seRTD4_PT1000_Offset); }, "0"},
      {"serial number outside site mode", false, [](Lines& l) { Put(l, " Serial Number : ", "00099999", 15); }, {},
       [](TForm1& f) { return f.ebSerialNumber.Text(); }, "00000000"},
      {"serial number in site mode", true, [](Lines& l) { Put(l, " Serial Number : ", "00099999", 15); }, {},
       [](TForm1& f) { return f.ebSerialNumber.Text() + "/" + f.mbSerialNum.Text(); }, "00099999/00099999"},
      {"serial number missing", true, [](Lines& l) { Drop(l, " Serial Number : "); },
       {"Serial number not found. Setting value changed to 00000000."},
       [](TForm1& f) { return f.ebSerialNumber.Text(); }, "00000000"},
      {"model 100", true, [](Lines& l) { Put(l, " Model : ", "100", 10); }, {},
       [](TForm1& f) { return std::to_string(f.cbRelayModel.ItemIndex()) + "/" + f.mbRelModel.Text(); }, "3/100"},
      {"model 20", true, [](Lines& l) { Put(l, " Model : ", "20", 10); },
       {"Relay model out of range 20 setting value changed to 5."},
       [](TForm1& f) { return std::to_string(f.cbRelayModel.ItemIndex()); }, "0"},
      {"drive ID of nine characters", false, [](Lines& l) { Put(l, " Drive ID : ", "ABCDEFGHI", 15); },
       {"Drive ID has illegal length > 8 ABCDEFGHI setting value changed to DRIVE_ID."},
       [](TForm1& f) { return f.ebDriveID.Text() + "/" + f.mbDriveID.Text(); }, "DRIVE_ID/DRIVE_ID"},
      {"drive ID with a framing character", false, [](Lines& l) { Put(l, " Drive ID : ", "P*7", 15); },
       {"Drive ID has illegal length > 8 P*7 setting value changed to DRIVE_ID."},
       [](TForm1& f) { return f.ebDriveID.Text(); }, "DRIVE_ID"},
      {"description", false, [](Lines& l) { Put(l, " Drive Description : ", "Fan 3", 25); }, {},
       [](TForm1& f) { return f.ebUserName.Text(); }, "Fan 3"},
  };
  // clang-format on
  for (const RowCase& c : cases) {
    SCOPED_TRACE(c.name);
    ReaderWorld w;
    w.f1().SiteModeActive = c.siteMode;
    Lines file = w.Baseline();
    c.edit(file);
    Lines expected = MissingSectionLines();  // the sections before these come first
    expected.insert(expected.end(), c.log.begin(), c.log.end());
    EXPECT_EQ(w.Read(file), expected);
    EXPECT_EQ(c.editor(w.f1()), c.expected);
  }
}

// Saved and opened in site mode: the calibration, Bluetooth and identity values come back.
TEST(CalibrationRows, SiteModeRoundTrip) {
  ReaderWorld w;
  TForm1& f = w.f1();
  f.SiteModeActive = true;
  f.seVredCorrectFact.UserType("107");
  f.seIw_CorrectFact.UserType("84");
  f.seRTD2_PT100_Offset.SetValue(-12);  // two characters can be typed; the arrows reach -12
  f.cbFreqSelector.UserPick(1);
  f.seLowFreqLimit.UserType("41");
  f.ebPinCode.UserType("9A1");
  f.ebSerialNumber.UserType("40751");
  f.cbRelayModel.UserPick(4);
  const std::string path = w.SaveFile();

  TStringList saved;
  saved.LoadFromFile(path);
  const Lines file = saved.Lines();

  ReaderWorld other;
  TForm1& g = other.f1();
  g.SiteModeActive = true;
  const Lines log = other.Read(file);
  EXPECT_EQ(log, MissingSectionLines());
  EXPECT_EQ(g.seVredCorrectFact.Value(), 107);
  EXPECT_EQ(g.seIw_CorrectFact.Value(), 84);
  EXPECT_EQ(g.seRTD2_PT100_Offset.Value(), -12);
  EXPECT_EQ(g.cbFreqSelector.ItemIndex(), 1);
  EXPECT_EQ(g.seLowFreqLimit.Value(), 41);
  EXPECT_EQ(g.ebPinCode.Text(), "9A1");
  EXPECT_EQ(g.ebSerialNumber.Text(), "00040751");
  EXPECT_EQ(g.cbRelayModel.ItemIndex(), 4);
  EXPECT_EQ(FormVariableTable->Grid(wire::RecordId::Calibration).Cell(2, 13), "-012");
  EXPECT_EQ(FormVariableTable->Grid(wire::RecordId::Bluetooth).Cell(2, 1), "9A1 ");
  EXPECT_EQ(FormVariableTable->Grid(wire::RecordId::Identity).Cell(2, 2), "00040751");
}
