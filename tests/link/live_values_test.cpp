// The actual values record on the main window: revision gate and voltage list, value boxes and
// their colours, gauges and scales, derived values (line voltage, insulation, true current, time
// to trip, powers), temperature boxes by sensor type, model code, product number, and refusal.
#include <gtest/gtest.h>

#include "wire/Numeric.h"
#include "wire/VoltageLists.h"
#include "platform/rtl/SysUtils.h"
#include "support/LiveWorld.h"

using namespace wire;

namespace {

struct LiveValues : ::testing::Test, LiveWorld {};

// Status bytes: motor in service and all voltages present, so the powers are worked out.
void Running(LiveWorld& lw) { lw.FeedStatusValues({{0, 1}, {1, 1}}); }

}  // namespace

TEST_F(LiveValues, RevisionGateSwitchesTheVoltageList) {
  struct Case {
    const char* rev;
    bool extended;
  };
  const Case cases[] = {{"4e", true},  {"4f", true},  {"5a", true},  {"9z", true},  {"4E", false},
                        {"4d", false}, {"39", false}, {"00", false}, {"3b", false}, {"4 ", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rev);
    relay.Revision = c.rev;
    ASSERT_EQ(FeedActual(), 1);
    EXPECT_EQ(f1.mbSW_Rev.Text(), std::string("Rev ") + c.rev);
    EXPECT_EQ(f2.ExtendedVoltSelEn, c.extended);
    ASSERT_EQ(f1.cbVSelector.Items.Count(), c.extended ? 26 : 11);
    EXPECT_EQ(f1.cbVSelector.Items[c.extended ? 22 : 7], c.extended ? "   1100V" : "    1k1V");
  }
}

TEST_F(LiveValues, SameClassTwiceRebuildsNothing) {
  relay.Revision = "4e";
  ASSERT_EQ(FeedActual(), 1);
  f1.cbVSelector.SetItemIndex(16);
  relay.Revision = "5a";  // another revision of the same class
  ASSERT_EQ(FeedActual(), 1);
  EXPECT_EQ(f1.cbVSelector.ItemIndex(), 16);  // a rebuild would have dropped the selection
  relay.Revision = "3b";
  ASSERT_EQ(FeedActual(), 1);
  EXPECT_EQ(f1.cbVSelector.ItemIndex(), -1);
  EXPECT_EQ(f1.cbVSelector.Items.Count(), 11);
  f1.cbVSelector.SetItemIndex(3);
  ASSERT_EQ(FeedActual(), 1);
  EXPECT_EQ(f1.cbVSelector.ItemIndex(), 3);
}

TEST_F(LiveValues, SecondRevisionCharacterIsNotChecked) {
  for (char c : {'x', ' ', '0', '\x01'}) {
    std::string a = relay.ActualRecord();
    a[100] = c;
    EXPECT_EQ(f2.PackActualData(a), 1);
    EXPECT_EQ(f1.mbSW_Rev.Text(), std::string("Rev 3") + c);
  }
}

TEST_F(LiveValues, NonDigitRefusesAndChangesNothing) {
  relay.Revision = "3b";
  ASSERT_EQ(FeedActual(), 1);
  const std::string good = relay.ActualRecord();
  // An answer that would change the list, the revision and the boxes, but for one character.
  relay.Revision = "5a";
  relay.Actual.IRed = 7;
  const std::string changed = relay.ActualRecord();
  for (int pos : {3, 14, 50, 99, 100}) {
    SCOPED_TRACE(pos);
    std::string bad = changed;
    bad[static_cast<size_t>(pos - 1)] = 'x';
    EXPECT_EQ(f2.PackActualData(bad), 0);
    EXPECT_EQ(f1.mbSW_Rev.Text(), "Rev 3b");
    EXPECT_FALSE(f2.ExtendedVoltSelEn);
    EXPECT_EQ(f1.mbIR_Level.Text(), "80");
  }
  // Shorter or longer texts handed over directly are ignored as well.
  ShowActualValues(f2, f1, good.substr(0, 60));
  ShowActualValues(f2, f1, good + "0");
  EXPECT_EQ(f1.mbIR_Level.Text(), "80");
}

TEST_F(LiveValues, ThermalCapacityColours) {
  struct Case {
    int capacity;
    TColor colour;
    double gauge;
  };
  const Case cases[] = {{0, clLime, 0},     {69, clLime, 69},   {70, clYellow, 70},
                        {89, clYellow, 89}, {90, clRed, 90},    {100, clRed, 100},
                        {69, clLime, 69},   {101, clLime, 100}, {255, clLime, 100},
                        {70, clYellow, 70}, {300, clLime, 44}};  // 300 is kept as 44
  for (const Case& c : cases) {
    SCOPED_TRACE(c.capacity);
    relay.Actual.ThermalCap = c.capacity;
    ASSERT_EQ(FeedActual(), 1);
    EXPECT_EQ(f1.mbThermalCap.Color(), c.colour);  // above 100 the colour stays as it was
    EXPECT_EQ(f1.iagThermalCap.Position(), c.gauge);
    EXPECT_EQ(f1.mbThermalCap.Text(), c.capacity == 300 ? "44" : std::to_string(c.capacity));
  }
}

TEST_F(LiveValues, HighestCurrentScaleColourAndTimeToTrip) {
  struct Case {
    int current, curve, capacity;
    const char* boxColourName;
    TColor boxColour;
    double gaugeMax;
    int ticks;
    const char* timeToTrip;
    TColor tripColour;
  };
  // clang-format off
  const Case cases[] = {
      {0, 10, 0, "window", clWindow, 120, 13, "Infinite", clLime},
      {15, 10, 0, "window", clWindow, 120, 13, "Infinite", clLime},
      {16, 10, 0, "lime", clLime, 120, 13, "Infinite", clLime},
      {100, 10, 0, "lime", clLime, 120, 13, "Infinite", clLime},
      {101, 10, 0, "yellow", clYellow, 120, 13, "1394", clYellow},
      {120, 10, 0, "yellow", clYellow, 120, 13, "421", clYellow},
      {121, 10, 0, "yellow", clYellow, 1000, 6, "408", clYellow},
      {101, 255, 0, "yellow", clYellow, 120, 13, "35549", clYellow},  // 35.5 s per curve unit, not 35.49
      {200, 10, 0, "yellow", clYellow, 1000, 6, "102", clYellow},
      {200, 10, 50, "yellow", clYellow, 1000, 6, "51", clYellow},
      {200, 10, 100, "yellow", clYellow, 1000, 6, "0", clYellow},
      {200, 0, 0, "yellow", clYellow, 1000, 6, "0", clYellow},
      {70000, 10, 0, "yellow", clYellow, 1000, 6, "0", clYellow},  // kept as 4464
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.current);
    SCOPED_TRACE(c.capacity);
    relay.Actual.IMax = c.current;
    relay.Actual.ThermalCurve = c.curve;
    relay.Actual.ThermalCap = c.capacity;
    ASSERT_EQ(FeedActual(), 1);
    const int kept = c.current & 0xFFFF;
    EXPECT_EQ(f1.ActI_Load, kept);
    EXPECT_EQ(f1.mbImaxLevel.Text(), std::to_string(kept));
    EXPECT_EQ(f1.mbImaxLevel.Color(), c.boxColour) << c.boxColourName;
    EXPECT_EQ(f1.iAgI_Load.PositionMax, c.gaugeMax);
    EXPECT_EQ(f1.iAgI_Load.TickMajorCount, c.ticks);
    EXPECT_EQ(f1.iAgI_Load.Position(), std::min<double>(kept, c.gaugeMax));
    EXPECT_EQ(f1.mbTimeToTrip.Text(), c.timeToTrip);
    EXPECT_EQ(f1.mbTimeToTrip.Color(), c.tripColour);
  }
}

TEST_F(LiveValues, PhaseCurrentsReachCalibrationEditsAndTrend) {
  SetNowProvider([] { return 45000.5; });
  relay.Actual.IRed = 99999;  // kept whole
  relay.Actual.IWhite = 0;
  relay.Actual.IBlue = 123;
  relay.Actual.VRed = 401;
  relay.Actual.VWhite = 402;
  relay.Actual.VBlue = 403;
  relay.Actual.EarthLeakage = 2500;
  ASSERT_EQ(FeedActual(), 1);
  SetNowProvider(nullptr);
  const std::pair<TEdit*, TEdit*> pairs[] = {
      {&f1.mbIR_Level, &f1.ebIR_Level}, {&f1.mbIW_Level, &f1.ebIW_Level},
      {&f1.mbIB_Level, &f1.ebIB_Level}, {&f1.mbVR_Level, &f1.ebActVr},
      {&f1.mbVW_Level, &f1.ebActVw},    {&f1.mbVB_Level, &f1.ebActVb},
      {&f1.mbEarthLeakage, &f1.ebActEL}};
  const char* expected[] = {"99999", "0", "123", "401", "402", "403", "2500"};
  for (size_t i = 0; i < std::size(pairs); ++i) {
    EXPECT_EQ(pairs[i].first->Text(), expected[i]);
    EXPECT_EQ(pairs[i].second->Text(), expected[i]);
  }
  ASSERT_EQ(f1.iPlot2.ChannelCount(), 3);
  const double y[] = {99999, 0, 123};
  for (int ch = 0; ch < 3; ++ch) {
    const auto& pts = f1.iPlot2.GetChannel(ch).Points;
    ASSERT_EQ(pts.size(), 1u);
    EXPECT_EQ(pts.back().first, 45000.5);
    EXPECT_EQ(pts.back().second, y[ch]);
  }
  EXPECT_EQ(f1.iPlot2.GetChannel(0).Title, "Red");
  EXPECT_EQ(f1.iPlot2.GetChannel(2).Title, "Blue");
  // Its time axis is labelled with the clock time of the samples, not their day numbers.
  EXPECT_EQ(FormatDateTime(f1.iPlot2.XLabelFormat, 46367.0 + (14 * 3600 + 3 * 60 + 27) / 86400.0),
            "14:03:27");
}

TEST_F(LiveValues, PlainBoxesAndKeptWidths) {
  relay.Actual.ThermalCurve = 300;  // 8 bits: 44
  relay.Actual.Unbalance = 999;     // whole
  relay.Actual.VoltSym = 7;
  relay.Actual.PowerFactor = 257;  // 8 bits: 1
  relay.Actual.Frequency = 60;
  relay.Actual.RunHours = 65536;  // whole
  relay.Actual.MLC = 256 + 90;    // 8 bits: 90 (the field is 3 digits: 346)
  ASSERT_EQ(FeedActual(), 1);
  EXPECT_EQ(f1.mbThermalCurve.Text(), "44");
  EXPECT_EQ(f1.ActThermalCurve, 44);
  EXPECT_EQ(f1.mbUnbalance.Text(), "999");
  EXPECT_EQ(f1.mbVSym.Text(), "7");
  EXPECT_EQ(f1.mbPowerFactor.Text(), "1");
  EXPECT_EQ(f1.ActPowerFactor, 1);
  EXPECT_EQ(f1.mbFrequency.Text(), "60");
  EXPECT_EQ(f1.mbMotorRunHrCntr.Text(), "65536");
  EXPECT_EQ(f1.ActMLC, 90);
}

TEST_F(LiveValues, VoltageCodeSetsScalesOfGaugeAndSliders) {
  struct Case {
    int code;
    const char* text;
    double maximum;
    int ticks;
    double end1, end2;
  };
  // clang-format off
  const Case cases[] = {
      {0, "110V", 100, 11, 57, 70},        {7, "1100V", 800, 9, 572, 699},    {8, "3k3/110V", 2500, 6, 1715, 1886},
      {9, "6k6/110V", 5000, 6, 3429, 3772}, {10, "11k/110V", 8000, 9, 5715, 6986}, {11, "120V", 300, 11, 197, 242},
      {20, "415V", 400, 9, 273, 333},      {24, "600V", 500, 6, 353, 432},    {25, "1050V", 800, 9, 572, 699},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    relay.VoltageCode = c.code;
    ASSERT_EQ(FeedActual(), 1);
    EXPECT_EQ(f1.mbVSelect.Text(), c.text);
    for (TiSlider* s : {&f1.isSimVred, &f1.isSimVwhite, &f1.isSimVblue})
      EXPECT_EQ(s->PositionMax(), c.maximum);
    EXPECT_EQ(f1.iAgPhaseVolt.PositionMax, c.maximum);
    EXPECT_EQ(f1.iAgPhaseVolt.TickMajorCount, c.ticks);
    ASSERT_GE(f1.iAgPhaseVolt.Sections.size(), 2u);
    EXPECT_EQ(f1.iAgPhaseVolt.Sections[0].End, c.end1);
    EXPECT_EQ(f1.iAgPhaseVolt.Sections[1].End, c.end2);
  }
  // An unknown code leaves everything as the last known one set it; 256 is kept as 0.
  for (int code : {26, 255}) {
    relay.VoltageCode = code;
    ASSERT_EQ(FeedActual(), 1);
    EXPECT_EQ(f1.mbVSelect.Text(), "1050V");
    EXPECT_EQ(f1.isSimVred.PositionMax(), 800);
    EXPECT_EQ(f1.iAgPhaseVolt.PositionMax, 800);
  }
  relay.VoltageCode = 256;
  ASSERT_EQ(FeedActual(), 1);
  EXPECT_EQ(f1.mbVSelect.Text(), "110V");
}

TEST_F(LiveValues, HighestVoltageAndLineVoltage) {
  struct Case {
    int code, vmax;
    double gauge;
    const char* line;
  };
  // clang-format off
  const Case cases[] = {
      {2, 400, 300, "693"},    // 692.82; the needle stops at the scale's end
      {2, 231, 231, "400"},    // 400.10
      {0, 0, 0, "0"},
      {0, 65536 + 110, 100, "191"},  // kept as 110: 190.53
      {10, 6600, 6600, "11432"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.vmax);
    relay.VoltageCode = c.code;
    relay.Actual.VMax = c.vmax;
    ASSERT_EQ(FeedActual(), 1);
    EXPECT_EQ(f1.mbVmaxLevel.Text(), std::to_string(c.vmax & 0xFFFF));
    EXPECT_EQ(f1.ActMaxVolt, c.vmax & 0xFFFF);
    EXPECT_EQ(f1.iAgPhaseVolt.Position(), c.gauge);
    EXPECT_EQ(f1.mbLineVoltMax.Text(), c.line);
  }
}

TEST_F(LiveValues, InsulationResistance) {
  struct Case {
    int count;
    double resistance;
    const char* text;
  };
  // clang-format off
  const Case cases[] = {
      {0, 199.48, "Infinite "}, {292, 79.9936, "80"}, {291, 80.4028, "Infinite "},
      {300, 76.72, "77"},       {487, 0.1996, "0"},   {488, 0, "0"},
      {99999, 0, "0"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.count);
    relay.Actual.Insulation = c.count;
    ASSERT_EQ(FeedActual(), 1);
    EXPECT_NEAR(f1.ActIsolation, c.resistance, 1e-9);
    EXPECT_GE(f1.ActIsolation, 0);
    EXPECT_EQ(f1.mbIsolationResistance.Text(), c.text);
  }
}

TEST_F(LiveValues, ModelCodeFallsBackToFive) {
  struct Case {
    int code;
    uint16_t rating;
    const char* text;
  };
  const Case cases[] = {{0, 5, "005"},   {1, 10, "010"}, {2, 50, "050"}, {3, 100, "100"},
                        {4, 300, "300"}, {5, 5, "005"},  {7, 5, "005"},  {999, 5, "005"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    relay.Actual.ModelCode = c.code;
    ASSERT_EQ(FeedActual(), 1);
    EXPECT_EQ(f1.ActRelayModalNum, c.rating);
    EXPECT_EQ(f1.mbRelModel.Text(), c.text);
  }
}

TEST_F(LiveValues, TemperatureBoxesBySensorType) {
  struct Case {
    int type;  // item of the sensor type box, -1 none
    int raw;
    const char* text;
    TColor colour;
  };
  // clang-format off
  const Case cases[] = {
      {0, 0, "-30", clRed},    {0, 250, "220", clRed},   {0, 55, "25", clWindow}, {1, 30, "0", clWindow},
      {3, 251, "221", clWindow}, {1, 0, "-30", clRed},   {3, 999, "969", clWindow}, {2, 0, "", clWindow},
      {2, 55, "", clWindow},   {-1, 250, "", clWindow},
  };
  // clang-format on
  TComboBox* types[] = {&f1.cbRTD1_Type, &f1.cbRTD2_Type, &f1.cbRTD3_Type, &f1.cbRTD4_Type};
  TEdit* boxes[] = {&f1.mbRTD1_Lev, &f1.mbRTD2_Lev, &f1.mbRTD3_Lev, &f1.mbRTD4_Lev};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.raw);
    SCOPED_TRACE(c.type);
    // Each input follows its own type box: the case on one input, PT100 with 055 on the others.
    for (int input = 0; input < 4; ++input) {
      for (int i = 0; i < 4; ++i) {
        types[i]->SetItemIndex(i == input ? c.type : 0);
        relay.Actual.Temperature[static_cast<size_t>(i)] = i == input ? c.raw : 55;
      }
      ASSERT_EQ(FeedActual(), 1);
      for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(boxes[i]->Text(), i == input ? c.text : "25");
        EXPECT_EQ(boxes[i]->Color(), i == input ? c.colour : clWindow);
      }
    }
  }
}

TEST_F(LiveValues, ProductNumberKeptForTheProductCheck) {
  for (auto [sent, shown] : {std::pair{4, "4"}, {5, "5"}, {0, "0"}, {260, "4"}}) {
    relay.ProductId = sent;
    ASSERT_EQ(FeedActual(), 1);
    EXPECT_EQ(f1.LabelProdID.Caption(), shown);
    EXPECT_FALSE(f1.LabelProdID.Visible());
  }
}

TEST_F(LiveValues, TrueCurrentAndPowers) {
  struct Case {
    bool running;
    double ctRatio;
    int current, model, mlc, vmax, powerFactor;
    double trueCurrent;
    int precision;
    const char* apparent;
    const char* real;
  };
  // clang-format off
  const Case cases[] = {
      {true, 0, 100, 0, 100, 230, 85, 0, 2, "0", "0"},            // before any settings read
      {true, 1, 100, 0, 100, 230, 85, 5, 2, "3.4", "2.9"},        // 34.5 and 29.325 round to 34 and 29
      {true, 1, 100, 0, 100, 210, 90, 5, 2, "3.2", "2.8"},        // 31.5 to 32; 28.35 to 28
      {true, 2, 100, 0, 100, 400, 100, 10, 2, "12", "12"},        // whole numbers show without a point
      {true, 40, 120, 4, 50, 400, 85, 7200, 0, "8640", "7344"},
      {false, 40, 120, 4, 50, 400, 85, 7200, 0, "0", "0"},         // not running: no power
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.vmax);
    SCOPED_TRACE(c.ctRatio);
    if (c.running)
      Running(*this);
    else
      FeedStatusValues({{0, 1}});  // in service, but a voltage missing
    f1.ActCT_Ratio = c.ctRatio;
    relay.Actual.IMax = c.current;
    relay.Actual.ModelCode = c.model;
    relay.Actual.MLC = c.mlc;
    relay.Actual.VMax = c.vmax;
    relay.Actual.PowerFactor = c.powerFactor;
    relay.VoltageCode = 2;
    ASSERT_EQ(FeedActual(), 1);
    EXPECT_DOUBLE_EQ(f1.ActTrueCurrent, c.trueCurrent);
    EXPECT_EQ(f1.iadTrueCurrent.Value(), f1.ActTrueCurrent);
    EXPECT_EQ(f1.iadTrueCurrent.Precision, c.precision);
    EXPECT_EQ(f1.mbApPower.Text(), c.apparent);
    EXPECT_EQ(f1.mbRealPower.Text(), c.real);
  }
}

TEST_F(LiveValues, PowersUseTheCurrentDecimalSeparator) {
  Running(*this);
  f1.ActCT_Ratio = 1;
  relay.Actual.IMax = 100;
  relay.Actual.ModelCode = 0;
  relay.Actual.MLC = 100;
  relay.Actual.VMax = 230;
  const char saved = FormatSettings.DecimalSeparator;
  FormatSettings.DecimalSeparator = ',';
  ASSERT_EQ(FeedActual(), 1);
  FormatSettings.DecimalSeparator = saved;
  EXPECT_EQ(f1.mbApPower.Text(), "3,4");
}

TEST(VoltageLists, CodesAndItemsTranslateBothWays) {
  for (int code = 0; code < kVoltageCodeCount; ++code) {
    const int item = VoltageItemOfCode(code);
    EXPECT_EQ(VoltageCodeOfItem(item), code);
    // The long list names the voltage the selection box shows (blanks aside, "1k1" as "1100").
    std::string name = wire::kExtendedList[static_cast<size_t>(item)].Name;
    name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
    EXPECT_EQ(name, kVoltageSelections[static_cast<size_t>(code)].LiveText);
    if (code < 11) {
      std::string shortName = wire::kShortList[static_cast<size_t>(code)].Name;
      shortName.erase(std::remove(shortName.begin(), shortName.end(), ' '), shortName.end());
      EXPECT_EQ(shortName == "1k1V" ? "1100V" : shortName,
                kVoltageSelections[static_cast<size_t>(code)].LiveText);
    }
  }
  EXPECT_EQ(VoltageItemOfCode(26), 0);
  EXPECT_EQ(VoltageCodeOfItem(26), 0);
  EXPECT_EQ(VoltageCodeOfItem(-1), 0);
  EXPECT_EQ(VoltageCodeOfItem(22), 7);
  EXPECT_EQ(VoltageItemOfCode(20), 12);
}
