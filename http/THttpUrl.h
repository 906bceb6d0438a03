#pragma once
// An http URL taken apart the way the client needs it.  Win32-free.
#include <cstdint>
#include <string>
#include <string_view>

namespace vex::http {

struct THttpUrl {
  std::string Host;      // as written; an IPv6 literal keeps its brackets
  std::uint16_t Port = 80;
  std::string Target;    // path, document and query exactly as written; "/" when empty

  // "host" or "host:port" for the Host header: the port only when it is not 80.
  std::string HostHeader() const;
  // The host as the resolver wants it (brackets of an IPv6 literal removed).
  std::string LookupHost() const;

  // Throws EHttpError(BadUrl) for anything but "http://host[:port][/...]":
  // another scheme, an empty host, a port that is not a number from 1 to
  // 65535, user information, or any byte that cannot go on a request line
  // unescaped (controls, blanks, bytes above 0x7E).
  static THttpUrl Parse(std::string_view url);
};

}  // namespace vex::http
