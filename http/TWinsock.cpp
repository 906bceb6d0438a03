#include "http/TWinsock.h"

#include <winsock2.h>

#include "http/EHttpError.h"

namespace vex::http {

TWinsock::TWinsock() {
  WSADATA data;
  if (const int error = WSAStartup(MAKEWORD(2, 2), &data))
    throw EHttpError(THttpErrorKind::Connect, "Winsock cannot start (error " + std::to_string(error) + ")");
}

TWinsock::~TWinsock() { WSACleanup(); }

}  // namespace vex::http
