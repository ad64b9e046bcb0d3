#include "platform/qt/QtPrinter.h"

#include <QFontMetrics>
#include <QPrinterInfo>

#include "platform/rtl/Paths.h"
#include "platform/qt/QtText.h"

namespace qtb {

QtPrintDevice::QtPrintDevice() : printer_(QPrinter::HighResolution) {
  printer_.setResolution(600);
  toFile_ = QPrinterInfo::availablePrinters().isEmpty();
  if (toFile_) printer_.setOutputFormat(QPrinter::PdfFormat);
}

QtPrintDevice::~QtPrintDevice() {
  if (painter_.isActive()) painter_.end();
}

int QtPrintDevice::Dpi() const { return printer_.resolution(); }
int QtPrintDevice::PageWidth() const { return printer_.width(); }
int QtPrintDevice::PageHeight() const { return printer_.height(); }

namespace {
// A PDF file in the root of drive C named after the document, without characters a file name
// cannot hold.
QString FileFor(const std::string& title) {
  QString name = ToQ(title).trimmed();
  for (QChar& c : name)
    if (c == u'/' || c == u'\\' || c == u':' || c.unicode() < 32) c = u'_';
  if (name.isEmpty()) name = "printout";
  return QString::fromLocal8Bit(DriveCRoot().c_str()) + "/" + name + ".pdf";
}
}  // namespace

// The file offered in the print dialog is named after the document; when the dialog runs before
// the document has its title, the name the user left alone follows the title the document gets.
void QtPrintDevice::PrepareDialog(const std::string& title) {
  if (!toFile_ || printer_.outputFormat() != QPrinter::PdfFormat) return;
  if (printer_.outputFileName().isEmpty() || autoNamed_) Offer(title);
}

void QtPrintDevice::Offer(const std::string& title) {
  offered_ = FileFor(title);
  printer_.setOutputFileName(offered_);
  autoNamed_ = true;
}

void QtPrintDevice::BeginDoc(const std::string& title) {
  if (painter_.isActive()) throw EPrinter("Printing in progress");
  printer_.setDocName(ToQ(title));
  if (printer_.outputFormat() == QPrinter::PdfFormat) {
    const QString name = printer_.outputFileName();
    if (name.isEmpty() || (autoNamed_ && name == offered_))
      Offer(title);
    else
      autoNamed_ = false;  // the user's choice stays
  }
  if (!painter_.begin(&printer_)) throw EPrinter("Printer is not available");
}

void QtPrintDevice::NewPage() {
  if (!painter_.isActive() || !printer_.newPage()) throw EPrinter("Printer error");
}

void QtPrintDevice::EndDoc() {
  if (!painter_.isActive()) return;
  if (!painter_.end()) throw EPrinter("Printer error");
  ForgetAutoName();
}

void QtPrintDevice::Abort() {
  if (!painter_.isActive()) return;
  printer_.abort();
  painter_.end();
  ForgetAutoName();
}

// A file named after its document is one document's: the next one is named afresh.
void QtPrintDevice::ForgetAutoName() {
  if (!autoNamed_) return;
  autoNamed_ = false;
  printer_.setOutputFileName(QString());
}

void QtPrintDevice::TextOut(int x, int y, const TFont& font, const std::string& text) {
  if (!painter_.isActive()) throw EPrinter("Printer is not currently printing");
  QFont f = ToQFont(font);
  painter_.setFont(f);
  QColor col = ToQColor(font.Color, QPalette());
  painter_.setPen(col.isValid() ? col : QColor(Qt::black));
  // The model places text by its top-left corner; Qt by its baseline.
  QFontMetrics fm(f, &printer_);
  painter_.drawText(QPoint(x, y + fm.ascent()), ToQ(text));
}

int QtPrintDevice::TextHeight(const TFont& font, const std::string&) {
  return QFontMetrics(ToQFont(font), &printer_).height();
}

int QtPrintDevice::TextWidth(const TFont& font, const std::string& text) {
  return QFontMetrics(ToQFont(font), &printer_).horizontalAdvance(ToQ(text));
}

}  // namespace qtb
