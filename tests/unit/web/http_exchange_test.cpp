#include <gtest/gtest.h>

#include "recording_internet.h"
#include "web/http_exchange.h"

using namespace namer;

namespace {

const std::string accept_line = "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, "
                                "application/x-shockwave-flash, application/vnd.ms-excel, "
                                "application/vnd.ms-powerpoint, application/msword, */*\r\n";

RequestSlots slots_for(const Text& url, const Text& verb, const Bytes& body = Bytes()) {
    RequestSlots slots;
    slots.slot[0] = url;
    slots.slot[1] = verb;
    slots.slot[4] = body;
    slots.slot[6] = "\xD5\xE6"; // 真
    return slots;
}

} // namespace

TEST(RequestHeaderText, GetCarriesThreeLinesPostFive) {
    const Text url = "http://127.0.0.1:8731/showName.php";
    EXPECT_EQ(request_header_text(url, "GET", ""),
              accept_line + "Referer: " + url + "\r\nAccept-Language: zh-cn\r\n");
    const Bytes body = "xing=%D5%C5&gender=male&num=1&limit=100";
    EXPECT_EQ(request_header_text(url, "POST", body),
              accept_line + "Referer: " + url +
                  "\r\nAccept-Language: zh-cn\r\nContent-Type: application/x-www-form-urlencoded\r\n"
                  "Content-Length: 39\r\n");
    // a POST without a body has no body lines
    EXPECT_EQ(request_header_text(url, "POST", ""), accept_line + "Referer: " + url + "\r\nAccept-Language: zh-cn\r\n");
}

TEST(RequestHeaderText, AFieldNameAlreadyPresentIsNotAddedAgain) {
    // the Referer line carries the URL, so a URL naming "content-type" suppresses that line
    const Text headers = request_header_text("http://h/?x=Content-Type", "POST", "a=1");
    EXPECT_EQ(headers.find("Content-Type: application"), Text::npos);
    EXPECT_NE(headers.find("Content-Length: 3\r\n"), Text::npos);
}

TEST(SetCookieLines, NameIsBeforeTheFirstEquals) {
    struct Case {
        Text raw;
        std::vector<std::pair<Text, Text>> cookies;
    } cases[] = {
        {"HTTP/1.1 200 OK\r\nSet-Cookie: sid=a=b; path=/\r\n\r\n", {{"sid", "a=b; path=/"}}},
        {"HTTP/1.1 200 OK\r\nSet-Cookie: novalue\r\n", {{"", "novalue"}}},
        {"HTTP/1.1 200 OK\r\nSet-Cookie: =x\r\n", {{"", "x"}}},
        {"HTTP/1.1 200 OK\r\nset-cookie: a=1\nSET-COOKIE: b=2\r\nX: y\r\n", {{"a", "1"}, {"b", "2"}}},
        // found at any position; the first 12 bytes of the line are dropped, whatever they are
        {"HTTP/1.1 200 OK\r\nX-Set-Cookie: c=3\r\n", {{": c", "3"}}},
        {"HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.raw);
        std::vector<std::pair<Text, Text>> got;
        for (const SetCookie& cookie : parse_set_cookie_lines(c.raw))
            got.emplace_back(cookie.name, cookie.data);
        EXPECT_EQ(got, c.cookies);
    }
}

TEST(PerformHttpExchange, GetCallsWinInetInOrderWithTheFixedArguments) {
    RecordingInternet net;
    net.body_chunks = {"<html>", "</html>"};
    net.raw_headers = "HTTP/1.1 200 OK\r\nSet-Cookie: sid=1; path=/\r\n\r\n";
    RequestSlots slots = slots_for("http://Names.Example:8731/showMeaning.php?name=%D5%C5", "GET");
    perform_http_exchange(slots, net);

    const std::vector<std::string> expected = {"open", "connect", "open_request", "send",    "read",   "read",
                                               "read", "query",   "close 3",      "close 2", "close 1", "cookie"};
    EXPECT_EQ(net.calls, expected);
    EXPECT_EQ(net.agent, default_user_agent);
    EXPECT_EQ(net.access_type, 1u);
    EXPECT_EQ(net.proxy, "");
    EXPECT_EQ(net.proxy_bypass, "");
    EXPECT_EQ(net.open_flags, 0u);
    EXPECT_EQ(net.host, "names.example");
    EXPECT_EQ(net.port, 8731);
    EXPECT_EQ(net.user, "");
    EXPECT_EQ(net.password, "");
    EXPECT_EQ(net.service, 3u);
    EXPECT_EQ(net.connect_flags, 0u);
    EXPECT_EQ(net.context, 0u);
    EXPECT_EQ(net.verb, "GET");
    EXPECT_EQ(net.path, "/showMeaning.php?name=%D5%C5");
    EXPECT_EQ(net.version, "HTTP/1.1");
    EXPECT_EQ(net.request_flags, 0x80004010u);
    EXPECT_FALSE(net.sent_body);
    EXPECT_EQ(net.headers, request_header_text("http://Names.Example:8731/showMeaning.php?name=%D5%C5", "GET", ""));
    EXPECT_EQ(net.read_sizes, std::vector<std::uint32_t>(3, 1024));
    EXPECT_EQ(net.query_level, 22u);
    EXPECT_EQ(net.query_length, 2048u);
    ASSERT_EQ(net.cookies.size(), 1u);
    EXPECT_EQ(net.cookies[0].url, "http://names.example");
    EXPECT_EQ(net.cookies[0].name, "sid");
    EXPECT_EQ(net.cookies[0].data, "1; path=/");
    EXPECT_EQ(slots.slot[0], "<html></html>");
    EXPECT_EQ(slots.slot[5], net.raw_headers);
    EXPECT_EQ(slots.slot[6], "\xD5\xE6");
}

TEST(PerformHttpExchange, PostSendsTheBodyAndTheSchemeIsAdded) {
    RecordingInternet net;
    const Bytes body = "xing=%D5%C5";
    RequestSlots slots = slots_for("127.0.0.1:8731/showDiezi.php", "POST", body);
    perform_http_exchange(slots, net);
    EXPECT_TRUE(net.sent_body);
    EXPECT_EQ(net.body, body);
    EXPECT_EQ(net.headers, request_header_text("http://127.0.0.1:8731/showDiezi.php", "POST", body));
    EXPECT_NE(net.headers.find("Referer: http://127.0.0.1:8731/showDiezi.php\r\n"), Text::npos);
}

TEST(PerformHttpExchange, HttpsAnywhereMakesTheRequestSecure) {
    RecordingInternet net;
    RequestSlots slots = slots_for("http://h/p?next=HTTPS://x", "GET");
    perform_http_exchange(slots, net);
    EXPECT_EQ(net.request_flags, 0x00800000u);
    EXPECT_EQ(net.port, 443);
}

TEST(PerformHttpExchange, FailuresCloseWhatWasOpenedAndLeaveAnEmptyReply) {
    struct Case {
        const char* what;
        bool RecordingInternet::*fail;
        std::vector<std::string> calls;
    } cases[] = {
        {"session", &RecordingInternet::fail_open, {"open"}},
        {"connection", &RecordingInternet::fail_connect, {"open", "connect", "close 1"}},
        {"request", &RecordingInternet::fail_request, {"open", "connect", "open_request", "close 2", "close 1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingInternet net;
        net.*c.fail = true;
        net.body_chunks = {"never read"};
        RequestSlots slots = slots_for("http://h/p", "GET");
        slots.slot[5] = "kept";
        perform_http_exchange(slots, net);
        EXPECT_EQ(net.calls, c.calls);
        EXPECT_EQ(slots.slot[0], "");
        EXPECT_EQ(slots.slot[5], "kept");
    }
}

TEST(PerformHttpExchange, FailedHeaderQueryGivesSpacesAndNoCookieButKeepsTheBody) {
    RecordingInternet net;
    net.body_chunks = {"body"};
    net.raw_headers = "HTTP/1.1 200 OK\r\nSet-Cookie: a=1\r\n" + std::string(3000, 'x') + "\r\n\r\n"; // too long
    RequestSlots slots = slots_for("http://h/p", "GET");
    perform_http_exchange(slots, net);
    EXPECT_EQ(slots.slot[0], "body");
    EXPECT_EQ(slots.slot[5], Text(2048, ' '));
    EXPECT_TRUE(net.cookies.empty());
}

TEST(PerformHttpExchange, BodyComesBackByteForByteAcrossChunks) {
    RecordingInternet net;
    Bytes body;
    for (int i = 0; i < 3000; ++i)
        body += static_cast<char>(i % 256); // zero bytes included
    net.body_chunks = {body.substr(0, 1024), body.substr(1024, 1024), body.substr(2048)};
    RequestSlots slots = slots_for("http://h/p", "GET");
    perform_http_exchange(slots, net);
    EXPECT_EQ(slots.slot[0], body);
}

TEST(PerformHttpExchange, AnEndlessBodyStopsAtTheLimit) {
    RecordingInternet net;
    net.endless_body = true;
    RequestSlots slots = slots_for("http://h/p", "GET");
    perform_http_exchange(slots, net);
    EXPECT_EQ(slots.slot[0].size(), reply_body_limit);
}

TEST(ExchangeHandles, CancelClosesEachOpenHandleOnceNewestFirst) {
    RecordingInternet net;
    ExchangeHandles handles(net);
    InternetHandle session = handles.adopt(RecordingInternet::handle(1));
    InternetHandle connection = handles.adopt(RecordingInternet::handle(2));
    handles.cancel();
    handles.close(connection); // the worker's own closing after the cancel closes nothing twice
    handles.close(session);
    EXPECT_EQ(handles.adopt(RecordingInternet::handle(3)), nullptr); // opened after the cancel: closed at once
    EXPECT_EQ(net.calls, (std::vector<std::string>{"close 2", "close 1", "close 3"}));
}
