#include <gtest/gtest.h>

#include "base/gbk.h"

using namespace namer;

TEST(Gbk, KnownCodes) {
    EXPECT_EQ(gbk_from_utf8("张三"), "\xD5\xC5\xC8\xFD");
    EXPECT_EQ(gbk_from_utf8("真"), "\xD5\xE6");
    EXPECT_EQ(gbk_from_utf8("珺"), "\xAC\x42"); // beyond GB2312
    EXPECT_EQ(gbk_from_utf8("·"), "\xA1\xA4");
    EXPECT_EQ(gbk_from_utf8("超时返回，你可以把参数中的超时值设置长一些。").size(), 44u);
}

TEST(Gbk, RoundTripsEveryDoubleByteCharacter) {
    int characters = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const Text code{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string utf8 = utf8_from_gbk(code);
            if (utf8 == "?")
                continue;
            ++characters;
            ASSERT_EQ(gbk_from_utf8(utf8), code) << std::hex << lead << " " << trail;
            ASSERT_EQ(gbk_from_utf16(utf16_from_gbk(code)), code);
        }
    }
    EXPECT_GT(characters, 21000);
}

TEST(Gbk, MalformedInputBecomesQuestionMarks) {
    EXPECT_EQ(utf8_from_gbk("a\xD5"), "a?");  // lead byte at the end
    EXPECT_EQ(utf8_from_gbk("\x80x"), "?x");
    EXPECT_EQ(gbk_from_utf8("\xE4\xB8"), "?");  // cut UTF-8 sequence
    EXPECT_EQ(gbk_from_utf8("😀"), "?");       // nothing in GBK
    EXPECT_EQ(gbk_from_utf16(u"a\xD800"), "a?");
}
