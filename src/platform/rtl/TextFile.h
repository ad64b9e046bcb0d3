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
  // Opens for writing. The text goes to a new file beside the target, which takes the target's
  // name at Close: until then an older file of that name stays whole, and after a failed write it
  // is never replaced. A write-protected target is refused (its mode bits, whoever we are).
  void Rewrite();
  void Append();   // open an existing file for writing at its end
  // Not open: "I/O error 103". After a rewrite, puts the new file in the target's place, or drops
  // it when a write to it failed (and raises that failure again).
  void Close();
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
  // Closes without raising; a rewritten file still takes the target's place unless it failed.
  void CloseQuietly();
  void DropPending();

  std::string path_;
  std::FILE* file_ = nullptr;
  Mode mode_ = Mode::Closed;
  std::string pending_;       // the new file of a rewrite, renamed to the target at Close
  std::string target_;        // where it goes: the target with its links followed
  int failure_ = 0;           // the errno of a failed write to it
};
