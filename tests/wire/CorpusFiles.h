#pragma once
// Runs every file of a fuzz corpus (tests/fuzz/corpus/<name>) through a fuzz entry point, as the
// ordinary tests do; returns how many files ran, or -1 when the folder is missing.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

inline int RunCorpus(const char* name, void (*once)(const uint8_t*, size_t)) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::path(__FILE__).parent_path().parent_path() / "fuzz" / "corpus" / name;
  if (!fs::is_directory(dir)) return -1;
  int files = 0;
  for (const auto& entry : fs::directory_iterator(dir)) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    once(reinterpret_cast<const uint8_t*>(data.data()), data.size());
    ++files;
  }
  return files;
}
