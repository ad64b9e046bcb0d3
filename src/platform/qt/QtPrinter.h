#pragma once
// The print device over QPrinter: 600 dpi, "Courier New" through its metric-compatible substitute,
// text placed by its top-left corner. Without a printer queue the document becomes a PDF file in
// the root of drive C.
//
// A document is recorded as it is printed and drawn onto the printer when it ends: a PDF on a
// thread of its own (the PDF engine compresses every page, which took longer than a command may
// hold the window), a printer queue at once. A PDF that fails there is reported in an error box
// when its thread ends; its temporary file goes, and no file takes the name.
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <QColor>
#include <QFontMetrics>
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
  // Loads the print-system plug-in's libraries on a thread of their own, so that the printer's
  // first use does not wait for the dynamic linker (a score of libraries).
  static void PreloadPlugins();

 private:
  void ForgetAutoName();
  void Offer(const std::string& title);
  // The printer is set up at its first use: asking the system for its printer queues is slow,
  // and most runs never print.
  QPrinter& P() const;
  mutable std::unique_ptr<QPrinter> printer_;
  // One text of the document: where its baseline starts, its face and colour.
  struct Mark {
    QPoint at;
    int face;
    QColor pen;
    QString text;
  };
  struct Document {
    std::vector<QFont> faces;               // each font the document uses, once
    std::vector<std::vector<Mark>> pages;  // never empty while a document is open
  };
  // Draws the document onto the printer; the thread that calls it owns the printer meanwhile.
  // Empty when it went out, else the failure's message.
  static std::string Render(QPrinter& printer, const Document& doc);
  // Waits for a PDF still being written: until then its thread owns the printer.
  void Settle() const;
  std::optional<Document> doc_;  // the document being printed
  mutable std::thread writer_;   // writes the last PDF
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
  int faceIndex_ = -1;  // the face's place in the document's faces, -1 before it is used there
  QString pdfName_;        // while a PDF is written: the name the printer was given,
  std::string pdfTarget_;  // the file it stands for (links followed),
  std::string pdfTemp_;    // and the temporary file written instead
  mutable bool toFile_ = false;
  bool autoNamed_ = false;
};

}  // namespace qtb
