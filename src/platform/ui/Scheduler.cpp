#include "platform/ui/Scheduler.h"

#include <chrono>
#include <cstdint>
#include <exception>
#include <vector>

#include "platform/ui/Application.h"

namespace {
uint64_t g_timerOrder = 1;

class SteadyClock : public Clock {
 public:
  int64_t NowUs() const override {
    // Counted from the clock's own epoch rather than from the first reading: timers started
    // together then fall into the same grain of the tick grid, and share their wake-ups.
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
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
  CatchUp();
  if (items_.empty()) return false;
  atUs = items_.begin()->first.at;
  return true;
}

bool Scheduler::RunOne(int64_t limitUs) {
  WakeIdleTimers();
  // Input comes in before a due tick, after the quiet ticks due before that one.
  if (!drains_.empty() && !Draining() && !items_.empty()) {
    auto first = items_.begin();
    if (first->second.timer && first->first.at <= limitUs) DrainInput(first->first.at);
  }
  CatchUp();
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

uint64_t Scheduler::AddInputDrain(std::function<void()> drain) {
  const uint64_t id = nextId_++;
  drains_[id] = std::move(drain);
  return id;
}

void Scheduler::RemoveInputDrain(uint64_t id) { drains_.erase(id); }

void Scheduler::DrainInput(int64_t dueUs) {
  // A loop a handler opens while the drains run (a box) runs its ticks and drains as usual.
  struct Restore {
    Scheduler& s;
    int64_t at;
    int depth;
    ~Restore() {
      s.drainingBeforeUs_ = at;
      s.drainDepth_ = depth;
    }
  } restore{*this, drainingBeforeUs_, drainDepth_};
  drainingBeforeUs_ = dueUs;
  drainDepth_ = loopDepth_;
  // A drain may close its line (and remove itself) while handing its bytes on.
  std::vector<uint64_t> ids;
  for (auto& [id, fn] : drains_) ids.push_back(id);
  for (uint64_t id : ids) {
    auto it = drains_.find(id);
    if (it == drains_.end()) continue;
    auto fn = it->second;
    fn();
  }
}

void Scheduler::WakeIdleTimers() {
  if (parked_.empty()) return DeferQuietTicks();
  const bool draining = Draining();
  const int64_t now = draining ? drainingBeforeUs_ : NowUs();
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
    at = AlignTick(at);
    auto passed = [&](int64_t when) {
      if (draining) return when < now;
      return running_ ? Key{when, t->order_} < *running_ || when < now : when <= now;
    };
    while (passed(at)) at = AlignTick(at + period);
    woken.emplace_back(t, at);
    it = parked_.erase(it);
  }
  // Scheduling tells the backend, which may look at the idle timers again.
  for (auto& [t, at] : woken) ScheduleTimer(t, at);
  DeferQuietTicks();
}

void Scheduler::Place(TTimer* t, int64_t atUs) {
  Unplace(t);
  Key k{atUs, t->order_};
  items_[k] = Item{t, nullptr, 0};
  timerKeys_[t] = k;
}

void Scheduler::Unplace(TTimer* t) {
  auto it = timerKeys_.find(t);
  if (it == timerKeys_.end()) return;
  items_.erase(it->second);
  timerKeys_.erase(it);
}

void Scheduler::DeferQuietTicks() {
  if (!deferQuiet_ || catchingUp_) return;
  bool changed = false;
  // Timers ticking on time whose coming ticks are quiet start waiting.
  std::vector<TTimer*> quiet;
  for (auto& [t, key] : timerKeys_)
    if (t->QuietTicks && !deferred_.count(t)) quiet.push_back(t);
  for (TTimer* t : quiet) {
    if (t->QuietTicks(timerKeys_[t].at) == 0) continue;
    deferred_[t] = timerKeys_[t].at;
    Unplace(t);
  }
  // Every waiting timer waits for its first tick that is not quiet as things are now.
  for (auto it = deferred_.begin(); it != deferred_.end();) {
    TTimer* t = it->first;
    const int64_t first = it->second;
    const unsigned n = t->QuietTicks ? t->QuietTicks(first) : 0;
    const int64_t period = int64_t(t->interval_) * 1000;
    int64_t wake = -1;
    if (n == 0)
      wake = first;
    else if (n != TTimer::kAllQuiet)
      wake = first + int64_t(n) * period;
    auto placed = timerKeys_.find(t);
    const int64_t was = placed == timerKeys_.end() ? -1 : placed->second.at;
    if (wake != was) {
      changed = true;
      if (wake < 0)
        Unplace(t);
      else
        Place(t, wake);
    }
    it = n == 0 ? deferred_.erase(it) : std::next(it);
  }
  if (changed) Notify();
}

void Scheduler::CatchUp() {
  if (deferred_.empty() || catchingUp_ || loopDepth_ == 0) return;
  catchingUp_ = true;
  // While the drains run, only the ticks due before the one they run before.
  const int64_t now = Draining() ? drainingBeforeUs_ - 1 : NowUs();
  for (auto it = deferred_.begin(); it != deferred_.end();) {
    TTimer* t = it->first;
    auto placed = timerKeys_.find(t);
    const int64_t wake = placed == timerKeys_.end() ? INT64_MAX : placed->second.at;
    const int64_t period = int64_t(t->interval_) * 1000;
    int64_t& next = it->second;
    while (next <= now && next < wake) {
      if (t->OnTimer) {
        try {
          t->OnTimer();
        } catch (const std::exception&) {
          // A quiet tick only counts down; it has nothing to report.
        }
      }
      next += period;
    }
    // Caught up to the tick it waits at: that one runs on time like any other.
    it = next >= wake ? deferred_.erase(it) : std::next(it);
  }
  catchingUp_ = false;
}

void Scheduler::Reset() {
  parked_.clear();
  deferred_.clear();
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
  deferred_.erase(t);
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

int64_t TTimer::NextWakeUs() const {
  const auto& keys = Scheduler::Instance().timerKeys_;
  auto it = keys.find(const_cast<TTimer*>(this));
  return it == keys.end() ? -1 : it->second.at;
}

void TTimer::Arm() {
  auto& s = Scheduler::Instance();
  if (enabled_ && interval_ > 0)
    s.ScheduleTimer(this, s.AlignTick(s.NowUs() + int64_t(interval_) * 1000));
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
  // A late tick keeps the timer's phase, so timers started together keep sharing wake-ups.
  const int64_t period = int64_t(interval_) * 1000;
  int64_t next = dueUs + period;
  const int64_t now = s.NowUs();
  if (period > 0 && next <= now) next += ((now - next) / period + 1) * period;
  if (enabled_ && interval_ > 0) s.ScheduleTimer(this, s.AlignTick(next));
  if (OnTimer) TApplication::Dispatch(OnTimer);
}
