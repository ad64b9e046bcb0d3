// The full read after connecting, against the test relay on the virtual clock, for a relay below
// "Rev 3a" (no Bluetooth), one from "Rev 3a" and an extended one.
//
// Prints the virtual time from connecting to "Uploading complete", the chain requests and system
// timer ticks it took, and its ratio to the ideal cadence: every step waiting only for its own
// exchange (request and answer on the wire at 19200 baud, the relay's turnaround) and for the next
// 100 ms tick. The rest is broken down: the polls the sequencer queues ahead of each step (part of
// the design: the live values keep coming during a transfer) and the sequencer's own delay, the
// time between a step's answer and the tick that moves the chain on beyond the next tick, which is
// 0 when the implementation adds nothing of its own.
#include <cstdio>
#include <map>
#include <vector>

#include "model/RequestFlags.h"
#include "support/ShellWorld.h"

using namespace wire;

namespace {

constexpr int64_t kTickUs = 100000;

// Records the time every message reaches the relay, then hands it on.
class TimedPeer : public SerialPeer {
 public:
  TimedPeer(InMemorySerialLine& line, SerialPeer& relay, VirtualClock& clock)
      : relay_(relay), clock_(clock) {
    line.SetPeer(this);
  }
  void Receive(const std::string& bytes) override {
    sent.push_back({clock_.NowUs(), bytes});
    relay_.Receive(bytes);
  }
  struct Sent {
    int64_t atUs;
    std::string message;
  };
  std::vector<Sent> sent;

 private:
  SerialPeer& relay_;
  VirtualClock& clock_;
};

struct StepTimes {
  int code = 0;
  int64_t queued = -1, written = -1, done = -1, moved = -1;
};

struct Result {
  int64_t totalUs = 0, idealUs = 0;
  int steps = 0, ticks = 0;
  int64_t ownExchangeUs = 0, pollsAheadUs = 0, tickWaitUs = 0, sequencerDelayUs = 0;
};

Result Run(const char* revision) {
  ShellWorld w(true, revision);
  TimedPeer peer(w.line, *w.relay, w.hb.clock);
  TForm1& f = w.f1();
  TForm2& link = w.f2();

  // The chain's steps as the sequencer arms them: request flag, done flag, request.
  struct Watch {
    bool TForm1::*request;
    bool TForm1::*done;
    int code;
  };
  std::vector<Watch> watches;
  for (const transfers::RequestFlags& m : transfers::kRequestFlags)
    if (m.Done && std::string_view(Request(m.Code)->Name).starts_with("ReqUpload"))
      watches.push_back({m.Request, m.Done, m.Code});

  std::map<int, StepTimes> times;
  std::vector<int> order;
  std::vector<int64_t> ticks;
  int64_t connectUs = w.hb.clock.NowUs();
  int64_t completeUs = -1;

  // After every tick: which steps are armed, which were moved on, and whether the read completed.
  std::map<int, bool> armed;
  auto tick = f.TmrSystem.OnTimer;
  f.TmrSystem.OnTimer = [&, tick] {
    int64_t now = w.hb.clock.NowUs();
    ticks.push_back(now);
    std::map<int, bool> before = armed;
    tick();
    for (const Watch& s : watches) {
      bool on = f.*s.request;
      StepTimes& t = times[s.code];
      if (on && !before[s.code] && t.queued < 0) {
        t.code = s.code;
        t.queued = now;
        order.push_back(s.code);
      }
      if (!on && before[s.code] && t.moved < 0) {
        t.moved = now;
        if (t.done < 0) t.done = now;  // completed without an exchange
      }
      armed[s.code] = on;
    }
    if (completeUs < 0 && w.prog().ProgLabProgDesc.Caption() == "Uploading complete")
      completeUs = now;
  };
  // After every packet: which done flags the parsers set.
  auto packet = link.ComDataPacket1.OnPacket;
  link.ComDataPacket1.OnPacket = [&, packet](const std::string& p) {
    packet(p);
    for (const Watch& s : watches)
      if (f.*s.request && f.*s.done && times[s.code].done < 0)
        times[s.code].done = w.hb.clock.NowUs();
  };

  f.Connect1Click();

  for (const TimedPeer::Sent& s : peer.sent) {
    int code = RequestOfMessage(s.message);
    auto it = times.find(code);
    if (it != times.end() && it->second.written < 0 && it->second.queued >= 0)
      it->second.written = s.atUs;
  }

  // The first tick at or after a time.
  auto nextTick = [&](int64_t t) {
    for (int64_t k : ticks)
      if (k >= t) return k;
    return t;
  };

  Result r;
  r.totalUs = completeUs - connectUs;
  r.steps = static_cast<int>(order.size());
  for (int64_t k : ticks)
    if (k > connectUs && k <= completeUs) ++r.ticks;

  // The ideal: from connecting, each step queued on a tick, answered after its own exchange, moved
  // on at the next tick.
  int64_t ideal = ((connectUs / kTickUs) + 1) * kTickUs;
  for (int code : order) {
    const StepTimes& t = times[code];
    const RequestInfo* req = Request(code);
    bool exchanged = t.written >= 0;
    int64_t exchange = 0;
    if (exchanged) {
      size_t requestBytes = std::string(req->Message).size();
      exchange = WireTimeUs(requestBytes) + w.relay->TurnaroundUs +
                 WireTimeUs(static_cast<size_t>(req->AnswerLength()));
      // Measured parts of the actual run.
      r.ownExchangeUs += t.done - t.written + WireTimeUs(requestBytes);
      r.pollsAheadUs += t.written - WireTimeUs(requestBytes) - t.queued;
      r.tickWaitUs += t.moved - t.done;
      r.sequencerDelayUs += t.moved - nextTick(t.done);
      ideal = ((ideal + exchange + kTickUs - 1) / kTickUs) * kTickUs;
    }
  }
  r.idealUs = ideal - connectUs;
  return r;
}

}  // namespace

int main() {
  std::printf("Full read after connecting, virtual clock, test relay at 19200 baud\n");
  std::printf("%-10s %10s %10s %8s %6s %7s | %12s %12s %12s %14s\n", "revision", "total ms",
              "ideal ms", "steps", "ticks", "ratio", "own exch ms", "polls ahead", "tick wait ms",
              "sequencer ms");
  const char* revisions[][2] = {{"2f", "below 3a"}, {"3a", "from 3a"}, {"4e", "extended"}};
  for (auto& rv : revisions) {
    Result r = Run(rv[0]);
    std::printf("%-10s %10.1f %10.1f %8d %6d %7.2f | %12.1f %12.1f %12.1f %14.1f\n", rv[1],
                r.totalUs / 1000.0, r.idealUs / 1000.0, r.steps, r.ticks,
                static_cast<double>(r.totalUs) / static_cast<double>(r.idealUs),
                r.ownExchangeUs / 1000.0, r.pollsAheadUs / 1000.0, r.tickWaitUs / 1000.0,
                r.sequencerDelayUs / 1000.0);
  }
  std::printf(
      "steps: chain steps that exchanged a record (below 3a the Bluetooth step has none); ticks: "
      "system\n"
      "timer ticks from connecting to the read's end; ratio: total / ideal; polls ahead: the live "
      "polls\n"
      "sent before each step's request;\n"
      "sequencer: time a step's answer waited beyond the next tick for the chain to move on.\n");
  return 0;
}
