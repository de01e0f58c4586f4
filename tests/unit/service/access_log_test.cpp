#include <gtest/gtest.h>

#include "service/access_log.h"

namespace namer::service {
namespace {

TEST(CommonLogLine, WritesTheFieldsInCommonLogFormat) {
    LoggedRequest request;
    request.client = "127.0.0.1";
    request.request_line = "POST /showName.php HTTP/1.1";
    request.status = 200;
    request.body_bytes = 2326;
    request.time = std::chrono::system_clock::time_point(std::chrono::seconds(1728568536)); // 2024-10-10 13:55:36 UTC
    EXPECT_EQ(common_log_line(request),
              "127.0.0.1 - - [10/Oct/2024:13:55:36 +0000] \"POST /showName.php HTTP/1.1\" 200 2326");
}

TEST(CommonLogLine, EscapesRawBytesAndWritesDashesForWhatIsMissing) {
    LoggedRequest request;
    request.request_line = "GET /showMeaning.php?name=\xD5\xC5\"\\ HTTP/1.1";
    request.status = 408;
    request.time = std::chrono::system_clock::time_point(std::chrono::seconds(951782400)); // 2000-02-29 00:00:00
    EXPECT_EQ(common_log_line(request),
              "- - - [29/Feb/2000:00:00:00 +0000] \"GET /showMeaning.php?name=\\xd5\\xc5\\x22\\x5c HTTP/1.1\" 408 -");
}

} // namespace
} // namespace namer::service
