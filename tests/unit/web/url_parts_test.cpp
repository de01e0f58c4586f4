#include <gtest/gtest.h>

#include "web/http_exchange.h"
#include "web/url_parts.h"

using namespace namer;

TEST(UrlParts, HostPathAndPort) {
    struct Case {
        Text url, host, path;
        int port;
    } cases[] = {
        {"http://127.0.0.1:8731/showName.php", "127.0.0.1", "/showName.php", 8731},
        {"http://Names.Example.COM/showMeaning.php?name=%D5%C5", "names.example.com", "/showMeaning.php?name=%D5%C5", 80},
        {"http://host", "host", "/", 80},
        {"http://host:", "host", "/", 0},
        {"http://host:8x/p", "host", "/p", 8},
        {"host:81/a/b?c=d", "host", "/a/b?c=d", 81},
        {"https://secure.example/p", "secure.example", "/p", 0}, // the exchange takes 443 for a secure URL
        // a host part found again later: the path starts at the first "/" after the host's first occurrence
        {"http://ab/ab/x", "ab", "/ab/x", 80},
        {"http://h/p?u=http://x", "h", "/p?u=http://x", 80},
        // a host whose name also stands in the scheme
        {"http://t/p", "t", "/p", 80},
        {"https://p:9/q", "p", "/q", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url);
        EXPECT_EQ(host_from_url(c.url), c.host);
        EXPECT_EQ(path_from_url(c.url), c.path);
        EXPECT_EQ(port_from_url(c.url), c.port);
    }
}

TEST(UrlParts, AHugePortNumberDoesNotOverflow) {
    EXPECT_GT(port_from_url("http://h:99999999999999999999/"), 0);
}

TEST(NormaliseUrl, AddsTheSchemeOnlyWhenMissing) {
    EXPECT_EQ(normalise_url("h/p"), "http://h/p");
    EXPECT_EQ(normalise_url("http://h/p"), "http://h/p");
    EXPECT_EQ(normalise_url("https://h/p"), "https://h/p");
    EXPECT_EQ(normalise_url("HTTP://h/p"), "http://HTTP://h/p"); // the scheme test is case-sensitive
}
