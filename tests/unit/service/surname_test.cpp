#include <gtest/gtest.h>

#include "service/surname.h"
#include "service_test_support.h"

namespace namer::service {
namespace {

using testing::embedded_data;
using testing::gbk;

std::string readings(const Surname& surname) {
    std::string out;
    for (const Syllable& syllable : surname.sounds)
        out += (out.empty() ? "" : " ") + syllable.marked;
    return out;
}

TEST(ReadSurnameField, ReadsListedSurnamesAsSurnames) {
    struct Case {
        const char* input;
        const char* text;
        const char* reading;
        bool listed;
    };
    const Case cases[] = {
        {u8"张", u8"张", u8"zhāng", true},
        {u8" 曾\u3000", u8"曾", u8"zēng", true}, // blanks, the ideographic one included, are ignored
        {u8"单", u8"单", u8"shàn", true},
        {u8"朴", u8"朴", u8"piáo", true},
        {u8"仇", u8"仇", u8"qiú", true},
        {u8"查", u8"查", u8"zhā", true},
        {u8"翟", u8"翟", u8"zhái", true},
        {u8"欧阳", u8"欧阳", u8"ōu yáng", true},
        {u8"尉迟", u8"尉迟", u8"yù chí", true},
        {u8"张单", u8"张单", u8"zhāng shàn", false}, // unlisted double surname: each read as a surname
        {u8"丂", u8"丂", u8"", false},               // in GBK but not in the tables: no reading known
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        const SurnameField field = read_surname_field(embedded_data(), gbk(c.input));
        EXPECT_EQ(field.problem, "");
        EXPECT_EQ(field.surname.text, c.text);
        EXPECT_EQ(field.surname.gbk, gbk(c.text));
        EXPECT_EQ(readings(field.surname), c.reading);
        EXPECT_EQ(field.surname.entry != nullptr, c.listed);
    }
}

TEST(ReadSurnameField, EmptyOrBlankMeansNoSurname) {
    for (const char* input : {"", " ", u8"\u3000\t"}) {
        const SurnameField field = read_surname_field(embedded_data(), gbk(input));
        EXPECT_EQ(field.problem, "");
        EXPECT_TRUE(field.surname.empty());
    }
}

TEST(ReadSurnameField, RefusesWhatCannotBeASurname) {
    const std::string cases[] = {
        gbk(u8"张三丰"), // three characters
        "Smith",         // not Chinese
        gbk(u8"张1"),    // a digit
        "<b>",           // markup
        "\xFF\xFF",      // not GBK at all
        "\x81",          // a lead byte without its trail byte
        std::string("\xD5\xC5\0", 3),
    };
    for (const std::string& input : cases) {
        SCOPED_TRACE(input);
        const SurnameField field = read_surname_field(embedded_data(), input);
        EXPECT_NE(field.problem, "");
        EXPECT_TRUE(field.surname.empty());
    }
}

TEST(GivenLengthFor, FillsWhatTheSurnameLeavesWithAtLeastOneCharacter) {
    const Surname none;
    const Surname zhang = read_surname_field(embedded_data(), gbk(u8"张")).surname;
    const Surname ouyang = read_surname_field(embedded_data(), gbk(u8"欧阳")).surname;
    EXPECT_EQ(given_length_for(2, zhang), 1);
    EXPECT_EQ(given_length_for(3, zhang), 2);
    EXPECT_EQ(given_length_for(3, ouyang), 1);
    EXPECT_EQ(given_length_for(2, ouyang), 1); // the compound surname fills both places; one character still follows
    EXPECT_EQ(given_length_for(2, none), 1);   // without a surname the name is sized for a one-character surname
    EXPECT_EQ(given_length_for(3, none), 2);
}

} // namespace
} // namespace namer::service
