#include <gtest/gtest.h>

#include "base/gbk.h"
#include "fake_windows.h"
#include "platform/platform.h"
#include "query/percent_encode.h"

using namespace namer;

TEST(PercentEncode, EveryByteBecomesThreeCharacters) {
    struct Case {
        Text in, out;
    } cases[] = {
        {"Li", "%4C%69"},
        {" ", "%20"},
        {"\t", "%09"},
        {"", ""},
        {gbk_from_utf8("张"), "%D5%C5"},
        {"a&b=c", "%61%26%62%3D%63"},
        {Text("\x01\xFF", 2), "%01%FF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(percent_encode(c.in), c.out);
    }
}

TEST(PercentEncode, ProcessesPendingEventsAfterEveryByte) {
    FakeWindows windows;
    PlatformScope scope{Platform{nullptr, nullptr, &windows, nullptr}};
    int rounds = 0;
    std::function<void()> count = [&] {
        ++rounds;
        windows.on_events = count;
    };
    windows.on_events = count;
    percent_encode(gbk_from_utf8("欧阳"));
    EXPECT_EQ(rounds, 4);
}

TEST(EscapeRequestTarget, KeepsGbkBytesRawAndEscapesWhatCouldInject) {
    struct Case {
        Text in, out;
    } cases[] = {
        {gbk_from_utf8("张三"), "\xD5\xC5\xC8\xFD"},
        {"", ""},
        {"a b", "a%20b"},
        {"x\r\nHost: evil", "x%0D%0AHost:%20evil"},
        {"<b>\"#%&+", "%3Cb%3E%22%23%25%26%2B"},
        {Text("a\x7F", 2), "a%7F"},
        {"Li-Na_1.2", "Li-Na_1.2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(escape_request_target(c.in), c.out);
    }
}
