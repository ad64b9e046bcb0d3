// libFuzzer target: arbitrary bytes as the older 153-line settings form, through the settings check and that form's reader.
// Its corpus also runs as an ordinary test (tests/reader/file_fuzz_corpus_test.cpp).
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzDriveC.h"
#include "reader/FileFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FileFuzzWorld* world = (UseFuzzDriveC(), new FileFuzzWorld());
  FuzzLegacyFormOnce(*world, data, size);
  return 0;
}
