#pragma once
// The settings report's line model. Every line of the report is exactly 91 characters. A line is
// composed by inserting pieces at 1-based columns into 91 blanks, left to right: a piece is
// inserted before the character now at its column, so nothing is overwritten; what it pushes
// beyond the line's end is lost. Pieces are neither shortened nor padded to fit their slot: a
// piece longer than the room up to the next column is split by the next piece.
// The settings file writer and the printout build the same lines with this model.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rtl/StringList.h"

inline constexpr int kReportLineWidth = 91;

class ReportLine {
 public:
  ReportLine();  // 91 blanks

  // Inserts the piece before the character at the column (1-based). A column below 1 inserts at
  // the start; a column beyond the working line's end appends, where the piece is lost.
  ReportLine& Insert(int column, std::string_view piece);

  // The finished line: the first 91 characters of the working line.
  std::string Text() const;

  // The working line, at most 92 characters (one beyond the finished line).
  const std::string& Working() const { return work_; }

 private:
  std::string work_;
};

struct ReportPiece {
  int column;
  std::string_view text;
};

// A line made of pieces inserted in the order given.
std::string ComposeReportLine(std::initializer_list<ReportPiece> pieces);

// A line of one piece (titles, underlines, rules, table headers and separators).
std::string ReportLineAt(int column, std::string_view piece);

// 91 "-".
std::string ReportRuler();

// 91 blanks; closes every section.
std::string ReportBlankLine();

// A section table at column 2: ruler, header, separator, the rows with the separator between each
// two, ruler; the ruler is as long as the header.
void AppendFramedTable(TStringList& out, std::string_view header, std::string_view separator,
                       const std::vector<std::string>& rows);

// Value helpers of the report header.

// The model code of a model index: 0 "005", 1 "010", 2 "050", 3 "100", 4 "300"; any other
// index, negative ones included, "005".
std::string ReportModelCode(int modelIndex);

// The date as year, month and day, four, two and two digits, joined by the date separator of
// the program-wide date format: "2024/05/17". Ten characters for years 1 to 9999.
std::string ReportDate(int year, int month, int day, char dateSeparator);

// The time as two-digit hour of the 24-hour clock, "h" and two-digit minutes: "14h05".
std::string ReportTime(int hour, int minute);

// The two revision characters of the saved report's header. With the port open they come from
// the identity record (send column of the identity grid's revision row). With the port closed
// they are the two characters after "Rev " of the revision box's text when that text has at
// least 6 characters (the relay last reported, or the last settings file read while closed);
// otherwise again the identity record's. The printout always takes the identity record's.
std::string ReportRevision(bool portOpen, std::string_view revisionBoxText,
                           std::string_view identityRevision);
