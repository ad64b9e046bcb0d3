#include "platform/qt/QtLayouts.h"

#include <QWidget>
#include <algorithm>

namespace qtb {

// ---- AbsoluteLayout ----

AbsoluteLayout::~AbsoluteLayout() {
  for (auto& e : items_) delete e.item;
}

void AbsoluteLayout::AddAt(QWidget* w, const QRect& r) {
  addChildWidget(w);
  items_.push_back(Entry{new QWidgetItem(w), r});
  invalidate();
}

void AbsoluteLayout::SetRect(QWidget* w, const QRect& r) {
  for (auto& e : items_)
    if (e.item->widget() == w && e.rect != r) {
      e.rect = r;
      invalidate();
    }
}

void AbsoluteLayout::addItem(QLayoutItem* item) { items_.push_back(Entry{item, QRect()}); }

QLayoutItem* AbsoluteLayout::itemAt(int i) const {
  return i >= 0 && i < count() ? items_[size_t(i)].item : nullptr;
}

QLayoutItem* AbsoluteLayout::takeAt(int i) {
  if (i < 0 || i >= count()) return nullptr;
  QLayoutItem* it = items_[size_t(i)].item;
  items_.erase(items_.begin() + i);
  return it;
}

QSize AbsoluteLayout::sizeHint() const {
  int w = 0, h = 0;
  for (const auto& e : items_) {
    if (e.item->isEmpty()) continue;
    w = std::max(w, e.rect.right() + 1);
    h = std::max(h, e.rect.bottom() + 1);
  }
  return QSize(w + 4, h + 4);
}

void AbsoluteLayout::setGeometry(const QRect& r) {
  QLayout::setGeometry(r);
  for (auto& e : items_) e.item->setGeometry(e.rect);
}

// ---- ColumnFlowLayout ----

ColumnFlowLayout::ColumnFlowLayout(QWidget* parent, int columnHeight)
    : QLayout(parent), columnHeight_(columnHeight) {
  setContentsMargins(3, 3, 3, 3);
  setSpacing(4);
}

ColumnFlowLayout::~ColumnFlowLayout() {
  for (auto& e : entries_)
    for (QLayoutItem* it : e.item) delete it;
}

void ColumnFlowLayout::AddRow(QWidget* label, QWidget* editor, QWidget* unit) {
  Entry e;
  e.row = true;
  QWidget* parts[kSlots] = {label, editor, unit};
  for (int i = 0; i < kSlots; ++i)
    if (parts[i]) {
      addChildWidget(parts[i]);
      e.item[i] = new QWidgetItem(parts[i]);
    }
  entries_.push_back(e);
  invalidate();
}

void ColumnFlowLayout::SetColumnHeight(int h) {
  if (h == columnHeight_ && chosen_) return;
  columnHeight_ = h;
  chosen_ = true;
  invalidate();
}

int ColumnFlowLayout::ColumnHeightToFit(QSize view, int barWidth) const {
  const auto width = [this](int h) { return Flow(QRect(), h, true, false).width(); };
  if (width(view.height()) <= view.width()) return view.height();
  // Columns a little shorter may share the entries out so that they fit the width: nothing
  // scrolls then.
  for (int h = view.height() - 4; h >= view.height() * 3 / 4; h -= 4)
    if (width(h) <= view.width()) return h;
  // Else taller columns are fewer: the least height that fits, between the view's and one
  // column's.
  const int room = view.width() - barWidth;
  int lo = view.height(), hi = Flow(QRect(), 1 << 20, true, false).height();
  if (hi <= lo || width(hi) > room) return view.height();
  while (hi - lo > 1) {
    const int mid = lo + (hi - lo) / 2;
    (width(mid) <= room ? hi : lo) = mid;
  }
  return hi;
}

void ColumnFlowLayout::addItem(QLayoutItem* item) {
  Entry e;
  e.item[0] = item;
  entries_.push_back(e);
}

int ColumnFlowLayout::count() const {
  int n = 0;
  for (const auto& e : entries_)
    for (const QLayoutItem* it : e.item) n += it != nullptr;
  return n;
}

QLayoutItem* ColumnFlowLayout::itemAt(int i) const {
  for (const auto& e : entries_)
    for (QLayoutItem* it : e.item)
      if (it && i-- == 0) return it;
  return nullptr;
}

QLayoutItem* ColumnFlowLayout::takeAt(int i) {
  for (size_t k = 0; k < entries_.size(); ++k)
    for (QLayoutItem*& it : entries_[k].item)
      if (it && i-- == 0) {
        QLayoutItem* taken = it;
        it = nullptr;
        bool any = false;
        for (const QLayoutItem* rest : entries_[k].item) any |= rest != nullptr;
        if (!any) entries_.erase(entries_.begin() + long(k));
        invalidate();
        return taken;
      }
  return nullptr;
}

namespace {

// An item's size when room is short: a container as small as its own layout allows; a large
// widget (a gauge, a chart, a grid) a little over half its preferred size; a small one (a lamp, a
// button) keeps its width and is no taller than its text needs. Never below the item's minimum.
// The compact flow also halves the spacing.
QSize Compact(QLayoutItem* it) {
  const QSize hint = it->sizeHint();
  QWidget* w = it->widget();
  if (it->layout() || (w && w->layout())) return it->minimumSize().boundedTo(hint);
  QSize s = hint;
  if (hint.height() > 40) {
    s = hint * 11 / 20;
  } else if (w) {
    s.setHeight(std::min(hint.height(), w->fontMetrics().height() + 5));
  }
  return s.expandedTo(it->minimumSize()).boundedTo(hint);
}

}  // namespace

QSize ColumnFlowLayout::Flow(const QRect& area, int limit, bool compact, bool apply) const {
  const QMargins m = contentsMargins();
  const int gap = compact ? std::max(1, spacing() / 2) : spacing();
  const int colGap = 8;
  const int top = area.top() + m.top();
  const int bottomLimit = area.top() + limit - m.bottom();

  // Split the visible entries into columns.
  struct Row {
    const Entry* e;
    QSize size[kSlots];
    int h;
  };
  // A lone entry (a group, a button) goes into the first column with room left below its last
  // entry, so a short group fills the gap under an earlier one; rows of fields keep their order
  // and go on in the last column. What does not fit starts a new column.
  std::vector<std::vector<Row>> columns;
  std::vector<int> bottoms;  // where each column's next entry would start
  for (const auto& e : entries_) {
    Row r{&e, {}, 0};
    bool shown = false;
    for (int i = 0; i < kSlots; ++i)
      if (e.item[i] && !e.item[i]->isEmpty()) {
        r.size[i] = compact ? Compact(e.item[i]) : e.item[i]->sizeHint();
        r.h = std::max(r.h, r.size[i].height());
        shown = true;
      }
    if (!shown) continue;
    size_t c = e.row && !columns.empty() ? columns.size() - 1 : 0;
    while (c < columns.size() && bottoms[c] + r.h > bottomLimit) ++c;
    if (c == columns.size()) {
      columns.emplace_back();
      bottoms.push_back(top);
    }
    columns[c].push_back(r);
    bottoms[c] += r.h + gap;
  }

  int x = area.left() + m.left();
  int maxBottom = top;
  for (const auto& col : columns) {
    if (col.empty()) continue;
    // The widest caption, editor and unit of the column's rows; lone items span the column.
    int slotW[kSlots] = {};
    int singleW = 0;
    for (const auto& r : col) {
      if (r.e->row)
        for (int i = 0; i < kSlots; ++i) slotW[i] = std::max(slotW[i], r.size[i].width());
      else
        singleW = std::max(singleW, r.size[0].width());
    }
    int rowW = 0;
    for (int w : slotW)
      if (w > 0) rowW += (rowW > 0 ? gap : 0) + w;
    const int colW = std::max(singleW, rowW);
    int cy = top;
    for (const auto& r : col) {
      if (apply) {
        if (r.e->row) {
          int cx = x;
          for (int i = 0; i < kSlots; ++i) {
            if (slotW[i] == 0) continue;
            QLayoutItem* it = r.e->item[i];
            if (it && !it->isEmpty())
              it->setGeometry(QRect(cx, cy + (r.h - r.size[i].height()) / 2,
                                    i == 0 ? slotW[i] : r.size[i].width(), r.size[i].height()));
            cx += slotW[i] + gap;
          }
        } else {
          r.e->item[0]->setGeometry(QRect(x, cy, r.size[0].width(), r.size[0].height()));
        }
      }
      cy += r.h + gap;
    }
    maxBottom = std::max(maxBottom, cy - gap);
    x += colW + colGap;
  }
  const int width = x - colGap - area.left() + m.right();
  const int height = maxBottom - area.top() + m.bottom();
  return QSize(std::max(width, m.left() + m.right()), std::max(height, m.top() + m.bottom()));
}

// A container of fixed height (one the model gives a height) breaks its columns at its own inner
// height, so that its items go on in a further column rather than below its bottom edge.
int ColumnFlowLayout::FixedLimit() const {
  const QWidget* p = parentWidget();
  if (!p || p->minimumHeight() != p->maximumHeight() || p->maximumHeight() >= QWIDGETSIZE_MAX)
    return 0;
  const QMargins cm = p->contentsMargins();
  return std::max(1, p->maximumHeight() - cm.top() - cm.bottom());
}

QSize ColumnFlowLayout::sizeHint() const {
  const int fixed = FixedLimit();
  return Flow(QRect(0, 0, 0, 0), fixed ? fixed : columnHeight_, false, false);
}

QSize ColumnFlowLayout::minimumSize() const {
  const int fixed = FixedLimit();
  return Flow(QRect(0, 0, 0, 0), fixed ? fixed : columnHeight_, true, false);
}

void ColumnFlowLayout::setGeometry(const QRect& r) {
  QLayout::setGeometry(r);
  // A taller container takes fewer, longer columns; never more than the minimum size allows. The
  // items keep their preferred sizes where those fit, else they are made compact.
  const int fixed = FixedLimit();
  const int limit = fixed     ? fixed
                    : chosen_ ? columnHeight_
                              : std::max(columnHeight_, r.height());
  const QSize roomy = Flow(r, limit, false, false);
  Flow(r, limit, roomy.width() > r.width() || roomy.height() > r.height(), true);
}

}  // namespace qtb
