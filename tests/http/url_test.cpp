// Taking report addresses apart: what reaches the wire and what is refused.
#include <gtest/gtest.h>

#include "http/EHttpError.h"
#include "http/THttpUrl.h"

using vex::http::EHttpError;
using vex::http::THttpErrorKind;
using vex::http::THttpUrl;

TEST(HttpUrl, SplitsHostPortAndTarget) {
  struct Case { const char* url; const char* host; unsigned port; const char* target; const char* hostHeader; };
  static const Case cases[] = {
      {"http://usage.vexilo.example/VEXUsage.php", "usage.vexilo.example", 80, "/VEXUsage.php", "usage.vexilo.example"},
      {"http://127.0.0.1:8080/a/VEXUsage.php?v=3.0&x=%20", "127.0.0.1", 8080, "/a/VEXUsage.php?v=3.0&x=%20", "127.0.0.1:8080"},
      {"HTTP://Host.Example", "Host.Example", 80, "/", "Host.Example"},
      {"http://h?q=1", "h", 80, "/?q=1", "h"},
      {"http://h:80/x", "h", 80, "/x", "h"},                    // the default port is not repeated
      {"http://h:0080/x", "h", 80, "/x", "h"},
      {"http://h:65535/", "h", 65535, "/", "h:65535"},
      {"http://h/x#part", "h", 80, "/x", "h"},                  // fragments stay with the reader
      {"http://h/p/../q;a=b?c=/d", "h", 80, "/p/../q;a=b?c=/d", "h"},  // exactly as written
      {"http://[::1]:8081/u", "[::1]", 8081, "/u", "[::1]:8081"},
  };
  for (const Case& c : cases) {
    const THttpUrl url = THttpUrl::Parse(c.url);
    EXPECT_EQ(url.Host, c.host) << c.url;
    EXPECT_EQ(url.Port, c.port) << c.url;
    EXPECT_EQ(url.Target, c.target) << c.url;
    EXPECT_EQ(url.HostHeader(), c.hostHeader) << c.url;
  }
  EXPECT_EQ(THttpUrl::Parse("http://[::1]:8081/u").LookupHost(), "::1");
}

TEST(HttpUrl, RefusesWhatCannotOrMustNotBeSent) {
  static const char* const bad[] = {
      "", "usage.vexilo.example/VEXUsage.php", "https://h/x", "ftp://h/x", "file:///c:/x", "http:/h/x",
      "http:///VEXUsage.php", "http://:8080/x",                      // no host
      "http://h:/x", "http://h:http/x", "http://h:80a/x", "http://h:-1/x", "http://h:0/x", "http://h:65536/x",
      "http://h:999999/x",                                          // ports that are not a usable number
      "http://h/x\r\nX-Injected: 1", "http://h/a b", "http://h/\x7F", "http://h/\xB1\xEA",  // unsafe bytes
      "http://user:pw@h/x", "http://h\\x/", "http://[::1/x", "http://[zz]/x",
  };
  for (const char* url : bad) {
    try {
      THttpUrl::Parse(url);
      ADD_FAILURE() << "accepted " << url;
    } catch (const EHttpError& e) {
      EXPECT_EQ(e.Kind(), THttpErrorKind::BadUrl) << url;
    }
  }
}
