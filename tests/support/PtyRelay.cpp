#include "support/PtyRelay.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

namespace {
void Sleep(int64_t us) {
  if (us > 0) std::this_thread::sleep_for(std::chrono::microseconds(us));
}
}  // namespace

PtyRelay::PtyRelay() {
  Model.OnAnswer = [this](const std::string& answer) { Deliver(answer); };
}

PtyRelay::~PtyRelay() { Close(); }

bool PtyRelay::Open() {
  Close();
  master_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
    Error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
    Close();
    return false;
  }
  const char* name = ptsname(master_);
  if (!name) {
    Error = "cannot name the pseudo-terminal";
    Close();
    return false;
  }
  slavePath_ = name;
  slaveHold_ = ::open(name, O_RDWR | O_NOCTTY);
  if (slaveHold_ >= 0) {
    // Raw bytes at 19200 8N1 on the program's side: no echo, no line editing, no CR/LF changes.
    termios tio{};
    if (tcgetattr(slaveHold_, &tio) == 0) {
      cfmakeraw(&tio);
      cfsetispeed(&tio, B19200);
      cfsetospeed(&tio, B19200);
      tio.c_cflag |= CLOCAL | CREAD;
      tcsetattr(slaveHold_, TCSANOW, &tio);
    }
  }
  termios mt{};
  if (tcgetattr(master_, &mt) == 0) {
    cfmakeraw(&mt);
    tcsetattr(master_, TCSANOW, &mt);
  }
  return true;
}

void PtyRelay::Close() {
  if (slaveHold_ >= 0) ::close(slaveHold_);
  if (master_ >= 0) ::close(master_);
  slaveHold_ = master_ = -1;
}

bool PtyRelay::Poll(int timeoutMs) {
  if (master_ < 0) return false;
  pollfd p{master_, POLLIN, 0};
  int n = ::poll(&p, 1, timeoutMs);
  if (n < 0) return errno == EINTR;
  if (n == 0) return true;
  if (p.revents & POLLIN) {
    char buf[512];
    ssize_t got = ::read(master_, buf, sizeof buf);
    if (got > 0) {
      Model.Feed(std::string(buf, static_cast<size_t>(got)));
      return true;
    }
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) return true;
    // EIO: no one holds the slave open; the held descriptor normally prevents that.
    return got != 0;
  }
  return !(p.revents & (POLLERR | POLLNVAL));
}

void PtyRelay::WriteAll(const std::string& bytes) {
  if (WholeAnswers) {
    if (PaceAtBaudRate) Sleep(static_cast<int64_t>(bytes.size()) * 10 * 1000000 / 19200);
    for (size_t done = 0; done < bytes.size();) {
      const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
      if (n > 0) {
        done += static_cast<size_t>(n);
        continue;
      }
      if (n < 0 && errno != EINTR && errno != EAGAIN) return;
      Sleep(1000);
    }
    return;
  }
  for (char c : bytes) {
    // One byte at a time, at 10 bits a byte, as the relay's UART sends them.
    while (::write(master_, &c, 1) < 0) {
      if (errno != EINTR && errno != EAGAIN) return;
      Sleep(1000);
    }
    if (PaceAtBaudRate) Sleep(10 * 1000000 / 19200);
  }
}

void PtyRelay::Deliver(const std::string& answer) {
  if (master_ < 0) return;
  const Misbehaviour& m = Model.Misbehave;
  Sleep(m.LateUs);
  if (!m.Garbage.empty()) WriteAll(m.Garbage);
  if (m.Split && answer.size() > 1) {
    size_t half = answer.size() / 2;
    WriteAll(answer.substr(0, half));
    Sleep(5000);
    WriteAll(answer.substr(half));
  } else {
    WriteAll(answer);
  }
}
