// The Test page against the test relay: the simulation message each set of inputs makes (written
// out by hand), the commands that need the port, the relay's reaction with the alarm-to-trip time,
// and a link that drops leaving no simulation behind.
#include <gtest/gtest.h>

#include <functional>

#include "main/PageRefresh.h"
#include "support/ShellWorld.h"

using namespace wire;

namespace {

// The program connected to a relay whose live values stand still, Test page shown.
struct SimWorld {
  ShellWorld w;
  TForm1& f = w.f1();
  SimWorld() {
    AlarmLedOn = TripLedOn = false;
    w.model().LiveMoving = false;
    w.ConnectAndRead();
    f.PageControl1.UserSelectTab(&f.tsTest);
  }
  ~SimWorld() { AlarmLedOn = TripLedOn = false; }
  // The last simulation message written since `from` ("" when none).
  std::string LastSimulation(size_t from = 0) const {
    for (size_t i = w.line.written.size(); i-- > from;)
      if (RequestOfMessage(w.line.written[i]) == ReqSimulation) return w.line.written[i];
    return "";
  }
  std::vector<std::string> Boxes() const {
    std::vector<std::string> out;
    for (const auto& b : w.hb.boxes) out.push_back(b.text);
    return out;
  }
};

TEST(SimulationMessage, EachInputLandsInItsFieldByteForByte) {
  struct Case {
    const char* name;
    std::function<void(SimWorld&)> set;  // runs while the simulation runs
    const char* message;
  };
  // clang-format off
  const Case cases[] = {
      {"nothing set: zeros, temperatures carry 30", [](SimWorld&) {},
       "*Z" "00000" "00000" "00000" "00000" "00000" "00000" "000" "000" "00000" "000" "000" "030" "030" "030" "030" "#"},
      {"every analogue input and temperature",
       [](SimWorld& s) {
         TForm1& f = s.f;
         f.isSimIred.UserMove(150), f.isSimIwhite.UserMove(120), f.isSimIblue.UserMove(90);
         f.isSimVred.UserMove(230), f.isSimVwhite.UserMove(231), f.isSimVblue.UserMove(229);
         f.isSimFrequency.UserMove(50), f.isSimPowerFactor.UserMove(85), f.isSimEL.UserMove(300);
         f.seSimRTD1.SetValue(25), f.seSimRTD2.SetValue(-30), f.seSimRTD3.SetValue(220), f.seSimRTD4.SetValue(0);
       },
       "*Z" "00150" "00120" "00090" "00230" "00231" "00229" "050" "085" "00300" "000" "000" "055" "000" "250" "030" "#"},
      {"positions round half to even",
       [](SimWorld& s) { s.f.isSimIred.SetPosition(72.5), s.f.isSimIwhite.SetPosition(73.5), s.f.isSimEL.SetPosition(2999.6); },
       "*Z" "00072" "00074" "00000" "00000" "00000" "00000" "000" "000" "03000" "000" "000" "030" "030" "030" "030" "#"},
      {"field inputs 3, 9 and 15 in their two bytes",
       [](SimWorld& s) { s.f.islFieldInput3.UserClick(), s.f.islFieldInput9.UserClick(), s.f.islFieldInput15.UserClick(); },
       "*Z" "00000" "00000" "00000" "00000" "00000" "00000" "000" "000" "00000" "004" "130" "030" "030" "030" "030" "#"},
      {"input clicked twice is off again; the mode switch sets bit 7",
       [](SimWorld& s) {
         s.f.islFieldInput1.UserClick(), s.f.islFieldInput1.UserClick(), s.f.islFieldInput2.UserClick();
         s.f.isDF_InputMode.UserFlip();
       },
       "*Z" "00000" "00000" "00000" "00000" "00000" "00000" "000" "000" "00000" "130" "000" "030" "030" "030" "030" "#"},
      {"reset clears all fifteen inputs and keeps the mode",
       [](SimWorld& s) {
         s.f.islFieldInput7.UserClick(), s.f.islFieldInput8.UserClick(), s.f.isDF_InputMode.UserFlip();
         s.f.bResetFieldInputs.UserClick();
       },
       "*Z" "00000" "00000" "00000" "00000" "00000" "00000" "000" "000" "00000" "128" "000" "030" "030" "030" "030" "#"},
      {"linked voltage sliders follow the one moved",
       [](SimWorld& s) { s.f.iSLedVoltage.UserClick(), s.f.isSimVwhite.UserMove(230), s.f.isSimIred.UserMove(10); },
       "*Z" "00010" "00000" "00000" "00230" "00230" "00230" "000" "000" "00000" "000" "000" "030" "030" "030" "030" "#"},
      {"stopping sends the simulation-off message", [](SimWorld& s) { s.f.bSimTestStart.UserClick(); }, "*z#"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SimWorld s;
    s.f.bSimTestStart.UserClick();
    EXPECT_EQ(s.f.bSimTestStart.Caption(), "Stop Simulation");
    c.set(s);
    const size_t from = s.w.line.written.size();
    s.w.hb.RunFor(150);
    EXPECT_EQ(s.LastSimulation(from), c.message);
    EXPECT_TRUE(s.Boxes().empty());
  }
}

TEST(SimulationMessage, SentEveryTenthOfASecondOnlyWhileSimulating) {
  SimWorld s;
  size_t from = s.w.line.written.size();
  s.w.hb.RunFor(1000);
  EXPECT_EQ(s.LastSimulation(from), "");
  s.f.bSimTestStart.UserClick();
  from = s.w.line.written.size();
  s.w.hb.RunFor(1000);
  // Every tick queues it; the request leaves the queue when built, so it shares the line with the
  // polls, each send waiting out the answer time.
  int sent = 0;
  for (size_t i = from; i < s.w.line.written.size(); ++i)
    sent += s.w.line.written[i].compare(0, 2, "*Z") == 0;
  EXPECT_GE(sent, 2);
  EXPECT_TRUE(s.w.model().Simulating);
  s.f.bSimTestStart.UserClick();
  s.w.hb.RunFor(300);
  EXPECT_FALSE(s.w.model().Simulating);
  EXPECT_EQ(s.f.bSimTestStart.Caption(), "Start Simulation");
}

TEST(TestPage, CommandsThatNeedThePortSayConnectFirstAndSendNothing) {
  struct Case {
    const char* name;
    std::function<void(TForm1&)> act;
    bool complains;
  };
  // clang-format off
  const Case cases[] = {
      {"current slider", [](TForm1& f) { f.isSimIblue.UserMove(40); }, true},
      {"voltage slider", [](TForm1& f) { f.isSimVred.UserMove(40); }, true},
      {"field input lamp", [](TForm1& f) { f.islFieldInput12.UserClick(); }, true},
      {"field input reset", [](TForm1& f) { f.bResetFieldInputs.UserClick(); }, true},
      {"input mode switch", [](TForm1& f) { f.isDF_InputMode.UserFlip(); }, true},
      {"frequency slider does not look at the port", [](TForm1& f) { f.isSimFrequency.UserMove(40); }, false},
      {"temperature input does not look at the port", [](TForm1& f) { f.seSimRTD2.SetValue(40); }, false},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ShellWorld w;
    w.f1().PageControl1.UserSelectTab(&w.f1().tsTest);
    c.act(w.f1());
    w.hb.RunFor(300);
    ASSERT_EQ(w.hb.boxes.size(), c.complains ? 1u : 0u);
    if (c.complains) {
      EXPECT_EQ(w.hb.boxes[0].text, "Please connect first !");
    }
    EXPECT_TRUE(w.line.written.empty());
  }
}

TEST(TestPage, FieldInputLampWhileNotSimulatingOnlyGoesDark) {
  SimWorld s;
  s.f.islFieldInput3.UserClick();
  EXPECT_FALSE(s.f.islFieldInput3.Active());
  EXPECT_EQ(s.f.SimFieldInputs, 0);
  s.w.hb.RunFor(200);
  EXPECT_EQ(s.LastSimulation(), "");
  EXPECT_TRUE(s.Boxes().empty());
}

TEST(TestPage, ManualAndAutomaticViews) {
  ShellWorld w;
  TForm1& f = w.f1();
  EXPECT_FALSE(f.pSimAuto.Visible());
  f.bSimMode.UserClick();
  EXPECT_EQ(f.bSimMode.Caption(), "Manual");
  EXPECT_TRUE(f.pSimAuto.Visible());
  for (TControl* p : {(TControl*)&f.pSimCurrents, (TControl*)&f.pSimVoltages,
                      (TControl*)&f.pSimParam, (TControl*)&f.pSimRTDs})
    EXPECT_FALSE(p->Visible());
  f.bSimMode.UserClick();
  EXPECT_EQ(f.bSimMode.Caption(), "Automatic");
  EXPECT_FALSE(f.pSimAuto.Visible());
  EXPECT_TRUE(f.pSimRTDs.Visible());
}

TEST(TestPage, RelayCommandsQueueTheirRequests) {
  SimWorld s;
  s.f.bThermalCapReset.UserClick();
  s.f.bResetRelay.UserClick();
  s.w.hb.RunFor(1000);
  EXPECT_EQ(s.w.CountWritten("*?-#"), 1);
  EXPECT_EQ(s.w.CountWritten("*?+#"), 1);
  EXPECT_EQ(s.w.model().ThermalResets, 1);
  EXPECT_EQ(s.w.model().RelayResets, 1);
}

// A simulated overcurrent: the relay's alarm, then its trip after its delay; the page shows both
// and the time between them, and holds that time until reset.
TEST(TestPage, OvercurrentShowsAlarmThenTripAndTheTimeBetween) {
  SimWorld s;
  s.w.model().OvercurrentTripDelayMs = 2500;
  s.f.bSimTestStart.UserClick();
  s.f.isSimVred.UserMove(230);
  s.f.isSimIred.UserMove(150);
  ASSERT_TRUE(s.w.hb.RunUntil([&] { return s.f.iLedAlarm.Active(); }, 2000));
  EXPECT_FALSE(s.f.iLedTrip.Active());
  EXPECT_TRUE(s.f.ledOC_af.Active());
  EXPECT_TRUE(s.f.iLedRL1.Active());
  ASSERT_TRUE(s.w.hb.RunUntil([&] { return s.f.iLedTrip.Active(); }, 5000));
  EXPECT_TRUE(s.f.ledOC_tf.Active());
  EXPECT_FALSE(s.f.iLedRL1.Active());  // the trip relay dropped out
  EXPECT_TRUE(s.f.iLedCurrentStatus.Active());
  EXPECT_TRUE(s.f.iLedSimIndication.Active());
  // The lamps are sampled every half second, so the time is the delay give or take one sample.
  const double shown = s.f.iaAlarm2Trip.Value();
  EXPECT_GE(shown, 2.0);
  EXPECT_LE(shown, 3.0);
  s.w.hb.RunFor(2000);
  EXPECT_EQ(s.f.iaAlarm2Trip.Value(), shown);
  s.f.bAT_Reset.UserClick();
  EXPECT_EQ(s.f.iaAlarm2Trip.Value(), 0);
  EXPECT_EQ(s.f.AlarmToTripTicks, 0);
  // The current back to normal and the relay reset: trip and alarm go.
  s.f.isSimIred.UserMove(80);
  s.w.hb.RunFor(300);
  s.f.bResetRelay.UserClick();
  EXPECT_TRUE(
      s.w.hb.RunUntil([&] { return !s.f.iLedTrip.Active() && !s.f.iLedAlarm.Active(); }, 2000));
}

TEST(TestPage, SimulatedValuesComeBackInTheLiveRecords) {
  SimWorld s;
  s.f.bSimTestStart.UserClick();
  s.f.isSimIwhite.UserMove(95);
  s.f.isSimVblue.UserMove(220);
  s.f.isSimEL.UserMove(450);
  s.f.cbRTD3_Type.SetItemIndex(1);  // a sensor fitted: the box shows its temperature
  s.f.seSimRTD3.SetValue(75);
  s.f.islFieldInput5.UserClick();
  s.w.hb.RunFor(2000);
  EXPECT_EQ(s.f.mbIW_Level.Text(), "95");
  EXPECT_EQ(s.f.mbVB_Level.Text(), "220");
  EXPECT_EQ(s.f.mbEarthLeakage.Text(), "450");
  EXPECT_EQ(s.f.mbRTD3_Lev.Text(), "75");
  EXPECT_TRUE(s.f.islFieldInput5.Active());
  EXPECT_TRUE(s.f.iLedDF_Inp5.Active());
}

// However the link drops, the simulation ends with it, and the next connection sends no values.
TEST(TestPage, ADroppedLinkLeavesNoSimulationToResume) {
  struct Case {
    const char* name;
    std::function<void(SimWorld&)> drop;
  };
  // clang-format off
  const Case cases[] = {
      {"user disconnects", [](SimWorld& s) { s.f.Connect1Click(); }},
      {"watchdog", [](SimWorld& s) {
         s.w.model().Misbehave.Silent = true;
         s.w.hb.RunUntil([&] { return !s.w.f2().ComPort1.Connected(); }, 10000);
         s.w.model().Misbehave.Silent = false;
       }},
      {"port fails", [](SimWorld& s) {
         s.w.line.FailWrites = true;
         s.w.hb.RunUntil([&] { return !s.w.f2().ComPort1.Connected(); }, 2000);
         s.w.line.FailWrites = false;
       }},
      {"product check", [](SimWorld& s) {
         s.w.model().ProductId = 5;
         s.w.hb.RunUntil([&] { return !s.w.f2().ComPort1.Connected(); }, 2000);
         s.w.model().ProductId = 4;
       }},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SimWorld s;
    s.f.bSimTestStart.UserClick();
    s.f.bSimMode.UserClick();
    s.f.sgSimAuto.SetCell(1, 1, "1000");
    for (int col = 2; col <= 14; ++col) s.f.sgSimAuto.SetCell(col, 1, "5");
    s.f.sgSimAuto.SetCell(1, 2, "loop 1");
    s.f.bSimQue.UserClick();
    s.w.hb.RunFor(300);
    c.drop(s);
    ASSERT_FALSE(s.w.f2().ComPort1.Connected());
    EXPECT_FALSE(s.f.SimFlag);
    EXPECT_EQ(s.f.bSimTestStart.Caption(), "Start Simulation");
    EXPECT_EQ(s.f.bSimQue.Caption(), "Start queing");
    EXPECT_FALSE(s.f.Timer4.Enabled());
    s.w.hb.RunFor(100);
    const size_t from = s.w.line.written.size();
    s.w.ConnectAndRead();
    s.w.hb.RunFor(2000);
    for (size_t i = from; i < s.w.line.written.size(); ++i)
      EXPECT_NE(s.w.line.written[i].substr(0, 2), "*Z");
  }
}

}  // namespace
