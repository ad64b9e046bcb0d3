#pragma once
// The string grid, drawn from its model: fixed rows and columns as heading cells that stay in
// place while the rest scrolls, the current cell (or row) highlighted, an in-place editor when
// the grid allows editing. Every selection goes to the model first, which may refuse it.
#include <QAbstractScrollArea>
#include <QPointer>
#include <functional>

#include "platform/qt/QtWidgets.h"

class QLineEdit;
class TStringGrid;

namespace qtb {

class GridWidget : public QAbstractScrollArea, public ModelView {
  Q_OBJECT
 public:
  GridWidget(TStringGrid* grid, QWidget* parent);
  void Detach() override;
  // The model changed: new sizes, cells or current cell.
  void Refresh();
  QSize sizeHint() const override;
  // A grid without scroll bars could not bring cut cells into view: it is never smaller than them.
  // One whose preferred size shows all of it keeps that size: squeezed, it would scroll a few
  // cells in a page that scrolls anyway. A larger one can be made small.
  QSize minimumSizeHint() const override;
  // The cell under a point of the viewport, or false for none (outside the cells).
  bool CellAt(const QPoint& pos, int& col, int& row) const;
  // The rectangle of a cell in viewport coordinates (as drawn, scrolled).
  QRect CellRect(int col, int row) const;

  std::function<void(int col, int row)> OnSelect;  // a user's click or key on a cell
  std::function<void()> OnDblClick;
  std::function<void(int col, int row, const QString& text)> OnEdited;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void scrollContentsBy(int dx, int dy) override;
  bool focusNextPrevChild(bool next) override;
  bool eventFilter(QObject* watched, QEvent* e) override;  // the in-place editor's Escape

 private:
  int ColWidth(int col) const;
  int RowHeight() const;
  int ColLeft(int col) const;  // unscrolled, from the grid's left edge
  int FixedWidth() const;
  int FixedHeight() const;
  int TotalWidth() const;
  int TotalHeight() const;
  void UpdateScrollBars();
  void EnsureVisible(int col, int row);
  bool Selectable(int col, int row) const;
  void BeginEdit(const QString& initial, bool replace);
  void EndEdit(bool commit);

  TStringGrid* grid_;
  QPointer<QLineEdit> editor_;
  int editCol_ = -1, editRow_ = -1;
  int shownCol_ = -1, shownRow_ = -1;  // current cell last brought into view
};

}  // namespace qtb
