#include "platform/rtl/StringList.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>

#include "platform/rtl/Codepage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"

namespace {

[[noreturn]] void Fail(int err, bool writing) {
  throw EInOutError(EInOutError::CodeFromErrno(err, writing));
}

std::string ReadWholeFile(const std::string& path, std::optional<uintmax_t> maxBytes) {
  if (path.empty()) throw EInOutError(3);
  // Opened without waiting, and only a regular file is read: a named pipe would block and a
  // device such as /dev/zero would never end.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) Fail(errno, false);
  std::string data;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    throw EInOutError(5);
  }
  if (maxBytes && static_cast<uintmax_t>(st.st_size) > *maxBytes) {
    ::close(fd);
    throw EFileTooLarge();
  }
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      ::close(fd);
      Fail(err, false);
    }
    if (n == 0) break;
    data.append(buf, static_cast<size_t>(n));
    if (maxBytes && data.size() > *maxBytes) {  // grew while being read
      ::close(fd);
      throw EFileTooLarge();
    }
  }
  ::close(fd);
  return data;
}

bool WriteAll(int fd, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

void SaveWhole(const std::string& requested, const std::string& data, std::optional<unsigned> mode,
               bool followLinks) {
  if (requested.empty() || requested.back() == '/') throw EInOutError(3);
  if (!followLinks) {
    struct stat own {};
    if (::lstat(requested.c_str(), &own) == 0 && !S_ISREG(own.st_mode)) Fail(EACCES, true);
  }
  const std::string path = followLinks ? FollowLinks(requested) : requested;
  // A file nobody may write is write-protected: it is refused even where the rename (or root)
  // could replace it.
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode) && (old.st_mode & 0222) == 0)
    Fail(EACCES, true);
  static std::atomic<unsigned> counter{0};
  const std::string tmp =
      path + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
  const int fd =
      ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode ? *mode & 07777 : 0666);
  if (fd < 0) Fail(errno, true);
  bool ok = true;
  if (mode) {
    ok = ::fchmod(fd, *mode & 07777) == 0;  // whatever the umask took away
  } else {
    // Keep the permissions of the file being replaced.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::fchmod(fd, st.st_mode & 07777);
  }
  // The data is on the disk before it takes the old file's place: a disk that fills up only when
  // it writes back (delayed allocation, network file systems) says so here, while the old file
  // is still whole, and never after the rename.
  if (!ok || !WriteAll(fd, data) || ::fsync(fd) != 0) {
    const int err = errno;
    ::close(fd);
    ::unlink(tmp.c_str());
    Fail(err, true);
  }
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(tmp.c_str());
    Fail(err, true);
  }
  if (::rename(tmp.c_str(), path.c_str()) != 0) {
    const int err = errno;
    ::unlink(tmp.c_str());
    Fail(err, true);
  }
  // On the disk soon, without holding up the user.
  SyncToDiskLater(path);  // the folder's entry for it
}

std::u16string DecodeUtf16(const std::string& bytes, size_t start, bool bigEndian) {
  std::u16string out;
  out.reserve((bytes.size() - start) / 2);
  for (size_t i = start; i + 1 < bytes.size(); i += 2) {
    const unsigned char a = static_cast<unsigned char>(bytes[i]);
    const unsigned char b = static_cast<unsigned char>(bytes[i + 1]);
    out += static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
  }
  return out;
}

}  // namespace

void TStringList::Changed() {
  if (OnChange) OnChange();
}

void TStringList::CheckIndex(int i, int limit) const {
  if (i < 0 || i > limit)
    throw EStringListError("List index out of bounds (" + std::to_string(i) + ")");
}

const std::string& TStringList::operator[](int i) const {
  CheckIndex(i, Count() - 1);
  return lines_[static_cast<size_t>(i)];
}

std::string TStringList::Get(int i) const {
  return i >= 0 && i < Count() ? lines_[static_cast<size_t>(i)] : std::string();
}

void TStringList::Put(int i, const std::string& s) {
  CheckIndex(i, Count() - 1);
  lines_[static_cast<size_t>(i)] = s;
  Changed();
}

int TStringList::Add(const std::string& s) {
  lines_.push_back(s);
  Changed();
  return Count() - 1;
}

void TStringList::Insert(int i, const std::string& s) {
  CheckIndex(i, Count());
  lines_.insert(lines_.begin() + i, s);
  Changed();
}

void TStringList::Delete(int i) {
  CheckIndex(i, Count() - 1);
  lines_.erase(lines_.begin() + i);
  Changed();
}

void TStringList::Clear() {
  if (lines_.empty()) return;
  lines_.clear();
  Changed();
}

int TStringList::IndexOf(const std::string& s) const {
  for (size_t i = 0; i < lines_.size(); ++i)
    if (lines_[i] == s) return static_cast<int>(i);
  return -1;
}

std::string TStringList::Text() const {
  std::string out;
  size_t total = 0;
  for (const auto& l : lines_) total += l.size() + 2;
  out.reserve(total);
  for (const auto& l : lines_) {
    out += l;
    out += "\r\n";
  }
  return out;
}

void TStringList::SetText(const std::string& text) {
  std::vector<std::string> lines;
  const size_t n = text.size();
  size_t start = 0;
  for (size_t i = 0; i < n; ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text, start, i - start);
    if (text[i] == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < n) lines.emplace_back(text, start, n - start);
  lines_ = std::move(lines);
  Changed();
}

void TStringList::Assign(const TStringList& other) {
  if (this == &other) return;
  lines_ = other.lines_;
  encoding_ = other.encoding_;
  Changed();
}

void TStringList::LoadFromFile(const std::string& path, std::optional<uintmax_t> maxBytes) {
  const std::string bytes = ReadWholeFile(MapPath(path), maxBytes);
  auto starts = [&](const char* bom, size_t len) { return bytes.compare(0, len, bom, len) == 0; };
  TTextEncoding enc = TTextEncoding::Ansi;
  std::string text;
  if (starts("\xEF\xBB\xBF", 3)) {
    enc = TTextEncoding::Utf8;
    text = Utf8ToWin1252(bytes.substr(3));
  } else if (starts("\xFF\xFE", 2)) {
    enc = TTextEncoding::Utf16LE;
    text = Utf16ToWin1252(DecodeUtf16(bytes, 2, false));
  } else if (starts("\xFE\xFF", 2)) {
    enc = TTextEncoding::Utf16BE;
    text = Utf16ToWin1252(DecodeUtf16(bytes, 2, true));
  } else {
    text = bytes;
  }
  encoding_ = enc;
  SetText(text);
}

void TStringList::SaveToFile(const std::string& path, std::optional<unsigned> mode,
                             Links links) const {
  // A line holding CR or LF (a text from the relay) would break into several lines of the
  // file: those characters are written as blanks.
  std::string text;
  for (const auto& l : lines_) {
    const size_t from = text.size();
    text += l;
    std::replace_if(
        text.begin() + static_cast<std::ptrdiff_t>(from), text.end(),
        [](char c) { return c == '\r' || c == '\n'; }, ' ');
    text += "\r\n";
  }
  std::string data;
  switch (encoding_) {
    case TTextEncoding::Ansi:
      data = text;
      break;
    case TTextEncoding::Utf8:
      data = "\xEF\xBB\xBF" + Win1252ToUtf8(text);
      break;
    case TTextEncoding::Utf16LE:
    case TTextEncoding::Utf16BE: {
      const bool be = encoding_ == TTextEncoding::Utf16BE;
      data = be ? "\xFE\xFF" : "\xFF\xFE";
      for (char16_t u : Win1252ToUtf16(text)) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        data += be ? hi : lo;
        data += be ? lo : hi;
      }
      break;
    }
  }
  SaveWhole(MapPath(path), data, mode, links == Links::Follow);
}
