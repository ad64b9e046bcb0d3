// Building a form's peer widgets from its control tree and laying them out.
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <functional>

#include "platform/qt/QtBackend.h"
#include "platform/qt/QtLayouts.h"
#include "platform/qt/QtPeerHelpers.h"
#include "platform/qt/QtText.h"
#include "platform/qt/QtGrid.h"
#include "platform/qt/QtInstruments.h"
#include "platform/qt/QtWidgets.h"
#include "platform/serial/Serial.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Instruments.h"
#include "platform/ui/Scheduler.h"

using namespace qtb;
using namespace qtb::peers;

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
  // A dialog of fixed size has its title and a close box, no minimize or maximize button.
  if (owner && !form.Resizable && form.BorderIconsVisible)
    win->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  win->setObjectName(ToQ(form.Name()));
  TForm* fp = &form;
  win->OnCloseRequest = [this, fp]() -> bool {
    if (quitAll_ || shuttingDown_ || !Find(fp)) return true;
    // A window without title-bar buttons offers no way to close it: the window manager's request
    // (Alt+F4, a task bar's close) is refused; its own buttons close it.
    if (!fp->BorderIconsVisible) return false;
    UserInput(
        fp, [fp] { fp->Close(); }, false);
    return false;
  };
  win->OnKey = [this, fp](QKeyEvent* e) { return DialogKey(*fp, e); };
  Register(form, win);

  TControl* menu = form.Menu;
  if (!menu)
    for (TControl* c : form.Children())
      if (c->Kind() == ControlKind::MainMenu) {
        menu = c;
        break;
      }
  if (menu) {
    BuildMenu(*menu, win);
  } else if (!form.BorderIconsVisible) {
    // Window managers keep close and minimize buttons on any title bar they draw (openbox does,
    // whatever the hints ask), so a window without them gets no title bar from the window manager:
    // its caption shows in a strip of its own, which also keeps the window wide enough for it.
    win->setWindowFlags(win->windowFlags() | Qt::FramelessWindowHint);
    auto* strip = new QLabel(win);
    strip->setObjectName("caption");
    QFont bold = strip->font();
    bold.setBold(true);
    strip->setFont(bold);
    strip->setMargin(4);
    strip->setAutoFillBackground(true);
    strip->setBackgroundRole(QPalette::Highlight);
    strip->setForegroundRole(QPalette::HighlightedText);
    win->setContentsMargins(1, 1, 1, 1);
    win->setMenuWidget(strip);
    win->captionStrip = strip;
    strip->installEventFilter(win);
  }

  auto* client = new QWidget(win);
  BuildChildren(form, client, true);
  win->setCentralWidget(client);
}

void QtBackend::BuildMenu(TControl& menu, QWidget* win) {
  QMenuBar* bar = static_cast<FormWindow*>(win)->menuBar();
  bar->installEventFilter(this);
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
    connect(a, &QAction::triggered, this,
            [this, cp] { UserInput(cp, [cp] { static_cast<TMenuItem*>(cp)->UserClick(); }); });
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
    if (k == ControlKind::MainMenu || k == ControlKind::MenuItem || k == ControlKind::Form)
      continue;
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
    bodyArea = new ScrollContent(scroll);
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
  auto kindAt = [&body](size_t i) { return i < body.size() ? body[i]->Kind() : ControlKind::Form; };
  for (size_t i = 0; i < body.size(); ++i) {
    if (kindAt(i) == ControlKind::Label && IsEditor(kindAt(i + 1))) {
      // A label after the editor that captions no editor of its own is the editor's unit.
      const bool unit = kindAt(i + 2) == ControlKind::Label && !IsEditor(kindAt(i + 3));
      flow->AddRow(widgets[i], widgets[i + 1], unit ? widgets[i + 2] : nullptr);
      i += unit ? 2 : 1;
    } else {
      flow->addWidget(widgets[i]);
    }
  }
}

// The width a numeric field needs to show its widest value whole: the line edit's frame and inner
// margins (as the style draws them) around the digits and the caret, and a spin edit's buttons.
static int NumberWidth(const TCustomEdit& e, const QWidget* w) {
  const QString widest = WidestNumber(e);
  if (widest.isEmpty()) return 0;
  QStyleOptionFrame frame;
  frame.initFrom(w);
  frame.rect = QRect(0, 0, 1000, 30);
  frame.lineWidth = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, w);
  const int chrome = 1000 - w->style()->subElementRect(QStyle::SE_LineEditContents, &frame, w).width();
  const int margins = 2 * 2 + 1;  // the line edit's own margin on each side, and the caret
  const int digits = QFontMetrics(w->font()).horizontalAdvance(widest);
  return digits + margins + chrome + (e.Kind() == ControlKind::SpinEdit ? 16 : 0);
}

// An edit the model gives no width is as wide as its longest text allows, else a few digits: the
// settings are numbers, and a row of a caption, an edit and a unit must fit a column of a page.
static void CompactWidth(const TCustomEdit& e, QWidget* w, int extra) {
  if (HasAnyBounds(e)) return;
  const int chars = e.MaxLength > 0 ? std::clamp(e.MaxLength, 3, 24) : 8;
  const QFontMetrics fm(w->font());
  w->setMaximumWidth(std::max(fm.horizontalAdvance(QLatin1Char('0')) * chars +
                                  fm.averageCharWidth() + 12 + extra,
                              NumberWidth(e, w)));
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
        // A masked widget holds only the mask; its keys reach the model through the key filter.
        if (static_cast<TCustomEdit*>(cp)->PasswordChar) {
          if (Peer* p = Find(cp)) Sync(*p);
          return;
        }
        UserInput(cp, [cp, s = FromQ(t)] { static_cast<TCustomEdit*>(cp)->UserSetText(s); });
      });
      Register(c, le, le);
      le->setMinimumWidth(NumberWidth(static_cast<TCustomEdit&>(c), le));
      CompactWidth(static_cast<TCustomEdit&>(c), le, 0);
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
      sp->setMinimumWidth(NumberWidth(static_cast<TCustomEdit&>(c), sp));
      CompactWidth(static_cast<TCustomEdit&>(c), sp, 16);
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
      auto* grid = static_cast<TStringGrid*>(cp);
      auto* g = new GridWidget(grid, parent);
      g->OnSelect = [this, cp, grid](int col, int row) {
        if (TakeRefused(cp)) return;
        UserInput(cp, [grid, col, row] { grid->UserSelectCell(col, row); });
      };
      g->OnDblClick = [this, cp, grid] {
        if (TakeRefused(cp)) return;
        UserInput(cp, [grid] { grid->UserDblClick(); });
      };
      g->OnEdited = [this, cp, grid](int col, int row, const QString& t) {
        UserInput(cp, [grid, col, row, s = FromQ(t)] { grid->SetCell(col, row, s); });
      };
      Register(c, g, g);
      w = g;
      break;
    }
    case ControlKind::Memo: {
      auto* m = new QPlainTextEdit(parent);
      m->setTabChangesFocus(true);
      connect(m, &QPlainTextEdit::textChanged, this, [this, cp, m] {
        if (inSync_ > 0) return;
        // The widget keeps its own text (a trailing line break, the caret) while the user types.
        UserInput(
            cp, [cp, s = FromQ(m->toPlainText())] { static_cast<TMemo*>(cp)->SetText(s); }, false);
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
      auto* content = new ScrollContent(sa);
      sa->setWidget(content);
      Register(c, sa).area = content;
      BuildChildren(c, content, false);
      w = sa;
      break;
    }
    case ControlKind::PageControl: {
      auto* pages = new PagesWidget(cp, parent);
      Register(c, pages, pages->Strip());
      auto* pc = static_cast<TPageControl*>(cp);
      for (TControl* child : c.Children()) {
        if (child->Kind() != ControlKind::TabSheet) continue;
        // Each page scrolls on its own.
        auto* page = new ScrollArea(pages->Stack());
        page->setWidgetResizable(true);
        page->setFrameShape(QFrame::NoFrame);
        auto* content = new ScrollContent(page);
        page->setWidget(content);
        Register(*child, page).area = content;
        // Only the page on show is built now, the others as they first come on show: the
        // window's hidden pages would cost most of the start-up.
        if (child == pc->ActivePage() || (!pc->ActivePage() && pages->Stack()->count() == 0))
          BuildChildren(*child, content, false);
        else
          unbuiltPages_.insert(child);
        pages->Stack()->addWidget(page);
      }
      connect(pages->Strip(), &TabStrip::tabPicked, this, [this, cp, pc](int i) {
        if (TakeRefused(cp) || i < 0 || i >= pc->PageCount()) return;
        UserInput(cp, [pc, i] { pc->UserSelectTab(pc->Page(i)); });
      });
      w = pages;
      break;
    }
    case ControlKind::ToolBar: {
      auto* tb = new QToolBar(parent);
      tb->setMovable(false);
      tb->setFloatable(false);
      tb->setIconSize(QSize(16, 16));
      Register(c, tb);
      for (TControl* child : c.Children()) {
        if (child->Kind() == ControlKind::MainMenu || child->Kind() == ControlKind::MenuItem)
          continue;
        if (child->Kind() == ControlKind::ToolButton &&
            static_cast<TToolButton*>(child)->SeparatorBefore)
          tb->addSeparator();
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
      const QIcon glyph = ToolGlyph(c.Name(), c.Hint());
      b->setIcon(glyph);
      b->setToolButtonStyle(glyph.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
      b->setMinimumSize(23, 22);
      connect(b, &QToolButton::clicked, this,
              [this, cp] { UserInput(cp, [cp] { static_cast<TToolButton*>(cp)->UserClick(); }); });
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
      connect(l, &LampWidget::clicked, this,
              [this, cp] { UserInput(cp, [cp] { static_cast<TiSwitchLed*>(cp)->UserClick(); }); });
      Register(c, l);
      w = l;
      break;
    }
    case ControlKind::Slider: {
      auto* s = new QSlider(c.Height > c.Width ? Qt::Vertical : Qt::Horizontal, parent);
      s->setTickPosition(s->orientation() == Qt::Horizontal ? QSlider::TicksBelow
                                                            : QSlider::TicksRight);
      if (!HasAnyBounds(c)) s->setMinimumWidth(160);
      auto* sl = static_cast<TiSlider*>(cp);
      // While dragging, each move is a position change; the drag's end is the user's move.
      connect(s, &QSlider::sliderMoved, this, [this, cp, sl](int v) {
        UserInput(
            cp, [sl, v] { sl->SetPosition(SliderScale(*sl).ToPos(v)); }, false);
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
    case ControlKind::SwitchSlider:
      w = new SwitchSliderWidget(cp, parent);
      Register(c, w);
      break;
    case ControlKind::SlideSwitch:
    case ControlKind::ToggleSwitch: {
      auto* s = new SwitchWidget(cp, parent);
      s->setCursor(Qt::PointingHandCursor);
      connect(s, &SwitchWidget::clicked, this,
              [this, cp] { UserInput(cp, [cp] { static_cast<TiSwitch*>(cp)->UserFlip(); }); });
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
  const QRect before = p.bounds;
  p.bounds = b;
  QWidget* w = p.w;
  // A size the model gives is fixed; one it takes back frees the widget again (and only then:
  // a widget's own minimum stays).
  if (c.Width >= 0) {
    // A numeric field never shows less than its largest value, whatever width it was given.
    const bool numeric = c.Kind() == ControlKind::Edit || c.Kind() == ControlKind::SpinEdit;
    w->setFixedWidth(numeric ? std::max(c.Width, NumberWidth(static_cast<TCustomEdit&>(c), w))
                             : c.Width);
  } else if (before.width() >= 0) {
    w->setMinimumWidth(0);
    w->setMaximumWidth(QWIDGETSIZE_MAX);
  }
  if (c.Height >= 0) {
    w->setFixedHeight(c.Height);
  } else if (before.height() >= 0) {
    w->setMinimumHeight(0);
    w->setMaximumHeight(QWIDGETSIZE_MAX);
  }
  if (p.absolute) p.absolute->SetRect(w, b);
}
