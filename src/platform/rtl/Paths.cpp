#include "platform/rtl/Paths.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "platform/rtl/Exceptions.h"

std::string DriveCRoot() {
  std::string root;
  if (const char* env = std::getenv("VUMA_DRIVE_C"); env && *env)
    root = env;
  else if (const char* home = std::getenv("HOME"); home && *home)
    root = home;
  else if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir)
    root = pw->pw_dir;
  else
    root = "/";
  while (root.size() > 1 && root.back() == '/') root.pop_back();
  return root;
}

std::string MapPath(const std::string& path) {
  if (path.size() < 2 || (path[0] != 'c' && path[0] != 'C') || path[1] != ':') return path;
  std::string rest = path.substr(2);
  for (char& c : rest)
    if (c == '\\') c = '/';
  size_t start = 0;
  while (start < rest.size() && rest[start] == '/') ++start;
  rest.erase(0, start);
  const std::string root = DriveCRoot();
  if (rest.empty()) return root;
  return root == "/" ? "/" + rest : root + "/" + rest;
}

std::string ProgramFolder() {
  char buf[4096];
  const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return "./";
  std::string exe(buf, static_cast<size_t>(n));
  const size_t slash = exe.rfind('/');
  return slash == std::string::npos ? std::string("./") : exe.substr(0, slash + 1);
}

std::string FollowLinks(const std::string& path) {
  namespace fs = std::filesystem;
  fs::path p = path;
  std::error_code ec;
  for (int hops = 0; fs::is_symlink(p, ec); ++hops) {
    if (hops == 40) throw EInOutError(EInOutError::CodeFromErrno(ELOOP, true));
    const fs::path next = fs::read_symlink(p, ec);
    if (ec) throw EInOutError(EInOutError::CodeFromErrno(ec.value(), true));
    p = next.is_absolute() ? next : p.parent_path() / next;
  }
  return p.string();
}

void SyncToDiskLater(const std::string& path) {
  const size_t slash = path.rfind('/');
  std::string dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
  std::thread([path, dir = std::move(dir)] {
    for (const std::string& p : {path, dir}) {
      const int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC);
      if (fd < 0) continue;
      ::fsync(fd);
      ::close(fd);
    }
  }).detach();
}
