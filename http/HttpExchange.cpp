#include "http/HttpExchange.h"

#include "http/EHttpError.h"
#include "http/HttpRequest.h"
#include "http/THttpResponseReader.h"

namespace vex::http {
namespace {

std::string StatusText(const THttpHead& head) {
  std::string text = "HTTP status " + std::to_string(head.StatusCode);
  if (!head.Reason.empty()) text += " " + head.Reason;
  return text;
}

}  // namespace

std::string HttpGet(THttpStream& stream, const THttpUrl& url, const THttpSettings& settings) {
  stream.SetReadTimeout(settings.ReadTimeout);
  stream.Send(BuildGetRequest(url));
  THttpResponseReader reader(stream, settings);
  const THttpHead head = reader.ReadHead();
  const int code = head.StatusCode;
  if ((code >= 300 && code < 400 && code != 304) || head.Has("Location"))
    throw EHttpError(THttpErrorKind::Redirect, StatusText(head) + " (redirection not followed)", code);
  if (code >= 200 && code < 300) return reader.ReadBody(head, settings.MaxBodySize);
  // The error body is read only to end the exchange tidily; whatever goes
  // wrong with it, the status is what gets reported.
  stream.SetReadTimeout(settings.ErrorBodyTimeout);
  try {
    reader.ReadBody(head, settings.MaxErrorBodySize);
  } catch (const EHttpError&) {
  }
  throw EHttpError(THttpErrorKind::Status, StatusText(head), code);
}

}  // namespace vex::http
