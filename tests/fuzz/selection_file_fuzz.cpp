// libFuzzer target: arbitrary bytes as a register selection list, loaded and looked up.
// Its corpus also runs as an ordinary test (tests/reader/file_fuzz_corpus_test.cpp).
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzDriveC.h"
#include "reader/FileFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FileFuzzWorld* world = (UseFuzzDriveC(), new FileFuzzWorld());
  FuzzSelectionFileOnce(*world, data, size);
  return 0;
}
