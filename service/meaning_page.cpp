#include "service/meaning_page.h"

#include <vector>

#include "base/gbk.h"
#include "service/html_text.h"
#include "service/name_rules.h"
#include "service/utf8_text.h"

namespace namer::service {
namespace {

constexpr std::size_t poetry_lines_shown = 2;
constexpr std::string_view tone_names[] = {u8"阴平", u8"阳平", u8"上声", u8"去声", u8"轻声"};

std::string quoted(std::u32string_view chars) {
    return u8"「" + utf8_from_code_points(chars) + u8"」";
}

std::string quoted(char32_t code) {
    return quoted(std::u32string_view(&code, 1));
}

bool is_pet_prefix(const NameData& data, char32_t code) {
    const PoolCharacter* entry = data.pool_character(code);
    return entry && entry->prefix;
}

std::string lean_text(Lean lean) {
    switch (lean) {
    case Lean::male:
        return u8"多用于男孩";
    case Lean::female:
        return u8"多用于女孩";
    case Lean::neutral:
        break;
    }
    return u8"男女皆宜";
}

std::string surname_note(const NameParts& parts) {
    const std::string text = utf8_from_code_points(parts.surname);
    switch (parts.kind) {
    case NameParts::Kind::listed_surname:
    case NameParts::Kind::surname_only:
        if (parts.entry->kind == SurnameKind::common)
            return u8"姓氏：" + text + u8"（常见姓）";
        return u8"姓氏：" + text + (parts.surname.size() == 2 ? u8"（复姓，见于《百家姓》）" : u8"（见于《百家姓》）");
    case NameParts::Kind::unlisted_surname:
        return u8"姓氏：" + text + u8"（本服务的姓氏表未收录，按常用读音解释）";
    case NameParts::Kind::pet_name:
        return u8"这是一个小名，没有姓氏。";
    case NameParts::Kind::given_only:
        break;
    }
    return u8"没有识别出姓氏，下面按名字解释。";
}

// Everything known about one character of the name, in the order of the name.
struct CharacterFacts {
    char32_t code = 0;
    bool in_surname = false;
    const Hanzi* hanzi = nullptr;
    const PoolCharacter* pool = nullptr;
    std::string reading; // as read here; empty when unknown
};

std::vector<CharacterFacts> facts_of(const NameData& data, const NameParts& parts) {
    std::vector<CharacterFacts> facts;
    for (std::size_t i = 0; i < parts.surname.size(); ++i) {
        CharacterFacts fact{parts.surname[i], true, data.hanzi(parts.surname[i]), data.pool_character(parts.surname[i]),
                            std::string()};
        if (parts.entry)
            fact.reading = parts.entry->sounds[i].marked;
        else if (const SurnameEntry* single = data.surname(parts.surname.substr(i, 1)))
            fact.reading = single->sounds.front().marked;
        else
            fact.reading = fact.hanzi ? fact.hanzi->readings.front() : std::string();
        facts.push_back(std::move(fact));
    }
    for (char32_t code : parts.given)
        facts.push_back({code, false, data.hanzi(code), data.pool_character(code), data.reading_of(code)});
    return facts;
}

std::string name_paragraph(const NameParts& parts, const std::vector<CharacterFacts>& facts) {
    std::string pinyin;
    std::string strokes;
    std::string elements;
    int total_strokes = 0;
    bool strokes_known = true;
    for (const CharacterFacts& fact : facts) {
        const std::string text = utf8_from_code_point(fact.code);
        pinyin += (pinyin.empty() ? "" : " ") + (fact.reading.empty() ? std::string("?") : fact.reading);
        if (!strokes.empty())
            strokes += " + ";
        if (fact.hanzi) {
            strokes += text + " " + std::to_string(fact.hanzi->strokes);
            total_strokes += fact.hanzi->strokes;
            elements += (elements.empty() ? "" : u8"　") + text + std::string(element_name(fact.hanzi->element));
        } else {
            strokes += text + " ?";
            strokes_known = false;
        }
    }
    std::string out = u8"姓名：" + utf8_from_code_points(parts.surname) + utf8_from_code_points(parts.given);
    out += u8"<br />拼音：" + pinyin;
    out += "<br />" + surname_note(parts);
    if (!parts.given.empty() && parts.kind != NameParts::Kind::given_only && parts.kind != NameParts::Kind::pet_name)
        out += u8"<br />名字：" + utf8_from_code_points(parts.given);
    out += u8"<br />笔画：" + strokes;
    if (strokes_known && facts.size() > 1)
        out += u8"，共 " + std::to_string(total_strokes) + u8" 画";
    if (!elements.empty())
        out += u8"<br />五行：" + elements;
    return out;
}

std::string character_paragraph(const NameData& data, const CharacterFacts& fact) {
    std::string out = utf8_from_code_point(fact.code);
    if (!fact.hanzi)
        return out + u8"<br />本服务未收录这个字的读音和字义。";
    out += " " + fact.reading + u8"　" + std::to_string(fact.hanzi->strokes) + u8" 画　五行属" +
           std::string(element_name(fact.hanzi->element));
    if (fact.in_surname)
        out += u8"<br />姓氏用字，作姓时读 " + fact.reading + u8"。";
    else if (fact.pool && fact.pool->prefix)
        out += u8"<br />小名常用的亲昵前缀。";
    else if (fact.pool)
        out += u8"　" + lean_text(fact.pool->lean);
    if (fact.pool)
        out += u8"<br />字义：" + fact.pool->meaning;
    else if (!fact.in_surname)
        out += u8"<br />本服务未收录这个字的字义。";
    if (!fact.in_surname && data.is_blocked(fact.code))
        out += u8"<br />这个字含义不吉，本服务不用它起名。";
    return out;
}

std::string wish_paragraph(const NameParts& parts, const std::vector<CharacterFacts>& facts) {
    std::vector<const CharacterFacts*> given;
    for (const CharacterFacts& fact : facts)
        if (!fact.in_surname && !(fact.pool && fact.pool->prefix))
            given.push_back(&fact);
    if (given.empty())
        return u8"寓意：这个名字只有姓氏，没有可解释的名字用字。";

    const bool doubled = parts.given.size() == 2 && parts.given[0] == parts.given[1];
    if (doubled) {
        if (!given.front()->pool)
            return u8"寓意：本服务未收录" + quoted(parts.given[0]) + u8"的字义，无法给出寓意。";
        return u8"寓意：叠字" + quoted(parts.given) + u8"读来亲切，寓" + given.front()->pool->wish + u8"。";
    }
    std::string out = u8"寓意：";
    std::vector<std::string> wishes;
    std::vector<char32_t> unknown;
    for (const CharacterFacts* fact : given) {
        if (!fact->pool) {
            unknown.push_back(fact->code);
            continue;
        }
        if (!wishes.empty())
            out += u8"，";
        out += quoted(fact->code) + u8"寓" + fact->pool->wish;
        wishes.push_back(fact->pool->wish);
    }
    if (wishes.empty())
        return u8"寓意：本服务未收录这些字的字义，无法给出寓意。";
    out += u8"。";
    if (wishes.size() > 1) {
        out += u8"合而观之，名字寄托了";
        for (std::size_t i = 0; i < wishes.size(); ++i)
            out += (i ? u8"、" : "") + wishes[i];
        out += u8"的美好期望。";
    }
    if (!unknown.empty())
        out += u8"<br />本服务未收录" + quoted(std::u32string(unknown.begin(), unknown.end())) + u8"的字义。";
    return out;
}

std::string source_paragraph(const NameData& data, const std::vector<CharacterFacts>& facts) {
    std::u32string chars;
    for (const CharacterFacts& fact : facts)
        if (!fact.in_surname && !(fact.pool && fact.pool->prefix) && chars.find(fact.code) == chars.npos)
            chars += fact.code;
    const std::string none = u8"出处：在诗经、楚辞、唐诗三百首、宋词三百首中没有找到含这些字的诗句。";
    if (chars.empty())
        return none;
    const PoetryIndex& poetry = data.poetry();
    std::string out = u8"出处：";
    bool found = false;
    for (std::size_t line : poetry.lines_with_all(chars, poetry_lines_shown)) {
        out += "<br />" + poetry.citation(line);
        found = true;
    }
    if (!found && chars.size() > 1) {
        for (char32_t code : chars) {
            const auto& lines = poetry.lines_with(code);
            if (lines.empty())
                continue;
            out += "<br />" + quoted(code) + u8"见于" + poetry.citation(lines.front());
            found = true;
        }
    }
    return found ? out : none;
}

std::string sound_paragraph(const NameData& data, const std::vector<CharacterFacts>& facts) {
    std::vector<Syllable> syllables;
    bool complete = true;
    for (const CharacterFacts& fact : facts) {
        if (fact.reading.empty())
            complete = false;
        else
            syllables.push_back(make_syllable(fact.reading));
    }
    NameSound sound;
    sound.complete = complete;
    std::string tones;
    for (const Syllable& syllable : syllables) {
        sound.add(syllable);
        tones += (tones.empty() ? "" : u8"　") + syllable.marked + u8"（" + std::string(tone_names[syllable.tone - 1]) +
                 u8"）";
    }
    std::string out = u8"声调：" + tones;
    bool varied = false;
    for (std::size_t i = 1; i < sound.size; ++i)
        varied = varied || sound.tone[i] != sound.tone[0];
    if (tones_all_same(sound))
        out += u8"<br />三个字声调相同，读来略显平板。";
    else if (sound.complete && varied)
        out += u8"<br />声调有起伏，读来顺口。";
    if (const Homophone* homophone = unfortunate_sound(data, sound))
        out += u8"<br />提示：读音近似「" + homophone->heard_as + u8"」，起名时宜避开。";
    for (const CharacterFacts& fact : facts) {
        if (fact.in_surname)
            continue;
        for (const CharacterFacts& other : facts)
            if (other.in_surname && other.code == fact.code) {
                out += u8"<br />提示：名字重复了姓氏的" + quoted(fact.code) + u8"字。";
                break;
            }
    }
    return out;
}

void add_paragraph(std::string& page, std::string_view id, const std::string& content) {
    page += "<p id=\"";
    page += id;
    page += "\">" + content + "</p>\n";
}

} // namespace

NameParts split_name(const NameData& data, std::u32string_view name) {
    NameParts parts;
    const std::u32string_view first_two = name.substr(0, 2);
    if (name.size() == 2 && name[0] == name[1]) {
        parts.kind = NameParts::Kind::pet_name;
        parts.given = name;
        return parts;
    }
    if (name.size() == 2 && is_pet_prefix(data, name[0])) {
        parts.kind = NameParts::Kind::pet_name;
        parts.given = name;
        return parts;
    }
    if (name.size() >= 2 && (parts.entry = data.surname(first_two)) != nullptr) {
        parts.kind = name.size() == 2 ? NameParts::Kind::surname_only : NameParts::Kind::listed_surname;
        parts.surname = first_two;
        parts.given = name.substr(2);
        return parts;
    }
    if (name.size() >= 2 && (parts.entry = data.surname(name.substr(0, 1))) != nullptr) {
        parts.kind = NameParts::Kind::listed_surname;
        parts.surname = name.substr(0, 1);
        parts.given = name.substr(1);
        return parts;
    }
    if (name.size() >= 3) {
        parts.kind = NameParts::Kind::unlisted_surname;
        parts.surname = name.substr(0, 1);
        parts.given = name.substr(1);
        return parts;
    }
    parts.kind = NameParts::Kind::given_only;
    parts.given = name;
    return parts;
}

std::string render_meaning_page(const NameData& data, std::u32string_view name) {
    const NameParts parts = split_name(data, name);
    const std::vector<CharacterFacts> facts = facts_of(data, parts);
    const std::string title = html_escape(utf8_from_code_points(name));

    std::string page = u8"<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"GBK\">\n<title>";
    page += title + u8" - 名字释义</title>\n</head>\n<body>\n<h1>" + title + "</h1>\n";
    add_paragraph(page, "xm", name_paragraph(parts, facts));
    for (std::size_t i = 0; i < facts.size(); ++i)
        add_paragraph(page, "z" + std::to_string(i + 1), character_paragraph(data, facts[i]));
    add_paragraph(page, "yy", wish_paragraph(parts, facts));
    add_paragraph(page, "cc", source_paragraph(data, facts));
    add_paragraph(page, "sd", sound_paragraph(data, facts));
    page += "</body>\n</html>\n";
    return gbk_from_utf8(page);
}

} // namespace namer::service
