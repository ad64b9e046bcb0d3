// The wire fuzz target run over the dispatcher corpus (relay answers, good and damaged) as an
// ordinary test: no input may crash the framer, the shape check or a field read.
#include <gtest/gtest.h>

#include "wire/CorpusFiles.h"
#include "wire/WireFuzz.h"

TEST(WireFuzzCorpus, EveryFileRuns) { EXPECT_GE(RunCorpus("link_dispatcher", FuzzWireOnce), 5); }
