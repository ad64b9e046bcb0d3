// Building a form's peer widgets from its control tree, laying them out, and keeping them in step
// with the model.
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <functional>

#include "platform/qt/QtBackend.h"
#include "platform/qt/QtLayouts.h"
#include "platform/qt/QtText.h"
#include "platform/qt/QtWidgets.h"
#include "platform/serial/Serial.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Instruments.h"
#include "platform/ui/Scheduler.h"

using namespace qtb;

namespace {

// Columns of automatically laid-out controls are at most this tall, which keeps a page of the
// main window (742 high, less tool bar, tabs and status bar) free of vertical scrolling.
constexpr int kColumnHeight = 600;

bool HasPlace(const TControl& c) { return c.Left >= 0 && c.Top >= 0 && c.Width >= 0 && c.Height >= 0; }
bool HasAnyBounds(const TControl& c) { return c.Left >= 0 || c.Top >= 0 || c.Width >= 0 || c.Height >= 0; }

// Kinds that take the whole of a container when they are its only child.
bool Fills(ControlKind k) {
  switch (k) {
    case ControlKind::PageControl: case ControlKind::Memo: case ControlKind::StringGrid:
    case ControlKind::Plot: case ControlKind::SpectrumDisplay: case ControlKind::Panel:
    case ControlKind::ScrollBox: case ControlKind::GroupBox:
      return true;
    default:
      return false;
  }
}

// Kinds a caption label sits beside.
bool IsEditor(ControlKind k) {
  switch (k) {
    case ControlKind::Edit: case ControlKind::SpinEdit: case ControlKind::ComboBox:
    case ControlKind::AnalogDisplay: case ControlKind::AnalogOutput: case ControlKind::ProgressBar:
      return true;
    default:
      return false;
  }
}

// Bounds mean nothing for these: they are placed by their parent's frame.
bool IgnoresBounds(ControlKind k) {
  switch (k) {
    case ControlKind::Form: case ControlKind::TabSheet: case ControlKind::MainMenu:
    case ControlKind::MenuItem: case ControlKind::ToolBar: case ControlKind::ToolButton:
    case ControlKind::StatusBar:
      return true;
    default:
      return false;
  }
}

const QDate kDateZero(1899, 12, 30);

// Slider positions are real numbers; the Qt slider counts steps: whole units when the range is
// whole and not too large, else a thousandth of the range.
struct SliderScale {
  double lo, hi;
  int steps;
  explicit SliderScale(const TiSlider& s) : lo(std::min(s.PositionMin(), s.PositionMax())),
                                             hi(std::max(s.PositionMin(), s.PositionMax())) {
    const double range = hi - lo;
    const bool whole = std::floor(lo) == lo && std::floor(hi) == hi;
    steps = whole && range > 0 && range <= 100000 ? static_cast<int>(range) : 1000;
  }
  int ToStep(double pos) const {
    return hi > lo ? static_cast<int>(std::lround((pos - lo) / (hi - lo) * steps)) : 0;
  }
  double ToPos(int step) const { return lo + (hi - lo) * step / steps; }
};

int ItemsHash(const TStringList& items, int extra) {
  size_t h = std::hash<int>()(extra);
  for (const auto& s : items.Lines()) h = h * 31 + std::hash<std::string>()(s);
  return static_cast<int>(h ^ (h >> 32));
}

void SetVisibleIfChanged(QWidget* w, bool on) {
  if (w->isHidden() == on) w->setVisible(on);
}

}  // namespace

QtBackend::Peer* QtBackend::Find(const TControl* c) {
  auto it = peers_.find(c);
  return it == peers_.end() ? nullptr : &it->second;
}

QtBackend::Peer& QtBackend::Register(TControl& c, QWidget* w, QWidget* focus) {
  Peer& p = peers_[&c];
  p.ctl = &c;
  p.w = w;
  p.focus = focus;
  c.Peer = w;
  for (QWidget* x : {w, focus}) {
    if (!x || ctlOf_.count(x)) continue;
    ctlOf_[x] = &c;
    connect(x, &QObject::destroyed, this, [this, x] { ctlOf_.erase(x); });
  }
  if (w && w != focus && !focus) w->setFocusPolicy(Qt::NoFocus);
  return p;
}

// ---- Building ----

void QtBackend::BuildForm(TForm& form) {
  const bool isMain = Application && Application->MainForm() == &form;
  QWidget* owner = nullptr;
  if (!isMain && Application && Application->MainForm()) owner = WindowOf(*Application->MainForm());
  auto* win = new FormWindow(owner, owner ? Qt::Dialog : Qt::Window);
  win->setObjectName(ToQ(form.Name()));
  if (!form.BorderIconsVisible)
    win->setWindowFlags((owner ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  TForm* fp = &form;
  win->OnCloseRequest = [this, fp]() -> bool {
    if (quitAll_ || shuttingDown_ || !Find(fp)) return true;
    UserInput(fp, [fp] { fp->Close(); }, false);
    return false;
  };
  Register(form, win);

  TControl* menu = form.Menu;
  if (!menu)
    for (TControl* c : form.Children())
      if (c->Kind() == ControlKind::MainMenu) {
        menu = c;
        break;
      }
  if (menu) BuildMenu(*menu, win);

  auto* client = new QWidget(win);
  BuildChildren(form, client, true);
  win->setCentralWidget(client);
}

void QtBackend::BuildMenu(TControl& menu, QWidget* win) {
  QMenuBar* bar = static_cast<FormWindow*>(win)->menuBar();
  Register(menu, bar);
  for (TControl* c : menu.Children())
    if (c->Kind() == ControlKind::MenuItem) BuildMenuItem(*c, bar);
}

void QtBackend::BuildMenuItem(TControl& item, QWidget* into) {
  bool hasChildren = false;
  for (TControl* c : item.Children()) hasChildren |= c->Kind() == ControlKind::MenuItem;
  Peer* p;
  if (item.Caption() == "-") {
    auto* sep = new QAction(into);
    sep->setSeparator(true);
    into->addAction(sep);
    p = &Register(item, nullptr);
    p->action = sep;
  } else if (hasChildren) {
    auto* m = new QMenu(into);
    into->addAction(m->menuAction());
    p = &Register(item, m);
    p->menu = m;
    p->action = m->menuAction();
    for (TControl* c : item.Children())
      if (c->Kind() == ControlKind::MenuItem) BuildMenuItem(*c, m);
  } else {
    auto* a = new QAction(into);
    into->addAction(a);
    p = &Register(item, nullptr);
    p->action = a;
    TControl* cp = &item;
    connect(a, &QAction::triggered, this, [this, cp] {
      UserInput(cp, [cp] { static_cast<TMenuItem*>(cp)->UserClick(); });
    });
  }
  const auto& sc = static_cast<TMenuItem&>(item).ShortCut;
  if (!sc.empty() && p->action && !p->action->isSeparator()) {
    p->action->setShortcut(QKeySequence::fromString(ToQ(sc), QKeySequence::PortableText));
    p->action->setShortcutContext(Qt::WindowShortcut);
  }
}

void QtBackend::BuildChildren(TControl& container, QWidget* area, bool formLevel) {
  std::vector<TControl*> top, body, bottom;
  for (TControl* c : container.Children()) {
    const ControlKind k = c->Kind();
    if (k == ControlKind::MainMenu || k == ControlKind::MenuItem || k == ControlKind::Form) continue;
    if (formLevel && k == ControlKind::ToolBar)
      top.push_back(c);
    else if (formLevel && k == ControlKind::StatusBar)
      bottom.push_back(c);
    else
      body.push_back(c);
  }
  QWidget* bodyArea = area;
  if (formLevel) {
    // Tool bars on top, status bars at the bottom, the rest in a scrolling client area.
    auto* col = new QVBoxLayout(area);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(0);
    for (TControl* c : top) col->addWidget(BuildControl(*c, area));
    auto* scroll = new ScrollArea(area);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    bodyArea = new QWidget(scroll);
    scroll->setWidget(bodyArea);
    col->addWidget(scroll, 1);
    for (TControl* c : bottom) col->addWidget(BuildControl(*c, area));
  }
  if (body.empty()) return;

  std::vector<QWidget*> widgets;
  bool allPlaced = true;
  for (TControl* c : body) {
    widgets.push_back(BuildControl(*c, bodyArea));
    allPlaced &= HasPlace(*c);
  }
  if (allPlaced) {
    auto* layout = new AbsoluteLayout(bodyArea);
    for (size_t i = 0; i < body.size(); ++i) {
      const TControl& c = *body[i];
      layout->AddAt(widgets[i], QRect(c.Left, c.Top, c.Width, c.Height));
      Find(&c)->absolute = layout;
    }
    return;
  }
  if (body.size() == 1 && !HasAnyBounds(*body[0]) && Fills(body[0]->Kind())) {
    auto* one = new QVBoxLayout(bodyArea);
    one->setContentsMargins(2, 2, 2, 2);
    one->addWidget(widgets[0]);
    return;
  }
  auto* flow = new ColumnFlowLayout(bodyArea, kColumnHeight);
  for (size_t i = 0; i < body.size(); ++i) {
    if (body[i]->Kind() == ControlKind::Label && i + 1 < body.size() && IsEditor(body[i + 1]->Kind())) {
      flow->AddPair(widgets[i], widgets[i + 1]);
      ++i;
    } else {
      flow->addWidget(widgets[i]);
    }
  }
}

QWidget* QtBackend::BuildControl(TControl& c, QWidget* parent) {
  TControl* cp = &c;
  QWidget* w = nullptr;
  switch (c.Kind()) {
    case ControlKind::Label: {
      auto* l = new ClickLabel(parent);
      connect(l, &ClickLabel::clicked, this, [this, cp] {
        UserInput(cp, [cp] {
          auto* lab = static_cast<TLabel*>(cp);
          if (lab->Enabled() && lab->OnClick) lab->OnClick();
        });
      });
      Register(c, l);
      w = l;
      break;
    }
    case ControlKind::Bevel: {
      auto* f = new QFrame(parent);
      const bool box = c.Width > 4 && c.Height > 4;
      f->setFrameShape(box ? QFrame::Box : (c.Height > c.Width ? QFrame::VLine : QFrame::HLine));
      f->setFrameShadow(QFrame::Sunken);
      if (!HasAnyBounds(c)) f->setMinimumWidth(120);
      Register(c, f);
      w = f;
      break;
    }
    case ControlKind::Shape:
      w = new ShapeWidget(cp, parent);
      Register(c, w);
      break;
    case ControlKind::Button: {
      auto* b = new QPushButton(parent);
      b->setAutoDefault(false);
      connect(b, &QPushButton::clicked, this, [this, cp] {
        if (TakeRefused(cp)) return;
        UserInput(cp, [cp] { static_cast<TButton*>(cp)->UserClick(); });
      });
      Register(c, b, b);
      w = b;
      break;
    }
    case ControlKind::Edit: {
      auto* le = new QLineEdit(parent);
      le->installEventFilter(this);
      connect(le, &QLineEdit::textEdited, this, [this, cp](const QString& t) {
        UserInput(cp, [cp, s = FromQ(t)] { static_cast<TCustomEdit*>(cp)->UserSetText(s); });
      });
      Register(c, le, le);
      w = le;
      break;
    }
    case ControlKind::SpinEdit: {
      auto* sp = new SpinWidget(parent);
      sp->Edit()->installEventFilter(this);
      connect(sp->Edit(), &QLineEdit::textEdited, this, [this, cp](const QString& t) {
        UserInput(cp, [cp, s = FromQ(t)] { static_cast<TCustomEdit*>(cp)->UserSetText(s); });
      });
      connect(sp, &SpinWidget::stepped, this, [this, cp](int dir) {
        UserInput(cp, [cp, dir] { static_cast<TSpinEdit*>(cp)->UserStep(dir); });
      });
      Register(c, sp, sp->Edit());
      w = sp;
      break;
    }
    case ControlKind::ComboBox: {
      auto* cb = new QComboBox(parent);
      cb->setSizeAdjustPolicy(QComboBox::AdjustToContents);
      cb->setMinimumContentsLength(6);
      connect(cb, &QComboBox::activated, this, [this, cp](int i) {
        UserInput(cp, [cp, i] {
          if (auto* port = dynamic_cast<TComComboBox*>(cp))
            port->UserPickPort(i);
          else
            static_cast<TComboBox*>(cp)->UserPick(i);
        });
      });
      Register(c, cb, cb);
      w = cb;
      break;
    }
    case ControlKind::CheckBox: {
      auto* b = new QCheckBox(parent);
      connect(b, &QCheckBox::clicked, this, [this, cp] {
        if (TakeRefused(cp)) {
          if (Peer* p = Find(cp)) Sync(*p);
          return;
        }
        UserInput(cp, [cp] { static_cast<TCheckBox*>(cp)->UserClick(); });
      });
      Register(c, b, b);
      w = b;
      break;
    }
    case ControlKind::RadioButton: {
      auto* b = new QRadioButton(parent);
      b->setAutoExclusive(false);
      connect(b, &QRadioButton::clicked, this, [this, cp] {
        if (TakeRefused(cp)) {
          if (Peer* p = Find(cp)) Sync(*p);
          return;
        }
        UserInput(cp, [cp] { static_cast<TRadioButton*>(cp)->UserClick(); });
      });
      Register(c, b, b);
      w = b;
      break;
    }
    case ControlKind::RadioGroup: {
      auto* g = new QGroupBox(parent);
      new QGridLayout(g);
      Register(c, g);
      w = g;
      break;
    }
    case ControlKind::StringGrid: {
      auto* g = new GridWidget(parent);
      g->horizontalHeader()->hide();
      g->verticalHeader()->hide();
      g->verticalHeader()->setMinimumSectionSize(8);
      g->horizontalHeader()->setMinimumSectionSize(4);
      g->setSelectionMode(QAbstractItemView::SingleSelection);
      g->setEditTriggers(QAbstractItemView::NoEditTriggers);
      g->setWordWrap(false);
      connect(g, &QTableWidget::currentCellChanged, this, [this, cp](int row, int col, int, int) {
        auto* grid = static_cast<TStringGrid*>(cp);
        if (!Find(cp)) return;
        if (row < grid->FixedRows || col < grid->FixedCols || row >= grid->RowCount() ||
            col >= grid->ColCount()) {
          if (Peer* p = Find(cp)) Sync(*p);
          return;
        }
        if (TakeRefused(cp)) {
          if (Peer* p = Find(cp)) Sync(*p);
          return;
        }
        UserInput(cp, [grid, row, col] { grid->UserSelectCell(col, row); });
      });
      connect(g, &QTableWidget::cellDoubleClicked, this, [this, cp](int, int) {
        UserInput(cp, [cp] { static_cast<TStringGrid*>(cp)->UserDblClick(); });
      });
      connect(g, &QTableWidget::itemChanged, this, [this, cp](QTableWidgetItem* it) {
        if (inSync_ > 0) return;
        UserInput(cp, [cp, r = it->row(), col = it->column(), s = FromQ(it->text())] {
          static_cast<TStringGrid*>(cp)->SetCell(col, r, s);
        }, false);
      });
      Register(c, g, g);
      w = g;
      break;
    }
    case ControlKind::Memo: {
      auto* m = new QPlainTextEdit(parent);
      connect(m, &QPlainTextEdit::textChanged, this, [this, cp, m] {
        if (inSync_ > 0) return;
        // The widget keeps its own text (a trailing line break, the caret) while the user types.
        UserInput(cp, [cp, s = FromQ(m->toPlainText())] { static_cast<TMemo*>(cp)->SetText(s); }, false);
      });
      Register(c, m, m);
      w = m;
      break;
    }
    case ControlKind::ProgressBar: {
      auto* pb = new QProgressBar(parent);
      pb->setTextVisible(false);
      Register(c, pb);
      w = pb;
      break;
    }
    case ControlKind::MonthCalendar: {
      auto* cal = new QCalendarWidget(parent);
      connect(cal, &QCalendarWidget::clicked, this, [this, cp](QDate d) {
        UserInput(cp, [cp, d] {
          auto* mc = static_cast<TMonthCalendar*>(cp);
          const double time = mc->Date() - std::floor(mc->Date());
          mc->SetDate(static_cast<double>(kDateZero.daysTo(d)) + time);
          if (mc->OnClick) mc->OnClick();
        });
      });
      Register(c, cal, cal);
      w = cal;
      break;
    }
    case ControlKind::GroupBox: {
      auto* g = new QGroupBox(parent);
      Register(c, g);
      BuildChildren(c, g, false);
      w = g;
      break;
    }
    case ControlKind::Panel: {
      auto* pnl = new PanelWidget(parent);
      pnl->setFrameStyle(QFrame::Panel | QFrame::Raised);
      Register(c, pnl);
      BuildChildren(c, pnl, false);
      w = pnl;
      break;
    }
    case ControlKind::ScrollBox: {
      auto* sa = new ScrollArea(parent);
      sa->setWidgetResizable(true);
      auto* content = new QWidget(sa);
      sa->setWidget(content);
      Register(c, sa).area = content;
      BuildChildren(c, content, false);
      w = sa;
      break;
    }
    case ControlKind::PageControl: {
      auto* tabs = new QTabWidget(parent);
      tabs->setUsesScrollButtons(true);
      tabs->setFocusPolicy(Qt::NoFocus);
      tabs->tabBar()->setFocusPolicy(Qt::StrongFocus);
      Register(c, tabs, tabs->tabBar());
      for (TControl* child : c.Children()) {
        if (child->Kind() != ControlKind::TabSheet) continue;
        // Each page scrolls on its own.
        auto* page = new ScrollArea(tabs);
        page->setWidgetResizable(true);
        page->setFrameShape(QFrame::NoFrame);
        auto* content = new QWidget(page);
        page->setWidget(content);
        Register(*child, page).area = content;
        BuildChildren(*child, content, false);
        tabs->addTab(page, StripAccel(ToQ(child->Caption())));
      }
      connect(tabs, &QTabWidget::currentChanged, this, [this, cp](int i) {
        if (inSync_ > 0) return;
        auto* pc = static_cast<TPageControl*>(cp);
        if (!Find(cp) || i < 0 || i >= pc->PageCount()) return;
        UserInput(cp, [pc, i] { pc->UserSelectTab(pc->Page(i)); });
      });
      w = tabs;
      break;
    }
    case ControlKind::ToolBar: {
      auto* tb = new QToolBar(parent);
      tb->setMovable(false);
      tb->setFloatable(false);
      tb->setToolButtonStyle(Qt::ToolButtonTextOnly);
      Register(c, tb);
      for (TControl* child : c.Children()) {
        if (child->Kind() == ControlKind::MainMenu || child->Kind() == ControlKind::MenuItem) continue;
        QWidget* cw = BuildControl(*child, tb);
        // A tool bar shows and hides its widgets through their actions.
        QAction* a = tb->addWidget(cw);
        if (Peer* cp2 = Find(child)) cp2->action = a;
      }
      w = tb;
      break;
    }
    case ControlKind::ToolButton: {
      auto* b = new QToolButton(parent);
      b->setAutoRaise(true);
      b->setToolButtonStyle(Qt::ToolButtonTextOnly);
      connect(b, &QToolButton::clicked, this, [this, cp] {
        UserInput(cp, [cp] { static_cast<TToolButton*>(cp)->UserClick(); });
      });
      Register(c, b);  // takes no focus
      w = b;
      break;
    }
    case ControlKind::StatusBar: {
      auto* sb = new StatusBarWidget(cp, parent);
      sb->OnPaintError = [](const std::string& msg) {
        // Reported outside the paint, through the standard error box.
        QTimer::singleShot(0, qApp, [msg] {
          if (Application) Application->ShowException(std::runtime_error(msg));
        });
      };
      Register(c, sb);
      w = sb;
      break;
    }
    case ControlKind::Led:
      w = new LampWidget(cp, parent, false);
      Register(c, w);
      break;
    case ControlKind::SwitchLed: {
      auto* l = new LampWidget(cp, parent, true);
      connect(l, &LampWidget::clicked, this, [this, cp] {
        UserInput(cp, [cp] { static_cast<TiSwitchLed*>(cp)->UserClick(); });
      });
      Register(c, l);
      w = l;
      break;
    }
    case ControlKind::Slider: {
      auto* s = new QSlider(c.Height > c.Width ? Qt::Vertical : Qt::Horizontal, parent);
      auto* sl = static_cast<TiSlider*>(cp);
      // While dragging, each move is a position change; the drag's end is the user's move.
      connect(s, &QSlider::sliderMoved, this, [this, cp, sl](int v) {
        UserInput(cp, [sl, v] { sl->SetPosition(SliderScale(*sl).ToPos(v)); }, false);
      });
      connect(s, &QSlider::sliderReleased, this, [this, cp, sl, s] {
        UserInput(cp, [sl, v = s->value()] { sl->UserMove(SliderScale(*sl).ToPos(v)); });
      });
      connect(s, &QSlider::valueChanged, this, [this, cp, sl, s](int v) {
        if (s->isSliderDown() || inSync_ > 0) return;
        UserInput(cp, [sl, v] { sl->UserMove(SliderScale(*sl).ToPos(v)); });
      });
      Register(c, s, s);
      w = s;
      break;
    }
    case ControlKind::AngularGauge:
      w = new GaugeWidget(cp, parent);
      Register(c, w);
      break;
    case ControlKind::AnalogDisplay:
    case ControlKind::AnalogOutput:
      w = new DisplayWidget(cp, parent);
      Register(c, w);
      break;
    case ControlKind::Plot:
      w = new PlotWidget(cp, parent);
      Register(c, w);
      break;
    case ControlKind::SpectrumDisplay:
      w = new SpectrumWidget(cp, parent);
      Register(c, w);
      break;
    case ControlKind::SlideSwitch:
    case ControlKind::ToggleSwitch: {
      auto* s = new SwitchWidget(cp, parent);
      s->setCursor(Qt::PointingHandCursor);
      connect(s, &SwitchWidget::clicked, this, [this, cp] {
        UserInput(cp, [cp] { static_cast<TiSwitch*>(cp)->UserFlip(); });
      });
      Register(c, s);
      w = s;
      break;
    }
    case ControlKind::TabSheet:
    case ControlKind::Form:
    case ControlKind::MainMenu:
    case ControlKind::MenuItem: {
      // Out of place here (a page outside a page control): an empty stand-in keeps the tree whole.
      auto* g = new QGroupBox(parent);
      Register(c, g);
      BuildChildren(c, g, false);
      w = g;
      break;
    }
  }
  if (Peer* p = Find(&c)) ApplyBounds(*p);
  return w;
}

void QtBackend::ApplyBounds(Peer& p) {
  TControl& c = *p.ctl;
  if (!p.w || IgnoresBounds(c.Kind())) return;
  const QRect b(c.Left, c.Top, c.Width, c.Height);
  if (b == p.bounds) return;
  p.bounds = b;
  QWidget* w = p.w;
  w->setMinimumSize(0, 0);
  w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  if (c.Width >= 0) w->setFixedWidth(c.Width);
  if (c.Height >= 0) w->setFixedHeight(c.Height);
  if (p.absolute) p.absolute->SetRect(w, b);
}

// ---- Model to widgets ----

bool QtBackend::Deferred(ControlKind k) const {
  switch (k) {
    case ControlKind::StringGrid: case ControlKind::Memo: case ControlKind::ComboBox:
    case ControlKind::RadioGroup:
      return true;
    default:
      return false;
  }
}

void QtBackend::ControlChanged(TControl& c) {
  if (shuttingDown_) return;
  Peer* p = Find(&c);
  if (!p) return;
  if (Deferred(c.Kind()))
    MarkDirty(c);
  else
    Sync(*p);
}

void QtBackend::MarkDirty(TControl& c) {
  if (!pendingSet_.insert(&c).second) return;
  pending_.push_back(&c);
  if (flushPosted_) return;
  flushPosted_ = true;
  QTimer::singleShot(0, this, [this] {
    flushPosted_ = false;
    FlushPending();
  });
}

void QtBackend::FlushPending() {
  if (pending_.empty()) return;
  std::vector<TControl*> list;
  list.swap(pending_);
  pendingSet_.clear();
  for (TControl* c : list)
    if (Peer* p = Find(c)) Sync(*p);
}

void QtBackend::ControlDestroyed(TControl& c) {
  auto it = peers_.find(&c);
  if (it == peers_.end()) return;
  Peer p = it->second;
  peers_.erase(it);
  c.Peer = nullptr;
  if (pendingSet_.erase(&c)) pending_.erase(std::remove(pending_.begin(), pending_.end(), &c), pending_.end());
  if (refused_ == &c) refused_ = nullptr;
  for (auto i = ctlOf_.begin(); i != ctlOf_.end();)
    i = i->second == &c ? ctlOf_.erase(i) : std::next(i);
  if (shuttingDown_) return;
  if (auto* mw = qobject_cast<ModelWidget*>(p.w.data())) mw->Detach();
  if (p.action && !p.menu) p.action->deleteLater();
  if (!p.w || c.Kind() == ControlKind::MainMenu) return;
  p.w->hide();
  // Outside every loop (the run is over) a window goes at once; inside one, a handler may still
  // be running on one of its widgets.
  if (c.Kind() == ControlKind::Form && Scheduler::Instance().LoopDepth() == 0)
    delete p.w.data();
  else
    p.w->deleteLater();
}

struct SyncScope {
  explicit SyncScope(int& n) : n_(n) { ++n_; }
  ~SyncScope() { --n_; }
  int& n_;
};

void QtBackend::SyncTree(TControl& c) {
  if (Peer* p = Find(&c)) Sync(*p);
  for (TControl* child : c.Children()) SyncTree(*child);
}

void QtBackend::SyncCommon(Peer& p) {
  TControl& c = *p.ctl;
  QWidget* w = p.w;
  if (!w) return;
  if (w->isEnabled() != c.Enabled()) w->setEnabled(c.Enabled());
  if (p.action) {
    if (p.action->isVisible() != c.Visible()) p.action->setVisible(c.Visible());
  } else {
    SetVisibleIfChanged(w, c.Visible());
  }
  const QString tip = ToQ(c.Hint());
  if (w->toolTip() != tip) w->setToolTip(tip);
  // Colours: the background for Color, the text for the font colour; default ones restore Qt's.
  const bool back = IsSet(c.Color()), fore = IsSet(c.FontColor());
  if (back || fore) {
    QPalette pal = QApplication::palette(w);
    if (back) {
      const QColor col = ToQColor(c.Color(), pal);
      for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) pal.setColor(role, col);
      w->setAutoFillBackground(c.Kind() == ControlKind::Label || c.Kind() == ControlKind::Panel ||
                               c.Kind() == ControlKind::GroupBox || c.Kind() == ControlKind::CheckBox ||
                               c.Kind() == ControlKind::RadioButton || c.Kind() == ControlKind::RadioGroup);
    }
    if (fore) {
      const QColor col = ToQColor(c.FontColor(), pal);
      for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) pal.setColor(role, col);
    }
    if (w->palette() != pal) w->setPalette(pal);
  } else if (w->testAttribute(Qt::WA_SetPalette)) {
    w->setPalette(QPalette());
    w->setAutoFillBackground(false);
  }
  if (w->font().bold() != c.FontBold()) {
    QFont f = w->font();
    f.setBold(c.FontBold());
    w->setFont(f);
  }
  ApplyBounds(p);
}

void QtBackend::Sync(Peer& p) {
  SyncScope scope(inSync_);
  TControl& c = *p.ctl;
  QWidget* w = p.w;
  QSignalBlocker block(w);
  const ControlKind k = c.Kind();
  if (k != ControlKind::Form && k != ControlKind::TabSheet && k != ControlKind::MenuItem &&
      k != ControlKind::MainMenu)
    SyncCommon(p);
  const QString caption = ToQ(c.Caption());
  switch (k) {
    case ControlKind::Form: {
      if (w && w->windowTitle() != caption) w->setWindowTitle(caption);
      SyncFocus(static_cast<TForm&>(c));
      break;
    }
    case ControlKind::Label: {
      auto* l = static_cast<QLabel*>(w);
      const QString t = StripAccel(ToQMessage(c.Caption()));
      if (l->text() != t) l->setText(t);
      break;
    }
    case ControlKind::Button: {
      auto* b = static_cast<QPushButton*>(w);
      if (b->text() != caption) b->setText(caption);
      break;
    }
    case ControlKind::Edit:
    case ControlKind::SpinEdit: {
      auto& ed = static_cast<TCustomEdit&>(c);
      auto* le = static_cast<QLineEdit*>(p.focus.data());
      if (!le) break;
      QSignalBlocker blockEdit(le);
      const QString t = ToQ(ed.Text());
      if (le->text() != t) le->setText(t);
      bool readOnly = ed.ReadOnly;
      if (k == ControlKind::SpinEdit) {
        auto& sp = static_cast<TSpinEdit&>(c);
        readOnly = readOnly || !sp.EditorEnabled;
        static_cast<SpinWidget*>(w)->SetButtonsEnabled(!sp.ReadOnly);
      }
      if (le->isReadOnly() != readOnly) le->setReadOnly(readOnly);
      break;
    }
    case ControlKind::ComboBox: {
      auto& m = static_cast<TComboBox&>(c);
      auto* cb = static_cast<QComboBox*>(w);
      const int h = ItemsHash(m.Items, 0);
      if (h != p.itemsHash || cb->count() != m.Items.Count()) {
        p.itemsHash = h;
        cb->clear();
        for (const auto& s : m.Items.Lines()) cb->addItem(ToQ(s));
      }
      const bool editable = m.Style != TComboBoxStyle::csDropDownList;
      if (cb->isEditable() != editable) {
        cb->setEditable(editable);
        if (editable) {
          TControl* cp = &c;
          connect(cb->lineEdit(), &QLineEdit::textEdited, this, [this, cp](const QString& t) {
            UserInput(cp, [cp, s = FromQ(t)] { static_cast<TComboBox*>(cp)->SetText(s); }, false);
          });
        }
      }
      if (cb->currentIndex() != m.ItemIndex()) cb->setCurrentIndex(m.ItemIndex());
      if (editable) {
        const QString t = ToQ(m.Text());
        if (cb->currentText() != t) cb->setEditText(t);
      }
      break;
    }
    case ControlKind::CheckBox: {
      auto& m = static_cast<TCheckBox&>(c);
      auto* b = static_cast<QCheckBox*>(w);
      if (b->text() != caption) b->setText(caption);
      const bool grayed = m.State() == TCheckBoxState::cbGrayed;
      b->setTristate(grayed);
      const Qt::CheckState s = grayed ? Qt::PartiallyChecked : m.Checked() ? Qt::Checked : Qt::Unchecked;
      if (b->checkState() != s) b->setCheckState(s);
      break;
    }
    case ControlKind::RadioButton: {
      auto* b = static_cast<QRadioButton*>(w);
      if (b->text() != caption) b->setText(caption);
      const bool on = static_cast<TRadioButton&>(c).Checked();
      if (b->isChecked() != on) b->setChecked(on);
      break;
    }
    case ControlKind::RadioGroup: {
      auto& m = static_cast<TRadioGroup&>(c);
      auto* g = static_cast<QGroupBox*>(w);
      if (g->title() != caption) g->setTitle(caption);
      const int cols = std::max(1, m.Columns);
      const int h = ItemsHash(m.Items, cols);
      auto* grid = static_cast<QGridLayout*>(g->layout());
      if (h != p.itemsHash) {
        p.itemsHash = h;
        // Later, not now: this may run inside the click of one of these buttons.
        for (auto& old : p.items) {
          if (!old) continue;
          ctlOf_.erase(old.data());
          disconnect(old.data(), nullptr, this, nullptr);
          grid->removeWidget(old);
          old->hide();
          old->deleteLater();
        }
        p.items.clear();
        const int n = m.Items.Count();
        const int rows = (n + cols - 1) / cols;
        TControl* cp = &c;
        for (int i = 0; i < n; ++i) {
          auto* b = new QRadioButton(ToQ(m.Items[i]), g);
          b->setAutoExclusive(false);
          b->setProperty("vumaIndex", i);
          grid->addWidget(b, rows > 0 ? i % rows : 0, rows > 0 ? i / rows : 0);
          p.items.emplace_back(b);
          ctlOf_[b] = cp;
          connect(b, &QRadioButton::clicked, this, [this, cp, i] {
            if (TakeRefused(cp)) {
              if (Peer* q = Find(cp)) Sync(*q);
              return;
            }
            UserInput(cp, [cp, i] { static_cast<TRadioGroup*>(cp)->UserPick(i); });
          });
        }
      }
      for (auto& item : p.items) {
        auto* b = static_cast<QRadioButton*>(item.data());
        if (!b) continue;
        const bool on = b->property("vumaIndex").toInt() == m.ItemIndex();
        if (b->isChecked() != on) {
          QSignalBlocker bb(b);
          b->setChecked(on);
        }
      }
      break;
    }
    case ControlKind::StringGrid: {
      auto& m = static_cast<TStringGrid&>(c);
      auto* g = static_cast<GridWidget*>(w);
      bool resized = false;
      if (g->rowCount() != m.RowCount()) {
        g->setRowCount(m.RowCount());
        resized = true;
      }
      if (g->columnCount() != m.ColCount()) {
        g->setColumnCount(m.ColCount());
        resized = true;
      }
      if (g->verticalHeader()->defaultSectionSize() != m.DefaultRowHeight) {
        g->verticalHeader()->setDefaultSectionSize(m.DefaultRowHeight);
        resized = true;
      }
      for (int col = 0; col < m.ColCount(); ++col) {
        const int cw = col < int(m.ColWidths.size()) && m.ColWidths[size_t(col)] >= 0 ? m.ColWidths[size_t(col)]
                                                                                      : m.DefaultColWidth;
        if (g->columnWidth(col) != cw) {
          g->setColumnWidth(col, cw);
          resized = true;
        }
      }
      const QBrush fixedBrush = g->palette().brush(QPalette::Button);
      const Qt::ItemFlags fixedFlags = Qt::ItemIsEnabled;
      const Qt::ItemFlags cellFlags =
          Qt::ItemIsEnabled | Qt::ItemIsSelectable | (m.Editing ? Qt::ItemIsEditable : Qt::NoItemFlags);
      for (int r = 0; r < m.RowCount(); ++r) {
        for (int col = 0; col < m.ColCount(); ++col) {
          const bool fixed = r < m.FixedRows || col < m.FixedCols;
          const QString t = ToQ(m.Cell(col, r));
          QTableWidgetItem* it = g->item(r, col);
          if (!it) {
            it = new QTableWidgetItem(t);
            g->setItem(r, col, it);
          } else if (it->text() != t) {
            it->setText(t);
          }
          const Qt::ItemFlags f = fixed ? fixedFlags : cellFlags;
          if (it->flags() != f) it->setFlags(f);
          const QBrush want = fixed ? fixedBrush : QBrush();
          if (it->background() != want) it->setBackground(want);
        }
      }
      g->setSelectionBehavior(m.RowSelect ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
      g->setEditTriggers(m.Editing ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                         QAbstractItemView::AnyKeyPressed
                                   : QAbstractItemView::NoEditTriggers);
      if (m.Row() >= m.FixedRows && m.Col() >= m.FixedCols && m.Row() < m.RowCount() && m.Col() < m.ColCount()) {
        if (g->currentRow() != m.Row() || g->currentColumn() != m.Col()) g->setCurrentCell(m.Row(), m.Col());
      } else if (g->currentRow() >= 0) {
        g->setCurrentCell(-1, -1);
      }
      if (resized) g->updateGeometry();
      break;
    }
    case ControlKind::Memo: {
      auto& m = static_cast<TMemo&>(c);
      auto* te = static_cast<QPlainTextEdit*>(w);
      QStringList lines;
      for (const auto& l : m.Lines.Lines()) lines << ToQ(l);
      const QString t = lines.join(u'\n');
      if (te->toPlainText() != t) {
        te->setPlainText(t);
        te->moveCursor(QTextCursor::End);
      }
      if (te->isReadOnly() != m.ReadOnly) te->setReadOnly(m.ReadOnly);
      const auto wrap = m.WordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap;
      if (te->lineWrapMode() != wrap) te->setLineWrapMode(wrap);
      break;
    }
    case ControlKind::ProgressBar: {
      auto& m = static_cast<TProgressBar&>(c);
      auto* pb = static_cast<QProgressBar*>(w);
      const int lo = std::min(m.Min(), m.Max()), hi = std::max(m.Min(), m.Max());
      if (pb->minimum() != lo || pb->maximum() != hi) pb->setRange(lo, hi);
      if (pb->value() != m.Position()) pb->setValue(m.Position());
      break;
    }
    case ControlKind::MonthCalendar: {
      const double d = static_cast<TMonthCalendar&>(c).Date();
      if (d != 0) {
        const QDate date = kDateZero.addDays(static_cast<qint64>(std::floor(d)));
        auto* cal = static_cast<QCalendarWidget*>(w);
        if (cal->selectedDate() != date) cal->setSelectedDate(date);
      }
      break;
    }
    case ControlKind::GroupBox: {
      auto* g = static_cast<QGroupBox*>(w);
      if (g->title() != caption) g->setTitle(caption);
      break;
    }
    case ControlKind::Panel: {
      auto* pnl = static_cast<PanelWidget*>(w);
      const QString t = StripAccel(caption);
      if (pnl->caption != t) {
        pnl->caption = t;
        pnl->update();
      }
      break;
    }
    case ControlKind::PageControl: {
      auto& m = static_cast<TPageControl&>(c);
      auto* tabs = static_cast<QTabWidget*>(w);
      // Only the tab widget's own signals are blocked: it switches its pages on its tab bar's.
      for (int i = 0; i < m.PageCount() && i < tabs->count(); ++i) {
        TTabSheet* page = m.Page(i);
        const QString t = StripAccel(ToQ(page->Caption()));
        if (tabs->tabText(i) != t) tabs->setTabText(i, t);
        const bool shown = page->TabVisible() && page->Visible();
        if (tabs->isTabVisible(i) != shown) tabs->setTabVisible(i, shown);
        if (tabs->isTabEnabled(i) != page->Enabled()) tabs->setTabEnabled(i, page->Enabled());
      }
      const int active = m.ActivePageIndex();
      if (active >= 0 && active < tabs->count() && tabs->currentIndex() != active) tabs->setCurrentIndex(active);
      break;
    }
    case ControlKind::TabSheet: {
      // A page's caption and visibility live on its page control's tab.
      if (auto* pc = static_cast<TTabSheet&>(c).PageControl())
        if (Peer* pp = Find(pc)) Sync(*pp);
      if (p.area && p.area->isEnabled() != c.Enabled()) p.area->setEnabled(c.Enabled());
      break;
    }
    case ControlKind::MenuItem: {
      auto& m = static_cast<TMenuItem&>(c);
      QAction* a = p.action;
      if (!a) break;
      if (!a->isSeparator() && a->text() != caption) a->setText(caption);
      if (a->isEnabled() != c.Enabled()) a->setEnabled(c.Enabled());
      if (a->isVisible() != c.Visible()) a->setVisible(c.Visible());
      if (m.Checked() && !a->isCheckable()) a->setCheckable(true);
      if (a->isCheckable() && a->isChecked() != m.Checked()) a->setChecked(m.Checked());
      break;
    }
    case ControlKind::ToolButton: {
      auto* b = static_cast<QToolButton*>(w);
      // Without a glyph the button shows its caption, else its hint, else its name.
      QString t = StripAccel(caption);
      if (t.isEmpty()) t = ToQ(c.Hint());
      if (t.isEmpty()) t = ToQ(c.Name());
      if (t.size() > 18) t = t.left(16) + QChar(0x2026);
      if (b->text() != t) b->setText(t);
      break;
    }
    case ControlKind::Slider: {
      auto& m = static_cast<TiSlider&>(c);
      auto* s = static_cast<QSlider*>(w);
      const SliderScale sc(m);
      if (s->minimum() != 0 || s->maximum() != sc.steps) s->setRange(0, sc.steps);
      if (!s->isSliderDown() && s->value() != sc.ToStep(m.Position())) s->setValue(sc.ToStep(m.Position()));
      break;
    }
    case ControlKind::Led: case ControlKind::SwitchLed: case ControlKind::AnalogDisplay:
    case ControlKind::AnalogOutput: case ControlKind::SlideSwitch: case ControlKind::ToggleSwitch: {
      // Their natural size follows the caption or the shown value; re-layout only when it moves.
      const QSize hint = w->sizeHint();
      if (w->property("vumaHint").toSize() != hint) {
        w->setProperty("vumaHint", hint);
        w->updateGeometry();
      }
      w->update();
      break;
    }
    case ControlKind::StatusBar: case ControlKind::AngularGauge: case ControlKind::Plot:
    case ControlKind::SpectrumDisplay: case ControlKind::Shape:
      w->update();
      break;
    case ControlKind::Bevel: case ControlKind::ScrollBox: case ControlKind::MainMenu:
    case ControlKind::ToolBar:
      break;
  }
}
