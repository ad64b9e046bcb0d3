#pragma once
// Peer widgets the backend draws itself: the status bar, panels, page tabs, tool-bar glyphs and
// the small composites (spin edit) whose behaviour must follow the model rather than Qt. The
// instruments are in QtInstruments.h, the string grid in QtGrid.h. Painted widgets read their
// model control while painting; the backend detaches them when the control goes away.
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QScrollArea>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/ui/Canvas.h"
#include "platform/ui/Controls.h"

class QPainter;
class QStackedWidget;

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
  std::function<bool()> OnCloseRequest;   // true: let Qt close the window itself
  std::function<bool(QKeyEvent*)> OnKey;  // a key no widget of the window took; true: taken
  QLabel* captionStrip = nullptr;  // the caption, where the window manager draws no title bar
 protected:
  void closeEvent(QCloseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;
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

// A widget that reads its model control while painting: once the control is gone it must not.
class ModelView {
 public:
  virtual ~ModelView() = default;
  virtual void Detach() = 0;
};

// Base of the widgets that paint their model control.
class ModelWidget : public QWidget, public ModelView {
  Q_OBJECT
 public:
  ModelWidget(TControl* c, QWidget* parent) : QWidget(parent), ctl_(c) {}
  void Detach() override {
    ctl_ = nullptr;
    update();
  }
 signals:
  void clicked();

 protected:
  // The press is taken (so the release comes back here); a release inside is a click.
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  TControl* ctl_;
};

// Text panels and owner-drawn panels (OnDrawPanel with a canvas); the last panel takes the rest.
// It paints all of its rectangle. A change of the model repaints only the panels that look
// different: those whose text changed and the owner-drawn ones (the activity bar redraws ten
// times a second), the whole bar only when a panel moves.
class StatusBarWidget : public ModelWidget {
  Q_OBJECT
 public:
  StatusBarWidget(TControl* c, QWidget* parent) : ModelWidget(c, parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }
  QSize sizeHint() const override;
  // The model changed: schedules the repaint of what it changed.
  void ModelChanged();
  // An error from an owner-draw handler; reported outside the paint.
  std::function<void(const std::string&)> OnPaintError;

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override { shown_.clear(); }
  void changeEvent(QEvent* e) override;

 private:
  struct Cell {
    QRect rect;
    QString text;
    bool ownerDraw = false;
    bool operator==(const Cell&) const = default;
  };
  // Where each panel goes at the present width (one cell for the simple text).
  std::vector<Cell> Cells() const;
  // The width each panel's text needs, kept until its text or the font changes: the activity
  // panel asks for the cells ten times a second, and measuring text is the dear part.
  int TextWidth(size_t panel, const QString& text) const;
  std::vector<Cell> shown_;
  mutable std::vector<std::pair<QString, int>> textWidths_;
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

// The tabs of a page control, drawn from the model: in rows when it is multi-line, else in one
// row that scrolls with two arrow buttons; of the fixed width when it has one. The rows keep
// their order (the first pages on top); the chosen tab is marked wherever it is. Hidden tabs take
// no place; disabled ones are greyed and cannot be chosen.
class TabStrip : public ModelWidget {
  Q_OBJECT
 public:
  TabStrip(TControl* pageControl, QWidget* parent);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int w) const override;
  // The model changed (captions, visibility, the active page).
  void Refresh();
  // Where a page's tab is drawn now; empty when it is hidden or scrolled away.
  QRect TabRect(int page) const;
  // The first caption its tab cannot show whole, the chosen tab's bold face counted; empty when
  // every caption shows whole.
  QString CutCaption() const;
 signals:
  void tabPicked(int page);  // a user's click or arrow key
 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent*) override {}
  void keyPressEvent(QKeyEvent* e) override;
  void resizeEvent(QResizeEvent*) override { Refresh(); }

 private:
  struct Tab {
    int page;
    QRect rect;
  };
  std::vector<Tab> Layout(int width, int* height = nullptr) const;
  QFont CaptionFont(bool active) const;
  bool Overflows() const;  // one row wider than the strip: arrows shown
  QRect ArrowRect(int direction) const;
  int Shift(const std::vector<Tab>& tabs) const;  // of a scrolled row
  int first_ = 0;                                 // first tab shown in one scrolling row
  int lastActive_ = -2;
};

// A page control: its tab strip above a stack of pages.
class PagesWidget : public QWidget, public ModelView {
  Q_OBJECT
 public:
  PagesWidget(TControl* pageControl, QWidget* parent);
  TabStrip* Strip() const { return strip_; }
  QStackedWidget* Stack() const { return stack_; }
  void Detach() override;

 private:
  TabStrip* strip_;
  QStackedWidget* stack_;
};

// A small picture for a tool button, chosen by words of its name or hint ("Open", "Save",
// "Print", "Connect", ...); a null icon when none fits. Qt greys it for a disabled button.
QIcon ToolGlyph(const std::string& name, const std::string& hint);

// A scroll area that asks for its content's whole size (Qt's own caps it at a few dozen lines);
// the window that holds it is bounded by the screen instead.
// Its content's columns are as tall as the area shows; where the columns would then be wider
// than the area, they are made taller until they fit its width, and the area scrolls down rather
// than sideways.
class ScrollArea : public QScrollArea {
  Q_OBJECT
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void FitColumns();
};

// What a scroll area shows. Where its height follows its width (rows of page tabs), it asks for the
// least height its layout allows at that width rather than the preferred one: the pages under the
// tabs scroll on their own, so the area around them has no need to.
class ScrollContent : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;
  int heightForWidth(int w) const override;
};

}  // namespace qtb
