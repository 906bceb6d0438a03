#pragma once
// The request head the client sends.  Win32-free.
#include <string>

#include "http/THttpUrl.h"

namespace vex::http {

// "GET <target> HTTP/1.1", then Content-Type, Host, Accept and User-Agent in
// that order, then the empty line; every line ends with CR LF.  No body, no
// Connection, Content-Length or Cookie header.
std::string BuildGetRequest(const THttpUrl& url);

}  // namespace vex::http
