// The actual status record on the main window: every flag bit's lamps and copies, the PLC grids,
// the counters, the location selector, the insulation display and the voltage box's colour.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <sstream>

#include "support/LiveWorld.h"

namespace {

struct LiveStatus : ::testing::Test, LiveWorld {
  // Every lamp of the main window by name.
  std::map<std::string, TiLedRectangle*> lamps;
  void SetUp() override {
    std::function<void(TControl&)> walk = [&](TControl& c) {
      if (c.Kind() == ControlKind::Led || c.Kind() == ControlKind::SwitchLed)
        lamps[c.Name()] = static_cast<TiLedRectangle*>(&c);
      for (TControl* child : c.Children()) walk(*child);
    };
    walk(f1);
  }
  std::set<std::string> Lit() const {
    std::set<std::string> on;
    for (const auto& [name, lamp] : lamps)
      if (lamp->Active()) on.insert(name);
    return on;
  }
};

std::set<std::string> Names(const std::string& list) {
  std::istringstream in(list);
  std::set<std::string> out;
  for (std::string n; in >> n;) out.insert(n);
  return out;
}

// Per flag byte (its index in the record), the lamps each bit 0..7 lights, copies included.
struct ByteLamps {
  int index;
  const char* bits[8];
};
// clang-format off
const ByteLamps kExpected[] = {
    {0, {"ledInService", "ledEL_af", "ledOC_af", "ledRunStal_af", "ledUnbal_af", "ledSinglePhase_af", "ledML_af",
         "ledSCirc_af"}},
    {1, {"ledVoltPresent iLedVoltStatus", "ledOV_af", "ledUV_af", "ledVSim_af", "ledIsoLockOut_af", "iLedLoFreq_af",
         "iLedHiFreq_af", "iLedEF_af"}},
    {2, {"ledVectorStall_af", "iLedFrozContact_af", "iLedRTD1_af", "iLedRTD2_af", "iLedRTD3_af", "iLedRTD4_af", "",
         ""}},
    {3, {"ledOC_tf", "ledRunStal_tf", "ledUnbal_tf", "ledSinglePhase_tf", "ledML_tf", "ledSCirc_tf", "ledPhaseRot_tf",
         "ledEL_tf"}},
    {4, {"ledOV_tf", "ledUV_tf", "ledVSim_tf", "ledIsoLockOut_tf", "iLedLoFreq_tf", "iLedHiFreq_tf", "iLedEF_tf",
         "iLedLimStartsPerHr_tf"}},
    {5, {"ledSystemFail_tf", "ledVectorialStall_tf", "iLedFrozContact_tf", "iLedExec_tf iLedExecFault",
         "iLedFeedBack_tf iLedFeedbackFault", "iLedUnAuthCrnt_tf iLedUnAuthCrntFault", "iLedE_Stop_tf iLedE_StopTrip",
         ""}},
    {6, {"iLedRTD1_tf", "iLedRTD2_tf", "iLedRTD3_tf", "iLedRTD4_tf", "", "", "", ""}},
    {7, {"iLedLF1_Output", "iLedLF2_Output", "iLedLF3_Output", "iLedLF4_Output", "iLedLF5_Output", "iLedLF6_Output",
         "iLedSimIndication", "iLedCntrB_Output"}},
    {8, {"iLedTmrA_Output", "iLedTmrB_Output", "iLedRTC_Output", "iLedRel_1 iLedRelay1 iLedRL1",
         "iLedRel_2 iLedRelay2 iLedRL2", "iLedRel_3 iLedRelay3 ILedRL3", "iLedRel_4 iLedRelay4 iLedRL4",
         "iLedCntrA_Output"}},
    {9, {"iLedDF_Inp1 islFieldInput1 iLedInp1", "iLedDF_Inp2 islFieldInput2 iLedInp2",
         "iLedDF_Inp3 islFieldInput3 iLedInp3", "iLedDF_Inp4 islFieldInput4 iLedInp4",
         "iLedDF_Inp5 islFieldInput5 iLedInp5", "iLedDF_Inp6 islFieldInput6 iLedInp6",
         "iLedDF_Inp7 islFieldInput7 iLedInp7", ""}},
    {10, {"iLedStarterOP_1", "iLedStarterOP_2", "iLedStarterOP_3", "iLedStarterOP_4", "iLedStarterOP_5", "", "", ""}},
    {11, {"", "", "", "", "", "", "", ""}},
    {12, {"", "", "", "", "", "", "", ""}},
    {13, {"iLedTmrA_Output_ms", "iLedTmrB_Output_ms", "iLedFlasher", "iLedLatch", "iLedExtRel_5 iLedExtRL_5",
          "iLedExtRel_6 iLedExtRL_6", "iLedExtRel_7 iLedExtRL_7", "iLedExtRel_8 iLedExtRL_8"}},
    {14, {"iLedStarterOP_6", "iLedStarterOP_7", "iLedStarterOP_8", "iLedStarterOP_9", "", "iLedStatusReporter",
          "iLedPulseGen", "iLedTC_WarnLevel"}},
    {15, {"iLedRTD1_WarnHi", "iLedRTD1_WarnLo", "iLedRTD2_WarnHi", "iLedRTD2_WarnLo", "iLedRTD3_WarnHi",
          "iLedRTD3_WarnLo", "iLedRTD4_WarnHi", "iLedRTD4_WarnLo"}},
    {16, {"iLedDF_Inp8 islFieldInput8 iLedInp8", "iLedDF_Inp9 islFieldInput9 iLedInp9",
          "iLedDF_Inp10 islFieldInput10 iLedInp10", "iLedDF_Inp11 islFieldInput11 iLedInp11",
          "iLedDF_Inp12 islFieldInput12 iLedInp12", "iLedDF_Inp13 islFieldInput13 iLedInp13",
          "iLedDF_Inp14 islFieldInput14 iLedInp14", "iLedDF_Inp15 islFieldInput15 iLedInp15"}},
};
// clang-format on

}  // namespace

TEST_F(LiveStatus, EveryFlagBitLightsItsLampsAndNothingElse) {
  ASSERT_EQ(FeedStatusValues({}), 1);
  const std::set<std::string> idle = Lit();  // lamps the status record does not drive
  std::set<std::string> driven;
  int switchLamps = 0;
  for (const ByteLamps& b : kExpected) {
    for (int bit = 0; bit < 8; ++bit) {
      SCOPED_TRACE(::testing::Message() << "byte " << b.index << " bit " << bit);
      ASSERT_EQ(FeedStatusValues({{b.index, 1 << bit}}), 1);
      std::set<std::string> lit;
      for (const std::string& n : Lit())
        if (!idle.count(n)) lit.insert(n);
      const std::set<std::string> expected = Names(b.bits[bit]);
      EXPECT_EQ(lit, expected);
      for (const std::string& n : expected) {
        ASSERT_TRUE(lamps.count(n)) << n;
        driven.insert(n);
        if (lamps[n]->Kind() == ControlKind::SwitchLed) ++switchLamps;
      }
    }
  }
  EXPECT_EQ(driven.size(), 155u);
  EXPECT_EQ(switchLamps, 15);
  // All bits at once, then none: every driven lamp follows.
  std::initializer_list<std::pair<int, int>> all = {
      {0, 255}, {1, 255}, {2, 255},  {3, 255},  {4, 255},  {5, 255},  {6, 255}, {7, 255},
      {8, 255}, {9, 255}, {10, 255}, {13, 255}, {14, 255}, {15, 255}, {16, 255}};
  ASSERT_EQ(FeedStatusValues(all), 1);
  for (const std::string& n : driven) EXPECT_TRUE(lamps[n]->Active()) << n;
  ASSERT_EQ(FeedStatusValues({}), 1);
  for (const std::string& n : driven) EXPECT_FALSE(lamps[n]->Active()) << n;
}

TEST_F(LiveStatus, LampsArePlacedOnTheirPages) {
  struct Case {
    const char* lamp;
    TTabSheet TForm1::*page;
  };
  const Case cases[] = {
      {"ledInService", &TForm1::tsActual},    {"iLedVoltStatus", &TForm1::tsTest},
      {"iLedExecFault", &TForm1::tsStarters}, {"iLedE_StopTrip", &TForm1::tsLogic},
      {"iLedRelay1", &TForm1::tsLogic},       {"iLedRL4", &TForm1::tsTest},
      {"islFieldInput15", &TForm1::tsTest},   {"iLedInp15", &TForm1::tsLogic},
      {"iLedDF_Inp8", &TForm1::tsActual},     {"iLedExtRL_5", &TForm1::tsActual},
      {"iLedExtRel_5", &TForm1::tsLogic},     {"iLedStarterOP_9", &TForm1::tsStarters},
      {"iLedSimIndication", &TForm1::tsTest}};
  for (const Case& c : cases) {
    ASSERT_TRUE(lamps.count(c.lamp)) << c.lamp;
    TControl* p = lamps[c.lamp];
    while (p && p->Kind() != ControlKind::TabSheet) p = p->Parent();
    EXPECT_EQ(p, &(f1.*(c.page))) << c.lamp;
  }
  // The expansion module's lamps sit on the panels the page refresh shows and hides.
  EXPECT_EQ(lamps["iLedDF_Inp8"]->Parent(), &f1.pExpF_Inputs);
  EXPECT_EQ(lamps["iLedExtRL_8"]->Parent(), &f1.pExpRelays);
  EXPECT_EQ(lamps["iLedExtRel_8"]->Parent(), &f1.pExpRelayCoils);
  EXPECT_EQ(lamps["iLedInp15"]->Parent(), &f1.pExpDF_Inputs);
}

TEST_F(LiveStatus, SwitchLampsAreSetWithoutTheirClickHandlers) {
  int clicks = 0;
  f1.islFieldInput1.OnClick = [&] { ++clicks; };
  f1.islFieldInput8.OnClick = [&] { ++clicks; };
  ASSERT_EQ(FeedStatusValues({{9, 1}, {16, 1}}), 1);
  EXPECT_TRUE(f1.islFieldInput1.Active());
  EXPECT_TRUE(f1.islFieldInput8.Active());
  ASSERT_EQ(FeedStatusValues({}), 1);
  EXPECT_FALSE(f1.islFieldInput1.Active());
  EXPECT_EQ(clicks, 0);
}

TEST_F(LiveStatus, AllZeros) {
  f1.sgPLC_lsb.SetCell(1, 3, "1");
  f1.mbActCntA.SetText("9");
  ASSERT_EQ(FeedStatusValues({}), 1);
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ(f1.sgPLC_lsb.Cell(1, k), "0");
    EXPECT_EQ(f1.sgPLC_msb.Cell(1, k), "0");
  }
  for (int c = 0; c < 16; ++c) EXPECT_EQ(f1.sgPLC_inputs.Cell(c, 1), "0");
  EXPECT_EQ(f1.mbActCntA.Text(), "0");
  EXPECT_EQ(f1.mbActCntB.Text(), "0");
  EXPECT_EQ(f1.ActLocSelector, 0);
  EXPECT_TRUE(f1.mbIsolationResistance.Visible());
}

TEST_F(LiveStatus, PlcColumnsReversedOnTheLogicPage) {
  struct Case {
    int e, f;
    const char* lsb;     // sgPLC_lsb rows 0..7
    const char* msb;     // sgPLC_msb rows 0..7
    const char* inputs;  // sgPLC_inputs row 1, columns 0..15 (bit 16 .. bit 1)
  };
  // clang-format off
  const Case cases[] = {
      {1, 128, "10000000", "00000001", "1000000000000001"},
      {128, 1, "00000001", "10000000", "0000000110000000"},
      {0x0F, 0xF0, "11110000", "00001111", "1111000000001111"},
      {255, 255, "11111111", "11111111", "1111111111111111"},
      {300, 0, "00110100", "00000000", "0000000000101100"},  // 300 kept as 44
  };
  // clang-format on
  const std::string caption = f1.sgPLC_inputs.Cell(0, 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.e);
    ASSERT_EQ(FeedStatusValues({{11, c.e}, {12, c.f}}), 1);
    std::string lsb, msb, inputs;
    for (int k = 0; k < 8; ++k) {
      lsb += f1.sgPLC_lsb.Cell(1, k);
      msb += f1.sgPLC_msb.Cell(1, k);
    }
    for (int col = 0; col < 16; ++col) inputs += f1.sgPLC_inputs.Cell(col, 1);
    EXPECT_EQ(lsb, c.lsb);
    EXPECT_EQ(msb, c.msb);
    EXPECT_EQ(inputs, c.inputs);
    EXPECT_EQ(f1.sgPLC_inputs.Cell(0, 0), caption);  // the caption row is not the record's
  }
}

TEST_F(LiveStatus, CountersAndLocationSelector) {
  struct Case {
    int d, a, b;
    uint8_t location;
    const char* textA;
    const char* textB;
    bool starterOutput1;
  };
  const Case cases[] = {
      {192, 0, 255, 3, "0", "255", false},
      {64, 17, 3, 1, "17", "3", false},
      {128, 300, 999, 2, "44", "231", false},
      {0x41, 1, 1, 1, "1", "1", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.d);
    ASSERT_EQ(FeedStatusValues({{10, c.d}, {17, c.a}, {18, c.b}}), 1);
    EXPECT_EQ(f1.ActLocSelector, c.location);
    EXPECT_EQ(f1.mbActCntA.Text(), c.textA);
    EXPECT_EQ(f1.mbActCntB.Text(), c.textB);
    EXPECT_EQ(std::to_string(f1.ActCounterACount), c.textA);
    EXPECT_EQ(f1.iLedStarterOP_1.Active(), c.starterOutput1);
  }
}

TEST_F(LiveStatus, FlagBytesStoredInRecordOrder) {
  std::initializer_list<std::pair<int, int>> values = {
      {0, 1},   {1, 2},   {2, 3},   {3, 4},   {4, 5},   {5, 6},   {6, 7},
      {7, 8},   {8, 9},   {9, 10},  {10, 11}, {11, 12}, {12, 13}, {13, 14},
      {14, 15}, {15, 16}, {16, 17}, {17, 18}, {18, 300}};
  ASSERT_EQ(FeedStatusValues(values), 1);
  const uint8_t got[] = {
      f1.ActAlarmF_A,    f1.ActAlarmF_B,      f1.ActAlarmF_C,     f1.ActTripF_A,
      f1.ActTripF_B,     f1.ActTripF_C,       f1.ActTripF_D,      f1.ActFuncStatF_A,
      f1.ActFuncStatF_B, f1.ActFuncStatF_C,   f1.ActFuncStatF_D,  f1.ActFuncStatF_E,
      f1.ActFuncStatF_F, f1.ActFuncStatF_G,   f1.ActFuncStatF_H,  f1.ActFuncStatF_I,
      f1.ActFuncStatF_J, f1.ActCounterACount, f1.ActCounterBCount};
  for (int i = 0; i < 18; ++i) EXPECT_EQ(got[i], i + 1) << i;
  EXPECT_EQ(got[18], 44);
}

TEST_F(LiveStatus, InsulationDisplay) {
  struct Case {
    int alarmA;
    double resistance;
    bool shown;
    TColor colour;
  };
  // clang-format off
  const Case cases[] = {
      {0, 0, true, clRed},       {0, 20, true, clRed},     {0, 20.5, true, clYellow}, {0, 49.99, true, clYellow},
      {0, 50, true, clLime},     {0, 199.48, true, clLime}, {1, 10, false, clRed},    {0x03, 60, false, clLime},
      {0x02, 60, true, clLime},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.resistance);
    f1.ActIsolation = c.resistance;
    ASSERT_EQ(FeedStatusValues({{0, c.alarmA}}), 1);
    EXPECT_EQ(f1.mbIsolationResistance.Visible(), c.shown);
    EXPECT_EQ(f1.Label188.Visible(), c.shown);
    EXPECT_EQ(f1.Label170.Visible(), c.shown);
    EXPECT_EQ(f1.mbIsolationResistance.Color(), c.colour);
  }
  EXPECT_EQ(f1.Label188.Caption(), "Insulation Resistance");
  EXPECT_EQ(f1.Label170.Caption(), " kOhm");
}

TEST_F(LiveStatus, InsulationColourFollowsTheActualRecord) {
  relay.Actual.Insulation = 300;  // 76.72 kOhm
  ASSERT_EQ(FeedActual(), 1);
  ASSERT_EQ(FeedStatusValues({}), 1);
  EXPECT_EQ(f1.mbIsolationResistance.Color(), clLime);
  relay.Actual.Insulation = 440;  // 19.43 kOhm
  ASSERT_EQ(FeedActual(), 1);
  ASSERT_EQ(FeedStatusValues({}), 1);
  EXPECT_EQ(f1.mbIsolationResistance.Color(), clRed);
}

TEST_F(LiveStatus, HighestVoltageColour) {
  struct Case {
    int alarmB;
    const char* vmax;
    TColor colour;
  };
  const Case cases[] = {{0x02, "0", clYellow}, {0x04, "230", clYellow}, {0x03, "400", clYellow},
                        {0x00, "0", clWindow}, {0x01, "230", clLime},   {0x00, "", clLime},
                        {0xF9, "0", clWindow}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.alarmB);
    f1.mbVmaxLevel.SetText(c.vmax);
    ASSERT_EQ(FeedStatusValues({{1, c.alarmB}}), 1);
    EXPECT_EQ(f1.mbVmaxLevel.Color(), c.colour);
  }
}

TEST_F(LiveStatus, NonDigitRefusesAndChangesNothing) {
  ASSERT_EQ(FeedStatusValues({{0, 1}, {8, 8}, {11, 1}, {17, 5}}), 1);
  relay.Status.fill(0);
  const std::string zeros = relay.ActualStatusRecord();
  for (int pos : {3, 30, 59}) {
    SCOPED_TRACE(pos);
    std::string bad = zeros;
    bad[static_cast<size_t>(pos - 1)] = ' ';
    EXPECT_EQ(f2.PackActualStatusData(bad), 0);
    EXPECT_EQ(f1.ActAlarmF_A, 1);
    EXPECT_TRUE(f1.ledInService.Active());
    EXPECT_TRUE(f1.iLedRL1.Active());
    EXPECT_EQ(f1.sgPLC_lsb.Cell(1, 0), "1");
    EXPECT_EQ(f1.mbActCntA.Text(), "5");
    EXPECT_FALSE(f1.mbIsolationResistance.Visible());
  }
  ShowActualStatus(f1, zeros.substr(0, 30));
  EXPECT_TRUE(f1.ledInService.Active());
}

TEST_F(LiveStatus, BitTests) {
  struct Case {
    uint8_t value, mask;
    bool all;
  };
  const Case cases[] = {{0xFF, 0x03, true}, {0x01, 0x03, false}, {0x00, 0x00, true},
                        {0x80, 0x80, true}, {0x7F, 0x80, false}, {0x44, 0x04, true}};
  for (const Case& c : cases) {
    EXPECT_EQ(f1.LED_Cntrl(c.value, c.mask), c.all);
    EXPECT_EQ(f1.BinConv(c.value, c.mask), c.all ? "1" : "0");
  }
}
