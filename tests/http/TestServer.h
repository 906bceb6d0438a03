#pragma once
// A tiny HTTP server on 127.0.0.1 inside the test process: it records every
// request it receives and answers by a script (send bytes and close, hold the
// connection without a word, or send for ever).  One thread per connection;
// everything stops when the object goes away.
#include <winsock2.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vex::http::test {

class TestServer {
 public:
  enum class Mode {
    Answer,   // send Reply, then close
    Hold,     // read the request, then say nothing until the server stops
    AnswerThenHold,  // send Reply, then say no more and keep the connection open
    Endless,  // send Reply, then Pattern over and over while the peer reads
  };

  // Listens on 127.0.0.1:`port` (0: any free port).  Listening() tells
  // whether the port could be had.
  explicit TestServer(Mode mode = Mode::Answer, std::string reply = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok",
                      unsigned short port = 0);
  ~TestServer();
  TestServer(const TestServer&) = delete;
  TestServer& operator=(const TestServer&) = delete;

  bool Listening() const { return FListen != INVALID_SOCKET; }
  unsigned short Port() const { return FPort; }
  std::string Url(const std::string& target = "/VEXUsage.php") const;

  int Connections() const { return FConnections.load(); }
  // Connections the client has closed (seen as the end of its data).
  int Closed() const { return FClosed.load(); }
  // The request heads received so far, each up to and including its empty line.
  std::vector<std::string> Requests() const;
  // What the first read of each connection returned: the whole head when the
  // client wrote it at once.
  std::vector<std::string> FirstReads() const;
  // Bytes that arrived after a request's head (a client sending a body or a
  // second request on the same connection would show here).
  std::string Extra() const;

  std::string Pattern = "endless ";

 private:
  void AcceptLoop();
  void Serve(SOCKET client);
  bool WaitReadable(SOCKET s, int ms) const;

  Mode FMode;
  std::string FReply;
  SOCKET FListen = INVALID_SOCKET;
  unsigned short FPort = 0;
  std::atomic<bool> FStop{false};
  std::atomic<int> FConnections{0};
  std::atomic<int> FClosed{0};
  mutable std::mutex FLock;
  std::vector<std::string> FRequests, FFirstReads;
  std::string FExtra;
  std::vector<std::thread> FThreads;  // touched by the accept thread only, until it is joined
  std::thread FAcceptThread;
};

// A port on 127.0.0.1 where nothing listens (bound once, then released).
unsigned short ClosedPort();

}  // namespace vex::http::test
