#include "platform/qt/QtScript.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QMimeData>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTest>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>

#include "platform/qt/QtBackend.h"
#include "platform/qt/QtPeerHelpers.h"
#include "platform/qt/QtText.h"
#include "platform/qt/QtWidgets.h"
#include "platform/rtl/Paths.h"
#include "platform/serial/Serial.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Instruments.h"

namespace qtb {

enum class Verb {
  Wait,
  Key,
  Click,
  DblClick,
  Type,
  Leave,
  Pick,
  Select,
  Slide,
  Tab,
  Box,
  File,
  Dialog,
  Until,
  Expect,
  Snapshot,
  Quit,
  Fits,
  Mouse,
  Keys,
  Press,
  Run,
  Clipboard,
  Middle,
  Drop,
  Numbers,
  Reach,
  Still,
  Tabs,
  Beside,
  Names
};

struct ScriptRunner::Step {
  int line = 0;
  QString text;  // as written
  Verb verb = Verb::Quit;
  QString form, control;  // the target; form "box" for the message box
  QString property, value;
  enum class Compare { Equal, Contains, AtLeast, AtMost } compare = Compare::Equal;
  int ms = 0;
  int a = 0, b = 0;
  double real = 0;
};

namespace {

// How each step is written after its verb: t = target, i = whole number, r = real number,
// w = one word, s = the rest of the line (a text), u = until's "property op text timeout",
// e = expect's "property op text".
struct VerbEntry {
  const char* name;
  Verb verb;
  const char* args;
};
// clang-format off
constexpr VerbEntry kVerbs[] = {
    {"wait", Verb::Wait, "i"},          {"key", Verb::Key, "s"},         {"click", Verb::Click, "t"},
    {"dblclick", Verb::DblClick, "t"},  {"type", Verb::Type, "ts"},      {"leave", Verb::Leave, "t"},
    {"pick", Verb::Pick, "ti"},         {"select", Verb::Select, "tii"}, {"slide", Verb::Slide, "tr"},
    {"tab", Verb::Tab, "t"},            {"box", Verb::Box, "w"},         {"file", Verb::File, "s"},
    {"dialog", Verb::Dialog, "w"},      {"until", Verb::Until, "tu"},    {"expect", Verb::Expect, "te"},
    {"snapshot", Verb::Snapshot, "ts"}, {"quit", Verb::Quit, ""},        {"fits", Verb::Fits, "t"},
    // Through Qt's own event path, as a user's mouse and keyboard: a click on the control's widget,
    // text typed into the focused widget, one key (with modifiers) pressed there.
    {"mouse", Verb::Mouse, "t"},        {"keys", Verb::Keys, "s"},       {"press", Verb::Press, "s"},
    // An outside program (a window manager's tool), run to its end; the clipboard's text.
    {"run", Verb::Run, "s"},            {"clipboard", Verb::Clipboard, "s"},
    // Text entering a control's widget without a key ("\n" in it a line break): the selection
    // pasted with the middle button at the widget's middle (X11), a drop of the text there.
    {"middle", Verb::Middle, "ts"},     {"drop", Verb::Drop, "ts"},
    // Every numeric field shown inside the target shows its widest value whole; every button,
    // check box and radio button shown inside it can be scrolled into view on the screen.
    {"numbers", Verb::Numbers, "t"},    {"reach", Verb::Reach, "t"},
    // No scroll bar shows on the target or anything inside it (the window's client area, a page,
    // a grid): what is shown fits. Every tab of a page control shows its caption whole.
    {"still", Verb::Still, "t"},        {"tabs", Verb::Tabs, "t"},
    // The target stands just right of the named control of the same window, on its line (a unit
    // beside its field).
    {"beside", Verb::Beside, "ts"},
    // Every drop-down list shown inside the target shows its widest item whole, and every grid
    // without scroll bars all of its cells.
    {"names", Verb::Names, "t"},
};
// clang-format on

// What a user's click does to each kind of control.
struct ClickRule {
  ControlKind kind;
  void (*click)(TControl*);
};
// clang-format off
constexpr ClickRule kClicks[] = {
    {ControlKind::Button, [](TControl* c) { static_cast<TButton*>(c)->UserClick(); }},
    {ControlKind::Edit, [](TControl* c) { static_cast<TCustomEdit*>(c)->UserClick(); }},
    {ControlKind::CheckBox, [](TControl* c) { static_cast<TCheckBox*>(c)->UserClick(); }},
    {ControlKind::RadioButton, [](TControl* c) { static_cast<TRadioButton*>(c)->UserClick(); }},
    {ControlKind::ToolButton, [](TControl* c) { static_cast<TToolButton*>(c)->UserClick(); }},
    {ControlKind::MenuItem, [](TControl* c) { static_cast<TMenuItem*>(c)->UserClick(); }},
    {ControlKind::SwitchLed, [](TControl* c) { static_cast<TiSwitchLed*>(c)->UserClick(); }},
    {ControlKind::SlideSwitch, [](TControl* c) { static_cast<TiSwitch*>(c)->UserFlip(); }},
    {ControlKind::ToggleSwitch, [](TControl* c) { static_cast<TiSwitch*>(c)->UserFlip(); }},
    {ControlKind::Label, [](TControl* c) {
       if (auto& h = static_cast<TLabel*>(c)->OnClick) h();
     }},
};
// clang-format on

QString Unquote(QString t) {
  t = t.trimmed();
  if (t.size() >= 2 && t.startsWith(u'"') && t.endsWith(u'"')) return t.mid(1, t.size() - 2);
  return t;
}

// Splits off the first word of `rest`.
QString TakeWord(QString& rest) {
  rest = rest.trimmed();
  const qsizetype sp = rest.indexOf(QRegularExpression(QStringLiteral("\\s")));
  QString word = sp < 0 ? rest : rest.left(sp);
  rest = sp < 0 ? QString() : rest.mid(sp + 1);
  return word;
}

std::string Bool(bool b) { return b ? "true" : "false"; }

std::string Real(double v) {
  if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15)
    return std::to_string(static_cast<long long>(v));
  return FromQ(QString::number(v, 'g', 15));
}

bool EnabledChain(const TControl* c) {
  for (; c; c = c->Parent())
    if (!c->Enabled()) return false;
  return true;
}

// What a user can see: menu items through their menus, the rest through Showing().
bool SeenByUser(const TControl* c) {
  if (c->Kind() == ControlKind::MenuItem) {
    for (; c && c->Kind() == ControlKind::MenuItem; c = c->Parent())
      if (!c->Visible()) return false;
    return true;
  }
  if (c->Kind() == ControlKind::TabSheet) {
    auto* page = static_cast<const TTabSheet*>(c);
    return page->TabVisible() && page->Visible() &&
           (!page->PageControl() || page->PageControl()->Showing());
  }
  return c->Showing();
}

TMainMenu* MenuOf(const TForm* f) {
  if (!f) return nullptr;
  if (f->Menu) return f->Menu;
  for (TControl* c : f->Children())
    if (c->Kind() == ControlKind::MainMenu) return static_cast<TMainMenu*>(c);
  return nullptr;
}

// The item's own spelling of a key ("ctrl+p" finds "Ctrl+P").
std::string ShortCutSpelling(const TControl* root, const QKeySequence& key) {
  for (TControl* c : root->Children()) {
    if (c->Kind() != ControlKind::MenuItem) continue;
    const std::string& sc = static_cast<TMenuItem*>(c)->ShortCut;
    if (!sc.empty() && QKeySequence::fromString(ToQ(sc), QKeySequence::PortableText) == key)
      return sc;
    const std::string inner = ShortCutSpelling(c, key);
    if (!inner.empty()) return inner;
  }
  return std::string();
}

// A property of a control (or a form) as text; nullopt (with the reason) when it has none.
std::optional<std::string> ReadProperty(const TControl& c, const QString& property, QString& why) {
  const ControlKind k = c.Kind();
  if (property == "caption") return c.Caption();
  if (property == "enabled") return Bool(c.Enabled());
  if (property == "visible") {
    if (k == ControlKind::Form) return Bool(c.Visible());
    return Bool(SeenByUser(&c) && c.Form() && c.Form()->Visible());
  }
  if (property == "text") {
    switch (k) {
      case ControlKind::Edit:
      case ControlKind::SpinEdit:
        return static_cast<const TCustomEdit&>(c).Text();
      case ControlKind::ComboBox:
        return static_cast<const TComboBox&>(c).Text();
      case ControlKind::Memo:
        return static_cast<const TMemo&>(c).Text();
      case ControlKind::StringGrid: {
        auto& g = static_cast<const TStringGrid&>(c);
        return g.Cell(g.Col(), g.Row());
      }
      case ControlKind::StatusBar:
        return static_cast<const TStatusBar&>(c).SimpleText;
      case ControlKind::AnalogDisplay:
      case ControlKind::AnalogOutput: {
        auto& d = static_cast<const TiAnalogDisplay&>(c);
        return FromQ(QString::number(d.Value(), 'f', std::clamp(d.Precision, 0, 9)));
      }
      default:
        return c.Caption();
    }
  }
  if (property == "active") {
    switch (k) {
      case ControlKind::Led:
      case ControlKind::SwitchLed:
        return Bool(static_cast<const TiLedRectangle&>(c).Active());
      case ControlKind::SlideSwitch:
      case ControlKind::ToggleSwitch:
        return Bool(static_cast<const TiSwitch&>(c).Active());
      case ControlKind::CheckBox:
        return Bool(static_cast<const TCheckBox&>(c).Checked());
      case ControlKind::RadioButton:
        return Bool(static_cast<const TRadioButton&>(c).Checked());
      case ControlKind::MenuItem:
        return Bool(static_cast<const TMenuItem&>(c).Checked());
      case ControlKind::TabSheet: {
        auto& page = static_cast<const TTabSheet&>(c);
        return Bool(page.PageControl() && page.PageControl()->ActivePage() == &page);
      }
      default:
        break;
    }
  }
  if (property == "itemindex") {
    switch (k) {
      case ControlKind::ComboBox:
        return std::to_string(static_cast<const TComboBox&>(c).ItemIndex());
      case ControlKind::RadioGroup:
        return std::to_string(static_cast<const TRadioGroup&>(c).ItemIndex());
      case ControlKind::PageControl:
        return std::to_string(static_cast<const TPageControl&>(c).ActivePageIndex());
      default:
        break;
    }
  }
  if (property == "value") {
    switch (k) {
      case ControlKind::SpinEdit:
        return std::to_string(static_cast<const TSpinEdit&>(c).Value());
      case ControlKind::ProgressBar:
        return std::to_string(static_cast<const TProgressBar&>(c).Position());
      case ControlKind::Slider:
        return Real(static_cast<const TiSlider&>(c).Position());
      case ControlKind::AngularGauge:
        return Real(static_cast<const TiAngularGauge&>(c).Position());
      case ControlKind::SwitchSlider:
        return std::to_string(static_cast<const TiSwitchSlider&>(c).Position());
      case ControlKind::AnalogDisplay:
      case ControlKind::AnalogOutput:
        return Real(static_cast<const TiAnalogDisplay&>(c).Value());
      case ControlKind::ComboBox:
        return std::to_string(static_cast<const TComboBox&>(c).ItemIndex());
      default:
        break;
    }
  }
  const QStringList parts = property.split(u':');
  if (parts.size() == 3 && parts[0] == "cell" && k == ControlKind::StringGrid) {
    bool ok1, ok2;
    const int col = parts[1].toInt(&ok1), row = parts[2].toInt(&ok2);
    if (ok1 && ok2) return static_cast<const TStringGrid&>(c).Cell(col, row);
  }
  if (parts.size() == 2 && parts[0] == "panel" && k == ControlKind::StatusBar) {
    bool ok;
    const int i = parts[1].toInt(&ok);
    if (ok) return static_cast<const TStatusBar&>(c).PanelText(i);
  }
  why = QStringLiteral("%1 has no property %2").arg(ToQ(c.Name()), property);
  return std::nullopt;
}

// Why a window or a page does not show all of its contents, or empty when it does: a scroll bar
// showing, a widget reaching past its window or past the part of a scroll area that is shown, a
// window smaller than its contents ask; the main window's client area must be as designed.
QString Overflow(QWidget* w, const TForm& form, QWidget*& culprit) {
  QWidget* top = w->window();
  for (int i = 0; i < 4; ++i) QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  auto name = [](const QWidget* x) {
    return x->objectName().isEmpty() ? QString::fromLatin1(x->metaObject()->className())
                                     : x->objectName();
  };
  auto size = [](QSize s) { return QStringLiteral("%1 x %2").arg(s.width()).arg(s.height()); };
  if (Application && Application->MainForm() == &form && form.ClientWidth >= 0)
    if (auto* mw = qobject_cast<QMainWindow*>(top); mw && mw->centralWidget()) {
      const QSize want(form.ClientWidth, form.ClientHeight);
      if (mw->centralWidget()->size() != want)
        return QStringLiteral("the client area is %1, not %2")
            .arg(size(mw->centralWidget()->size()), size(want));
    }
  if (top->size().width() < top->minimumSizeHint().width() ||
      top->size().height() < top->minimumSizeHint().height())
    return QStringLiteral("the window is %1, its contents ask %2")
        .arg(size(top->size()), size(top->minimumSizeHint()));
  // A caption the window shows itself is not cut.
  if (auto* fw = qobject_cast<FormWindow*>(top); fw && fw->captionStrip) {
    const QLabel* strip = fw->captionStrip;
    const int wide =
        strip->fontMetrics().horizontalAdvance(top->windowTitle()) + 2 * strip->margin();
    if (wide > strip->contentsRect().width() || strip->width() > top->width())
      return QStringLiteral("the caption \"%1\" needs %2 pixels, the window is %3 wide")
          .arg(top->windowTitle())
          .arg(wide)
          .arg(top->width());
  }
  // The scroll areas around the target and inside it.
  QList<QAbstractScrollArea*> areas = w->findChildren<QAbstractScrollArea*>();
  for (QWidget* up = w; up; up = up->parentWidget())
    if (auto* a = qobject_cast<QAbstractScrollArea*>(up)) areas.append(a);
  for (QAbstractScrollArea* a : areas) {
    if (!a->isVisibleTo(top)) continue;
    // Lists, grids and text boxes scroll their own lines; only layout containers must not.
    if (!a->inherits("QScrollArea")) continue;
    for (QScrollBar* bar : {a->horizontalScrollBar(), a->verticalScrollBar()})
      if (bar->isVisibleTo(top) && bar->maximum() > 0 &&
          (culprit = static_cast<QScrollArea*>(a)->widget()))
        return QStringLiteral("%1 scrolls: its contents are %2 in a view of %3")
            .arg(name(a), size(static_cast<QScrollArea*>(a)->widget()->minimumSizeHint()),
                 size(a->viewport()->size()));
  }
  const QList<QWidget*> all = w->findChildren<QWidget*>();
  for (QWidget* x : all) {
    if (!x->isVisibleTo(top) || x->isWindow()) continue;
    for (QWidget* up = x->parentWidget(); up; up = up->parentWidget()) {
      const bool frame =
          up == top ||
          (up->parentWidget() && qobject_cast<QAbstractScrollArea*>(up->parentWidget()) &&
           static_cast<QAbstractScrollArea*>(up->parentWidget())->viewport() == up);
      if (!frame) continue;
      const QRect r(x->mapTo(up, QPoint(0, 0)), x->size());
      if (!up->rect().contains(r))
        return QStringLiteral("%1 at %2,%3 (%4) reaches past %5 (%6)")
            .arg(name(x))
            .arg(r.x())
            .arg(r.y())
            .arg(size(r.size()), name(up), size(up->size()));
      if (up == top) break;
    }
  }
  return QString();
}

// Every control under `root` (the root too), depth first.
void ForEachControl(TControl* root, const std::function<void(TControl*)>& f) {
  f(root);
  for (TControl* c : root->Children()) ForEachControl(c, f);
}

// The first numeric field inside `root` that cut its widest value, or empty when none does. The
// room is what the line edit paints its text into: inside the style's frame, its text margins and
// its own two pixels on each side, with a pixel left for the caret.
QString CutNumber(QtBackend& backend, TControl* root) {
  QString why;
  ForEachControl(root, [&](TControl* c) {
    if (!why.isEmpty() || (c->Kind() != ControlKind::Edit && c->Kind() != ControlKind::SpinEdit) ||
        !SeenByUser(c))
      return;
    const QString widest = peers::WidestNumber(*static_cast<TCustomEdit*>(c));
    QWidget* w = backend.WidgetOf(*c);
    auto* le = w ? qobject_cast<QLineEdit*>(w->focusProxy() ? w->focusProxy() : w) : nullptr;
    if (widest.isEmpty() || !le) return;
    QStyleOptionFrame frame;
    frame.initFrom(le);
    frame.rect = le->rect();
    frame.lineWidth = le->hasFrame() ? le->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QRect inner = le->style()
                            ->subElementRect(QStyle::SE_LineEditContents, &frame, le)
                            .marginsRemoved(le->textMargins());
    const int room = inner.width() - 2 * 2;
    const int need = le->fontMetrics().horizontalAdvance(widest) + 1;
    if (need > room)
      why = QStringLiteral("%1 shows %2 pixels of its widest value \"%3\", which needs %4")
                .arg(ToQ(c->Name()))
                .arg(room)
                .arg(widest)
                .arg(need);
  });
  return why;
}

// The first drop-down list inside `root` that cuts its widest item, or grid without scroll bars
// that cuts its cells; empty when none does. A list's text is painted into the style's edit field,
// less a pixel on each side.
QString CutName(QtBackend& backend, TControl* root) {
  QString why;
  ForEachControl(root, [&](TControl* c) {
    const ControlKind k = c->Kind();
    if (!why.isEmpty() || (k != ControlKind::ComboBox && k != ControlKind::StringGrid) ||
        !SeenByUser(c))
      return;
    QWidget* w = backend.WidgetOf(*c);
    if (!w) return;
    if (k == ControlKind::StringGrid) {
      if (static_cast<TStringGrid*>(c)->ScrollBars != TScrollStyle::ssNone) return;
      const QSize need = w->sizeHint();
      if (w->width() < need.width() || w->height() < need.height())
        why = QStringLiteral("%1 is %2 x %3, its cells need %4 x %5")
                  .arg(ToQ(c->Name()))
                  .arg(w->width())
                  .arg(w->height())
                  .arg(need.width())
                  .arg(need.height());
      return;
    }
    auto* cb = qobject_cast<QComboBox*>(w);
    if (!cb || cb->isEditable()) return;
    QString widest;
    int need = 0;
    for (int i = 0; i < cb->count(); ++i) {
      const int n = cb->fontMetrics().horizontalAdvance(cb->itemText(i));
      if (n > need) {
        need = n;
        widest = cb->itemText(i);
      }
    }
    QStyleOptionComboBox opt;
    opt.initFrom(cb);
    opt.editable = false;
    opt.frame = cb->hasFrame();
    opt.subControls = QStyle::SC_All;
    const int room =
        cb->style()
            ->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, cb)
            .width() -
        2;
    if (need > room)
      why = QStringLiteral("%1 shows %2 pixels of its widest item \"%3\", which needs %4")
                .arg(ToQ(c->Name()))
                .arg(room)
                .arg(widest)
                .arg(need);
  });
  return why;
}

// The first button, check box or radio button inside `root` that cannot be brought into view on
// the screen (every scroll area around it scrolled to it; the window, its frame included, inside
// the screen), or empty when each can.
QString Unreachable(QtBackend& backend, TControl* root) {
  QString why;
  ForEachControl(root, [&](TControl* c) {
    const ControlKind k = c->Kind();
    if (!why.isEmpty() ||
        (k != ControlKind::Button && k != ControlKind::CheckBox && k != ControlKind::RadioButton) ||
        !SeenByUser(c))
      return;
    QWidget* w = backend.WidgetOf(*c);
    if (!w || !w->isVisible()) return;
    QWidget* top = w->window();
    for (QWidget* up = w->parentWidget(); up && up != top; up = up->parentWidget())
      if (auto* area = qobject_cast<QScrollArea*>(up)) area->ensureWidgetVisible(w, 0, 0);
    QCoreApplication::processEvents();
    // Inside every container up to the window, and the window on the screen.
    for (QWidget* up = w->parentWidget(); up; up = up->parentWidget()) {
      const QRect r(w->mapTo(up, QPoint(0, 0)), w->size());
      if (!up->rect().contains(r)) {
        why = QStringLiteral("%1 is cut off by %2").arg(ToQ(c->Name()), up->objectName().isEmpty()
                                                                            ? up->metaObject()->className()
                                                                            : up->objectName());
        return;
      }
      if (up == top) break;
    }
    const QScreen* screen = top->screen();
    const QRect onScreen(w->mapToGlobal(QPoint(0, 0)), w->size());
    if (screen && (!screen->geometry().contains(top->frameGeometry()) ||
                   !screen->geometry().contains(onScreen)))
      why = QStringLiteral("%1 lies off the screen (the window's frame at %2,%3 %4 x %5)")
                .arg(ToQ(c->Name()))
                .arg(top->frameGeometry().x())
                .arg(top->frameGeometry().y())
                .arg(top->frameGeometry().width())
                .arg(top->frameGeometry().height());
  });
  return why;
}

// The first scroll area at or inside `w` that shows a scroll bar, or empty when none does.
QString Scrolling(QWidget* w) {
  for (int i = 0; i < 4; ++i) QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  QWidget* top = w->window();
  QList<QAbstractScrollArea*> areas = w->findChildren<QAbstractScrollArea*>();
  if (auto* a = qobject_cast<QAbstractScrollArea*>(w)) areas.prepend(a);
  for (QAbstractScrollArea* a : areas) {
    if (!a->isVisibleTo(top)) continue;
    for (QScrollBar* bar : {a->horizontalScrollBar(), a->verticalScrollBar()})
      if (bar->isVisibleTo(top))
        return QStringLiteral("%1 shows a %2 scroll bar (%3 x %4 shown, %5 more)")
            .arg(a->objectName().isEmpty() ? QString::fromLatin1(a->metaObject()->className())
                                           : a->objectName(),
                 bar->orientation() == Qt::Vertical ? QStringLiteral("vertical")
                                                    : QStringLiteral("horizontal"))
            .arg(a->viewport()->width())
            .arg(a->viewport()->height())
            .arg(bar->maximum());
  }
  return QString();
}

QString BoxText(const QMessageBox* box) {
  QString t = box->text();
  t.replace(u'\n', QStringLiteral("\\n"));
  return t;
}

}  // namespace

std::unique_ptr<ScriptRunner> ScriptRunner::FromEnvironment(QtBackend& backend) {
  const QString path = qEnvironmentVariable("VUMA_E2E_SCRIPT");
  if (path.isEmpty()) return nullptr;
  return std::make_unique<ScriptRunner>(backend, path);
}

ScriptRunner::ScriptRunner(QtBackend& backend, const QString& path) : backend_(backend) {
  Parse(path);
}

ScriptRunner::~ScriptRunner() = default;

void ScriptRunner::Log(const QString& line) const {
  const QByteArray bytes = line.toUtf8();
  std::fprintf(stderr, "%s\n", bytes.constData());
  std::fflush(stderr);
}

void ScriptRunner::Fail(const Step* s, const QString& reason) {
  finished_ = true;
  const QString where =
      s ? QStringLiteral("%1: %2").arg(s->line).arg(s->text) : QStringLiteral("end");
  Log(QStringLiteral("E2E FAIL: %1: %2").arg(where, reason));
  const QString dir = qEnvironmentVariable("VUMA_SNAPSHOT_DIR");
  if (!dir.isEmpty() && Application) {
    QDir().mkpath(dir);
    for (const auto& f : Application->Forms())
      if (f->Visible()) backend_.SaveSnapshot(*f, dir + "/E2E-FAIL-" + ToQ(f->Name()) + ".png");
    for (const auto& m : backend_.ModalStack())
      if (m.kind != QtBackend::Modal::Form && m.widget)
        m.widget->grab().save(dir + "/E2E-FAIL-modal.png");
  }
  std::fflush(stdout);
  std::_Exit(3);
}

void ScriptRunner::Parse(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) Fail(nullptr, "cannot read the script " + path);
  const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
  for (qsizetype n = 0; n < lines.size(); ++n) {
    Step s;
    s.line = int(n + 1);
    s.text = lines[n].trimmed();
    if (s.text.isEmpty() || s.text.startsWith(u'#')) continue;
    QString rest = s.text;
    const QString verb = TakeWord(rest);
    const VerbEntry* found = nullptr;
    for (const VerbEntry& v : kVerbs)
      if (verb == v.name) found = &v;
    if (!found) Fail(&s, "unknown step " + verb);
    s.verb = found->verb;
    auto number = [this, &s](const QString& w, bool real) {
      bool ok = false;
      const double v = real ? w.toDouble(&ok) : w.toInt(&ok);
      if (!ok) Fail(&s, "not a number: " + w);
      return v;
    };
    int whole = 0;
    for (const char* a = found->args; *a; ++a) {
      switch (*a) {
        case 't': {
          const QString t = TakeWord(rest);
          if (t.isEmpty()) Fail(&s, "a target is missing");
          const qsizetype dot = t.indexOf(u'.');
          s.form = dot < 0 ? t : t.left(dot);
          s.control = dot < 0 ? QString() : t.mid(dot + 1);
          break;
        }
        case 'i':
          (whole++ == 0 ? s.a : s.b) = int(number(TakeWord(rest), false));
          break;
        case 'r':
          s.real = number(TakeWord(rest), true);
          break;
        case 'w':
          s.value = TakeWord(rest).toLower();
          break;
        case 's':
          s.value = Unquote(rest);
          rest.clear();
          break;
        case 'u':
        case 'e': {
          s.property = TakeWord(rest).toLower();
          const QString op = TakeWord(rest);
          if (op == "contains")
            s.compare = Step::Compare::Contains;
          else if (op == ">=")
            s.compare = Step::Compare::AtLeast;
          else if (op == "<=")
            s.compare = Step::Compare::AtMost;
          else if (op != "=")
            Fail(&s, "the comparison is \"=\", \"contains\", \">=\" or \"<=\", not " + op);
          rest = rest.trimmed();
          if (*a == 'u') {
            const qsizetype sp = rest.lastIndexOf(QRegularExpression(QStringLiteral("\\s")));
            s.ms = int(number(sp < 0 ? rest : rest.mid(sp + 1), false));
            rest = sp < 0 ? QString() : rest.left(sp);
          }
          s.value = Unquote(rest);
          rest.clear();
          break;
        }
      }
    }
    if (s.verb == Verb::Wait) s.ms = s.a;
    if (!rest.trimmed().isEmpty()) Fail(&s, "unexpected " + rest.trimmed());
    // "click box OK" closes the box.
    if (s.verb == Verb::Click && s.form.compare("box", Qt::CaseInsensitive) == 0) {
      s.verb = Verb::Box;
      s.value = "ok";
    }
    if (s.verb == Verb::Box && s.value != "ok" && s.value != "yes" && s.value != "no")
      Fail(&s, "box ok, yes or no");
    if (s.verb == Verb::Dialog && s.value != "ok" && s.value != "cancel")
      Fail(&s, "dialog ok or cancel");
    if ((s.verb == Verb::Key || s.verb == Verb::File || s.verb == Verb::Keys ||
         s.verb == Verb::Press || s.verb == Verb::Run) &&
        s.value.isEmpty())
      Fail(&s, "what is missing");
    steps_.push_back(s);
  }
}

void ScriptRunner::Start() {
  if (started_ || finished_) return;
  started_ = true;
  Log(QStringLiteral("E2E start: %1 steps").arg(steps_.size()));
  Schedule(0);
}

void ScriptRunner::Schedule(int ms) {
  QTimer::singleShot(ms, this, [this] { RunNext(); });
}

void ScriptRunner::BoxShown(const QString& caption, const QString& text) {
  QString t = text;
  t.replace(u'\n', QStringLiteral("\\n"));
  Log(QStringLiteral("BOX %1: %2").arg(caption, t));
}

void ScriptRunner::DialogShown(const QString& title) { Log("DIALOG " + title); }

void ScriptRunner::ProgramEnded() {
  if (finished_ || !started_) return;
  finished_ = true;
  if (next_ < steps_.size() && steps_[next_].verb == Verb::Quit) {
    Log(QStringLiteral("E2E OK"));
    return;
  }
  Fail(next_ < steps_.size() ? &steps_[next_] : nullptr, "the program ended before the script did");
}

void ScriptRunner::RunNext() {
  if (finished_) return;
  if (next_ >= steps_.size()) Fail(nullptr, "the script ended without quit");
  const size_t index = next_++;
  const Step& s = steps_[index];
  Log(QStringLiteral("E2E %1: %2").arg(s.line).arg(s.text));
  switch (s.verb) {
    case Verb::Wait:
      Schedule(std::max(0, s.ms));
      return;
    case Verb::Until:
    case Verb::Expect:
      Poll(index,
           QDateTime::currentMSecsSinceEpoch() + (s.verb == Verb::Until ? std::max(0, s.ms) : 0));
      return;
    case Verb::Quit:
      finished_ = true;
      Log(QStringLiteral("E2E OK"));
      backend_.QuitAll();
      return;
    default:
      Act(s);
  }
}

void ScriptRunner::Poll(size_t index, qint64 deadline) {
  if (finished_) return;
  const Step& s = steps_[index];
  std::optional<std::string> actual;
  QString why;
  if (s.form.compare("box", Qt::CaseInsensitive) == 0 && s.control.isEmpty()) {
    const QMessageBox* box = nullptr;
    for (const auto& m : backend_.ModalStack())
      if (m.kind == QtBackend::Modal::Box && m.widget)
        box = static_cast<const QMessageBox*>(m.widget.data());
    if (s.property == "visible")
      actual = Bool(box != nullptr);
    else if (!box)
      why = "no message box is open";
    else if (s.property == "caption")
      actual = FromQ(box->windowTitle());
    else if (s.property == "text")
      actual = FromQ(BoxText(box));
    else
      why = "a box has caption, text and visible";
  } else if (TForm* f = backend_.FormNamed(FromQ(s.form)); !f) {
    if (s.property == "visible" && s.control.isEmpty())
      actual = Bool(false);
    else
      why = "no form " + s.form;
  } else if (TControl* c = s.control.isEmpty() ? f : f->FindControl(FromQ(s.control)); !c) {
    why = QStringLiteral("no control %1 in %2").arg(s.control, s.form);
  } else if (s.property == "shown") {
    // What the edit's widget shows (a masked text shows its mask).
    QWidget* w = backend_.WidgetOf(*c);
    auto* le = w ? qobject_cast<QLineEdit*>(w->focusProxy() ? w->focusProxy() : w) : nullptr;
    if (!le) Fail(&s, QStringLiteral("%1 is not an edit").arg(s.control));
    actual = FromQ(le->text());
  } else if (s.property == "focused") {
    // Where the keyboard's typing goes: the control's widget or a part of it (a spin edit's or an
    // editable selector's line).
    QWidget* w = backend_.WidgetOf(*c);
    const QWidget* now = QApplication::focusWidget();
    actual = Bool(w && now && (now == w || w->isAncestorOf(now)));
  } else {
    actual = ReadProperty(*c, s.property, why);
    if (!actual) Fail(&s, why);
  }
  const std::string want = FromQ(s.value);
  auto holds = [&s, &want](const std::string& have) {
    switch (s.compare) {
      case Step::Compare::Contains:
        return have.find(want) != std::string::npos;
      case Step::Compare::AtLeast:
      case Step::Compare::AtMost: {
        // Numbers compared as numbers; a text that is none never holds.
        bool okHave = false, okWant = false;
        const double h = QString::fromStdString(have).toDouble(&okHave);
        const double w = QString::fromStdString(want).toDouble(&okWant);
        return okHave && okWant && (s.compare == Step::Compare::AtLeast ? h >= w : h <= w);
      }
      case Step::Compare::Equal:
        break;
    }
    return have == want;
  };
  if (actual && holds(*actual)) {
    Schedule(0);
    return;
  }
  if (QDateTime::currentMSecsSinceEpoch() >= deadline) {
    if (actual) why = QStringLiteral("%1 is \"%2\"").arg(s.property, ToQ(*actual));
    Fail(&s, s.verb == Verb::Until ? QStringLiteral("timed out: %1").arg(why) : why);
  }
  QTimer::singleShot(25, this, [this, index, deadline] { Poll(index, deadline); });
}

TControl* ScriptRunner::Target(const Step& s, QString& reason, bool mustShow) const {
  TForm* f = backend_.FormNamed(FromQ(s.form));
  if (!f) {
    reason = "no form " + s.form;
    return nullptr;
  }
  if (!f->Visible() || !backend_.WindowOf(*f)) {
    reason = QStringLiteral("the form %1 is not shown").arg(s.form);
    return nullptr;
  }
  const auto& modal = backend_.ModalStack();
  if (!modal.empty() && !(modal.back().kind == QtBackend::Modal::Form && modal.back().form == f)) {
    const auto& m = modal.back();
    const QString what = m.kind == QtBackend::Modal::Form
                             ? "the modal window " + ToQ(m.form->Name())
                         : m.kind == QtBackend::Modal::Box ? QStringLiteral("a message box")
                                                           : QStringLiteral("a dialog");
    reason = QStringLiteral("the form %1 is behind %2").arg(s.form, what);
    return nullptr;
  }
  TControl* c = s.control.isEmpty() ? f : f->FindControl(FromQ(s.control));
  if (!c) {
    reason = QStringLiteral("no control %1 in %2").arg(s.control, s.form);
    return nullptr;
  }
  if (mustShow && c != f && !SeenByUser(c)) {
    reason = QStringLiteral("%1 is not shown").arg(s.control);
    return nullptr;
  }
  return c;
}

void ScriptRunner::Act(const Step& s) {
  QString reason;
  std::function<void()> action;  // a user's action on `on`
  TControl* on = nullptr;
  auto cannot = [&s](const TControl* c) {
    return QStringLiteral("%1 does not take %2").arg(ToQ(c->Name()), s.text.section(u' ', 0, 0));
  };
  auto modalTop = [this]() -> const QtBackend::Modal* {
    const auto& m = backend_.ModalStack();
    return m.empty() ? nullptr : &m.back();
  };

  switch (s.verb) {
    case Verb::Box: {
      const QtBackend::Modal* m = modalTop();
      if (!m || m->kind != QtBackend::Modal::Box || !m->widget) Fail(&s, "no message box is open");
      auto* box = static_cast<QMessageBox*>(m->widget.data());
      QAbstractButton* b = nullptr;
      if (s.value == "ok")
        b = box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)
                                         : box->button(QMessageBox::Yes);
      if (s.value == "yes") b = box->button(QMessageBox::Yes);
      if (s.value == "no")
        b = box->button(QMessageBox::No) ? box->button(QMessageBox::No)
                                         : box->button(QMessageBox::Cancel);
      if (!b) Fail(&s, "the box has no such button");
      Schedule(0);
      b->click();
      return;
    }
    case Verb::File:
    case Verb::Dialog: {
      const QtBackend::Modal* m = modalTop();
      const bool fileDialog =
          m && m->kind == QtBackend::Modal::Dialog && m->dialog &&
          (m->dialog->Kind() == DialogKind::Open || m->dialog->Kind() == DialogKind::Save);
      if (!m || m->kind != QtBackend::Modal::Dialog || fileDialog != (s.verb == Verb::File))
        Fail(&s, s.verb == Verb::File ? "no file dialog is open"
                                      : "no print or printer setup dialog is open");
      const bool cancel = s.value == "cancel";
      QString path;
      if (s.verb == Verb::File && !cancel) {
        path = QFile::decodeName(MapPath(FromQ(s.value)).c_str());
        if (QFileInfo(path).isRelative()) path = QDir::current().absoluteFilePath(path);
        const auto* open = static_cast<const TOpenDialog*>(m->dialog);
        if (open->Kind() == DialogKind::Open && open->FileMustExist && !QFileInfo::exists(path))
          Fail(&s, "no such file " + path);
      }
      Schedule(0);
      backend_.AnswerDialog(!cancel, path);
      return;
    }
    case Verb::Snapshot: {
      QString path = s.value;
      bool saved = false;
      const bool box = s.form.compare("box", Qt::CaseInsensitive) == 0;
      if (box || s.form.compare("dialog", Qt::CaseInsensitive) == 0) {
        const QtBackend::Modal* m = modalTop();
        if (!m || m->kind != (box ? QtBackend::Modal::Box : QtBackend::Modal::Dialog) || !m->widget)
          Fail(&s, box ? "no message box is open" : "no dialog is open");
        saved = m->widget->grab().save(path);
      } else {
        TForm* f = backend_.FormNamed(FromQ(s.form));
        if (!f || !f->Visible() || !backend_.WindowOf(*f))
          Fail(&s, QStringLiteral("the form %1 is not shown").arg(s.form));
        saved = backend_.SaveSnapshot(*f, path);
      }
      if (!saved) Fail(&s, "cannot write " + path);
      Schedule(0);
      return;
    }
    case Verb::Keys:
    case Verb::Press: {
      // An open menu takes the keys, as it grabs the keyboard.
      QWidget* into = QApplication::activePopupWidget();
      if (!into) into = QApplication::focusWidget();
      if (!into) {
        // No window is active (one closed and none took over): the top window's focus child.
        const QtBackend::Modal* m = modalTop();
        TForm* f = m && m->kind == QtBackend::Modal::Form
                       ? m->form
                       : (Application ? Application->MainForm() : nullptr);
        if (QWidget* win = f ? backend_.WindowOf(*f) : nullptr)
          into = win->focusWidget() ? win->focusWidget() : win;
      }
      if (!into) Fail(&s, "no window has the keyboard");
      Schedule(0);
      if (s.verb == Verb::Keys) {
        QTest::keyClicks(into, s.value);
        return;
      }
      // Alt alone (which puts the menu bar in keyboard mode) is no key sequence.
      if (s.value.compare("alt", Qt::CaseInsensitive) == 0) {
        QTest::keyClick(into, Qt::Key_Alt, Qt::AltModifier);
        return;
      }
      const QKeySequence seq = QKeySequence::fromString(s.value, QKeySequence::PortableText);
      if (seq.isEmpty()) Fail(&s, "not a key: " + s.value);
      QTest::keyClick(into, seq[0].key(), seq[0].keyboardModifiers());
      return;
    }
    case Verb::Clipboard:
      QGuiApplication::clipboard()->setText(s.value);
      Schedule(0);
      return;
    case Verb::Run: {
      const QStringList words = QProcess::splitCommand(s.value);
      const int rc = words.isEmpty() ? -1 : QProcess::execute(words.first(), words.mid(1));
      if (rc != 0) Fail(&s, QStringLiteral("the command ended with %1").arg(rc));
      Schedule(0);
      return;
    }
    case Verb::Key: {
      const QKeySequence seq = QKeySequence::fromString(s.value, QKeySequence::PortableText);
      if (seq.isEmpty()) Fail(&s, "not a key: " + s.value);
      const QKeyCombination kc = seq[0];
      const Qt::Key key = kc.key();
      const QtBackend::Modal* m = modalTop();
      if (m && m->kind == QtBackend::Modal::Box) {
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape &&
            key != Qt::Key_Space)
          Fail(&s, "a message box is open");
        auto* box = static_cast<QMessageBox*>(m->widget.data());
        Step close = s;
        close.verb = Verb::Box;
        // Escape answers No where there is one; a box with OK alone closes with it.
        const bool no = box && (box->button(QMessageBox::No) || box->button(QMessageBox::Cancel));
        close.value = key == Qt::Key_Escape && no ? "no" : "ok";
        return Act(close);
      }
      if (m && m->kind == QtBackend::Modal::Dialog) {
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape)
          Fail(&s, "a dialog is open");
        Schedule(0);
        backend_.AnswerDialog(key != Qt::Key_Escape);
        return;
      }
      TForm* f = m ? m->form : (Application ? Application->MainForm() : nullptr);
      if (!f) Fail(&s, "no window takes keys");
      Schedule(0);
      // The window's menu first: an enabled item with this shortcut runs.
      if (TMainMenu* menu = MenuOf(f)) {
        std::string spelling = ShortCutSpelling(menu, seq);
        bool taken = false;
        if (!spelling.empty())
          backend_.UserAction(*menu,
                              [menu, spelling, &taken] { taken = menu->UserShortCut(spelling); });
        if (taken) return;
      }
      // Else the focused control.
      TControl* focused = f->ActiveControl();
      char ch = 0;
      if (key == Qt::Key_Return || key == Qt::Key_Enter)
        ch = '\r';
      else if (key == Qt::Key_Escape)
        ch = 27;
      // Enter and Escape belong to the window's default and cancel buttons first.
      if (ch == '\r' || ch == 27) {
        bool taken = false;
        backend_.UserAction(*f, [f, ch, &taken] { taken = f->UserDialogKey(ch); });
        if (taken) return;
      } else if (key == Qt::Key_Backspace)
        ch = 8;
      else if (s.value.size() == 1)
        ch = FromQChar(s.value[0]);
      else if (key == Qt::Key_Space)
        ch = ' ';
      if (focused &&
          (focused->Kind() == ControlKind::Edit || focused->Kind() == ControlKind::SpinEdit)) {
        auto* ed = static_cast<TCustomEdit*>(focused);
        if (focused->Kind() == ControlKind::SpinEdit &&
            (key == Qt::Key_Up || key == Qt::Key_Down)) {
          const int dir = key == Qt::Key_Up ? 1 : -1;
          backend_.UserAction(*ed, [ed, dir] { static_cast<TSpinEdit*>(ed)->UserStep(dir); });
          return;
        }
        if (ch) {
          backend_.UserAction(*ed, [ed, ch] { ed->UserKeyAt(ch, int(ed->Text().size()), 0); });
          return;
        }
      }
      // Enter or Space on a focused button clicks it; Space on a check box ticks it.
      const bool press =
          key == Qt::Key_Space || ((key == Qt::Key_Return || key == Qt::Key_Enter) && focused &&
                                   focused->Kind() == ControlKind::Button);
      if (focused && press && EnabledChain(focused))
        for (const ClickRule& r : kClicks)
          if ((r.kind == ControlKind::Button || r.kind == ControlKind::CheckBox) &&
              r.kind == focused->Kind()) {
            backend_.UserAction(*focused, [focused, click = r.click] { click(focused); });
            return;
          }
      Log(QStringLiteral("E2E %1: no menu item or control of %2 takes the key")
              .arg(s.line)
              .arg(ToQ(f->Name())));
      return;
    }
    default:
      break;
  }

  // Steps on a control.
  on = Target(s, reason, true);
  if (!on) Fail(&s, reason);
  TControl* c = on;
  const ControlKind k = c->Kind();
  if (s.verb == Verb::Middle || s.verb == Verb::Drop) {
    QWidget* w = backend_.WidgetOf(*c);
    if (!w) Fail(&s, QStringLiteral("%1 has no window").arg(s.control));
    QWidget* into = w->focusProxy() ? w->focusProxy() : w;
    QString text = s.value;
    text.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    Schedule(0);
    if (s.verb == Verb::Middle) {
      QClipboard* clip = QGuiApplication::clipboard();
      if (!clip->supportsSelection()) Fail(&s, "this platform has no selection to paste");
      clip->setText(text, QClipboard::Selection);
      QTest::mouseClick(into, Qt::MiddleButton, Qt::NoModifier, into->rect().center());
      return;
    }
    // The events a drag brings, in order, through the application as a drag's would go.
    QMimeData mime;
    mime.setText(text);
    const QPointF at = into->rect().center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(into, &enter);
    QDragMoveEvent move(at.toPoint(), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton,
                        Qt::NoModifier);
    QApplication::sendEvent(into, &move);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(into, &drop);
    return;
  }
  if (s.verb == Verb::Still || s.verb == Verb::Tabs) {
    QWidget* w = backend_.WidgetOf(*c);
    if (!w) Fail(&s, QStringLiteral("%1 has no window").arg(s.control));
    QString why;
    if (s.verb == Verb::Still) {
      why = Scrolling(w);
    } else if (auto* pages = qobject_cast<PagesWidget*>(w)) {
      const QString cut = pages->Strip()->CutCaption();
      if (!cut.isEmpty()) why = QStringLiteral("the tab \"%1\" is cut").arg(cut);
    } else {
      why = QStringLiteral("%1 is not a page control").arg(s.control);
    }
    if (!why.isEmpty()) Fail(&s, why);
    Schedule(0);
    return;
  }
  if (s.verb == Verb::Beside) {
    TControl* other = c->Form() ? c->Form()->FindControl(FromQ(s.value)) : nullptr;
    QWidget* w = backend_.WidgetOf(*c);
    QWidget* o = other ? backend_.WidgetOf(*other) : nullptr;
    if (!w || !o) Fail(&s, QStringLiteral("%1 or %2 has no window").arg(s.control, s.value));
    const QRect mine(w->mapTo(w->window(), QPoint(0, 0)), w->size());
    const QRect its(o->mapTo(o->window(), QPoint(0, 0)), o->size());
    const int gap = mine.left() - its.right() - 1;
    const int drift = std::abs(mine.center().y() - its.center().y());
    if (gap < 0 || gap > 16 || 2 * drift > std::min(mine.height(), its.height()))
      Fail(&s, QStringLiteral("%1 is at %2,%3, %4 at %5,%6 (%7 x %8)")
                   .arg(s.control)
                   .arg(mine.x())
                   .arg(mine.y())
                   .arg(s.value)
                   .arg(its.x())
                   .arg(its.y())
                   .arg(its.width())
                   .arg(its.height()));
    Schedule(0);
    return;
  }
  if (s.verb == Verb::Numbers || s.verb == Verb::Reach || s.verb == Verb::Names) {
    const QString why = s.verb == Verb::Numbers ? CutNumber(backend_, c)
                        : s.verb == Verb::Names ? CutName(backend_, c)
                                                : Unreachable(backend_, c);
    if (!why.isEmpty()) Fail(&s, why);
    Schedule(0);
    return;
  }
  if (s.verb == Verb::Fits || s.verb == Verb::Mouse) {
    QWidget* w = backend_.WidgetOf(*c);
    if (!w || !c->Form()) Fail(&s, QStringLiteral("%1 has no window").arg(s.control));
    if (s.verb == Verb::Fits) {
      QWidget* culprit = nullptr;
      const QString why = Overflow(w, *c->Form(), culprit);
      // The whole of what scrolls, for a look at what does not fit.
      const QString dir = qEnvironmentVariable("VUMA_SNAPSHOT_DIR");
      if (!why.isEmpty() && culprit && !dir.isEmpty())
        culprit->grab().save(dir + "/E2E-FAIL-contents.png");
      if (!why.isEmpty()) Fail(&s, why);
      Schedule(0);
      return;
    }
    // The widget that takes the keyboard is the one clicked (a spin edit's line edit).
    QWidget* focus = w->focusProxy() ? w->focusProxy() : w;
    Schedule(0);
    QTest::mouseClick(focus, Qt::LeftButton, Qt::NoModifier, focus->rect().center());
    return;
  }
  switch (s.verb) {
    case Verb::Click: {
      const ClickRule* rule = nullptr;
      for (const ClickRule& r : kClicks)
        if (r.kind == k) rule = &r;
      if (!rule) Fail(&s, cannot(c));
      action = [c, click = rule->click] { click(c); };
      break;
    }
    case Verb::DblClick:
      if (k == ControlKind::StringGrid)
        action = [c] { static_cast<TStringGrid*>(c)->UserDblClick(); };
      else if (k == ControlKind::Edit || k == ControlKind::SpinEdit)
        action = [c] {
          if (auto& h = static_cast<TCustomEdit*>(c)->OnDblClick) h();
        };
      else
        Fail(&s, cannot(c));
      break;
    case Verb::Type: {
      const std::string text = FromQ(s.value);
      if (k == ControlKind::Edit || k == ControlKind::SpinEdit) {
        action = [c, text] { static_cast<TCustomEdit*>(c)->UserType(text); };
      } else if (k == ControlKind::ComboBox) {
        if (static_cast<TComboBox*>(c)->Style == TComboBoxStyle::csDropDownList)
          Fail(&s, "a list-only combo box: pick");
        action = [c, text] { static_cast<TComboBox*>(c)->UserSetText(text); };
      } else if (k == ControlKind::Memo) {
        action = [c, text] {
          if (c->TakeUserFocus() && !static_cast<TMemo*>(c)->ReadOnly)
            static_cast<TMemo*>(c)->SetText(text);
        };
      } else if (k == ControlKind::StringGrid) {
        auto* g = static_cast<TStringGrid*>(c);
        if (!g->Editing) Fail(&s, "the grid does not allow editing");
        action = [g, text] {
          if (g->TakeUserFocus()) g->SetCell(g->Col(), g->Row(), text);
        };
      } else {
        Fail(&s, QStringLiteral("%1 takes no typing").arg(s.control));
      }
      break;
    }
    case Verb::Leave: {
      TForm* f = c->Form();
      if (!f || f->ActiveControl() != c) {
        Log(QStringLiteral("E2E %1: %2 has not the focus").arg(s.line).arg(s.control));
        Schedule(0);
        return;
      }
      action = [f] { f->UserLeave(); };
      break;
    }
    case Verb::Pick: {
      const int i = s.a;
      if (k == ControlKind::ComboBox) {
        if (i < 0 || i >= static_cast<TComboBox*>(c)->Items.Count()) Fail(&s, "no such item");
        action = [c, i] {
          if (auto* port = dynamic_cast<TComComboBox*>(c))
            port->UserPickPort(i);
          else
            static_cast<TComboBox*>(c)->UserPick(i);
        };
      } else if (k == ControlKind::RadioGroup) {
        if (i < 0 || i >= static_cast<TRadioGroup*>(c)->Items.Count()) Fail(&s, "no such item");
        action = [c, i] { static_cast<TRadioGroup*>(c)->UserPick(i); };
      } else {
        Fail(&s, cannot(c));
      }
      break;
    }
    case Verb::Select: {
      if (k != ControlKind::StringGrid) Fail(&s, cannot(c));
      auto* g = static_cast<TStringGrid*>(c);
      const int col = s.a, row = s.b;
      if (col < g->FixedCols || row < g->FixedRows || col >= g->ColCount() || row >= g->RowCount())
        Fail(&s, "not a cell that can be selected");
      action = [g, col, row] { g->UserSelectCell(col, row); };
      break;
    }
    case Verb::Slide:
      if (k != ControlKind::Slider) Fail(&s, cannot(c));
      action = [c, v = s.real] { static_cast<TiSlider*>(c)->UserMove(v); };
      break;
    case Verb::Tab: {
      if (k != ControlKind::TabSheet)
        Fail(&s, QStringLiteral("%1 is not a tab page").arg(s.control));
      auto* page = static_cast<TTabSheet*>(c);
      TPageControl* pc = page->PageControl();
      if (!pc) Fail(&s, "the page has no page control");
      if (!page->Enabled()) {
        Log(QStringLiteral("E2E %1: the page is disabled: nothing happens").arg(s.line));
        Schedule(0);
        return;
      }
      on = pc;
      action = [pc, page] { pc->UserSelectTab(page); };
      break;
    }
    default:
      Fail(&s, "not a step on a control");
  }
  if (!EnabledChain(on)) {
    Log(QStringLiteral("E2E %1: %2 is disabled: nothing happens").arg(s.line).arg(ToQ(on->Name())));
    Schedule(0);
    return;
  }
  // The next step is armed first: the action may open a nested loop (a modal window, a box) that
  // returns only once later steps have closed it.
  Schedule(0);
  backend_.UserAction(*on, action);
}

}  // namespace qtb
