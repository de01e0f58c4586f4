#include <gtest/gtest.h>

#include "service/name_generator.h"
#include "service/naming_service.h"
#include "service_test_support.h"

namespace namer::service {
namespace {

using testing::client_names;
using testing::client_paragraphs;
using testing::gbk;
using testing::shared_embedded_data;
using testing::utf8;

constexpr std::uint64_t base_seed = 99;

std::vector<std::string> gbk_names(const std::vector<ProposedName>& names) {
    std::vector<std::string> out;
    for (const ProposedName& name : names)
        out.push_back(name.gbk);
    return out;
}

class NamingServiceTest : public ::testing::Test {
protected:
    NamingServiceTest() : service(shared_embedded_data(), base_seed) {}

    // The generator as the service drives it for its request number `sequence` (the first request is 0).
    NameGenerator generator_for_request(std::uint64_t sequence) const {
        return service.generator_for_request(sequence);
    }

    NamingService service;
};

TEST_F(NamingServiceTest, FreeNamingListsExactlyTheGeneratorsNames) {
    const Surname zhang = read_surname_field(service.data(), gbk(u8"张")).surname;
    ServiceReply reply = service.handle("POST", "/showName.php", "xing=%D5%C5&gender=male&num=1&limit=100");
    EXPECT_EQ(reply.status, 200);
    EXPECT_EQ(client_names(reply.body), gbk_names(generator_for_request(0).free_names(zhang, Gender::male, 1, 100)));

    reply = service.handle("POST", "/showName.php", "xing=%D5%C5&gender=female&num=2&limit=200");
    EXPECT_EQ(client_names(reply.body), gbk_names(generator_for_request(1).free_names(zhang, Gender::female, 2, 200)));
}

TEST_F(NamingServiceTest, MissingFieldsTakeTheClientsDefaults) {
    const ServiceReply reply = service.handle("POST", "/showName.php", "");
    EXPECT_EQ(reply.status, 200);
    EXPECT_EQ(client_names(reply.body),
              gbk_names(generator_for_request(0).free_names(Surname{}, Gender::male, 1, 100)));
    // Without a surname the page says so outside the list.
    EXPECT_NE(reply.body.find(gbk(u8"没有填写姓氏")), std::string::npos);
    EXPECT_LT(reply.body.find(gbk(u8"没有填写姓氏")), reply.body.find("<ul>"));
}

TEST_F(NamingServiceTest, EveryModeAnswersWithItsCount) {
    struct Case {
        const char* method;
        const char* target;
        const char* body;
        std::size_t count;
    };
    const Case cases[] = {
        {"POST", "/showName.php", "xing=%C0%EE&gender=female&num=2&limit=200", 200},
        {"POST", "/showDiezi.php", "xing=%C0%EE", 10},
        {"POST", "/showWuxing.php", "xing=%C0%EE&gender=male&num=1&wuxing=5", 20},
        {"GET", "/showXiaoming.php", "", 20},
        {"GET", "/showXiaoming.php?ignored=1", "", 20},
        {"POST", "/showXiaoshuo.php", "num=3&gender=part&pinlv=0&limit=100", 100},
        {"POST", "/showXiaoshuo.php", "num=1&gender=mix&pinlv=1&limit=200", 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.target) + " " + c.body);
        const ServiceReply reply = service.handle(c.method, c.target, c.body);
        EXPECT_EQ(reply.status, 200);
        EXPECT_EQ(client_names(reply.body).size(), c.count);
    }
}

TEST_F(NamingServiceTest, MeaningTakesEncodedAndRawNames) {
    const ServiceReply encoded = service.handle("GET", "/showMeaning.php?name=%D5%C5%C8%FD", "");
    const ServiceReply raw = service.handle("GET", "/showMeaning.php?name=\xD5\xC5\xC8\xFD", "");
    EXPECT_EQ(encoded.status, 200);
    EXPECT_EQ(encoded.body, raw.body);
    const auto paragraphs = client_paragraphs(raw.body);
    ASSERT_FALSE(paragraphs.empty());
    EXPECT_NE(utf8(paragraphs[0]).find(u8"姓名：张三"), std::string::npos);
}

TEST_F(NamingServiceTest, BadInputGetsAClearAnswer) {
    struct Case {
        const char* what;
        const char* method;
        std::string target;
        std::string body;
        int status;
    };
    const Case cases[] = {
        {"unknown path", "GET", "/index.php", "", 404},
        {"path differs in case", "POST", "/ShowName.php", "", 404},
        {"GET of a POST path", "GET", "/showName.php", "", 405},
        {"POST of a GET path", "POST", "/showMeaning.php?name=%D5%C5", "", 405},
        {"DELETE", "DELETE", "/showXiaoming.php", "", 405},
        {"malformed escape in the body", "POST", "/showName.php", "xing=%G1", 400},
        {"escape cut short", "POST", "/showDiezi.php", "xing=%D", 400},
        {"surname not GBK", "POST", "/showName.php", "xing=%FF%FF", 400},
        {"surname of three characters", "POST", "/showName.php", "xing=%D5%C5%C8%FD%B7%E1", 400},
        {"surname in Latin letters", "POST", "/showWuxing.php", "xing=Smith", 400},
        {"unknown gender", "POST", "/showName.php", "gender=other", 400},
        {"num out of range", "POST", "/showName.php", "num=3", 400},
        {"limit zero", "POST", "/showName.php", "limit=0", 400},
        {"limit too large", "POST", "/showXiaoshuo.php", "limit=201", 400},
        {"limit not a number", "POST", "/showName.php", "limit=1e2", 400},
        {"wuxing out of range", "POST", "/showWuxing.php", "wuxing=6", 400},
        {"novel gender", "POST", "/showXiaoshuo.php", "gender=male", 400},
        {"pinlv", "POST", "/showXiaoshuo.php", "pinlv=2", 400},
        {"meaning without a name", "GET", "/showMeaning.php?name=", "", 400},
        {"meaning without a query", "GET", "/showMeaning.php", "", 400},
        {"meaning with a bad escape", "GET", "/showMeaning.php?name=%D5%G5", "", 400},
        {"meaning not GBK", "GET", "/showMeaning.php?name=%81", "", 400},
        {"meaning in Latin letters", "GET", "/showMeaning.php?name=Tom", "", 400},
        {"meaning too long", "GET", "/showMeaning.php?name=" + gbk(u8"一二三四五六七八九"), "", 400},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ServiceReply reply = service.handle(c.method, c.target, c.body);
        EXPECT_EQ(reply.status, c.status);
        // Every answer is a GBK page whose explanation the client's meaning window can show.
        ASSERT_EQ(client_paragraphs(reply.body).size(), 1u);
        EXPECT_TRUE(client_names(reply.body).empty());
        if (c.status == 405) {
            EXPECT_FALSE(reply.allow.empty());
        }
    }
}

TEST_F(NamingServiceTest, ReflectedInputIsEscaped) {
    const ServiceReply reply = service.handle("POST", "/showName.php", "gender=%3Cscript%3Ealert(1)%3C/script%3E");
    EXPECT_EQ(reply.status, 400);
    EXPECT_EQ(reply.body.find("<script>"), std::string::npos);
    EXPECT_NE(reply.body.find("&lt;script&gt;"), std::string::npos);

    const ServiceReply method = service.handle("<b>", "/showName.php", "");
    EXPECT_EQ(method.body.find("<b>"), std::string::npos);
}

TEST_F(NamingServiceTest, CompoundSurnameWithATwoCharacterNameSaysWhatItDid) {
    const ServiceReply reply = service.handle("POST", "/showName.php", "xing=" + std::string("%C5%B7%D1%F4"));
    EXPECT_EQ(reply.status, 200);
    const auto names = client_names(reply.body);
    ASSERT_EQ(names.size(), 100u);
    for (const std::string& name : names) {
        EXPECT_EQ(utf8(name).size(), 9u) << utf8(name); // 欧阳 and one character
        EXPECT_NE(reply.body.find(gbk(u8"按三字姓名列出")), std::string::npos);
    }
}

TEST(NamingServiceSeed, RequestSeedsDifferByBaseAndSequence) {
    EXPECT_EQ(NamingService::request_seed(1, 0), NamingService::request_seed(1, 0));
    EXPECT_NE(NamingService::request_seed(1, 0), NamingService::request_seed(1, 1));
    EXPECT_NE(NamingService::request_seed(1, 0), NamingService::request_seed(2, 0));
}

} // namespace
} // namespace namer::service
