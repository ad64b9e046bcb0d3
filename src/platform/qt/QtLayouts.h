#pragma once
// The two layouts the backend uses for a container's children.
#include <QLayout>
#include <QRect>
#include <vector>

namespace qtb {

// Children at the model's bounds, relative to the container's top-left corner (a group box's
// caption lies inside those coordinates, as on the original platform). The container asks for
// the bounding box of its children.
class AbsoluteLayout : public QLayout {
 public:
  explicit AbsoluteLayout(QWidget* parent) : QLayout(parent) { setContentsMargins(0, 0, 0, 0); }
  ~AbsoluteLayout() override;
  void AddAt(QWidget* w, const QRect& r);
  // Moves a widget already in the layout.
  void SetRect(QWidget* w, const QRect& r);
  void addItem(QLayoutItem* item) override;
  int count() const override { return static_cast<int>(items_.size()); }
  QLayoutItem* itemAt(int i) const override;
  QLayoutItem* takeAt(int i) override;
  QSize sizeHint() const override;
  QSize minimumSize() const override { return sizeHint(); }
  void setGeometry(const QRect& r) override;
  Qt::Orientations expandingDirections() const override { return {}; }

 private:
  struct Entry {
    QLayoutItem* item;
    QRect rect;
  };
  std::vector<Entry> items_;
};

// Items top to bottom in columns no taller than the column height (or the container, when it is
// taller and the height was not set); a label, its editor and the editor's unit share a row, the
// editors of a column aligned.
// Nothing overlaps: the layout asks for the whole flow as its minimum size, so a scroll area shows
// what does not fit. A scroll area sets the column height of its content's flow from its own size,
// so a page fills its height before it takes another column.
class ColumnFlowLayout : public QLayout {
 public:
  explicit ColumnFlowLayout(QWidget* parent, int columnHeight);
  ~ColumnFlowLayout() override;
  // A row of a caption, its editor and (if not null) the editor's unit.
  void AddRow(QWidget* label, QWidget* editor, QWidget* unit = nullptr);
  // The height its columns take from now on, whatever the container's (a scroll area's choice).
  void SetColumnHeight(int h);
  // The column height for a view of this size: its own height where the columns then fit its
  // width, else the least height at which they fit the width left beside a vertical scroll bar
  // of `barWidth` (the view's height when they never do).
  int ColumnHeightToFit(QSize view, int barWidth) const;
  void addItem(QLayoutItem* item) override;
  int count() const override;
  QLayoutItem* itemAt(int i) const override;
  QLayoutItem* takeAt(int i) override;
  QSize sizeHint() const override;
  // The flow with its items made compact (large widgets smaller, small ones no taller than their
  // text), which is what the container is laid out with when the preferred sizes do not fit.
  QSize minimumSize() const override;
  void setGeometry(const QRect& r) override;
  Qt::Orientations expandingDirections() const override { return {}; }

 private:
  static constexpr int kSlots = 3;  // caption, editor, unit
  struct Entry {
    QLayoutItem* item[kSlots] = {};  // a lone item sits in the first slot
    bool row = false;                // a caption-editor row (the columns align its editor)
  };
  QSize Flow(const QRect& area, int limit, bool compact, bool apply) const;
  int FixedLimit() const;
  std::vector<Entry> entries_;
  int columnHeight_;
  bool chosen_ = false;  // columnHeight_ set from outside: the container's height does not count
};

}  // namespace qtb
