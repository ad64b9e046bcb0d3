#include "platform/rtl/Exceptions.h"

#include <cerrno>

std::string EInOutError::MessageFor(int code) {
  switch (code) {
    case 2:
      return "File not found";
    case 3:
      return "Invalid filename";
    case 4:
      return "Too many open files";
    case 5:
      return "File access denied";
    case 100:
      return "Read beyond end of file";
    case 101:
      return "Disk full";
    default:
      return "I/O error " + std::to_string(code);
  }
}

int EInOutError::CodeFromErrno(int err, bool writing) {
  switch (err) {
    case ENOENT:
      return 2;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
      return 3;
    case EMFILE:
    case ENFILE:
      return 4;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EEXIST:
    case ETXTBSY:
      return 5;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return 101;
    default:
      return writing ? 29 : 30;  // write fault / read fault
  }
}
