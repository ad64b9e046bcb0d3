// Placeholder until the runtime layer lands; replaced by the full version.
#pragma once
#include <stdexcept>
#include <string>
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& msg) : std::runtime_error(msg), msg_(msg) {}
  const std::string& Message() const { return msg_; }
 private:
  std::string msg_;
};
class EConvertError : public Exception { using Exception::Exception; };
class EInOutError : public Exception { using Exception::Exception; };
