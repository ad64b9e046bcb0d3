#pragma once
// The serial port, the packet framer and the port list, over a device interface so that tests
// run against an in-memory line and the program against a real one.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Controls.h"

class EComPort : public Exception {
 public:
  using Exception::Exception;
};

// One open serial line. Bytes map one to one onto chars.
class SerialDevice {
 public:
  virtual ~SerialDevice() = default;
  // Throws EComPort on failure. Returns once the bytes have been transmitted, unless the device
  // says otherwise through Sending().
  virtual void Write(const std::string& bytes) = 0;
  // True while written bytes have not yet left on the line: a device whose writes return at
  // once (so the window never waits for the wire) tells here when they are out.
  virtual bool Sending() const { return false; }
  // Throws EComPort on failure.
  virtual void Close() = 0;
  // Received bytes, delivered on the UI thread through the application's dispatch point.
  std::function<void(const std::string&)> OnBytes;
  // True while what was delivered so far ends inside a packet: the rest is on its way, so the
  // device looks for it on its own pace instead of waiting to be woken byte by byte.
  std::function<bool()> ExpectsMore;
  // True while a timer tick is sure to come and read the line before what it holds matters (the
  // scheduler's input drain): received bytes then wait for it instead of waking the program.
  std::function<bool()> LooksOnTick;
};

// What one read of a non-blocking line with no minimum count (VMIN = VTIME = 0) means: bytes,
// nothing waiting, a signal to retry after, or a line that is gone (an adapter pulled, the far end
// of a pseudo-terminal closed). `bytes` and `error` are read(2)'s result and errno; `firstAfterWake`
// says the read is the first since the poller reported the line readable. Such a line reads 0
// both when it is empty and when it has hung up, so a 0 means "gone" only when the poller has just
// said there is something to read (and so does an empty non-blocking read then).
enum class LineRead { Data, Nothing, Retry, Gone };
LineRead ClassifyLineRead(long bytes, int error, bool firstAfterWake);

// Opens a device by port name; throws EComPort when it cannot be opened.
using SerialDeviceFactory = std::function<std::unique_ptr<SerialDevice>(const std::string& port)>;
void SetSerialDeviceFactory(SerialDeviceFactory f);

// The installed serial ports, unsorted; nullopt when they cannot be listed (the list then stays).
using PortLister = std::function<std::optional<std::vector<std::string>>()>;
void SetPortLister(PortLister f);
// Sorted as text, so COM10 comes before COM2.
std::optional<std::vector<std::string>> ListSerialPorts();

class TComDataPacket;

// 19200 baud, 8 data bits, no parity, one stop bit, DTR and RTS on.
class TComPort {
 public:
  static constexpr int BaudRate = 19200;
  TComPort() = default;
  ~TComPort();
  std::string Port() const { return port_; }
  // Renaming an open port closes it and opens it under the new name.
  void SetPort(const std::string& name);
  bool Connected() const { return device_ != nullptr; }
  void Open();   // throws EComPort
  void Close();  // throws EComPort if the device fails to close; the port is closed regardless
  void SetConnected(bool on) { on ? Open() : Close(); }
  // Writes the low 8 bits of each character; returns the count; throws EComPort.
  int WriteStr(const std::string& s);
  // Written bytes are still on their way out (see SerialDevice::Sending).
  bool Sending() const { return device_ && device_->Sending(); }
  void AttachPacket(TComDataPacket* p) { packet_ = p; }
  std::function<void(const std::string&)> OnRxChar;
  // See SerialDevice::LooksOnTick.
  std::function<bool()> LooksOnTick;

 private:
  std::string port_ = "COM1";
  std::unique_ptr<SerialDevice> device_;
  TComDataPacket* packet_ = nullptr;
};

// How long `bytes` characters take on the line (10 bits a character).
inline int64_t WireTimeUs(size_t bytes) {
  return static_cast<int64_t>(bytes) * 10 * 1'000'000 / TComPort::BaudRate;
}

// Cuts the received stream into packets from "*" to "#" (both kept), at most 245 characters.
// Characters before a "*" are dropped. When the gathered text is 245 characters or longer, a "#"
// within its first 245 characters still ends the packet there; only without one are the first 245
// characters cut as a packet, so a complete answer followed by the start of the next survives.
class TComDataPacket {
 public:
  static constexpr size_t MaxSize = 245;
  std::string StartString = "*";
  std::string StopString = "#";
  std::function<void(const std::string&)> OnPacket;
  void Feed(const std::string& bytes);
  void Reset() {
    buffer_.clear();
    head_ = 0;
  }
  std::string Pending() const { return buffer_.substr(head_); }
  // A packet has begun and not ended yet.
  bool Holding() const { return head_ < buffer_.size(); }

 private:
  void Compact();
  std::string buffer_;
  size_t head_ = 0;  // characters before it are already cut
};

// The list of the system's serial ports, bound to a port: a user's pick applies the name at once,
// an index set by code does not.
class TComComboBox : public TComboBox {
 public:
  TComComboBox(TControl* parent, std::string name) : TComboBox(parent, std::move(name)) {}
  TComPort* ComPort = nullptr;
  // Lists the ports into Items; false (items unchanged) when they cannot be listed.
  bool ListPorts();
  void UserPickPort(int index);
};

// The port list of this machine: /dev/ttyS*, /dev/ttyUSB*, /dev/ttyACM* that have a driver, plus
// the colon-separated paths of $VUMA_SERIAL_PORTS (how tests and the simulator offer a pty).
std::optional<std::vector<std::string>> ListSystemPorts();
// "COMn" opens /dev/ttyS(n-1); any other name is a device path.
std::string DevicePathForPort(const std::string& port);
