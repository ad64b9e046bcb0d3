// Keeping the peer widgets in step with the model: every change, deferred for the heavy ones.
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
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

// ---- Model to widgets ----

bool QtBackend::Deferred(ControlKind k) const {
  switch (k) {
    case ControlKind::StringGrid:
    case ControlKind::Memo:
    case ControlKind::ComboBox:
    case ControlKind::RadioGroup:
    case ControlKind::Plot:
    case ControlKind::SpectrumDisplay:
      return true;
    default:
      return false;
  }
}

void QtBackend::ControlChanged(TControl& c) {
  if (shuttingDown_) return;
  Peer* p = Find(&c);
  if (!p) return;
  // Live values keep arriving for pages the user has left: their widgets catch up in one go
  // when the page comes back on show rather than re-laying their texts several times a second.
  if (OnHiddenPage(c)) {
    stale_.insert(&c);
    return;
  }
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

void QtBackend::DropPending(TControl* c) {
  if (pendingSet_.erase(c))
    pending_.erase(std::remove(pending_.begin(), pending_.end(), c), pending_.end());
}

bool QtBackend::OnHiddenPage(const TControl& c) const {
  switch (c.Kind()) {
    case ControlKind::Form:
    case ControlKind::TabSheet:
    case ControlKind::PageControl:
    case ControlKind::MainMenu:
    case ControlKind::MenuItem:
      return false;
    default:
      break;
  }
  for (const TControl* a = c.Parent(); a; a = a->Parent()) {
    if (a->Kind() != ControlKind::TabSheet) continue;
    const TPageControl* pc = static_cast<const TTabSheet*>(a)->PageControl();
    if (pc && pc->ActivePage() != a) return true;
  }
  return false;
}

void QtBackend::SyncStale() {
  std::vector<TControl*> now;
  for (TControl* c : stale_)
    if (!OnHiddenPage(*c)) now.push_back(c);
  for (TControl* c : now) {
    stale_.erase(c);
    if (Peer* p = Find(c)) Sync(*p);
  }
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
  DropPending(&c);
  stale_.erase(&c);
  unbuiltPages_.erase(&c);
  if (refused_ == &c) refused_ = nullptr;
  if (!runOver_)
    for (auto i = ctlOf_.begin(); i != ctlOf_.end();)
      i = i->second == &c ? ctlOf_.erase(i) : std::next(i);
  if (shuttingDown_) return;
  if (auto* mv = dynamic_cast<ModelView*>(p.w.data())) mv->Detach();
  // After the run a widget goes with its window, which is hidden already.
  if (runOver_ && c.Kind() != ControlKind::Form) return;
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

void QtBackend::BuildPage(TControl& page) {
  if (!unbuiltPages_.erase(&page)) return;
  Peer* p = Find(&page);
  if (!p || !p->area) return;
  BuildChildren(page, p->area, false);
  for (TControl* child : page.Children()) SyncTree(*child);
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
  // An edit paints all of its rectangle, so a new text repaints the edit alone, not the group
  // box behind it.
  QWidget* field = c.Kind() == ControlKind::Edit       ? w
                   : c.Kind() == ControlKind::SpinEdit ? p.focus.data()
                                                       : nullptr;
  // Colours: the background for Color, the text for the font colour; default ones restore Qt's.
  const bool back = IsSet(c.Color()), fore = IsSet(c.FontColor());
  if (back || fore) {
    QPalette pal = QApplication::palette(w);
    if (back) {
      const QColor col = ToQColor(c.Color(), pal);
      const bool filled = c.Kind() == ControlKind::Label || c.Kind() == ControlKind::Panel ||
                          c.Kind() == ControlKind::GroupBox || c.Kind() == ControlKind::CheckBox ||
                          c.Kind() == ControlKind::RadioButton ||
                          c.Kind() == ControlKind::RadioGroup;
      // A filled control paints only its own background: its edits and buttons inherit the
      // palette and keep their own colours.
      if (filled)
        pal.setColor(QPalette::Window, col);
      else
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
          pal.setColor(role, col);
      // A coloured edit still fills its own rectangle (below): switching the fill off and on
      // again at every change would repaint what lies behind it.
      const bool fill = filled || w == field;
      if (w->autoFillBackground() != fill) w->setAutoFillBackground(fill);
    }
    if (fore) {
      const QColor col = ToQColor(c.FontColor(), pal);
      for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(role, col);
    }
    if (w->palette() != pal) w->setPalette(pal);
  } else if (w->testAttribute(Qt::WA_SetPalette)) {
    w->setPalette(QPalette());
    if (w != field) w->setAutoFillBackground(false);
  }
  if (field && !field->autoFillBackground()) field->setAutoFillBackground(true);
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
      if (auto* fw = qobject_cast<FormWindow*>(w);
          fw && fw->captionStrip && fw->captionStrip->text() != caption)
        fw->captionStrip->setText(caption);
      // A dialog is wide enough for its caption: in its own strip, or in the window manager's
      // title bar (a bold face, beside an icon and the buttons).
      if (auto* fw = qobject_cast<FormWindow*>(w);
          fw && fw->centralWidget() && !(Application && Application->MainForm() == &c)) {
        QFont bold = fw->font();
        bold.setBold(true);
        const int room = QFontMetrics(bold).horizontalAdvance(caption) +
                         (fw->captionStrip ? 2 * fw->captionStrip->margin() + 4 : 180);
        if (fw->centralWidget()->minimumWidth() < room) fw->centralWidget()->setMinimumWidth(room);
      }
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
      const QString t = Shown(ed);
      if (le->text() != t) le->setText(t);
      // A masked text offers nothing to copy or drop into: its widget holds only the mask.
      const bool masked = ed.PasswordChar != 0;
      const auto menu = masked ? Qt::NoContextMenu : Qt::DefaultContextMenu;
      if (le->contextMenuPolicy() != menu) le->setContextMenuPolicy(menu);
      if (le->acceptDrops() == masked) le->setAcceptDrops(!masked);
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
            UserInput(
                cp, [cp, s = FromQ(t)] { static_cast<TComboBox*>(cp)->UserSetText(s); }, false);
          });
        }
      }
      if (!editable) {
        if (cb->currentIndex() != m.ItemIndex()) cb->setCurrentIndex(m.ItemIndex());
      } else {
        // Free text: while the user types, the text already agrees and the caret stays put.
        const QString t = ToQ(m.Text());
        if (cb->currentText() != t) {
          cb->setCurrentIndex(m.ItemIndex());
          cb->setEditText(t);
        } else if (m.ItemIndex() >= 0 && cb->currentIndex() != m.ItemIndex()) {
          cb->setCurrentIndex(m.ItemIndex());
        }
      }
      break;
    }
    case ControlKind::CheckBox: {
      auto& m = static_cast<TCheckBox&>(c);
      auto* b = static_cast<QCheckBox*>(w);
      if (b->text() != caption) b->setText(caption);
      const bool grayed = m.State() == TCheckBoxState::cbGrayed;
      b->setTristate(grayed);
      const Qt::CheckState s = grayed        ? Qt::PartiallyChecked
                               : m.Checked() ? Qt::Checked
                                             : Qt::Unchecked;
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
    case ControlKind::StringGrid:
      static_cast<GridWidget*>(w)->Refresh();
      break;
    case ControlKind::Memo: {
      auto& m = static_cast<TMemo&>(c);
      auto* te = static_cast<QPlainTextEdit*>(w);
      QStringList lines;
      for (const auto& l : m.Lines.Lines()) lines << ToQ(l);
      // The widget's text as the memo splits it: a text the user is typing (a trailing line
      // break) that gives the same lines is left alone.
      QStringList shown = te->toPlainText().split(u'\n');
      if (!shown.isEmpty() && shown.last().isEmpty()) shown.removeLast();
      if (shown != lines) {
        const QString t = lines.join(u'\n');
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
      auto* pages = static_cast<PagesWidget*>(w);
      const int active = m.ActivePageIndex();
      if (active >= 0 && active < pages->Stack()->count() &&
          pages->Stack()->currentIndex() != active) {
        BuildPage(*m.Page(active));
        if (!stale_.empty()) SyncStale();
        pages->Stack()->setCurrentIndex(active);
        // The page takes its size at once rather than in a later layout pass: until then it would
        // show the scroll bars of the size it had while hidden.
        if (QLayout* l = pages->Stack()->layout()) l->setGeometry(pages->Stack()->contentsRect());
      }
      pages->Strip()->Refresh();
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
      if (b->icon().isNull()) {
        // The hint may have come after the button was built.
        const QIcon glyph = ToolGlyph(c.Name(), c.Hint());
        if (!glyph.isNull()) {
          b->setIcon(glyph);
          b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        }
      }
      break;
    }
    case ControlKind::Slider: {
      auto& m = static_cast<TiSlider&>(c);
      auto* s = static_cast<QSlider*>(w);
      const SliderScale sc(m);
      if (s->minimum() != 0 || s->maximum() != sc.steps) {
        s->setRange(0, sc.steps);
        s->setTickInterval(std::max(1, sc.steps / 10));
        s->setPageStep(std::max(1, sc.steps / 10));
      }
      if (!s->isSliderDown() && s->value() != sc.ToStep(m.Position()))
        s->setValue(sc.ToStep(m.Position()));
      break;
    }
    case ControlKind::Led:
    case ControlKind::SwitchLed:
    case ControlKind::AnalogDisplay:
    case ControlKind::AnalogOutput:
    case ControlKind::SlideSwitch:
    case ControlKind::ToggleSwitch: {
      // Their natural size follows the caption or the shown value; re-layout only when it moves.
      const QSize hint = w->sizeHint();
      if (w->property("vumaHint").toSize() != hint) {
        w->setProperty("vumaHint", hint);
        w->updateGeometry();
      }
      w->update();
      break;
    }
    case ControlKind::StatusBar:
      static_cast<StatusBarWidget*>(w)->ModelChanged();
      break;
    case ControlKind::AngularGauge:
    case ControlKind::Plot:
    case ControlKind::SpectrumDisplay:
    case ControlKind::Shape:
    case ControlKind::SwitchSlider:
      w->update();
      break;
    case ControlKind::Bevel:
    case ControlKind::ScrollBox:
    case ControlKind::MainMenu:
    case ControlKind::ToolBar:
      break;
  }
}
