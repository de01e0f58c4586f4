#include <gtest/gtest.h>

#include "app/embedded_service.h"

using namespace namer;

TEST(EmbeddedService, OnlyALoopbackAddressIsServedHere) {
    struct Case {
        Text base;
        bool loopback;
    } cases[] = {
        {"http://127.0.0.1:8731", true}, {"http://127.1.2.3", true},       {"http://localhost:9000", true},
        {"http://LOCALHOST:9000", true}, {"http://names.example", false}, {"http://10.0.0.1:8731", false},
        {"http://127.example.com", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.base);
        EXPECT_EQ(is_loopback_base(c.base), c.loopback);
    }
}

TEST(EmbeddedService, ServesOnItsPortAndLeavesATakenPortToItsOwner) {
    // Another program on this machine may hold a port: take the first free one of a range.
    EmbeddedService first;
    Text base;
    for (int port = 18731; port < 18831 && !first.serving(); ++port) {
        base = "http://127.0.0.1:" + std::to_string(port);
        first.start_for(base);
    }
    ASSERT_TRUE(first.serving());
    EmbeddedService second; // another instance of the program
    second.start_for(base);
    EXPECT_FALSE(second.serving());
    first.stop();
    EXPECT_FALSE(first.serving());

    EmbeddedService remote;
    remote.start_for("http://names.example:18731");
    EXPECT_FALSE(remote.serving());
}
