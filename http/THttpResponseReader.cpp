#include "http/THttpResponseReader.h"

#include <cctype>
#include <optional>

#include "http/EHttpError.h"

namespace vex::http {
namespace {

[[noreturn]] void Protocol(const std::string& why) {
  throw EHttpError(THttpErrorKind::Protocol, "Invalid HTTP response: " + why);
}

[[noreturn]] void TooLarge() {
  throw EHttpError(THttpErrorKind::TooLarge, "HTTP response body is too large");
}

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsTokenChar(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b > 0x20 && b < 0x7F && std::string_view("()<>@,;:\\\"/[]?={}").find(c) == std::string_view::npos;
}

// Content-Length may be repeated (as headers or as a list) only with one
// value; anything else makes the body's end ambiguous, so it is refused.
std::optional<std::size_t> ContentLength(const THttpHead& head) {
  std::optional<std::size_t> length;
  for (const auto& [name, value] : head.Headers) {
    if (!SameLetters(name, "Content-Length")) continue;
    std::string_view list = value;
    for (;;) {
      const std::size_t comma = list.find(',');
      const std::string_view item = Trim(list.substr(0, comma));
      if (item.empty() || item.size() > 18) Protocol("bad Content-Length");
      std::size_t n = 0;
      for (char c : item) {
        if (!IsDigit(c)) Protocol("bad Content-Length");
        n = n * 10 + static_cast<std::size_t>(c - '0');
      }
      if (length && *length != n) Protocol("conflicting Content-Length");
      length = n;
      if (comma == std::string_view::npos) break;
      list.remove_prefix(comma + 1);
    }
  }
  return length;
}

// Whether the last transfer coding is "chunked" (then the chunks frame the
// body); any other Transfer-Encoding means the body runs to the end of the
// connection.  Empty when there is no Transfer-Encoding.
std::optional<bool> Chunked(const THttpHead& head) {
  std::optional<bool> chunked;
  for (const auto& [name, value] : head.Headers) {
    if (!SameLetters(name, "Transfer-Encoding")) continue;
    std::string_view list = value;
    const std::size_t comma = list.rfind(',');
    const std::string_view last = Trim(comma == std::string_view::npos ? list : list.substr(comma + 1));
    chunked = SameLetters(last, "chunked");
  }
  return chunked;
}

}  // namespace

const std::string* THttpHead::Find(std::string_view name) const {
  for (const auto& header : Headers)
    if (SameLetters(header.first, name)) return &header.second;
  return nullptr;
}

THttpResponseReader::THttpResponseReader(THttpStream& stream, const THttpSettings& settings)
    : FStream(stream), FSettings(settings) {}

bool THttpResponseReader::Fill() {
  if (FPos > 0) {
    FBuffer.erase(0, FPos);
    FPos = 0;
  }
  const std::size_t old = FBuffer.size();
  FBuffer.resize(old + 4096);
  const std::size_t got = FStream.Receive(FBuffer.data() + old, 4096);
  FBuffer.resize(old + got);
  return got > 0;
}

// One line without its end (CR LF, or a bare LF as lenient servers send).
// Each line counts against the head's budget, so a head that never ends
// cannot grow without bound.
std::string THttpResponseReader::ReadLine(std::size_t& headBudget) {
  std::size_t scanned = FPos;
  for (;;) {
    const std::size_t lf = FBuffer.find('\n', scanned);
    if (lf != std::string::npos) {
      std::size_t end = lf;
      if (end > FPos && FBuffer[end - 1] == '\r') --end;
      const std::size_t length = end - FPos;
      if (length > FSettings.MaxLineLength) Protocol("line too long");
      if (lf + 1 - FPos > headBudget) Protocol("head too large");
      headBudget -= lf + 1 - FPos;
      std::string line = FBuffer.substr(FPos, length);
      FPos = lf + 1;
      return line;
    }
    const std::size_t pending = FBuffer.size() - FPos;
    if (pending > FSettings.MaxLineLength + 1) Protocol("line too long");
    if (pending > headBudget) Protocol("head too large");
    scanned = FBuffer.size();
    const std::size_t kept = scanned - FPos;
    if (!Fill()) Protocol("connection closed inside the head");
    scanned = FPos + kept;
  }
}

void THttpResponseReader::ReadHeaders(THttpHead& head, std::size_t& headBudget) {
  for (;;) {
    std::string line = ReadLine(headBudget);
    if (line.empty()) return;
    if (line.front() == ' ' || line.front() == '\t') {
      // An obsolete folded continuation: part of the previous value.
      if (head.Headers.empty()) Protocol("continuation before any header");
      head.Headers.back().second += ' ';
      head.Headers.back().second += Trim(line);
      continue;
    }
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos || colon == 0) Protocol("header without a name");
    const std::string_view name = std::string_view(line).substr(0, colon);
    for (char c : name)
      if (!IsTokenChar(c)) Protocol("bad header name");
    head.Headers.emplace_back(std::string(name), std::string(Trim(std::string_view(line).substr(colon + 1))));
  }
}

THttpHead THttpResponseReader::ReadHead() {
  for (int interim = 0;; ++interim) {
    std::size_t headBudget = FSettings.MaxHeadSize;
    const std::string line = ReadLine(headBudget);
    // "HTTP/1.x SSS[ reason]"
    if (line.size() < 12 || line.compare(0, 7, "HTTP/1.") != 0 || !IsDigit(line[7]) || line[8] != ' ' ||
        !IsDigit(line[9]) || !IsDigit(line[10]) || !IsDigit(line[11]) || (line.size() > 12 && line[12] != ' '))
      Protocol("bad status line");
    THttpHead head;
    head.StatusCode = (line[9] - '0') * 100 + (line[10] - '0') * 10 + (line[11] - '0');
    if (head.StatusCode < 100) Protocol("bad status code");
    if (line.size() > 13) head.Reason = line.substr(13);
    ReadHeaders(head, headBudget);
    if (head.StatusCode >= 200) return head;
    // 101 would switch protocols, which a plain GET never asked for.
    if (head.StatusCode == 101) Protocol("unexpected protocol switch");
    if (interim + 1 >= FSettings.MaxInterimResponses) Protocol("too many interim responses");
  }
}

std::string THttpResponseReader::ReadExact(std::size_t count, const char* what) {
  while (FBuffer.size() - FPos < count)
    if (!Fill()) throw EHttpError(THttpErrorKind::Connection, std::string("Connection closed inside the ") + what);
  std::string data = FBuffer.substr(FPos, count);
  FPos += count;
  return data;
}

std::string THttpResponseReader::ReadChunked(std::size_t limit) {
  std::string body;
  std::size_t budget = FSettings.MaxHeadSize;  // chunk lines and trailers
  for (;;) {
    const std::string line = ReadLine(budget);
    std::size_t size = 0;
    std::size_t i = 0;
    for (; i < line.size() && std::isxdigit(static_cast<unsigned char>(line[i])); ++i) {
      if (size > (limit >> 4)) TooLarge();
      const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(line[i])));
      size = size * 16 + static_cast<std::size_t>(IsDigit(c) ? c - '0' : c - 'a' + 10);
    }
    if (i == 0) Protocol("bad chunk size");
    const std::string_view rest = Trim(std::string_view(line).substr(i));
    if (!rest.empty() && rest.front() != ';') Protocol("bad chunk size");
    if (size == 0) break;
    if (size > limit - body.size()) TooLarge();
    body += ReadExact(size, "body");
    if (!ReadLine(budget).empty()) Protocol("chunk not followed by its line end");
  }
  // Trailer fields are read and dropped; the response ends at the empty line.
  while (!ReadLine(budget).empty()) {
  }
  return body;
}

std::string THttpResponseReader::ReadToEnd(std::size_t limit) {
  for (;;) {
    if (FBuffer.size() - FPos > limit) TooLarge();
    if (!Fill()) break;
  }
  if (FBuffer.size() - FPos > limit) TooLarge();
  std::string body = FBuffer.substr(FPos);
  FPos = FBuffer.size();
  return body;
}

std::string THttpResponseReader::ReadBody(const THttpHead& head, std::size_t limit) {
  if (head.StatusCode == 204 || head.StatusCode == 304) return {};
  // Transfer-Encoding overrides Content-Length: a response carrying both is
  // framed by its coding.
  if (const std::optional<bool> chunked = Chunked(head)) return *chunked ? ReadChunked(limit) : ReadToEnd(limit);
  if (const std::optional<std::size_t> length = ContentLength(head)) {
    if (*length > limit) TooLarge();
    return ReadExact(*length, "body");
  }
  return ReadToEnd(limit);
}

}  // namespace vex::http
