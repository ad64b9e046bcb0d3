// The dispatcher fuzz target's corpus as an ordinary test: every file through the framer and the
// dispatcher with every head request, without a crash (the sanitizer build also checks reads).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/DispatcherFuzz.h"

namespace fs = std::filesystem;

TEST(DispatcherFuzzCorpus, EveryFileRuns) {
  fs::path dir = fs::path(__FILE__).parent_path().parent_path() / "fuzz" / "corpus" / "link_dispatcher";
  ASSERT_TRUE(fs::is_directory(dir)) << dir;
  int files = 0;
  for (const auto& entry : fs::directory_iterator(dir)) {
    std::ifstream in(entry.path(), std::ios::binary);
    std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    SCOPED_TRACE(entry.path().filename().string());
    FuzzDispatcherOnce(reinterpret_cast<const uint8_t*>(data.data()), data.size());
    ++files;
  }
  EXPECT_GE(files, 5);
}

TEST(DispatcherFuzzCorpus, ShortAndEmptyInputs) {
  const uint8_t bytes[] = {0xFF, 0x00, '*', '#', '*'};
  for (size_t n = 0; n <= sizeof bytes; ++n) FuzzDispatcherOnce(bytes, n);
}
