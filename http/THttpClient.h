#pragma once
// The small HTTP/1.1 client: one blocking GET at a time over Winsock, every
// wait bounded by Settings.  No redirects, cookies, proxies or keep-alive.
#include <string>

#include "http/THttpSettings.h"
#include "http/TWinsock.h"

namespace vex::http {

class THttpClient {
 public:
  THttpClient();  // starts Winsock; throws EHttpError when it cannot
  ~THttpClient();
  THttpClient(const THttpClient&) = delete;
  THttpClient& operator=(const THttpClient&) = delete;

  // GETs `url` and returns the body of a 2xx answer.  Throws EHttpError for a
  // bad URL, a connection or protocol failure, a redirection or any other
  // status (see HttpGet).  The connection is closed before it returns.
  std::string Get(const std::string& url);

  THttpSettings Settings;

 private:
  TWinsock FWinsock;
};

}  // namespace vex::http
