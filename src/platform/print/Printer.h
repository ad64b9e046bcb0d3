#pragma once
// The printer and its canvas over a print device, so that the printout runs against a recording
// device in tests and QPrinter in the program.
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Canvas.h"

class EPrinter : public Exception {
 public:
  using Exception::Exception;
};

// A page-oriented output device in device units (dots).
class PrintDevice {
 public:
  virtual ~PrintDevice() = default;
  virtual int Dpi() const = 0;
  virtual int PageWidth() const = 0;   // printable width
  virtual int PageHeight() const = 0;  // printable height
  virtual void BeginDoc(const std::string& title) = 0;
  virtual void NewPage() = 0;
  virtual void EndDoc() = 0;
  virtual void Abort() = 0;
  virtual void TextOut(int x, int y, const TFont& font, const std::string& text) = 0;
  virtual int TextHeight(const TFont& font, const std::string& text) = 0;
  virtual int TextWidth(const TFont& font, const std::string& text) = 0;
};

class TPrinter;

class TPrinterCanvas : public TCanvas {
 public:
  explicit TPrinterCanvas(TPrinter& p) : printer_(p) {}
  void TextOut(int x, int y, const std::string& text) override;
  void FillRect(const TRect& r) override {}
  int TextHeight(const std::string& text) override;
  int TextWidth(const std::string& text) override;
  int PixelsPerInch() const override;

 private:
  TPrinter& printer_;
};

class TPrinter {
 public:
  TPrinter() : canvas_(*this) {}
  void SetDevice(std::shared_ptr<PrintDevice> d) { device_ = std::move(d); }
  PrintDevice* Device() const { return device_.get(); }
  std::string Title;
  void BeginDoc();
  void NewPage();
  void EndDoc();
  void Abort();
  bool Printing() const { return printing_; }
  int PageNumber() const { return page_; }
  int PageWidth() const;
  int PageHeight() const;
  int Dpi() const;
  TCanvas& Canvas() { return canvas_; }

 private:
  friend class TPrinterCanvas;
  PrintDevice& Dev() const;
  std::shared_ptr<PrintDevice> device_;
  TPrinterCanvas canvas_;
  bool printing_ = false;
  int page_ = 0;
};

// The one printer of the program.
TPrinter& Printer();

// Records what is printed: pages of text-outs with their positions and fonts.
class RecordingPrintDevice : public PrintDevice {
 public:
  struct Text {
    int x, y;
    std::string text;
    TFont font;
  };
  struct Page {
    std::vector<Text> texts;
  };
  RecordingPrintDevice(int dpi = 600, int width = 4961, int height = 7016)
      : dpi_(dpi), width_(width), height_(height) {}
  int Dpi() const override { return dpi_; }
  int PageWidth() const override { return width_; }
  int PageHeight() const override { return height_; }
  void BeginDoc(const std::string& title) override;
  void NewPage() override;
  void EndDoc() override { ended = true; }
  void Abort() override { aborted = true; }
  void TextOut(int x, int y, const TFont& font, const std::string& text) override;
  int TextHeight(const TFont& font, const std::string&) override;
  int TextWidth(const TFont& font, const std::string& text) override;

  std::vector<Page> pages;
  std::string title;
  bool ended = false, aborted = false;
  int failOnTextOut = -1;  // throw EPrinter on this text-out (0-based), to test error paths
 private:
  int dpi_, width_, height_;
  int textOuts_ = 0;
};
