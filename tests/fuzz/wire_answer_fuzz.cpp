// libFuzzer target: arbitrary bytes through the packet framer and the answer shapes, with the
// record checks and field reads of every shape that takes a packet. Links only the wire library.
#include <cstddef>
#include <cstdint>

#include "wire/WireFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzWireOnce(data, size);
  return 0;
}
