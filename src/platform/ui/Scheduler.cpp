#include "platform/ui/Scheduler.h"

#include <chrono>

#include "platform/ui/Application.h"

namespace {
uint64_t g_timerOrder = 1;

class SteadyClock : public Clock {
 public:
  int64_t NowUs() const override {
    using namespace std::chrono;
    static const auto start = steady_clock::now();
    return duration_cast<microseconds>(steady_clock::now() - start).count();
  }
};
}  // namespace

Scheduler& Scheduler::Instance() {
  static Scheduler s;
  return s;
}

int64_t Scheduler::NowUs() const {
  static SteadyClock steady;
  return clock_ ? clock_->NowUs() : steady.NowUs();
}

uint64_t Scheduler::Post(int64_t atUs, std::function<void()> fn) {
  Key k{atUs, nextSeq_++};
  uint64_t id = nextId_++;
  items_[k] = Item{nullptr, std::move(fn), id};
  postKeys_[id] = k;
  Notify();
  return id;
}

void Scheduler::Cancel(uint64_t id) {
  auto it = postKeys_.find(id);
  if (it == postKeys_.end()) return;
  items_.erase(it->second);
  postKeys_.erase(it);
}

bool Scheduler::NextDue(int64_t& atUs) const {
  if (items_.empty()) return false;
  atUs = items_.begin()->first.at;
  return true;
}

bool Scheduler::RunOne(int64_t limitUs) {
  if (items_.empty()) return false;
  auto it = items_.begin();
  if (it->first.at > limitUs) return false;
  Key key = it->first;
  Item item = std::move(it->second);
  items_.erase(it);
  if (item.timer) {
    timerKeys_.erase(item.timer);
    item.timer->Fire(key.at);
  } else {
    postKeys_.erase(item.id);
    TApplication::Dispatch(item.fn);
  }
  return true;
}

void Scheduler::Reset() {
  items_.clear();
  timerKeys_.clear();
  postKeys_.clear();
}

void Scheduler::ScheduleTimer(TTimer* t, int64_t atUs) {
  UnscheduleTimer(t);
  Key k{atUs, t->order_};
  items_[k] = Item{t, nullptr, 0};
  timerKeys_[t] = k;
  Notify();
}

void Scheduler::UnscheduleTimer(TTimer* t) {
  auto it = timerKeys_.find(t);
  if (it == timerKeys_.end()) return;
  items_.erase(it->second);
  timerKeys_.erase(it);
}

TTimer::TTimer(unsigned interval, bool enabled)
    : order_(g_timerOrder++), interval_(interval), enabled_(enabled) {
  Arm();
}

TTimer::~TTimer() { Scheduler::Instance().UnscheduleTimer(this); }

void TTimer::Arm() {
  auto& s = Scheduler::Instance();
  if (enabled_ && interval_ > 0)
    s.ScheduleTimer(this, s.NowUs() + int64_t(interval_) * 1000);
  else
    s.UnscheduleTimer(this);
}

void TTimer::SetEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  Arm();
}

void TTimer::SetInterval(uint32_t ms) {
  interval_ = ms;
  Arm();
}

void TTimer::Fire(int64_t dueUs) {
  auto& s = Scheduler::Instance();
  // Re-arm before the handler runs, so a modal loop inside the handler sees the next tick.
  // Ticks missed while the loop was busy are not made up.
  int64_t next = dueUs + int64_t(interval_) * 1000;
  if (next <= s.NowUs()) next = s.NowUs() + int64_t(interval_) * 1000;
  if (enabled_ && interval_ > 0) s.ScheduleTimer(this, next);
  if (OnTimer) TApplication::Dispatch(OnTimer);
}
