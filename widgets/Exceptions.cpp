#include "widgets/Exceptions.h"

namespace vcl {

EFOpenError::EFOpenError(const std::string& file, const std::string& reason)
    : Exception("Cannot open file \"" + file + "\". " + reason) {}

EFCreateError::EFCreateError(const std::string& file, const std::string& reason)
    : Exception("Cannot create file \"" + file + "\". " + reason) {}

EIniFileException::EIniFileException(const std::string& file) : Exception("Unable to write to " + file) {}

std::string ErrorBoxText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.')) {
    return message + ".";
  }
  return message;
}

}  // namespace vcl
