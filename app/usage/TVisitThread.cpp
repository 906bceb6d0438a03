#include "app/usage/TVisitThread.h"

#include <exception>
#include <thread>

#include "http/THttpClient.h"

namespace vex::app {

TVisitThread::TVisitThread(const std::string& url) : FURL(url) {
  // The std::thread is a temporary: once it runs, the worker may free this
  // object, so nothing here touches a member after the start.
  std::thread([this] { Run(); }).detach();
}

void TVisitThread::Report(const std::string& url) {
  http::THttpClient client;
  if (url.empty()) return;
  client.Get(url);
}

void TVisitThread::Run() noexcept {
  try {
    Report(FURL);
  } catch (const std::exception& e) {
    FFatalMessage = e.what();
  } catch (...) {
    FFatalMessage = "unknown error";
  }
  delete this;
}

}  // namespace vex::app
