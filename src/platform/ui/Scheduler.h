#pragma once
// One scheduler owns every timer and every posted event (serial arrivals) for both backends.
// Only the clock differs: virtual in the headless backend, the steady clock in the Qt one.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>

class TTimer;

class Clock {
 public:
  virtual ~Clock() = default;
  virtual int64_t NowUs() const = 0;
};

class Scheduler {
 public:
  static Scheduler& Instance();

  void SetClock(const Clock* clock) { clock_ = clock; }
  // Timer ticks come due only on multiples of this many microseconds (0: exactly on time), so
  // timers whose periods share the grid also share their wake-ups. Ticks then come up to one
  // grain late, as with a system timer of that resolution.
  void SetTimerGrain(int64_t us) { grainUs_ = us; }
  int64_t AlignTick(int64_t atUs) const {
    return grainUs_ > 0 ? (atUs + grainUs_ - 1) / grainUs_ * grainUs_ : atUs;
  }
  int64_t NowUs() const;
  int64_t NowMs() const { return NowUs() / 1000; }

  // A one-shot event at an absolute time; ties run in posting order.
  uint64_t Post(int64_t atUs, std::function<void()> fn);
  void Cancel(uint64_t id);

  // Earliest due item, if any. Timers passed over as idle come back here first when their
  // handler would now have something to do.
  bool NextDue(int64_t& atUs);
  // Runs the earliest item if it is due at or before `limitUs`; returns false when nothing was due.
  // Handlers run through the application's dispatch point, so nothing escapes into the loop.
  bool RunOne(int64_t limitUs);

  // Timers fire only while some message loop runs.
  int LoopDepth() const { return loopDepth_; }
  struct LoopGuard {
    LoopGuard() { ++Scheduler::Instance().loopDepth_; }
    ~LoopGuard() { --Scheduler::Instance().loopDepth_; }
  };

  // Called whenever the set of due items changes; the Qt backend re-arms its pump here.
  std::function<void()> OnScheduleChanged;

  // For tests: forget every timer and event (timers stay registered but unscheduled).
  void Reset();

  // Brings back the idle timers that have work again, and puts off the quiet ticks that are
  // coming; the dispatch point calls it after every handler, so a change a handler makes wakes
  // the loop when it needs to.
  void WakeIdleTimers();

  // Lets quiet ticks (TTimer::QuietTicks) wait for the next handler instead of waking the loop
  // (the Qt backend; the virtual clock keeps every tick on time).
  void SetDeferQuietTicks(bool on) { deferQuiet_ = on; }
  // Runs the quiet ticks put off until now, in order; the dispatch point calls it before every
  // handler, so no handler sees a countdown behind.
  void CatchUp();

  // Input that the loop takes in when it wakes for a timer instead of being woken by it (a serial
  // line): every drain runs right before each due tick, so the tick and every handler after it see
  // what arrived before it, as if it had been handed on as it came. A drain hands what it reads
  // on through the application's dispatch point. Returns an id for RemoveInputDrain.
  uint64_t AddInputDrain(std::function<void()> drain);
  void RemoveInputDrain(uint64_t id);

 private:
  friend class TTimer;
  struct Key {
    int64_t at;
    uint64_t seq;
    bool operator<(const Key& o) const { return at != o.at ? at < o.at : seq < o.seq; }
  };
  struct Item {
    TTimer* timer = nullptr;
    std::function<void()> fn;
    uint64_t id = 0;
  };
  void ScheduleTimer(TTimer* t, int64_t atUs);
  void UnscheduleTimer(TTimer* t);
  // Holds a due tick of an idle timer: it runs no handler and takes no wake-up until the timer
  // has work again, then goes on at its own phase (`dueUs` plus whole intervals).
  void ParkTimer(TTimer* t, int64_t dueUs);
  // Quiet ticks: the timer waits at its first tick that is not quiet (or nowhere while all are).
  void DeferQuietTicks();
  void Place(TTimer* t, int64_t atUs);
  void Unplace(TTimer* t);
  void Notify() {
    if (OnScheduleChanged) OnScheduleChanged();
  }
  // Runs the drains before the tick due at `dueUs`.
  void DrainInput(int64_t dueUs);

  const Clock* clock_ = nullptr;
  int64_t grainUs_ = 0;
  std::map<Key, Item> items_;
  std::map<TTimer*, Key> timerKeys_;
  std::map<uint64_t, Key> postKeys_;
  std::map<TTimer*, int64_t> parked_;    // idle timers and the due time of the tick passed over
  const Key* running_ = nullptr;         // the item whose handler runs now
  std::map<TTimer*, int64_t> deferred_;  // timers with quiet ticks put off: the first one's time
  bool deferQuiet_ = false, catchingUp_ = false;
  std::map<uint64_t, std::function<void()>> drains_;
  // While the drains run: the due time of the tick they run before. Idle timers that what they
  // hand on wakes count their ticks from it, so a tick due then still runs, as it would have after
  // an arrival handled when it came.
  int64_t drainingBeforeUs_ = -1;
  int drainDepth_ = -1;  // the loop whose pump runs the drains
  bool Draining() const { return drainDepth_ == loopDepth_; }
  uint64_t nextSeq_ =
      1ull << 32;  // posted events order after timers created earlier at the same time
  uint64_t nextId_ = 1;
  int loopDepth_ = 0;
};

// The component timer: fires on the UI thread, only while a message loop runs.
class TTimer {
 public:
  explicit TTimer(unsigned interval = 1000, bool enabled = true);
  ~TTimer();
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;

  bool Enabled() const { return enabled_; }
  // Enabling an enabled timer does not restart its period.
  void SetEnabled(bool on);
  uint32_t Interval() const { return interval_; }
  // Setting the interval restarts the period; 0 never fires.
  void SetInterval(uint32_t ms);

  std::function<void()> OnTimer;
  std::string Name;
  // Optional: true while a tick would change nothing (the handler would find no work). Such
  // ticks are passed over without waking the loop; the timer comes back on its own phase as
  // soon as this turns false, so what the ticks do and when they do it stays the same.
  std::function<bool()> Idle;
  // Optional: how many of the coming ticks, the first due at `firstUs`, only count down state of
  // the timer's own that no other handler looks at before they have all run (kAllQuiet: every
  // tick until some handler changes something). Where the backend allows it such ticks run late,
  // all together, right before the next handler of any kind or when the first tick that is not
  // quiet comes due, so the loop does not wake for them.
  static constexpr unsigned kAllQuiet = ~0u;
  std::function<unsigned(int64_t firstUs)> QuietTicks;
  // When the timer next wakes the loop (a tick that is not passed over as idle or put off as
  // quiet), or -1 when it will not until some handler changes something.
  int64_t NextWakeUs() const;

 private:
  friend class Scheduler;
  void Arm();
  void Fire(int64_t dueUs);
  uint64_t order_;
  uint32_t interval_;
  bool enabled_;
};
