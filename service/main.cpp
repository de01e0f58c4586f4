// naming-service: the naming service on its own, one Common Log Format line per request on stdout.
//   naming-service [--bind ADDRESS] [--port PORT] [--seed NUMBER] [--threads COUNT]
#include <boost/asio/io_context.hpp>
#include <boost/asio/signal_set.hpp>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "service/naming_server.h"

namespace {

struct Arguments {
    std::string bind = "127.0.0.1";
    std::uint16_t port = namer::service::default_service_port;
    std::optional<std::uint64_t> seed;
    int threads = 0; // 0: one per processor
};

void usage(std::ostream& out) {
    out << "usage: naming-service [--bind ADDRESS] [--port PORT] [--seed NUMBER] [--threads COUNT]\n"
           "  --bind     address to listen on (default 127.0.0.1)\n"
           "  --port     port to listen on (default "
        << namer::service::default_service_port
        << ")\n"
           "  --seed     seed for reproducible name lists\n"
           "  --threads  serving threads (default: one per processor)\n";
}

// The decimal number in `text` if it is one and no larger than `limit`.
std::optional<std::uint64_t> number(std::string_view text, std::uint64_t limit) {
    if (text.empty() || text.size() > 20)
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
        if (value > (limit - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

std::optional<Arguments> parse_arguments(int argc, char** argv) {
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--help" || option == "-h") {
            usage(std::cout);
            std::exit(0);
        }
        if (i + 1 >= argc) {
            std::cerr << "naming-service: " << option << " needs a value\n";
            return std::nullopt;
        }
        const std::string_view value = argv[++i];
        if (option == "--bind") {
            arguments.bind = std::string(value);
        } else if (option == "--port") {
            const auto port = number(value, 65535);
            if (!port)
                return std::cerr << "naming-service: bad port " << value << "\n", std::nullopt;
            arguments.port = static_cast<std::uint16_t>(*port);
        } else if (option == "--seed") {
            arguments.seed = number(value, UINT64_MAX);
            if (!arguments.seed)
                return std::cerr << "naming-service: bad seed " << value << "\n", std::nullopt;
        } else if (option == "--threads") {
            const auto threads = number(value, 256);
            if (!threads || *threads == 0)
                return std::cerr << "naming-service: bad thread count " << value << "\n", std::nullopt;
            arguments.threads = static_cast<int>(*threads);
        } else {
            std::cerr << "naming-service: unknown option " << option << "\n";
            return std::nullopt;
        }
    }
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<Arguments> arguments = parse_arguments(argc, argv);
    if (!arguments) {
        usage(std::cerr);
        return 2;
    }

    std::mutex log_mutex;
    namer::service::ServerOptions options;
    options.threads =
        arguments->threads ? arguments->threads : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    options.access_log = [&log_mutex](const std::string& line) {
        const std::lock_guard<std::mutex> lock(log_mutex);
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    };

    namer::service::NamingServer server(options);
    const std::error_code ec = server.start(arguments->bind, arguments->port, arguments->seed);
    if (ec) {
        std::cerr << "naming-service: cannot listen on " << arguments->bind << ":" << arguments->port << ": "
                  << ec.message() << "\n";
        return 1;
    }
    std::cerr << "naming-service: listening on http://" << arguments->bind << ":" << server.port() << "/\n";

    boost::asio::io_context signals_io;
    boost::asio::signal_set signals(signals_io, SIGINT, SIGTERM);
    signals.async_wait([&server](const boost::system::error_code&, int) { server.stop(); });
    signals_io.run();
    return 0;
}
