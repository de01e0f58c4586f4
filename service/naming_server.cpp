#include "service/naming_server.h"

#include <boost/asio/dispatch.hpp>
#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <optional>
#include <random>
#include <thread>
#include <vector>

#include "service/access_log.h"
#include "service/message_page.h"
#include "service/naming_service.h"

namespace namer::service {
namespace {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;

constexpr const char* server_name = "naming-service";
constexpr const char* content_type = "text/html; charset=GBK";
constexpr auto accept_retry_delay = std::chrono::milliseconds(100);

// What every connection of one server shares.
struct Shared {
    Shared(std::shared_ptr<const NameData> data, std::uint64_t seed, ServerOptions server_options)
        : service(std::move(data), seed), options(std::move(server_options)) {}

    NamingService service;
    ServerOptions options;
};

std::string_view view(beast::string_view text) {
    return std::string_view(text.data(), text.size());
}

bool is_parse_error(const beast::error_code& ec) {
    return &ec.category() == &beast::http::make_error_code(http::error::bad_target).category();
}

// The reply to a request the parser refused, and the log status for it.
ServiceReply refusal(const beast::error_code& ec) {
    if (ec == http::error::header_limit)
        return {431, render_message_page(u8"请求头太大", u8"请求头超过 8 KiB。"), {}};
    if (ec == http::error::body_limit)
        return {413, render_message_page(u8"请求正文太大", u8"请求正文超过 64 KiB。"), {}};
    return {400, render_message_page(u8"请求有误", u8"无法解析这个 HTTP 请求。"), {}};
}

class Session : public std::enable_shared_from_this<Session> {
public:
    Session(tcp::socket&& socket, std::shared_ptr<Shared> shared)
        : stream_(std::move(socket)), shared_(std::move(shared)) {
        beast::error_code ec;
        const tcp::endpoint peer = stream_.socket().remote_endpoint(ec);
        client_ = ec ? std::string("-") : peer.address().to_string();
    }

    void start() {
        asio::dispatch(stream_.get_executor(), beast::bind_front_handler(&Session::read, shared_from_this()));
    }

private:
    void read() {
        parser_.emplace();
        parser_->header_limit(static_cast<std::uint32_t>(max_request_header_bytes));
        parser_->body_limit(max_request_body_bytes);
        stream_.expires_after(shared_->options.read_timeout);
        http::async_read(stream_, buffer_, *parser_, beast::bind_front_handler(&Session::on_read, shared_from_this()));
    }

    void on_read(beast::error_code ec, std::size_t) {
        if (ec == beast::error::timeout) {
            // The stream is closed already; a request that had begun is logged the way servers log a 408.
            if (parser_->got_some() || buffer_.size() > 0)
                log(408, 0);
            return;
        }
        if (ec == http::error::end_of_stream || ec == http::error::partial_message) {
            close();
            return;
        }
        if (ec && is_parse_error(ec)) {
            reply(refusal(ec), false, true);
            return;
        }
        if (ec)
            return; // reset by the peer, or the server is stopping

        const auto& request = parser_->get();
        request_line_ = std::string(view(request.method_string())) + " " + std::string(view(request.target())) +
                        " HTTP/" + std::to_string(request.version() / 10) + "." +
                        std::to_string(request.version() % 10);
        ServiceReply answer =
            shared_->service.handle(view(request.method_string()), view(request.target()), request.body());
        reply(std::move(answer), request.method() == http::verb::head, !request.keep_alive());
    }

    void reply(ServiceReply answer, bool head_only, bool close_after) {
        close_after_ = close_after;
        response_ = {};
        response_.version(11);
        response_.result(static_cast<unsigned>(answer.status));
        response_.set(http::field::server, server_name);
        response_.set(http::field::content_type, content_type);
        if (!answer.allow.empty())
            response_.set(http::field::allow, answer.allow);
        response_.keep_alive(!close_after);
        body_bytes_ = answer.body.size();
        if (head_only) {
            response_.content_length(answer.body.size());
        } else {
            response_.body() = std::move(answer.body);
            response_.prepare_payload();
        }
        if (request_line_.empty() && parser_ && !parser_->get().method_string().empty())
            request_line_ =
                std::string(view(parser_->get().method_string())) + " " + std::string(view(parser_->get().target()));
        stream_.expires_after(shared_->options.write_timeout);
        http::async_write(stream_, response_, beast::bind_front_handler(&Session::on_write, shared_from_this()));
    }

    void on_write(beast::error_code ec, std::size_t) {
        log(response_.result_int(), response_.body().empty() ? 0 : body_bytes_);
        request_line_.clear();
        if (ec)
            return;
        if (close_after_) {
            close();
            return;
        }
        read();
    }

    void log(unsigned status, std::size_t bytes) {
        if (!shared_->options.access_log)
            return;
        LoggedRequest entry{client_, request_line_, static_cast<int>(status), bytes, std::chrono::system_clock::now()};
        shared_->options.access_log(common_log_line(entry));
    }

    void close() {
        beast::error_code ec;
        stream_.socket().shutdown(tcp::socket::shutdown_send, ec);
    }

    beast::tcp_stream stream_;
    beast::flat_buffer buffer_;
    std::optional<http::request_parser<http::string_body>> parser_;
    http::response<http::string_body> response_;
    std::shared_ptr<Shared> shared_;
    std::string client_;
    std::string request_line_;
    std::size_t body_bytes_ = 0;
    bool close_after_ = false;
};

std::uint64_t fresh_seed() {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device() ^
           static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

} // namespace

// One io_context per serving thread, each running alone: connections are dealt out in turn, so the threads share
// no queue and no lock. The first context also runs the acceptor.
struct NamingServer::Running {
    explicit Running(int threads)
        : contexts(make_contexts(threads)), acceptor(*contexts.front()), retry(*contexts.front()) {}

    static std::vector<std::unique_ptr<asio::io_context>> make_contexts(int count) {
        std::vector<std::unique_ptr<asio::io_context>> made;
        for (int i = 0; i < count; ++i)
            made.push_back(std::make_unique<asio::io_context>(1));
        return made;
    }

    void accept() {
        asio::io_context& next = *contexts[next_context++ % contexts.size()];
        acceptor.async_accept(next, [this](beast::error_code ec, tcp::socket socket) {
            if (ec == asio::error::operation_aborted || !acceptor.is_open())
                return;
            if (ec) {
                // Out of descriptors or a failed handshake: try again shortly instead of spinning.
                retry.expires_after(accept_retry_delay);
                retry.async_wait([this](beast::error_code wait_ec) {
                    if (!wait_ec)
                        accept();
                });
                return;
            }
            std::make_shared<Session>(std::move(socket), shared)->start();
            accept();
        });
    }

    // The contexts are destroyed last: with them go the handlers still queued, and the open sessions.
    std::vector<std::unique_ptr<asio::io_context>> contexts;
    tcp::acceptor acceptor;
    asio::steady_timer retry;
    std::shared_ptr<Shared> shared;
    std::vector<std::thread> threads;
    std::size_t next_context = 0;
    std::uint16_t port = 0;
};

NamingServer::NamingServer(ServerOptions options) : options_(std::move(options)) {}

NamingServer::~NamingServer() {
    stop();
}

std::error_code NamingServer::start(const std::string& bind, std::uint16_t port, std::optional<std::uint64_t> seed) {
    stop();
    beast::error_code ec;
    const asio::ip::address address = asio::ip::make_address(bind, ec);
    if (ec)
        return ec;
    if (!options_.data)
        options_.data = NameData::load_embedded();

    const int threads = std::max(1, options_.threads);
    auto running = std::make_unique<Running>(threads);
    const tcp::endpoint endpoint(address, port);
    running->acceptor.open(endpoint.protocol(), ec);
    if (ec)
        return ec;
#ifndef _WIN32
    // A restarted service must get its port back while old connections linger in TIME_WAIT. On Windows the same
    // option would let a second server take a port in use, so it is left off there.
    running->acceptor.set_option(asio::socket_base::reuse_address(true), ec);
#endif
    if (!ec)
        running->acceptor.bind(endpoint, ec);
    if (!ec)
        running->acceptor.listen(asio::socket_base::max_listen_connections, ec);
    if (ec)
        return ec;
    running->port = running->acceptor.local_endpoint().port();
    running->shared = std::make_shared<Shared>(options_.data, seed ? *seed : fresh_seed(), options_);
    running->accept();
    for (const auto& context : running->contexts)
        running->threads.emplace_back([io = context.get()] {
            // Keep running while the server runs, whether or not a connection is open.
            auto guard = asio::make_work_guard(*io);
            io->run();
        });
    running_ = std::move(running);
    return {};
}

std::uint16_t NamingServer::port() const {
    return running_ ? running_->port : 0;
}

void NamingServer::stop() {
    if (!running_)
        return;
    for (const auto& context : running_->contexts)
        context->stop();
    for (std::thread& thread : running_->threads)
        thread.join();
    // Destroying the io_context destroys the handlers still queued, and with them the open sessions.
    running_.reset();
}

} // namespace namer::service
