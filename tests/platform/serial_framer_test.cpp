// The packet framer: "*" to "#", at most 245 characters.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/serial/Serial.h"

namespace {

struct FramerCase {
  const char* name;
  std::vector<std::string> arrivals;
  std::vector<std::string> packets;
  std::string pending;
};

void PrintTo(const FramerCase& c, std::ostream* os) { *os << c.name; }

class Framer : public ::testing::TestWithParam<FramerCase> {};

TEST_P(Framer, CutsPackets) {
  TComDataPacket p;
  std::vector<std::string> got;
  p.OnPacket = [&](const std::string& s) { got.push_back(s); };
  for (const auto& a : GetParam().arrivals) p.Feed(a);
  EXPECT_EQ(got, GetParam().packets);
  EXPECT_EQ(p.Pending(), GetParam().pending);
}

const std::string k244 = "*" + std::string(242, 'a') + "#";  // 244 characters, complete
const std::string k250 = "*" + std::string(249, 'b');        // no "#" at all

const std::string kMegabyte(1 << 20, 'z');  // one large arrival without any "#"

// 2^20 = 4279 * 245 + 221: the full 245-character cuts, then the rest up to the stop.
std::vector<std::string> StarChunks() {
  std::vector<std::string> out(4279, std::string(245, '*'));
  out.push_back(std::string(221, '*') + "A#");
  return out;
}

// clang-format off
const FramerCase kFramerCases[] = {
    {"bytes before start dropped", {"xx*A#"}, {"*A#"}, ""},
    {"split arrivals", {"*A", "B", "C#"}, {"*ABC#"}, ""},
    {"two packets in one arrival", {"*A#*B#"}, {"*A#", "*B#"}, ""},
    {"garbage between packets", {"*A#zz*B#q"}, {"*A#", "*B#"}, ""},
    {"incomplete waits", {"*AB"}, {}, "*AB"},
    {"stop before start is dropped", {"#*A#"}, {"*A#"}, ""},
    {"245 or more without stop: first 245 cut", {k250}, {k250.substr(0, 245)}, ""},
    {"a complete answer followed by the next start survives the 245 rule",
     {k244 + "*" + std::string(10, 'c')}, {k244}, "*" + std::string(10, 'c')},
    {"exactly 245 with stop at the end", {"*" + std::string(243, 'd') + "#"}, {"*" + std::string(243, 'd') + "#"}, ""},
    {"a megabyte of junk then a packet", {kMegabyte + "*A#"}, {"*A#"}, ""},
    {"a started megabyte is cut once, then the packet", {"*" + kMegabyte + "*A#"}, {"*" + kMegabyte.substr(0, 244), "*A#"}, ""},
    {"a megabyte of starts is cut in 245s, the tail ends at its stop", {std::string(1 << 20, '*') + "A#"},
     StarChunks(), ""},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, Framer, ::testing::ValuesIn(kFramerCases), [](const auto& info) {
  std::string n = info.param.name;
  for (auto& c : n)
    if (!isalnum(static_cast<unsigned char>(c))) c = '_';
  return n;
});

TEST(PortList, SortedAsTextAndUnlistablePortsLeaveTheList) {
  SetPortLister([] { return std::optional<std::vector<std::string>>({"COM2", "COM10", "COM1"}); });
  auto ports = ListSerialPorts();
  ASSERT_TRUE(ports);
  EXPECT_EQ(*ports, (std::vector<std::string>{"COM1", "COM10", "COM2"}));
  SetPortLister([] { return std::optional<std::vector<std::string>>(); });
  EXPECT_FALSE(ListSerialPorts());
  SetPortLister(nullptr);
}

TEST(PortList, ComNamesMapToDevices) {
  EXPECT_EQ(DevicePathForPort("COM1"), "/dev/ttyS0");
  EXPECT_EQ(DevicePathForPort("COM12"), "/dev/ttyS11");
  EXPECT_EQ(DevicePathForPort("/dev/pts/3"), "/dev/pts/3");
  EXPECT_EQ(DevicePathForPort("COMx"), "COMx");
}

// What one read of the line means, above all when the line counts as unplugged: a line read with
// no minimum count gives 0 both when it is empty and when it has hung up.
TEST(LineRead, ReadResultsAndUnplugs) {
  struct Case {
    const char* what;
    long bytes;
    int error;
    bool firstAfterWake;
    LineRead expected;
  };
  // clang-format off
  const Case cases[] = {
      {"bytes after a wake",                      12, 0,      true,  LineRead::Data},
      {"bytes on a later look",                   1,  0,      false, LineRead::Data},
      {"woken, yet nothing: hung up",             0,  0,      true,  LineRead::Gone},
      {"a later look finds the line drained",     0,  0,      false, LineRead::Nothing},
      {"woken, yet would block: hung up",         -1, EAGAIN, true,  LineRead::Gone},
      {"would block on a later look",             -1, EAGAIN, false, LineRead::Nothing},
      {"a signal after a wake",                   -1, EINTR,  true,  LineRead::Retry},
      {"a signal on a later look",                -1, EINTR,  false, LineRead::Retry},
      {"far end of a pseudo-terminal closed",     -1, EIO,    false, LineRead::Gone},
      {"adapter pulled",                          -1, ENXIO,  false, LineRead::Gone},
      {"device removed while woken",              -1, ENODEV, true,  LineRead::Gone},
  };
  // clang-format on
  for (const Case& c : cases)
    EXPECT_EQ(ClassifyLineRead(c.bytes, c.error, c.firstAfterWake), c.expected) << c.what;
}

}  // namespace
