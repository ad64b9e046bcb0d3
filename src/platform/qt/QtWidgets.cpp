#include "platform/qt/QtWidgets.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "platform/qt/QtText.h"
#include "platform/ui/Instruments.h"

namespace qtb {
namespace {

QColor Or(const QColor& c, const QColor& fallback) { return c.isValid() ? c : fallback; }

// Black or white, whichever reads better on `bg`.
QColor Contrast(const QColor& bg) { return bg.lightness() > 140 ? Qt::black : Qt::white; }

QString Number(double v, int decimals) {
  if (!std::isfinite(v)) return QStringLiteral("---");
  return QString::number(v, 'f', std::clamp(decimals, 0, 9));
}

// A gauge's labels: integers when the value is whole, else up to two decimals.
QString Short(double v) {
  if (std::fabs(v - std::round(v)) < 1e-9) return QString::number(static_cast<long long>(std::round(v)));
  return QString::number(v, 'f', 2);
}

void DrawDisabled(QPainter& p, const QWidget* w) {
  if (!w->isEnabled()) p.fillRect(w->rect(), QColor(255, 255, 255, 110));
}

}  // namespace

// ---- QtCanvas ----

void QtCanvas::TextOut(int x, int y, const std::string& text) {
  QFont f = ToQFont(Font);
  p_.setFont(f);
  p_.setPen(Or(ToQColor(Font.Color, pal_), pal_.color(QPalette::WindowText)));
  p_.drawText(QPoint(x, y + QFontMetrics(f).ascent()), ToQ(text));
}

void QtCanvas::FillRect(const TRect& r) {
  QColor c = ToQColor(BrushColor, pal_);
  if (c.isValid()) p_.fillRect(QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top), c);
}

int QtCanvas::TextHeight(const std::string&) { return QFontMetrics(ToQFont(Font)).height(); }
int QtCanvas::TextWidth(const std::string& text) {
  return QFontMetrics(ToQFont(Font)).horizontalAdvance(ToQ(text));
}

// ---- FormWindow, labels, panels ----

void FormWindow::closeEvent(QCloseEvent* e) {
  if (OnCloseRequest && !OnCloseRequest()) {
    e->ignore();
    return;
  }
  QMainWindow::closeEvent(e);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
  QLabel::mouseReleaseEvent(e);
  if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
}

void PanelWidget::paintEvent(QPaintEvent* e) {
  QFrame::paintEvent(e);
  if (caption.isEmpty()) return;
  QPainter p(this);
  p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  p.drawText(rect(), Qt::AlignCenter, caption);
}

void ModelWidget::mousePressEvent(QMouseEvent* e) { e->setAccepted(e->button() == Qt::LeftButton); }

void ModelWidget::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return e->ignore();
  if (rect().contains(e->position().toPoint()) && isEnabled()) emit clicked();
}

// ---- Lamps ----

LampWidget::LampWidget(TControl* c, QWidget* parent, bool clickable)
    : ModelWidget(c, parent), clickable_(clickable) {
  if (clickable_) setCursor(Qt::PointingHandCursor);
}

QSize LampWidget::sizeHint() const {
  QFontMetrics fm(font());
  const QString cap = ctl_ ? StripAccel(ToQ(ctl_->Caption())) : QString();
  return QSize(std::max(40, fm.horizontalAdvance(cap) + 16), std::max(22, fm.height() + 8));
}

void LampWidget::mousePressEvent(QMouseEvent* e) {
  pressed_ = clickable_ && e->button() == Qt::LeftButton;
  update();
  ModelWidget::mousePressEvent(e);
}

void LampWidget::mouseReleaseEvent(QMouseEvent* e) {
  pressed_ = false;
  update();
  ModelWidget::mouseReleaseEvent(e);
}

void LampWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!ctl_) return;
  auto* lamp = static_cast<TiLedRectangle*>(ctl_);
  const QColor fill = Or(ToQColor(lamp->Active() ? lamp->ActiveColor() : lamp->InactiveColor(), palette()),
                         lamp->Active() ? QColor(Qt::green) : QColor(Qt::darkGray));
  QRect r = rect().adjusted(0, 0, -1, -1);
  p.fillRect(r, fill);
  if (clickable_) {
    // A switch lamp looks like a button: raised, pressed while held.
    const bool down = pressed_ && underMouse();
    p.setPen(down ? palette().color(QPalette::Dark) : palette().color(QPalette::Light));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(down ? palette().color(QPalette::Light) : palette().color(QPalette::Shadow));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
  } else {
    p.setPen(palette().color(QPalette::Shadow));
    p.drawRect(r);
  }
  const QColor text = Or(ToQColor(ctl_->FontColor(), palette()), Contrast(fill));
  QFont f = font();
  f.setBold(ctl_->FontBold());
  p.setFont(f);
  p.setPen(text);
  p.drawText(rect().adjusted(2, 1, -2, -1), Qt::AlignCenter | Qt::TextWordWrap, StripAccel(ToQ(ctl_->Caption())));
  DrawDisabled(p, this);
}

// ---- Switches ----

QSize SwitchWidget::sizeHint() const {
  QFontMetrics fm(font());
  const QString cap = ctl_ ? StripAccel(ToQ(ctl_->Caption())) : QString();
  return QSize(56 + (cap.isEmpty() ? 0 : fm.horizontalAdvance(cap) + 8), std::max(24, fm.height() + 8));
}

void SwitchWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!ctl_) return;
  p.setRenderHint(QPainter::Antialiasing);
  auto* sw = static_cast<TiSwitch*>(ctl_);
  const bool on = sw->Active();
  const QRect track(1, (height() - 20) / 2, 52, 20);
  if (ctl_->Kind() == ControlKind::ToggleSwitch) {
    // A toggle: a lever up (on) or down (off) in a round base.
    p.setPen(palette().color(QPalette::Shadow));
    p.setBrush(palette().color(QPalette::Button));
    p.drawRoundedRect(track, 4, 4);
    p.setBrush(on ? QColor(0, 160, 0) : QColor(120, 120, 120));
    const QRect lever = on ? QRect(track.left() + 26, track.top() + 2, 24, track.height() - 4)
                           : QRect(track.left() + 2, track.top() + 2, 24, track.height() - 4);
    p.drawRoundedRect(lever, 3, 3);
  } else {
    p.setPen(palette().color(QPalette::Shadow));
    p.setBrush(on ? QColor(0, 160, 0) : palette().color(QPalette::Mid));
    p.drawRoundedRect(track, 10, 10);
    p.setBrush(palette().color(QPalette::Button));
    const int d = track.height() - 4;
    p.drawEllipse(on ? QRect(track.right() - d - 1, track.top() + 2, d, d)
                     : QRect(track.left() + 2, track.top() + 2, d, d));
  }
  const bool toggle = ctl_->Kind() == ControlKind::ToggleSwitch;
  p.setPen(on && !toggle ? QColor(Qt::white) : palette().color(QPalette::ButtonText));
  QFont small = font();
  small.setPointSizeF(std::max(6.0, small.pointSizeF() - 1));
  p.setFont(small);
  p.drawText(on ? track.adjusted(4, 0, -26, 0) : track.adjusted(26, 0, -4, 0), Qt::AlignCenter,
             on ? QStringLiteral("ON") : QStringLiteral("OFF"));
  p.setFont(font());
  p.setPen(palette().color(QPalette::WindowText));
  p.drawText(QRect(track.right() + 8, 0, width() - track.right() - 8, height()), Qt::AlignVCenter | Qt::AlignLeft,
             StripAccel(ToQ(ctl_->Caption())));
  DrawDisabled(p, this);
}

// ---- Gauge ----

void GaugeWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!ctl_) return;
  p.setRenderHint(QPainter::Antialiasing);
  auto* g = static_cast<TiAngularGauge*>(ctl_);
  const double lo = g->PositionMin, hi = g->PositionMax;
  const double span = hi - lo;
  const int side = std::min(width(), height()) - 4;
  const QPointF centre(width() / 2.0, height() / 2.0);
  const double radius = side / 2.0;
  // 270 degrees from lower left (225) clockwise to lower right (-45).
  auto angleOf = [&](double v) {
    double t = span != 0 ? (v - lo) / span : 0;
    t = std::clamp(t, 0.0, 1.0);
    return 225.0 - 270.0 * t;
  };
  auto pointAt = [&](double deg, double r) {
    return QPointF(centre.x() + r * std::cos(qDegreesToRadians(deg)), centre.y() - r * std::sin(qDegreesToRadians(deg)));
  };
  p.setPen(QPen(palette().color(QPalette::Shadow), 1));
  p.setBrush(Or(ToQColor(ctl_->Color(), palette()), palette().color(QPalette::Base)));
  p.drawEllipse(centre, radius, radius);
  // Coloured sections, each from the previous end (or the minimum) up to its own end.
  const QRectF arcRect(centre.x() - radius * 0.8, centre.y() - radius * 0.8, radius * 1.6, radius * 1.6);
  double from = lo;
  for (const auto& s : g->Sections) {
    const double a0 = angleOf(from), a1 = angleOf(s.End);
    p.setPen(QPen(Or(ToQColor(s.Color, palette()), Qt::green), radius * 0.08, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(arcRect, int(a1 * 16), int((a0 - a1) * 16));
    from = s.End;
  }
  // Ticks and their values.
  p.setPen(QPen(palette().color(QPalette::Text), 1));
  QFont f = font();
  f.setPointSizeF(std::max(6.0, f.pointSizeF() - 1));
  p.setFont(f);
  const int ticks = std::max(2, g->TickMajorCount);
  for (int i = 0; i < ticks; ++i) {
    const double v = lo + span * i / (ticks - 1);
    const double a = angleOf(v);
    p.drawLine(pointAt(a, radius * 0.88), pointAt(a, radius * 0.72));
    const QPointF c = pointAt(a, radius * 0.58);
    p.drawText(QRectF(c.x() - 24, c.y() - 8, 48, 16), Qt::AlignCenter, Short(v));
  }
  // Needle and the position as a number.
  const double a = angleOf(g->Position());
  p.setPen(QPen(QColor(200, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre, pointAt(a, radius * 0.85));
  p.setBrush(palette().color(QPalette::Shadow));
  p.setPen(Qt::NoPen);
  p.drawEllipse(centre, 4, 4);
  p.setPen(palette().color(QPalette::Text));
  QFont bf = font();
  bf.setBold(true);
  p.setFont(bf);
  p.drawText(QRectF(centre.x() - 50, centre.y() + radius * 0.35, 100, 18), Qt::AlignCenter, Short(g->Position()));
  DrawDisabled(p, this);
}

// ---- Analogue display ----

QString DisplayWidget::Shown() const {
  if (!ctl_) return QString();
  auto* d = static_cast<TiAnalogDisplay*>(ctl_);
  return Number(d->Value(), d->Precision);
}

QSize DisplayWidget::sizeHint() const {
  QFontMetrics fm(font());
  return QSize(std::max(70, fm.horizontalAdvance(Shown()) + 14), fm.height() + 10);
}

void DisplayWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!ctl_) return;
  const QColor bg = Or(ToQColor(ctl_->Color(), palette()), Qt::black);
  p.fillRect(rect(), bg);
  p.setPen(palette().color(QPalette::Dark));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  QFont f = font();
  f.setBold(true);
  p.setFont(f);
  p.setPen(Or(ToQColor(ctl_->FontColor(), palette()), QColor(0, 255, 0)));
  p.drawText(rect().adjusted(4, 0, -5, 0), Qt::AlignVCenter | Qt::AlignRight, Shown());
  DrawDisabled(p, this);
}

// ---- Plot ----

void PlotWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!ctl_) return;
  auto* plot = static_cast<TiPlot*>(ctl_);
  p.fillRect(rect(), Or(ToQColor(ctl_->Color(), palette()), Qt::black));
  QFontMetrics fm(font());
  const int left = fm.horizontalAdvance(QStringLiteral("-00000")) + 6;
  const QRect area(left, 6 + fm.height(), std::max(10, width() - left - 8), std::max(10, height() - 2 * fm.height() - 14));
  const QColor axis(160, 160, 160);
  p.setPen(QColor(60, 60, 60));
  for (int i = 1; i < 5; ++i) {
    p.drawLine(area.left(), area.top() + area.height() * i / 5, area.right(), area.top() + area.height() * i / 5);
    p.drawLine(area.left() + area.width() * i / 5, area.top(), area.left() + area.width() * i / 5, area.bottom());
  }
  p.setPen(axis);
  p.drawRect(area);
  p.drawText(QRect(0, area.top() - fm.height() / 2, left - 4, fm.height()), Qt::AlignRight, Short(plot->YMax));
  p.drawText(QRect(0, area.bottom() - fm.height() / 2, left - 4, fm.height()), Qt::AlignRight, Short(plot->YMin));
  // The time axis ends at the newest point of any channel.
  double xmax = 0;
  bool any = false;
  for (int i = 0; i < plot->ChannelCount(); ++i) {
    const auto& pts = plot->GetChannel(i).Points;
    if (!pts.empty()) {
      xmax = any ? std::max(xmax, pts.back().first) : pts.back().first;
      any = true;
    }
  }
  const double span = plot->XSpan > 0 ? plot->XSpan : 1;
  const double xmin = any ? xmax - span : 0;
  if (!any) xmax = span;
  p.drawText(QRect(area.left(), area.bottom() + 2, 80, fm.height()), Qt::AlignLeft, Short(xmin));
  p.drawText(QRect(area.right() - 80, area.bottom() + 2, 80, fm.height()), Qt::AlignRight, Short(xmax));
  const double ylo = plot->YMin, yhi = plot->YMax != plot->YMin ? plot->YMax : plot->YMin + 1;
  p.setRenderHint(QPainter::Antialiasing);
  p.setClipRect(area.adjusted(1, 1, 0, 0));
  for (int i = 0; i < plot->ChannelCount(); ++i) {
    const auto& ch = plot->GetChannel(i);
    if (!ch.Visible || ch.Points.empty()) continue;
    QPolygonF line;
    for (const auto& pt : ch.Points) {
      if (pt.first < xmin) continue;
      const double tx = (pt.first - xmin) / span, ty = (pt.second - ylo) / (yhi - ylo);
      line << QPointF(area.left() + tx * area.width(), area.bottom() - ty * area.height());
    }
    p.setPen(QPen(Or(ToQColor(ch.Color, palette()), Qt::green), 1.5));
    p.drawPolyline(line);
  }
  p.setClipping(false);
  // Legend along the top.
  int x = area.left();
  for (int i = 0; i < plot->ChannelCount(); ++i) {
    const auto& ch = plot->GetChannel(i);
    if (!ch.Visible) continue;
    const QString t = ToQ(ch.Title.empty() ? "Channel " + std::to_string(i + 1) : ch.Title);
    p.fillRect(QRect(x, 4 + fm.height() / 2 - 3, 10, 6), Or(ToQColor(ch.Color, palette()), Qt::green));
    p.setPen(axis);
    p.drawText(QPoint(x + 14, 4 + fm.ascent()), t);
    x += 14 + fm.horizontalAdvance(t) + 12;
  }
  DrawDisabled(p, this);
}

// ---- Spectrum ----

void SpectrumWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!ctl_) return;
  auto* s = static_cast<TiSpectrumDisplay*>(ctl_);
  p.fillRect(rect(), Or(ToQColor(ctl_->Color(), palette()), Qt::black));
  QFontMetrics fm(font());
  const QRect area(4, 4, width() - 8, height() - fm.height() - 8);
  p.setPen(QColor(90, 90, 90));
  p.drawRect(area);
  const int n = s->BarCount();
  if (n > 0) {
    const double w = double(area.width()) / n;
    const double mx = s->Max > 0 ? s->Max : 1;
    for (int i = 0; i < n; ++i) {
      const double t = std::clamp(s->Bar(i) / mx, 0.0, 1.0);
      const int h = int(t * (area.height() - 1));
      const QRect bar(int(area.left() + i * w + w * 0.15), area.bottom() - h, std::max(1, int(w * 0.7)), h);
      p.fillRect(bar, QColor(0, 220, 0));
    }
    p.setPen(QColor(170, 170, 170));
    const int every = std::max(1, int(std::ceil(n / std::max(1.0, area.width() / 24.0))));
    for (int i = 0; i < n; i += every)
      p.drawText(QRect(int(area.left() + i * w), area.bottom() + 2, int(w * every), fm.height()), Qt::AlignLeft,
                 QString::number(i + 1));
  }
  DrawDisabled(p, this);
}

// ---- Shape ----

void ShapeWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!ctl_) return;
  p.setPen(palette().color(QPalette::Shadow));
  p.setBrush(Or(ToQColor(ctl_->Color(), palette()), Qt::white));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

// ---- Status bar ----

QSize StatusBarWidget::sizeHint() const { return QSize(200, QFontMetrics(font()).height() + 8); }

void StatusBarWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Window));
  if (!ctl_) return;
  auto* sb = static_cast<TStatusBar*>(ctl_);
  auto sunken = [&](const QRect& r) {
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
  };
  const int h = height() - 2;
  if (sb->Panels.empty()) {
    const QRect r(0, 1, width() - 1, h - 1);
    sunken(r);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(r.adjusted(4, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft, ToQ(sb->SimpleText));
    return;
  }
  int x = 0;
  const int n = static_cast<int>(sb->Panels.size());
  for (int i = 0; i < n && x < width(); ++i) {
    const TStatusPanel& panel = sb->Panels[size_t(i)];
    const int w = i == n - 1 ? width() - x : std::max(0, panel.Width);
    const QRect r(x, 1, std::max(1, w - 2), h - 1);
    sunken(r);
    const QRect inner = r.adjusted(1, 1, -1, -1);
    if (panel.OwnerDraw) {
      if (sb->OnDrawPanel) {
        p.save();
        p.setClipRect(inner);
        QtCanvas canvas(p, palette());
        try {
          sb->OnDrawPanel(canvas, i, TRect{inner.left(), inner.top(), inner.right() + 1, inner.bottom() + 1});
        } catch (const std::exception& e) {
          if (OnPaintError) OnPaintError(e.what());
        }
        p.restore();
      }
    } else {
      p.setPen(palette().color(QPalette::WindowText));
      p.drawText(inner.adjusted(3, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft, ToQ(panel.Text));
    }
    x += w;
  }
}

// ---- Spin edit ----

SpinWidget::SpinWidget(QWidget* parent) : QWidget(parent) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  edit_ = new QLineEdit(this);
  row->addWidget(edit_, 1);
  auto* col = new QVBoxLayout();
  col->setContentsMargins(0, 0, 0, 0);
  col->setSpacing(0);
  up_ = new QToolButton(this);
  down_ = new QToolButton(this);
  for (QToolButton* b : {up_, down_}) {
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRepeat(true);
    b->setFixedWidth(16);
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    col->addWidget(b, 1);
  }
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  row->addLayout(col);
  setFocusProxy(edit_);
  connect(up_, &QToolButton::clicked, this, [this] { emit stepped(1); });
  connect(down_, &QToolButton::clicked, this, [this] { emit stepped(-1); });
}

void SpinWidget::SetButtonsEnabled(bool on) {
  up_->setEnabled(on);
  down_->setEnabled(on);
}

QSize SpinWidget::sizeHint() const {
  QSize s = edit_->sizeHint();
  return QSize(std::min(s.width(), 90) + 16, s.height());
}

// ---- Grid ----

QSize GridWidget::sizeHint() const {
  int w = 2 * frameWidth(), h = 2 * frameWidth();
  for (int c = 0; c < columnCount(); ++c) w += columnWidth(c);
  for (int r = 0; r < rowCount(); ++r) h += rowHeight(r);
  const int sb = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const int maxW = 1000, maxH = 520;
  if (h > maxH) w += sb;
  if (w > maxW) h += sb;
  return QSize(std::clamp(w, 60, maxW), std::clamp(h, 40, maxH));
}

}  // namespace qtb

namespace qtb {

QSize ScrollArea::sizeHint() const {
  const int f = 2 * frameWidth();
  QSize s = widget() ? widget()->sizeHint().expandedTo(widget()->minimumSizeHint()) : QSize(0, 0);
  return s + QSize(f, f);
}

}  // namespace qtb
