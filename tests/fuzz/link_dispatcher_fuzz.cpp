// libFuzzer target: arbitrary bytes through the packet framer and the receive dispatcher with
// every head request.
#include <cstddef>
#include <cstdint>

#include "support/DispatcherFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzDispatcherOnce(data, size);
  return 0;
}
