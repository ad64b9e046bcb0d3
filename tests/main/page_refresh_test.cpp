// The 500 ms page refresh: the fail-safe box following the relay 1 choice, the shown page's
// combined values while connected (expansion panels, location switch, PC clock, Test page gauge
// and lamps), the quiet end of a tick on a failed number conversion, and nothing but the
// fail-safe step while the port is closed.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "main/LegacyControl.h"
#include "main/PageRefresh.h"
#include "platform/rtl/SysUtils.h"
#include "support/ShellWorld.h"

namespace {

// The whole program without a relay on the line, so nothing but the test writes the live fields;
// the global state the tick touches is put back afterwards.
struct RefreshWorld {
  ShellWorld w{false};
  TForm1& f = w.f1();
  TFormatSettings savedFormat = FormatSettings;

  RefreshWorld() {
    LegacyControl_C = 0;
    AlarmLedOn = TripLedOn = false;
  }
  ~RefreshWorld() {
    FormatSettings = savedFormat;
    LegacyControl_C = 0;
    AlarmLedOn = TripLedOn = false;
    SetNowProvider(nullptr);
  }
  void Tick() { w.hb.RunFor(500); }
  void Show(TTabSheet& page) { f.PageControl1.SetActivePage(&page); }
  std::string SendControlA() { return FormVariableTable->StrGridRelSetRX.Cell(2, 9); }
  // What the settings parser does with a record whose control bytes A and C hold these values.
  void ReadSettings(uint8_t a, uint8_t c) {
    f.ActControl_A = a;
    f.ActControl_C = c;
    f.LoadSettingsRecordEditors();
  }
};

struct PageRefreshTest : ::testing::Test, RefreshWorld {};

TEST_F(PageRefreshTest, PortClosedOnlyTheFailSafeStepRuns) {
  Show(f.tsTest);
  f.iagThermalCap.SetPosition(55);
  f.ActAlarmF_B = 0x02;
  f.ActTripF_A = 0x01;
  f.rgMTR_Select.UserPick(1);
  Tick();
  EXPECT_FALSE(f.cbFailSave_Sel.Enabled());
  EXPECT_EQ(f.mbTCap.Text(), "");
  EXPECT_FALSE(f.iLedAlarm.Active());
  EXPECT_FALSE(f.iLedTrip.Active());
  EXPECT_FALSE(AlarmLedOn);
  EXPECT_FALSE(TripLedOn);

  Show(f.tsRealTimeClock);
  Tick();
  EXPECT_EQ(f.mbClock.Text(), "");
  EXPECT_EQ(FormatSettings.ShortDateFormat, savedFormat.ShortDateFormat);
  Show(f.tsActual);
  Tick();
  EXPECT_TRUE(f.pExpF_Inputs.Visible());
  EXPECT_TRUE(f.pExpRelays.Visible());
}

// Each case from the window as it opens (no item selected, the box enabled and unchecked).
TEST(PageRefreshFailSafe, BoxFollowsChangesOfTheRelay1Choice) {
  struct Case {
    const char* name;
    std::function<void(RefreshWorld&)> steps;  // ticks included
    bool enabled, checked;
    const char* sendA;
  };
  auto tick = [](RefreshWorld& t) { t.Tick(); };
  // clang-format off
  const Case cases[] = {
      {"no selection: nothing", [&](RefreshWorld& t) { t.f.cbFailSave_Sel.UserClick(), tick(t); }, true, true,
       "016"},
      {"first choice item 0 leaves it unchecked", [&](RefreshWorld& t) { t.f.rgMTR_Select.UserPick(0), tick(t); },
       true, false, "000"},
      {"item 1 disables, unchecks and clears the bit",
       [&](RefreshWorld& t) { t.f.cbFailSave_Sel.UserClick(), t.f.rgMTR_Select.UserPick(1), tick(t); }, false,
       false, "000"},
      {"item 1 then item 0 enables, checks and sets the bit",
       [&](RefreshWorld& t) { t.f.rgMTR_Select.UserPick(1), tick(t), t.f.rgMTR_Select.UserPick(0), tick(t); },
       true, true, "016"},
      {"the user may uncheck while item 0 stays",
       [&](RefreshWorld& t) {
         t.f.rgMTR_Select.UserPick(1), tick(t), t.f.rgMTR_Select.UserPick(0), tick(t);
         t.f.cbFailSave_Sel.UserClick(), tick(t), tick(t);
       },
       true, false, "000"},
      {"a read of item 1 with the bit while enabled: off at the next tick",
       [&](RefreshWorld& t) { t.ReadSettings(0x10, 0x10), tick(t); }, false, false, "000"},
      {"a read of item 1 with the bit while disabled: kept",
       [&](RefreshWorld& t) { t.f.rgMTR_Select.UserPick(1), tick(t), t.ReadSettings(0x10, 0x10), tick(t); },
       false, true, "016"},
      {"a read of item 0 without the bit while disabled: on again",
       [&](RefreshWorld& t) { t.f.rgMTR_Select.UserPick(1), tick(t), t.ReadSettings(0x00, 0x00), tick(t); },
       true, true, "016"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RefreshWorld t;
    EXPECT_TRUE(t.f.cbFailSave_Sel.Enabled());
    c.steps(t);
    EXPECT_EQ(t.f.cbFailSave_Sel.Enabled(), c.enabled);
    EXPECT_EQ(t.f.cbFailSave_Sel.Checked(), c.checked);
    EXPECT_EQ(t.SendControlA(), c.sendA);
  }
}

TEST_F(PageRefreshTest, ExpansionPanelsFollowBit5OfTheRelaysControlByteCOnTheirOwnPage) {
  struct Case {
    const char* name;
    uint8_t controlC;
    TTabSheet TForm1::*page;
    bool actual, logic;  // visible afterwards: the Actual page's two panels, the Logic page's two
  };
  // clang-format off
  const Case cases[] = {
      {"no IO expander: Actual panels hidden", 0x00, &TForm1::tsActual, false, true},
      {"bit 5 set: shown", 0x20, &TForm1::tsActual, true, true},
      {"other bits do not count", 0xDF, &TForm1::tsLogic, true, false},
      {"Logic page with bit 5", 0x20, &TForm1::tsLogic, true, true},
      {"another page: both kept", 0x00, &TForm1::tsTest, true, true},
  };
  // clang-format on
  w.OpenIdle();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (TPanel* p : {&f.pExpF_Inputs, &f.pExpRelays, &f.pExpRelayCoils, &f.pExpDF_Inputs})
      p->SetVisible(true);
    f.ActControl_C = c.controlC;
    Show(f.*c.page);
    Tick();
    EXPECT_EQ(f.pExpF_Inputs.Visible(), c.actual);
    EXPECT_EQ(f.pExpRelays.Visible(), c.actual);
    EXPECT_EQ(f.pExpRelayCoils.Visible(), c.logic);
    EXPECT_EQ(f.pExpDF_Inputs.Visible(), c.logic);
  }
  // The byte of the last legacy settings file is not the one that counts.
  f.ActControl_C = 0;
  LegacyControl_C = 0x20;
  Show(f.tsActual);
  Tick();
  EXPECT_FALSE(f.pExpF_Inputs.Visible());
  EXPECT_FALSE(f.pExpRelays.Visible());
}

TEST_F(PageRefreshTest, Relay1InputShownUnlessTheMainTripRelayIsChosen) {
  w.OpenIdle();
  Show(f.tsLogic);
  Tick();
  EXPECT_TRUE(f.cbRelay_1_Input.Visible());  // no item selected
  f.rgMTR_Select.UserPick(0);
  Tick();
  EXPECT_FALSE(f.cbRelay_1_Input.Visible());
  EXPECT_FALSE(f.labRelay_1_Input.Visible());
  f.rgMTR_Select.UserPick(1);
  Tick();
  EXPECT_TRUE(f.cbRelay_1_Input.Visible());
  EXPECT_TRUE(f.labRelay_1_Input.Visible());
}

TEST_F(PageRefreshTest, LocationSwitchFollowsTheSelectorOnTheStarterPage) {
  EXPECT_EQ(f.issLocationSelect.PositionCaption(2), " Auto (PLC)");
  w.OpenIdle();
  Show(f.tsStarters);
  for (int sel : {3, 1, 0, 2}) {
    f.ActLocSelector = static_cast<uint8_t>(sel);
    Tick();
    EXPECT_EQ(f.issLocationSelect.Position(), sel);
  }
  Show(f.tsActual);
  f.ActLocSelector = 3;
  Tick();
  EXPECT_EQ(f.issLocationSelect.Position(), 2);
}

TEST_F(PageRefreshTest, ThermalGaugeOnTheTestPageRoundsHalvesToEven) {
  const std::pair<double, const char*> cases[] = {
      {72.5, "72%"}, {73.5, "74%"}, {72.4, "72%"}, {0, "0%"}, {100, "100%"}};
  w.OpenIdle();
  Show(f.tsTest);
  for (const auto& [pos, shown] : cases) {
    SCOPED_TRACE(pos);
    f.iagThermalCap.SetPosition(pos);
    Tick();
    EXPECT_EQ(f.mbTCap.Text(), shown);
    EXPECT_EQ(f.iagTCap.Position(), pos);
  }
}

TEST_F(PageRefreshTest, TestPageLampsAndTheirFlags) {
  struct Case {
    const char* name;
    uint8_t a, b, c;
    uint8_t trips[4];
    bool inService, alarm, trip;
  };
  // clang-format off
  const Case cases[] = {
      {"in service, voltages present: no alarm", 0x01, 0x01, 0x00, {0, 0, 0, 0}, true, false, false},
      {"bit 1 of B is an alarm", 0x01, 0x02, 0x00, {0, 0, 0, 0}, true, true, false},
      {"bit 7 of A", 0x80, 0x00, 0x00, {0, 0, 0, 0}, false, true, false},
      {"bit 0 of C", 0x00, 0x00, 0x01, {0, 0, 0, 0}, false, true, false},
      {"a trip in D", 0x00, 0x00, 0x00, {0, 0, 0, 0x80}, false, false, true},
      {"a trip in A", 0x01, 0x00, 0x00, {0x01, 0, 0, 0}, true, false, true},
      {"all quiet", 0x00, 0x00, 0x00, {0, 0, 0, 0}, false, false, false},
  };
  // clang-format on
  w.OpenIdle();
  Show(f.tsTest);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    f.ActAlarmF_A = c.a, f.ActAlarmF_B = c.b, f.ActAlarmF_C = c.c;
    f.ActTripF_A = c.trips[0], f.ActTripF_B = c.trips[1], f.ActTripF_C = c.trips[2],
    f.ActTripF_D = c.trips[3];
    Tick();
    EXPECT_EQ(f.iLedCurrentStatus.Active(), c.inService);
    EXPECT_EQ(f.iLedAlarm.Active(), c.alarm);
    EXPECT_EQ(AlarmLedOn, c.alarm);
    EXPECT_EQ(f.iLedTrip.Active(), c.trip);
    EXPECT_EQ(TripLedOn, c.trip);
  }
}

TEST_F(PageRefreshTest, LampFlagsKeepTheirValuesOffTheTestPage) {
  w.OpenIdle();
  Show(f.tsTest);
  f.ActAlarmF_B = 0x02;
  f.ActTripF_C = 0x04;
  Tick();
  ASSERT_TRUE(AlarmLedOn);
  ASSERT_TRUE(TripLedOn);
  Show(f.tsActual);
  f.ActAlarmF_B = 0x00;
  f.ActTripF_C = 0x00;
  Tick();
  EXPECT_TRUE(AlarmLedOn);
  EXPECT_TRUE(TripLedOn);
  EXPECT_TRUE(f.iLedAlarm.Active());
  // The port closed: still kept, even on the Test page.
  w.f2().ComPort1.Close();
  Show(f.tsTest);
  Tick();
  EXPECT_TRUE(AlarmLedOn);
  w.OpenIdle();
  Tick();
  EXPECT_FALSE(AlarmLedOn);
  EXPECT_FALSE(TripLedOn);
  EXPECT_FALSE(f.iLedAlarm.Active());
}

TEST_F(PageRefreshTest, ClockPageShowsThePcTimeAndSetsTheDateFormat) {
  SetNowProvider([] { return EncodeDate(2024, 5, 17) + EncodeTime(14, 5, 9, 0); });
  w.OpenIdle();
  Show(f.tsActual);
  Tick();
  EXPECT_EQ(f.mbClock.Text(), "");
  EXPECT_EQ(FormatSettings.ShortDateFormat, savedFormat.ShortDateFormat);

  Show(f.tsRealTimeClock);
  f.ClockChangeFlag = true;  // the page's edit mode changes nothing here
  Tick();
  EXPECT_EQ(f.mbClock.Text(), "14:05:09");
  EXPECT_EQ(FormatSettings.DateSeparator, '-');
  EXPECT_EQ(FormatSettings.TimeSeparator, ':');
  EXPECT_EQ(FormatSettings.LongTimeFormat, "hh:mm:ss");
  EXPECT_EQ(FormatSettings.ShortDateFormat, "dd/mm/yyyy");
  // Every later date text of the run uses it.
  EXPECT_EQ(DateToStr(EncodeDate(2024, 5, 17)), "17-05-2024");

  SetNowProvider([] { return EncodeDate(2024, 5, 17) + EncodeTime(23, 59, 58, 0); });
  Tick();
  EXPECT_EQ(f.mbClock.Text(), "23:59:58");
}

// A step of the tick that fails: the PC clock read of the Real Time Clock page. A failed
// conversion ends that tick quietly, after the fail-safe step and before the steps behind it; the
// next tick starts afresh.
TEST_F(PageRefreshTest, FailedConversionEndsTheTickQuietly) {
  w.OpenIdle();
  Show(f.tsRealTimeClock);
  int throwsLeft = 1;
  SetNowProvider([&] {
    if (throwsLeft-- > 0) throw EConvertError("'x' is not a valid date");
    return EncodeDate(2024, 5, 17) + EncodeTime(14, 5, 9, 0);
  });
  f.rgMTR_Select.UserPick(1);
  Tick();
  EXPECT_TRUE(w.hb.boxes.empty());
  EXPECT_FALSE(f.cbFailSave_Sel.Enabled());  // step 1 ran before the guard
  EXPECT_EQ(f.mbClock.Text(), "");           // the clock step did not finish
  Tick();
  EXPECT_EQ(f.mbClock.Text(), "14:05:09");
  EXPECT_TRUE(w.hb.boxes.empty());
}

TEST_F(PageRefreshTest, OtherFailuresReachTheStandardErrorBox) {
  w.OpenIdle();
  Show(f.tsRealTimeClock);
  int throwsLeft = 1;
  SetNowProvider([&] {
    if (throwsLeft-- > 0) throw std::runtime_error("Access violation");
    return EncodeDate(2024, 5, 17) + EncodeTime(14, 5, 9, 0);
  });
  Tick();
  ASSERT_EQ(w.hb.boxes.size(), 1u);
  EXPECT_EQ(w.hb.boxes[0].text, "Access violation.");
  EXPECT_EQ(f.mbClock.Text(), "");
  Tick();  // the timer goes on
  EXPECT_EQ(f.mbClock.Text(), "14:05:09");
  EXPECT_EQ(w.hb.boxes.size(), 1u);
}

}  // namespace

// With the test relay: the live status record's flags reach the Test page's lamps.
TEST(PageRefreshWithRelay, StatusFlagsFromTheRelayLightTheTestPageLamps) {
  ShellWorld w;
  AlarmLedOn = TripLedOn = false;
  w.model().LiveMoving = false;
  w.model().Status[0] = 0x01;  // in service
  w.model().Status[1] = 0x03;  // voltages present and an alarm
  w.ConnectAndRead();
  w.f1().PageControl1.SetActivePage(&w.f1().tsTest);
  w.hb.RunFor(2000);
  EXPECT_TRUE(w.f1().iLedCurrentStatus.Active());
  EXPECT_TRUE(w.f1().iLedAlarm.Active());
  EXPECT_TRUE(AlarmLedOn);
  EXPECT_FALSE(TripLedOn);
  w.model().Status[1] = 0x01;
  w.hb.RunFor(2000);
  EXPECT_FALSE(w.f1().iLedAlarm.Active());
  EXPECT_FALSE(AlarmLedOn);
  AlarmLedOn = TripLedOn = false;
}
