// The request head, byte for byte.
#include <gtest/gtest.h>

#include "http/HttpRequest.h"

using vex::http::BuildGetRequest;
using vex::http::THttpUrl;

TEST(HttpRequest, DefaultReportAddress) {
  EXPECT_EQ(BuildGetRequest(THttpUrl::Parse("http://usage.vexilo.example/VEXUsage.php")),
            "GET /VEXUsage.php HTTP/1.1\r\n"
            "Content-Type: text/html\r\n"
            "Host: usage.vexilo.example\r\n"
            "Accept: text/html, */*\r\n"
            "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"
            "\r\n");
}

TEST(HttpRequest, PortAndQueryKeptAsWritten) {
  EXPECT_EQ(BuildGetRequest(THttpUrl::Parse("http://127.0.0.1:8123/r/VEXUsage.php?id=7&v=3.0")),
            "GET /r/VEXUsage.php?id=7&v=3.0 HTTP/1.1\r\n"
            "Content-Type: text/html\r\n"
            "Host: 127.0.0.1:8123\r\n"
            "Accept: text/html, */*\r\n"
            "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"
            "\r\n");
}
