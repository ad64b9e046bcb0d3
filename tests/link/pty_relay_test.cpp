// The relay simulator's pseudo-terminal: a request written at the other end is answered there.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include "support/PtyRelay.h"

TEST(PtyRelay, AnswersARequestTypedAtTheOtherEnd) {
  PtyRelay relay;
  if (!relay.Open()) GTEST_SKIP() << relay.Error;
  relay.PaceAtBaudRate = false;
  int fd = ::open(relay.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::write(fd, "*?I#", 4), 4);
  ASSERT_TRUE(relay.Poll(1000));
  std::string answer;
  for (int i = 0; i < 50 && answer.size() < 16; ++i) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 100) > 0) {
      char buf[64];
      ssize_t n = ::read(fd, buf, sizeof buf);
      if (n > 0) answer.append(buf, static_cast<size_t>(n));
    }
  }
  ::close(fd);
  EXPECT_EQ(answer, relay.Model.Record(wire::RecordId::Identity).substr(0, 13) + "3b#");
  ASSERT_EQ(relay.Model.Messages.size(), 1u);
  EXPECT_EQ(relay.Model.Messages[0], "*?I#");
}
