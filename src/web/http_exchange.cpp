#include "web/http_exchange.h"

#include <algorithm>

#include "web/url_parts.h"

namespace namer {

const char* const default_user_agent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1; .NET CLR 2.0.50727; "
                                       ".NET CLR 3.0.04506.648; .NET CLR 3.5.21022)";

namespace {

constexpr std::uint32_t read_chunk = 1024;
constexpr std::uint32_t raw_header_buffer = 2048;
const Text set_cookie_prefix = "Set-Cookie: ";

const char* const accept_line = "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, "
                                "application/x-shockwave-flash, application/vnd.ms-excel, "
                                "application/vnd.ms-powerpoint, application/msword, */*";

void add_header_line(Text& headers, const Text& field, const Text& line) {
    if (find_text_ignore_case(headers, field) < 0)
        headers += line + "\r\n";
}

bool is_secure(const Text& url) { return find_text(ascii_lower(url), "https://") > 0; }

Text read_body(InternetApi& api, InternetHandle request) {
    Bytes body;
    char buffer[read_chunk];
    while (body.size() < reply_body_limit) {
        const std::uint32_t count = api.read_file(request, buffer, read_chunk);
        if (count == 0)
            break;
        body.append(buffer, std::min<std::size_t>({count, read_chunk, reply_body_limit - body.size()}));
    }
    return body;
}

Text raw_response_headers(InternetApi& api, InternetHandle request) {
    Text buffer(raw_header_buffer, ' ');
    buffer.push_back('\0');
    std::uint32_t length = raw_header_buffer;
    if (!api.query_info(request, wininet::query_raw_headers_crlf, buffer.data(), length))
        return Text(raw_header_buffer, ' ');
    return text_from_bytes(buffer);
}

} // namespace

InternetHandle ExchangeHandles::adopt(InternetHandle handle) {
    if (!handle)
        return nullptr;
    std::lock_guard<std::mutex> lock(mutex_);
    if (cancelled_) {
        api_.close_handle(handle);
        return nullptr;
    }
    open_.push_back(handle);
    return handle;
}

void ExchangeHandles::close(InternetHandle handle) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = std::find(open_.begin(), open_.end(), handle);
    if (it == open_.end())
        return;
    open_.erase(it);
    api_.close_handle(handle);
}

void ExchangeHandles::cancel() {
    std::lock_guard<std::mutex> lock(mutex_);
    cancelled_ = true;
    for (auto it = open_.rbegin(); it != open_.rend(); ++it)
        api_.close_handle(*it);
    open_.clear();
}

bool ExchangeHandles::cancelled() {
    std::lock_guard<std::mutex> lock(mutex_);
    return cancelled_;
}

Text normalise_url(const Text& url) {
    if (url.compare(0, 7, "http://") == 0 || url.compare(0, 8, "https://") == 0)
        return url;
    return "http://" + url;
}

Text request_header_text(const Text& url, const Text& verb, const Bytes& body) {
    Text headers;
    add_header_line(headers, "Accept", accept_line);
    add_header_line(headers, "Referer", "Referer: " + url);
    add_header_line(headers, "Accept-Language", "Accept-Language: zh-cn");
    if (verb == "POST" && !body.empty()) {
        add_header_line(headers, "Content-Type", "Content-Type: application/x-www-form-urlencoded");
        add_header_line(headers, "Content-Length", "Content-Length: " + std::to_string(body.size()));
    }
    return headers;
}

std::vector<SetCookie> parse_set_cookie_lines(const Text& raw_headers) {
    std::vector<SetCookie> cookies;
    if (find_text_ignore_case(raw_headers, set_cookie_prefix) < 0)
        return cookies;
    std::size_t start = 0;
    while (start < raw_headers.size()) {
        std::size_t end = raw_headers.find('\n', start);
        if (end == Text::npos)
            end = raw_headers.size();
        Text line = raw_headers.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (find_text_ignore_case(line, set_cookie_prefix) < 0)
            continue;
        const Text rest = line.substr(std::min(line.size(), set_cookie_prefix.size()));
        const std::size_t equals = rest.find('=');
        if (equals == Text::npos)
            cookies.push_back({Text(), rest});
        else
            cookies.push_back({rest.substr(0, equals), rest.substr(equals + 1)});
    }
    return cookies;
}

void perform_http_exchange(RequestSlots& slots, InternetApi& api, ExchangeHandles* handles) {
    ExchangeHandles own_handles(api);
    ExchangeHandles& guard = handles ? *handles : own_handles;

    const Text url = normalise_url(text_from_bytes(slots.slot[0]));
    const Text verb = text_from_bytes(slots.slot[1]);
    const Bytes body = slots.slot[4];
    const bool secure = is_secure(url);
    const Text host = host_from_url(url);
    const Text path = path_from_url(url);
    const int port = secure ? 443 : port_from_url(url);

    slots.slot[0].clear();
    InternetHandle session = guard.adopt(api.open(default_user_agent, wininet::open_type_direct, "", "", 0));
    if (!session)
        return;
    InternetHandle connection =
        guard.adopt(api.connect(session, host, port, "", "", wininet::service_http, 0, 0));
    if (!connection) {
        guard.close(session);
        return;
    }
    const std::uint32_t flags = secure ? wininet::flag_secure
                                       : wininet::flag_reload | wininet::flag_need_file |
                                             wininet::flag_ignore_redirect_to_https;
    InternetHandle request = guard.adopt(api.open_request(connection, verb, path, "HTTP/1.1", flags));
    if (!request) {
        guard.close(connection);
        guard.close(session);
        return;
    }

    const Text headers = request_header_text(url, verb, body);
    if (verb == "GET")
        api.send_request(request, headers, nullptr, 0);
    else if (verb == "POST")
        api.send_request(request, headers, body.data(), static_cast<std::uint32_t>(body.size()));

    Bytes reply = read_body(api, request);
    const Text raw_headers = raw_response_headers(api, request);

    guard.close(request);
    guard.close(connection);
    guard.close(session);

    if (!guard.cancelled()) {
        for (const SetCookie& cookie : parse_set_cookie_lines(raw_headers))
            api.set_cookie("http://" + host, cookie.name, cookie.data);
    }
    slots.slot[0] = std::move(reply);
    slots.slot[5] = raw_headers;
}

} // namespace namer
