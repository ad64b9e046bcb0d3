// The program as started, connected to the test relay over the in-memory line and polled for the
// two live records: the Actual page follows the running motor.
#include <gtest/gtest.h>

#include <set>

#include "app/Startup.h"
#include "support/FormGlobals.h"
#include "editors/uConfigBitSel.h"
#include "editors/uConfigWordSel.h"
#include "link/CommSetup.h"
#include "wire/Requests.h"
#include "link/UnitProgress.h"
#include "main/Main.h"
#include "main/PasswordEdit.h"
#include "main/UnitFileDialog.h"
#include "main/UnitMassDwnSel.h"
#include "main/UserPassword.h"
#include "main/uPassword.h"
#include "support/TestRelay.h"
#include "vartable/UnitVarTable.h"

namespace {

struct LiveProgram : ::testing::Test {
  HeadlessBackend hb;
  InMemorySerialLine line{hb.clock};
  TestRelay relay{line};
  TApplication app{&hb};

  void SetUp() override {
    SetPortLister(
        [] { return std::optional<std::vector<std::string>>(std::vector<std::string>{"COM1"}); });
    SetSerialDeviceFactory(line.Factory({"COM1"}));
    StartUp(app);
    // The test makes the polls itself, as the system timer would.
    Form1->TmrSystem.SetEnabled(false);
    Form1->Timer1.SetEnabled(false);
    Form2->ComPort1.Open();
    Form2->CommsTimeOutCntr = 200;
  }
  void TearDown() override {
    SetPortLister(nullptr);
    SetSerialDeviceFactory(nullptr);
    ForgetForms();
  }
  // One poll as the system timer makes it: both live requests, then 100 ms.
  void Poll() {
    Form2->AddToCommsQue(wire::ReqUploadActual);
    Form2->AddToCommsQue(wire::ReqUploadActualStatus);
    hb.RunFor(100);
  }
};

}  // namespace

TEST_F(LiveProgram, ActualPageFollowsTheRunningMotor) {
  relay.Model.Revision = "4f";
  std::set<std::string> red, earthLeakage;
  for (int i = 0; i < 20; ++i) {
    Poll();
    red.insert(Form1->mbIR_Level.Text());
    earthLeakage.insert(Form1->mbEarthLeakage.Text());
  }
  TForm1& f = *Form1;
  EXPECT_GT(red.size(), 3u);  // the values move from record to record
  EXPECT_GT(earthLeakage.size(), 3u);
  EXPECT_FALSE(red.count(""));
  EXPECT_EQ(f.mbSW_Rev.Text(), "Rev 4f");
  EXPECT_TRUE(Form2->ExtendedVoltSelEn);
  EXPECT_EQ(f.cbVSelector.Items.Count(), 26);
  EXPECT_EQ(f.mbVSelect.Text(), "400V");
  EXPECT_EQ(f.LabelProdID.Caption(), "4");
  EXPECT_TRUE(f.ledInService.Active());
  EXPECT_TRUE(f.ledVoltPresent.Active());
  EXPECT_TRUE(f.iLedRL1.Active());
  EXPECT_FALSE(f.mbIsolationResistance.Visible());  // not measured while running
  EXPECT_EQ(f.mbTimeToTrip.Text(), "Infinite");
  EXPECT_GE(f.iPlot2.GetChannel(0).Points.size(), 15u);
  // Without a settings read the current transformer ratio is 0: no true current, no power.
  EXPECT_EQ(f.mbApPower.Text(), "0");
  // A relay of the older class on the same port switches the list back.
  relay.Model.Revision = "3b";
  Poll();
  EXPECT_FALSE(Form2->ExtendedVoltSelEn);
  EXPECT_EQ(f.cbVSelector.Items.Count(), 11);
}
