#pragma once
// Records the messages a control's WindowProc sees, the way a skinner would
// hook it: save the method, install one that logs and passes on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "widgets/TControl.h"

struct Seen {
  const vcl::TControl* control;
  UINT msg;
  WPARAM wParam;
  friend bool operator==(const Seen& a, const Seen& b) { return a.control == b.control && a.msg == b.msg; }
};

inline std::string Describe(const std::vector<Seen>& seq) {
  std::string s;
  for (const auto& m : seq) {
    char buf[64];
    snprintf(buf, sizeof buf, "%s:%04X ", m.control ? m.control->Name().c_str() : "?", m.msg);
    s += buf;
  }
  return s;
}

class Recorder {
 public:
  // Hooks `control`; only messages in `filter` are kept (all when empty).
  Recorder(vcl::TControl* control, std::vector<Seen>& log, std::vector<UINT> filter = {})
      : control_(control), saved_(control->WindowProc), log_(log), filter_(std::move(filter)) {
    control_->WindowProc = [this](vcl::TMessage& m) {
      if (filter_.empty() || std::find(filter_.begin(), filter_.end(), m.Msg) != filter_.end()) {
        log_.push_back({control_, m.Msg, m.WParam});
      }
      saved_(m);
    };
  }
  ~Recorder() { control_->WindowProc = saved_; }

 private:
  vcl::TControl* control_;
  vcl::TWndMethod saved_;
  std::vector<Seen>& log_;
  std::vector<UINT> filter_;
};

#define EXPECT_SEQUENCE(actual, ...)                                                        \
  do {                                                                                      \
    const std::vector<Seen> expected_ = __VA_ARGS__;                                        \
    EXPECT_EQ(actual, expected_) << "expected " << Describe(expected_) << "\n     got " << Describe(actual); \
  } while (0)
