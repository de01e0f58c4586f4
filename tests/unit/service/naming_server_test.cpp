#include <gtest/gtest.h>

#include <boost/regex.hpp>
#include <mutex>
#include <thread>

#include "service/name_generator.h"
#include "service/naming_server.h"
#include "service/naming_service.h"
#include "service_test_support.h"

namespace namer::service {
namespace {

using testing::client_names;
using testing::client_paragraphs;
using testing::gbk;
using testing::get_request;
using testing::http_exchange;
using testing::post_request;
using testing::shared_embedded_data;
using testing::utf8;

constexpr std::uint64_t seed = 424242;
constexpr auto short_read_timeout = std::chrono::milliseconds(300);

// The real service on a free loopback port, with a short read timeout and its log kept for the test.
class LoopbackServer : public ::testing::Test {
protected:
    void SetUp() override {
        ServerOptions options;
        options.data = shared_embedded_data();
        options.threads = 2;
        options.read_timeout = short_read_timeout;
        options.access_log = [this](const std::string& line) {
            const std::lock_guard<std::mutex> lock(log_mutex_);
            log_.push_back(line);
        };
        server_ = std::make_unique<NamingServer>(options);
        ASSERT_FALSE(server_->start("127.0.0.1", 0, seed));
        port_ = server_->port();
        ASSERT_NE(port_, 0);
    }

    // The server logs from its own threads, after its reply is out: stop it before the log goes.
    void TearDown() override {
        if (server_)
            server_->stop();
    }

    std::vector<std::string> log() {
        const std::lock_guard<std::mutex> lock(log_mutex_);
        return log_;
    }

    // The names the service's generator draws for its request number `sequence`: a service with the same data
    // and seed draws the same.
    static NameGenerator generator_for_request(std::uint64_t sequence) {
        static const NamingService twin(shared_embedded_data(), seed);
        return twin.generator_for_request(sequence);
    }

    // A request the service always answers, to show it is still serving.
    void expect_still_serving() {
        const testing::HttpReply reply = http_exchange(port_, get_request("/showXiaoming.php"));
        EXPECT_EQ(reply.status, 200);
        EXPECT_EQ(client_names(reply.body).size(), 20u);
    }

    std::unique_ptr<NamingServer> server_;
    unsigned short port_ = 0;

private:
    std::mutex log_mutex_;
    std::vector<std::string> log_;
};

std::vector<std::string> gbk_names(const std::vector<ProposedName>& names) {
    std::vector<std::string> out;
    for (const ProposedName& name : names)
        out.push_back(name.gbk);
    return out;
}

// A request with the header lines the client's exchange sends.
std::string client_request(std::string_view method, std::string_view target, std::string_view body) {
    std::string request = std::string(method) + " " + std::string(target) +
                          " HTTP/1.1\r\nAccept: image/gif, image/bmp, */*\r\nReferer: http://127.0.0.1" +
                          std::string(target) +
                          "\r\nAccept-Language: zh-cn\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT "
                          "5.1; SV1)\r\nHost: 127.0.0.1\r\nConnection: close\r\n";
    if (!body.empty())
        request += "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " + std::to_string(body.size()) +
                   "\r\n";
    return request + "\r\n" + std::string(body);
}

TEST_F(LoopbackServer, AnswersTheSixRequestsWithTheNamesTheGeneratorChose) {
    const Surname zhang = surname_from_entry(*shared_embedded_data()->surname(U"张"));
    struct Case {
        std::string method;
        std::string target;
        std::string body;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"POST", "/showName.php", "xing=%D5%C5&gender=male&num=2&limit=200",
         gbk_names(generator_for_request(0).free_names(zhang, Gender::male, 2, 200))},
        {"POST", "/showDiezi.php", "xing=%D5%C5", gbk_names(generator_for_request(1).doubled_names(zhang, 10))},
        {"POST", "/showWuxing.php", "xing=%D5%C5&gender=male&num=1&wuxing=1",
         gbk_names(generator_for_request(2).element_names(zhang, Gender::male, 1, Element::metal, 20))},
        {"GET", "/showXiaoming.php", "", gbk_names(generator_for_request(3).pet_names(20))},
        {"POST", "/showXiaoshuo.php", "num=1&gender=mix&pinlv=1&limit=100",
         gbk_names(generator_for_request(4).novel_names(NovelLength::two, true, false, 100))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        const testing::HttpReply reply = http_exchange(port_, client_request(c.method, c.target, c.body));
        EXPECT_EQ(reply.status, 200);
        EXPECT_EQ(reply.content_type, "text/html; charset=GBK");
        EXPECT_EQ(client_names(reply.body), c.expected);
    }

    // The meaning request, percent-encoded from the Meaning page and as raw GBK bytes from a row lookup.
    const testing::HttpReply encoded =
        http_exchange(port_, client_request("GET", "/showMeaning.php?name=%D5%C5%C8%FD", ""));
    const testing::HttpReply raw =
        http_exchange(port_, client_request("GET", "/showMeaning.php?name=\xD5\xC5\xC8\xFD", ""));
    EXPECT_EQ(encoded.status, 200);
    EXPECT_EQ(raw.status, 200);
    EXPECT_EQ(raw.body, encoded.body);
    const auto paragraphs = client_paragraphs(raw.body);
    ASSERT_GE(paragraphs.size(), 5u);
    EXPECT_NE(utf8(paragraphs[0]).find(u8"拼音：zhāng sān"), std::string::npos);
}

TEST_F(LoopbackServer, RawTargetsKeepTrailBytesThatLookLikeAscii) {
    // 乗 is 81 5C in GBK: its second byte is a backslash; the parser takes bytes from 0x80 up as they come.
    const std::string name = gbk(u8"张乗");
    ASSERT_EQ(name, "\xD5\xC5\x81\x5C");
    const testing::HttpReply reply = http_exchange(port_, get_request("/showMeaning.php?name=" + name));
    EXPECT_EQ(reply.status, 200);
    EXPECT_NE(utf8(client_paragraphs(reply.body).at(0)).find(u8"姓名：张乗"), std::string::npos);
}

TEST_F(LoopbackServer, BadRequestsOnTheWireGetAClearAnswerAndTheServiceKeepsServing) {
    const std::string huge_header =
        "GET /showXiaoming.php HTTP/1.1\r\nHost: x\r\nX-Filler: " + std::string(max_request_header_bytes, 'a') +
        "\r\n\r\n";
    const std::string huge_body = post_request("/showName.php", std::string(max_request_body_bytes + 1, 'a'));
    std::string chunked = "POST /showName.php HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n\r\n";
    for (int i = 0; i < 20; ++i)
        chunked += "1000\r\n" + std::string(0x1000, 'b') + "\r\n";
    chunked += "0\r\n\r\n";
    struct Case {
        const char* what;
        std::string request;
        int status;
    };
    const Case cases[] = {
        {"header over 8 KiB", huge_header, 431},
        {"body over 64 KiB", huge_body, 413},
        {"chunked body over 64 KiB", chunked, 413},
        {"control byte in the target", "GET /showMeaning.php?name=\x7F HTTP/1.1\r\nHost: x\r\n\r\n", 400},
        {"not HTTP", "HELLO\r\n\r\n", 400},
        {"bad Content-Length", "POST /showName.php HTTP/1.1\r\nContent-Length: x\r\n\r\n", 400},
        {"unknown path", get_request("/admin"), 404},
        {"wrong method", get_request("/showName.php"), 405},
        {"malformed escape", post_request("/showName.php", "xing=%%"), 400},
        {"invalid GBK", post_request("/showName.php", "xing=%80"), 400},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const testing::HttpReply reply = http_exchange(port_, c.request);
        EXPECT_EQ(reply.status, c.status);
        EXPECT_EQ(reply.content_type, "text/html; charset=GBK");
        EXPECT_EQ(client_paragraphs(reply.body).size(), 1u);
        if (c.status == 405) {
            EXPECT_EQ(reply.allow, "POST");
        }
        if (c.status == 431 || c.status == 413 || c.status == 400) {
            EXPECT_TRUE(reply.connection_closed);
        }
        expect_still_serving();
    }
}

TEST_F(LoopbackServer, DropsASlowClientAndLogsIt) {
    testing::HttpConnection slow(port_);
    slow.send("GET /showXiaoming.php HTTP/1.1\r\nHost:");
    std::this_thread::sleep_for(short_read_timeout * 3);
    EXPECT_EQ(slow.read_reply().status, 0); // dropped without a reply
    expect_still_serving();
    const auto lines = log();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                            [](const std::string& line) { return line.find("\" 408 ") != std::string::npos; }));
}

TEST_F(LoopbackServer, ServesSeveralRequestsOnOneConnection) {
    testing::HttpConnection connection(port_);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        connection.send("GET /showXiaoming.php HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
        const testing::HttpReply reply = connection.read_reply();
        EXPECT_EQ(reply.status, 200);
        EXPECT_EQ(client_names(reply.body).size(), 20u);
    }
    // Left idle for longer than the read timeout, the connection is closed.
    EXPECT_TRUE(connection.closed_by_server());
}

TEST_F(LoopbackServer, HeadGivesTheLengthWithoutTheBody) {
    const testing::HttpReply reply = http_exchange(port_, "HEAD /showMeaning.php?name=%D5%C5 HTTP/1.1\r\nHost: x\r\n"
                                                          "Connection: close\r\n\r\n");
    EXPECT_EQ(reply.status, 200);
    EXPECT_TRUE(reply.body.empty());
    EXPECT_GT(std::stoi(reply.content_length), 500);
}

TEST_F(LoopbackServer, LogsEachRequestInCommonLogFormat) {
    http_exchange(port_, post_request("/showName.php", "xing=%D5%C5"));
    http_exchange(port_, get_request("/showMeaning.php?name=\xD5\xC5"));
    const auto lines = log();
    ASSERT_EQ(lines.size(), 2u);
    const boost::regex common_log(
        R"re(127\.0\.0\.1 - - \[\d\d/[A-Z][a-z]{2}/\d{4}:\d\d:\d\d:\d\d \+0000\] "(.*)" (\d{3}) (\d+|-))re");
    boost::smatch match;
    ASSERT_TRUE(boost::regex_match(lines[0], match, common_log)) << lines[0];
    EXPECT_EQ(match[1], "POST /showName.php HTTP/1.1");
    EXPECT_EQ(match[2], "200");
    ASSERT_TRUE(boost::regex_match(lines[1], match, common_log)) << lines[1];
    EXPECT_EQ(match[1], "GET /showMeaning.php?name=\\xd5\\xc5 HTTP/1.1");
}

TEST_F(LoopbackServer, ManyClientsAtOnce) {
    std::vector<std::thread> clients;
    std::atomic<int> answered{0};
    for (int i = 0; i < 8; ++i)
        clients.emplace_back([&] {
            for (int k = 0; k < 5; ++k)
                if (http_exchange(port_, post_request("/showName.php", "limit=200")).status == 200)
                    ++answered;
        });
    for (std::thread& client : clients)
        client.join();
    EXPECT_EQ(answered, 40);
}

TEST(NamingServer, ReportsAnAddressItCannotUseAndStartsAgainAfterStop) {
    ServerOptions options;
    options.data = shared_embedded_data();
    NamingServer first(options);
    ASSERT_FALSE(first.start("127.0.0.1", 0, 1));
    NamingServer second(options);
    EXPECT_TRUE(second.start("127.0.0.1", first.port(), 1)); // taken
    EXPECT_EQ(second.port(), 0);
    EXPECT_TRUE(second.start("not-an-address", 0, 1));

    const unsigned short port = first.port();
    first.stop();
    EXPECT_EQ(first.port(), 0);
    first.stop();
    ASSERT_FALSE(first.start("127.0.0.1", port, 1)); // the same port again at once
    EXPECT_EQ(http_exchange(port, get_request("/showXiaoming.php")).status, 200);
}

} // namespace
} // namespace namer::service
