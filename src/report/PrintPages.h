#pragma once
// The printed pages of the settings report: every line at a fixed left position in a
// fixed-pitch font, 68 lines on the first page and 67 on each later page, every page closed by
// an empty row and the footer "Page k of N". Positions are in the printer's device units.
#include <string>
#include <string_view>
#include <vector>

class TPrinter;

inline constexpr int kPrintLeft = 50;            // x of every text
inline constexpr int kPrintTop = 50;             // y of every page's first row
inline constexpr int kPrintLineGap = 12;         // added to the font height for the line step
inline constexpr int kPrintBreakPeriod = 67;     // a page ends after the lines 67, 134, 201, ...
inline constexpr int kPrintRowsFirstPage = 70;   // 68 lines, the empty row and the footer
inline constexpr int kPrintEmptyRowBlanks = 74;  // the empty row before each footer
inline constexpr int kPrintFooterIndent = 37;    // blanks before "Page"
inline constexpr std::string_view kPrintFontName = "Courier New";
inline constexpr int kPrintFontSize = 10;  // points

// Pages for n lines: n div 67, plus one for a remainder.
int PrintedPageCount(int lineCount);

// The distance between rows for a font height (device units) on a printable height: the font
// height plus 12, or less where the first page's 70 rows would not fit, so that they do (never
// below 1).
int PrintLineStep(int fontHeight, int pageHeight);

// The footer of page k of n: 37 blanks, "Page ", k, " of ", n.
std::string PrintFooter(int page, int pageCount);

// Prints the lines as one document on the printer, in "Courier New" 10 points. The lines are
// copied before the document starts, so that a change to the caller's list while pages spool
// does not reach the print. An empty list prints nothing. A printer error aborts the document
// (so the next print can start) and is passed on to the caller; an error from starting the
// document (a document of someone else still open) leaves that document alone.
void PrintReportLines(const std::vector<std::string>& lines, TPrinter& printer);
