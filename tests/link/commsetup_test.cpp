// The comms setup window: the port list at creation, on showing and on "Refresh".
#include <gtest/gtest.h>

#include "support/LinkWorld.h"

namespace {
std::vector<std::string> Items(const TComboBox& c) { return c.Items.Lines(); }
using Ports = std::vector<std::string>;
}  // namespace

TEST(CommSetup, CreationListsSortedPortsAndTakesTheFirst) {
  LinkWorld w(false, Ports{"COM3", "COM10", "COM2"});
  EXPECT_EQ(Items(w.f2().ComComboBox1), (Ports{"COM10", "COM2", "COM3"}));
  EXPECT_EQ(w.f2().ComComboBox1.ItemIndex(), 0);
  EXPECT_EQ(w.f2().ComPort1.Port(), "COM10");
  EXPECT_TRUE(w.hb.boxes.empty());
}

TEST(CommSetup, CreationWithoutPortsIsSilent) {
  for (auto ports : {std::optional<Ports>(Ports{}), std::optional<Ports>()}) {
    LinkWorld w(false, ports);
    EXPECT_TRUE(Items(w.f2().ComComboBox1).empty());
    EXPECT_EQ(w.f2().ComPort1.Port(), "COM1");
    EXPECT_TRUE(w.hb.boxes.empty());
  }
}

TEST(CommSetup, CreationErrorShowsNoPortsActive) {
  LinkWorld w(false, Ports{"COM2"}, true);
  ASSERT_EQ(w.hb.boxes.size(), 1u);
  EXPECT_EQ(w.hb.boxes[0].caption, "Error");
  EXPECT_EQ(w.hb.boxes[0].text, "No ports active");
  EXPECT_EQ(w.f2().CommsQueSpaceLeft, 30);  // the queue was emptied before the listing failed
  EXPECT_NE(Form2, nullptr);
}

TEST(CommSetup, ShowingSelectsByTheRememberedPort) {
  struct Case {
    Ports before;
    int selected;  // -1: nothing selected before showing
    Ports after;
    std::string port;
  };
  const Case cases[] = {
      {{"COM1", "COM4"}, 1, {"COM1", "COM4", "COM7"}, "COM4"},  // still listed: kept
      {{"COM1", "COM4"}, 1, {"COM1", "COM7"}, "COM1"},          // gone: the first
      {{"COM1", "COM4"}, -1, {"COM4", "COM7"}, "COM4"},         // nothing selected: the first
  };
  for (const Case& c : cases) {
    LinkWorld w(false, c.before);
    TForm2& f = w.f2();
    f.ComComboBox1.SetItemIndex(c.selected);
    w.ports = c.after;
    w.hb.After(50, [&] { f.bCommSettingOk.UserClick(); });
    EXPECT_EQ(f.ShowModal(), mrOk);
    EXPECT_EQ(f.ComComboBox1.Text(), c.port);
    EXPECT_EQ(f.ComPort1.Port(), c.port);
    EXPECT_TRUE(w.hb.boxes.empty());
  }
}

TEST(CommSetup, ShowingWithoutPortsSaysSoAndChangesNothing) {
  LinkWorld w(false, Ports{"COM2"});
  TForm2& f = w.f2();
  w.ports = Ports{};
  w.hb.After(50, [&] { f.Close(); });  // the title bar
  EXPECT_EQ(f.ShowModal(), mrOk);
  ASSERT_EQ(w.hb.boxes.size(), 1u);
  EXPECT_EQ(w.hb.boxes[0].text, "No ports active");
  EXPECT_EQ(w.hb.boxes[0].caption, "Error");
  EXPECT_EQ(f.ComPort1.Port(), "COM2");
  EXPECT_TRUE(Items(f.ComComboBox1).empty());
}

TEST(CommSetup, RefreshWithoutPortsIsSilent) {
  LinkWorld w(false, Ports{"COM2", "COM3"});
  TForm2& f = w.f2();
  w.ports = Ports{};
  f.ButtonRefresh.Click();
  EXPECT_TRUE(w.hb.boxes.empty());
  EXPECT_EQ(f.ComPort1.Port(), "COM2");
  w.ports = Ports{"COM3", "COM9"};
  f.ButtonRefresh.Click();
  EXPECT_EQ(f.ComPort1.Port(), "COM3");
}

TEST(CommSetup, PickingAPortAppliesItAtOnceAndReopens) {
  LinkWorld w(false, Ports{"COM1", "COM2"});
  TForm2& f = w.f2();
  f.ComPort1.Open();
  int opens = w.line.opens;
  f.ComComboBox1.UserPickPort(1);
  EXPECT_EQ(f.ComPort1.Port(), "COM2");
  EXPECT_TRUE(f.ComPort1.Connected());
  EXPECT_EQ(w.line.opens, opens + 1);
}
