#pragma once
// Keeps Winsock started for as long as the object lives.  WSAStartup counts
// its callers, so every user of sockets may own one.
namespace vex::http {

class TWinsock {
 public:
  TWinsock();  // throws EHttpError(Connect) when Winsock cannot start
  ~TWinsock();
  TWinsock(const TWinsock&) = delete;
  TWinsock& operator=(const TWinsock&) = delete;
};

}  // namespace vex::http
