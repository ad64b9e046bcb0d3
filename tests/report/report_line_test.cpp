#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/ReportLine.h"

namespace {

// The text placed at a 1-based column of a finished line.
std::string At(const std::string& line, int column, std::size_t length) {
  return line.substr(column - 1, length);
}

std::string Blanks(std::size_t n) { return std::string(n, ' '); }

TEST(ReportLine, NewLineIsBlanksAndRulerIsDashes) {
  EXPECT_EQ(ReportLine().Text(), Blanks(91));
  EXPECT_EQ(ReportBlankLine(), Blanks(91));
  EXPECT_EQ(ReportRuler(), std::string(91, '-'));
}

struct InsertCase {
  const char* what;
  std::vector<ReportPiece> pieces;
  std::string expected;  // the finished line, with blanks filled up to 91
};

TEST(ReportLine, Insertion) {
  const std::string longPiece(100, 'L');
  // clang-format off
  const InsertCase cases[] = {
      {"piece lands at its column", {{38, "VUMA Settings"}}, Blanks(37) + "VUMA Settings"},
      {"column 1", {{1, "abc"}}, "abc"},
      {"pieces in separate slots", {{2, "ab"}, {10, "cd"}}, " ab      cd"},
      {"piece that runs into the next column is split by the next piece",
       {{2, "ABCDEFGH"}, {5, "xy"}},
       " ABCxyDEFGH"},
      {"next piece directly after the previous one", {{2, "AB"}, {4, "CD"}}, " ABCD"},
      {"text moved beyond column 91 is lost", {{90, "XY"}, {1, "1"}}, "1" + Blanks(89) + "X"},
      {"piece ending exactly at column 91", {{89, "XYZ"}}, Blanks(88) + "XYZ"},
      {"piece running past column 91 is cut", {{90, "WXYZ"}}, Blanks(89) + "WX"},
      {"piece at column 92 is lost", {{92, "Q"}}, ""},
      {"piece far beyond the line is lost", {{500, "Q"}}, ""},
      {"column below 1 inserts at the start", {{0, "A"}, {-7, "B"}}, "BA"},
      {"a piece longer than the line is cut", {{1, longPiece}}, longPiece.substr(0, 91)},
      {"empty piece changes nothing", {{5, ""}, {5, "x"}}, "    x"},
      {"insert before a piece in an earlier column pushes it right", {{10, "b"}, {3, "a"}},
       "  a       b"},
  };
  // clang-format on
  for (const InsertCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::string expected = c.expected;
    expected.resize(91, ' ');
    ReportLine line;
    for (const ReportPiece& p : c.pieces) line.Insert(p.column, p.text);
    EXPECT_EQ(line.Text(), expected);
  }
}

// The working line keeps one character beyond the finished line, never more.
TEST(ReportLine, WorkingLineStaysWithin92) {
  ReportLine line;
  line.Insert(1, std::string(200, 'a'));
  EXPECT_EQ(line.Working().size(), 92u);
  line.Insert(92, "b").Insert(93, "c").Insert(1, "d");
  EXPECT_EQ(line.Working().size(), 92u);
  EXPECT_EQ(line.Text().size(), 91u);
  EXPECT_EQ(line.Text(), "d" + std::string(90, 'a'));
}

TEST(ReportLine, ModelCode) {
  const std::pair<int, const char*> cases[] = {{0, "005"}, {1, "010"},  {2, "050"},
                                               {3, "100"}, {4, "300"},  {5, "005"},
                                               {7, "005"}, {-1, "005"}, {1000000, "005"}};
  for (auto [index, code] : cases) EXPECT_EQ(ReportModelCode(index), code) << index;
}

TEST(ReportLine, DateAndTime) {
  EXPECT_EQ(ReportDate(2024, 5, 17, '/'), "2024/05/17");
  EXPECT_EQ(ReportDate(2024, 12, 1, '-'), "2024-12-01");
  EXPECT_EQ(ReportDate(987, 1, 2, '.'), "0987.01.02");
  EXPECT_EQ(ReportTime(14, 5), "14h05");
  EXPECT_EQ(ReportTime(0, 0), "00h00");
  EXPECT_EQ(ReportTime(23, 59), "23h59");
}

TEST(ReportLine, RevisionSource) {
  struct Case {
    bool open;
    const char* box;
    const char* identity;
    const char* expected;
    // clang-format off
  } const cases[] = {
      {true, "Rev 4e", "3a", "3a"},   // port open: always the identity record
      {true, "", "0a", "0a"},
      {false, "Rev 4e", "0a", "4e"},  // closed: the relay's last reported revision
      {false, "", "0a", "0a"},        // never connected, no file read
      {false, "Rev 4", "0a", "0a"},   // too short for a revision
      {false, "Rev 4e\r\n", "0a", "4e"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.box) + (c.open ? " open" : " closed"));
    EXPECT_EQ(ReportRevision(c.open, c.box, c.identity), c.expected);
  }
}

// The header's date line: the pieces meet exactly at their columns with a ten-character date.
TEST(ReportLine, HeaderDateLineColumns) {
  const std::string date = ReportDate(2024, 5, 17, '-');
  const std::string time = ReportTime(14, 5);
  const std::string line = ComposeReportLine({{1, " Date : "},
                                              {9, date},
                                              {19, " Time : "},
                                              {27, time},
                                              {36, " Serial Number : "},
                                              {53, "12345678"},
                                              {68, " Revision : "},
                                              {80, "4e"}});
  ASSERT_EQ(line.size(), 91u);
  EXPECT_EQ(At(line, 1, 8), " Date : ");
  EXPECT_EQ(At(line, 9, 10), "2024-05-17");
  EXPECT_EQ(At(line, 19, 8), " Time : ");
  EXPECT_EQ(At(line, 27, 5), "14h05");
  EXPECT_EQ(At(line, 36, 17), " Serial Number : ");
  EXPECT_EQ(At(line, 53, 8), "12345678");
  EXPECT_EQ(At(line, 68, 12), " Revision : ");
  EXPECT_EQ(At(line, 80, 2), "4e");
  EXPECT_EQ(At(line, 82, 10), Blanks(10));
}

TEST(ReportLine, HeaderDriveLineEndsAtColumn86) {
  const std::string line =
      ComposeReportLine({{1, std::string(" Drive ID : ") + "ABCDEFGH"},
                         {46, std::string(" Drive Description : ") + "12345678901234567890"}});
  EXPECT_EQ(At(line, 13, 8), "ABCDEFGH");
  EXPECT_EQ(At(line, 21, 25), Blanks(25));
  EXPECT_EQ(At(line, 67, 20), "12345678901234567890");
  EXPECT_EQ(At(line, 87, 5), Blanks(5));
}

}  // namespace
