#include "widgets/TThread.h"

#include <process.h>

#include "widgets/Exceptions.h"

namespace vcl {

namespace {
class TAnonymousThread final : public TThread {
 public:
  explicit TAnonymousThread(std::function<void()> body) : TThread(true), body_(std::move(body)) {}

 protected:
  void Execute() override { body_(); }

 private:
  std::function<void()> body_;
};
}  // namespace

TThread::TThread(bool createSuspended) : FCreateSuspended(createSuspended) {}

void TThread::AfterConstruction() {
  if (!FCreateSuspended) Start();
}

TThread::~TThread() {
  if (FHandle) {
    // A thread freed from outside must not outlive its object.
    if (!FFreeOnTerminate && FStarted && !FFinished) {
      FTerminated = true;
      WaitForSingleObject(FHandle, INFINITE);
    }
    CloseHandle(FHandle);
  }
}

void TThread::Start() {
  if (FStarted) return;
  FStarted = true;
  unsigned id = 0;
  // Suspended until the handle is stored: a self-freeing thread may end and
  // delete this object the moment it runs.
  auto h = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, ThreadProc, this, CREATE_SUSPENDED, &id));
  if (!h) {
    FStarted = false;
    throw EOSError("Cannot start thread");
  }
  FHandle = h;
  ResumeThread(h);  // `this` may be gone from here on
}

void TThread::WaitFor() {
  if (FHandle && !FFreeOnTerminate) WaitForSingleObject(FHandle, INFINITE);
}

unsigned __stdcall TThread::ThreadProc(void* param) {
  auto* self = static_cast<TThread*>(param);
  try {
    self->Execute();
  } catch (...) {
    self->FFatalException = std::current_exception();
  }
  const bool freeIt = self->FFreeOnTerminate;
  self->FFinished = true;
  if (freeIt) delete self;
  return 0;
}

void TThread::CreateAnonymousThread(std::function<void()> body) {
  auto* t = new TAnonymousThread(std::move(body));
  t->SetFreeOnTerminate(true);
  try {
    t->Start();
  } catch (...) {
    delete t;
    throw;
  }
}

}  // namespace vcl
