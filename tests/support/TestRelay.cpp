#include "support/TestRelay.h"

#include "platform/ui/Scheduler.h"

TestRelay::TestRelay(InMemorySerialLine& line) : line_(line) {
  Model.OnAnswer = [this](const std::string& answer) { Deliver(answer); };
  Model.NowMs = [] { return Scheduler::Instance().NowMs(); };  // virtual time
  line_.SetPeer(this);
}

TestRelay::~TestRelay() { line_.SetPeer(nullptr); }

void TestRelay::Deliver(const std::string& answer) {
  const Misbehaviour& m = Model.Misbehave;
  int64_t delay = TurnaroundUs + m.LateUs;
  if (!m.Garbage.empty()) {
    line_.Send(m.Garbage, delay);
    delay = 0;
  }
  if (m.Split && answer.size() > 1) {
    size_t half = answer.size() / 2;
    line_.Send(answer.substr(0, half), delay);
    line_.Send(answer.substr(half), SplitGapUs);
  } else {
    line_.Send(answer, delay);
  }
}
