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
  setContentsMargins(6, 6, 6, 6);
  setSpacing(6);
}

ColumnFlowLayout::~ColumnFlowLayout() {
  for (auto& e : entries_) {
    delete e.a;
    delete e.b;
  }
}

void ColumnFlowLayout::AddPair(QWidget* label, QWidget* editor) {
  addChildWidget(label);
  addChildWidget(editor);
  entries_.push_back(Entry{new QWidgetItem(label), new QWidgetItem(editor)});
  invalidate();
}

void ColumnFlowLayout::addItem(QLayoutItem* item) { entries_.push_back(Entry{item, nullptr}); }

int ColumnFlowLayout::count() const {
  int n = 0;
  for (const auto& e : entries_) n += e.b ? 2 : 1;
  return n;
}

QLayoutItem* ColumnFlowLayout::itemAt(int i) const {
  for (const auto& e : entries_) {
    if (i == 0) return e.a;
    --i;
    if (e.b) {
      if (i == 0) return e.b;
      --i;
    }
  }
  return nullptr;
}

QLayoutItem* ColumnFlowLayout::takeAt(int i) {
  for (size_t k = 0; k < entries_.size(); ++k) {
    Entry& e = entries_[k];
    if (i == 0) {
      QLayoutItem* it = e.a;
      if (e.b) {
        e.a = e.b;
        e.b = nullptr;
      } else {
        entries_.erase(entries_.begin() + long(k));
      }
      return it;
    }
    --i;
    if (e.b) {
      if (i == 0) {
        QLayoutItem* it = e.b;
        e.b = nullptr;
        return it;
      }
      --i;
    }
  }
  return nullptr;
}

QSize ColumnFlowLayout::Flow(const QRect& area, int limit, bool apply) const {
  const QMargins m = contentsMargins();
  const int gap = spacing();
  const int colGap = 12;
  const int top = area.top() + m.top();
  const int bottomLimit = area.top() + limit - m.bottom();

  // Split the visible entries into columns.
  struct Row {
    const Entry* e;
    QSize a, b;
    int h;
  };
  std::vector<std::vector<Row>> columns(1);
  int y = top;
  for (const auto& e : entries_) {
    const bool showA = !e.a->isEmpty();
    const bool showB = e.b && !e.b->isEmpty();
    if (!showA && !showB) continue;
    Row r{&e, showA ? e.a->sizeHint() : QSize(0, 0), showB ? e.b->sizeHint() : QSize(0, 0), 0};
    r.h = std::max(r.a.height(), r.b.height());
    if (!columns.back().empty() && y + r.h > bottomLimit) {
      columns.emplace_back();
      y = top;
    }
    columns.back().push_back(r);
    y += r.h + gap;
  }

  int x = area.left() + m.left();
  int maxBottom = top;
  for (const auto& col : columns) {
    if (col.empty()) continue;
    int labelW = 0, editorW = 0, singleW = 0;
    for (const auto& r : col) {
      if (r.e->b) {
        labelW = std::max(labelW, r.a.width());
        editorW = std::max(editorW, r.b.width());
      } else {
        singleW = std::max(singleW, r.a.width());
      }
    }
    const int pairW = editorW > 0 || labelW > 0 ? labelW + gap + editorW : 0;
    const int colW = std::max(singleW, pairW);
    int cy = top;
    for (const auto& r : col) {
      if (apply) {
        if (r.e->b) {
          if (!r.e->a->isEmpty())
            r.e->a->setGeometry(QRect(x, cy + (r.h - r.a.height()) / 2, labelW, r.a.height()));
          if (!r.e->b->isEmpty())
            r.e->b->setGeometry(QRect(x + labelW + gap, cy + (r.h - r.b.height()) / 2, r.b.width(),
                                      r.b.height()));
        } else {
          r.e->a->setGeometry(QRect(x, cy, r.a.width(), r.a.height()));
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

QSize ColumnFlowLayout::sizeHint() const {
  return Flow(QRect(0, 0, 0, 0), columnHeight_, false);
}

void ColumnFlowLayout::setGeometry(const QRect& r) {
  QLayout::setGeometry(r);
  // A taller container takes fewer, longer columns; never more than the minimum size allows.
  Flow(r, std::max(columnHeight_, r.height()), true);
}

}  // namespace qtb
