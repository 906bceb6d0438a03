// The client against real sockets: a server thread in this process on
// 127.0.0.1 receives the request and answers by script.
#include <gtest/gtest.h>

#include <string>

#include "TestServer.h"
#include "http/EHttpError.h"
#include "http/THttpClient.h"

using namespace vex::http;
using vex::http::test::ClosedPort;
using vex::http::test::TestServer;
using std::chrono::milliseconds;

namespace {

const char kAccept[] = "Accept: text/html, */*\r\n";
const char kAgent[] = "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n";

std::string Head(const std::string& target, const std::string& host) {
  return "GET " + target + " HTTP/1.1\r\nContent-Type: text/html\r\nHost: " + host + "\r\n" + kAccept + kAgent + "\r\n";
}

EHttpError GetFails(THttpClient& client, const std::string& url) {
  try {
    client.Get(url);
  } catch (const EHttpError& e) {
    return e;
  }
  ADD_FAILURE() << "no error for " << url;
  return EHttpError(THttpErrorKind::BadUrl, "none");
}

}  // namespace

TEST(HttpClient, SendsTheExactHeadInOneWrite) {
  TestServer server;
  THttpClient client;
  EXPECT_EQ(client.Get(server.Url("/r/VEXUsage.php?id=7&v=3.0")), "ok");
  const std::string expected = Head("/r/VEXUsage.php?id=7&v=3.0", "127.0.0.1:" + std::to_string(server.Port()));
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0], expected);
  EXPECT_EQ(server.FirstReads()[0], expected);
  EXPECT_EQ(server.Extra(), "");

  // A name rather than an address, no query: the Host header keeps the name.
  EXPECT_EQ(client.Get("http://localhost:" + std::to_string(server.Port()) + "/VEXUsage.php"), "ok");
  ASSERT_EQ(server.Requests().size(), 2u);
  EXPECT_EQ(server.Requests()[1], Head("/VEXUsage.php", "localhost:" + std::to_string(server.Port())));
}

TEST(HttpClient, DefaultPortLeavesTheHostHeaderBare) {
  TestServer server(TestServer::Mode::Answer, "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok", 80);
  if (!server.Listening()) GTEST_SKIP() << "port 80 on 127.0.0.1 is taken or not ours to bind";
  THttpClient client;
  EXPECT_EQ(client.Get("http://127.0.0.1/VEXUsage.php"), "ok");
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0], Head("/VEXUsage.php", "127.0.0.1"));
}

TEST(HttpClient, ReadsWholeBodiesOfEveryFraming) {
  std::string big;
  for (int i = 0; big.size() < 300000; ++i) big += std::to_string(i) + ",";
  std::string chunked;
  for (std::size_t at = 0; at < big.size(); at += 7000) {
    const std::string part = big.substr(at, 7000);
    char size[16];
    snprintf(size, sizeof size, "%zx", part.size());
    chunked += std::string(size) + "\r\n" + part + "\r\n";
  }
  const std::string answers[] = {
      "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(big.size()) + "\r\n\r\n" + big,
      "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n" + chunked + "0\r\n\r\n",
      "HTTP/1.0 200 OK\r\n\r\n" + big,
      "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(big.size()) + "\r\n\r\n" + big,
  };
  for (const std::string& answer : answers) {
    TestServer server(TestServer::Mode::Answer, answer);
    THttpClient client;
    EXPECT_EQ(client.Get(server.Url()), big) << answer.substr(0, 40);
    EXPECT_EQ(server.Connections(), 1);
  }
}

TEST(HttpClient, RedirectionGetsNoSecondRequest) {
  TestServer target;
  TestServer server(TestServer::Mode::Answer,
                    "HTTP/1.1 302 Found\r\nLocation: " + target.Url("/moved") + "\r\nContent-Length: 0\r\n\r\n");
  THttpClient client;
  const EHttpError e = GetFails(client, server.Url());
  EXPECT_EQ(e.Kind(), THttpErrorKind::Redirect);
  EXPECT_EQ(e.StatusCode(), 302);
  EXPECT_EQ(server.Connections(), 1);
  EXPECT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(target.Connections(), 0);
}

TEST(HttpClient, ErrorStatusesCarryTheirCode) {
  for (int code : {404, 500}) {
    TestServer server(TestServer::Mode::Answer,
                      "HTTP/1.1 " + std::to_string(code) + " Nope\r\nContent-Type: text/html\r\n\r\n<html>error page</html>");
    THttpClient client;
    const EHttpError e = GetFails(client, server.Url());
    EXPECT_EQ(e.Kind(), THttpErrorKind::Status);
    EXPECT_EQ(e.StatusCode(), code);
  }
}

TEST(HttpClient, ErrorBodyThatNeverEndsStillGivesTheStatus) {
  {
    TestServer server(TestServer::Mode::Endless, "HTTP/1.1 500 Oops\r\n\r\n");
    THttpClient client;
    const EHttpError e = GetFails(client, server.Url());
    EXPECT_EQ(e.Kind(), THttpErrorKind::Status);
    EXPECT_EQ(e.StatusCode(), 500);
  }
  {
    // Part of the error body, then silence: the client waits the short
    // error-body time-out (2 s), not its long read time-out.  The bound is
    // far above 2 s and far below the read time-out.
    TestServer server(TestServer::Mode::AnswerThenHold, "HTTP/1.1 404 No\r\nContent-Length: 100\r\n\r\npart");
    THttpClient client;
    client.Settings.ReadTimeout = milliseconds(120000);
    client.Settings.TotalTimeout = milliseconds(300000);
    const auto start = std::chrono::steady_clock::now();
    const EHttpError e = GetFails(client, server.Url());
    EXPECT_EQ(e.StatusCode(), 404);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
  }
}

TEST(HttpClient, ConnectionFailures) {
  THttpClient client;
  client.Settings.ConnectTimeout = milliseconds(500);
  EXPECT_EQ(GetFails(client, "http://127.0.0.1:" + std::to_string(ClosedPort()) + "/VEXUsage.php").Kind(),
            THttpErrorKind::Connect);
  // A documentation address nobody routes: fails at once or after the connect time-out.
  EXPECT_EQ(GetFails(client, "http://192.0.2.1:9/VEXUsage.php").Kind(), THttpErrorKind::Connect);
  EXPECT_EQ(GetFails(client, "http://no-such-host.invalid/VEXUsage.php").Kind(), THttpErrorKind::Connect);
  EXPECT_EQ(GetFails(client, "https://127.0.0.1/VEXUsage.php").Kind(), THttpErrorKind::BadUrl);
}

TEST(HttpClient, HostileServers) {
  THttpClient client;
  client.Settings.ReadTimeout = milliseconds(300);
  {
    TestServer server(TestServer::Mode::Hold);
    EXPECT_EQ(GetFails(client, server.Url()).Kind(), THttpErrorKind::Timeout);
    EXPECT_EQ(server.Requests().size(), 1u);
  }
  {
    TestServer server(TestServer::Mode::Answer, std::string("\x00\xff garbage\r\n\r\n", 13));
    EXPECT_EQ(GetFails(client, server.Url()).Kind(), THttpErrorKind::Protocol);
  }
  {
    TestServer server(TestServer::Mode::Answer, "");  // closes without a word
    EXPECT_EQ(GetFails(client, server.Url()).Kind(), THttpErrorKind::Protocol);
  }
  {
    TestServer server(TestServer::Mode::Endless, "HTTP/1.1 200 OK\r\n\r\n");
    EXPECT_EQ(GetFails(client, server.Url()).Kind(), THttpErrorKind::TooLarge);
  }
  {
    TestServer server(TestServer::Mode::Endless, "HTTP/1.1 200 OK\r\n");
    server.Pattern = "X-More: headers\r\n";
    EXPECT_EQ(GetFails(client, server.Url()).Kind(), THttpErrorKind::Protocol);
  }
  {
    // Bytes keep coming, never enough for the limits: the whole-exchange time-out ends it.
    TestServer server(TestServer::Mode::Endless, "HTTP/1.1 200 OK\r\n\r\n");
    client.Settings.MaxBodySize = std::size_t(1) << 40;
    client.Settings.TotalTimeout = milliseconds(500);
    EXPECT_EQ(GetFails(client, server.Url()).Kind(), THttpErrorKind::Timeout);
  }
}
