#include "app/usage/TVisitThread.h"

#include "http/THttpClient.h"
#include "widgets/Exceptions.h"

namespace vex::app {

TVisitThread::TVisitThread(const std::string& url)
    : FURL(url), FConstructed(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
  if (!FConstructed) throw vcl::EOSError("Cannot start thread");
  SetFreeOnTerminate(true);
  try {
    Start();
  } catch (...) {
    CloseHandle(FConstructed);
    throw;
  }
  // The last touch of the object on this thread.
  SetEvent(FConstructed);
}

TVisitThread::~TVisitThread() { CloseHandle(FConstructed); }

void TVisitThread::Report(const std::string& url) {
  http::THttpClient client;
  if (url.empty()) return;
  client.Get(url);
}

void TVisitThread::Execute() {
  WaitForSingleObject(FConstructed, INFINITE);
  Report(FURL);
}

}  // namespace vex::app
