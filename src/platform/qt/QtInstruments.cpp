#include "platform/qt/QtInstruments.h"

#include <QDataStream>
#include <QMouseEvent>
#include <QPixmap>
#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <climits>
#include <cmath>

#include "platform/qt/QtText.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Instruments.h"

namespace qtb {
namespace {

QColor Or(const QColor& c, const QColor& fallback) { return c.isValid() ? c : fallback; }

// Black or white, whichever reads better on `bg` (by its luminance).
QColor Contrast(const QColor& bg) {
  return 0.299 * bg.red() + 0.587 * bg.green() + 0.114 * bg.blue() > 140 ? Qt::black : Qt::white;
}

QString Number(double v, int decimals) {
  if (!std::isfinite(v)) return QStringLiteral("---");
  return QString::number(v, 'f', std::clamp(decimals, 0, 9));
}

// Scale labels: integers when the value is whole, else up to four significant decimals.
QString Short(double v) {
  if (std::fabs(v - std::round(v)) < 1e-9)
    return QString::number(static_cast<long long>(std::round(v)));
  return QString::number(v, 'g', 6);
}

void DrawDisabled(QPainter& p, const QWidget* w) {
  if (!w->isEnabled()) p.fillRect(w->rect(), QColor(255, 255, 255, 110));
}

// Round tick steps (1, 2 or 5 times a power of ten) for at most `count` intervals over lo..hi.
double NiceStep(double span, int count) {
  if (!(span > 0) || count < 1) return 1;
  const double raw = span / count;
  const double mag = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0, 10.0})
    if (m * mag >= raw) return m * mag;
  return 10 * mag;
}

}  // namespace

// ---- Lamps ----

void InstrumentWidget::FillBehind(QPainter& p) const {
  const QWidget* under = parentWidget() ? parentWidget() : this;
  p.fillRect(rect(), under->palette().color(under->backgroundRole()));
}

LampWidget::LampWidget(TControl* c, QWidget* parent, bool clickable)
    : InstrumentWidget(c, parent), clickable_(clickable) {
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
  InstrumentWidget::mousePressEvent(e);
}

void LampWidget::mouseReleaseEvent(QMouseEvent* e) {
  pressed_ = false;
  update();
  InstrumentWidget::mouseReleaseEvent(e);
}

void LampWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  FillBehind(p);
  if (!ctl_) return;
  auto* lamp = static_cast<TiLedRectangle*>(ctl_);
  const QColor fill =
      Or(ToQColor(lamp->Active() ? lamp->ActiveColor() : lamp->InactiveColor(), palette()),
         lamp->Active() ? QColor(Qt::green) : QColor(Qt::darkGray));
  QRect r = rect().adjusted(0, 0, -1, -1);
  // A lit face: a little lighter at the top, as the lamp's glass catches the light.
  QLinearGradient glass(0, 0, 0, height());
  glass.setColorAt(0, fill.lighter(lamp->Active() ? 135 : 115));
  glass.setColorAt(0.5, fill);
  glass.setColorAt(1, fill.darker(112));
  p.fillRect(r, glass);
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
  p.drawText(rect().adjusted(2, 1, -2, -1), Qt::AlignCenter | Qt::TextWordWrap,
             StripAccel(ToQ(ctl_->Caption())));
  DrawDisabled(p, this);
}

// ---- Switches ----

QSize SwitchWidget::sizeHint() const {
  QFontMetrics fm(font());
  const QString cap = ctl_ ? StripAccel(ToQ(ctl_->Caption())) : QString();
  return QSize(56 + (cap.isEmpty() ? 0 : fm.horizontalAdvance(cap) + 8),
               std::max(24, fm.height() + 8));
}

void SwitchWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  FillBehind(p);
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
  p.drawText(QRect(track.right() + 8, 0, width() - track.right() - 8, height()),
             Qt::AlignVCenter | Qt::AlignLeft, StripAccel(ToQ(ctl_->Caption())));
  DrawDisabled(p, this);
}

// ---- Multi-position switch ----

namespace {
constexpr int kStopPitch = 22;  // vertical distance between two positions
}

QSize SwitchSliderWidget::sizeHint() const {
  QFontMetrics fm(font());
  int text = 0;
  int stops = 1;
  if (auto* s = static_cast<TiSwitchSlider*>(ctl_)) {
    stops = s->PositionCount();
    for (const std::string& cap : s->PositionCaptions())
      text = std::max(text, fm.horizontalAdvance(ToQ(cap)));
  }
  return QSize(36 + text, stops * kStopPitch + 8);
}

void SwitchSliderWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  FillBehind(p);
  if (!ctl_) return;
  p.setRenderHint(QPainter::Antialiasing);
  auto* s = static_cast<TiSwitchSlider*>(ctl_);
  const int n = s->PositionCount();
  const int top = 4 + kStopPitch / 2;
  auto stopY = [&](int i) { return top + i * kStopPitch; };
  // The track and the knob; position 0 at the top.
  const QRect track(10, stopY(0) - 4, 8, std::max(8, stopY(n - 1) - stopY(0) + 8));
  p.setPen(palette().color(QPalette::Shadow));
  p.setBrush(palette().color(QPalette::Mid));
  p.drawRoundedRect(track, 4, 4);
  p.setBrush(palette().color(QPalette::Button));
  p.drawRoundedRect(QRect(4, stopY(s->Position()) - 6, 20, 12), 3, 3);
  p.setPen(palette().color(QPalette::WindowText));
  for (int i = 0; i < n; ++i) {
    QFont f = font();
    f.setBold(i == s->Position());
    p.setFont(f);
    p.drawText(QRect(30, stopY(i) - kStopPitch / 2, width() - 30, kStopPitch),
               Qt::AlignVCenter | Qt::AlignLeft, ToQ(s->PositionCaption(i)));
  }
  DrawDisabled(p, this);
}

// ---- Gauge ----

namespace {

struct GaugeGeometry {
  double lo, hi, span, radius;
  QPointF centre;
  double AngleOf(double v) const {
    // 270 degrees from lower left (225) clockwise to lower right (-45).
    const double t = std::clamp(span != 0 ? (v - lo) / span : 0.0, 0.0, 1.0);
    return 225.0 - 270.0 * t;
  }
  QPointF PointAt(double deg, double r) const {
    return QPointF(centre.x() + r * std::cos(qDegreesToRadians(deg)),
                   centre.y() - r * std::sin(qDegreesToRadians(deg)));
  }
};

GaugeGeometry GeometryOf(const TiAngularGauge& g, const QWidget& w) {
  const double lo = g.PositionMin, hi = g.PositionMax;
  const int side = std::min(w.width(), w.height()) - 4;
  return GaugeGeometry{lo, hi, hi - lo, side / 2.0, QPointF(w.width() / 2.0, w.height() / 2.0)};
}

}  // namespace

void GaugeWidget::PaintFace(QPainter& p) const {
  FillBehind(p);
  p.setRenderHint(QPainter::Antialiasing);
  auto* g = static_cast<TiAngularGauge*>(ctl_);
  const GaugeGeometry geo = GeometryOf(*g, *this);
  const double radius = geo.radius;
  const QPointF centre = geo.centre;
  p.setPen(QPen(palette().color(QPalette::Shadow), 1));
  p.setBrush(Or(ToQColor(ctl_->Color(), palette()), palette().color(QPalette::Base)));
  p.drawEllipse(centre, radius, radius);
  // Coloured sections, each from the previous end (or the minimum) up to its own end.
  const QRectF arcRect(centre.x() - radius * 0.8, centre.y() - radius * 0.8, radius * 1.6,
                       radius * 1.6);
  double from = geo.lo;
  for (const auto& s : g->Sections) {
    const double a0 = geo.AngleOf(from), a1 = geo.AngleOf(s.End);
    p.setPen(QPen(Or(ToQColor(s.Color, palette()), Qt::green), radius * 0.08, Qt::SolidLine,
                  Qt::FlatCap));
    p.drawArc(arcRect, int(a1 * 16), int((a0 - a1) * 16));
    from = s.End;
  }
  // Ticks and their values.
  p.setPen(QPen(palette().color(QPalette::Text), 1));
  QFont f = font();
  f.setPointSizeF(std::max(6.0, f.pointSizeF() - 1));
  p.setFont(f);
  const int ticks = std::max(2, g->TickMajorCount);
  // Every tick gets its line; values go on every tick, or every second, third ... one, as far
  // apart along the arc as the widest value needs, so that no two overlap.
  const QFontMetrics fm(f);
  int widest = 0;
  for (int i = 0; i < ticks; ++i)
    widest = std::max(widest, fm.horizontalAdvance(Short(geo.lo + geo.span * i / (ticks - 1))));
  const double labelR = radius * 0.58;
  const double stepA = std::fabs(geo.AngleOf(geo.lo + geo.span / (ticks - 1)) - geo.AngleOf(geo.lo));
  auto apart = [&](int k) {
    return 2 * labelR * std::sin(qDegreesToRadians(std::min(180.0, stepA * k) / 2));
  };
  int every = 1;
  while (every < ticks - 1 && apart(every) < std::max(widest + 4, fm.height() + 2)) ++every;
  for (int i = 0; i < ticks; ++i) {
    const double v = geo.lo + geo.span * i / (ticks - 1);
    const double a = geo.AngleOf(v);
    p.drawLine(geo.PointAt(a, radius * 0.88), geo.PointAt(a, radius * 0.72));
    if (i % every != 0) continue;
    const QPointF c = geo.PointAt(a, labelR);
    p.drawText(QRectF(c.x() - widest / 2.0 - 2, c.y() - fm.height() / 2.0, widest + 4, fm.height()),
               Qt::AlignCenter, Short(v));
  }
}

void GaugeWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!ctl_) return FillBehind(p);
  auto* g = static_cast<TiAngularGauge*>(ctl_);
  // The face changes with the size, the scale, the colours and the font; the needle every tick.
  QByteArray key;
  {
    QDataStream k(&key, QIODevice::WriteOnly);
    k << size() << devicePixelRatioF() << g->PositionMin << g->PositionMax << g->TickMajorCount
      << ToQColor(ctl_->Color(), palette()) << palette().cacheKey() << font().toString();
    const QWidget* under = parentWidget() ? parentWidget() : this;
    k << under->palette().color(under->backgroundRole());
    for (const auto& s : g->Sections) k << s.End << ToQColor(s.Color, palette());
  }
  if (key != faceKey_ || face_.isNull()) {
    const qreal dpr = devicePixelRatioF();
    face_ = QPixmap(size() * dpr);
    face_.setDevicePixelRatio(dpr);
    QPainter fp(&face_);
    PaintFace(fp);
    faceKey_ = key;
  }
  p.drawPixmap(0, 0, face_);
  p.setRenderHint(QPainter::Antialiasing);
  const GaugeGeometry geo = GeometryOf(*g, *this);
  // Needle and the position as a number.
  const double a = geo.AngleOf(g->Position());
  p.setPen(QPen(QColor(200, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(geo.centre, geo.PointAt(a, geo.radius * 0.85));
  p.setBrush(palette().color(QPalette::Shadow));
  p.setPen(Qt::NoPen);
  p.drawEllipse(geo.centre, 4, 4);
  p.setPen(palette().color(QPalette::Text));
  QFont bf = font();
  bf.setBold(true);
  p.setFont(bf);
  p.drawText(QRectF(geo.centre.x() - 50, geo.centre.y() + geo.radius * 0.35, 100, 18),
             Qt::AlignCenter, Short(g->Position()));
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
  if (!ctl_) return FillBehind(p);
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

namespace {

constexpr double kSecond = 1.0 / 86400.0;

// Steps of a date-time axis, in seconds: whole clock units.
constexpr int kTimeSteps[] = {1,   2,   5,    10,   15,   30,    60,    120,  300,
                              600, 900, 1800, 3600, 7200, 21600, 43200, 86400};

struct Axis {
  double lo, hi, step;
  double first() const { return std::ceil(lo / step - 1e-9) * step; }
};

}  // namespace

void PlotWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!ctl_) return FillBehind(p);
  auto* plot = static_cast<TiPlot*>(ctl_);
  const QColor bg = Or(ToQColor(ctl_->Color(), palette()), Qt::black);
  const QColor fg = Contrast(bg) == Qt::white ? QColor(200, 200, 200) : QColor(60, 60, 60);
  const QColor gridLine = Contrast(bg) == Qt::white ? QColor(55, 55, 55) : QColor(215, 215, 215);
  p.fillRect(rect(), bg);
  const QFontMetrics fm(font());
  const int lh = fm.height();
  auto channelColor = [&](const TiPlot::Channel& ch) {
    return Or(ToQColor(ch.Color, palette()), Qt::green);
  };
  auto channelTitle = [](const TiPlot::Channel& ch, int i) {
    return ToQ(ch.Title.empty() ? "Channel " + std::to_string(i + 1) : ch.Title);
  };

  // Frame: title on top, axis titles and labels left and below, the legend at the right.
  QRect area = rect().adjusted(6, 4, -8, -4);
  if (!plot->Title.empty()) {
    QFont tf = font();
    tf.setBold(true);
    p.setFont(tf);
    p.setPen(fg);
    p.drawText(QRect(area.left(), area.top(), area.width(), lh + 2), Qt::AlignCenter,
               ToQ(plot->Title));
    p.setFont(font());
    area.setTop(area.top() + lh + 4);
  }
  std::vector<int> legend;
  for (int i = 0; i < plot->ChannelCount(); ++i)
    if (plot->GetChannel(i).VisibleInLegend) legend.push_back(i);
  if (plot->LegendVisible && !legend.empty()) {
    int w = 0;
    for (int i : legend)
      w = std::max(w, fm.horizontalAdvance(channelTitle(plot->GetChannel(i), i)));
    const int colW = std::min(w, 140) + 22;
    const int perCol = std::max(1, (area.height() - 4) / lh);
    const int cols = std::min<int>((int(legend.size()) + perCol - 1) / perCol,
                                   std::max(1, area.width() / 2 / colW));
    const int right = area.right() - cols * colW;
    for (size_t k = 0; k < legend.size() && int(k) < cols * perCol; ++k) {
      const TiPlot::Channel& ch = plot->GetChannel(legend[k]);
      const int x = right + 8 + int(k) / perCol * colW, y = area.top() + 2 + int(k) % perCol * lh;
      p.fillRect(QRect(x, y + lh / 2 - 2, 12, 4), channelColor(ch));
      p.setPen(fg);
      p.drawText(QRect(x + 16, y, colW - 18, lh), Qt::AlignVCenter | Qt::AlignLeft,
                 fm.elidedText(channelTitle(ch, legend[k]), Qt::ElideRight, colW - 18));
    }
    area.setRight(right);
  }
  if (!plot->YAxisTitle.empty()) area.setLeft(area.left() + lh + 2);
  area.setBottom(area.bottom() - lh - 4 - (plot->XAxisTitle.empty() ? 0 : lh + 2));

  // The time axis ends at the newest point of any channel and scrolls with it.
  const double span = plot->XSpan > 0 ? plot->XSpan : 1;
  double xmax = span;
  bool any = false;
  for (int i = 0; i < plot->ChannelCount(); ++i) {
    const auto& pts = plot->GetChannel(i).Points;
    if (pts.empty()) continue;
    xmax = any ? std::max(xmax, pts.back().first) : pts.back().first;
    any = true;
  }
  const double xmin = xmax - span;
  auto firstShown = [xmin](const TiPlot::Channel& ch) {
    auto it = std::lower_bound(
        ch.Points.begin(), ch.Points.end(), xmin,
        [](const std::pair<double, double>& pt, double x) { return pt.first < x; });
    return it == ch.Points.begin() ? it
                                   : it - 1;  // one point before, so the line enters from the edge
  };

  // The value axis: fixed, or following the points shown.
  double ylo = plot->YMin, yhi = plot->YMax;
  if (plot->YAutoScale) {
    bool seen = false;
    for (int i = 0; i < plot->ChannelCount(); ++i) {
      const TiPlot::Channel& ch = plot->GetChannel(i);
      if (!ch.Visible) continue;
      for (auto it = firstShown(ch); it != ch.Points.end(); ++it) {
        if (!std::isfinite(it->second)) continue;
        ylo = seen ? std::min(ylo, it->second) : it->second;
        yhi = seen ? std::max(yhi, it->second) : it->second;
        seen = true;
      }
    }
    if (seen) {
      const double pad = std::max((yhi - ylo) * 0.05, std::max(std::fabs(yhi), 1.0) * 0.05);
      ylo -= pad;
      yhi += pad;
    }
  }
  if (!(yhi > ylo)) yhi = ylo + 1;
  Axis y{ylo, yhi, NiceStep(yhi - ylo, std::max(2, area.height() / (lh * 2)))};
  if (plot->YAutoScale) {
    y.lo = std::floor(ylo / y.step) * y.step;
    y.hi = std::ceil(yhi / y.step) * y.step;
  }
  int labelW = 0;
  for (double v = y.first(); v <= y.hi + y.step * 1e-6; v += y.step)
    labelW = std::max(labelW, fm.horizontalAdvance(Short(v)));
  area.setLeft(area.left() + labelW + 6);
  if (area.width() < 20 || area.height() < 20) return;

  const bool clock = !plot->XLabelFormat.empty();
  auto xLabel = [&](double v) {
    return clock ? ToQ(FormatDateTime(plot->XLabelFormat, v)) : Short(v);
  };
  const int maxLabels = std::max(2, area.width() / (fm.horizontalAdvance(xLabel(xmax)) + 24));
  Axis x{xmin, xmax, NiceStep(span, maxLabels)};
  if (clock) {
    x.step = kTimeSteps[std::size(kTimeSteps) - 1] * kSecond;
    for (int s : kTimeSteps)
      if (s * kSecond * maxLabels >= span) {
        x.step = s * kSecond;
        break;
      }
  }
  auto px = [&](double v) { return area.left() + (v - xmin) / span * area.width(); };
  auto py = [&](double v) { return area.bottom() - (v - y.lo) / (y.hi - y.lo) * area.height(); };

  // Grid, scales, axis titles.
  p.setPen(gridLine);
  for (double v = y.first(); v <= y.hi + y.step * 1e-6; v += y.step)
    p.drawLine(QPointF(area.left(), py(v)), QPointF(area.right(), py(v)));
  for (double v = x.first(); v <= xmax + x.step * 1e-6; v += x.step)
    p.drawLine(QPointF(px(v), area.top()), QPointF(px(v), area.bottom()));
  p.setPen(fg);
  p.drawRect(area);
  for (double v = y.first(); v <= y.hi + y.step * 1e-6; v += y.step)
    p.drawText(QRectF(area.left() - labelW - 6, py(v) - lh / 2.0, labelW + 2, lh),
               Qt::AlignRight | Qt::AlignVCenter, Short(v));
  for (double v = x.first(); v <= xmax + x.step * 1e-6; v += x.step) {
    const QString t = xLabel(v);
    const int w = fm.horizontalAdvance(t);
    // Centred under its tick; one that would run into the value scale or off the edge is left out.
    const double left = px(v) - w / 2.0;
    if (left < area.left() - 4 || left + w > width() - 2) continue;
    p.drawText(QRectF(left, area.bottom() + 3, w + 2, lh), Qt::AlignLeft, t);
  }
  if (!plot->XAxisTitle.empty())
    p.drawText(QRect(area.left(), area.bottom() + lh + 5, area.width(), lh), Qt::AlignCenter,
               ToQ(plot->XAxisTitle));
  if (!plot->YAxisTitle.empty()) {
    p.save();
    p.translate(6 + lh / 2.0, area.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-area.height() / 2.0, -lh / 2.0, area.height(), lh), Qt::AlignCenter,
               ToQ(plot->YAxisTitle));
    p.restore();
  }

  // The lines. Points that fall into one pixel column are drawn as that column's extremes, so a
  // long ring costs no more than the plot is wide.
  p.setClipRect(area.adjusted(1, 1, 0, 0));
  QPolygonF line;
  for (int i = 0; i < plot->ChannelCount(); ++i) {
    const TiPlot::Channel& ch = plot->GetChannel(i);
    if (!ch.Visible || ch.Points.empty()) continue;
    line.clear();
    struct Column {
      int x = INT_MIN, count = 0;
      double firstX = 0, first = 0, lo = 0, hi = 0, last = 0;
    } c;
    auto flush = [&line, &c] {
      if (c.count == 1) line << QPointF(c.firstX, c.first);
      if (c.count > 1)
        line << QPointF(c.x, c.first) << QPointF(c.x, c.lo) << QPointF(c.x, c.hi)
             << QPointF(c.x, c.last);
    };
    for (auto it = firstShown(ch); it != ch.Points.end(); ++it) {
      if (!std::isfinite(it->second)) continue;
      const double sx = px(it->first), sy = py(it->second);
      const int col = static_cast<int>(std::floor(sx));
      if (col != c.x) {
        flush();
        c = Column{col, 1, sx, sy, sy, sy, sy};
        continue;
      }
      ++c.count;
      c.lo = std::min(c.lo, sy);
      c.hi = std::max(c.hi, sy);
      c.last = sy;
    }
    flush();
    p.setPen(QPen(channelColor(ch), 1));
    p.drawPolyline(line);
  }
  p.setClipping(false);
  DrawDisabled(p, this);
}

// ---- Spectrum ----

void SpectrumWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!ctl_) return FillBehind(p);
  auto* s = static_cast<TiSpectrumDisplay*>(ctl_);
  const QColor bg = Or(ToQColor(ctl_->Color(), palette()), Qt::black);
  p.fillRect(rect(), bg);
  const QFontMetrics fm(font());
  const double mx = s->Max > 0 ? s->Max : 1;
  // The value axis on the left: the scale's quarters, each with its value.
  QString quarter[5];
  int axisW = 0;
  for (int q = 0; q <= 4; ++q) {
    quarter[q] = Short(mx * q / 4);
    axisW = std::max(axisW, fm.horizontalAdvance(quarter[q]));
  }
  const int top = 4 + fm.height() / 2;
  const QRect area(axisW + 10, top, width() - axisW - 14, height() - top - fm.height() - 8);
  const QColor text = Contrast(bg) == Qt::white ? QColor(190, 190, 190) : QColor(60, 60, 60);
  for (int q = 0; q <= 4; ++q) {
    const int y = area.bottom() - area.height() * q / 4;
    if (q > 0 && q < 4) {
      p.setPen(QColor(70, 70, 70));
      p.drawLine(area.left(), y, area.right(), y);
    }
    p.setPen(text);
    p.drawLine(area.left() - 4, y, area.left(), y);
    p.drawText(QRect(2, y - fm.height() / 2, axisW + 2, fm.height()),
               Qt::AlignRight | Qt::AlignVCenter, quarter[q]);
  }
  p.setPen(QColor(110, 110, 110));
  p.drawRect(area);
  const int n = s->BarCount();
  if (n > 0) {
    const double w = double(area.width()) / n;
    const QColor bar = Or(ToQColor(ctl_->FontColor(), palette()), QColor(0, 220, 0));
    for (int i = 0; i < n; ++i) {
      const double t = std::isfinite(s->Bar(i)) ? std::clamp(s->Bar(i) / mx, 0.0, 1.0) : 0.0;
      const int h = int(std::lround(t * (area.height() - 1)));
      p.fillRect(QRect(int(area.left() + i * w + w * 0.15), area.bottom() - h,
                       std::max(1, int(w * 0.7)), h),
                 bar);
    }
    // Bars are numbered from 0, each label under its bar, as many as fit.
    p.setPen(text);
    const int every =
        std::max(1, int(std::ceil((fm.horizontalAdvance(QString::number(n)) + 6) / w)));
    for (int i = 0; i < n; i += every)
      p.drawText(QRectF(area.left() + i * w, area.bottom() + 2, w, fm.height()), Qt::AlignHCenter,
                 QString::number(i));
  }
  DrawDisabled(p, this);
}

// ---- Shape ----

void ShapeWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  FillBehind(p);
  if (!ctl_) return;
  p.setPen(palette().color(QPalette::Shadow));
  p.setBrush(Or(ToQColor(ctl_->Color(), palette()), Qt::white));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace qtb
