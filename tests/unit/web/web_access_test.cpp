#include <gtest/gtest.h>

#include "fake_tasks.h"
#include "platform/platform.h"
#include "recording_internet.h"
#include "web/web_access.h"

using namespace namer;

namespace {

using Event = FakeTasks::Event;

struct WebAccessTest : ::testing::Test {
    FakeTasks tasks;
    RecordingInternet net;
    PlatformScope scope{Platform{&net, &tasks, nullptr, nullptr}};

    // Elapsed milliseconds of one call on the fake clock.
    std::uint32_t timed(const WebRequest& request, Bytes* reply = nullptr) {
        const std::uint32_t start = tasks.clock_ms;
        Bytes got = web_access(request);
        if (reply)
            *reply = got;
        return tasks.clock_ms - start;
    }
};

const WebRequest get_page{"http://127.0.0.1:8731/showXiaoming.php", 0, ""};

} // namespace

TEST_F(WebAccessTest, ReplyComesBackExactlyZeroBytesIncluded) {
    const Bytes body("a\0b\xD5\xC5\0", 6);
    net.body_chunks = {body};
    EXPECT_EQ(web_access(get_page), body);
    EXPECT_EQ(tasks.workers_started, 1);
    EXPECT_EQ(tasks.last_timeout_ms, 60000u);
    EXPECT_GE(tasks.pumps, 1);
}

TEST_F(WebAccessTest, SlotsAreHandedOverFaithfully) {
    // a POST body with zero bytes goes out whole; a GET never sends the caller's body
    const Bytes body("x=\0\xFF", 4);
    web_access(WebRequest{"http://h/p", 1, body});
    EXPECT_EQ(net.verb, "POST");
    EXPECT_EQ(net.body, body);
    web_access(WebRequest{"http://h/p", 7, "ignored"});
    EXPECT_EQ(net.verb, "GET");
    EXPECT_FALSE(net.sent_body);
}

TEST_F(WebAccessTest, BlankUrlStartsNothing) {
    for (const Text url : {"", " ", "   ", "\xA1\xA1", " \xA1\xA1 "}) {
        SCOPED_TRACE(url);
        EXPECT_EQ(web_access(WebRequest{url, 0, ""}), "");
    }
    EXPECT_EQ(tasks.workers_started, 0);
    EXPECT_TRUE(net.calls.empty());
    EXPECT_FALSE(is_blank_url(" x "));
}

TEST_F(WebAccessTest, TimingOfTheLimit) {
    struct Case {
        const char* what;
        std::vector<Event> script;
        std::uint32_t clock_start;
        std::uint32_t elapsed;
        bool times_out;
    } cases[] = {
        {"no activity, worker never ends", {}, 1000, 60000, true},
        {"a message at 59 s: the next pass waits its full limit", {{Event::input, 59000}}, 1000, 119000, true},
        {"worker ends in the pass that reaches the limit", {{Event::worker_ends, 60000}}, 1000, 60000, true},
        {"worker ends just before the limit", {{Event::worker_ends, 59999}}, 1000, 59999, false},
        {"messages, then the worker ends", {{Event::input, 10}, {Event::input, 20}, {Event::worker_ends, 30}}, 1000, 30,
         false},
        {"the uptime counter wraps during the wait", {{Event::worker_ends, 500}}, 0xFFFFFF00u, 500, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        net.body_chunks = {"page"};
        tasks.clock_ms = c.clock_start;
        tasks.script.assign(c.script.begin(), c.script.end());
        if (c.script.empty())
            tasks.script.push_back({Event::input, 0xFFFFFFFFu}); // never ends within any pass
        Bytes reply;
        EXPECT_EQ(timed(get_page, &reply), c.elapsed);
        EXPECT_EQ(reply, c.times_out ? timeout_reply : Bytes("page"));
        net = RecordingInternet();
    }
}

TEST_F(WebAccessTest, WorkerThatCannotStartGivesTimeoutReplyAfterTheLimit) {
    tasks.worker_fails_to_start = true;
    Bytes reply;
    EXPECT_EQ(timed(get_page, &reply), 60000u);
    EXPECT_EQ(reply, timeout_reply);
}

TEST_F(WebAccessTest, NestedCallThatOutlastsTheOuterLimitMakesTheOuterTimeOut) {
    // The outer worker would end at 20 s, but a message at 10 s runs a nested request that never answers.
    tasks.script = {{Event::input, 10000}, {Event::worker_ends, 20000}};
    Bytes inner;
    tasks.on_pump = [&] {
        tasks.script = {{Event::input, 0xFFFFFFFFu}};
        inner = web_access(get_page);
    };
    Bytes outer;
    EXPECT_EQ(timed(get_page, &outer), 70000u);
    EXPECT_EQ(inner, timeout_reply);
    EXPECT_EQ(outer, timeout_reply);
}

TEST_F(WebAccessTest, TimeoutReplyIsTheFixedGbkText) {
    EXPECT_EQ(timeout_reply.size(), 44u);
    EXPECT_EQ(timeout_reply.substr(0, 4), "\xB3\xAC\xCA\xB1"); // 超时
}
