#pragma once
// Runs every file of a fuzz corpus (tests/fuzz/corpus/<name>) through a fuzz entry point, as the
// ordinary tests do; returns how many files ran, or -1 when the folder is missing.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

inline std::filesystem::path CorpusDir(const char* name) {
  return std::filesystem::path(__FILE__).parent_path().parent_path() / "fuzz" / "corpus" / name;
}

inline std::string ReadCorpusFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline int RunCorpus(const char* name, void (*once)(const uint8_t*, size_t)) {
  namespace fs = std::filesystem;
  const fs::path dir = CorpusDir(name);
  if (!fs::is_directory(dir)) return -1;
  int files = 0;
  for (const auto& entry : fs::directory_iterator(dir)) {
    const std::string data = ReadCorpusFile(entry.path());
    once(reinterpret_cast<const uint8_t*>(data.data()), data.size());
    ++files;
  }
  return files;
}
