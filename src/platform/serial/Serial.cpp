#include "platform/serial/Serial.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace {
SerialDeviceFactory g_factory;
PortLister g_lister;
}  // namespace

void SetSerialDeviceFactory(SerialDeviceFactory f) { g_factory = std::move(f); }
void SetPortLister(PortLister f) { g_lister = std::move(f); }

std::optional<std::vector<std::string>> ListSerialPorts() {
  auto ports = g_lister ? g_lister() : ListSystemPorts();
  if (ports) std::sort(ports->begin(), ports->end());
  return ports;
}

std::optional<std::vector<std::string>> ListSystemPorts() {
  namespace fs = std::filesystem;
  std::vector<std::string> out;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator("/dev", ec)) {
    std::string name = entry.path().filename().string();
    if (name.rfind("ttyS", 0) != 0 && name.rfind("ttyUSB", 0) != 0 && name.rfind("ttyACM", 0) != 0)
      continue;
    // Legacy ttyS nodes exist whether or not a UART is behind them; only a bound driver counts.
    if (!fs::exists("/sys/class/tty/" + name + "/device/driver", ec)) continue;
    out.push_back(entry.path().string());
  }
  if (const char* extra = std::getenv("VUMA_SERIAL_PORTS")) {
    std::string s = extra;
    size_t start = 0;
    while (start <= s.size()) {
      size_t end = s.find(':', start);
      if (end == std::string::npos) end = s.size();
      if (end > start) out.push_back(s.substr(start, end - start));
      start = end + 1;
    }
  }
  return out;
}

std::string DevicePathForPort(const std::string& port) {
  if (port.size() > 3 && (port[0] == 'C' || port[0] == 'c') && (port[1] == 'O' || port[1] == 'o') &&
      (port[2] == 'M' || port[2] == 'm')) {
    std::string digits = port.substr(3);
    if (!digits.empty() && std::all_of(digits.begin(), digits.end(), ::isdigit) &&
        digits.size() < 6) {
      int n = std::stoi(digits);
      if (n >= 1) return "/dev/ttyS" + std::to_string(n - 1);
    }
  }
  return port;
}

LineRead ClassifyLineRead(long bytes, int error, bool firstAfterWake) {
  if (bytes > 0) return LineRead::Data;
  if (bytes == 0) return firstAfterWake ? LineRead::Gone : LineRead::Nothing;
  switch (error) {
    case EINTR:
      return LineRead::Retry;
    case EAGAIN:
#if EWOULDBLOCK != EAGAIN
    case EWOULDBLOCK:
#endif
      // Woken for a line with nothing to read: only a hang-up or an error wakes the poller so.
      return firstAfterWake ? LineRead::Gone : LineRead::Nothing;
    default:
      return LineRead::Gone;  // EIO, ENXIO, ENODEV: the device went away
  }
}

// ---- TComPort ----

TComPort::~TComPort() {
  try {
    Close();
  } catch (const std::exception&) {
  }
}

void TComPort::SetPort(const std::string& name) {
  if (name == port_) return;
  bool wasOpen = Connected();
  if (wasOpen) Close();
  port_ = name;
  if (wasOpen) Open();
}

void TComPort::Open() {
  if (Connected()) return;
  if (!g_factory) throw EComPort("Unable to open com port");
  auto dev = g_factory(port_);
  if (!dev) throw EComPort("Unable to open com port");
  dev->OnBytes = [this](const std::string& bytes) {
    if (OnRxChar) OnRxChar(bytes);
    if (packet_) packet_->Feed(bytes);
  };
  dev->ExpectsMore = [this] { return packet_ && packet_->Holding(); };
  dev->LooksOnTick = [this] { return LooksOnTick && LooksOnTick(); };
  device_ = std::move(dev);
  if (packet_) packet_->Reset();
}

void TComPort::Close() {
  if (!device_) return;
  auto dev = std::move(device_);
  dev->OnBytes = nullptr;
  dev->ExpectsMore = nullptr;
  dev->LooksOnTick = nullptr;
  dev->Close();
}

int TComPort::WriteStr(const std::string& s) {
  if (!device_) throw EComPort("Port not open");
  device_->Write(s);
  return static_cast<int>(s.size());
}

// ---- TComDataPacket ----

void TComDataPacket::Feed(const std::string& bytes) {
  // Packets are cut at a moving offset and the buffer shortened once per arrival: erasing each
  // packet from the front would cost the whole arrival per packet.
  Compact();
  buffer_ += bytes;
  for (;;) {
    const size_t start = buffer_.find(StartString, head_);
    if (start == std::string::npos) {
      // Nothing before a start string is kept.
      Reset();
      return;
    }
    head_ = start;
    const std::string_view window = std::string_view(buffer_).substr(0, start + MaxSize);
    const size_t stop = window.find(StopString, start + StartString.size());
    size_t length = 0;
    if (stop != std::string_view::npos) {
      length = stop + StopString.size() - start;
    } else if (buffer_.size() - start >= MaxSize) {
      length = MaxSize;
    } else {
      Compact();
      return;  // wait for more
    }
    std::string packet = buffer_.substr(start, length);
    head_ = start + length;  // taken before delivery: a handler that throws does not get it twice
    if (OnPacket) OnPacket(packet);
    if (head_ > buffer_.size()) head_ = buffer_.size();  // the handler reset the framer
  }
}

void TComDataPacket::Compact() {
  buffer_.erase(0, head_);
  head_ = 0;
}

// ---- TComComboBox ----

bool TComComboBox::ListPorts() {
  auto ports = ListSerialPorts();
  if (!ports) return false;
  SetItems(*ports);
  return true;
}

void TComComboBox::UserPickPort(int index) {
  UserPick(index);
  if (ComPort && ItemIndex() >= 0) ComPort->SetPort(Items[ItemIndex()]);
}
