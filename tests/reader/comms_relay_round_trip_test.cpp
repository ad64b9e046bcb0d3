// The Communication Module section of the settings file after a read from an extended relay:
// save, disconnect, open the file with the port closed, save again; the two files are the same for
// every module type, also when the relay's data block holds values of another module type's layout
// (bytes outside the chosen type's lists).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "main/UnitFileDialog.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/SysUtils.h"
#include "support/CommsWorld.h"
#include "support/ShellWorld.h"

namespace {

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The lines of the file's communication module section, from its title to its closing ruler.
// (The relay's other records hold values beyond some editors' ranges; those sections are not
// what this test is about.)
std::vector<std::string> CommsSection(const std::string& file) {
  std::vector<std::string> out;
  size_t start = 0;
  for (size_t i = 0; i < file.size(); ++i) {
    if (file[i] != '\n') continue;
    const std::string line = file.substr(start, i - start);
    start = i + 1;
    if (out.empty() && line.find("Communication Module") == std::string::npos) continue;
    out.push_back(line);
    if (out.size() > 3 && Trim(line).starts_with("---")) break;
  }
  return out;
}

}  // namespace

TEST(CommsRelayRoundTrip, SaveOpenWithThePortClosedSaveGivesTheSameFileForEveryType) {
  struct Block {
    const char* name;
    bool ownLayout;  // the block as the chosen type fills it; else the relay's default bytes
  };
  for (const Block& b : {Block{"the type's own block", true}, Block{"another layout's bytes", false}})
    for (int type = 0; type < editors::comms::kProtocolCount; ++type) {
      SCOPED_TRACE(std::string(b.name) + ", type " + std::to_string(type));
      ShellWorld w(true, "4e");
      SetNowProvider([] { return EncodeDate(2024, 5, 17) + EncodeTime(14, 5, 30, 0); });
      const int record[10] = {137, type, 1, 0, 16, 39, 2, 1, 255, 3};
      for (int i = 0; i < 10; ++i)
        w.model().SetField(wire::RecordId::Comms, i + 1, wire::PadNum(record[i], 3));
      if (b.ownLayout) w.model().CommsBlock = ValidBlock(w.f1(), type);
      FrmFileDialog->OnShow = [&w] { w.hb.After(10, [] { FrmFileDialog->Close(); }); };

      w.ConnectAndRead();
      ASSERT_TRUE(w.f2().ComPort1.Connected());
      ASSERT_EQ(w.f1().cbExtCommsSelProt.ItemIndex(), type);
      const std::string first = DriveCRoot() + "/first.set", second = DriveCRoot() + "/second.set";
      w.hb.dialogAnswers.push_back(first);
      w.f1().ExportNCSettings1Click();
      w.f1().Connect1Click();  // disconnects
      ASSERT_FALSE(w.f2().ComPort1.Connected());
      w.hb.dialogAnswers.push_back(first);
      w.f1().ImportMMIFile1Click();
      w.hb.dialogAnswers.push_back(second);
      w.f1().ExportNCSettings1Click();
      SetNowProvider(nullptr);

      const std::vector<std::string> before = CommsSection(Slurp(first)),
                                     after = CommsSection(Slurp(second));
      ASSERT_GT(before.size(), 5u);
      ASSERT_EQ(after.size(), before.size());
      for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(after[i], before[i]) << "line " << i;
      // No row is saved empty: the IP assignment carries the page's selection.
      for (const std::string& line : before)
        if (line.find("| IP Assignment    |") != std::string::npos)
          EXPECT_NE(Trim(line.substr(23, 48)), "") << line;
    }
}
