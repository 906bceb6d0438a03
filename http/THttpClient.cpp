#include "http/THttpClient.h"

#include "http/HttpExchange.h"
#include "http/THttpUrl.h"
#include "http/TSocketStream.h"

namespace vex::http {

THttpClient::THttpClient() = default;
THttpClient::~THttpClient() = default;

std::string THttpClient::Get(const std::string& url) {
  const THttpUrl parsed = THttpUrl::Parse(url);
  const std::unique_ptr<TSocketStream> stream = TSocketStream::Connect(parsed.LookupHost(), parsed.Port, Settings);
  return HttpGet(*stream, parsed, Settings);
}

}  // namespace vex::http
