// Exception classes of the runtime layer. Every error the runtime raises is an
// Exception, so the application's single handler can show its Message().
#pragma once

#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& msg) : std::runtime_error(msg), message_(msg) {}
  const std::string& Message() const { return message_; }

 private:
  std::string message_;
};

class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// ErrorCode follows the classic I/O result numbers (2 file not found,
// 5 access denied, 103 file not open, ...), so callers can tell cases apart.
class EInOutError : public Exception {
 public:
  explicit EInOutError(const std::string& msg, int code = 0) : Exception(msg), ErrorCode(code) {}
  explicit EInOutError(int code) : Exception(MessageFor(code)), ErrorCode(code) {}
  int ErrorCode;

  // "File not found" and friends for the well-known codes, else "I/O error <code>".
  static std::string MessageFor(int code);
  // The I/O code for a failed system call's errno.
  static int CodeFromErrno(int err, bool writing);
};

// A file larger than its reader allows, refused before it is read. Its code is that of a file
// that cannot be opened (5), so callers that do not tell it apart treat it as such.
class EFileTooLarge : public EInOutError {
 public:
  EFileTooLarge() : EInOutError("File too large", 5) {}
};

class EMathError : public Exception {
 public:
  using Exception::Exception;
};

class EZeroDivide : public EMathError {
 public:
  using EMathError::EMathError;
};

class EInvalidOp : public EMathError {
 public:
  using EMathError::EMathError;
};

// Index outside a line list.
class EStringListError : public Exception {
 public:
  using Exception::Exception;
};
