#include "http/TSocketStream.h"

#include <ws2tcpip.h>

#include <algorithm>
#include <utility>

#include "http/EHttpError.h"

namespace vex::http {
namespace {

using std::chrono::milliseconds;

std::string ErrorText(const char* what, int error) { return std::string(what) + " (Winsock error " + std::to_string(error) + ")"; }

// select() takes a timeval; a negative or huge wait is clamped.
timeval ToTimeval(milliseconds wait) {
  const long long ms = std::clamp<long long>(wait.count(), 0, 24LL * 3600 * 1000);
  timeval tv;
  tv.tv_sec = static_cast<long>(ms / 1000);
  tv.tv_usec = static_cast<long>((ms % 1000) * 1000);
  return tv;
}

struct TAddressList {
  addrinfo* List = nullptr;
  ~TAddressList() { if (List) freeaddrinfo(List); }
};

struct TOwnedSocket {
  SOCKET Handle = INVALID_SOCKET;
  ~TOwnedSocket() { if (Handle != INVALID_SOCKET) closesocket(Handle); }
  SOCKET Release() { return std::exchange(Handle, INVALID_SOCKET); }
};

// One connect attempt; true when the connection stands within `timeout`.
bool TryConnect(TOwnedSocket& sock, const addrinfo& address, milliseconds timeout, int& error) {
  sock.Handle = socket(address.ai_family, address.ai_socktype, address.ai_protocol);
  if (sock.Handle == INVALID_SOCKET) {
    error = WSAGetLastError();
    return false;
  }
  u_long nonBlocking = 1;
  ioctlsocket(sock.Handle, FIONBIO, &nonBlocking);
  if (connect(sock.Handle, address.ai_addr, static_cast<int>(address.ai_addrlen)) == 0) return true;
  error = WSAGetLastError();
  if (error != WSAEWOULDBLOCK) return false;
  // Winsock reports a failed non-blocking connect in the exception set, a
  // finished one in the write set; SO_ERROR tells which it was.
  fd_set writable, failed;
  FD_ZERO(&writable);
  FD_ZERO(&failed);
  FD_SET(sock.Handle, &writable);
  FD_SET(sock.Handle, &failed);
  timeval tv = ToTimeval(timeout);
  const int ready = select(0, nullptr, &writable, &failed, &tv);
  if (ready == 0) {
    error = WSAETIMEDOUT;
    return false;
  }
  int soError = 0;
  int length = sizeof soError;
  getsockopt(sock.Handle, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&soError), &length);
  if (ready < 0 || soError != 0 || FD_ISSET(sock.Handle, &failed)) {
    error = ready < 0 ? WSAGetLastError() : (soError ? soError : WSAECONNREFUSED);
    return false;
  }
  return true;
}

}  // namespace

std::unique_ptr<TSocketStream> TSocketStream::Connect(const std::string& host, unsigned short port,
                                                      const THttpSettings& settings) {
  const Clock::time_point deadline = Clock::now() + settings.TotalTimeout;
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  TAddressList addresses;
  // The name lookup is the one wait without a time-out of ours: Winsock's
  // resolver gives up on its own, and the caller runs on a thread nobody waits for.
  if (const int error = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &addresses.List))
    throw EHttpError(THttpErrorKind::Connect, ErrorText(("Cannot resolve " + host).c_str(), error));
  int error = WSAHOST_NOT_FOUND;
  for (const addrinfo* a = addresses.List; a; a = a->ai_next) {
    const milliseconds left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) {
      error = WSAETIMEDOUT;
      break;
    }
    TOwnedSocket sock;
    if (TryConnect(sock, *a, std::min(settings.ConnectTimeout, left), error))
      return std::unique_ptr<TSocketStream>(new TSocketStream(sock.Release(), deadline, settings.ReadTimeout));
  }
  throw EHttpError(THttpErrorKind::Connect, ErrorText(("Cannot connect to " + host + ":" + std::to_string(port)).c_str(), error));
}

TSocketStream::TSocketStream(SOCKET socket, Clock::time_point deadline, milliseconds readTimeout)
    : FSocket(socket), FDeadline(deadline), FReadTimeout(readTimeout) {}

TSocketStream::~TSocketStream() { closesocket(FSocket); }

bool TSocketStream::Wait(bool forWrite, milliseconds timeout) const {
  const milliseconds left = std::chrono::duration_cast<milliseconds>(FDeadline - Clock::now());
  fd_set set;
  FD_ZERO(&set);
  FD_SET(FSocket, &set);
  timeval tv = ToTimeval(std::min(timeout, left));
  const int ready = forWrite ? select(0, nullptr, &set, nullptr, &tv) : select(0, &set, nullptr, nullptr, &tv);
  if (ready < 0) throw EHttpError(THttpErrorKind::Connection, ErrorText("select failed", WSAGetLastError()));
  return ready > 0;
}

void TSocketStream::Send(std::string_view bytes) {
  while (!bytes.empty()) {
    const int sent = send(FSocket, bytes.data(), static_cast<int>(std::min<std::size_t>(bytes.size(), 1 << 20)), 0);
    if (sent > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(sent));
      continue;
    }
    const int error = WSAGetLastError();
    if (error != WSAEWOULDBLOCK) throw EHttpError(THttpErrorKind::Connection, ErrorText("Send failed", error));
    if (!Wait(true, FReadTimeout)) throw EHttpError(THttpErrorKind::Timeout, "Send timed out");
  }
}

std::size_t TSocketStream::Receive(char* buffer, std::size_t size) {
  // Checked before every read, not only before waits: a server that always
  // has more to send would otherwise never meet the deadline.
  if (Clock::now() >= FDeadline) throw EHttpError(THttpErrorKind::Timeout, "Response took too long");
  for (;;) {
    const int got = recv(FSocket, buffer, static_cast<int>(std::min<std::size_t>(size, 1 << 20)), 0);
    if (got >= 0) return static_cast<std::size_t>(got);
    const int error = WSAGetLastError();
    if (error != WSAEWOULDBLOCK) throw EHttpError(THttpErrorKind::Connection, ErrorText("Receive failed", error));
    if (!Wait(false, FReadTimeout)) throw EHttpError(THttpErrorKind::Timeout, "Receive timed out");
  }
}

}  // namespace vex::http
