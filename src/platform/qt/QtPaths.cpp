#include "platform/qt/QtPaths.h"

#include <QDir>

#include <cstdlib>

namespace qtb {

std::string DriveCRoot() {
  std::string root;
  if (const char* env = std::getenv("VUMA_DRIVE_C"); env && *env)
    root = env;
  else
    root = QDir::homePath().toStdString();
  while (root.size() > 1 && root.back() == '/') root.pop_back();
  return root;
}

std::string MapWindowsPath(const std::string& path) {
  if (path.size() < 2 || (path[0] != 'c' && path[0] != 'C') || path[1] != ':') return path;
  std::string rest = path.substr(2);
  for (char& c : rest)
    if (c == '\\') c = '/';
  size_t start = rest.find_first_not_of('/');
  rest.erase(0, start == std::string::npos ? rest.size() : start);
  const std::string root = DriveCRoot();
  if (rest.empty()) return root;
  return root == "/" ? "/" + rest : root + "/" + rest;
}

}  // namespace qtb
