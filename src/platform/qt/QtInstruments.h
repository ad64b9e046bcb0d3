#pragma once
// The instrument widgets, painted from their model controls: lamps and switch lamps, slide and
// toggle switches, the multi-position switch, the angular gauge, analogue displays, the plot, the
// spectrum display, shapes.
#include <QByteArray>
#include <QPixmap>

#include "platform/qt/QtWidgets.h"

namespace qtb {

// An instrument paints every pixel of its rectangle, the parent's background where it draws
// nothing, so a repaint of the instrument leaves its group box alone.
class InstrumentWidget : public ModelWidget {
  Q_OBJECT
 public:
  InstrumentWidget(TControl* c, QWidget* parent) : ModelWidget(c, parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  // Fills the rectangle with what the parent shows behind the instrument.
  void FillBehind(QPainter& p) const;
};

class LampWidget : public InstrumentWidget {
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

class SwitchWidget : public InstrumentWidget {
  Q_OBJECT
 public:
  using InstrumentWidget::InstrumentWidget;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent*) override;
};

// A vertical track with one stop per position, the knob at the current one, captions beside.
class SwitchSliderWidget : public InstrumentWidget {
  Q_OBJECT
 public:
  using InstrumentWidget::InstrumentWidget;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent*) override;
};

class GaugeWidget : public InstrumentWidget {
  Q_OBJECT
 public:
  using InstrumentWidget::InstrumentWidget;
  QSize sizeHint() const override { return QSize(160, 160); }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  void PaintFace(QPainter& p) const;
  // The dial without its needle, drawn again only when what it shows changes.
  QPixmap face_;
  QByteArray faceKey_;
};

class DisplayWidget : public InstrumentWidget {
  Q_OBJECT
 public:
  using InstrumentWidget::InstrumentWidget;
  QSize sizeHint() const override;
  QString Shown() const;

 protected:
  void paintEvent(QPaintEvent*) override;
};

class PlotWidget : public InstrumentWidget {
  Q_OBJECT
 public:
  using InstrumentWidget::InstrumentWidget;
  QSize sizeHint() const override { return QSize(420, 220); }

 protected:
  void paintEvent(QPaintEvent*) override;
};

class SpectrumWidget : public InstrumentWidget {
  Q_OBJECT
 public:
  using InstrumentWidget::InstrumentWidget;
  QSize sizeHint() const override { return QSize(320, 160); }

 protected:
  void paintEvent(QPaintEvent*) override;
};

class ShapeWidget : public InstrumentWidget {
  Q_OBJECT
 public:
  using InstrumentWidget::InstrumentWidget;
  QSize sizeHint() const override { return QSize(40, 40); }

 protected:
  void paintEvent(QPaintEvent*) override;
};

}  // namespace qtb
