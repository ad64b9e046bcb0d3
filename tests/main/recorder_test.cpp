// The recorder: what one sample reads from the boxes, lamps and PLC grid, the arming tick, the
// ring of 3000 points, the group check boxes, a box that holds no number, and the clear button.
#include <gtest/gtest.h>

#include <functional>

#include "main/PageRefresh.h"
#include "support/ShellWorld.h"

namespace {

// The program with the port open and nothing on the line: only the test writes the live controls.
struct RecorderWorld {
  ShellWorld w{false};
  TForm1& f = w.f1();
  TiPlot& plot = f.iPlot1;
  RecorderWorld() { w.OpenIdle(60000); }
  void Tick() { w.hb.RunFor(500); }
  size_t Points(int channel) const { return plot.GetChannel(channel).Points.size(); }
  double Last(int channel) const { return plot.GetChannel(channel).Points.back().second; }
};

TEST(Recorder, ChannelTitlesInTheirPlaces) {
  RecorderWorld r;
  ASSERT_EQ(r.plot.ChannelCount(), 120);
  // clang-format off
  const std::pair<int, const char*> titles[] = {
      {0, "V_red"},         {3, "ThermalCap"},  {8, "EL Level"},       {9, "DF_01"},      {23, "DF_15"},
      {24, "Relay 1"},      {31, "Relay 8"},    {32, "PLC Bit 01"},    {47, "PLC Bit 16"}, {48, "Cntr A Count"},
      {55, "Tmr B Pulse Out"}, {61, "LF 6"},    {62, "Latch A"},       {63, "Latch B"},   {65, "Emg Stop"},
      {67, "Comp"},         {68, "OC_AF"},      {83, "HighFreq_TF"},   {84, "PhaseRot_TF"}, {85, "StartperHr_TF"},
      {86, "ShortCirc_AF"}, {109, "T4_TF"},     {110, "EStop_TF"},     {114, "Start_FeedbackFlt"},
      {115, "Frequency"},   {119, "RTD4"},
  };
  // clang-format on
  for (const auto& [channel, title] : titles)
    EXPECT_EQ(r.plot.GetChannel(channel).Title, title) << channel;
  EXPECT_EQ(r.plot.RingSize, 3000u);
  EXPECT_EQ(r.plot.XLabelFormat, "hh:nn:ss");
  EXPECT_DOUBLE_EQ(r.plot.XSpan * 86400, 60);
  // Shown when the window opens: 0..8 and 115.
  for (int i = 0; i < 120; ++i) {
    const bool shown = i <= 8 || i == 115;
    EXPECT_EQ(r.plot.GetChannel(i).Visible, shown) << i;
    EXPECT_EQ(r.plot.GetChannel(i).VisibleInLegend, shown) << i;
  }
}

TEST(Recorder, TheFirstConnectedTickArmsThenEachTickAddsOneSample) {
  RecorderWorld r;
  r.Tick();
  EXPECT_EQ(r.Points(0), 0u);
  r.Tick();
  EXPECT_EQ(r.Points(0), 1u);
  EXPECT_EQ(r.Points(119), 1u);
  r.Tick();
  EXPECT_EQ(r.Points(57), 2u);
  // Closed port: nothing; open again: no second arming tick.
  r.w.f2().ComPort1.Close();
  r.Tick();
  EXPECT_EQ(r.Points(0), 2u);
  r.w.OpenIdle(60000);
  r.Tick();
  EXPECT_EQ(r.Points(0), 3u);
}

TEST(Recorder, OneSampleReadsEachKindOfSource) {
  RecorderWorld r;
  TForm1& f = r.f;
  f.mbVR_Level.SetText("230");
  f.mbThermalCap.SetText("45");
  f.mbEarthLeakage.SetText("1200\r\nmA");  // the first line only
  f.mbActCntB.SetText("17");
  f.mbFrequency.SetText("50");
  f.mbRTD1_Lev.SetText("");  // empty: 0, no failure
  f.mbRTD4_Lev.SetText("-12");
  f.iLedDF_Inp3.SetActive(true);
  f.iLedExtRL_6.SetActive(true);
  f.iLedLatch.SetActive(true);
  f.ledOC_tf.SetActive(true);
  f.iLedLimStartsPerHr_tf.SetActive(true);
  f.iLedFeedBack_tf.SetActive(true);
  // PLC bit n is column 16 - n of row 1; only a first character "1" counts.
  const std::pair<int, const char*> plc[] = {{15, "1"}, {14, "10"}, {13, "0"},
                                             {12, ""},  {11, " 1"}, {0, "1"}};
  for (const auto& [col, text] : plc) f.sgPLC_inputs.SetCell(col, 1, text);
  r.Tick();
  r.Tick();
  // clang-format off
  const std::pair<int, double> expected[] = {
      {0, 230}, {1, 0},  {3, 45},  {8, 1200}, {50, 17}, {115, 50}, {116, 0}, {119, -12},
      {11, 1},  {10, 0}, {29, 1},  {28, 0},   {62, 1},  {63, 1},   {69, 1},  {68, 0},
      {85, 1},  {114, 1}, {32, 1}, {33, 1},   {34, 0},  {35, 0},   {36, 0},  {47, 1},
  };
  // clang-format on
  for (const auto& [channel, value] : expected) {
    ASSERT_EQ(r.Points(channel), 1u) << channel;
    EXPECT_EQ(r.Last(channel), value) << channel;
  }
}

TEST(Recorder, ABoxWithoutANumberSkipsTheSampleAndTheLaterGroups) {
  RecorderWorld r;
  r.Tick();
  r.f.mbActCntA.SetText("12a");          // read in the counters group
  r.f.cb_RecDF_InpVis.SetChecked(true);  // a group before it
  r.f.cb_RecAFVis.SetChecked(true);      // a group after it
  r.Tick();
  EXPECT_EQ(r.Points(0), 0u);
  EXPECT_TRUE(r.plot.GetChannel(9).Visible);
  EXPECT_FALSE(r.plot.GetChannel(68).Visible);
  EXPECT_TRUE(r.w.hb.boxes.empty());
  r.f.mbActCntA.SetText("12");
  r.Tick();
  EXPECT_EQ(r.Points(0), 1u);
  EXPECT_TRUE(r.plot.GetChannel(68).Visible);
}

TEST(Recorder, EachCheckBoxShowsAndHidesItsGroup) {
  struct Case {
    TCheckBox TForm1::*box;
    std::vector<int> channels;
  };
  std::vector<int> alarms, trips;
  for (int c = 68; c <= 109; ++c) (c % 2 == 0 && c != 84 ? alarms : trips).push_back(c);
  for (int c = 110; c <= 114; ++c) trips.push_back(c);
  auto range = [](int a, int b) {
    std::vector<int> v;
    for (int c = a; c <= b; ++c) v.push_back(c);
    return v;
  };
  // clang-format off
  const Case cases[] = {
      {&TForm1::cb_RecDF_InpVis, range(9, 15)},   {&TForm1::cb_RecExtDF_InpVis, range(16, 23)},
      {&TForm1::cb_RecRelVis, range(24, 27)},     {&TForm1::cb_RecExtRelVis, range(28, 31)},
      {&TForm1::cb_RecPLC_InpVis, range(32, 47)}, {&TForm1::cb_RecCntrVis, range(48, 51)},
      {&TForm1::cb_RecTmrVis, range(52, 55)},     {&TForm1::cb_RecLF_Vis, range(56, 61)},
      {&TForm1::cb_RecLatchVis, range(62, 63)},   {&TForm1::cb_RecOtherVis, range(64, 67)},
      {&TForm1::cb_RecAFVis, alarms},             {&TForm1::cb_RecTFVis, trips},
      {&TForm1::cb_RecRTDVis, range(116, 119)},
  };
  // clang-format on
  EXPECT_EQ(alarms.size(), 20u);
  EXPECT_EQ(trips.size(), 27u);
  RecorderWorld r;
  r.Tick();
  for (const Case& c : cases) {
    SCOPED_TRACE((r.f.*c.box).Caption());
    (r.f.*c.box).SetChecked(true);
    r.Tick();
    for (int i = 0; i < 120; ++i) {
      const bool mine = std::find(c.channels.begin(), c.channels.end(), i) != c.channels.end();
      const bool shown = mine || i <= 8 || i == 115;
      EXPECT_EQ(r.plot.GetChannel(i).Visible, shown) << i;
      EXPECT_EQ(r.plot.GetChannel(i).VisibleInLegend, shown) << i;
    }
    (r.f.*c.box).SetChecked(false);
    r.Tick();
    for (int i : c.channels) EXPECT_FALSE(r.plot.GetChannel(i).Visible) << i;
  }
  // Hidden channels are recorded all the same.
  EXPECT_EQ(r.Points(100), r.Points(0));
}

TEST(Recorder, TheRingKeeps3000PointsAndClearEmptiesIt) {
  RecorderWorld r;
  r.Tick();
  for (int i = 0; i < 3005; ++i) {
    r.f.mbIR_Level.SetText(std::to_string(i));
    r.f.RecorderStep();
  }
  for (int channel : {0, 5, 62, 119}) EXPECT_EQ(r.Points(channel), 3000u);
  EXPECT_EQ(r.plot.GetChannel(5).Points.front().second, 5);
  EXPECT_EQ(r.Last(5), 3004);
  r.f.bClearScrnSwitch.UserClick();
  for (int i = 0; i < 120; ++i) EXPECT_EQ(r.Points(i), 0u);
  r.Tick();
  EXPECT_EQ(r.Points(0), 1u);
  // The clear works with the port closed too and leaves the recorder armed.
  r.w.f2().ComPort1.Close();
  r.f.bClearScrnSwitch.UserClick();
  EXPECT_EQ(r.Points(0), 0u);
  EXPECT_TRUE(r.f.RecorderArmed);
}

}  // namespace
