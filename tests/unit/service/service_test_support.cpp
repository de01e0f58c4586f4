#include "service_test_support.h"

#include <boost/asio/connect.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/write.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/http.hpp>

#include "base/gbk.h"
#include "present/pattern.h"
#include "present/text_between.h"

namespace namer::service::testing {

namespace asio = boost::asio;
namespace http = boost::beast::http;

std::shared_ptr<const NameData> shared_embedded_data() {
    static const std::shared_ptr<const NameData> data = NameData::load_embedded();
    return data;
}

const NameData& embedded_data() {
    return *shared_embedded_data();
}

std::string gbk(std::string_view utf8) {
    return gbk_from_utf8(utf8);
}

std::string utf8(std::string_view gbk) {
    return utf8_from_gbk(gbk);
}

namespace {

std::vector<std::string> group_ones(const std::string& expression, const std::string& text) {
    Pattern pattern;
    compile_pattern(pattern, expression);
    std::vector<std::string> result;
    for (const Match& match : search_all(pattern, text))
        result.push_back(group_text(match, text, 1));
    return result;
}

} // namespace

std::vector<std::string> client_names(const std::string& page) {
    return group_ones("target=\x22_blank\x22>(.*?)</a></li>", text_between(page, "<ul>", "</ul>"));
}

std::vector<std::string> client_paragraphs(const std::string& page) {
    return group_ones("<p id=\x22.{2}\x22>(.*?)/p>", page);
}

HttpReply http_exchange(unsigned short port, const std::string& request) {
    asio::io_context io;
    asio::ip::tcp::socket socket(io);
    socket.connect({asio::ip::make_address("127.0.0.1"), port});
    asio::write(socket, asio::buffer(request));

    HttpReply reply;
    boost::beast::flat_buffer buffer;
    http::response_parser<http::string_body> parser;
    parser.body_limit(16 * 1024 * 1024);
    // A reply to HEAD has a length but no body.
    if (request.rfind("HEAD ", 0) == 0)
        parser.skip(true);
    boost::system::error_code ec;
    http::read(socket, buffer, parser, ec);
    if (ec)
        return reply;
    const auto& response = parser.get();
    reply.status = response.result_int();
    reply.allow = std::string(response[http::field::allow]);
    reply.content_type = std::string(response[http::field::content_type]);
    reply.content_length = std::string(response[http::field::content_length]);
    reply.body = response.body();
    // A server that keeps the connection open sends nothing more; one that closes it ends the stream at once.
    char byte = 0;
    socket.async_read_some(asio::buffer(&byte, 1), [&](const boost::system::error_code& read_ec, std::size_t) {
        reply.connection_closed = read_ec == asio::error::eof || read_ec == asio::error::connection_reset;
    });
    io.run_for(std::chrono::milliseconds(500));
    return reply;
}

std::string post_request(std::string_view path, std::string_view body) {
    return "POST " + std::string(path) +
           " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + std::string(body);
}

std::string get_request(std::string_view target) {
    return "GET " + std::string(target) + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
}

} // namespace namer::service::testing
