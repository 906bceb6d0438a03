#pragma once
// A worker thread. A derived class overrides Execute. Made with
// vcl::New<TMyThread>(...) it starts at once (AfterConstruction runs Start
// once the whole object exists), unless it was created suspended; Start
// starts a suspended one. With
// FreeOnTerminate the object deletes itself when Execute returns. An
// exception that escapes Execute is kept in FatalException, never thrown on.
#include <windows.h>

#include <atomic>
#include <exception>
#include <functional>

#include "widgets/TObject.h"

namespace vcl {

class TThread : public TObject {
 public:
  explicit TThread(bool createSuspended = false);
  ~TThread() override;
  void AfterConstruction() override;

  // Starts the thread (once).
  void Start();
  // Sets Terminated; Execute should check it and return.
  void Terminate() { FTerminated = true; }
  // Waits until Execute has returned (not for a self-freeing thread).
  void WaitFor();
  bool Terminated() const { return FTerminated; }
  bool Finished() const { return FFinished; }
  bool FreeOnTerminate() const { return FFreeOnTerminate; }
  void SetFreeOnTerminate(bool value) { FFreeOnTerminate = value; }
  std::exception_ptr FatalException() const { return FFatalException; }

  // Runs `body` on a new self-freeing thread, started at once.
  static void CreateAnonymousThread(std::function<void()> body);

 protected:
  virtual void Execute() = 0;

 private:
  static unsigned __stdcall ThreadProc(void* self);

  HANDLE FHandle = nullptr;
  std::atomic<bool> FTerminated{false};
  std::atomic<bool> FFinished{false};
  bool FStarted = false;
  bool FCreateSuspended = false;
  bool FFreeOnTerminate = false;
  std::exception_ptr FFatalException;
};

}  // namespace vcl
