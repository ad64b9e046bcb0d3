// The Event History page: the download of events into the export file (its head, the line per
// event and their numbering), its stop and its end when the link drops, the quick view's rows,
// and the file kept apart from the fault export.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/rtl/Paths.h"
#include "support/CrLfLines.h"
#include "support/FileSizeLimit.h"
#include "support/ShellWorld.h"

namespace {

// clang-format off
const std::vector<std::string> kHead = {
    "Drive ID .... : ", "Drive Name .. : ", "Serial Number : ", " ",
    "  Rec Nr  \t     Status     \t    Date     \t Time \t  ALARM CONDITION   \t  TRIP CONDITION    \t RUN HRS \t"
    " Imax (%) \t Vmin  \tBreaker Clr (ms)"};

// Events written out by hand; the last one is an empty slot of the log (type 0).
struct EventCase {
  const char* record;
  const char* line;                // in the export
  std::vector<std::string> row;    // in the quick viewer
};
// clang-format on
// clang-format off
const EventCase kEvents[] = {
    {"*E" "00003" "004" "024" "002" "029" "013" "005" "000" "000" "000" "000" "002" "000" "001" "65535" "250" "00400" "#",
     "1397\tTrip\t2024/02/29\t13h05\t\tRTD1 High/Low Temper\t65535\t1000\t400",
     {"200", "Trip", "2024/02/29", "13h05", "", "RTD1 High/Low Temper", "65535", "1000", "400"}},
    {"*E" "00002" "131" "023" "011" "030" "009" "059" "255" "000" "000" "000" "000" "000" "000" "00007" "001" "00380" "#",
     "1398\tSim Alarm\t2023/11/30\t09h59\tEL OC RS Unbal SP ML SCir \t\t7\t4\t380",
     {"199", "Sim Alarm", "2023/11/30", "09h59", "EL OC RS Unbal SP ML SCir ", "", "7", "4", "380"}},
    {"*E" "00001" "000" "023" "011" "030" "009" "059" "000" "000" "000" "000" "000" "000" "000" "00007" "001" "00380" "#",
     nullptr, {"", "", "", "", "", "", "", "", ""}},
};
// clang-format on

struct EventPageTest : ::testing::Test {
  ShellWorld w{false};
  TForm1& f = w.f1();
  std::string path = MapPath("c:\\events.xls");
  EventPageTest() {
    std::error_code ec;
    std::filesystem::remove(path, ec);
    w.OpenIdle();
    w.f2().ResetCommsQue();
  }
};

struct EventRelayTest : ::testing::Test {
  ShellWorld w;
  TForm1& f = w.f1();
  std::string path = MapPath("c:\\relay_events.xls");
  EventRelayTest() {
    std::error_code ec;
    std::filesystem::remove(path, ec);
    w.OpenIdle();
    w.hb.RunFor(200);  // the sequencer enables the page's buttons
  }
  void Start(int quantity) {
    f.seEventNumber.SetValue(quantity);
    w.hb.dialogAnswers.push_back(path);
    f.bEventRecDownLoad.UserClick();
  }
  int EventRequests() const {
    int n = 0;
    for (const std::string& m : w.line.written) n += m.compare(0, 7, "*?>#*?E") == 0;
    return n;
  }
};

}  // namespace

TEST_F(EventPageTest, RecordsBecomeExportLinesAndQuickViewRows) {
  f.seEventNumber.SetValue(3);
  w.hb.dialogAnswers.push_back(path);
  f.bEventRecDownLoadClick();
  ASSERT_EQ(w.Queue(), std::vector<int>{wire::ReqEvent});
  w.f2().PackTXBuffer();
  EXPECT_EQ(w.f2().TXBuffer, "*?>#*?E00003#*?<#");
  for (const EventCase& e : kEvents) w.f2().ComDataPacket1Packet(e.record);
  EXPECT_EQ(f.labEventMess.Caption(), "Upload successful completed");
  EXPECT_TRUE(f.labEventMess.Visible());
  EXPECT_FALSE(f.iLedEventMessage.Active());

  std::vector<std::string> expected = kHead;
  for (const EventCase& e : kEvents)
    if (e.line) expected.push_back(e.line);
  EXPECT_EQ(ReadCrLfLines(path), expected);

  f.PageControl1.SetActivePage(&f.tsEvents);
  f.bQuickEventUploadClick();
  for (const EventCase& e : kEvents) w.f2().ComDataPacket1Packet(e.record);
  for (size_t i = 0; i < std::size(kEvents); ++i)
    for (int col = 0; col < 9; ++col)
      EXPECT_EQ(f.sgQuickEventViewer.Cell(col, 200 - static_cast<int>(i)),
                kEvents[i].row[static_cast<size_t>(col)])
          << "row " << 200 - i << " col " << col;
  EXPECT_EQ(f.sgQuickEventViewer.Cell(4, 0), " Alarm Condition");

  f.bClrQuickViewer.UserClick();
  EXPECT_EQ(f.sgQuickEventViewer.Cell(0, 200), "");
  EXPECT_EQ(f.sgQuickEventViewer.Cell(5, 199), "");
  EXPECT_EQ(f.sgQuickEventViewer.Cell(0, 0), " Rec Nr");
}

TEST_F(EventPageTest, StartSetsTheCounterAndThePercentage) {
  struct Case {
    int quantity;
    uint16_t counter;
    const char* percent;
    const char* message;
  };
  const Case cases[] = {{200, 1200, "86", "*?>#*?E00200#*?<#"},
                        {1400, 0, "0", "*?>#*?E01400#*?<#"},
                        {1, 1399, "100", "*?>#*?E00001#*?<#"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.quantity);
    f.iLedEventMessage.SetActive(false);
    w.f2().ResetCommsQue();
    f.QuickEventViewFlag = true;
    f.seEventNumber.SetValue(c.quantity);
    w.hb.dialogAnswers.push_back(path);
    f.bEventRecDownLoadClick();
    EXPECT_EQ(f.EventCntr, c.counter);
    EXPECT_EQ(f.mb_Events_Progress.Lines.Get(0), c.percent);
    EXPECT_FALSE(f.QuickEventViewFlag);
    EXPECT_TRUE(f.EventMassUploadAct);
    EXPECT_TRUE(f.iLedEventMessage.Active());
    w.f2().PackTXBuffer();
    EXPECT_EQ(w.f2().TXBuffer, c.message);
  }
  // While one runs, a second start does nothing with the name chosen.
  const std::string other = MapPath("c:\\second.xls");
  w.hb.dialogAnswers.push_back(other);
  f.bEventRecDownLoadClick();
  EXPECT_FALSE(std::filesystem::exists(other));
}

TEST_F(EventPageTest, FileThatCannotBeCreated) {
  const std::string blocked = MapPath("c:\\not_a_folder");
  { std::ofstream(blocked) << "a file"; }
  w.hb.dialogAnswers.push_back(blocked + "/events.xls");
  f.EventCntr = 5;
  f.bEventRecDownLoadClick();
  ASSERT_EQ(w.hb.boxes.size(), 1u);
  EXPECT_EQ(w.hb.boxes[0].text, "File I/O error.");
  EXPECT_FALSE(f.iLedEventMessage.Active());
  EXPECT_FALSE(f.labEventMess.Visible());
  EXPECT_EQ(f.EventCntr, 1400);
  EXPECT_TRUE(w.Queue().empty());
  std::filesystem::remove(blocked);

  w.hb.dialogAnswers.push_back(std::nullopt);  // cancelled: nothing at all
  f.bEventRecDownLoadClick();
  EXPECT_EQ(w.hb.boxes.size(), 1u);
  EXPECT_TRUE(w.Queue().empty());
}

TEST_F(EventPageTest, EmptyQuantityBecomesOne) {
  f.PageControl1.SetActivePage(&f.tsEvents);
  ASSERT_TRUE(f.seEventNumber.TakeUserFocus());
  f.seEventNumber.UserSetText("");
  f.bClrQuickViewer.UserClick();
  EXPECT_EQ(f.seEventNumber.Text(), "1");
}

TEST_F(EventRelayTest, DownloadOf50EventsRunsToTheEnd) {
  Start(50);
  ASSERT_TRUE(w.hb.RunUntil([&] { return f.labEventMess.Visible(); }, 30000));
  EXPECT_EQ(f.labEventMess.Caption(), "Upload successful completed");
  EXPECT_FALSE(f.iLedEventMessage.Active());
  EXPECT_EQ(f.pbEventDownload.Position(), 100);
  const std::vector<std::string> lines = ReadCrLfLines(path);
  ASSERT_EQ(lines.size(), 5u + 50u);
  // Events 50 down to 1, each numbered 1400 minus its own number.
  EXPECT_EQ(lines[5].substr(0, 5), "1350\t");
  EXPECT_EQ(lines[54].substr(0, 5), "1399\t");
  w.hb.RunFor(1000);
  EXPECT_EQ(EventRequests(), 50);
  EXPECT_TRUE(f.bEventRecDownLoad.Enabled());
  EXPECT_FALSE(f.bStopEventDownLoad.Enabled());
}

TEST_F(EventRelayTest, StoppedDownloadSaysSo) {
  Start(1400);
  ASSERT_TRUE(w.hb.RunUntil([&] { return EventRequests() >= 10; }, 30000));
  EXPECT_TRUE(f.bStopEventDownLoad.Enabled());
  f.bStopEventDownLoad.UserClick();
  ASSERT_TRUE(w.hb.RunUntil([&] { return f.labEventMess.Visible(); }, 5000));
  EXPECT_EQ(f.labEventMess.Caption(), "Upload stopped, file incomplete");
  EXPECT_FALSE(f.iLedEventMessage.Active());
  const int asked = EventRequests();
  w.hb.RunFor(2000);
  EXPECT_EQ(EventRequests(), asked);  // nothing asked for after the stop
  EXPECT_EQ(ReadCrLfLines(path).size(), 5u + static_cast<size_t>(asked));

  // The next download that completes says so again.
  Start(2);
  ASSERT_TRUE(w.hb.RunUntil([&] { return f.labEventMess.Visible(); }, 5000));
  EXPECT_EQ(f.labEventMess.Caption(), "Upload successful completed");
}

TEST_F(EventRelayTest, LinkDropEndsTheDownloadAndClosesTheFile) {
  Start(1400);
  ASSERT_TRUE(w.hb.RunUntil([&] { return EventRequests() >= 10; }, 30000));
  f.Connect1Click();  // disconnect
  w.hb.RunFor(300);
  EXPECT_FALSE(f.iLedEventMessage.Active());
  EXPECT_FALSE(f.EventMassUploadAct);
  EXPECT_TRUE(f.labEventMess.Visible());
  EXPECT_EQ(f.labEventMess.Caption(), "Upload ended, communication lost: file incomplete");
  EXPECT_FALSE(f.EventExportFile.IsOpen());
  const std::vector<std::string> lines = ReadCrLfLines(path);
  EXPECT_GE(lines.size(), 5u + 9u);
  EXPECT_EQ(lines[5].substr(0, 2), "0\t");  // event 1400 first
}

// The fault export has a file of its own: saving it in the middle of a download neither closes
// nor redirects the download's file.
TEST_F(EventRelayTest, FaultExportLeavesTheDownloadAlone) {
  Start(40);
  ASSERT_TRUE(w.hb.RunUntil([&] { return EventRequests() >= 5; }, 30000));
  const std::string faults = MapPath("c:\\faults_meanwhile.xls");
  w.hb.dialogAnswers.push_back(faults);
  f.bSaveFaultRecs.UserClick();
  EXPECT_EQ(ReadCrLfLines(faults).size(), 103u);
  ASSERT_TRUE(w.hb.RunUntil([&] { return f.labEventMess.Visible(); }, 30000));
  EXPECT_EQ(f.labEventMess.Caption(), "Upload successful completed");
  EXPECT_EQ(ReadCrLfLines(path).size(), 5u + 40u);
  EXPECT_EQ(ReadCrLfLines(faults).size(), 103u);
}

// The file of a download takes the chosen name only when it is closed: an older file of that name
// stays whole when the disk fills up, and a write-protected one is not replaced at all.
namespace {

size_t FilesBeside(const std::string& path) {
  const std::filesystem::path dir = std::filesystem::path(path).parent_path();
  const std::string stem = std::filesystem::path(path).filename().string();
  size_t n = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir))
    n += e.path().filename().string().rfind(stem, 0) == 0;
  return n;
}

}  // namespace

TEST_F(EventRelayTest, FullDiskKeepsTheOlderFileWhole) {
  { std::ofstream(path, std::ios::binary) << "old\r\n"; }
  FileSizeLimit full(4096);  // about 60 events
  ASSERT_TRUE(full.Set());
  Start(1400);
  ASSERT_TRUE(w.hb.RunUntil([&] { return !f.iLedEventMessage.Active(); }, 60000));
  w.hb.RunFor(300);
  ASSERT_EQ(w.hb.boxes.size(), 1u);
  EXPECT_EQ(w.hb.boxes[0].text, "File I/O error.");
  EXPECT_EQ(ReadCrLfLines(path), std::vector<std::string>{"old"});
  EXPECT_EQ(FilesBeside(path), 1u);  // no half-written file left beside it
}

TEST_F(EventRelayTest, WriteProtectedFileIsRefused) {
  { std::ofstream(path, std::ios::binary) << "old\r\n"; }
  std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::group_read |
                                         std::filesystem::perms::others_read);
  Start(5);
  ASSERT_EQ(w.hb.boxes.size(), 1u);
  EXPECT_EQ(w.hb.boxes[0].text, "File I/O error.");
  EXPECT_FALSE(f.iLedEventMessage.Active());
  w.hb.RunFor(500);
  EXPECT_EQ(EventRequests(), 0);
  EXPECT_EQ(ReadCrLfLines(path), std::vector<std::string>{"old"});
  EXPECT_EQ(FilesBeside(path), 1u);
  std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
}

// Stopped early, the events fetched so far are under the chosen name, and the older file's
// permissions carry over to it.
TEST_F(EventRelayTest, StoppedDownloadReplacesTheOlderFile) {
  { std::ofstream(path, std::ios::binary) << "old\r\n"; }
  std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::owner_write);
  Start(1400);
  ASSERT_TRUE(w.hb.RunUntil([&] { return EventRequests() >= 10; }, 30000));
  EXPECT_EQ(ReadCrLfLines(path), std::vector<std::string>{"old"});  // not yet replaced
  f.bStopEventDownLoad.UserClick();
  ASSERT_TRUE(w.hb.RunUntil([&] { return f.labEventMess.Visible(); }, 5000));
  EXPECT_GE(ReadCrLfLines(path).size(), 5u + 9u);
  EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  EXPECT_EQ(FilesBeside(path), 1u);
}
