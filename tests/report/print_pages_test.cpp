#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/print/Printer.h"
#include "report/PrintPages.h"

namespace {

// Distinct lines, so that a line printed twice, lost or out of order shows.
std::vector<std::string> NumberedLines(int n) {
  std::vector<std::string> lines;
  for (int i = 0; i < n; ++i) {
    std::string s = "line " + std::to_string(i + 1);
    s.resize(91, ' ');
    lines.push_back(s);
  }
  return lines;
}

struct Device {
  const char* what;
  int dpi, width, height;
  int fontHeight;  // |Font.Height| for 10 points at this resolution
  int step;        // the row distance expected
};

// A4 at 600 dpi keeps the full step of font height + 12. Short pages shrink it so that the
// first page's 70 rows end within the printable height.
// clang-format off
const Device kDevices[] = {
    {"A4 600 dpi", 600, 4961, 7016, 83, 95},
    {"Letter 600 dpi", 600, 4800, 6400, 83, (6400 - 50 - 83) / 69},  // 90
    {"A4 300 dpi", 300, 2480, 3508, 42, (3508 - 50 - 42) / 69},      // 49
    {"Letter 300 dpi", 300, 2400, 3200, 42, (3200 - 50 - 42) / 69},  // 45
    {"tall 300 dpi", 300, 2480, 5000, 42, 54},
};
// clang-format on

const int kLineCounts[] = {1, 67, 68, 134, 135, 345, 480};

class PrintPagesTest : public ::testing::Test {
 protected:
  void Use(const Device& d) {
    device = std::make_shared<RecordingPrintDevice>(d.dpi, d.width, d.height);
    printer.SetDevice(device);
  }
  TPrinter printer;
  std::shared_ptr<RecordingPrintDevice> device;
};

TEST_F(PrintPagesTest, PagesRowsAndFooters) {
  for (const Device& d : kDevices) {
    for (int n : kLineCounts) {
      SCOPED_TRACE(std::string(d.what) + ", " + std::to_string(n) + " lines");
      Use(d);
      const auto lines = NumberedLines(n);
      PrintReportLines(lines, printer);

      EXPECT_TRUE(device->ended);
      EXPECT_FALSE(device->aborted);
      EXPECT_FALSE(printer.Printing());
      const int pages = (n + 66) / 67;
      ASSERT_EQ(static_cast<int>(device->pages.size()), pages);

      // Page 1 holds list lines 1..68, page k >= 2 lines 67(k-1)+2 .. 67k+1.
      int next = 0;
      for (int k = 1; k <= pages; ++k) {
        SCOPED_TRACE("page " + std::to_string(k));
        const int last = std::min(n, 67 * k + 1);  // 1-based, inclusive
        const int count = last - next;
        const auto& texts = device->pages[k - 1].texts;
        ASSERT_EQ(static_cast<int>(texts.size()), count + 2);
        for (int r = 0; r < count + 2; ++r) {
          EXPECT_EQ(texts[r].x, 50);
          EXPECT_EQ(texts[r].y, 50 + r * d.step) << "row " << r;
          EXPECT_EQ(texts[r].font.Name, "Courier New");
          EXPECT_EQ(texts[r].font.Size, 10);
          EXPECT_EQ(texts[r].font.Height, -d.fontHeight);
        }
        for (int r = 0; r < count; ++r) EXPECT_EQ(texts[r].text, lines[next + r]);
        EXPECT_EQ(texts[count].text, std::string(74, ' '));
        EXPECT_EQ(texts[count + 1].text, std::string(37, ' ') + "Page " + std::to_string(k) +
                                             " of " + std::to_string(pages));
        // Every row, the footer included, within the printable height.
        EXPECT_LE(texts.back().y + d.fontHeight, d.height);
        next = last;
      }
      EXPECT_EQ(next, n);
    }
  }
}

TEST_F(PrintPagesTest, LastPageOfReportLists) {
  struct Case {
    int n, pages, linesOnLast;
  } const cases[] = {{345, 6, 9}, {346, 6, 10}, {372, 6, 36}, {476, 8, 6}, {480, 8, 10},
                     {68, 2, 0},  {135, 3, 0},  {134, 2, 66}, {67, 1, 67}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.n);
    Use(kDevices[0]);
    PrintReportLines(NumberedLines(c.n), printer);
    ASSERT_EQ(static_cast<int>(device->pages.size()), c.pages);
    EXPECT_EQ(static_cast<int>(device->pages.back().texts.size()) - 2, c.linesOnLast);
    EXPECT_EQ(device->pages.back().texts.back().text, std::string(37, ' ') + "Page " +
                                                          std::to_string(c.pages) + " of " +
                                                          std::to_string(c.pages));
  }
}

// At 600 dpi on A4 the first footer stands 69 steps of 95 below the top: 11.0 inches.
TEST_F(PrintPagesTest, FirstFooterAtFullStep) {
  Use(kDevices[0]);
  PrintReportLines(NumberedLines(345), printer);
  EXPECT_EQ(device->pages[0].texts.back().y, 50 + 69 * 95);
  EXPECT_EQ(device->pages[0].texts.back().y, 6605);
}

TEST(PrintLayout, StepAndPageCount) {
  EXPECT_EQ(PrintLineStep(83, 7016), 95);
  EXPECT_EQ(PrintLineStep(83, 50 + 69 * 95 + 83), 95);  // exactly fits
  EXPECT_EQ(PrintLineStep(83, 50 + 69 * 95 + 82), 94);  // one unit short
  EXPECT_EQ(PrintLineStep(42, 3508), 49);
  EXPECT_EQ(PrintLineStep(83, 100), 1);  // absurd page: never below 1
  EXPECT_EQ(PrintLineStep(83, 0), 1);
  EXPECT_EQ(PrintedPageCount(0), 0);
  EXPECT_EQ(PrintedPageCount(1), 1);
  EXPECT_EQ(PrintedPageCount(67), 1);
  EXPECT_EQ(PrintedPageCount(68), 2);
  EXPECT_EQ(PrintedPageCount(134), 2);
  EXPECT_EQ(PrintedPageCount(135), 3);
  EXPECT_EQ(PrintFooter(2, 6), std::string(37, ' ') + "Page 2 of 6");
}

TEST_F(PrintPagesTest, EmptyListPrintsNothing) {
  Use(kDevices[0]);
  PrintReportLines({}, printer);
  EXPECT_TRUE(device->pages.empty());
  EXPECT_FALSE(printer.Printing());
}

// A device whose page break runs a handler that rewrites the caller's list, as a timer may while
// a page spools.
class MeddlingDevice : public RecordingPrintDevice {
 public:
  using RecordingPrintDevice::RecordingPrintDevice;
  void NewPage() override {
    RecordingPrintDevice::NewPage();
    if (list) {
      list->clear();
      list->push_back("changed");
    }
  }
  std::vector<std::string>* list = nullptr;
};

TEST_F(PrintPagesTest, PrintsTheListAsItWasWhenPrintingStarted) {
  auto meddling = std::make_shared<MeddlingDevice>();
  printer.SetDevice(meddling);
  std::vector<std::string> lines = NumberedLines(345);
  const std::vector<std::string> original = lines;
  meddling->list = &lines;
  PrintReportLines(lines, printer);
  ASSERT_EQ(meddling->pages.size(), 6u);
  std::vector<std::string> printed;
  for (const auto& page : meddling->pages)
    for (std::size_t r = 0; r + 2 < page.texts.size(); ++r) printed.push_back(page.texts[r].text);
  EXPECT_EQ(printed, original);
  EXPECT_EQ(lines, std::vector<std::string>{"changed"});
}

TEST_F(PrintPagesTest, FailingTextOutAbortsAndTheNextPrintWorks) {
  // First line, a footer (68 lines + empty row = text-out 69), a line of page 2, the last footer.
  for (int failAt : {0, 69, 100, 346}) {
    SCOPED_TRACE(failAt);
    Use(kDevices[0]);
    device->failOnTextOut = failAt;
    EXPECT_THROW(PrintReportLines(NumberedLines(345), printer), EPrinter);
    EXPECT_TRUE(device->aborted);
    EXPECT_FALSE(device->ended);
    EXPECT_FALSE(printer.Printing());

    device->failOnTextOut = -1;
    PrintReportLines(NumberedLines(345), printer);
    EXPECT_TRUE(device->ended);
    EXPECT_EQ(device->pages.size(), 6u);
  }
}

// A document already open is someone else's: the refusal reaches the caller and that document
// is not aborted.
TEST_F(PrintPagesTest, PrinterBusyLeavesTheOpenDocumentAlone) {
  Use(kDevices[0]);
  printer.BeginDoc();
  try {
    PrintReportLines(NumberedLines(10), printer);
    FAIL() << "no error";
  } catch (const EPrinter& e) {
    EXPECT_EQ(e.Message(), "Printing in progress");
  }
  EXPECT_TRUE(printer.Printing());
  EXPECT_FALSE(device->aborted);
  printer.EndDoc();
}

TEST_F(PrintPagesTest, NoPrinterIsAnError) {
  EXPECT_THROW(PrintReportLines(NumberedLines(3), printer), EPrinter);
  EXPECT_FALSE(printer.Printing());
}

}  // namespace
