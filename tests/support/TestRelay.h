#pragma once
// The test relay on the in-memory serial line: the relay model answering at 19200 baud in virtual
// time, with the delivery faults of its misbehaviour applied (silence, late answers, answers split
// across two arrivals, garbage before an answer).
#include "platform/headless/MemorySerial.h"
#include "support/RelayModel.h"

class TestRelay : public SerialPeer {
 public:
  explicit TestRelay(InMemorySerialLine& line);
  ~TestRelay() override;

  void Receive(const std::string& bytes) override { Model.Feed(bytes); }

  RelayModel Model;
  Misbehaviour& Misbehave() { return Model.Misbehave; }

  // Time the relay takes before it starts an answer.
  int64_t TurnaroundUs = 1000;
  // Pause between the two pieces of a split answer.
  int64_t SplitGapUs = 3000;

 private:
  void Deliver(const std::string& answer);
  InMemorySerialLine& line_;
};
