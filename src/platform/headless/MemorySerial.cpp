#include "platform/headless/MemorySerial.h"

#include <algorithm>

#include "platform/ui/Application.h"

class InMemoryDevice : public SerialDevice {
 public:
  explicit InMemoryDevice(InMemorySerialLine& line) : line_(line) {
    line_.device_ = this;
    if (line_.TakenInOnTicks)
      drainId_ = Scheduler::Instance().AddInputDrain([this] { DeliverHeld(); });
  }
  ~InMemoryDevice() override {
    Scheduler::Instance().RemoveInputDrain(drainId_);
    if (line_.device_ == this) line_.device_ = nullptr;
  }
  void Write(const std::string& bytes) override {
    if (line_.FailWrites) throw EComPort("Error writing to the com port");
    if (line_.ApplyWireTime) line_.clock_.Skip(WireTimeUs(bytes.size()));
    line_.written.push_back(bytes);
    if (line_.peer_) line_.peer_->Receive(bytes);
  }
  void Close() override {
    if (line_.device_ == this) line_.device_ = nullptr;
    if (line_.FailClose) throw EComPort("Error closing the com port");
  }
  // An arrival, in a handler of its own.
  void Deliver(const std::string& bytes) {
    held_ += bytes;
    if (line_.TakenInOnTicks && LooksOnTick && LooksOnTick()) return;
    std::string all;
    all.swap(held_);
    if (OnBytes) OnBytes(all);
  }

 private:
  // The drain: what was held is handed on through the dispatch point.
  void DeliverHeld() {
    if (held_.empty()) return;
    std::string bytes;
    bytes.swap(held_);
    TApplication::Dispatch([this, bytes] {
      if (OnBytes) OnBytes(bytes);
    });
  }

  InMemorySerialLine& line_;
  std::string held_;
  uint64_t drainId_ = 0;
};

SerialDeviceFactory InMemorySerialLine::Factory(std::vector<std::string> ports) {
  return [this, ports](const std::string& port) -> std::unique_ptr<SerialDevice> {
    if (std::find(ports.begin(), ports.end(), port) == ports.end())
      throw EComPort("Unable to open com port");
    ++opens;
    return std::make_unique<InMemoryDevice>(*this);
  };
}

void InMemorySerialLine::Send(const std::string& bytes, int64_t delayUs) {
  int64_t start = std::max(clock_.NowUs() + delayUs, lineFreeUs_);
  int64_t arrive = start + WireTimeUs(bytes.size());
  lineFreeUs_ = arrive;
  InMemoryDevice* target = device_;
  Scheduler::Instance().Post(arrive, [this, target, bytes] {
    // Bytes for a device that has since been closed are lost, as on a real line.
    if (target && device_ == target) target->Deliver(bytes);
  });
}
