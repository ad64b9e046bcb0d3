// An ordered list of text lines, saved to and loaded from whole files.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// How a list's file is encoded. Loading sets it from the byte-order mark;
// saving writes it (with its mark, except for Ansi). Clear keeps it.
enum class TTextEncoding { Ansi, Utf8, Utf16LE, Utf16BE };

class TStringList {
 public:
  int Count() const { return static_cast<int>(lines_.size()); }
  // Throws EStringListError outside 0..Count-1.
  const std::string& operator[](int i) const;
  std::string Get(int i) const;              // "" outside the list
  void Put(int i, const std::string& s);     // EStringListError outside
  int Add(const std::string& s);             // returns the new index
  void Insert(int i, const std::string& s);  // 0..Count, else EStringListError
  void Delete(int i);                        // EStringListError outside
  void Clear();
  int IndexOf(const std::string& s) const;  // exact match; -1 if absent

  // Every line followed by CR LF.
  std::string Text() const;
  // Splits at CR LF, LF or CR; a final line break does not add an empty line.
  void SetText(const std::string& text);
  const std::vector<std::string>& Lines() const { return lines_; }
  void Assign(const TStringList& other);  // lines and encoding; not OnChange

  // A UTF-8 or UTF-16 byte-order mark selects that encoding (converted to
  // Windows-1252, '?' for what it lacks); otherwise the bytes are taken as
  // they are. Only a regular file of at most maxBytes is read (a pipe never blocks); a larger
  // one: EFileTooLarge, unread; any other, or any failure: EInOutError, list unchanged.
  void LoadFromFile(const std::string& path, std::optional<uintmax_t> maxBytes = std::nullopt);
  // Written whole or not at all: a temporary file in the same folder is
  // written, synced and renamed over the target. Failure: EInOutError and
  // the old file is untouched. The new file keeps the permissions of the one
  // it replaces, unless `mode` gives its permission bits: then it has exactly
  // those whatever the umask, and never more while it is being written.
  // A symbolic link at the path is followed to the file it names, unless `links` refuses it:
  // then anything but a regular file there (a link, a folder, a device) is refused
  // (EInOutError 5) and never written through; the rename replaces the name itself.
  enum class Links { Follow, Refuse };
  void SaveToFile(const std::string& path, std::optional<unsigned> mode = std::nullopt,
                  Links links = Links::Follow) const;

  TTextEncoding Encoding() const { return encoding_; }
  void SetEncoding(TTextEncoding e) { encoding_ = e; }

  bool operator==(const TStringList& other) const { return lines_ == other.lines_; }

  // Called after every change of the lines.
  std::function<void()> OnChange;

 private:
  void Changed();
  void CheckIndex(int i, int limit) const;

  std::vector<std::string> lines_;
  TTextEncoding encoding_ = TTextEncoding::Ansi;
};

using TStrings = TStringList;
