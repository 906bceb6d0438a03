#pragma once
// One GET over an open stream, with the answer rules of the client.  Win32-free.
#include <string>

#include "http/THttpSettings.h"
#include "http/THttpStream.h"
#include "http/THttpUrl.h"

namespace vex::http {

// Sends the request head in one write and reads the response: interim 1xx
// responses are skipped; a 2xx body is returned whole.  Throws EHttpError:
// Redirect for a 3xx other than 304 or any response carrying "Location" (it
// is never followed); Status, carrying the code, for every other status,
// after draining the error body with the short error-body time-out.
std::string HttpGet(THttpStream& stream, const THttpUrl& url, const THttpSettings& settings);

}  // namespace vex::http
