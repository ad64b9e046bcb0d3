#include "platform/ui/Instruments.h"

#include <algorithm>

#include "platform/ui/Forms.h"

TiSwitchLed::TiSwitchLed(TControl* parent, std::string name, const std::string& caption)
    : TiLedRectangle(parent, std::move(name), caption, ControlKind::SwitchLed) {}

void TiSwitchLed::UserClick() {
  if (!Enabled()) return;
  SetActive(!Active());
  if (OnClick) OnClick();
}

void TiSlider::SetPosition(double v) {
  double c = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
  if (c == pos_) return;
  pos_ = c;
  Changed();
  if (OnPositionChange) OnPositionChange();
}

void TiSlider::UserMove(double v) {
  if (!Enabled()) return;
  if (!TakeUserFocus()) return;
  SetPosition(v);
  if (OnPositionChangeFinished) OnPositionChangeFinished();
}

void TiAngularGauge::Refresh() {
  Scale now{PositionMin, PositionMax, TickMajorCount, Sections};
  if (now == shown_) return;
  shown_ = std::move(now);
  Changed();
}

void TiSpectrumDisplay::SetBarCount(int n) {
  n = std::max(n, 0);
  if (BarCount() == n && std::all_of(bars_.begin(), bars_.end(), [](double v) { return v == 0.0; }))
    return;
  bars_.assign(size_t(n), 0.0);
  Changed();
}

int TiPlot::AddChannel(const std::string& title, TColor c) {
  Channel ch;
  ch.Title = title;
  ch.Color = c;
  channels_.push_back(std::move(ch));
  Changed();
  return ChannelCount() - 1;
}

void TiPlot::SetChannelVisible(int i, bool chart, bool legend) {
  if (i < 0 || i >= ChannelCount()) return;
  Channel& ch = channels_[i];
  if (ch.Visible == chart && ch.VisibleInLegend == legend) return;
  ch.Visible = chart;
  ch.VisibleInLegend = legend;
  Changed();
}

static void AddToRing(std::deque<std::pair<double, double>>& pts, size_t ring, double x, double y) {
  pts.emplace_back(x, y);
  while (pts.size() > ring) pts.pop_front();
}

void TiPlot::AddXY(int channel, double x, double y) {
  if (channel < 0 || channel >= ChannelCount()) return;
  AddToRing(channels_[channel].Points, RingSize, x, y);
  Changed();
}

void TiPlot::AddDataArray(double x, const std::vector<double>& ys) {
  const size_t n = std::min(ys.size(), channels_.size());
  for (size_t i = 0; i < n; ++i) AddToRing(channels_[i].Points, RingSize, x, ys[i]);
  Changed();
}

void TiPlot::ClearAll() {
  for (auto& ch : channels_) ch.Points.clear();
  Changed();
}

void TiSwitch::UserFlip() {
  if (!Enabled()) return;
  SetActive(!Active());
  if (OnChange) OnChange();
}
