#include "platform/rtl/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <string>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"

TextFile::~TextFile() { CloseQuietly(); }

void TextFile::CloseQuietly() {
  if (!file_) return;
  if (!pending_.empty()) {
    try {
      Close();
    } catch (const EInOutError&) {
      // Dropped: the older file keeps its place.
    }
    return;
  }
  std::fclose(file_);
  file_ = nullptr;
  mode_ = Mode::Closed;
}

void TextFile::DropPending() {
  if (!pending_.empty()) ::unlink(pending_.c_str());
  pending_.clear();
  target_.clear();
  failure_ = 0;
}

void TextFile::Assign(const std::string& path) {
  CloseQuietly();
  path_ = MapPath(path);
}

void TextFile::Fail(int err, bool writing) {
  if (writing && !pending_.empty() && failure_ == 0) failure_ = err ? err : EIO;
  throw EInOutError(EInOutError::CodeFromErrno(err, writing));
}

void TextFile::Open(const char* mode, Mode m, std::optional<uintmax_t> maxBytes) {
  CloseQuietly();
  if (path_.empty()) throw EInOutError(3);
  std::FILE* f = nullptr;
  if (m == Mode::Input) {
    // Opened without waiting: a named pipe in the file's place must not hang the caller.
    const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) Fail(errno, false);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
      ::close(fd);
      throw EInOutError(5);
    }
    if (maxBytes && static_cast<uintmax_t>(st.st_size) > *maxBytes) {
      ::close(fd);
      throw EFileTooLarge();
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    f = ::fdopen(fd, mode);
    if (!f) {
      const int err = errno;
      ::close(fd);
      Fail(err, false);
    }
  } else {
    f = std::fopen(path_.c_str(), mode);
    if (!f) Fail(errno, true);
    // A folder opens on Linux but is no file.
    struct stat st {};
    if (::fstat(fileno(f), &st) == 0 && S_ISDIR(st.st_mode)) {
      std::fclose(f);
      throw EInOutError(5);
    }
  }
  file_ = f;
  mode_ = m;
}

void TextFile::Reset(std::optional<uintmax_t> maxBytes) { Open("rb", Mode::Input, maxBytes); }
void TextFile::Rewrite() {
  CloseQuietly();
  if (path_.empty()) throw EInOutError(3);
  const std::string target = FollowLinks(path_);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) throw EInOutError(5);
  if (exists && S_ISREG(old.st_mode) && (old.st_mode & 0222) == 0) Fail(EACCES, true);
  static std::atomic<unsigned> counter{0};
  const std::string pending =
      target + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
  const int fd = ::open(pending.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) Fail(errno, true);
  if (exists && S_ISREG(old.st_mode)) ::fchmod(fd, old.st_mode & 07777);  // keep its permissions
  std::FILE* f = ::fdopen(fd, "wb");
  if (!f) {
    const int err = errno;
    ::close(fd);
    ::unlink(pending.c_str());
    Fail(err, true);
  }
  file_ = f;
  mode_ = Mode::Output;
  pending_ = pending;
  target_ = target;
  failure_ = 0;
}

void TextFile::Append() {
  // Appending never creates the file.
  struct stat st {};
  if (!path_.empty() && ::stat(path_.c_str(), &st) != 0) Fail(errno, false);
  Open("ab", Mode::Output);
}

void TextFile::Close() {
  if (!file_) throw EInOutError(103);
  std::FILE* f = file_;
  const bool writing = mode_ == Mode::Output;
  file_ = nullptr;
  mode_ = Mode::Closed;
  errno = 0;
  // A rewritten file's data is on the disk before it takes the older file's place.
  if (!pending_.empty() && failure_ == 0 && (std::fflush(f) != 0 || ::fsync(fileno(f)) != 0))
    failure_ = errno ? errno : EIO;
  errno = 0;
  const bool closed = std::fclose(f) == 0;
  const int err = closed ? 0 : (errno ? errno : EIO);
  if (pending_.empty()) {
    if (!closed) Fail(err, writing);
    return;
  }
  const int failure = failure_ ? failure_ : err;
  if (failure == 0 && ::rename(pending_.c_str(), target_.c_str()) == 0) {
    pending_.clear();
    target_.clear();
    return;
  }
  const int renameErr = failure ? failure : errno;
  DropPending();
  Fail(renameErr, true);
}

void TextFile::CheckMode(Mode wanted) const {
  if (!file_) throw EInOutError(103);
  if (mode_ != wanted) throw EInOutError(wanted == Mode::Input ? 104 : 105);
}

void TextFile::Flush() {
  if (!file_) throw EInOutError(103);
  if (mode_ == Mode::Output && std::fflush(file_) != 0) Fail(errno, true);
}

bool TextFile::Eof() {
  CheckMode(Mode::Input);
  const int c = std::getc(file_);
  if (c == EOF) {
    if (std::ferror(file_)) Fail(errno, false);
    std::clearerr(file_);  // keep the stream usable; EOF is sticky otherwise
    return true;
  }
  std::ungetc(c, file_);
  return false;
}

std::string TextFile::ReadLn() {
  CheckMode(Mode::Input);
  std::string line;
  for (;;) {
    const int c = std::getc(file_);
    if (c == EOF) {
      if (std::ferror(file_)) Fail(errno, false);
      std::clearerr(file_);
      return line;
    }
    if (c == '\n') return line;
    if (c == '\r') {
      const int next = std::getc(file_);
      if (next != '\n' && next != EOF) std::ungetc(next, file_);
      if (next == EOF && std::ferror(file_)) Fail(errno, false);
      std::clearerr(file_);
      return line;
    }
    line += static_cast<char>(c);
  }
}

void TextFile::Write(const std::string& s) {
  CheckMode(Mode::Output);
  if (!s.empty() && std::fwrite(s.data(), 1, s.size(), file_) != s.size()) Fail(errno, true);
}

void TextFile::WriteLn(const std::string& s) {
  // A CR or LF inside the text would end the line early: it is written as a blank.
  std::string line = s;
  std::replace_if(
      line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  Write(line + "\r\n");
}
