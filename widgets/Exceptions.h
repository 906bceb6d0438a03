#pragma once
// Error types that carry the text the user sees. A handler that does not catch
// one leaves it to the message loop, which shows the text in a stop box.
#include <stdexcept>
#include <string>

namespace vcl {

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// "Cannot open file "<file>". <reason>"
class EFOpenError : public Exception {
 public:
  EFOpenError(const std::string& file, const std::string& reason);
};

// "Cannot create file "<file>". <reason>"
class EFCreateError : public Exception {
 public:
  EFCreateError(const std::string& file, const std::string& reason);
};

// "Icon image is not valid" and other unreadable pictures.
class EInvalidGraphic : public Exception {
 public:
  EInvalidGraphic() : Exception("Icon image is not valid") {}
  using Exception::Exception;
};

// "Unable to write to <file>"
class EIniFileException : public Exception {
 public:
  explicit EIniFileException(const std::string& file);
};

// A system call failed; the text is the system's own message.
class EOSError : public Exception {
 public:
  using Exception::Exception;
};

// Ends a handler silently: the message loop shows nothing for it.
class EAbort : public Exception {
 public:
  EAbort() : Exception("Operation aborted") {}
};

class EOutOfResources : public Exception {
 public:
  EOutOfResources() : Exception("Out of system resources") {}
};

// A framework object was used in a state that does not allow it.
class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

// The text of the error box: a full stop is appended when the last byte sorts
// after "." (so "failed" gets one and "failed." or "done!" do not; every GBK
// character ends in a byte above ".", so Chinese texts get one too).
std::string ErrorBoxText(const std::string& message);

}  // namespace vcl
