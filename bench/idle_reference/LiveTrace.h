#pragma once
// What the connected program shows, as a trace of control states: which control changed when, and
// what it then showed. bench_live_trace records it from the program connected to the test relay on
// the virtual clock; bench_idle_reference replays it into the same windows with no link, so the
// widgets paint what they paint connected, at the same moments.
//
// A line: microseconds since the page came on show, form, control, then the control's state as
// fields (tab-separated, with \\, \t and \n escaped).
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/Application.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Instruments.h"

namespace livetrace {

using Fields = std::vector<std::string>;

inline std::string Num(double v) {
  char b[40];
  std::snprintf(b, sizeof b, "%.17g", v);
  return b;
}

// What a user sees of a control: the properties the program changes while connected.
inline Fields State(const TControl& c) {
  Fields f{c.Caption(),
           std::to_string(c.Enabled()),
           std::to_string(c.Visible()),
           std::to_string(c.Color()),
           std::to_string(c.FontColor()),
           std::to_string(c.FontBold())};
  auto add = [&f](std::string s) { f.push_back(std::move(s)); };
  switch (c.Kind()) {
    case ControlKind::Edit:
    case ControlKind::SpinEdit:
      add(static_cast<const TCustomEdit&>(c).Text());
      break;
    case ControlKind::CheckBox:
      add(std::to_string(int(static_cast<const TCheckBox&>(c).State())));
      break;
    case ControlKind::RadioButton:
      add(std::to_string(static_cast<const TRadioButton&>(c).Checked()));
      break;
    case ControlKind::RadioGroup:
      add(std::to_string(static_cast<const TRadioGroup&>(c).ItemIndex()));
      break;
    case ControlKind::ComboBox:
      add(std::to_string(static_cast<const TComboBox&>(c).ItemIndex()));
      break;
    case ControlKind::StringGrid: {
      auto& g = static_cast<const TStringGrid&>(c);
      add(std::to_string(g.ColCount()));
      add(std::to_string(g.RowCount()));
      for (int r = 0; r < g.RowCount(); ++r)
        for (int k = 0; k < g.ColCount(); ++k) add(g.Cell(k, r));
      break;
    }
    case ControlKind::Memo:
      add(static_cast<const TMemo&>(c).Text());
      break;
    case ControlKind::ProgressBar: {
      auto& p = static_cast<const TProgressBar&>(c);
      add(std::to_string(p.Min()));
      add(std::to_string(p.Max()));
      add(std::to_string(p.Position()));
      break;
    }
    case ControlKind::StatusBar:
      for (const TStatusPanel& p : static_cast<const TStatusBar&>(c).Panels) add(p.Text);
      break;
    case ControlKind::Led:
    case ControlKind::SwitchLed: {
      auto& l = static_cast<const TiLedRectangle&>(c);
      add(std::to_string(l.Active()));
      add(std::to_string(l.ActiveColor()));
      add(std::to_string(l.InactiveColor()));
      break;
    }
    case ControlKind::Slider:
      add(Num(static_cast<const TiSlider&>(c).Position()));
      break;
    case ControlKind::AngularGauge:
      add(Num(static_cast<const TiAngularGauge&>(c).Position()));
      break;
    case ControlKind::AnalogDisplay:
    case ControlKind::AnalogOutput: {
      auto& d = static_cast<const TiAnalogDisplay&>(c);
      add(Num(d.Value()));
      add(std::to_string(d.Precision));
      break;
    }
    case ControlKind::Plot: {
      // Per channel: shown or not, and its newest point (a new one is added on replay).
      auto& p = static_cast<const TiPlot&>(c);
      for (int i = 0; i < p.ChannelCount(); ++i) {
        const TiPlot::Channel& ch = p.GetChannel(i);
        add(std::to_string(ch.Visible) + std::to_string(ch.VisibleInLegend));
        add(ch.Points.empty() ? ""
                              : Num(ch.Points.back().first) + " " + Num(ch.Points.back().second));
      }
      break;
    }
    case ControlKind::SpectrumDisplay: {
      auto& s = static_cast<const TiSpectrumDisplay&>(c);
      for (int i = 0; i < s.BarCount(); ++i) add(Num(s.Bar(i)));
      break;
    }
    case ControlKind::SlideSwitch:
    case ControlKind::ToggleSwitch:
      add(std::to_string(static_cast<const TiSwitch&>(c).Active()));
      break;
    case ControlKind::SwitchSlider:
      add(std::to_string(static_cast<const TiSwitchSlider&>(c).Position()));
      break;
    case ControlKind::MenuItem:
      add(std::to_string(static_cast<const TMenuItem&>(c).Checked()));
      break;
    default:
      break;
  }
  return f;
}

// Runs `set` with the handler slot emptied: the replay shows, it does not act.
template <class Slot, class Fn>
void Quietly(Slot& slot, Fn set) {
  auto held = std::exchange(slot, nullptr);
  set();
  slot = std::move(held);
}

// Puts the recorded state on a control of the same windows; a state equal to the shown one still
// tells the backend, as the program's own repaint requests (the activity panel) do.
inline void Apply(TControl& c, const Fields& f) {
  if (f.size() < 6) return;
  auto i = [&f](size_t k) { return k < f.size() ? std::stoll(f[k]) : 0; };
  auto d = [&f](size_t k) { return k < f.size() ? std::stod(f[k]) : 0.0; };
  if (State(c) == f) {
    if (ControlObserver* o = TControl::Observer()) o->ControlChanged(c);
    return;
  }
  c.SetCaption(f[0]);
  c.SetEnabled(i(1));
  c.SetVisible(i(2));
  c.SetColor(TColor(i(3)));
  c.SetFontColor(TColor(i(4)));
  c.SetFontBold(i(5));
  switch (c.Kind()) {
    case ControlKind::Edit:
    case ControlKind::SpinEdit: {
      auto& e = static_cast<TCustomEdit&>(c);
      if (f.size() > 6) Quietly(e.OnChange, [&] { e.SetText(f[6]); });
      break;
    }
    case ControlKind::CheckBox: {
      auto& b = static_cast<TCheckBox&>(c);
      Quietly(b.OnClick, [&] { b.SetState(TCheckBoxState(i(6))); });
      break;
    }
    case ControlKind::RadioButton: {
      auto& b = static_cast<TRadioButton&>(c);
      Quietly(b.OnClick, [&] { b.SetChecked(i(6)); });
      break;
    }
    case ControlKind::RadioGroup: {
      auto& g = static_cast<TRadioGroup&>(c);
      Quietly(g.OnClick, [&] { g.SetItemIndex(int(i(6))); });
      break;
    }
    case ControlKind::ComboBox:
      static_cast<TComboBox&>(c).SetItemIndex(int(i(6)));
      break;
    case ControlKind::StringGrid: {
      auto& g = static_cast<TStringGrid&>(c);
      const int cols = int(i(6)), rows = int(i(7));
      g.SetColCount(cols);
      g.SetRowCount(rows);
      size_t k = 8;
      for (int r = 0; r < rows; ++r)
        for (int col = 0; col < cols && k < f.size(); ++col, ++k) g.SetCell(col, r, f[k]);
      break;
    }
    case ControlKind::Memo: {
      auto& m = static_cast<TMemo&>(c);
      if (f.size() > 6) Quietly(m.OnChange, [&] { m.SetText(f[6]); });
      break;
    }
    case ControlKind::ProgressBar: {
      auto& p = static_cast<TProgressBar&>(c);
      p.SetMin(int(i(6)));
      p.SetMax(int(i(7)));
      p.SetPosition(int(i(8)));
      break;
    }
    case ControlKind::StatusBar: {
      auto& s = static_cast<TStatusBar&>(c);
      for (size_t k = 6; k < f.size(); ++k) s.SetPanelText(int(k - 6), f[k]);
      s.Invalidate();
      break;
    }
    case ControlKind::Led:
    case ControlKind::SwitchLed: {
      auto& l = static_cast<TiLedRectangle&>(c);
      l.SetActive(i(6));
      l.SetActiveColor(TColor(i(7)));
      l.SetInactiveColor(TColor(i(8)));
      break;
    }
    case ControlKind::Slider: {
      auto& s = static_cast<TiSlider&>(c);
      Quietly(s.OnPositionChange, [&] { s.SetPosition(d(6)); });
      break;
    }
    case ControlKind::AngularGauge:
      static_cast<TiAngularGauge&>(c).SetPosition(d(6));
      break;
    case ControlKind::AnalogDisplay:
    case ControlKind::AnalogOutput: {
      auto& a = static_cast<TiAnalogDisplay&>(c);
      a.SetPrecision(int(i(7)));
      a.SetValue(d(6));
      break;
    }
    case ControlKind::Plot: {
      auto& p = static_cast<TiPlot&>(c);
      for (int ch = 0; ch < p.ChannelCount() && size_t(7 + 2 * ch) < f.size(); ++ch) {
        const std::string& shown = f[size_t(6 + 2 * ch)];
        if (shown.size() == 2) p.SetChannelVisible(ch, shown[0] == '1', shown[1] == '1');
        const std::string& point = f[size_t(7 + 2 * ch)];
        const size_t sp = point.find(' ');
        if (sp == std::string::npos) continue;
        const double x = std::stod(point.substr(0, sp)), y = std::stod(point.substr(sp + 1));
        const auto& pts = p.GetChannel(ch).Points;
        if (pts.empty() || pts.back() != std::make_pair(x, y)) p.AddXY(ch, x, y);
      }
      break;
    }
    case ControlKind::SpectrumDisplay: {
      auto& s = static_cast<TiSpectrumDisplay&>(c);
      if (s.BarCount() < int(f.size()) - 6) s.SetBarCount(int(f.size()) - 6);
      for (size_t k = 6; k < f.size(); ++k) s.SetBar(int(k - 6), d(k));
      break;
    }
    case ControlKind::SlideSwitch:
    case ControlKind::ToggleSwitch:
      static_cast<TiSwitch&>(c).SetActive(i(6));
      break;
    case ControlKind::SwitchSlider:
      static_cast<TiSwitchSlider&>(c).SetPosition(int(i(6)));
      break;
    case ControlKind::MenuItem:
      static_cast<TMenuItem&>(c).SetChecked(i(6));
      break;
    default:
      break;
  }
}

inline std::string Escape(const std::string& s) {
  std::string o;
  for (char ch : s) {
    if (ch == '\\')
      o += "\\\\";
    else if (ch == '\t')
      o += "\\t";
    else if (ch == '\n')
      o += "\\n";
    else if (ch == '\r')
      o += "\\r";
    else
      o += ch;
  }
  return o;
}

inline std::string Unescape(const std::string& s) {
  std::string o;
  for (size_t k = 0; k < s.size(); ++k) {
    if (s[k] != '\\' || k + 1 == s.size()) {
      o += s[k];
      continue;
    }
    const char n = s[++k];
    o += n == 't' ? '\t' : n == 'n' ? '\n' : n == 'r' ? '\r' : n;
  }
  return o;
}

struct Entry {
  int64_t atUs = 0;
  std::string form, control;
  Fields state;
};

inline std::string Line(const Entry& e) {
  std::string l = std::to_string(e.atUs) + "\t" + e.form + "\t" + e.control;
  for (const std::string& f : e.state) l += "\t" + Escape(f);
  return l;
}

inline bool Parse(const std::string& line, Entry& e) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t tab = line.find('\t', start);
    parts.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  if (parts.size() < 3) return false;
  e.atUs = std::stoll(parts[0]);
  e.form = parts[1];
  e.control = parts[2];
  e.state.clear();
  for (size_t k = 3; k < parts.size(); ++k) e.state.push_back(Unescape(parts[k]));
  return true;
}

// A control by name below a root (depth first), or the root itself.
inline TControl* Find(TControl& root, const std::string& name) {
  if (root.Name() == name) return &root;
  for (TControl* c : root.Children())
    if (c)
      if (TControl* hit = Find(*c, name)) return hit;
  return nullptr;
}

inline TForm* FormNamed(TApplication& app, const std::string& name) {
  for (const auto& f : app.Forms())
    if (f->Name() == name) return f.get();
  return nullptr;
}

// The channel groups of the Recorder page: all of them ticked, every trace drawn.
inline const std::vector<std::string>& RecorderGroups() {
  static const std::vector<std::string> g{"DF_Inp", "ExtDF_Inp", "Rel", "ExtRel", "PLC_Inp",
                                          "Cntr",   "Tmr",       "LF_", "Latch",  "Other",
                                          "AF",     "TF",        "RTD"};
  return g;
}

}  // namespace livetrace
