#include <windows.h>

#include <gtest/gtest.h>

#include "base/gbk.h"
#include "loopback_server.h"
#include "platform/platform.h"
#include "platform/win32/backends.h"
#include "query/percent_encode.h"
#include "web/http_exchange.h"
#include "web/web_access.h"

using namespace namer;
using namer::test::LoopbackServer;
using namer::test::ReceivedRequest;
using namer::test::Response;

namespace {

// The real WinInet and threads, for one test.
struct RealPlatform : ::testing::Test {
    std::unique_ptr<InternetApi> internet = make_wininet_api();
    std::unique_ptr<Tasks> tasks = make_win32_tasks();
    PlatformScope scope{Platform{internet.get(), tasks.get(), nullptr, nullptr}};
};

Response page(const std::string& body, const std::string& headers = "") { return {LoopbackServer::reply(body, headers)}; }

const std::string accept_line = "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, "
                                "application/x-shockwave-flash, application/vnd.ms-excel, "
                                "application/vnd.ms-powerpoint, application/msword, */*";

} // namespace

TEST_F(RealPlatform, GetAndPostArriveAsComposed) {
    LoopbackServer server([](const ReceivedRequest&) { return page("ok"); });
    const std::string get_url = server.base() + "/showXiaoming.php";
    EXPECT_EQ(web_access(WebRequest{get_url, 0, ""}), "ok");
    const std::string post_url = server.base() + "/showName.php";
    const std::string body = "xing=%D5%C5&gender=male&num=1&limit=100";
    EXPECT_EQ(web_access(WebRequest{post_url, 1, body}), "ok");

    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    const ReceivedRequest& get = requests[0];
    EXPECT_EQ(get.request_line(), "GET /showXiaoming.php HTTP/1.1");
    EXPECT_TRUE(get.has_line(accept_line)) << get.head;
    EXPECT_TRUE(get.has_line("Referer: " + get_url)) << get.head;
    EXPECT_TRUE(get.has_line("Accept-Language: zh-cn")) << get.head;
    EXPECT_TRUE(get.has_line(std::string("User-Agent: ") + default_user_agent)) << get.head;
    EXPECT_EQ(get.head.find("Content-Type:"), std::string::npos);
    EXPECT_EQ(get.body, "");

    const ReceivedRequest& post = requests[1];
    EXPECT_EQ(post.request_line(), "POST /showName.php HTTP/1.1");
    EXPECT_TRUE(post.has_line("Referer: " + post_url)) << post.head;
    EXPECT_TRUE(post.has_line("Content-Type: application/x-www-form-urlencoded")) << post.head;
    EXPECT_TRUE(post.has_line("Content-Length: " + std::to_string(body.size()))) << post.head;
    EXPECT_EQ(post.body, body);
}

TEST_F(RealPlatform, RowLookupNameGoesOutAsRawGbkBytes) {
    LoopbackServer server([](const ReceivedRequest&) { return page("m"); });
    const Text name = gbk_from_utf8("张三");
    web_access(WebRequest{server.base() + "/showMeaning.php?name=" + escape_request_target(name), 0, ""});
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0].request_line(), "GET /showMeaning.php?name=\xD5\xC5\xC8\xFD HTTP/1.1");
}

TEST_F(RealPlatform, CookieSetByOneReplyComesBackOnTheNext) {
    LoopbackServer server([](const ReceivedRequest& r) {
        return r.request_line().find("/first") != std::string::npos ? page("1", "Set-Cookie: sid=abc123; path=/\r\n")
                                                                     : page("2");
    });
    web_access(WebRequest{server.base() + "/first", 0, ""});
    web_access(WebRequest{server.base() + "/second", 0, ""});
    ASSERT_EQ(server.requests().size(), 2u);
    EXPECT_NE(server.requests()[1].head.find("Cookie: sid=abc123"), std::string::npos) << server.requests()[1].head;
}

TEST_F(RealPlatform, RedirectIsFollowed) {
    LoopbackServer server([](const ReceivedRequest& r) {
        if (r.request_line().find("/old") != std::string::npos)
            return Response{LoopbackServer::reply("moved", "Location: /new\r\n", "302 Found")};
        return page("new page");
    });
    EXPECT_EQ(web_access(WebRequest{server.base() + "/old", 0, ""}), "new page");
}

TEST_F(RealPlatform, LongBodyWithZeroBytesArrivesIntact) {
    std::string body;
    for (int i = 0; i < 5000; ++i)
        body += static_cast<char>((i * 7) % 256);
    LoopbackServer server([&](const ReceivedRequest&) { return page(body); });
    EXPECT_EQ(web_access(WebRequest{server.base() + "/big", 0, ""}), body);
}

TEST_F(RealPlatform, HugeResponseHeadersStillGiveTheBody) {
    LoopbackServer server([](const ReceivedRequest&) {
        return page("body after big headers", "X-Filler: " + std::string(3000, 'f') + "\r\nSet-Cookie: big=1\r\n");
    });
    EXPECT_EQ(web_access(WebRequest{server.base() + "/h", 0, ""}), "body after big headers");
}

TEST_F(RealPlatform, UnreachablePortGivesAnEmptyReply) {
    int port;
    {
        LoopbackServer closed([](const ReceivedRequest&) { return page(""); });
        port = closed.port();
    }
    EXPECT_EQ(web_access(WebRequest{"http://127.0.0.1:" + std::to_string(port) + "/x", 0, ""}), "");
}

namespace {
int timer_ticks = 0;
LRESULT CALLBACK counting_window(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_TIMER)
        ++timer_ticks;
    return DefWindowProcW(window, message, w, l);
}
} // namespace

TEST_F(RealPlatform, SilentServerGivesTimeoutReplyWhileWindowsStayAliveAndTheWorkerIsCancelled) {
    LoopbackServer server([](const ReceivedRequest&) { return Response{"", true}; });
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = counting_window;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"namer_timer_probe";
    RegisterClassW(&window_class);
    HWND window = CreateWindowW(L"namer_timer_probe", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                window_class.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    SetTimer(window, 1, 50, nullptr);
    timer_ticks = 0;

    const DWORD start = GetTickCount();
    const Bytes reply = web_access_within(WebRequest{server.base() + "/never", 0, ""}, 1500);
    const DWORD elapsed = GetTickCount() - start;
    KillTimer(window, 1);
    DestroyWindow(window);

    EXPECT_EQ(reply, timeout_reply);
    EXPECT_GE(elapsed, 1500u);
    EXPECT_LT(elapsed, 3000u + 1500u);
    EXPECT_GE(timer_ticks, 5) << "the window's timer must keep firing during the wait";
    // The abandoned exchange was cancelled: on Windows its blocked call returns at once; Wine keeps a call that is
    // in progress until the connection moves, so the server lets go here. Either way the worker ends promptly.
    server.release_held();
    const DWORD released = GetTickCount();
    while (web_workers_running() > 0 && GetTickCount() - released < 5000)
        Sleep(10);
    EXPECT_EQ(web_workers_running(), 0);
}
