#include "platform/qt/QtWidgets.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cctype>

#include "platform/qt/QtLayouts.h"
#include "platform/qt/QtText.h"

namespace qtb {
namespace {

QColor Or(const QColor& c, const QColor& fallback) { return c.isValid() ? c : fallback; }

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

void FormWindow::keyPressEvent(QKeyEvent* e) {
  if (OnKey && OnKey(e)) {
    e->accept();
    return;
  }
  QMainWindow::keyPressEvent(e);
}

// Without the window manager's frame the window draws its own edge.
void FormWindow::paintEvent(QPaintEvent* e) {
  QMainWindow::paintEvent(e);
  if (!captionStrip) return;
  QPainter p(this);
  p.setPen(palette().color(QPalette::Dark));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

// The caption strip moves the window as a title bar would.
bool FormWindow::eventFilter(QObject* o, QEvent* e) {
  if (o == captionStrip && e->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton && windowHandle()) {
    windowHandle()->startSystemMove();
    return true;
  }
  return QMainWindow::eventFilter(o, e);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
  QLabel::mouseReleaseEvent(e);
  if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
}

void PanelWidget::paintEvent(QPaintEvent* e) {
  QFrame::paintEvent(e);
  if (caption.isEmpty()) return;
  QPainter p(this);
  p.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  p.drawText(rect(), Qt::AlignCenter, caption);
}

void ModelWidget::mousePressEvent(QMouseEvent* e) { e->setAccepted(e->button() == Qt::LeftButton); }

void ModelWidget::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return e->ignore();
  if (rect().contains(e->position().toPoint()) && isEnabled()) emit clicked();
}

// ---- Status bar ----

QSize StatusBarWidget::sizeHint() const { return QSize(200, QFontMetrics(font()).height() + 8); }

std::vector<StatusBarWidget::Cell> StatusBarWidget::Cells() const {
  std::vector<Cell> cells;
  if (!ctl_) return cells;
  auto* sb = static_cast<TStatusBar*>(ctl_);
  const int h = height() - 2;
  if (sb->Panels.empty()) {
    cells.push_back(Cell{QRect(0, 1, width() - 1, h - 1), ToQ(sb->SimpleText), false});
    return cells;
  }
  int x = 0;
  const int n = static_cast<int>(sb->Panels.size());
  for (int i = 0; i < n && x < width(); ++i) {
    const TStatusPanel& panel = sb->Panels[size_t(i)];
    const QString text = panel.OwnerDraw ? QString() : ToQ(panel.Text);
    // This system's faces are a little wider than the classic ones: a text panel grows to show
    // its whole text, taking the room from the last panel.
    const int textW = panel.OwnerDraw ? 0 : TextWidth(size_t(i), text) + 10;
    const int w = i == n - 1 ? width() - x : std::max({0, panel.Width, textW});
    cells.push_back(Cell{QRect(x, 1, std::max(1, w - 2), h - 1), text, panel.OwnerDraw});
    x += w;
  }
  return cells;
}

int StatusBarWidget::TextWidth(size_t panel, const QString& text) const {
  if (textWidths_.size() <= panel) textWidths_.resize(panel + 1, {QString(), -1});
  auto& [known, w] = textWidths_[panel];
  if (w < 0 || known != text) {
    known = text;
    w = fontMetrics().horizontalAdvance(text);
  }
  return w;
}

void StatusBarWidget::changeEvent(QEvent* e) {
  if (e->type() == QEvent::FontChange) {
    textWidths_.clear();
    shown_.clear();
  }
  ModelWidget::changeEvent(e);
}

void StatusBarWidget::ModelChanged() {
  std::vector<Cell> now = Cells();
  bool moved = now.size() != shown_.size();
  for (size_t i = 0; !moved && i < now.size(); ++i) moved = now[i].rect != shown_[i].rect;
  if (moved) {
    update();
  } else {
    for (size_t i = 0; i < now.size(); ++i)
      if (now[i].ownerDraw || now[i].text != shown_[i].text)
        update(now[i].rect.adjusted(0, 0, 1, 1));
  }
  shown_ = std::move(now);
}

void StatusBarWidget::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  p.fillRect(e->rect(), palette().color(QPalette::Window));
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
  shown_ = Cells();
  for (size_t i = 0; i < shown_.size(); ++i) {
    const Cell& cell = shown_[i];
    if (!e->rect().intersects(cell.rect.adjusted(0, 0, 1, 1))) continue;
    const QRect& r = cell.rect;
    sunken(r);
    if (sb->Panels.empty()) {
      p.setPen(palette().color(QPalette::WindowText));
      p.drawText(r.adjusted(4, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft, cell.text);
      continue;
    }
    const QRect inner = r.adjusted(1, 1, -1, -1);
    if (cell.ownerDraw) {
      if (sb->OnDrawPanel) {
        p.save();
        p.setClipRect(inner);
        QtCanvas canvas(p, palette());
        try {
          sb->OnDrawPanel(canvas, static_cast<int>(i),
                          TRect{inner.left(), inner.top(), inner.right() + 1, inner.bottom() + 1});
        } catch (const std::exception& e) {
          if (OnPaintError) OnPaintError(e.what());
        }
        p.restore();
      }
    } else {
      p.setPen(palette().color(QPalette::WindowText));
      p.drawText(inner.adjusted(3, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft, cell.text);
    }
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

// ---- Page tabs ----

TabStrip::TabStrip(TControl* pageControl, QWidget* parent) : ModelWidget(pageControl, parent) {
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

std::vector<TabStrip::Tab> TabStrip::Layout(int width, int* height) const {
  std::vector<Tab> tabs;
  const QFontMetrics fm(font());
  const int h = fm.height() + 10;
  if (height) *height = h + 2;
  if (!ctl_) return tabs;
  auto* pc = static_cast<TPageControl*>(ctl_);
  const bool rows = pc->MultiLine;
  // A tab is as wide as its caption in the chosen tab's bold face needs, so that no caption is
  // cut whichever tab is chosen; a fixed width is the least a tab takes.
  const QFontMetrics bold(CaptionFont(true));
  int x = 2, y = 2;
  for (int i = 0; i < pc->PageCount(); ++i) {
    const TTabSheet* page = pc->Page(i);
    if (!page->TabVisible() || !page->Visible()) continue;
    const int w =
        std::max(pc->TabWidth, bold.horizontalAdvance(StripAccel(ToQ(page->Caption()))) + 20);
    if (rows && x > 2 && x + w > width - 2) {
      x = 2;
      y += h;
    }
    tabs.push_back(Tab{i, QRect(x, y, w, h)});
    x += w;
  }
  if (height) *height = y + h + 2;
  return tabs;
}

QFont TabStrip::CaptionFont(bool active) const {
  QFont f = font();
  f.setBold(active);
  return f;
}

QString TabStrip::CutCaption() const {
  if (!ctl_) return QString();
  auto* pc = static_cast<TPageControl*>(ctl_);
  const QFontMetrics bold(CaptionFont(true));
  for (const Tab& t : Layout(width())) {
    const QString text = StripAccel(ToQ(pc->Page(t.page)->Caption()));
    // The room paintEvent leaves the caption inside the tab's border.
    if (bold.horizontalAdvance(text) > t.rect.width() - 1 - 6) return text;
  }
  return QString();
}

bool TabStrip::Overflows() const {
  if (!ctl_ || static_cast<TPageControl*>(ctl_)->MultiLine) return false;
  const auto tabs = Layout(width());
  return !tabs.empty() && tabs.back().rect.right() > width() - 2;
}

QRect TabStrip::ArrowRect(int direction) const {
  const int s = height() - 6;
  return QRect(width() - (direction < 0 ? 2 : 1) * (s + 2), 3, s, s);
}

int TabStrip::Shift(const std::vector<Tab>& tabs) const {
  return Overflows() && first_ < int(tabs.size()) ? tabs[size_t(first_)].rect.left() - 2 : 0;
}

QRect TabStrip::TabRect(int page) const {
  const auto tabs = Layout(width());
  const int limit = Overflows() ? ArrowRect(-1).left() - 2 : width();
  for (const Tab& t : tabs) {
    const QRect r = t.rect.translated(-Shift(tabs), 0);
    if (t.page == page && r.left() >= 0 && r.right() < limit) return r;
  }
  return QRect();
}

int TabStrip::heightForWidth(int w) const {
  int h = 0;
  Layout(w, &h);
  return h;
}

QSize TabStrip::sizeHint() const {
  // One row of tabs asks for its whole width; rows of tabs follow whatever width they get.
  int h = 0;
  const auto tabs = Layout(QWIDGETSIZE_MAX, &h);
  const bool rows = ctl_ && static_cast<TPageControl*>(ctl_)->MultiLine;
  int w = 100;
  for (const Tab& t : tabs) w = rows ? std::max(w, t.rect.width() + 4) : t.rect.right() + 4;
  return QSize(w, rows ? heightForWidth(w) : h);
}

QSize TabStrip::minimumSizeHint() const {
  return QSize(80, heightForWidth(width() > 0 ? width() : 400));
}

void TabStrip::Refresh() {
  if (!ctl_) return;
  auto* pc = static_cast<TPageControl*>(ctl_);
  const int active = pc->ActivePageIndex();
  if (active != lastActive_ && Overflows()) {
    // Bring the chosen tab into the scrolling row.
    const auto tabs = Layout(QWIDGETSIZE_MAX);
    for (size_t k = 0; k < tabs.size(); ++k) {
      if (tabs[k].page != active) continue;
      const int limit = ArrowRect(-1).left() - 2;
      if (int(k) < first_) first_ = int(k);
      while (first_ < int(k) && tabs[k].rect.right() - tabs[size_t(first_)].rect.left() + 2 > limit)
        ++first_;
    }
  }
  lastActive_ = active;
  if (!Overflows()) first_ = 0;
  updateGeometry();
  update();
}

void TabStrip::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPalette& pal = palette();
  if (!ctl_) return;
  auto* pc = static_cast<TPageControl*>(ctl_);
  auto tabs = Layout(width());
  const bool scrolls = Overflows();
  const int shift = Shift(tabs);
  const int limit = scrolls ? ArrowRect(-1).left() - 2 : width();
  p.setPen(pal.color(QPalette::Dark));
  p.drawLine(0, height() - 1, width(), height() - 1);
  for (const Tab& t : tabs) {
    const QRect r = t.rect.translated(-shift, 0).adjusted(0, 0, -1, -1);
    if (r.right() < 0 || r.left() >= limit) continue;
    const TTabSheet* page = pc->Page(t.page);
    const bool active = t.page == pc->ActivePageIndex();
    const bool enabled = isEnabled() && page->Enabled();
    p.save();
    p.setClipRect(QRect(0, 0, limit, height()));
    p.fillRect(r, active ? pal.color(QPalette::Base) : pal.color(QPalette::Button));
    p.setPen(pal.color(QPalette::Mid));
    p.drawRect(r);
    if (active)
      p.fillRect(QRect(r.left(), r.top(), r.width() + 1, 3), pal.color(QPalette::Highlight));
    const QFont f = CaptionFont(active);
    p.setFont(f);
    p.setPen(pal.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    const QString text =
        QFontMetrics(f).elidedText(StripAccel(ToQ(page->Caption())), Qt::ElideRight, r.width() - 6);
    p.drawText(r.adjusted(3, 2, -3, 0), Qt::AlignCenter, text);
    if (active && hasFocus()) {
      p.setPen(QPen(pal.color(QPalette::Text), 1, Qt::DotLine));
      p.drawRect(r.adjusted(3, 5, -3, -3));
    }
    p.restore();
  }
  if (scrolls) {
    for (int dir : {-1, 1}) {
      const QRect a = ArrowRect(dir);
      p.fillRect(a, pal.color(QPalette::Button));
      p.setPen(pal.color(QPalette::Mid));
      p.drawRect(a.adjusted(0, 0, -1, -1));
      const QPointF c = QRectF(a).center();
      const double s = a.height() / 5.0;
      QPolygonF tri;
      tri << QPointF(c.x() + dir * s, c.y()) << QPointF(c.x() - dir * s, c.y() - s * 1.4)
          << QPointF(c.x() - dir * s, c.y() + s * 1.4);
      p.setRenderHint(QPainter::Antialiasing);
      p.setBrush(pal.color(QPalette::ButtonText));
      p.setPen(Qt::NoPen);
      p.drawPolygon(tri);
      p.setRenderHint(QPainter::Antialiasing, false);
    }
  }
}

void TabStrip::mousePressEvent(QMouseEvent* e) {
  if (!ctl_ || e->button() != Qt::LeftButton) return;
  const QPoint pos = e->position().toPoint();
  const auto tabs = Layout(width());
  if (Overflows()) {
    for (int dir : {-1, 1}) {
      if (!ArrowRect(dir).contains(pos)) continue;
      first_ = std::clamp(first_ + dir, 0, std::max(0, int(tabs.size()) - 1));
      update();
      return;
    }
    if (pos.x() >= ArrowRect(-1).left()) return;
  }
  const int shift = Shift(tabs);
  auto* pc = static_cast<TPageControl*>(ctl_);
  for (const Tab& t : tabs)
    if (t.rect.translated(-shift, 0).contains(pos) && pc->Page(t.page)->Enabled())
      emit tabPicked(t.page);
}

void TabStrip::keyPressEvent(QKeyEvent* e) {
  if (!ctl_ || (e->key() != Qt::Key_Left && e->key() != Qt::Key_Right))
    return ModelWidget::keyPressEvent(e);
  auto* pc = static_cast<TPageControl*>(ctl_);
  const auto tabs = Layout(width());
  const int dir = e->key() == Qt::Key_Left ? -1 : 1;
  int k = -1;
  for (size_t i = 0; i < tabs.size(); ++i)
    if (tabs[i].page == pc->ActivePageIndex()) k = int(i);
  for (int i = k + dir; i >= 0 && i < int(tabs.size()); i += dir)
    if (pc->Page(tabs[size_t(i)].page)->Enabled()) {
      emit tabPicked(tabs[size_t(i)].page);
      return;
    }
}

PagesWidget::PagesWidget(TControl* pageControl, QWidget* parent) : QWidget(parent) {
  auto* col = new QVBoxLayout(this);
  col->setContentsMargins(0, 0, 0, 0);
  col->setSpacing(0);
  strip_ = new TabStrip(pageControl, this);
  stack_ = new QStackedWidget(this);
  stack_->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
  col->addWidget(strip_);
  col->addWidget(stack_, 1);
}

void PagesWidget::Detach() { strip_->Detach(); }

// ---- Tool-bar glyphs ----

namespace {

enum class Glyph { Folder, Disk, Printer, Port, Plug, Unplug, Read, Write, Exit };

// The first rule whose word is in the button's name (or else its hint) chooses the picture.
struct GlyphRule {
  const char* word;
  Glyph glyph;
};
// clang-format off
constexpr GlyphRule kGlyphRules[] = {
    {"closeport", Glyph::Unplug}, {"disconnect", Glyph::Unplug}, {"opencomport", Glyph::Plug},
    {"connect", Glyph::Plug},     {"comsetup", Glyph::Port},     {"communication", Glyph::Port},
    {"print", Glyph::Printer},    {"save", Glyph::Disk},         {"export", Glyph::Disk},
    {"open", Glyph::Folder},      {"import", Glyph::Folder},     {"read", Glyph::Read},
    {"upload", Glyph::Read},      {"write", Glyph::Write},       {"download", Glyph::Write},
    {"exit", Glyph::Exit},
};
// clang-format on

// Drawn on a 16 x 16 grid.
void DrawGlyph(QPainter& p, Glyph g) {
  const QColor ink(40, 40, 40);
  p.setPen(QPen(ink, 1));
  auto plugHalf = [&p, &ink](double x, bool left, const QColor& body) {
    // A plug body with two pins pointing to the middle.
    p.setBrush(body);
    p.drawRoundedRect(QRectF(left ? x : x - 5, 5, 5, 6), 1, 1);
    p.setPen(QPen(ink, 1.2));
    const double tip = left ? x + 8 : x - 8, base = left ? x + 5 : x - 5;
    p.drawLine(QPointF(base, 6.5), QPointF(tip, 6.5));
    p.drawLine(QPointF(base, 9.5), QPointF(tip, 9.5));
    p.drawLine(QPointF(x, 8), QPointF(left ? x - 3 : x + 3, 8));  // the cable
    p.setPen(QPen(ink, 1));
  };
  auto arrow = [&p](double x, double y0, double y1, const QColor& c) {
    // A thick arrow from y0 to y1.
    const double dir = y1 > y0 ? 1 : -1;
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    QPolygonF a;
    a << QPointF(x - 1.5, y0) << QPointF(x + 1.5, y0) << QPointF(x + 1.5, y1 - dir * 3.5)
      << QPointF(x + 4, y1 - dir * 3.5) << QPointF(x, y1) << QPointF(x - 4, y1 - dir * 3.5)
      << QPointF(x - 1.5, y1 - dir * 3.5);
    p.drawPolygon(a);
  };
  switch (g) {
    case Glyph::Folder: {
      QPolygonF back;
      back << QPointF(1.5, 3.5) << QPointF(6, 3.5) << QPointF(7.5, 5) << QPointF(13.5, 5)
           << QPointF(13.5, 13.5) << QPointF(1.5, 13.5);
      p.setBrush(QColor(224, 176, 48));
      p.drawPolygon(back);
      QPolygonF front;
      front << QPointF(3.5, 7.5) << QPointF(15, 7.5) << QPointF(13.5, 13.5) << QPointF(1.5, 13.5);
      p.setBrush(QColor(250, 214, 96));
      p.drawPolygon(front);
      break;
    }
    case Glyph::Disk:
      p.setBrush(QColor(40, 80, 170));
      p.drawRect(QRectF(1.5, 1.5, 13, 13));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(4, 1.5, 8, 5.5));
      p.setBrush(QColor(190, 190, 190));
      p.drawRect(QRectF(4.5, 9.5, 7, 5));
      break;
    case Glyph::Printer:
      p.setBrush(Qt::white);
      p.drawRect(QRectF(4.5, 1.5, 7, 5));
      p.setBrush(QColor(150, 150, 150));
      p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(4.5, 10.5, 7, 4));
      p.setPen(QColor(0, 170, 0));
      p.drawPoint(QPointF(12.5, 8.5));
      break;
    case Glyph::Port: {
      // A serial connector: a trapezoid shell with two rows of pins, and its cable.
      p.setBrush(QColor(60, 60, 60));
      p.drawRect(QRectF(7, 0.5, 2, 3.5));
      QPolygonF shell;
      shell << QPointF(0.5, 4.5) << QPointF(15.5, 4.5) << QPointF(13, 13.5) << QPointF(3, 13.5);
      p.setBrush(QColor(80, 90, 120));
      p.drawPolygon(shell);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(235, 235, 235));
      for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(3.6 + i * 2.2, 7.5), 0.9, 0.9);
      for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(4.7 + i * 2.2, 10.5), 0.9, 0.9);
      break;
    }
    case Glyph::Plug:
      plugHalf(1, true, QColor(0, 150, 0));
      plugHalf(15, false, QColor(0, 150, 0));
      break;
    case Glyph::Unplug:
      plugHalf(-1, true, QColor(200, 40, 40));
      plugHalf(17, false, QColor(200, 40, 40));
      p.setPen(QPen(QColor(200, 40, 40), 1.4));
      p.drawLine(QPointF(6.5, 3), QPointF(9.5, 13));
      break;
    case Glyph::Read:
    case Glyph::Write: {
      // A device (the box) and the direction of the transfer.
      p.setBrush(QColor(210, 210, 210));
      p.drawRect(QRectF(1.5, 10.5, 13, 4));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0, 170, 0));
      p.drawRect(QRectF(3, 12, 2, 1.5));
      if (g == Glyph::Read)
        arrow(8, 10, 1, QColor(0, 120, 200));
      else
        arrow(8, 1, 10, QColor(210, 100, 0));
      break;
    }
    case Glyph::Exit:
      p.setBrush(QColor(150, 100, 50));
      p.drawRect(QRectF(2.5, 1.5, 7, 13));
      arrow(12.5, 3, 13, QColor(200, 40, 40));
      break;
  }
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

QIcon ToolGlyph(const std::string& name, const std::string& hint) {
  const std::string texts[] = {Lower(name), Lower(hint)};
  for (const std::string& text : texts) {
    for (const GlyphRule& rule : kGlyphRules) {
      if (text.find(rule.word) == std::string::npos) continue;
      QIcon icon;
      for (int scale : {1, 2}) {
        QPixmap pm(16 * scale, 16 * scale);
        pm.setDevicePixelRatio(scale);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        DrawGlyph(p, rule.glyph);
        p.end();
        icon.addPixmap(pm);
      }
      return icon;
    }
  }
  return QIcon();
}

void ScrollArea::FitColumns() {
  if (!widget()) return;
  if (auto* flow = dynamic_cast<ColumnFlowLayout*>(widget()->layout())) {
    // Measured without scroll bars; a column height beyond the view brings the vertical one.
    const QSize view = maximumViewportSize();
    flow->SetColumnHeight(flow->ColumnHeightToFit(
        view, verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff
                  ? 0
                  : style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this)));
  }
}

void ScrollArea::resizeEvent(QResizeEvent* e) {
  FitColumns();
  QScrollArea::resizeEvent(e);
}

bool ScrollArea::eventFilter(QObject* o, QEvent* e) {
  // Contents that ask for another size change this area's size hint (a window sized to its
  // contents then follows them); contents built or changed after the area took its size take
  // their columns from it.
  if (o == widget() && e->type() == QEvent::LayoutRequest) {
    FitColumns();
    updateGeometry();
  }
  return QScrollArea::eventFilter(o, e);
}

int ScrollContent::heightForWidth(int w) const {
  return layout() ? layout()->totalMinimumHeightForWidth(w) : QWidget::heightForWidth(w);
}

QSize ScrollArea::sizeHint() const {
  const int f = 2 * frameWidth();
  QSize s = widget() ? widget()->sizeHint().expandedTo(widget()->minimumSizeHint()) : QSize(0, 0);
  return s + QSize(f, f);
}

}  // namespace qtb
