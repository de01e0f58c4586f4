#include <gtest/gtest.h>

#include "base/gbk.h"
#include "service/meaning_page.h"
#include "service/utf8_text.h"
#include "service_test_support.h"

namespace namer::service {
namespace {

using testing::client_paragraphs;
using testing::embedded_data;
using testing::utf8;

// The page's paragraphs as the client reads them, back in UTF-8 and without the "<" of the closing tag.
std::vector<std::string> paragraphs_of(const char* name) {
    std::vector<std::string> out;
    for (const std::string& paragraph : client_paragraphs(render_meaning_page(embedded_data(), code_points(name)))) {
        const std::string text = utf8(paragraph);
        out.push_back(text.substr(0, text.size() - 1));
    }
    return out;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(SplitName, TellsSurnameFromGivenName) {
    struct Case {
        const char* name;
        NameParts::Kind kind;
        const char* surname;
        const char* given;
    };
    const Case cases[] = {
        {u8"张子涵", NameParts::Kind::listed_surname, u8"张", u8"子涵"},
        {u8"欧阳明轩", NameParts::Kind::listed_surname, u8"欧阳", u8"明轩"},
        {u8"曾明", NameParts::Kind::listed_surname, u8"曾", u8"明"},
        {u8"朵朵", NameParts::Kind::pet_name, "", u8"朵朵"},
        {u8"乐乐", NameParts::Kind::pet_name, "", u8"乐乐"}, // 乐 is a surname, but a doubled pair is a pet name
        {u8"小满", NameParts::Kind::pet_name, "", u8"小满"},
        {u8"阿福", NameParts::Kind::pet_name, "", u8"阿福"},
        {u8"子涵", NameParts::Kind::given_only, "", u8"子涵"},
        {u8"涵", NameParts::Kind::given_only, "", u8"涵"},
        {u8"欧阳", NameParts::Kind::surname_only, u8"欧阳", ""},
        {u8"丂子涵", NameParts::Kind::unlisted_surname, u8"丂", u8"子涵"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const NameParts parts = split_name(embedded_data(), code_points(c.name));
        EXPECT_EQ(parts.kind, c.kind);
        EXPECT_EQ(utf8_from_code_points(parts.surname), c.surname);
        EXPECT_EQ(utf8_from_code_points(parts.given), c.given);
    }
}

TEST(MeaningPage, ParagraphsHoldNoTagButLineBreaks) {
    for (const char* name : {u8"张子涵", u8"欧阳明轩", u8"朵朵", u8"小满", u8"丂", u8"范统", u8"死", u8"司马相如"}) {
        SCOPED_TRACE(name);
        const std::string page = render_meaning_page(embedded_data(), code_points(name));
        const auto paragraphs = client_paragraphs(page);
        ASSERT_GE(paragraphs.size(), 5u);
        for (const std::string& paragraph : paragraphs) {
            // After the client turns "<br />" into line breaks, the only "<" left is the one of "</p>".
            std::string rest = paragraph;
            for (std::size_t at; (at = rest.find("<br />")) != std::string::npos;)
                rest.erase(at, 6);
            EXPECT_EQ(rest.find('<'), rest.size() - 1) << utf8(paragraph);
            EXPECT_EQ(utf8_from_gbk(gbk_from_utf8(utf8(paragraph))), utf8(paragraph));
        }
    }
}

TEST(MeaningPage, GivesPinyinReadingsStrokesElementsAndMeanings) {
    const auto paragraphs = paragraphs_of(u8"曾明月");
    ASSERT_EQ(paragraphs.size(), 7u); // name, three characters, wish, sources, sound
    EXPECT_TRUE(contains(paragraphs[0], u8"拼音：zēng míng yuè"));
    EXPECT_TRUE(contains(paragraphs[0], u8"姓氏：曾（常见姓）"));
    EXPECT_TRUE(contains(paragraphs[0], u8"笔画：曾 12 + 明 8 + 月 4，共 24 画"));
    EXPECT_TRUE(contains(paragraphs[1], u8"作姓时读 zēng"));
    EXPECT_TRUE(contains(paragraphs[2], u8"明 míng　8 画　五行属火"));
    EXPECT_TRUE(contains(paragraphs[2], u8"字义：光明"));
    EXPECT_TRUE(contains(paragraphs[4], u8"「明」寓前程光明"));
    EXPECT_TRUE(contains(paragraphs[4], u8"前程光明、皎洁如月"));
    // A line that holds both given characters, with its source.
    EXPECT_TRUE(contains(paragraphs[5], u8"《诗经·"));
    EXPECT_TRUE(contains(paragraphs[5], u8"明"));
    EXPECT_TRUE(contains(paragraphs[6], u8"声调有起伏"));
}

TEST(MeaningPage, ReadsEachSurnameAsASurname) {
    const std::pair<const char*, const char*> cases[] = {
        {u8"单明", u8"shàn míng"}, {u8"朴明", u8"piáo míng"}, {u8"仇明", u8"qiú míng"},
        {u8"查明", u8"zhā míng"},  {u8"翟明", u8"zhái míng"}, {u8"尉迟明", u8"yù chí míng"},
    };
    for (const auto& [name, pinyin] : cases) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(contains(paragraphs_of(name)[0], std::string(u8"拼音：") + pinyin));
    }
}

TEST(MeaningPage, SaysWhatIsKnownOfAnUnknownName) {
    const auto unknown = paragraphs_of(u8"丂");
    EXPECT_TRUE(contains(unknown[0], u8"拼音：?"));
    EXPECT_TRUE(contains(unknown[1], u8"本服务未收录这个字的读音和字义"));
    EXPECT_TRUE(contains(unknown[2], u8"无法给出寓意"));

    const auto blocked = paragraphs_of(u8"李死");
    EXPECT_TRUE(contains(blocked[2], u8"含义不吉"));

    const auto homophone = paragraphs_of(u8"范统");
    EXPECT_TRUE(contains(homophone.back(), u8"饭桶"));

    const auto flat = paragraphs_of(u8"张清风");
    EXPECT_TRUE(contains(flat.back(), u8"声调相同"));

    const auto pet = paragraphs_of(u8"朵朵");
    EXPECT_TRUE(contains(pet[0], u8"小名"));
    EXPECT_TRUE(contains(pet[3], u8"叠字「朵朵」"));
}

TEST(MeaningPage, EscapesTheNameInTheTitle) {
    // Only Chinese characters reach the page, but the title goes through the escaper all the same.
    const std::string page = render_meaning_page(embedded_data(), code_points(u8"张三"));
    EXPECT_NE(page.find(gbk_from_utf8(u8"<title>张三 - 名字释义</title>")), std::string::npos);
}

} // namespace
} // namespace namer::service
