#pragma once
// Instrument widgets: lamps, switch lamps, sliders, gauges, analogue displays, plots, spectrum.
// Decisions kept here for the whole program:
//  - setting a lamp's or switch lamp's Active from code fires nothing;
//  - a user's click on a switch lamp toggles Active first, then fires OnClick;
//  - a user's flip of a slide or toggle switch changes Active first, then fires OnChange;
//  - analogue displays show Value with Precision decimals (default 0);
//  - setting a multi-position switch's Position from code fires nothing.
#include <deque>
#include <string>
#include <vector>

#include "platform/ui/Controls.h"

class TiLedRectangle : public TControl {
 public:
  TiLedRectangle(TControl* parent, std::string name, const std::string& caption = "")
      : TControl(parent, std::move(name), ControlKind::Led) {
    SetCaption(caption);
  }
  bool Active() const { return active_; }
  void SetActive(bool on) {
    if (active_ != on) {
      active_ = on;
      Changed();
    }
  }
  TColor ActiveColor() const { return activeColor_; }
  void SetActiveColor(TColor c) {
    if (activeColor_ != c) {
      activeColor_ = c;
      Changed();
    }
  }
  TColor InactiveColor() const { return inactiveColor_; }
  void SetInactiveColor(TColor c) {
    if (inactiveColor_ != c) {
      inactiveColor_ = c;
      Changed();
    }
  }

 protected:
  TiLedRectangle(TControl* parent, std::string name, const std::string& caption, ControlKind kind)
      : TControl(parent, std::move(name), kind) {
    SetCaption(caption);
  }

 private:
  bool active_ = false;
  TColor activeColor_ = clLime, inactiveColor_ = clGray;
};

class TiSwitchLed : public TiLedRectangle {
 public:
  TiSwitchLed(TControl* parent, std::string name, const std::string& caption = "");
  TNotifyEvent OnClick;
  void UserClick();
};

class TiSlider : public TControl {
 public:
  TiSlider(TControl* parent, std::string name)
      : TControl(parent, std::move(name), ControlKind::Slider) {}
  double Position() const { return pos_; }
  // OnPositionChange when it changed.
  void SetPosition(double v);
  double PositionMin() const { return min_; }
  double PositionMax() const { return max_; }
  void SetPositionMin(double v) {
    min_ = v;
    SetPosition(pos_);
  }
  void SetPositionMax(double v) {
    max_ = v;
    SetPosition(pos_);
  }
  TNotifyEvent OnPositionChange;
  TNotifyEvent OnPositionChangeFinished;
  // A user's drag ending at v: OnPositionChange (if changed) then OnPositionChangeFinished.
  void UserMove(double v);

 private:
  double pos_ = 0, min_ = 0, max_ = 100;
};

struct TGaugeSection {
  double End = 0;
  TColor Color = clLime;
  bool operator==(const TGaugeSection&) const = default;
};

class TiAngularGauge : public TControl {
 public:
  TiAngularGauge(TControl* parent, std::string name)
      : TControl(parent, std::move(name), ControlKind::AngularGauge) {}
  double Position() const { return pos_; }
  void SetPosition(double v) {
    if (pos_ != v) {
      pos_ = v;
      Changed();
    }
  }
  double PositionMin = 0, PositionMax = 100;
  int TickMajorCount = 6;
  std::vector<TGaugeSection> Sections;  // coloured arcs, each up to End
  // Shows the scale fields above; a scale equal to the one last shown repaints nothing.
  void Refresh();

 private:
  struct Scale {
    double Min = 0, Max = 100;
    int Ticks = 6;
    std::vector<TGaugeSection> Sections;
    bool operator==(const Scale&) const = default;
  };
  double pos_ = 0;
  Scale shown_;
};

class TiAnalogDisplay : public TControl {
 public:
  TiAnalogDisplay(TControl* parent, std::string name, ControlKind kind = ControlKind::AnalogDisplay)
      : TControl(parent, std::move(name), kind) {}
  double Value() const { return value_; }
  void SetValue(double v) {
    if (value_ != v) {
      value_ = v;
      Changed();
    }
  }
  int Precision = 0;
  // Changes the decimals shown, repainting the display (a plain write of Precision waits for the
  // next value).
  void SetPrecision(int p) {
    if (Precision != p) {
      Precision = p;
      Changed();
    }
  }

 private:
  double value_ = 0;
};

class TiAnalogOutput : public TiAnalogDisplay {
 public:
  TiAnalogOutput(TControl* parent, std::string name)
      : TiAnalogDisplay(parent, std::move(name), ControlKind::AnalogOutput) {}
};

// A plot of several channels against time; each channel keeps a ring of its latest points.
// The time axis shows the last XSpan of X up to the newest point; with an XLabelFormat the X
// values are date-times (days) and the labels are formatted with it ("hh:nn:ss").
class TiPlot : public TControl {
 public:
  TiPlot(TControl* parent, std::string name)
      : TControl(parent, std::move(name), ControlKind::Plot) {}
  struct Channel {
    std::string Title;
    TColor Color = clLime;
    bool Visible = true;
    std::deque<std::pair<double, double>> Points;
    bool VisibleInLegend = true;
  };
  int AddChannel(const std::string& title = "", TColor c = clLime);
  int ChannelCount() const { return static_cast<int>(channels_.size()); }
  Channel& GetChannel(int i) { return channels_.at(i); }
  const Channel& GetChannel(int i) const { return channels_.at(i); }
  // Shows or hides a channel in the chart and in the legend.
  void SetChannelVisible(int i, bool chart, bool legend);
  void AddXY(int channel, double x, double y);
  // One point for every channel at once: ys[i] goes to channel i (extra values are ignored,
  // channels without a value get none).
  void AddDataArray(double x, const std::vector<double>& ys);
  void ClearAll();
  void ClearAllData() { ClearAll(); }
  size_t RingSize = 1000;
  double XSpan = 60;  // shown width of the time axis
  std::string XLabelFormat;
  double YMin = 0, YMax = 100;
  bool YAutoScale = false;  // the value axis follows the points shown
  std::string Title, XAxisTitle, YAxisTitle;
  bool LegendVisible = true;  // at the right side
 private:
  std::vector<Channel> channels_;
};

class TiSpectrumDisplay : public TControl {
 public:
  TiSpectrumDisplay(TControl* parent, std::string name)
      : TControl(parent, std::move(name), ControlKind::SpectrumDisplay) {}
  int BarCount() const { return static_cast<int>(bars_.size()); }
  void SetBarCount(int n);
  double Bar(int i) const { return i >= 0 && i < BarCount() ? bars_[i] : 0.0; }
  void SetBar(int i, double v) {
    if (i >= 0 && i < BarCount() && bars_[i] != v) {
      bars_[i] = v;
      Changed();
    }
  }
  double Max = 100;

 private:
  std::vector<double> bars_;
};

class TiSwitch : public TControl {
 public:
  TiSwitch(TControl* parent, std::string name, ControlKind kind)
      : TControl(parent, std::move(name), kind) {}
  bool Active() const { return active_; }
  void SetActive(bool on) {
    if (active_ != on) {
      active_ = on;
      Changed();
    }
  }  // fires nothing
  TNotifyEvent OnChange;
  void UserFlip();

 private:
  bool active_ = false;
};

class TiSlideSwitch : public TiSwitch {
 public:
  TiSlideSwitch(TControl* parent, std::string name)
      : TiSwitch(parent, std::move(name), ControlKind::SlideSwitch) {}
};

class TiToggleSwitch : public TiSwitch {
 public:
  TiToggleSwitch(TControl* parent, std::string name)
      : TiSwitch(parent, std::move(name), ControlKind::ToggleSwitch) {}
};

// A switch of a few fixed positions, each with its caption; shows a state the program sets.
class TiSwitchSlider : public TControl {
 public:
  TiSwitchSlider(TControl* parent, std::string name, std::vector<std::string> captions = {})
      : TControl(parent, std::move(name), ControlKind::SwitchSlider),
        captions_(std::move(captions)) {}
  int PositionCount() const { return captions_.empty() ? 1 : static_cast<int>(captions_.size()); }
  int Position() const { return pos_; }
  // Clamped to the positions there are; fires nothing.
  void SetPosition(int p) {
    p = p < 0 ? 0 : (p >= PositionCount() ? PositionCount() - 1 : p);
    if (pos_ != p) {
      pos_ = p;
      Changed();
    }
  }
  const std::vector<std::string>& PositionCaptions() const { return captions_; }
  std::string PositionCaption(int i) const {
    return i >= 0 && i < static_cast<int>(captions_.size()) ? captions_[i] : std::string();
  }

 private:
  std::vector<std::string> captions_;
  int pos_ = 0;
};
