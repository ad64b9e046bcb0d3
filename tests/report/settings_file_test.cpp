// The save command: dialog, line list, and the bytes of the saved settings file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/rtl/Paths.h"
#include "report/SettingsReport.h"
#include "support/ReportWorld.h"

namespace {

namespace fs = std::filesystem;
using wire::RecordId;

std::string ReadBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The file's lines, each checked to end with CR LF.
std::vector<std::string> CrLfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t cr = bytes.find("\r\n", start);
    EXPECT_NE(cr, std::string::npos) << "line without CR LF at byte " << start;
    if (cr == std::string::npos) break;
    lines.push_back(bytes.substr(start, cr - start));
    start = cr + 2;
  }
  return lines;
}

class SaveSettingsFile : public ::testing::Test {
 protected:
  ReportWorld w;
  fs::path folder;

  void SetUp() override {
    folder =
        fs::path(DriveCRoot()) / ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  // Answers the save dialog with a path (or cancels) and runs the command as a click does.
  void Save(const std::optional<std::string>& answer) {
    w.hb.dialogAnswers.push_back(answer);
    TApplication::Dispatch([this] { w.f1().ExportNCSettings1Click(); });
  }
};

TEST_F(SaveSettingsFile, DialogSettings) {
  Save(std::nullopt);
  ASSERT_EQ(w.hb.dialogs.size(), 1u);
  const RecordedDialog& d = w.hb.dialogs[0];
  EXPECT_EQ(d.kind, DialogKind::Save);
  EXPECT_EQ(d.title, "Save settings in disc file");
  EXPECT_EQ(d.filter, "Settings|*.set");
  EXPECT_EQ(d.defaultExt, "set");
  EXPECT_EQ(d.initialDir, "c:\\");
  EXPECT_TRUE(d.overwritePrompt);
}

TEST_F(SaveSettingsFile, CancelWritesNothingAndEmptiesTheLineList) {
  w.LineList().Add("a line of a file read before");
  Save(std::nullopt);
  EXPECT_EQ(w.LineList().Count(), 0);
  EXPECT_TRUE(fs::is_empty(folder));
  EXPECT_TRUE(w.hb.boxes.empty());
}

// Windows-1252 bytes as they stand, CR LF after every line including the last, 91 characters
// a line; the line list keeps the report.
TEST_F(SaveSettingsFile, BytesOfTheSavedFile) {
  w.Send(RecordId::Desc, 1,
         "Pompe \xe9t\xe9 n\xb0"
         "1       ");  // "Pompe été n°1", 20 characters
  w.Send(RecordId::Identity, 2, "00004711");
  const fs::path file = folder / "pump.set";
  Save(file.string());
  EXPECT_TRUE(w.hb.boxes.empty());

  const std::string bytes = ReadBytes(file);
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF");
  const auto lines = CrLfLines(bytes);
  EXPECT_EQ(bytes.size(), lines.size() * 93);
  for (const auto& line : lines) {
    EXPECT_EQ(line.size(), 91u);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
  }
  EXPECT_EQ(lines, w.Lines());

  ASSERT_GE(lines.size(), 48u);
  EXPECT_EQ(lines[3].substr(0, 31), " Date : 2024/05/17 Time : 14h05");
  EXPECT_EQ(lines[3].substr(52, 8), "00004711");
  EXPECT_EQ(lines[5].substr(66, 20),
            "Pompe \xe9t\xe9 n\xb0"
            "1       ");
  EXPECT_EQ(lines[8].substr(1, 8), "Settings");
  EXPECT_EQ(lines[47], std::string(91, ' '));
}

// A line list that kept a UTF-8 file's encoding still saves Windows-1252 without a mark.
TEST_F(SaveSettingsFile, AlwaysWindows1252) {
  const fs::path utf8 = folder / "read-before.set";
  std::ofstream(utf8, std::ios::binary) << "\xEF\xBB\xBFline\r\n";
  w.LineList().LoadFromFile(utf8.string());
  ASSERT_EQ(w.LineList().Encoding(), TTextEncoding::Utf8);

  w.Send(RecordId::Desc, 2,
         "\xe9"
         "       ");
  const fs::path file = folder / "out.set";
  Save(file.string());
  const std::string bytes = ReadBytes(file);
  EXPECT_EQ(bytes.substr(0, 3), std::string(91, '-').substr(0, 3));
  EXPECT_EQ(CrLfLines(bytes)[5].substr(0, 13), " Drive ID : \xe9");
  EXPECT_EQ(bytes.size() % 93, 0u);
}

// A Windows path on drive C lands under the drive's root; an existing file is replaced whole.
TEST_F(SaveSettingsFile, DriveCPathReplacesTheOldFile) {
  const std::string name = folder.filename().string();
  const fs::path file = folder / "relay.set";
  std::ofstream(file, std::ios::binary) << std::string(100000, '\x01');
  Save("c:\\" + name + "\\relay.set");
  const std::string bytes = ReadBytes(file);
  EXPECT_EQ(bytes.substr(0, 91), std::string(91, '-'));
  EXPECT_EQ(bytes.find('\x01'), std::string::npos);
  EXPECT_EQ(bytes.size() % 93, 0u);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

// A file that cannot be written ends the command with the standard error box; the line list
// keeps the composed report and no stray file is left.
TEST_F(SaveSettingsFile, UnwritablePathShowsTheErrorBox) {
  Save((folder / "missing-folder" / "x.set").string());
  ASSERT_EQ(w.hb.boxes.size(), 1u);
  EXPECT_FALSE(w.hb.boxes[0].text.empty());
  EXPECT_GE(w.LineList().Count(), 48);
  EXPECT_TRUE(fs::is_empty(folder));
}

// Cells that hold no number never stop the save.
TEST_F(SaveSettingsFile, UnreadableCellsStillSave) {
  for (int row = 1; row <= 51; ++row) w.Setting(row, "");
  w.Send(RecordId::Identity, 1, "?");
  const fs::path file = folder / "odd.set";
  Save(file.string());
  EXPECT_TRUE(w.hb.boxes.empty());
  const auto lines = CrLfLines(ReadBytes(file));
  ASSERT_GE(lines.size(), 48u);
  EXPECT_EQ(lines[4].substr(35, 12), " Model : 005");
}

// Two saves in a row give the same file apart from the date and time.
TEST_F(SaveSettingsFile, SaveTwiceSameReport) {
  Save((folder / "a.set").string());
  w.SetClock(EncodeDate(2025, 1, 2) + EncodeTime(8, 9, 0, 0));
  Save((folder / "b.set").string());
  auto a = CrLfLines(ReadBytes(folder / "a.set"));
  auto b = CrLfLines(ReadBytes(folder / "b.set"));
  ASSERT_EQ(a.size(), b.size());
  EXPECT_EQ(b[3].substr(0, 31), " Date : 2025/01/02 Time : 08h09");
  a[3] = b[3] = "";
  EXPECT_EQ(a, b);
}

}  // namespace
