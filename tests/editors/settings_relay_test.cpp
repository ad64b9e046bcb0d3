// The Settings page against the test relay: a read fills the page, and after the user changes a
// few editors a write sends exactly those changes. The write is armed here as the transfer
// sequencer arms it: request flag set, request queued.
#include <gtest/gtest.h>

#include "wire/Requests.h"
#include "support/EditorWorld.h"

using namespace wire;

TEST(SettingsWithTheTestRelay, ReadFillsThePageAndAWriteSendsExactlyTheChanges) {
  EditorWorld w;
  TForm1& f = w.f1();
  TForm2& f2 = w.f2();
  RelayModel& relay = w.relay->Model;
  relay.SetField(RecordId::Settings, 5, "012");
  relay.SetField(RecordId::Settings, 9, "001");
  relay.SetField(RecordId::Settings, 17, "128");  // a bit no editor owns
  relay.SetField(RecordId::Settings, 22, "075");
  relay.SetField(RecordId::Settings, 24, "004");  // 200 ms
  relay.SetField(RecordId::Calibration, 8, "062");
  relay.SetField(RecordId::Calibration, 10, "001");
  w.Connect();

  f.UploadSettings = true;
  f2.AddToCommsQue(ReqUploadSettings);
  f.UploadCalibration = true;
  f2.AddToCommsQue(ReqUploadCalibration);
  ASSERT_TRUE(w.hb.RunUntil([&] { return f.SettingsUploaded && f.CalibrationUploaded; }, 5000));
  f.UploadSettings = f.UploadCalibration = false;  // the read is over

  EXPECT_EQ(f.seUnbalTripLev.Text(), "12");
  EXPECT_EQ(f.seMLC.Text(), "75");
  EXPECT_EQ(f.seDF_DelTime_1.Text(), "200");
  EXPECT_TRUE(f.cbMinLoad_Sel.Checked());
  EXPECT_FALSE(f.cbStartsPerHr_Sel.Checked());
  EXPECT_EQ(f.seSetHighFreqLimit.Text(), "62");
  EXPECT_EQ(f.cbSetFreqSelector.ItemIndex(), 1);

  const std::string settingsBefore = relay.Record(RecordId::Settings);
  const std::string calibrationBefore = relay.Record(RecordId::Calibration);
  f.seUnbalTripLev.UserType("25");
  f.cbSCirc_Sel.UserClick();
  f.cbStartsPerHr_Sel.UserClick();
  f.seDF_DelTime_1.UserType("330");
  f.UserLeave();  // brought to 350
  EXPECT_TRUE(w.hb.boxes.empty());

  const size_t sentBefore = w.Written().size();
  f.DownloadSetting = true;
  f2.AddToCommsQue(ReqDownloadSetting);
  ASSERT_TRUE(w.hb.RunUntil([&] { return f.SettingDownloaded; }, 5000));

  RelayModel want;
  want.Record(RecordId::Settings) = settingsBefore;
  want.SetField(RecordId::Settings, 5, "025");
  want.SetField(RecordId::Settings, 9, "129");
  want.SetField(RecordId::Settings, 17, "129");
  want.SetField(RecordId::Settings, 24, "007");
  EXPECT_EQ(relay.Record(RecordId::Settings), want.Record(RecordId::Settings));
  EXPECT_EQ(relay.Record(RecordId::Calibration), calibrationBefore);
  // One write, accepted at once: the echo matched what was sent.
  ASSERT_EQ(w.Written().size(), sentBefore + 1);
  EXPECT_EQ(w.Written().back().substr(0, 2), "*S");
}

TEST(SettingsWithTheTestRelay, ExtendedRevisionVoltageTravelsAsItsCode) {
  EditorWorld w;
  TForm1& f = w.f1();
  TForm2& f2 = w.f2();
  RelayModel& relay = w.relay->Model;
  relay.SetField(RecordId::Settings, 3, "024");  // 600 V
  // What the live values do for an extended relay: its revision and the long list.
  f.mbSW_Rev.SetText("Rev 4f");
  f.cbVSelector.Items.Clear();
  for (const char* v :
       {"    110V", "    120V", "    127V",   "    190V",   "    208V",  "    220V", "    230V",
        "    240V", "    277V", "    347V",   "    380V",   "    400V",  "    415V", "    440V",
        "    460V", "    480V", "    525V",   "    550V",   "    600V",  "    680V", "    950V",
        "   1050V", "   1100V", "3k3 / 110V", "6k6 / 110V", "11k / 110V"})
    f.cbVSelector.Items.Add(v);
  w.Connect();
  f.UploadSettings = true;
  f2.AddToCommsQue(ReqUploadSettings);
  ASSERT_TRUE(w.hb.RunUntil([&] { return f.SettingsUploaded; }, 5000));
  f.UploadSettings = false;
  EXPECT_EQ(f.cbVSelector.Text(), "    600V");

  f.cbVSelector.UserPick(22);  // 1100 V
  f.DownloadSetting = true;
  f2.AddToCommsQue(ReqDownloadSetting);
  ASSERT_TRUE(w.hb.RunUntil([&] { return f.SettingDownloaded; }, 5000));
  EXPECT_EQ(relay.Field(RecordId::Settings, 3), "007");
}
