#include "platform/qt/QtGrid.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "platform/qt/QtText.h"
#include "platform/ui/Controls.h"

namespace qtb {

// As on the classic grid, a one-pixel line follows every cell; widths and heights exclude it.
static constexpr int kLine = 1;
// The largest size a grid asks for; a larger one scrolls.
static constexpr QSize kMaxView(1000, 520);

GridWidget::GridWidget(TStringGrid* grid, QWidget* parent)
    : QAbstractScrollArea(parent), grid_(grid) {
  setFocusPolicy(Qt::StrongFocus);
  Refresh();
}

void GridWidget::Detach() {
  EndEdit(false);
  grid_ = nullptr;
  viewport()->update();
}

int GridWidget::ColWidth(int col) const {
  if (!grid_) return 0;
  const auto& w = grid_->ColWidths;
  return col >= 0 && col < int(w.size()) && w[size_t(col)] >= 0 ? w[size_t(col)]
                                                                : grid_->DefaultColWidth;
}

int GridWidget::RowHeight() const { return grid_ ? std::max(4, grid_->DefaultRowHeight) : 20; }

int GridWidget::ColLeft(int col) const {
  int x = 0;
  for (int c = 0; c < col; ++c) x += ColWidth(c) + kLine;
  return x;
}

int GridWidget::FixedWidth() const {
  return grid_ ? ColLeft(std::min(grid_->FixedCols, grid_->ColCount())) : 0;
}
int GridWidget::FixedHeight() const {
  return grid_ ? std::min(grid_->FixedRows, grid_->RowCount()) * (RowHeight() + kLine) : 0;
}
int GridWidget::TotalWidth() const { return grid_ ? ColLeft(grid_->ColCount()) : 0; }
int GridWidget::TotalHeight() const {
  return grid_ ? grid_->RowCount() * (RowHeight() + kLine) : 0;
}

bool GridWidget::Selectable(int col, int row) const {
  return grid_ && col >= grid_->FixedCols && row >= grid_->FixedRows && col < grid_->ColCount() &&
         row < grid_->RowCount();
}

QRect GridWidget::CellRect(int col, int row) const {
  if (!grid_) return QRect();
  int x = ColLeft(col), y = row * (RowHeight() + kLine);
  if (col >= grid_->FixedCols) x -= horizontalScrollBar()->value();
  if (row >= grid_->FixedRows) y -= verticalScrollBar()->value();
  return QRect(x, y, ColWidth(col), RowHeight());
}

bool GridWidget::CellAt(const QPoint& pos, int& col, int& row) const {
  if (!grid_) return false;
  const int fw = FixedWidth(), fh = FixedHeight();
  const int x = pos.x() < fw ? pos.x() : pos.x() + horizontalScrollBar()->value();
  const int y = pos.y() < fh ? pos.y() : pos.y() + verticalScrollBar()->value();
  row = y / (RowHeight() + kLine);
  if (y < 0 || row >= grid_->RowCount()) return false;
  int left = 0;
  for (col = 0; col < grid_->ColCount(); ++col) {
    left += ColWidth(col) + kLine;
    if (x < left) return x >= 0;
  }
  return false;
}

void GridWidget::UpdateScrollBars() {
  if (!grid_) return;
  auto policy = [](bool on) { return on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff; };
  const TScrollStyle s = grid_->ScrollBars;
  const Qt::ScrollBarPolicy hp =
      policy(s == TScrollStyle::ssBoth || s == TScrollStyle::ssHorizontal);
  const Qt::ScrollBarPolicy vp = policy(s == TScrollStyle::ssBoth || s == TScrollStyle::ssVertical);
  // Setting a policy lays the area out again, even an unchanged one.
  if (horizontalScrollBarPolicy() != hp) setHorizontalScrollBarPolicy(hp);
  if (verticalScrollBarPolicy() != vp) setVerticalScrollBarPolicy(vp);
  // The view as it is without the bars, less the room of each bar the cells need: what the
  // viewport shows now still has the room of bars shown for an earlier, smaller size.
  QSize view = maximumViewportSize();
  const int sb = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  bool wide = hp != Qt::ScrollBarAlwaysOff && TotalWidth() > view.width();
  const bool tall = vp != Qt::ScrollBarAlwaysOff && TotalHeight() > view.height() - (wide ? sb : 0);
  wide = wide || (hp != Qt::ScrollBarAlwaysOff && TotalWidth() > view.width() - (tall ? sb : 0));
  view -= QSize(tall ? sb : 0, wide ? sb : 0);
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  h->setRange(0, std::max(0, TotalWidth() - view.width()));
  h->setPageStep(std::max(1, view.width() - FixedWidth()));
  h->setSingleStep(std::max(1, grid_->DefaultColWidth / 2));
  v->setRange(0, std::max(0, TotalHeight() - view.height()));
  v->setPageStep(std::max(1, view.height() - FixedHeight()));
  v->setSingleStep(RowHeight() + kLine);
}

void GridWidget::EnsureVisible(int col, int row) {
  if (!Selectable(col, row)) return;
  const QSize view = viewport()->size();
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  const int x = ColLeft(col) - FixedWidth(), w = ColWidth(col) + kLine;
  const int spanW = view.width() - FixedWidth();
  if (x < h->value())
    h->setValue(x);
  else if (x + w > h->value() + spanW)
    h->setValue(std::min(x, x + w - spanW));
  const int y = (row - grid_->FixedRows) * (RowHeight() + kLine), rh = RowHeight() + kLine;
  const int spanH = view.height() - FixedHeight();
  if (y < v->value())
    v->setValue(y);
  else if (y + rh > v->value() + spanH)
    v->setValue(std::min(y, y + rh - spanH));
}

void GridWidget::Refresh() {
  if (!grid_) return;
  UpdateScrollBars();
  if (grid_->Col() != shownCol_ || grid_->Row() != shownRow_) {
    shownCol_ = grid_->Col();
    shownRow_ = grid_->Row();
    EnsureVisible(shownCol_, shownRow_);
  }
  const QSize hint = sizeHint();
  if (property("vumaHint").toSize() != hint) {
    setProperty("vumaHint", hint);
    updateGeometry();
  }
  viewport()->update();
}

QSize GridWidget::sizeHint() const {
  const int f = 2 * frameWidth();
  int w = TotalWidth() + f, h = TotalHeight() + f;
  const int sb = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const int maxW = kMaxView.width(), maxH = kMaxView.height();
  const bool scrolls = !grid_ || grid_->ScrollBars != TScrollStyle::ssNone;
  if (scrolls && h > maxH) w += sb;
  if (scrolls && w > maxW) h += sb;
  return QSize(std::clamp(w, 60, maxW), std::clamp(h, 20, maxH));
}

QSize GridWidget::minimumSizeHint() const {
  if (grid_ && grid_->ScrollBars == TScrollStyle::ssNone) return sizeHint();
  const int f = 2 * frameWidth();
  const QSize whole(TotalWidth() + f, TotalHeight() + f);
  return whole.boundedTo(kMaxView) == whole ? whole : QSize(60, 40);
}

void GridWidget::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  UpdateScrollBars();
}

void GridWidget::scrollContentsBy(int, int) {
  if (editor_) editor_->setGeometry(CellRect(editCol_, editRow_));
  viewport()->update();
}

void GridWidget::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  const QPalette& pal = palette();
  p.fillRect(viewport()->rect(), pal.color(QPalette::Window));
  if (!grid_) return;
  const TStringGrid& g = *grid_;
  const bool enabled = isEnabled();
  const QColor base = pal.color(QPalette::Base), line = pal.color(QPalette::Mid);
  const QColor face = pal.color(QPalette::Button);
  const QColor text = pal.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::Text);
  const QColor fixedText =
      pal.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
  const bool focused = hasFocus() || (editor_ && editor_->hasFocus());
  const QColor mark =
      pal.color(focused ? QPalette::Active : QPalette::Inactive, QPalette::Highlight);
  const QColor markText =
      pal.color(focused ? QPalette::Active : QPalette::Inactive, QPalette::HighlightedText);
  const int fw = FixedWidth(), fh = FixedHeight();
  const QRect view = viewport()->rect();
  const int rh = RowHeight() + kLine;

  // Visible rows: the fixed ones, then the scrolled ones from the first under the fixed part.
  auto drawRow = [&](int row) {
    for (int col = 0; col < g.ColCount(); ++col) {
      const QRect r = CellRect(col, row);
      const bool fixedCol = col < g.FixedCols, fixedRow = row < g.FixedRows;
      if (r.left() > view.right()) break;
      if (r.right() + kLine < view.left()) continue;
      if (!fixedCol && r.right() < fw) continue;
      p.save();
      // Scrolled cells never draw over the fixed ones.
      p.setClipRect(QRect(fixedCol ? 0 : fw, fixedRow ? 0 : fh, view.width(), view.height()));
      const QRect cell = r.adjusted(0, 0, kLine, kLine);
      const QString t = ToQ(g.Cell(col, row));
      if (fixedCol || fixedRow) {
        p.fillRect(cell, face);
        p.setPen(pal.color(QPalette::Light));
        p.drawLine(cell.topLeft(), cell.topRight());
        p.drawLine(cell.topLeft(), cell.bottomLeft());
        p.setPen(pal.color(QPalette::Dark));
        p.drawLine(cell.bottomLeft(), cell.bottomRight());
        p.drawLine(cell.topRight(), cell.bottomRight());
        p.setPen(fixedText);
      } else {
        const bool current =
            row == g.Row() && (g.RowSelect || col == g.Col()) && Selectable(g.Col(), g.Row());
        p.fillRect(r, current ? mark : base);
        p.setPen(line);
        p.drawLine(cell.bottomLeft(), cell.bottomRight());
        p.drawLine(cell.topRight(), cell.bottomRight());
        p.setPen(current ? markText : text);
      }
      p.setClipRect(r.intersected(p.clipBoundingRect().toRect()));
      p.drawText(r.adjusted(2, 0, -1, 0), Qt::AlignVCenter | Qt::AlignLeft, t);
      p.restore();
    }
  };
  for (int row = 0; row < std::min(g.FixedRows, g.RowCount()); ++row) drawRow(row);
  const int first = g.FixedRows + std::max(0, verticalScrollBar()->value() / rh);
  for (int row = std::max(first, g.FixedRows); row < g.RowCount(); ++row) {
    if (CellRect(0, row).top() > view.bottom()) break;
    drawRow(row);
  }
  if (focused && !editor_ && Selectable(g.Col(), g.Row()) && !g.RowSelect) {
    p.setPen(QPen(markText, 1, Qt::DotLine));
    p.drawRect(CellRect(g.Col(), g.Row()).adjusted(1, 1, -2, -2));
  }
}

void GridWidget::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !grid_) return QAbstractScrollArea::mousePressEvent(e);
  EndEdit(true);
  int col, row;
  if (CellAt(e->position().toPoint(), col, row) && Selectable(col, row) && OnSelect)
    OnSelect(col, row);
}

void GridWidget::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !grid_) return;
  int col, row;
  const bool onCell = CellAt(e->position().toPoint(), col, row);
  if (OnDblClick) OnDblClick();
  if (grid_ && onCell && col == grid_->Col() && row == grid_->Row() && Selectable(col, row))
    BeginEdit(ToQ(grid_->Cell(col, row)), false);
}

void GridWidget::keyPressEvent(QKeyEvent* e) {
  if (!grid_) return QAbstractScrollArea::keyPressEvent(e);
  const TStringGrid& g = *grid_;
  int col = g.Col(), row = g.Row();
  const int page = std::max(1, (viewport()->height() - FixedHeight()) / (RowHeight() + kLine));
  const bool ctrl = e->modifiers() & Qt::ControlModifier;
  switch (e->key()) {
    case Qt::Key_Up:
      --row;
      break;
    case Qt::Key_Down:
      ++row;
      break;
    case Qt::Key_Left:
      --col;
      break;
    case Qt::Key_Right:
      ++col;
      break;
    case Qt::Key_PageUp:
      row -= page;
      break;
    case Qt::Key_PageDown:
      row += page;
      break;
    case Qt::Key_Home:
      (ctrl ? row : col) = 0;
      break;
    case Qt::Key_End:
      (ctrl ? row : col) = (ctrl ? g.RowCount() : g.ColCount()) - 1;
      break;
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (Selectable(col, row)) BeginEdit(ToQ(g.Cell(col, row)), false);
      return;
    default: {
      const QString t = e->text();
      if (!t.isEmpty() && t[0].isPrint() && !ctrl && Selectable(col, row)) {
        BeginEdit(t, true);
        return;
      }
      return QAbstractScrollArea::keyPressEvent(e);
    }
  }
  if (g.RowSelect && (e->key() == Qt::Key_Left || e->key() == Qt::Key_Right)) {
    // A row-selecting grid moves sideways by scrolling only.
    QScrollBar* h = horizontalScrollBar();
    h->setValue(h->value() + (e->key() == Qt::Key_Left ? -1 : 1) * h->singleStep());
    return;
  }
  col = std::clamp(col, g.FixedCols, std::max(g.FixedCols, g.ColCount() - 1));
  row = std::clamp(row, g.FixedRows, std::max(g.FixedRows, g.RowCount() - 1));
  if ((col != g.Col() || row != g.Row()) && Selectable(col, row) && OnSelect) OnSelect(col, row);
}

bool GridWidget::focusNextPrevChild(bool next) {
  EndEdit(true);
  return QAbstractScrollArea::focusNextPrevChild(next);
}

bool GridWidget::eventFilter(QObject* watched, QEvent* e) {
  if (watched == editor_ && e->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
    EndEdit(false);
    return true;
  }
  return QAbstractScrollArea::eventFilter(watched, e);
}

void GridWidget::BeginEdit(const QString& initial, bool replace) {
  if (!grid_ || !grid_->Editing || grid_->RowSelect || !isEnabled() || editor_) return;
  editCol_ = grid_->Col();
  editRow_ = grid_->Row();
  auto* ed = new QLineEdit(viewport());
  editor_ = ed;
  ed->setFrame(false);
  ed->setGeometry(CellRect(editCol_, editRow_));
  ed->setText(initial);
  if (!replace) ed->selectAll();
  connect(ed, &QLineEdit::editingFinished, this, [this] { EndEdit(true); });
  ed->installEventFilter(this);
  ed->show();
  ed->setFocus();
  viewport()->update();
}

void GridWidget::EndEdit(bool commit) {
  if (!editor_) return;
  QLineEdit* ed = editor_;
  editor_ = nullptr;
  const QString t = ed->text();
  const int col = editCol_, row = editRow_;
  const bool hadFocus = ed->hasFocus();
  ed->hide();
  ed->deleteLater();
  if (hadFocus) setFocus();
  if (commit && grid_ && OnEdited) OnEdited(col, row, t);
  viewport()->update();
}

}  // namespace qtb
