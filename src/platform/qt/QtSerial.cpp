#include "platform/qt/QtSerial.h"

#include <QAbstractEventDispatcher>
#include <QSocketNotifier>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "platform/ui/Application.h"
#include "platform/ui/Scheduler.h"

namespace qtb {
namespace {

// How long arrivals gather before they are handed on together, once bytes are coming in.
constexpr int64_t kGatherUs = 10'000;

// The line on a non-blocking descriptor. It is read right before every timer tick (the scheduler's
// input drain), so a tick sees what came before it without the line waking the program. Only while
// no tick is sure to look in time (LooksOnTick) does the UI thread's event loop watch the line:
// the first bytes after a quiet spell are then delivered at once, in the wake-up that reads them;
// the rest of a packet that has begun in chunks of what arrived within a link tick, so a relay or
// an adapter that sends byte by byte costs a wake-up per tick rather than one per byte. Writing
// never waits: the bytes are queued and Sending() tells the link when they have left.
class QtSerialDevice : public SerialDevice {
 public:
  explicit QtSerialDevice(const std::string& portName) : name_(portName) {
    const std::string path = DevicePathForPort(portName);
    fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0)
      throw EComPort("Unable to open com port " + portName + " (" + std::strerror(errno) + ")");
    // One user at a time, as every serial program expects of a port.
    if (::ioctl(fd_, TIOCEXCL) != 0 && errno != ENOTTY) Refuse("cannot lock the port");
    termios tio{};
    if (::tcgetattr(fd_, &tio) != 0) Refuse("not a serial port");
    ::cfmakeraw(&tio);  // 8 data bits, no parity, no translation
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS);
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::cfsetispeed(&tio, B19200) != 0 || ::cfsetospeed(&tio, B19200) != 0 ||
        ::tcsetattr(fd_, TCSANOW, &tio) != 0)
      Refuse("cannot set 19200 8N1");
    // A pseudo-terminal has no modem lines; refusing them is not an error.
    int lines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(fd_, TIOCMBIS, &lines);
    // Only a real line drains to the wire; a pseudo-terminal's buffer empties when the far end
    // reads.
    realLine_ = path.rfind("/dev/pts/", 0) != 0 && path != "/dev/ptmx";
    reader_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    QObject::connect(reader_.get(), &QSocketNotifier::activated, [this] { OnReadable(); });
    // Whether the line may wake the program is settled each time the loop is about to sleep, after
    // every handler has had its say.
    if (auto* loop = QAbstractEventDispatcher::instance())
      QObject::connect(loop, &QAbstractEventDispatcher::aboutToBlock, reader_.get(),
                       [this] { Rearm(); });
    drainId_ = Scheduler::Instance().AddInputDrain([this] { Drain(); });
    writer_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Write);
    writer_->setEnabled(false);
    QObject::connect(writer_.get(), &QSocketNotifier::activated, [this] { Flush(); });
  }

  ~QtSerialDevice() override {
    *alive_ = false;
    Scheduler::Instance().RemoveInputDrain(drainId_);
    if (posted_) Scheduler::Instance().Cancel(postId_);
    reader_.reset();
    writer_.reset();
    if (fd_ >= 0) {
      ::ioctl(fd_, TIOCNXCL);
      ::close(fd_);
    }
  }

  void Write(const std::string& bytes) override {
    if (fd_ < 0 || failed_) throw EComPort("Error writing to the com port " + name_);
    if (bytes.empty()) return;
    outbox_ += bytes;
    // Wire time at 10 bits a byte, with a generous margin for a slow line: bytes that have not
    // left by then mean a dead line.
    const int64_t wireUs = WireTimeUs(outbox_.size());
    sendDeadlineUs_ = Scheduler::Instance().NowUs() + 1'000'000 + 4 * wireUs;
    Flush();
    if (failed_) throw EComPort("Error writing to the com port " + name_);
  }

  bool Sending() const override {
    if (fd_ < 0 || failed_) return false;
    bool queued = !outbox_.empty();
    if (!queued && realLine_) {
      int left = 0;
      queued = ::ioctl(fd_, TIOCOUTQ, &left) == 0 && left > 0;
    }
    if (queued && Scheduler::Instance().NowUs() > sendDeadlineUs_) {
      failed_ = true;  // the next write reports it
      return false;
    }
    return queued;
  }

  void Close() override {
    if (fd_ < 0) return;
    // What is still queued goes out first (a closing message is written just before).
    while (!outbox_.empty() && !failed_ && Scheduler::Instance().NowUs() < sendDeadlineUs_) {
      pollfd p{fd_, POLLOUT, 0};
      ::poll(&p, 1, 50);
      Flush();
    }
    Scheduler::Instance().RemoveInputDrain(drainId_);
    reader_.reset();
    writer_.reset();
    ::ioctl(fd_, TIOCNXCL);
    const int rc = ::close(fd_);
    const int err = errno;
    fd_ = -1;
    if (rc != 0 && err != EINTR)
      throw EComPort("Error closing the com port " + name_ + " (" + std::strerror(err) + ")");
  }

 private:
  [[noreturn]] void Refuse(const char* why) {
    const std::string detail = std::string(why) + ": " + std::strerror(errno);
    ::close(fd_);
    fd_ = -1;
    throw EComPort("Unable to open com port " + name_ + " (" + detail + ")");
  }

  void Flush() {
    while (!outbox_.empty() && fd_ >= 0) {
      const ssize_t n = ::write(fd_, outbox_.data(), outbox_.size());
      if (n > 0) {
        outbox_.erase(0, static_cast<size_t>(n));
        continue;
      }
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 && errno != EAGAIN) failed_ = true;
      break;
    }
    if (writer_) writer_->setEnabled(!outbox_.empty() && !failed_);
  }

  // Reads what is waiting; the count read, or -1 when the line is gone (a pulled adapter).
  ssize_t ReadAvailable(bool woken) {
    ssize_t total = 0;
    char buf[4096];
    while (fd_ >= 0) {
      const ssize_t n = ::read(fd_, buf, sizeof buf);
      switch (ClassifyLineRead(n, errno, woken && total == 0)) {
        case LineRead::Data:
          pending_.append(buf, static_cast<size_t>(n));
          total += n;
          // A short read emptied the line's buffer: asking again would only find it empty. What
          // comes later wakes the reader or waits for the next look.
          if (static_cast<size_t>(n) < sizeof buf) return total;
          continue;
        case LineRead::Retry:
          continue;
        case LineRead::Nothing:
          return total;
        case LineRead::Gone:
          failed_ = true;
          return -1;
      }
    }
    return total;
  }

  // The scheduler's input drain, right before a timer tick: what the line holds is handed on now,
  // as it would have been had the line woken us when it came. A line that has hung up is marked
  // failed here; the next write reports it.
  void Drain() {
    if (fd_ < 0 || failed_ || delivering_) return;
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, 0) <= 0) return;
    if (ReadAvailable(true) <= 0 || pending_.empty()) return;
    TApplication::Dispatch([this, alive = alive_] {
      if (*alive) Deliver(alive);
    });
  }

  // The line wakes the program only while no tick will look for what it brings, and never while
  // its bytes are being handed on or a look is already set.
  void Rearm() {
    const bool wake =
        fd_ >= 0 && !failed_ && !posted_ && !delivering_ && !(LooksOnTick && LooksOnTick());
    if (reader_ && reader_->isEnabled() != wake) reader_->setEnabled(wake);
  }

  // The line woke us after a quiet spell: what it holds is handed on in this same wake-up, unless
  // an item of the scheduler is due first (it keeps its turn) or no loop runs (arrivals wait for
  // one, like timers).
  void OnReadable() {
    reader_->setEnabled(false);
    // The line is gone; the next write reports it.
    if (ReadAvailable(true) < 0) return;
    auto& s = Scheduler::Instance();
    int64_t due;
    if (delivering_ || s.LoopDepth() == 0 || (s.NextDue(due) && due <= s.NowUs())) {
      Post(s.NowUs());
      return;
    }
    TApplication::Dispatch([this, alive = alive_] {
      if (*alive) Gather(alive, false);
    });
  }

  // Arrivals go through the scheduler like every other event, so they run only while a loop
  // runs and through the application's dispatch point. While a packet is coming in the next look
  // is due with the scheduler's next item (the link tick), at most a gathering time away.
  void Post(int64_t atUs) {
    if (posted_) return;
    posted_ = true;
    postId_ = Scheduler::Instance().Post(atUs, [this, alive = alive_] {
      if (!*alive) return;
      posted_ = false;
      Gather(alive, true);
    });
  }

  void Gather(const std::shared_ptr<bool>& alive, bool read) {
    // Never re-entered: bytes arriving while a packet is being handled wait until it is done;
    // the delivery running now looks again when it ends.
    if (delivering_) return;
    // Bytes came with this look (or with the wake-up that reads them itself).
    const bool arrived = !read || ReadAvailable(false) > 0;
    Deliver(alive);
    if (!*alive || fd_ < 0 || failed_) return;
    // The rest of a packet that has begun comes on the next look (the next tick, when one is sure
    // to come), as long as looks find more; after a whole answer (or bytes that begin none, or a
    // look that found nothing) the line wakes us when the relay next speaks, so no look finds an
    // empty line.
    const bool tickLooks = LooksOnTick && LooksOnTick();
    if (!pending_.empty() || (arrived && !tickLooks && ExpectsMore && ExpectsMore())) {
      auto& s = Scheduler::Instance();
      const int64_t now = s.NowUs();
      int64_t at = now + kGatherUs, next;
      if (s.NextDue(next) && next > now) at = std::min(at, next);
      Post(at);
    } else {
      Rearm();
    }
  }

  void Deliver(const std::shared_ptr<bool>& alive) {
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
          if (fd_ >= 0) Post(Scheduler::Instance().NowUs());
        }
        throw;
      }
      if (!*alive) return;
      delivering_ = false;
    }
  }

  std::string name_;
  int fd_ = -1;
  std::unique_ptr<QSocketNotifier> reader_, writer_;
  std::string pending_, outbox_;
  int64_t sendDeadlineUs_ = 0;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  uint64_t postId_ = 0, drainId_ = 0;
  bool posted_ = false, delivering_ = false, realLine_ = true;
  mutable bool failed_ = false;
};

}  // namespace

SerialDeviceFactory QtSerialFactory() {
  return [](const std::string& port) -> std::unique_ptr<SerialDevice> {
    return std::make_unique<QtSerialDevice>(port);
  };
}

}  // namespace qtb
