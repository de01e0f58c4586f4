#include "service_test_support.h"

#include <boost/asio/connect.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/write.hpp>

#include "base/gbk.h"
#include "present/pattern.h"
#include "present/text_between.h"

namespace namer::service::testing {

namespace asio = boost::asio;

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

struct HttpConnection::Socket {
    asio::io_context io;
    asio::ip::tcp::socket socket{io};
};

HttpConnection::HttpConnection(unsigned short port) : socket_(std::make_unique<Socket>()) {
    socket_->socket.connect({asio::ip::make_address("127.0.0.1"), port});
}

HttpConnection::~HttpConnection() = default;

void HttpConnection::send(const std::string& bytes) {
    boost::system::error_code ec;
    asio::write(socket_->socket, asio::buffer(bytes), ec);
}

namespace {

std::string lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

} // namespace

HttpReply HttpConnection::read_reply(bool head) {
    HttpReply reply;
    char chunk[4096];
    boost::system::error_code ec;
    std::size_t header_end;
    while ((header_end = pending_.find("\r\n\r\n")) == std::string::npos) {
        const std::size_t got = socket_->socket.read_some(asio::buffer(chunk), ec);
        if (ec)
            return reply;
        pending_.append(chunk, got);
    }
    const std::string header = pending_.substr(0, header_end + 2);
    pending_.erase(0, header_end + 4);
    // "HTTP/1.1 200 OK", then "Name: value" lines.
    const std::size_t space = header.find(' ');
    reply.status = std::stoi(header.substr(space + 1, 3));
    for (std::size_t at = header.find("\r\n") + 2; at < header.size();) {
        const std::size_t end = header.find("\r\n", at);
        const std::string line = header.substr(at, end - at);
        at = end + 2;
        const std::size_t colon = line.find(':');
        const std::string name = lower(line.substr(0, colon));
        const std::string value = line.substr(line.find_first_not_of(' ', colon + 1));
        if (name == "allow")
            reply.allow = value;
        else if (name == "content-type")
            reply.content_type = value;
        else if (name == "content-length")
            reply.content_length = value;
    }
    const std::size_t length = head || reply.content_length.empty() ? 0 : std::stoul(reply.content_length);
    while (pending_.size() < length) {
        const std::size_t got = socket_->socket.read_some(asio::buffer(chunk), ec);
        if (ec)
            break;
        pending_.append(chunk, got);
    }
    reply.body = pending_.substr(0, length);
    pending_.erase(0, length);
    return reply;
}

bool HttpConnection::closed_by_server() {
    // A server that keeps the connection open sends nothing more; one that closes it ends the stream at once.
    bool closed = false;
    char byte = 0;
    socket_->socket.async_read_some(asio::buffer(&byte, 1), [&](const boost::system::error_code& ec, std::size_t) {
        closed = ec == asio::error::eof || ec == asio::error::connection_reset;
    });
    socket_->io.restart();
    socket_->io.run_for(std::chrono::milliseconds(500));
    return closed;
}

HttpReply http_exchange(unsigned short port, const std::string& request) {
    HttpConnection connection(port);
    connection.send(request);
    HttpReply reply = connection.read_reply(request.rfind("HEAD ", 0) == 0);
    reply.connection_closed = reply.status != 0 && connection.closed_by_server();
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
