// libFuzzer target: arbitrary bytes as a settings file, through the open command and the
// Settings rows. Its corpus also runs as an ordinary test
// (tests/reader/reader_fuzz_corpus_test.cpp).
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzDriveC.h"
#include "reader/ReaderFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static ReaderWorld* world = (UseFuzzDriveC(), new ReaderWorld());
  FuzzReaderOnce(*world, data, size);
  return 0;
}
