// The corpora of the file readers' fuzz targets as an ordinary test: every seed through its
// reader without a crash (the sanitizer build also checks reads), and a few hostile shapes beyond
// the seeds.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "reader/FileFuzz.h"

namespace {

namespace fs = std::filesystem;

using FuzzOnce = void (*)(FileFuzzWorld&, const uint8_t*, size_t);
struct Target {
  const char* corpus;
  FuzzOnce run;
};
constexpr Target kTargets[] = {
    {"legacy_form", FuzzLegacyFormOnce},       {"calibration_file", FuzzCalibrationFileOnce},
    {"sequence_file", FuzzSequenceFileOnce},   {"selection_file", FuzzSelectionFileOnce},
    {"password_file", FuzzPasswordFileOnce},
};

void RunBytes(FileFuzzWorld& w, FuzzOnce run, const std::string& bytes) {
  run(w, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

TEST(FileFuzzCorpus, EverySeedOfEveryReaderRuns) {
  const fs::path root = fs::path(__FILE__).parent_path().parent_path() / "fuzz" / "corpus";
  FileFuzzWorld w;
  for (const Target& t : kTargets) {
    SCOPED_TRACE(t.corpus);
    ASSERT_TRUE(fs::is_directory(root / t.corpus));
    int seeds = 0;
    for (const auto& entry : fs::directory_iterator(root / t.corpus)) {
      SCOPED_TRACE(entry.path().filename().string());
      std::ifstream in(entry.path(), std::ios::binary);
      RunBytes(w, t.run, std::string(std::istreambuf_iterator<char>(in), {}));
      ++seeds;
    }
    EXPECT_GE(seeds, 3);
  }
}

TEST(FileFuzzCorpus, EmptyLoneBytesAndOneLongLine) {
  FileFuzzWorld w;
  for (const Target& t : kTargets) {
    SCOPED_TRACE(t.corpus);
    for (const std::string& bytes :
         {std::string(), std::string("\r"), std::string("\n\n\n"), std::string(1, '\0'),
          std::string("\xFF\xFE"), std::string(200000, '9')})
      RunBytes(w, t.run, bytes);
  }
}
