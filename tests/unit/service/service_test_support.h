#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "service/name_data.h"

namespace namer::service::testing {

// The embedded tables, loaded once for the whole test program.
const NameData& embedded_data();
std::shared_ptr<const NameData> shared_embedded_data();

// UTF-8 to GBK through the project's one conversion helper.
std::string gbk(std::string_view utf8);
std::string utf8(std::string_view gbk);

// What the client reads from a name-list page: the link texts its item expression finds in the first
// <ul> ... </ul>, in order (GBK).
std::vector<std::string> client_names(const std::string& page);

// What the client reads from a meaning page: group 1 of every match of its paragraph expression (GBK), each ending
// with the "<" of its closing tag.
std::vector<std::string> client_paragraphs(const std::string& page);

// One HTTP exchange as bytes on the wire.
struct HttpReply {
    int status = 0;
    std::string allow;
    std::string content_type;
    std::string content_length;
    std::string body;
    bool connection_closed = false; // the server closed the connection after the reply
};

// A connection to 127.0.0.1 that sends raw request bytes and reads replies (which carry a Content-Length, as the
// service's always do).
class HttpConnection {
public:
    explicit HttpConnection(unsigned short port);
    ~HttpConnection();
    HttpConnection(const HttpConnection&) = delete;
    HttpConnection& operator=(const HttpConnection&) = delete;

    void send(const std::string& bytes);
    // The next reply; status 0 when the connection ended first. A reply to HEAD has no body to read.
    HttpReply read_reply(bool head = false);
    // True when the server closes the connection within half a second.
    bool closed_by_server();

private:
    struct Socket;
    std::unique_ptr<Socket> socket_;
    std::string pending_;
};

// Sends `request` (raw bytes) on a new connection and reads one reply; status 0 when none came.
HttpReply http_exchange(unsigned short port, const std::string& request);

// A POST of a form body and a GET, as the client sends them.
std::string post_request(std::string_view path, std::string_view body);
std::string get_request(std::string_view target);

} // namespace namer::service::testing
