#pragma once
// Helpers shared by the building and the syncing of peer widgets (QtBuild.cpp, QtSync.cpp).
#include <QDate>
#include <QString>
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "platform/qt/QtText.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Instruments.h"

namespace qtb::peers {

// Columns of automatically laid-out controls are at most this tall, which keeps a page of the
// main window (742 high, less tool bar, tabs and status bar) free of vertical scrolling.
inline constexpr int kColumnHeight = 600;

inline bool HasPlace(const TControl& c) {
  return c.Left >= 0 && c.Top >= 0 && c.Width >= 0 && c.Height >= 0;
}
inline bool HasAnyBounds(const TControl& c) {
  return c.Left >= 0 || c.Top >= 0 || c.Width >= 0 || c.Height >= 0;
}

// Kinds that take the whole of a container when they are its only child.
inline bool Fills(ControlKind k) {
  switch (k) {
    case ControlKind::PageControl:
    case ControlKind::Memo:
    case ControlKind::StringGrid:
    case ControlKind::Plot:
    case ControlKind::SpectrumDisplay:
    case ControlKind::Panel:
    case ControlKind::ScrollBox:
    case ControlKind::GroupBox:
      return true;
    default:
      return false;
  }
}

// Kinds a caption label sits beside.
inline bool IsEditor(ControlKind k) {
  switch (k) {
    case ControlKind::Edit:
    case ControlKind::SpinEdit:
    case ControlKind::ComboBox:
    case ControlKind::AnalogDisplay:
    case ControlKind::AnalogOutput:
    case ControlKind::ProgressBar:
    case ControlKind::Slider:
      return true;
    default:
      return false;
  }
}

// Bounds mean nothing for these: they are placed by their parent's frame.
inline bool IgnoresBounds(ControlKind k) {
  switch (k) {
    case ControlKind::Form:
    case ControlKind::TabSheet:
    case ControlKind::MainMenu:
    case ControlKind::MenuItem:
    case ControlKind::ToolBar:
    case ControlKind::ToolButton:
    case ControlKind::StatusBar:
      return true;
    default:
      return false;
  }
}

// What an edit shows: its text, or its password character once for every character.
inline QString Shown(const TCustomEdit& e) {
  // One byte of the code page is one character.
  return e.PasswordChar ? QString(qsizetype(e.Text().size()), QChar::fromLatin1(e.PasswordChar))
                        : ToQ(e.Text());
}

// The widest value a numeric field can hold, as it shows it: the wider end of a spin edit's range;
// for an edit limited to a few characters (a number), that many digits; empty for a text field.
inline QString WidestNumber(const TCustomEdit& e) {
  if (e.Kind() == ControlKind::SpinEdit) {
    auto& s = static_cast<const TSpinEdit&>(e);
    const QString lo = QString::number(s.MinValue()), hi = QString::number(s.MaxValue());
    return lo.size() > hi.size() ? lo : hi;
  }
  if (e.Kind() == ControlKind::Edit && !e.PasswordChar && e.MaxLength > 0 && e.MaxLength <= 8)
    return QString(e.MaxLength, u'0');
  return QString();
}

// Day 0 of TDateTime.
inline const QDate kDateZero{1899, 12, 30};

// Slider positions are real numbers; the Qt slider counts steps: whole units when the range is
// whole and not too large, else a thousandth of the range.
struct SliderScale {
  double lo, hi;
  int steps;
  explicit SliderScale(const TiSlider& s)
      : lo(std::min(s.PositionMin(), s.PositionMax())),
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

inline int ItemsHash(const TStringList& items, int extra) {
  size_t h = std::hash<int>()(extra);
  for (const auto& s : items.Lines()) h = h * 31 + std::hash<std::string>()(s);
  return static_cast<int>(h ^ (h >> 32));
}

inline void SetVisibleIfChanged(QWidget* w, bool on) {
  if (w->isHidden() == on) w->setVisible(on);
}

}  // namespace qtb::peers
