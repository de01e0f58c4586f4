#include <gtest/gtest.h>

#include "service/form_fields.h"

namespace namer::service {
namespace {

TEST(PercentDecode, DecodesEscapesPlusAndRawBytes) {
    struct Case {
        std::string input;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"", std::string()},
        {"%D5%C5", std::string("\xD5\xC5")},      // 张 as the client's percent_encode sends it
        {"%d5%c5", std::string("\xD5\xC5")},      // lower-case hex digits
        {"\xD5\xC5\xC8\xFD", "\xD5\xC5\xC8\xFD"}, // 张三 as raw bytes from a row lookup
        {"a+b", std::string("a b")},
        {"%2B%26%3D", std::string("+&=")},
        {"%00x", std::string("\0x", 2)},
        {"%", std::nullopt},
        {"%4", std::nullopt},
        {"abc%G1", std::nullopt},
        {"%%41", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(percent_decode(c.input), c.expected);
    }
}

TEST(FormFields, ReadsFieldsInOrderFirstOneWins) {
    const auto form = FormFields::parse("xing=%D5%C5&gender=male&&num=&gender=female&flag");
    ASSERT_TRUE(form);
    EXPECT_EQ(form->value("xing"), std::string("\xD5\xC5"));
    EXPECT_EQ(form->value("gender"), std::string("male"));
    EXPECT_EQ(form->value("num"), std::string());
    EXPECT_EQ(form->value("flag"), std::string());
    EXPECT_EQ(form->value("limit"), std::nullopt);
}

TEST(FormFields, RefusesMalformedEscapeInNameOrValue) {
    EXPECT_FALSE(FormFields::parse("xing=%ZZ"));
    EXPECT_FALSE(FormFields::parse("x%2=1"));
    EXPECT_TRUE(FormFields::parse(""));
}

TEST(FormFields, KeepsAnEncodedSeparatorInsideTheValue) {
    // The client encodes a surname typed as a&b=c as "%61%26%62%3D%63": one field, not two.
    const auto form = FormFields::parse("xing=%61%26%62%3D%63&gender=male");
    ASSERT_TRUE(form);
    EXPECT_EQ(form->value("xing"), std::string("a&b=c"));
    EXPECT_EQ(form->value("b"), std::nullopt);
}

} // namespace
} // namespace namer::service
