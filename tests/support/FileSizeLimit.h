#pragma once
// A full disk in a test: lowers this process's file size limit for the object's lifetime, with
// SIGXFSZ ignored, so a write past the limit fails with EFBIG as a write to a full disk fails.
#include <sys/resource.h>

#include <csignal>

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignore, &previous_);
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit small = saved_;
    small.rlim_cur = bytes;
    set_ = ::setrlimit(RLIMIT_FSIZE, &small) == 0;
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::sigaction(SIGXFSZ, &previous_, nullptr);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  bool Set() const { return set_; }

 private:
  struct sigaction previous_ {};
  rlimit saved_{};
  bool set_ = false;
};
