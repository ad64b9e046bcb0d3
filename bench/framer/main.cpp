// The packet framer's cost for one large arrival: junk without any "#", from 64 KiB to 4 MiB.
// A linear framer keeps the time per megabyte flat as the arrival grows.
#include <chrono>
#include <cstdio>
#include <string>

#include "platform/serial/Serial.h"

int main() {
  for (size_t size = 64u << 10; size <= 4u << 20; size *= 4) {
    for (const char fill : {'z', '*'}) {
      TComDataPacket framer;
      size_t packets = 0;
      framer.OnPacket = [&](const std::string&) { ++packets; };
      const std::string arrival = "*" + std::string(size, fill) + "*A#";
      const auto t0 = std::chrono::steady_clock::now();
      framer.Feed(arrival);
      const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
      std::printf("%8zu KiB of '%c': %9.3f ms, %8.3f ms/MiB, %zu packets\n", size >> 10, fill,
                  s * 1e3, s * 1e3 / (static_cast<double>(size) / (1 << 20)), packets);
    }
  }
  return 0;
}
