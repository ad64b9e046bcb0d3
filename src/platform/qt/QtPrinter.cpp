#include "platform/qt/QtPrinter.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLibraryInfo>
#include <QPainter>
#include <QPrinterInfo>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"
#include "platform/qt/QtText.h"
#include "platform/ui/Application.h"

namespace qtb {

QtPrintDevice::QtPrintDevice() = default;

QPrinter& QtPrintDevice::P() const {
  Settle();
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setResolution(600);
    toFile_ = QPrinterInfo::availablePrinters().isEmpty();
    if (toFile_) printer_->setOutputFormat(QPrinter::PdfFormat);
  }
  return *printer_;
}

QtPrintDevice::~QtPrintDevice() { Settle(); }

void QtPrintDevice::Settle() const {
  if (writer_.joinable()) writer_.join();
}

void QtPrintDevice::PreloadPlugins() {
  const QDir dir(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/printsupport"));
  std::vector<std::string> files;
  for (const QString& f : dir.entryList({QStringLiteral("*.so")}, QDir::Files))
    files.push_back(QFile::encodeName(dir.filePath(f)).toStdString());
  if (files.empty()) return;
  std::thread([files = std::move(files)] {
    // The flags Qt loads a plug-in with; never closed, as Qt never unloads it either.
    for (const std::string& f : files) ::dlopen(f.c_str(), RTLD_LAZY | RTLD_LOCAL | RTLD_NODELETE);
  }).detach();
}

int QtPrintDevice::Dpi() const { return P().resolution(); }
int QtPrintDevice::PageWidth() const { return P().width(); }
int QtPrintDevice::PageHeight() const { return P().height(); }

namespace {
// A PDF file in the root of drive C named after the document, without characters a file name
// cannot hold.
QString FileFor(const std::string& title) {
  QString name = ToQ(title).trimmed();
  for (QChar& c : name)
    if (c == u'/' || c == u'\\' || c == u':' || c.unicode() < 32) c = u'_';
  if (name.isEmpty()) name = "printout";
  // A file already there is never silently replaced: the next free numbered name is offered.
  const QString base = QString::fromLocal8Bit(DriveCRoot().c_str()) + "/" + name;
  QString file = base + ".pdf";
  for (int n = 2; QFileInfo(file).exists() || QFileInfo(file).isSymLink(); ++n)
    file = base + " (" + QString::number(n) + ").pdf";
  return file;
}

// A PDF the engine finished has its end marker in its last bytes; a full disk or a failed write
// leaves it short.
bool CompletePdf(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  char tail[64] = {};
  bool ok = ::fstat(fd, &st) == 0 && st.st_size > 0;
  if (ok) {
    const off_t from = st.st_size > static_cast<off_t>(sizeof tail)
                           ? st.st_size - static_cast<off_t>(sizeof tail)
                           : 0;
    const ssize_t n = ::pread(fd, tail, sizeof tail, from);
    ok = n > 0 &&
         std::string_view(tail, static_cast<size_t>(n)).find("%%EOF") != std::string_view::npos;
  }
  ::close(fd);
  return ok;
}

// The file's data on the disk, before it takes its name.
bool SyncFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  return ::close(fd) == 0 && ok;
}
}  // namespace

// The file offered in the print dialog is named after the document; when the dialog runs before
// the document has its title, the name the user left alone follows the title the document gets.
void QtPrintDevice::PrepareDialog(const std::string& title) {
  if (!PrintsToFile() || P().outputFormat() != QPrinter::PdfFormat) return;
  if (P().outputFileName().isEmpty() || autoNamed_) Offer(title);
}

void QtPrintDevice::Offer(const std::string& title) {
  offered_ = FileFor(title);
  P().setOutputFileName(offered_);
  autoNamed_ = true;
}

void QtPrintDevice::BeginDoc(const std::string& title) {
  if (doc_) throw EPrinter("Printing in progress");
  face_.reset();  // the dialog may have chosen a printer of another resolution
  faceIndex_ = -1;
  P().setDocName(ToQ(title));
  if (P().outputFormat() == QPrinter::PdfFormat) {
    const QString name = P().outputFileName();
    if (name.isEmpty() || (autoNamed_ && name == offered_))
      Offer(title);
    else
      autoNamed_ = false;  // the user's choice stays
  }
  if (P().outputFormat() == QPrinter::PdfFormat) {
    // Written whole or not at all, as a saved file: into a temporary file beside the file meant
    // (through any link), renamed onto it once complete.
    pdfName_ = P().outputFileName();
    const std::string name = pdfName_.toLocal8Bit().toStdString();
    try {
      pdfTarget_ = FollowLinks(name);
    } catch (const EInOutError& e) {
      throw EPrinter("Cannot write the PDF file " + name + ": " + e.Message());
    }
    // A folder that cannot take the file is named, with the reason, rather than the printer
    // being blamed: the temporary file is made here first.
    const std::string temp = pdfTarget_ + ".tmp" + std::to_string(::getpid());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
      const int err = errno;
      const std::string folder = QFileInfo(QString::fromLocal8Bit(pdfTarget_.c_str()))
                                     .absolutePath()
                                     .toLocal8Bit()
                                     .toStdString();
      throw EPrinter("Cannot write the PDF file into folder " + folder + ": " + std::strerror(err));
    }
    ::close(fd);
    pdfTemp_ = temp;
    P().setOutputFileName(QString::fromLocal8Bit(pdfTemp_.c_str()));
  }
  doc_.emplace();
  doc_->pages.emplace_back();
}

// The temporary PDF goes and the printer names the file it was given again.
void QtPrintDevice::DropPdf() {
  if (pdfTemp_.empty()) return;
  ::unlink(pdfTemp_.c_str());
  pdfTemp_.clear();
  P().setOutputFileName(pdfName_);
}

void QtPrintDevice::NewPage() {
  if (!doc_) throw EPrinter("Printer error");
  doc_->pages.emplace_back();
}

std::string QtPrintDevice::Render(QPrinter& printer, const Document& doc) {
  QPainter painter;
  if (!painter.begin(&printer)) return "Printer is not available";
  for (size_t i = 0; i < doc.pages.size(); ++i) {
    if (i > 0 && !printer.newPage()) {
      printer.abort();
      painter.end();
      return "Printer error";
    }
    for (const Mark& m : doc.pages[i]) {
      const QFont& font = doc.faces[static_cast<size_t>(m.face)];
      if (painter.font() != font) painter.setFont(font);
      painter.setPen(m.pen);
      painter.drawText(m.at, m.text);
    }
  }
  return painter.end() ? std::string() : std::string("Printer error");
}

void QtPrintDevice::EndDoc() {
  if (!doc_) return;
  Document doc = std::move(*doc_);
  doc_.reset();
  face_.reset();  // its font is the document's now
  faceIndex_ = -1;
  QPrinter& printer = P();
  if (pdfTemp_.empty()) {
    ForgetAutoName();
    if (std::string failure = Render(printer, doc); !failure.empty()) throw EPrinter(failure);
    return;
  }
  // The thread owns the printer until it ends; it gives the printer back naming the file the
  // next document is offered, as a document ended here would.
  const QString next = autoNamed_ ? QString() : pdfName_;
  autoNamed_ = false;
  writer_ = std::thread([&printer, doc = std::move(doc), temp = std::exchange(pdfTemp_, {}),
                         target = pdfTarget_, next] {
    std::string failure = Render(printer, doc);
    if (failure.empty() &&
        !(CompletePdf(temp) && SyncFile(temp) && ::rename(temp.c_str(), target.c_str()) == 0))
      failure = "Printer error";
    if (failure.empty())
      SyncToDiskLater(target);  // the folder's entry for it
    else
      ::unlink(temp.c_str());
    printer.setOutputFileName(next);
    if (!failure.empty())
      QMetaObject::invokeMethod(
          qApp,
          [failure] {
            if (Application) Application->ShowException(EPrinter(failure));
          },
          Qt::QueuedConnection);
  });
}

void QtPrintDevice::Abort() {
  if (!doc_) return;
  doc_.reset();
  DropPdf();
  ForgetAutoName();
}

// A file named after its document is one document's: the next one is named afresh.
void QtPrintDevice::ForgetAutoName() {
  if (!autoNamed_) return;
  autoNamed_ = false;
  P().setOutputFileName(QString());
}

const QtPrintDevice::Face& QtPrintDevice::FaceFor(const TFont& font) {
  if (!face_ || face_->font.Name != font.Name || face_->font.Size != font.Size ||
      face_->font.Height != font.Height || face_->font.Bold != font.Bold) {
    const QFont f = ToQFont(font);
    face_.emplace(Face{font, f, QFontMetrics(f, &P())});
    faceIndex_ = -1;
  }
  return *face_;
}

void QtPrintDevice::TextOut(int x, int y, const TFont& font, const std::string& text) {
  if (!doc_) throw EPrinter("Printer is not currently printing");
  const Face& face = FaceFor(font);
  if (faceIndex_ < 0) {
    doc_->faces.push_back(face.qfont);
    faceIndex_ = static_cast<int>(doc_->faces.size()) - 1;
  }
  QColor col = ToQColor(font.Color, QPalette());
  // The model places text by its top-left corner; Qt by its baseline.
  doc_->pages.back().push_back(Mark{QPoint(x, y + face.metrics.ascent()), faceIndex_,
                                    col.isValid() ? col : QColor(Qt::black), ToQ(text)});
}

int QtPrintDevice::TextHeight(const TFont& font, const std::string&) {
  return FaceFor(font).metrics.height();
}

int QtPrintDevice::TextWidth(const TFont& font, const std::string& text) {
  return FaceFor(font).metrics.horizontalAdvance(ToQ(text));
}

}  // namespace qtb
