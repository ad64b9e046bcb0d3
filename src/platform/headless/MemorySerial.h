#pragma once
// An in-memory serial line between the program and a test peer, with wire time at 19200 baud
// (10 bits a byte) applied in virtual time.
#include <string>
#include <vector>

#include "platform/headless/Headless.h"
#include "platform/serial/Serial.h"

class SerialPeer {
 public:
  virtual ~SerialPeer() = default;
  // What the program wrote, received once its last byte is on the line.
  virtual void Receive(const std::string& bytes) = 0;
};

class InMemorySerialLine {
 public:
  explicit InMemorySerialLine(VirtualClock& clock) : clock_(clock) {}
  // The program's side: opening one of `ports` connects to this line; others fail to open.
  SerialDeviceFactory Factory(std::vector<std::string> ports = {"COM1"});
  void SetPeer(SerialPeer* peer) { peer_ = peer; }
  bool IsOpen() const { return device_ != nullptr; }
  // Bytes from the peer: they start `delayUs` from now (or when the line is free) and arrive whole
  // after their wire time. Call several times to split an answer across arrivals.
  void Send(const std::string& bytes, int64_t delayUs = 0);

  bool FailWrites = false;
  bool FailClose = false;
  // A draining write advances the virtual clock by its wire time.
  bool ApplyWireTime = true;
  // Arrivals are taken in as the program's own line takes them: right before a timer tick (the
  // scheduler's input drain), and as they come only while the device's LooksOnTick is false.
  // Set before the port opens.
  bool TakenInOnTicks = false;
  std::vector<std::string> written;
  int opens = 0;

 private:
  friend class InMemoryDevice;
  VirtualClock& clock_;
  SerialPeer* peer_ = nullptr;
  class InMemoryDevice* device_ = nullptr;
  int64_t lineFreeUs_ = 0;
};
