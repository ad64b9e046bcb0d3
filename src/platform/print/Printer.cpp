#include "platform/print/Printer.h"

#include <cstdlib>

TPrinter& Printer() {
  static TPrinter p;
  return p;
}

PrintDevice& TPrinter::Dev() const {
  if (!device_) throw EPrinter("There is no default printer currently selected");
  return *device_;
}

void TPrinter::BeginDoc() {
  if (printing_) throw EPrinter("Printing in progress");
  Dev().BeginDoc(Title);
  printing_ = true;
  page_ = 1;
}

void TPrinter::NewPage() {
  if (!printing_) throw EPrinter("Printer is not currently printing");
  Dev().NewPage();
  ++page_;
}

void TPrinter::EndDoc() {
  if (!printing_) throw EPrinter("Printer is not currently printing");
  printing_ = false;
  Dev().EndDoc();
}

void TPrinter::Abort() {
  if (!printing_) return;
  printing_ = false;
  Dev().Abort();
}

int TPrinter::PageWidth() const { return Dev().PageWidth(); }
int TPrinter::PageHeight() const { return Dev().PageHeight(); }
int TPrinter::Dpi() const { return Dev().Dpi(); }

void TPrinterCanvas::TextOut(int x, int y, const std::string& text) {
  if (!printer_.printing_) throw EPrinter("Printer is not currently printing");
  printer_.Dev().TextOut(x, y, Font, text);
}

int TPrinterCanvas::TextHeight(const std::string& text) {
  return printer_.Dev().TextHeight(Font, text);
}
int TPrinterCanvas::TextWidth(const std::string& text) {
  return printer_.Dev().TextWidth(Font, text);
}
int TPrinterCanvas::PixelsPerInch() const { return printer_.Dpi(); }

void RecordingPrintDevice::BeginDoc(const std::string& t) {
  title = t;
  pages.clear();
  pages.emplace_back();
  ended = aborted = false;
  textOuts_ = 0;
}

void RecordingPrintDevice::NewPage() { pages.emplace_back(); }

void RecordingPrintDevice::TextOut(int x, int y, const TFont& font, const std::string& text) {
  if (failOnTextOut >= 0 && textOuts_ == failOnTextOut) {
    ++textOuts_;
    throw EPrinter("Printer error");
  }
  ++textOuts_;
  if (pages.empty()) pages.emplace_back();
  pages.back().texts.push_back(Text{x, y, text, font});
}

// A fixed-pitch face: height from the font height (or size at this resolution), width 0.6 em.
int RecordingPrintDevice::TextHeight(const TFont& font, const std::string&) {
  return font.Height != 0 ? std::abs(font.Height) : font.Size * dpi_ / 72;
}

int RecordingPrintDevice::TextWidth(const TFont& font, const std::string& text) {
  return static_cast<int>(text.size()) * TextHeight(font, text) * 6 / 10;
}
