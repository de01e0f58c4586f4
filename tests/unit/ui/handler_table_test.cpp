#include <gtest/gtest.h>

#include "ui/handler_table.h"

namespace namer {
namespace {

TEST(HandlerTable, RunsTheHandlerBoundToAName) {
    HandlerTable table;
    std::vector<std::string> ran;
    table.bind("a", [&] { ran.push_back("a"); });
    table.bind("b", [&] { ran.push_back("b"); });
    EXPECT_TRUE(table.run("b"));
    EXPECT_TRUE(table.run("a"));
    EXPECT_FALSE(table.run("c"));
    EXPECT_FALSE(table.run(""));
    EXPECT_EQ(ran, (std::vector<std::string>{"b", "a"}));

    table.bind("a", [&] { ran.push_back("a2"); });
    table.bind("b", nullptr);
    EXPECT_FALSE(table.is_bound("b"));
    EXPECT_FALSE(table.run("b"));
    EXPECT_TRUE(table.run("a"));
    EXPECT_EQ(ran.back(), "a2");
}

TEST(HandlerTable, AHandlerMayRebindItsOwnNameWhileItRuns) {
    HandlerTable table;
    std::string seen;
    table.bind("self", [&, text = std::string("first")] {
        table.bind("self", [&] { seen += "+second"; });
        seen += text; // the running handler's own captures are still alive
    });
    table.run("self");
    table.run("self");
    EXPECT_EQ(seen, "first+second");
}

} // namespace
} // namespace namer
