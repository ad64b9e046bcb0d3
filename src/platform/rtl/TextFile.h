// A line-oriented text file in the classic Assign/Reset/Rewrite style. Bytes
// pass through unchanged (Windows-1252); WriteLn ends lines with CR LF.
// Every failure raises EInOutError, including reading or closing a file that
// is not open.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

class TextFile {
 public:
  TextFile() = default;
  ~TextFile();
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  // Takes Windows "c:\..." paths too (see MapPath). An open file is closed first.
  void Assign(const std::string& path);
  // Opens for reading; a missing file: "File not found" (code 2). Only a regular file opens,
  // never blocking on a pipe; one that is not: code 5; one larger than maxBytes: EFileTooLarge.
  void Reset(std::optional<uintmax_t> maxBytes = std::nullopt);
  void Rewrite();  // create or truncate, for writing
  void Append();   // open an existing file for writing at its end
  void Close();    // not open: "I/O error 103"
  void Flush();

  bool Eof();
  // Reads up to CR LF, LF or CR; at the end of the file returns "".
  std::string ReadLn();
  void Write(const std::string& s);
  void WriteLn(const std::string& s = "");

  bool IsOpen() const { return file_ != nullptr; }
  const std::string& Path() const { return path_; }

 private:
  enum class Mode { Closed, Input, Output };
  void Open(const char* mode, Mode m, std::optional<uintmax_t> maxBytes = std::nullopt);
  void CheckMode(Mode wanted) const;
  [[noreturn]] void Fail(int err, bool writing);
  void CloseQuietly();

  std::string path_;
  std::FILE* file_ = nullptr;
  Mode mode_ = Mode::Closed;
};
