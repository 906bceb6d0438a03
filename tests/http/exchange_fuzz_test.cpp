// Mangled answers in random slices: the client may fail, but only with its
// own error, and never reads or keeps more than its limits allow.  Runs under
// ASan+UBSan in the sanitize tree.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ScriptedStream.h"
#include "http/EHttpError.h"
#include "http/HttpExchange.h"

using namespace vex::http;
using vex::http::test::ScriptedStream;

namespace {

const char* const kSeeds[] = {
    "HTTP/1.1 200 OK\r\nContent-Length: 12\r\n\r\nhello world!",
    "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5;a=b\r\nhello\r\n7\r\n world!\r\n0\r\nT: x\r\n\r\n",
    "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.0 200 OK\r\nServer: s\r\n\r\nbody to the end",
    "HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\n\r\nnope",
    "HTTP/1.1 302 Found\r\nLocation: /x\r\n\r\n",
};

std::string Mangle(std::string s, std::mt19937& random) {
  static const char kBytes[] = "\r\n:; \t0123456789abcdefABCDEF-,\x00\xff";
  const int edits = 1 + static_cast<int>(random() % 8);
  for (int i = 0; i < edits && !s.empty(); ++i) {
    const std::size_t at = random() % s.size();
    switch (random() % 4) {
      case 0: s[at] = kBytes[random() % (sizeof kBytes - 1)]; break;
      case 1: s.insert(at, 1, kBytes[random() % (sizeof kBytes - 1)]); break;
      case 2: s.erase(at, 1 + random() % 4); break;
      default: s.insert(at, s.substr(random() % s.size(), random() % 16)); break;
    }
  }
  return s;
}

}  // namespace

TEST(ExchangeFuzz, MangledAnswersFailOnlyWithTheClientsError) {
  std::mt19937 random(20261208);
  const THttpUrl url = THttpUrl::Parse("http://h/VEXUsage.php");
  THttpSettings settings;
  settings.MaxBodySize = 64;
  settings.MaxErrorBodySize = 16;
  settings.MaxLineLength = 48;
  settings.MaxHeadSize = 256;
  int worked = 0;
  for (int i = 0; i < 20000; ++i) {
    const std::string answer = Mangle(kSeeds[i % std::size(kSeeds)], random);
    ScriptedStream stream(answer, 1 + random() % 9, random() % 2 == 0);
    try {
      const std::string body = HttpGet(stream, url, settings);
      EXPECT_LE(body.size(), settings.MaxBodySize);
      ++worked;
    } catch (const EHttpError&) {
    }
  }
  // Some mangled answers must still be readable, or the mangling is broken.
  EXPECT_GT(worked, 100);
}
