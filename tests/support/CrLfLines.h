#pragma once
// The lines of a text file the program wrote, each ended by CR LF; a test fails on text after the
// last CR LF or on a bare LF inside a line.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

inline std::vector<std::string> ReadCrLfLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream all;
  all << in.rdbuf();
  const std::string text = all.str();
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  EXPECT_EQ(start, text.size()) << "text after the last CR LF in " << path;
  for (const std::string& l : lines) EXPECT_EQ(l.find('\n'), std::string::npos) << l;
  return lines;
}
