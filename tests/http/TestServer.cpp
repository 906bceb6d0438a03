#include "TestServer.h"

#include <ws2tcpip.h>

namespace vex::http::test {
namespace {

struct WinsockUser {
  WinsockUser() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
  }
  ~WinsockUser() { WSACleanup(); }
};

SOCKET Listen(unsigned short port, unsigned short& bound) {
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  a.sin_port = htons(port);
  if (bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || listen(s, 16) != 0) {
    closesocket(s);
    return INVALID_SOCKET;
  }
  int len = sizeof a;
  getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
  bound = ntohs(a.sin_port);
  return s;
}

void SendAll(SOCKET s, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const int n = send(s, bytes.data() + done, static_cast<int>(bytes.size() - done), 0);
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

}  // namespace

TestServer::TestServer(Mode mode, std::string reply, unsigned short port) : FMode(mode), FReply(std::move(reply)) {
  static WinsockUser winsock;  // lives to the end of the test process
  FListen = Listen(port, FPort);
  if (FListen != INVALID_SOCKET) FAcceptThread = std::thread([this] { AcceptLoop(); });
}

TestServer::~TestServer() {
  FStop = true;
  if (FAcceptThread.joinable()) FAcceptThread.join();
  for (std::thread& t : FThreads) t.join();
  if (FListen != INVALID_SOCKET) closesocket(FListen);
}

std::string TestServer::Url(const std::string& target) const {
  return "http://127.0.0.1:" + std::to_string(FPort) + target;
}

std::vector<std::string> TestServer::Requests() const {
  std::lock_guard<std::mutex> lock(FLock);
  return FRequests;
}

std::vector<std::string> TestServer::FirstReads() const {
  std::lock_guard<std::mutex> lock(FLock);
  return FFirstReads;
}

std::string TestServer::Extra() const {
  std::lock_guard<std::mutex> lock(FLock);
  return FExtra;
}

// The server's loops look at the stop flag between short selects, so a
// connection that never ends cannot keep a test from finishing.
bool TestServer::WaitReadable(SOCKET s, int ms) const {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s, &set);
  timeval tv{0, ms * 1000};
  return select(0, &set, nullptr, nullptr, &tv) > 0;
}

void TestServer::AcceptLoop() {
  while (!FStop) {
    if (!WaitReadable(FListen, 20)) continue;
    SOCKET client = accept(FListen, nullptr, nullptr);
    if (client == INVALID_SOCKET) continue;
    ++FConnections;
    FThreads.emplace_back([this, client] { Serve(client); });
  }
}

void TestServer::Serve(SOCKET client) {
  std::string received;
  bool first = true;
  char buffer[4096];
  // Read the head: up to the empty line, or until the client gives up.
  std::size_t end = std::string::npos;
  while (!FStop && (end = received.find("\r\n\r\n")) == std::string::npos) {
    if (!WaitReadable(client, 20)) continue;
    const int n = recv(client, buffer, sizeof buffer, 0);
    if (n <= 0) {
      ++FClosed;
      break;
    }
    received.append(buffer, static_cast<std::size_t>(n));
    if (first) {
      std::lock_guard<std::mutex> lock(FLock);
      FFirstReads.emplace_back(buffer, static_cast<std::size_t>(n));
      first = false;
    }
  }
  if (end != std::string::npos) {
    std::lock_guard<std::mutex> lock(FLock);
    FRequests.push_back(received.substr(0, end + 4));
    FExtra += received.substr(end + 4);
  }
  switch (FMode) {
    case Mode::Answer:
      SendAll(client, FReply);
      shutdown(client, SD_SEND);
      // Wait for the client to close; anything it still sends is recorded.
      while (!FStop) {
        if (!WaitReadable(client, 20)) continue;
        const int n = recv(client, buffer, sizeof buffer, 0);
        if (n <= 0) {
          ++FClosed;
          break;
        }
        std::lock_guard<std::mutex> lock(FLock);
        FExtra.append(buffer, static_cast<std::size_t>(n));
      }
      break;
    case Mode::Endless: {
      SendAll(client, FReply);
      // Non-blocking from here on: a peer that stops reading must not pin
      // this thread in send() when the server is asked to stop.
      u_long nonBlocking = 1;
      ioctlsocket(client, FIONBIO, &nonBlocking);
      std::string block;
      while (block.size() < 16384) block += Pattern;
      while (!FStop) {
        fd_set set;
        FD_ZERO(&set);
        FD_SET(client, &set);
        timeval tv{0, 20000};
        if (select(0, nullptr, &set, nullptr, &tv) <= 0) continue;
        if (send(client, block.data(), static_cast<int>(block.size()), 0) <= 0 && WSAGetLastError() != WSAEWOULDBLOCK) {
          ++FClosed;
          break;
        }
      }
      break;
    }
    case Mode::AnswerThenHold:
      SendAll(client, FReply);
      [[fallthrough]];
    case Mode::Hold:
      while (!FStop) {
        if (WaitReadable(client, 20) && recv(client, buffer, sizeof buffer, 0) <= 0) {
          ++FClosed;
          break;
        }
      }
      break;
  }
  closesocket(client);
}

unsigned short ClosedPort() {
  static WinsockUser winsock;
  unsigned short port = 0;
  SOCKET s = Listen(0, port);
  closesocket(s);
  return port;
}

}  // namespace vex::http::test
