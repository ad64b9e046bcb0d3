#include "platform/qt/QtSerial.h"

#include <QSerialPort>
#include <termios.h>

#include <memory>

#include "platform/ui/Scheduler.h"

namespace qtb {
namespace {

class QtSerialDevice : public SerialDevice {
 public:
  QtSerialDevice(const std::string& portName) : name_(portName) {
    const std::string path = DevicePathForPort(portName);
    port_.setPortName(QString::fromLocal8Bit(path.c_str()));
    if (!port_.open(QIODevice::ReadWrite))
      throw EComPort("Unable to open com port " + portName + " (" +
                     port_.errorString().toStdString() + ")");
    const bool ok = port_.setBaudRate(TComPort::BaudRate) && port_.setDataBits(QSerialPort::Data8) &&
                    port_.setParity(QSerialPort::NoParity) &&
                    port_.setStopBits(QSerialPort::OneStop) &&
                    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!ok) {
      std::string why = port_.errorString().toStdString();
      port_.close();
      throw EComPort("Unable to open com port " + portName + " (" + why + ")");
    }
    // A pseudo-terminal has no modem lines; refusing them is not an error.
    port_.setDataTerminalReady(true);
    port_.setRequestToSend(true);
    port_.clearError();
    // Only a real line drains to the wire; a pseudo-terminal's buffer empties when the far end reads.
    realLine_ = path.rfind("/dev/pts/", 0) != 0 && path != "/dev/ptmx";
    QObject::connect(&port_, &QSerialPort::readyRead, [this] { OnReadyRead(); });
    QObject::connect(&port_, &QSerialPort::errorOccurred, [this](QSerialPort::SerialPortError e) {
      if (e == QSerialPort::ResourceError || e == QSerialPort::ReadError ||
          e == QSerialPort::WriteError)
        failed_ = true;
    });
  }

  ~QtSerialDevice() override {
    *alive_ = false;
    if (posted_) Scheduler::Instance().Cancel(postId_);
    QObject::disconnect(&port_, nullptr, nullptr, nullptr);
    if (port_.isOpen()) port_.close();
  }

  void Write(const std::string& bytes) override {
    if (!port_.isOpen() || failed_) throw EComPort("Error writing to the com port " + name_);
    if (bytes.empty()) return;
    const qint64 n = port_.write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (n != static_cast<qint64>(bytes.size())) throw EComPort("Error writing to the com port " + name_);
    // Wire time at 10 bits a byte, with a generous margin for a slow line.
    const int wireMs = static_cast<int>(bytes.size() * 10 * 1000 / TComPort::BaudRate);
    while (port_.bytesToWrite() > 0) {
      if (!port_.waitForBytesWritten(1000 + 4 * wireMs))
        throw EComPort("Error writing to the com port " + name_);
    }
    if (realLine_ && port_.handle() >= 0) ::tcdrain(port_.handle());
  }

  void Close() override {
    if (!port_.isOpen()) return;
    port_.close();
    if (port_.error() != QSerialPort::NoError && port_.error() != QSerialPort::NotOpenError) {
      std::string why = port_.errorString().toStdString();
      port_.clearError();
      throw EComPort("Error closing the com port " + name_ + " (" + why + ")");
    }
  }

 private:
  void OnReadyRead() {
    const QByteArray data = port_.readAll();
    if (data.isEmpty()) return;
    pending_.append(data.constData(), static_cast<size_t>(data.size()));
    PostDelivery();
  }

  // Arrivals go through the scheduler like every other event, so they run only while a loop
  // runs and through the application's dispatch point.
  void PostDelivery() {
    if (posted_ || pending_.empty() || delivering_) return;
    posted_ = true;
    auto& s = Scheduler::Instance();
    postId_ = s.Post(s.NowUs(), [this, alive = alive_] {
      if (!*alive) return;
      posted_ = false;
      Deliver(alive);
    });
  }

  void Deliver(const std::shared_ptr<bool>& alive) {
    // Never re-entered: bytes arriving while a packet is being handled wait until it is done.
    if (delivering_) return;
    while (!pending_.empty()) {
      std::string bytes;
      bytes.swap(pending_);
      auto fn = OnBytes;  // the handler may close the port, which clears OnBytes and frees us
      if (!fn) return;
      delivering_ = true;
      try {
        fn(bytes);
      } catch (...) {
        // The dispatch point reports it; what arrived meanwhile is delivered next.
        if (*alive) {
          delivering_ = false;
          PostDelivery();
        }
        throw;
      }
      if (!*alive) return;
      delivering_ = false;
    }
  }

  std::string name_;
  QSerialPort port_;
  std::string pending_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  uint64_t postId_ = 0;
  bool posted_ = false, delivering_ = false, failed_ = false, realLine_ = true;
};

}  // namespace

SerialDeviceFactory QtSerialFactory() {
  return [](const std::string& port) -> std::unique_ptr<SerialDevice> {
    return std::make_unique<QtSerialDevice>(port);
  };
}

}  // namespace qtb
