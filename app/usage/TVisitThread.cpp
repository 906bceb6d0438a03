#include "app/usage/TVisitThread.h"

#include "http/THttpClient.h"

namespace vex::app {

TVisitThread::TVisitThread(const std::string& url) : FURL(url) {
  SetFreeOnTerminate(true);
  Start();  // the object belongs to the thread from here on
}

void TVisitThread::Report(const std::string& url) {
  http::THttpClient client;
  if (url.empty()) return;
  client.Get(url);
}

void TVisitThread::Execute() { Report(FURL); }

}  // namespace vex::app
