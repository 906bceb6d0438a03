#pragma once
// Drives a modal window from inside its own message loop: a thread timer
// runs the current step every few milliseconds until it reports done, then
// moves to the next.  Steps post their clicks, so an error box that a click
// raises runs its own loop while the script goes on (and can close it).
#include <windows.h>

#include <functional>
#include <vector>

namespace vex::test {

class ModalScript {
 public:
  using Step = std::function<bool()>;  // true: done, go on to the next step
  explicit ModalScript(std::vector<Step> steps);
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;
  ~ModalScript();
  bool Finished() const { return next_ >= steps_.size(); }
  std::size_t StepsDone() const { return next_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  bool running_ = false;
  UINT_PTR timer_ = 0;
};

// Posts a left click (down and up) to a windowed control.
void PostClick(HWND control);
// The first visible top-level window of `className` of this thread, or null.
HWND FindThreadWindow(const char* className);

}  // namespace vex::test
