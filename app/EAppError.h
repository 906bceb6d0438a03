#pragma once
// An error of the application logic that reaches the user as a message text
// (the message loop shows it in an error box).
#include <stdexcept>
#include <string>

namespace vex::app {

class EAppError : public std::runtime_error {
 public:
  explicit EAppError(const std::string& message) : std::runtime_error(message) {}
};

// "Unable to write to <file>": a profile write that failed.
inline EAppError WriteError(const std::string& file) { return EAppError("Unable to write to " + file); }

}  // namespace vex::app
