#pragma once
// The print device over QPrinter: 600 dpi, "Courier New" through its metric-compatible substitute,
// text placed by its top-left corner. Without a printer queue the document becomes a PDF file in
// the root of drive C.
#include <memory>
#include <optional>
#include <string>

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "platform/print/Printer.h"

namespace qtb {

class QtPrintDevice : public PrintDevice {
 public:
  QtPrintDevice();
  ~QtPrintDevice() override;
  int Dpi() const override;
  int PageWidth() const override;
  int PageHeight() const override;
  void BeginDoc(const std::string& title) override;
  void NewPage() override;
  void EndDoc() override;
  void Abort() override;
  void TextOut(int x, int y, const TFont& font, const std::string& text) override;
  int TextHeight(const TFont& font, const std::string& text) override;
  int TextWidth(const TFont& font, const std::string& text) override;

  // The printer the print and printer setup dialogs configure.
  QPrinter& QPrinterRef() { return P(); }
  // True when no printer queue exists and documents go to PDF files.
  bool PrintsToFile() const {
    P();
    return toFile_;
  }
  // Before a print dialog: without a printer queue, offer a file in the root of drive C.
  void PrepareDialog(const std::string& title);

 private:
  void ForgetAutoName();
  void Offer(const std::string& title);
  // The printer is set up at its first use: asking the system for its printer queues is slow,
  // and most runs never print.
  QPrinter& P() const;
  mutable std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  QString offered_;  // the file name last chosen for the user
  void DropPdf();
  // The font of the last text, with its metrics on the printer: a printout sets the same font
  // for line after line, and looking a face up costs more than drawing its text.
  struct Face {
    TFont font;
    QFont qfont;
    QFontMetrics metrics;
  };
  const Face& FaceFor(const TFont& font);
  std::optional<Face> face_;
  QString pdfName_;        // while a PDF is written: the name the printer was given,
  std::string pdfTarget_;  // the file it stands for (links followed),
  std::string pdfTemp_;    // and the temporary file written instead
  mutable bool toFile_ = false;
  bool autoNamed_ = false;
};

}  // namespace qtb
