#include "platform/ui/Scheduler.h"

#include <chrono>
#include <vector>

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

bool Scheduler::NextDue(int64_t& atUs) {
  WakeIdleTimers();
  if (items_.empty()) return false;
  atUs = items_.begin()->first.at;
  return true;
}

bool Scheduler::RunOne(int64_t limitUs) {
  WakeIdleTimers();
  if (items_.empty()) return false;
  auto it = items_.begin();
  if (it->first.at > limitUs) return false;
  const Key key = it->first;
  Item item = std::move(it->second);
  items_.erase(it);
  const Key* outer = running_;
  running_ = &key;
  struct Restore {
    const Key*& slot;
    const Key* value;
    ~Restore() { slot = value; }
  } restore{running_, outer};
  if (item.timer) {
    timerKeys_.erase(item.timer);
    if (item.timer->Idle && item.timer->Idle())
      ParkTimer(item.timer, key.at);
    else
      item.timer->Fire(key.at);
  } else {
    postKeys_.erase(item.id);
    TApplication::Dispatch(item.fn);
  }
  return true;
}

void Scheduler::ParkTimer(TTimer* t, int64_t dueUs) { parked_[t] = dueUs; }

void Scheduler::WakeIdleTimers() {
  if (parked_.empty()) return;
  const int64_t now = NowUs();
  std::vector<std::pair<TTimer*, int64_t>> woken;
  for (auto it = parked_.begin(); it != parked_.end();) {
    TTimer* t = it->first;
    if (t->Idle && t->Idle()) {
      ++it;
      continue;
    }
    // The first tick of its phase that has not been passed yet: a tick at this very time still
    // runs when it would have come after the item running now.
    const int64_t period = int64_t(t->interval_) * 1000;
    int64_t at = it->second + period;
    if (at < now) at += (now - at) / period * period;
    auto passed = [&](int64_t when) {
      return running_ ? Key{when, t->order_} < *running_ || when < now : when <= now;
    };
    while (passed(at)) at += period;
    woken.emplace_back(t, at);
    it = parked_.erase(it);
  }
  // Scheduling tells the backend, which may look at the idle timers again.
  for (auto& [t, at] : woken) ScheduleTimer(t, at);
}

void Scheduler::Reset() {
  parked_.clear();
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
  parked_.erase(t);
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
