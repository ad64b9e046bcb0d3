// The reader fuzz target's corpus as an ordinary test: every file through the open command and
// the Settings rows without a crash (the sanitizer build also checks reads).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "reader/ReaderFuzz.h"

namespace fs = std::filesystem;

TEST(ReaderFuzzCorpus, EveryFileRuns) {
  const fs::path dir =
      fs::path(__FILE__).parent_path().parent_path() / "fuzz" / "corpus" / "reader_file";
  ASSERT_TRUE(fs::is_directory(dir)) << dir;
  int files = 0;
  for (const auto& entry : fs::directory_iterator(dir)) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    SCOPED_TRACE(entry.path().filename().string());
    ReaderWorld w;
    FuzzReaderOnce(w, reinterpret_cast<const uint8_t*>(data.data()), data.size());
    ++files;
  }
  EXPECT_GE(files, 5);
}

TEST(ReaderFuzzCorpus, LabelsAtLineEndsAndShortLines) {
  // Every label with nothing after it, a line of a label's first half, lone bytes.
  ReaderWorld w;
  std::string text = " VUMA Settings\r\n File Rev :\r\n Revision :\r\n Settings\r\n ========\r\n";
  for (const char* label : {"Max. load setting 01. :", "CT ratio............. :", "CT ratio",
                            "Voltage selection.... :", "T1 high trip level... :", "T1 low",
                            "Temperature 1 type... :", "IO expander connected :", "\xFF", "-"})
    text += std::string(label) + "\r\n";
  FuzzReaderOnce(w, reinterpret_cast<const uint8_t*>(text.data()), text.size());
  for (size_t n = 0; n < 40; ++n)
    FuzzReaderOnce(w, reinterpret_cast<const uint8_t*>(text.data()), n);
}
