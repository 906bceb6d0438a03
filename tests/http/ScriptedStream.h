#pragma once
// A stream that plays back a server's answer in slices of a chosen size and
// records what the client sent, for the native tests of the client.
#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "http/EHttpError.h"
#include "http/THttpStream.h"

namespace vex::http::test {

class ScriptedStream : public THttpStream {
 public:
  explicit ScriptedStream(std::string answer, std::size_t slice = 4096, bool timesOutAtEnd = false)
      : FAnswer(std::move(answer)), FSlice(slice), FTimesOutAtEnd(timesOutAtEnd) {}

  void Send(std::string_view bytes) override { Writes.emplace_back(bytes); }
  std::size_t Receive(char* buffer, std::size_t size) override {
    ++Receives;
    if (FPos == FAnswer.size() && FTimesOutAtEnd) throw EHttpError(THttpErrorKind::Timeout, "Receive timed out");
    const std::size_t n = std::min({size, FSlice, FAnswer.size() - FPos});
    std::memcpy(buffer, FAnswer.data() + FPos, n);
    FPos += n;
    return n;
  }
  void SetReadTimeout(std::chrono::milliseconds timeout) override { Timeouts.push_back(timeout); }

  std::size_t Consumed() const { return FPos; }

  std::vector<std::string> Writes;
  std::vector<std::chrono::milliseconds> Timeouts;
  int Receives = 0;

 private:
  std::string FAnswer;
  std::size_t FSlice;
  bool FTimesOutAtEnd;
  std::size_t FPos = 0;
};

// A stream whose server never stops sending `pattern`.
class EndlessStream : public THttpStream {
 public:
  EndlessStream(std::string head, std::string pattern) : FHead(std::move(head)), FPattern(std::move(pattern)) {}
  void Send(std::string_view) override {}
  std::size_t Receive(char* buffer, std::size_t size) override {
    std::size_t n = 0;
    for (; n < size; ++n, ++FPos)
      buffer[n] = FPos < FHead.size() ? FHead[FPos] : FPattern[(FPos - FHead.size()) % FPattern.size()];
    Delivered += n;
    return n;
  }
  void SetReadTimeout(std::chrono::milliseconds) override {}
  std::size_t Delivered = 0;

 private:
  std::string FHead, FPattern;
  std::size_t FPos = 0;
};

}  // namespace vex::http::test
