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

int TiPlot::AddChannel(const std::string& title, TColor c) {
  channels_.push_back(Channel{title, c, true, {}});
  Changed();
  return ChannelCount() - 1;
}

void TiPlot::AddXY(int channel, double x, double y) {
  if (channel < 0 || channel >= ChannelCount()) return;
  auto& pts = channels_[channel].Points;
  pts.emplace_back(x, y);
  while (pts.size() > RingSize) pts.pop_front();
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
