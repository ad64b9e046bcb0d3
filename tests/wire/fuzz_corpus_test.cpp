// The wire fuzz target run over the dispatcher corpus (relay answers, good and damaged) as an
// ordinary test: no input may crash the framer, the shape check or a field read.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "wire/WireFuzz.h"

namespace fs = std::filesystem;

TEST(WireFuzzCorpus, EveryFileRuns) {
  fs::path dir = fs::path(__FILE__).parent_path().parent_path() / "fuzz" / "corpus" / "link_dispatcher";
  ASSERT_TRUE(fs::is_directory(dir)) << dir;
  int files = 0;
  for (const auto& entry : fs::directory_iterator(dir)) {
    std::ifstream in(entry.path(), std::ios::binary);
    std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    SCOPED_TRACE(entry.path().filename().string());
    FuzzWireOnce(reinterpret_cast<const uint8_t*>(data.data()), data.size());
    ++files;
  }
  EXPECT_GE(files, 5);
}
