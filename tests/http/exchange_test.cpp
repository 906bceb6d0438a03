// Reading answers: framing, interim responses, redirections, error statuses
// and hostile servers, each played back in slices of 1, 3 and 4096 bytes so
// that every split of lines and chunks is met.
#include <gtest/gtest.h>

#include <string>

#include "ScriptedStream.h"
#include "http/EHttpError.h"
#include "http/HttpExchange.h"

using namespace vex::http;
using vex::http::test::EndlessStream;
using vex::http::test::ScriptedStream;

namespace {

const THttpUrl kUrl = THttpUrl::Parse("http://usage.vexilo.example/VEXUsage.php");

class Exchange : public ::testing::TestWithParam<std::size_t> {
 protected:
  std::string Get(const std::string& answer, bool timesOutAtEnd = false) {
    ScriptedStream stream(answer, GetParam(), timesOutAtEnd);
    std::string body = HttpGet(stream, kUrl, settings);
    writes = stream.Writes;
    return body;
  }
  EHttpError Fails(const std::string& answer, bool timesOutAtEnd = false) {
    ScriptedStream stream(answer, GetParam(), timesOutAtEnd);
    try {
      HttpGet(stream, kUrl, settings);
    } catch (const EHttpError& e) {
      timeouts = stream.Timeouts;
      consumed = stream.Consumed();
      return e;
    }
    ADD_FAILURE() << "no error for: " << answer;
    return EHttpError(THttpErrorKind::BadUrl, "none");
  }

  THttpSettings settings;
  std::vector<std::string> writes;
  std::vector<std::chrono::milliseconds> timeouts;
  std::size_t consumed = 0;
};

}  // namespace

TEST_P(Exchange, SendsTheWholeHeadInOneWrite) {
  Get("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n");
  ASSERT_EQ(writes.size(), 1u);
  EXPECT_EQ(writes[0].substr(0, 31), "GET /VEXUsage.php HTTP/1.1\r\nCon");
  EXPECT_EQ(writes[0].substr(writes[0].size() - 4), "\r\n\r\n");
}

TEST_P(Exchange, ReadsBodiesByLengthChunksOrConnectionEnd) {
  EXPECT_EQ(Get("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhelloEXTRA"), "hello");
  EXPECT_EQ(Get("HTTP/1.1 200 OK\r\ncontent-length:  5 \r\n\r\nhello"), "hello");
  EXPECT_EQ(Get("HTTP/1.1 200 OK\r\nContent-Length: 3, 3\r\n\r\nabc"), "abc");
  EXPECT_EQ(Get("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                "5\r\nhello\r\n1A;name=value\r\nabcdefghijklmnopqrstuvwxyz\r\n0\r\nX-Trailer: t\r\n\r\n"),
            "helloabcdefghijklmnopqrstuvwxyz");
  EXPECT_EQ(Get("HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip, Chunked\r\nContent-Length: 1\r\n\r\n"
                "3\r\nabc\r\n0\r\n\r\n"),
            "abc");  // the coding frames the body, not the length
  EXPECT_EQ(Get("HTTP/1.0 200 OK\r\nServer: x\r\n\r\nto the end\r\nof the connection"),
            "to the end\r\nof the connection");
  EXPECT_EQ(Get("HTTP/1.1 201\r\nTransfer-Encoding: gzip\r\n\r\nraw"), "raw");
  EXPECT_EQ(Get("HTTP/1.1 204 No Content\r\n\r\n"), "");
  EXPECT_EQ(Get("HTTP/1.1 200 OK\nContent-Length: 2\n\nok"), "ok");  // bare LF line ends
  EXPECT_EQ(Get("HTTP/1.1 200 OK\r\nX-Long: a\r\n  b\r\nContent-Length: 2\r\n\r\nok"), "ok");
}

TEST_P(Exchange, SkipsInterimResponses) {
  EXPECT_EQ(Get("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 100 Continue\r\nX: y\r\n\r\n"
                "HTTP/1.1 103 Early Hints\r\nLink: </a>\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"),
            "ok");
  std::string many;
  for (int i = 0; i < 20; ++i) many += "HTTP/1.1 100 Continue\r\n\r\n";
  EXPECT_EQ(Fails(many + "HTTP/1.1 200 OK\r\n\r\n").Kind(), THttpErrorKind::Protocol);
  EXPECT_EQ(Fails("HTTP/1.1 101 Switching Protocols\r\nUpgrade: x\r\n\r\n").Kind(), THttpErrorKind::Protocol);
}

TEST_P(Exchange, RedirectionsAreErrorsAndNotFollowed) {
  for (const char* answer : {"HTTP/1.1 302 Found\r\nLocation: http://elsewhere/\r\nContent-Length: 0\r\n\r\n",
                             "HTTP/1.1 301 Moved\r\n\r\n", "HTTP/1.1 307 Temporary\r\nContent-Length: 0\r\n\r\n",
                             "HTTP/1.1 200 OK\r\nlocation: /again\r\nContent-Length: 2\r\n\r\nok",
                             "HTTP/1.1 201 Created\r\nLocation: /new\r\n\r\n"}) {
    const EHttpError e = Fails(answer);
    EXPECT_EQ(e.Kind(), THttpErrorKind::Redirect) << answer;
    EXPECT_EQ(e.StatusCode(), std::stoi(std::string(answer).substr(9, 3))) << answer;
  }
}

TEST_P(Exchange, OtherStatusesCarryTheirCodeAfterDrainingWithTheShortTimeout) {
  for (int code : {304, 400, 404, 500, 503, 600, 999}) {
    const std::string answer = "HTTP/1.1 " + std::to_string(code) + " Bad\r\nContent-Length: 4\r\n\r\noops";
    const EHttpError e = Fails(answer);
    EXPECT_EQ(e.Kind(), THttpErrorKind::Status) << code;
    EXPECT_EQ(e.StatusCode(), code);
    ASSERT_EQ(timeouts.size(), 2u);
    EXPECT_EQ(timeouts[0], settings.ReadTimeout);
    EXPECT_EQ(timeouts[1], std::chrono::milliseconds(2000));
  }
  EXPECT_EQ(consumed, std::string("HTTP/1.1 999 Bad\r\nContent-Length: 4\r\n\r\noops").size());
  // An error body that never ends, or whose server falls silent, still ends in the status.
  EXPECT_EQ(Fails("HTTP/1.1 500 Oops\r\nContent-Length: 100\r\n\r\npart", true).StatusCode(), 500);
  EXPECT_EQ(Fails("HTTP/1.1 404 No\r\n\r\nuntil silence", true).StatusCode(), 404);
}

TEST_P(Exchange, RefusesGarbageAndBrokenFraming) {
  static const char* const garbage[] = {
      "", "garbage\r\n\r\n", "HTTP/1.1 200 OK",  // closed inside the head
      "HTTP/2 200\r\n\r\n", "HTTP/1.1 2000 OK\r\n\r\n", "HTTP/1.1 20 OK\r\n\r\n", "HTTP/1.1 099 X\r\n\r\n",
      "HTTP/1.1 200OK\r\n\r\n", "ICY 200 OK\r\n\r\n", "\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03",
      "HTTP/1.1 200 OK\r\nNo colon here\r\n\r\n", "HTTP/1.1 200 OK\r\n: empty name\r\n\r\n",
      "HTTP/1.1 200 OK\r\nBad Name: x\r\n\r\n", "HTTP/1.1 200 OK\r\n folded first\r\n\r\n",
      "HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\n", "HTTP/1.1 200 OK\r\nContent-Length: 0x10\r\n\r\n",
      "HTTP/1.1 200 OK\r\nContent-Length: 2\r\nContent-Length: 3\r\n\r\nabc",
      "HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999999\r\n\r\n",
      "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n",
      "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3 x\r\nabc\r\n0\r\n\r\n",
      "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabcd\r\n0\r\n\r\n",
  };
  for (const char* answer : garbage) EXPECT_EQ(Fails(answer).Kind(), THttpErrorKind::Protocol) << answer;
  // A body cut short by the end of the connection is not a whole body.
  EXPECT_EQ(Fails("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nshort").Kind(), THttpErrorKind::Connection);
  EXPECT_EQ(Fails("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nA\r\nshort").Kind(),
            THttpErrorKind::Connection);
  EXPECT_EQ(Fails("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n").Kind(), THttpErrorKind::Protocol);
  EXPECT_EQ(Fails("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nshort", true).Kind(), THttpErrorKind::Timeout);
}

TEST_P(Exchange, LimitsBodiesLinesAndHeads) {
  settings.MaxBodySize = 10;
  EXPECT_EQ(Get("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n0123456789"), "0123456789");
  EXPECT_EQ(Get("HTTP/1.1 200 OK\r\n\r\n0123456789"), "0123456789");
  EXPECT_EQ(Fails("HTTP/1.1 200 OK\r\nContent-Length: 11\r\n\r\n01234567890").Kind(), THttpErrorKind::TooLarge);
  EXPECT_EQ(Fails("HTTP/1.1 200 OK\r\n\r\n01234567890").Kind(), THttpErrorKind::TooLarge);
  EXPECT_EQ(Fails("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n6\r\n012345\r\n5\r\n01234\r\n0\r\n\r\n").Kind(),
            THttpErrorKind::TooLarge);
  EXPECT_EQ(Fails("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nFFFFFFFFFFFFFFFFFFFFFFFF\r\n").Kind(),
            THttpErrorKind::TooLarge);
  settings.MaxLineLength = 64;
  EXPECT_EQ(Fails("HTTP/1.1 200 OK\r\nX: " + std::string(100, 'a') + "\r\n\r\n").Kind(), THttpErrorKind::Protocol);
  settings.MaxHeadSize = 200;
  std::string head = "HTTP/1.1 200 OK\r\n";
  for (int i = 0; i < 20; ++i) head += "X-Header: value\r\n";
  EXPECT_EQ(Fails(head + "\r\n").Kind(), THttpErrorKind::Protocol);
}

INSTANTIATE_TEST_SUITE_P(Slices, Exchange, ::testing::Values(1, 3, 4096));

// Servers that never stop: the client gives up at its limits instead of
// filling memory or reading for ever.
TEST(ExchangeEndless, BodyHeadAndLineStopAtTheirLimits) {
  THttpSettings settings;
  {
    EndlessStream s("HTTP/1.1 200 OK\r\n\r\n", "endless ");
    EXPECT_THROW(HttpGet(s, kUrl, settings), EHttpError);
    EXPECT_LT(s.Delivered, settings.MaxBodySize + 64 * 1024);
  }
  {
    EndlessStream s("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n", "1\r\nx\r\n");
    EXPECT_THROW(HttpGet(s, kUrl, settings), EHttpError);
    EXPECT_LT(s.Delivered, 8 * settings.MaxBodySize);
  }
  {
    EndlessStream s("HTTP/1.1 200 OK\r\n", "X-Header: value\r\n");
    EXPECT_THROW(HttpGet(s, kUrl, settings), EHttpError);
    EXPECT_LT(s.Delivered, settings.MaxHeadSize + 64 * 1024);
  }
  {
    EndlessStream s("", "HTTP/1.1 100 Continue\r\n\r\n");
    EXPECT_THROW(HttpGet(s, kUrl, settings), EHttpError);
  }
  {
    EndlessStream s("HTTP/1.1 200 OK\r\nX-Header: ", "a");
    EXPECT_THROW(HttpGet(s, kUrl, settings), EHttpError);
    EXPECT_LT(s.Delivered, settings.MaxLineLength + 64 * 1024);
  }
}
