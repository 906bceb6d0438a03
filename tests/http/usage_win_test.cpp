// The usage report component and its worker against a server on 127.0.0.1.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "TestServer.h"
#include "app/usage/TKnowUsage.h"
#include "app/usage/TVisitThread.h"
#include "app/usage/UsageAddress.h"
#include "http/EHttpError.h"
#include "win_test_support.h"

using vex::app::TKnowUsage;
using vex::app::TVisitThread;
using vex::http::EHttpError;
using vex::http::THttpErrorKind;
using vex::http::test::TestServer;

namespace {

std::string ExpectedHead(const TestServer& server) {
  return "GET /VEXUsage.php HTTP/1.1\r\nContent-Type: text/html\r\nHost: 127.0.0.1:" + std::to_string(server.Port()) +
         "\r\nAccept: text/html, */*\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n\r\n";
}

}  // namespace

TEST(KnowUsage, VisitReturnsWhileTheServerNeverAnswers) {
  TestServer server(TestServer::Mode::Hold);
  TKnowUsage usage(nullptr);
  usage.URL = server.Url();
  usage.Visit();
  // The worker keeps its own copy: what happens to URL now does not matter.
  usage.URL = "http://127.0.0.1:1/changed";
  ASSERT_TRUE(vex::test::PumpUntil([&] { return server.Requests().size() == 1; }));
  EXPECT_EQ(server.Requests()[0], ExpectedHead(server));
  EXPECT_EQ(server.Connections(), 1);
}

TEST(KnowUsage, WorkerOutlivesTheComponentAndItsOwner) {
  TestServer server;
  auto* owner = new vcl::TComponent(nullptr);
  auto* usage = new TKnowUsage(owner);
  usage->SetName("KnowUsage1");
  usage->URL = server.Url();
  EXPECT_EQ(owner->FindComponent("KnowUsage1"), usage);
  usage->Visit();
  owner->Free();  // frees KnowUsage1 too; the worker holds its own copy of the address
  ASSERT_TRUE(vex::test::PumpUntil([&] { return server.Closed() == 1; }));
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0], ExpectedHead(server));
}

TEST(KnowUsage, OneRequestPerVisitWithTheAnswerDropped) {
  TestServer server;
  TKnowUsage usage(nullptr);
  usage.URL = server.Url();
  const int visits = 10;
  double slowest = 0, total = 0;
  for (int i = 0; i < visits; ++i) {
    const auto start = std::chrono::steady_clock::now();
    usage.Visit();
    const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    slowest = std::max(slowest, us);
    total += us;
  }
  ASSERT_TRUE(vex::test::PumpUntil([&] { return server.Closed() == visits; }));
  EXPECT_EQ(server.Connections(), visits);
  EXPECT_EQ(server.Requests().size(), static_cast<std::size_t>(visits));
  std::printf("[ figure ] Visit returns after %.0f us on the calling thread (mean of %d; slowest %.0f us)\n",
              total / visits, visits, slowest);
}

TEST(VisitThread, FailuresEndInAnErrorForTheStartRoutine) {
  struct Case { const char* answer; THttpErrorKind kind; int code; };
  static const Case cases[] = {
      {"HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found", THttpErrorKind::Status, 404},
      {"HTTP/1.1 500 Internal Server Error\r\n\r\nbroken", THttpErrorKind::Status, 500},
      {"HTTP/1.1 302 Found\r\nLocation: /elsewhere\r\nContent-Length: 0\r\n\r\n", THttpErrorKind::Redirect, 302},
      {"SSH-2.0-OpenSSH_9.2\r\n", THttpErrorKind::Protocol, 0},
  };
  for (const Case& c : cases) {
    TestServer server(TestServer::Mode::Answer, c.answer);
    try {
      TVisitThread::Report(server.Url());
      ADD_FAILURE() << c.answer;
    } catch (const EHttpError& e) {
      EXPECT_EQ(e.Kind(), c.kind) << c.answer;
      EXPECT_EQ(e.StatusCode(), c.code) << c.answer;
    }
    EXPECT_EQ(server.Connections(), 1) << c.answer;
  }
  TestServer ok;
  EXPECT_NO_THROW(TVisitThread::Report(ok.Url()));
  EXPECT_EQ(ok.Requests().size(), 1u);
}

TEST(VisitThread, EmptyAddressSendsNothing) {
  EXPECT_NO_THROW(TVisitThread::Report(""));
  TestServer server;
  TKnowUsage usage(nullptr);  // URL empty
  usage.Visit();
  usage.URL = server.Url();
  usage.Visit();  // a marker: the empty visit before it sent nothing anywhere
  ASSERT_TRUE(vex::test::PumpUntil([&] { return server.Requests().size() == 1; }));
  EXPECT_EQ(server.Connections(), 1);
}

TEST(UsageAddress, ReadFromTheEnvironment) {
  struct Restore {
    ~Restore() {
      SetEnvironmentVariableA("VEXILO_USAGE_URL", nullptr);
      SetEnvironmentVariableA("DO_NOT_TRACK", nullptr);
    }
  } restore;
  SetEnvironmentVariableA("VEXILO_USAGE_URL", nullptr);
  SetEnvironmentVariableA("DO_NOT_TRACK", nullptr);
  EXPECT_EQ(vex::app::UsageUrlFromEnvironment(), vex::app::kDefaultUsageUrl);
  SetEnvironmentVariableA("VEXILO_USAGE_URL", "http://127.0.0.1:9/VEXUsage.php");
  EXPECT_EQ(vex::app::UsageUrlFromEnvironment(), "http://127.0.0.1:9/VEXUsage.php");
  SetEnvironmentVariableA("VEXILO_USAGE_URL", "");
  EXPECT_EQ(vex::app::UsageUrlFromEnvironment(), "");
  SetEnvironmentVariableA("VEXILO_USAGE_URL", nullptr);
  SetEnvironmentVariableA("DO_NOT_TRACK", "1");
  EXPECT_EQ(vex::app::UsageUrlFromEnvironment(), "");
}
