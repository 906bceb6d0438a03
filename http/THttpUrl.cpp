#include "http/THttpUrl.h"

#include <cctype>

#include "http/EHttpError.h"

namespace vex::http {
namespace {

[[noreturn]] void Bad(std::string_view url, const char* why) {
  throw EHttpError(THttpErrorKind::BadUrl, std::string("Invalid URL \"") + std::string(url) + "\": " + why);
}

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

bool IsHostChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.' || c == '_';
}

}  // namespace

std::string THttpUrl::HostHeader() const {
  return Port == 80 ? Host : Host + ":" + std::to_string(Port);
}

std::string THttpUrl::LookupHost() const {
  if (Host.size() >= 2 && Host.front() == '[') return Host.substr(1, Host.size() - 2);
  return Host;
}

THttpUrl THttpUrl::Parse(std::string_view url) {
  // Every byte ends up on the request line or in the Host header: a CR, LF or
  // blank there would let the address write headers of its own.
  for (char c : url) {
    const auto b = static_cast<unsigned char>(c);
    if (b <= 0x20 || b >= 0x7F) Bad(url, "control character, blank or non-ASCII byte");
  }
  const std::size_t colon = url.find("://");
  if (colon == std::string_view::npos || !SameLetters(url.substr(0, colon), "http")) Bad(url, "not an http URL");
  std::string_view rest = url.substr(colon + 3);

  const std::size_t authorityEnd = rest.find_first_of("/?#");
  std::string_view authority = rest.substr(0, authorityEnd);
  std::string_view target = authorityEnd == std::string_view::npos ? std::string_view() : rest.substr(authorityEnd);
  // The fragment belongs to the reader of the page, never to the server.
  target = target.substr(0, target.find('#'));
  if (authority.find('@') != std::string_view::npos) Bad(url, "user information is not sent");

  THttpUrl result;
  std::string_view portText;
  bool hasPort = false;
  if (!authority.empty() && authority.front() == '[') {
    const std::size_t close = authority.find(']');
    if (close == std::string_view::npos || close < 2) Bad(url, "bad IPv6 literal");
    for (char c : authority.substr(1, close - 1))
      if (!std::isxdigit(static_cast<unsigned char>(c)) && c != ':' && c != '.') Bad(url, "bad IPv6 literal");
    result.Host = std::string(authority.substr(0, close + 1));
    std::string_view after = authority.substr(close + 1);
    if (!after.empty()) {
      if (after.front() != ':') Bad(url, "bad IPv6 literal");
      hasPort = true;
      portText = after.substr(1);
    }
  } else {
    const std::size_t portColon = authority.find(':');
    result.Host = std::string(authority.substr(0, portColon));
    if (portColon != std::string_view::npos) {
      hasPort = true;
      portText = authority.substr(portColon + 1);
    }
    for (char c : result.Host)
      if (!IsHostChar(c)) Bad(url, "bad character in host");
  }
  if (result.Host.empty()) Bad(url, "no host");
  if (hasPort) {
    if (portText.empty() || portText.size() > 5) Bad(url, "port is not a number");
    unsigned value = 0;
    for (char c : portText) {
      if (c < '0' || c > '9') Bad(url, "port is not a number");
      value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value == 0 || value > 65535) Bad(url, "port out of range");
    result.Port = static_cast<std::uint16_t>(value);
  }
  result.Target = target.empty() || target.front() != '/' ? "/" + std::string(target) : std::string(target);
  return result;
}

}  // namespace vex::http
