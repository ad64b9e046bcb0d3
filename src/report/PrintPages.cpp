#include "report/PrintPages.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "platform/print/Printer.h"

int PrintedPageCount(int lineCount) {
  if (lineCount <= 0) return 0;
  return lineCount / kPrintBreakPeriod + (lineCount % kPrintBreakPeriod > 0 ? 1 : 0);
}

int PrintLineStep(int fontHeight, int pageHeight) {
  const int step = fontHeight + kPrintLineGap;
  // The last row of the first page starts 69 steps below the top and needs the font height.
  const long long needed =
      kPrintTop + static_cast<long long>(kPrintRowsFirstPage - 1) * step + fontHeight;
  if (needed <= pageHeight) return step;
  const long long room = static_cast<long long>(pageHeight) - kPrintTop - fontHeight;
  return static_cast<int>(std::max<long long>(1, room / (kPrintRowsFirstPage - 1)));
}

std::string PrintFooter(int page, int pageCount) {
  return std::string(kPrintFooterIndent, ' ') + "Page " + std::to_string(page) + " of " +
         std::to_string(pageCount);
}

void PrintReportLines(const std::vector<std::string>& lines, TPrinter& printer) {
  // Pages spool through the message loop, where timers and commands may change the caller's list.
  const std::vector<std::string> copy = lines;
  if (copy.empty()) return;
  const int n = static_cast<int>(std::min<std::size_t>(copy.size(), INT_MAX));
  const int pageCount = PrintedPageCount(n);

  printer.BeginDoc();
  try {
    TCanvas& canvas = printer.Canvas();
    canvas.Font.Name = std::string(kPrintFontName);
    canvas.SetFontSize(kPrintFontSize);
    const int step = PrintLineStep(std::abs(canvas.Font.Height), printer.PageHeight());
    const std::string emptyRow(kPrintEmptyRowBlanks, ' ');

    int page = 1;
    int y = kPrintTop;
    for (int i = 0; i < n; ++i) {
      canvas.TextOut(kPrintLeft, y, copy[i]);
      y += step;
      if (i % kPrintBreakPeriod == 0 && i > 0) {
        canvas.TextOut(kPrintLeft, y, emptyRow);
        y += step;
        canvas.TextOut(kPrintLeft, y, PrintFooter(page, pageCount));
        printer.NewPage();
        y = kPrintTop;
        ++page;
      }
    }
    canvas.TextOut(kPrintLeft, y, emptyRow);
    y += step;
    canvas.TextOut(kPrintLeft, y, PrintFooter(pageCount, pageCount));
    printer.EndDoc();
  } catch (...) {
    printer.Abort();
    throw;
  }
}
