#pragma once
// A stand-in for the skin manager that records what TSkinData asks of it,
// and packages built for the tests.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "skin/data/TSkinData.h"
#include "skin/data/TSkinManagerLink.h"

namespace vex::skin::test {

class RecordingLink : public TSkinManagerLink {
 public:
  RecordingLink() { SetSkinManagerLink(this); }
  ~RecordingLink() override { SetSkinManagerLink(nullptr); }
  void AddSkinData(TSkinData* skin) override { calls.push_back({"add", skin}); }
  void RemoveSkinData(TSkinData* skin) override { calls.push_back({"remove", skin}); }
  void SetAction(int code) override { calls.push_back({"action " + std::to_string(code), nullptr}); }
  void SetChangedSkin(TSkinData* skin) override { calls.push_back({"changed", skin}); }
  void ClearAllButtons() override { calls.push_back({"clear buttons", nullptr}); }
  // Asked at every load, so kept apart from the switches above.
  void ClearButtonsOf(TSkinData* skin) override { clearedOf.push_back(skin); }
  void ReapplySkin(TSkinData* skin) override { calls.push_back({"reapply", skin}); }
  void DropSkin(TSkinData* skin) override { calls.push_back({"drop", skin}); }
  std::vector<std::string> Names() const {
    std::vector<std::string> out;
    for (const auto& c : calls) out.push_back(c.first);
    return out;
  }
  std::vector<std::pair<std::string, TSkinData*>> calls;
  std::vector<TSkinData*> clearedOf;
};

// Counts the skin layer's messages instead of showing them.
class MessageCounter {
 public:
  MessageCounter() {
    SetSkinMessageHandler([this](const std::string& text) { messages.push_back(text); });
  }
  ~MessageCounter() { SetSkinMessageHandler(nullptr); }
  std::vector<std::string> messages;
};

// The package stored in this test executable, with its length in front.
std::vector<std::uint8_t> EmbeddedStream();
// A stored stream holding `package`.
std::vector<std::uint8_t> Stream(const std::vector<std::uint8_t>& package);

}  // namespace vex::skin::test
