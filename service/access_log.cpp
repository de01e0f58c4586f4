#include "service/access_log.h"

#include <ctime>

namespace namer::service {
namespace {

constexpr const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string two_digits(int value) {
    return std::string(1, static_cast<char>('0' + value / 10)) + static_cast<char>('0' + value % 10);
}

// The time in UTC, "10/Oct/2024:13:55:36 +0000".
std::string log_time(std::chrono::system_clock::time_point time) {
    // Civil date from days since 1970-01-01 (Howard Hinnant's algorithm), so no time zone state is touched.
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(time.time_since_epoch()).count();
    long long days = seconds / 86400;
    long long rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long day_of_era = days - era * 146097;
    const long long year_of_era = (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
    const long long day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
    const long long month_index = (5 * day_of_year + 2) / 153;
    const int day = static_cast<int>(day_of_year - (153 * month_index + 2) / 5 + 1);
    const int month = static_cast<int>(month_index < 10 ? month_index + 3 : month_index - 9);
    const long long year = year_of_era + era * 400 + (month <= 2 ? 1 : 0);
    const int hour = static_cast<int>(rest / 3600);
    const int minute = static_cast<int>(rest / 60 % 60);
    const int second = static_cast<int>(rest % 60);
    return two_digits(day) + "/" + months[month - 1] + "/" + std::to_string(year) + ":" + two_digits(hour) + ":" +
           two_digits(minute) + ":" + two_digits(second) + " +0000";
}

std::string escaped(std::string_view text) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || c == '"' || c == '\\') {
            out += "\\x";
            out += digits[byte >> 4];
            out += digits[byte & 0x0F];
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

std::string common_log_line(const LoggedRequest& request) {
    std::string line = request.client.empty() ? "-" : request.client;
    line += " - - [" + log_time(request.time) + "] \"" + escaped(request.request_line) + "\" ";
    line += std::to_string(request.status) + " ";
    line += request.body_bytes ? std::to_string(request.body_bytes) : "-";
    return line;
}

} // namespace namer::service
