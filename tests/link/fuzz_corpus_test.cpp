// The dispatcher fuzz target's corpus as an ordinary test: every file through the framer and the
// dispatcher with every head request, without a crash (the sanitizer build also checks reads).
#include <gtest/gtest.h>

#include "support/DispatcherFuzz.h"
#include "wire/CorpusFiles.h"

TEST(DispatcherFuzzCorpus, EveryFileRuns) { EXPECT_GE(RunCorpus("link_dispatcher", FuzzDispatcherOnce), 5); }

TEST(DispatcherFuzzCorpus, ShortAndEmptyInputs) {
  const uint8_t bytes[] = {0xFF, 0x00, '*', '#', '*'};
  for (size_t n = 0; n <= sizeof bytes; ++n) FuzzDispatcherOnce(bytes, n);
}
