#include "service/naming_service.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "base/gbk.h"
#include "service/form_fields.h"
#include "service/gbk_text.h"
#include "service/list_page.h"
#include "service/meaning_page.h"
#include "service/message_page.h"
#include "service/name_generator.h"
#include "service/surname.h"
#include "service/utf8_text.h"

namespace namer::service {
namespace {

constexpr int doubled_count = 10;
constexpr int element_count = 20;
constexpr int pet_count = 20;

ServiceReply message(int status, std::string_view title, std::string_view text) {
    return ServiceReply{status, render_message_page(title, text), std::string()};
}

ServiceReply bad_request(std::string_view text) {
    return message(400, u8"请求有误", text);
}

// A request field after the client's defaults: the value sent, or the default when it is missing or empty.
std::string field_or(const FormFields& form, std::string_view name, std::string_view fallback) {
    std::optional<std::string> value = form.value(name);
    return value && !value->empty() ? *value : std::string(fallback);
}

// A whole number from `low` to `high` written in decimal digits, or nothing.
std::optional<int> number_in(std::string_view text, int low, int high) {
    if (text.empty() || text.size() > 4 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int value = std::stoi(std::string(text));
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

// The wrong value of a field, shown back in the message (escaped by the page) as far as it is readable text.
std::string invalid_field(std::string_view name, std::string_view value, std::string_view expected) {
    std::string shown = is_valid_gbk(value) ? utf8_from_gbk(value) : std::string(u8"（无法识别的字节）");
    if (shown.size() > 40)
        shown = shown.substr(0, 40) + "...";
    return u8"参数 " + std::string(name) + u8" 的值「" + shown + u8"」无效，应为 " + std::string(expected) + u8"。";
}

struct ListChoices {
    std::string problem; // why the request cannot be answered, empty when it can
    Surname surname;
    std::vector<std::string> notes;
    Gender gender = Gender::male;
    int full_length = 2;
    int count = 100;
};

std::string gender_text(Gender gender) {
    return gender == Gender::male ? u8"男孩" : u8"女孩";
}

std::string length_text(int given_length, const Surname& surname) {
    if (surname.empty())
        return given_length == 1 ? u8"单字名" : u8"双字名";
    return given_length + static_cast<int>(surname.chars.size()) == 2 ? u8"二字姓名" : u8"三字姓名";
}

std::string surname_text(const Surname& surname) {
    return surname.empty() ? std::string(u8"未填姓氏") : surname.text + u8"姓";
}

// Reads the surname, gender, length and count fields the list requests share.
ListChoices read_list_choices(const NameData& data, const FormFields& form, bool with_gender, bool with_length,
                              bool with_limit) {
    ListChoices choices;
    SurnameField surname = read_surname_field(data, field_or(form, "xing", ""));
    if (!surname.problem.empty()) {
        choices.problem = surname.problem;
        return choices;
    }
    choices.surname = std::move(surname.surname);
    if (with_gender) {
        const std::string gender = field_or(form, "gender", "male");
        if (gender != "male" && gender != "female") {
            choices.problem = invalid_field("gender", gender, "male 或 female");
            return choices;
        }
        choices.gender = gender == "male" ? Gender::male : Gender::female;
    }
    if (with_length) {
        const std::string num = field_or(form, "num", "1");
        const std::optional<int> length = number_in(num, 1, 2);
        if (!length) {
            choices.problem = invalid_field("num", num, u8"1（二字名）或 2（三字名）");
            return choices;
        }
        choices.full_length = *length + 1;
    }
    if (with_limit) {
        const std::string limit = field_or(form, "limit", "100");
        const std::optional<int> count = number_in(limit, 1, max_list_length);
        if (!count) {
            choices.problem = invalid_field("limit", limit, u8"1 到 200 之间的整数");
            return choices;
        }
        choices.count = *count;
    }

    const Surname& chosen = choices.surname;
    if (chosen.empty()) {
        choices.notes.push_back(with_length ? u8"没有填写姓氏，下面只列出名字，名字的长度按单字姓计算。"
                                            : u8"没有填写姓氏，下面只列出名字。");
    } else {
        if (!chosen.entry && !chosen.sounds.empty()) {
            std::string reading;
            for (const Syllable& syllable : chosen.sounds)
                reading += (reading.empty() ? "" : " ") + syllable.marked;
            choices.notes.push_back(u8"「" + chosen.text + u8"」不在本服务的姓氏表中，按读音 " + reading + u8" 处理。");
        }
        if (with_length && static_cast<int>(chosen.chars.size()) >= choices.full_length)
            choices.notes.push_back(u8"姓氏「" + chosen.text +
                                    u8"」已占两个字，二字姓名容不下名字，下面按三字姓名列出。");
    }
    return choices;
}

void note_shortfall(ListPage& page, int asked) {
    if (static_cast<int>(page.names.size()) < asked)
        page.notes.push_back(u8"符合条件的名字只找到 " + std::to_string(page.names.size()) + u8" 个。");
}

ServiceReply list_reply(ListPage page) {
    return ServiceReply{200, render_list_page(page), std::string()};
}

ServiceReply free_naming(const NameData& data, const FormFields& form, NameGenerator& generator) {
    ListChoices choices = read_list_choices(data, form, true, true, true);
    if (!choices.problem.empty())
        return bad_request(choices.problem);
    const int given_length = given_length_for(choices.full_length, choices.surname);
    ListPage page{u8"免费起名",
                  surname_text(choices.surname) + u8" · " + gender_text(choices.gender) + u8" · " +
                      length_text(given_length, choices.surname),
                  std::move(choices.notes),
                  generator.free_names(choices.surname, choices.gender, given_length, choices.count)};
    note_shortfall(page, choices.count);
    return list_reply(std::move(page));
}

ServiceReply doubled_naming(const NameData& data, const FormFields& form, NameGenerator& generator) {
    ListChoices choices = read_list_choices(data, form, false, false, false);
    if (!choices.problem.empty())
        return bad_request(choices.problem);
    ListPage page{u8"叠字起名", surname_text(choices.surname) + u8" · 叠字名", std::move(choices.notes),
                  generator.doubled_names(choices.surname, doubled_count)};
    note_shortfall(page, doubled_count);
    return list_reply(std::move(page));
}

ServiceReply element_naming(const NameData& data, const FormFields& form, NameGenerator& generator) {
    ListChoices choices = read_list_choices(data, form, true, true, false);
    if (!choices.problem.empty())
        return bad_request(choices.problem);
    const std::string wuxing = field_or(form, "wuxing", "1");
    const std::optional<int> number = number_in(wuxing, 1, 5);
    if (!number)
        return bad_request(invalid_field("wuxing", wuxing, u8"1 到 5（金、木、水、火、土）"));
    const auto element = static_cast<Element>(*number);
    const int given_length = given_length_for(choices.full_length, choices.surname);
    ListPage page{u8"五行起名",
                  surname_text(choices.surname) + u8" · " + gender_text(choices.gender) + u8" · " +
                      length_text(given_length, choices.surname) + u8" · 五行补" + std::string(element_name(element)),
                  std::move(choices.notes),
                  generator.element_names(choices.surname, choices.gender, given_length, element, element_count)};
    page.notes.push_back(u8"名字里至少有一个字五行属" + std::string(element_name(element)) + u8"，且没有五行属" +
                         std::string(element_name(overcoming_element(element))) + u8"（" +
                         std::string(element_name(overcoming_element(element))) + u8"克" +
                         std::string(element_name(element)) + u8"）的字。");
    note_shortfall(page, element_count);
    return list_reply(std::move(page));
}

ServiceReply pet_naming(NameGenerator& generator) {
    ListPage page{u8"小名起名", u8"小名 · 叠字或带「小」「阿」", {}, generator.pet_names(pet_count)};
    note_shortfall(page, pet_count);
    return list_reply(std::move(page));
}

ServiceReply novel_naming(const FormFields& form, NameGenerator& generator) {
    const std::string num = field_or(form, "num", "1");
    const std::optional<int> length = number_in(num, 1, 3);
    if (!length)
        return bad_request(invalid_field("num", num, u8"1（二字）、2（三字）或 3（混合）"));
    const std::string gender = field_or(form, "gender", "mix");
    if (gender != "mix" && gender != "part")
        return bad_request(invalid_field("gender", gender, "mix 或 part"));
    const std::string pinlv = field_or(form, "pinlv", "1");
    if (pinlv != "0" && pinlv != "1")
        return bad_request(invalid_field("pinlv", pinlv, u8"1（常见姓）或 0（生僻姓）"));
    const std::string limit = field_or(form, "limit", "100");
    const std::optional<int> count = number_in(limit, 1, max_list_length);
    if (!count)
        return bad_request(invalid_field("limit", limit, u8"1 到 200 之间的整数"));

    const NovelLength novel_length = *length == 1   ? NovelLength::two
                                     : *length == 2 ? NovelLength::three
                                                    : NovelLength::mixed;
    const bool apart = gender == "part";
    const bool common = pinlv == "1";
    ListPage page{u8"小说姓名",
                  std::string(common ? u8"常见姓" : u8"生僻姓") + u8" · " + (apart ? u8"男女分开" : u8"男女混合") +
                      u8" · " +
                      (*length == 1   ? u8"二字姓名"
                       : *length == 2 ? u8"三字姓名"
                                      : u8"二字、三字混合"),
                  {},
                  generator.novel_names(novel_length, common, apart, *count)};
    if (apart)
        page.notes.push_back(u8"先列男名，再列女名。");
    note_shortfall(page, *count);
    return list_reply(std::move(page));
}

ServiceReply meaning(const NameData& data, std::string_view query) {
    const std::optional<FormFields> form = FormFields::parse(query);
    if (!form)
        return bad_request(u8"名字的百分号编码有误。");
    const std::string name = form->value("name").value_or(std::string());
    if (!is_valid_gbk(name))
        return bad_request(u8"名字不是有效的 GBK 文字。");
    const std::u32string chars = trim_blanks(code_points(utf8_from_gbk(name)));
    if (chars.empty())
        return bad_request(u8"没有给出名字：请先输入或选中一个名字。");
    if (!std::all_of(chars.begin(), chars.end(), is_hanzi))
        return bad_request(u8"名字只能由汉字组成。");
    if (chars.size() > static_cast<std::size_t>(max_meaning_name_length))
        return bad_request(u8"名字太长：最多解释 8 个字。");
    return ServiceReply{200, render_meaning_page(data, chars), std::string()};
}

ServiceReply index_page() {
    return message(200, u8"起名服务",
                   u8"本服务为起名程序提供名字与释义：免费起名、叠字起名、五行起名、小名起名、小说姓名和名字释义。");
}

struct Route {
    std::string_view path;
    bool post; // POST only; otherwise GET and HEAD
};

constexpr Route routes[] = {
    {"/showName.php", true},
    {"/showDiezi.php", true},
    {"/showWuxing.php", true},
    {"/showXiaoming.php", false},
    {"/showXiaoshuo.php", true},
    {"/showMeaning.php", false},
    {"/", false},
};

} // namespace

NamingService::NamingService(std::shared_ptr<const NameData> data, std::uint64_t seed)
    : data_(std::move(data)), pools_(*data_), base_seed_(seed) {}

NameGenerator NamingService::generator_for_request(std::uint64_t sequence) const {
    return NameGenerator(*data_, request_seed(base_seed_, sequence), &pools_);
}

std::uint64_t NamingService::request_seed(std::uint64_t base_seed, std::uint64_t sequence) {
    // splitmix64 of the pair: neighbouring requests get unrelated streams.
    std::uint64_t z = base_seed + 0x9E3779B97F4A7C15ULL * (sequence + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

ServiceReply NamingService::handle(std::string_view method, std::string_view target, std::string_view body) {
    NameGenerator generator = generator_for_request(next_sequence_.fetch_add(1));
    const std::size_t question = target.find('?');
    const std::string_view path = target.substr(0, question);
    const std::string_view query = question == target.npos ? std::string_view() : target.substr(question + 1);

    const Route* route = nullptr;
    for (const Route& candidate : routes)
        if (candidate.path == path)
            route = &candidate;
    if (!route)
        return message(404, u8"找不到页面", u8"没有这个页面。本服务只回答起名程序的六种请求。");
    const bool allowed = route->post ? method == "POST" : (method == "GET" || method == "HEAD");
    if (!allowed) {
        ServiceReply reply = message(405, u8"请求方法不对", u8"这个页面不接受 " + std::string(method) + u8" 请求。");
        reply.allow = route->post ? "POST" : "GET, HEAD";
        return reply;
    }

    if (path == "/showMeaning.php")
        return meaning(*data_, query);
    if (path == "/showXiaoming.php")
        return pet_naming(generator);
    if (path == "/")
        return index_page();

    const std::optional<FormFields> form = FormFields::parse(body);
    if (!form)
        return bad_request(u8"请求正文的百分号编码有误。");
    if (path == "/showName.php")
        return free_naming(*data_, *form, generator);
    if (path == "/showDiezi.php")
        return doubled_naming(*data_, *form, generator);
    if (path == "/showWuxing.php")
        return element_naming(*data_, *form, generator);
    return novel_naming(*form, generator);
}

} // namespace namer::service
