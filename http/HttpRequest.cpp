#include "http/HttpRequest.h"

namespace vex::http {

std::string BuildGetRequest(const THttpUrl& url) {
  std::string head;
  head.reserve(160 + url.Target.size() + url.Host.size());
  head += "GET ";
  head += url.Target;
  head += " HTTP/1.1\r\n";
  head += "Content-Type: text/html\r\n";
  head += "Host: " + url.HostHeader() + "\r\n";
  head += "Accept: text/html, */*\r\n";
  head += "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n";
  head += "\r\n";
  return head;
}

}  // namespace vex::http
