#pragma once
// Peer widgets the backend draws itself: instruments, the status bar, panels, and the small
// composites (spin edit, string grid) whose behaviour must follow the model rather than Qt.
// Painted widgets read their model control while painting; the backend detaches them when the
// control goes away.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QScrollArea>
#include <QTableWidget>
#include <QToolButton>
#include <QWidget>
#include <functional>

#include "platform/ui/Canvas.h"
#include "platform/ui/Controls.h"

class QPainter;

namespace qtb {

// A canvas over a QPainter, for owner-drawn parts.
class QtCanvas : public TCanvas {
 public:
  QtCanvas(QPainter& p, const QPalette& pal) : p_(p), pal_(pal) {}
  void TextOut(int x, int y, const std::string& text) override;
  void FillRect(const TRect& r) override;
  int TextHeight(const std::string& text) override;
  int TextWidth(const std::string& text) override;

 private:
  QPainter& p_;
  const QPalette& pal_;
};

// A top-level window of a form. Closing it from the title bar asks the model (which may refuse).
class FormWindow : public QMainWindow {
  Q_OBJECT
 public:
  using QMainWindow::QMainWindow;
  std::function<bool()> OnCloseRequest;  // true: let Qt close the window itself
 protected:
  void closeEvent(QCloseEvent* e) override;
};

class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 signals:
  void clicked();
 protected:
  void mouseReleaseEvent(QMouseEvent* e) override;
};

// A panel: a raised frame with its caption centred behind its children.
class PanelWidget : public QFrame {
  Q_OBJECT
 public:
  using QFrame::QFrame;
  QString caption;
 protected:
  void paintEvent(QPaintEvent* e) override;
};

// Base of the widgets that paint their model control.
class ModelWidget : public QWidget {
  Q_OBJECT
 public:
  ModelWidget(TControl* c, QWidget* parent) : QWidget(parent), ctl_(c) {}
  void Detach() { ctl_ = nullptr; update(); }
 signals:
  void clicked();
 protected:
  // The press is taken (so the release comes back here); a release inside is a click.
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  TControl* ctl_;
};

class LampWidget : public ModelWidget {
  Q_OBJECT
 public:
  LampWidget(TControl* c, QWidget* parent, bool clickable);
  QSize sizeHint() const override;
 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
 private:
  bool clickable_;
  bool pressed_ = false;
};

class SwitchWidget : public ModelWidget {
  Q_OBJECT
 public:
  using ModelWidget::ModelWidget;
  QSize sizeHint() const override;
 protected:
  void paintEvent(QPaintEvent*) override;
};

class GaugeWidget : public ModelWidget {
  Q_OBJECT
 public:
  using ModelWidget::ModelWidget;
  QSize sizeHint() const override { return QSize(160, 160); }
 protected:
  void paintEvent(QPaintEvent*) override;
};

class DisplayWidget : public ModelWidget {
  Q_OBJECT
 public:
  using ModelWidget::ModelWidget;
  QSize sizeHint() const override;
  QString Shown() const;
 protected:
  void paintEvent(QPaintEvent*) override;
};

class PlotWidget : public ModelWidget {
  Q_OBJECT
 public:
  using ModelWidget::ModelWidget;
  QSize sizeHint() const override { return QSize(420, 220); }
 protected:
  void paintEvent(QPaintEvent*) override;
};

class SpectrumWidget : public ModelWidget {
  Q_OBJECT
 public:
  using ModelWidget::ModelWidget;
  QSize sizeHint() const override { return QSize(320, 160); }
 protected:
  void paintEvent(QPaintEvent*) override;
};

class ShapeWidget : public ModelWidget {
  Q_OBJECT
 public:
  using ModelWidget::ModelWidget;
  QSize sizeHint() const override { return QSize(40, 40); }
 protected:
  void paintEvent(QPaintEvent*) override;
};

// Text panels and owner-drawn panels (OnDrawPanel with a canvas); the last panel takes the rest.
class StatusBarWidget : public ModelWidget {
  Q_OBJECT
 public:
  using ModelWidget::ModelWidget;
  QSize sizeHint() const override;
  // An error from an owner-draw handler; reported outside the paint.
  std::function<void(const std::string&)> OnPaintError;
 protected:
  void paintEvent(QPaintEvent*) override;
};

// An edit with up and down buttons. The buttons take no focus; the backend feeds steps and keys
// into the model.
class SpinWidget : public QWidget {
  Q_OBJECT
 public:
  explicit SpinWidget(QWidget* parent);
  QLineEdit* Edit() const { return edit_; }
  void SetButtonsEnabled(bool on);
  QSize sizeHint() const override;
 signals:
  void stepped(int direction);
 private:
  QLineEdit* edit_;
  QToolButton* up_;
  QToolButton* down_;
};

// A string grid: fixed rows and columns drawn as headings; its natural size follows its cells.
class GridWidget : public QTableWidget {
  Q_OBJECT
 public:
  using QTableWidget::QTableWidget;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return QSize(60, 40); }
};

}  // namespace qtb

namespace qtb {

// A scroll area that asks for its content's whole size (Qt's own caps it at a few dozen lines);
// the window that holds it is bounded by the screen instead.
class ScrollArea : public QScrollArea {
  Q_OBJECT
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override;
};

}  // namespace qtb
