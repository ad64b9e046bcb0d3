// The print command: the print dialog, the printout's variant of the report, and the pages printed.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/print/Printer.h"
#include "report/PrintPages.h"
#include "report/ReportSections.h"
#include "report/SettingsReport.h"
#include "support/ReportWorld.h"

namespace {

using wire::RecordId;

class PrintCommand : public ::testing::Test {
 protected:
  ReportWorld w;
  std::shared_ptr<RecordingPrintDevice> device = std::make_shared<RecordingPrintDevice>();

  void SetUp() override { Printer().SetDevice(device); }
  void TearDown() override { Printer().SetDevice(nullptr); }

  // Answers the print dialog (accept or cancel) and runs the command as a click does.
  void Print(bool accept) {
    w.hb.dialogAnswers.push_back(accept ? std::optional<std::string>("printer") : std::nullopt);
    TApplication::Dispatch([this] { w.f1().miPrintCalSetClick(); });
  }
  std::vector<std::string> WriterLines() {
    TStringList l;
    ComposeSettingsReport(l, SettingsFileVariant());
    return l.Lines();
  }
};

TEST_F(PrintCommand, CancelLeavesTheLineListEmptyAndPrintsNothing) {
  w.LineList().Add("a line of a settings file read before");
  Print(false);
  EXPECT_EQ(w.LineList().Count(), 0);
  EXPECT_TRUE(device->pages.empty());
  EXPECT_TRUE(w.hb.boxes.empty());
  ASSERT_EQ(w.hb.dialogs.size(), 1u);
  EXPECT_EQ(w.hb.dialogs[0].kind, DialogKind::Print);
}

// The printout differs from the saved report only by the revision source, the page-filling blank
// lines and the missing legends.
TEST_F(PrintCommand, VariantDiffersFromTheWriterOnlyWhereItShould) {
  w.f1().mbSW_Rev.SetText("Rev 4e");
  w.Send(RecordId::Identity, 3, "3b");
  Print(true);
  std::vector<std::string> printed = w.Lines();
  std::vector<std::string> saved = WriterLines();

  // Header line 4: the identity record's revision at column 80, whatever the port state says.
  ASSERT_GE(printed.size(), 9u);
  EXPECT_EQ(printed[3].substr(79, 2), "3b");
  EXPECT_EQ(saved[3].substr(79, 2), "4e");
  EXPECT_EQ(printed[3].substr(0, 79), saved[3].substr(0, 79));

  // The Settings section's single closing blank becomes 22 blank lines.
  const std::string blank(91, ' ');
  size_t settingsEnd = 8 + 39;  // header, then "Settings" up to its last line
  for (size_t i = 0; i < settingsEnd; ++i)
    if (i != 3) {
      EXPECT_EQ(printed[i], saved[i]) << "line " << i + 1;
    }
  for (size_t i = settingsEnd; i < settingsEnd + 22 && i < printed.size(); ++i)
    EXPECT_EQ(printed[i], blank) << "line " << i + 1;
  // Every section's closing blank becomes its run of blank lines.
  size_t extra = 0;
  for (const ReportSectionEntry& section : kReportSections)
    if (section.compose) extra += static_cast<size_t>(section.printoutBlanks - 1);
  EXPECT_GE(extra, 21u + 8u + 5u);
  EXPECT_EQ(printed.size() + 304, saved.size() + extra);  // the saved file's legend lines
  for (const auto& line : printed) EXPECT_EQ(line.size(), 91u);
}

TEST_F(PrintCommand, PrintsTheLineListWithFooters) {
  Print(true);
  const auto lines = w.Lines();
  ASSERT_FALSE(device->pages.empty());
  EXPECT_TRUE(device->ended);
  // Every list line is printed once, in order, in the fixed-pitch face.
  std::vector<std::string> texts;
  for (const auto& page : device->pages)
    for (const auto& t : page.texts) {
      EXPECT_EQ(t.font.Name, "Courier New");
      const bool footer = t.text.find("Page ") != std::string::npos;
      const bool emptyRow = t.text == std::string(kPrintEmptyRowBlanks, ' ');
      if (!footer && !emptyRow) texts.push_back(t.text);
    }
  EXPECT_EQ(texts, lines);
  const int pages = PrintedPageCount(static_cast<int>(lines.size()));
  ASSERT_EQ(device->pages.size(), static_cast<size_t>(pages));
  EXPECT_EQ(device->pages.back().texts.back().text, PrintFooter(pages, pages));
}

TEST_F(PrintCommand, PrinterErrorReachesTheErrorBoxAndTheNextPrintWorks) {
  device->failOnTextOut = 3;
  Print(true);
  ASSERT_EQ(w.hb.boxes.size(), 1u);
  EXPECT_EQ(w.hb.boxes[0].kind, BoxKind::Error);
  EXPECT_TRUE(device->aborted);
  EXPECT_FALSE(Printer().Printing());
  device->failOnTextOut = -1;
  Print(true);
  EXPECT_EQ(w.hb.boxes.size(), 1u);
  EXPECT_TRUE(device->ended);
}

TEST_F(PrintCommand, PrinterSetupRunsItsDialog) {
  w.hb.dialogAnswers.push_back(std::nullopt);
  w.f1().miPrintSetUpClick();
  ASSERT_EQ(w.hb.dialogs.size(), 1u);
  EXPECT_EQ(w.hb.dialogs[0].kind, DialogKind::PrinterSetup);
}

}  // namespace
