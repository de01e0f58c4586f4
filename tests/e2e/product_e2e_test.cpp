// namer.exe as a user runs it: its own process with the naming service built in, driven through its windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "program_process.h"
#include "remote_window.h"
#include "screen_capture.h"
#include "service_port.h"

using namespace namer;
using namespace namer::e2e;

namespace {

const std::wstring main_caption = L"免费起名软件";
const std::wstring result_caption = L"起名结果";
const std::wstring meaning_caption = L"名字释义";
const ControlName tabs = "选择夹1";
const ControlName list = "超级列表框1";
const ControlName meaning_box = "编辑框_显示";

// Start-up under Wine and a name query with its reply, with room for a busy machine.
constexpr DWORD window_limit_ms = 30000;
constexpr DWORD exit_limit_ms = 15000;
// Another program (a test elsewhere on this machine) may hold the service port for a while.
constexpr DWORD port_limit_ms = 60000;

std::wstring program_path() {
    const char* path = std::getenv("NAMER_E2E_PROGRAM");
    return path && *path ? windows_path(path) : std::wstring();
}

std::string utf8(const std::wstring& wide) {
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

bool is_gbk_hanzi(wchar_t c) {
    if (c < 0x4E00 || c > 0x9FFF)
        return false;
    char bytes[4] = {};
    BOOL lost = FALSE;
    const int n = WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, &c, 1, bytes, sizeof bytes, nullptr, &lost);
    return n == 2 && !lost;
}

// The pinyin column: a lower-case reading and a space for every character of the name.
bool is_pinyin_of(const std::wstring& pinyin, const std::wstring& name) {
    std::size_t syllables = 0;
    wchar_t previous = L' ';
    for (wchar_t c : pinyin) {
        if (c != L' ' && (c < L'a' || c > L'z'))
            return false;
        if (c == L' ' && previous != L' ')
            ++syllables;
        previous = c;
    }
    return !pinyin.empty() && pinyin.back() == L' ' && syllables == name.size();
}

std::size_t count_of(const std::wstring& text, const std::wstring& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::wstring::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

// An explanation as the service writes it: the name with its pinyin, a paragraph per character, the wishes, the
// sources in poetry and the tones, each paragraph closed by a separator line.
void expect_explanation(const std::wstring& text, const std::wstring& name) {
    SCOPED_TRACE("explanation of " + utf8(name) + ":\n" + utf8(text));
    const std::wstring separator = std::wstring(45, L'-') + L"\r\n";
    EXPECT_EQ(text.rfind(L"姓名：" + name + L"\r\n拼音：", 0), 0u);
    for (const wchar_t* section : {L"\r\n笔画：", L"寓意：", L"出处：", L"声调："})
        EXPECT_NE(text.find(section), std::wstring::npos) << utf8(section);
    for (wchar_t c : name)
        EXPECT_NE(text.find(separator + c + L" "), std::wstring::npos) << "no paragraph of " << utf8({c});
    // name, one per character, wishes, sources, tones
    EXPECT_EQ(count_of(text, separator), name.size() + 4);
    EXPECT_EQ(text.size() >= separator.size() ? text.substr(text.size() - separator.size()) : text, separator);
    EXPECT_EQ(text.find(L"<br"), std::wstring::npos);
}

enum class Shape { Plain, DoubledGiven, PetName };

struct ModeCase {
    const char* mode;
    int page;
    ControlName button;
    ControlName edit_box; // empty: the page has none
    std::wstring typed;
    std::vector<ControlName> choices; // option buttons clicked before the query
    int rows;                         // 0: the page opens an explanation, no list
    std::wstring surname;             // every name begins with it (empty: no surname asked for)
    std::size_t name_length;          // characters of every name, the surname included
    Shape shape;
    std::wstring element; // the element every given character of the looked-up name belongs to
};

const ModeCase mode_cases[] = {
    {"FreeNaming",
     0,
     "按钮_免费起名",
     "编辑框_姓氏1",
     L"张",
     {"单选框_三字名1", "单选框_200条1"},
     200,
     L"张",
     3,
     Shape::Plain,
     L""},
    {"Reduplicated", 1, "按钮_叠字起名", "编辑框_姓氏2", L"李", {}, 10, L"李", 3, Shape::DoubledGiven, L""},
    {"FiveElements",
     2,
     "按钮_五行起名",
     "编辑框_姓氏3",
     L"王",
     {"单选框_女2", "单选框_土"},
     20,
     L"王",
     2,
     Shape::Plain,
     L"土"},
    {"Nickname", 3, "按钮_小名起名", "", L"", {}, 20, L"", 2, Shape::PetName, L""},
    {"NovelNames", 4, "按钮_小说姓名", "", L"", {"单选框_三字名3", "单选框_男女分开"}, 100, L"", 3, Shape::Plain, L""},
    {"Meaning", 5, "按钮_查看解释", "编辑框_姓名", L"张三", {}, 0, L"", 0, Shape::Plain, L""},
};

// Failure messages name the mode instead of dumping the case's bytes.
void PrintTo(const ModeCase& c, std::ostream* out) {
    *out << c.mode;
}

void expect_name(const ModeCase& c, const std::wstring& name) {
    SCOPED_TRACE("name " + utf8(name));
    ASSERT_EQ(name.size(), c.name_length);
    for (wchar_t ch : name)
        EXPECT_TRUE(is_gbk_hanzi(ch)) << "not a Chinese character of GBK: U+" << std::hex << unsigned(ch);
    EXPECT_EQ(name.rfind(c.surname, 0), 0u);
    if (c.shape == Shape::DoubledGiven) {
        EXPECT_EQ(name[name.size() - 1], name[name.size() - 2]);
    }
    if (c.shape == Shape::PetName) {
        EXPECT_TRUE(name[0] == name[1] || name[0] == L'小' || name[0] == L'阿');
    }
}

// Screenshots of one flow, numbered in the order they were taken, when NAMER_E2E_SCREENSHOTS names a folder.
class Screenshots {
public:
    explicit Screenshots(const char* flow) : folder_(screenshot_folder()), flow_(flow, flow + strlen(flow)) {}
    void take(const wchar_t* step) {
        if (folder_.empty())
            return;
        Sleep(300); // let the window paint
        const std::wstring path = folder_ + L"\\" + flow_ + L"-" + std::to_wstring(++count_) + L"-" + step + L".bmp";
        EXPECT_TRUE(save_screen(path)) << utf8(path);
    }

private:
    std::wstring folder_;
    std::wstring flow_;
    int count_ = 0;
};

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::wstring program = program_path();
        ASSERT_FALSE(program.empty()) << "NAMER_E2E_PROGRAM names no program";
        // The program must serve itself: another program answering on its port would answer for it.
        ASSERT_TRUE(wait_until([] { return !is_served(NAMER_E2E_SERVICE_PORT); }, port_limit_ms))
            << "port " << NAMER_E2E_SERVICE_PORT << " is in use by another program";
        process_ = std::make_unique<ProgramProcess>(program);
        ASSERT_TRUE(process_->started()) << utf8(program) << ": error " << process_->start_error();
    }

    // The window with that caption once it is the only one the program shows.
    RemoteWindow only_window(const std::wstring& caption, WindowId id) {
        HWND hwnd = process_->wait_for_only_window(caption, window_limit_ms);
        std::string shown;
        for (const std::wstring& c : process_->visible_captions())
            shown += " [" + utf8(c) + "]";
        EXPECT_NE(hwnd, nullptr) << "waiting for " << utf8(caption) << "; shown:" << shown
                                 << (process_->running() ? "" : "; the program has ended");
        return RemoteWindow(process_->handle(), hwnd, id);
    }

    void end_with_escape(const RemoteWindow& main) {
        main.press_key(VK_ESCAPE);
        EXPECT_EQ(process_->wait_for_exit(exit_limit_ms), std::optional<DWORD>(0));
    }

    std::unique_ptr<ProgramProcess> process_;
};

class QueryFlow : public ProgramTest, public ::testing::WithParamInterface<ModeCase> {};

// The query of one page, an explanation, and the way back to the page and out of the program.
TEST_P(QueryFlow, ListExplanationAndTheWayBack) {
    const ModeCase& c = GetParam();
    Screenshots shots(c.mode);
    RemoteWindow main = only_window(main_caption, WindowId::MainWindow);
    ASSERT_NE(main.hwnd(), nullptr);
    ASSERT_EQ(main.current_page(tabs), 0);

    if (c.page != 0) {
        main.click_page(tabs, c.page);
        ASSERT_TRUE(wait_until([&] { return main.current_page(tabs) == c.page && main.is_visible(c.button); }, 5000));
    }
    if (!c.edit_box.empty()) {
        main.set_text(c.edit_box, c.typed);
        ASSERT_EQ(main.text(c.edit_box), c.typed);
    }
    for (const ControlName& choice : c.choices) {
        main.click(choice);
        ASSERT_TRUE(wait_until([&] { return main.is_checked(choice); }, 5000)) << choice;
    }
    shots.take(L"query");
    main.click(c.button);

    if (c.rows == 0) {
        RemoteWindow meaning = only_window(meaning_caption, WindowId::MeaningWindow);
        ASSERT_NE(meaning.hwnd(), nullptr);
        expect_explanation(meaning.text(meaning_box), c.typed);
        shots.take(L"explanation");
        meaning.close();
    } else {
        RemoteWindow result = only_window(result_caption, WindowId::ResultWindow);
        ASSERT_NE(result.hwnd(), nullptr);
        ASSERT_EQ(result.column_count(list), 3);
        const auto rows = result.rows(list, 3);
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(c.rows));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE("row " + std::to_string(i));
            EXPECT_EQ(rows[i][0], std::to_wstring(i + 1));
            expect_name(c, rows[i][1]);
            EXPECT_TRUE(is_pinyin_of(rows[i][2], rows[i][1]))
                << utf8(rows[i][1]) << ": " << utf8(rows[i][2]) << " (a character left unread has no pinyin reading)";
        }
        shots.take(L"list");

        const int row = std::min(3, c.rows - 1);
        const std::wstring name = rows[static_cast<std::size_t>(row)][1];
        result.double_click_row(list, row);
        RemoteWindow meaning = only_window(meaning_caption, WindowId::MeaningWindow);
        ASSERT_NE(meaning.hwnd(), nullptr);
        const std::wstring explanation = meaning.text(meaning_box);
        expect_explanation(explanation, name);
        for (std::size_t i = c.surname.size(); !c.element.empty() && i < name.size(); ++i) {
            EXPECT_NE(explanation.find(name.substr(i, 1) + c.element), std::wstring::npos)
                << utf8(name.substr(i, 1)) << " is not of " << utf8(c.element);
        }
        shots.take(L"explanation");

        meaning.close();
        RemoteWindow again = only_window(result_caption, WindowId::ResultWindow);
        ASSERT_NE(again.hwnd(), nullptr);
        EXPECT_EQ(again.rows(list, 3), rows);
        again.press_key(VK_ESCAPE);
    }

    RemoteWindow back = only_window(main_caption, WindowId::MainWindow);
    ASSERT_NE(back.hwnd(), nullptr);
    EXPECT_EQ(back.current_page(tabs), c.page);
    EXPECT_TRUE(back.is_visible(c.button));
    if (!c.edit_box.empty()) {
        EXPECT_EQ(back.text(c.edit_box), L"");
    }
    for (const ControlName& choice : c.choices)
        EXPECT_FALSE(back.is_checked(choice)) << choice << " kept from the earlier window";
    shots.take(L"back");
    end_with_escape(back);
}

INSTANTIATE_TEST_SUITE_P(EveryMode, QueryFlow, ::testing::ValuesIn(mode_cases),
                         [](const auto& info) { return std::string(info.param.mode); });

class ProgramStart : public ProgramTest {};

// What the package check runs on the unpacked program too.
TEST_F(ProgramStart, MainWindowOnTheFirstPageAndEscEndsWithZero) {
    RemoteWindow main = only_window(main_caption, WindowId::MainWindow);
    ASSERT_NE(main.hwnd(), nullptr);
    EXPECT_EQ(main.current_page(tabs), 0);
    EXPECT_TRUE(main.is_visible("按钮_免费起名"));
    EXPECT_FALSE(main.is_visible("按钮_查看解释"));
    end_with_escape(main);
}

// The file itself: the icon the windows and the shell show, and the version of this build.
TEST(ProgramFile, CarriesItsIconAndVersion) {
    const std::wstring program = program_path();
    ASSERT_FALSE(program.empty()) << "NAMER_E2E_PROGRAM names no program";
    HMODULE module =
        LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr) << utf8(program);
    EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */), nullptr);
    FreeLibrary(module);

    DWORD unused = 0;
    std::vector<char> info(GetFileVersionInfoSizeW(program.c_str(), &unused));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    const std::string version = std::to_string(HIWORD(fixed->dwProductVersionMS)) + "." +
                                std::to_string(LOWORD(fixed->dwProductVersionMS)) + "." +
                                std::to_string(HIWORD(fixed->dwProductVersionLS));
    EXPECT_EQ(version, NAMER_VERSION);
    wchar_t* name = nullptr;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\StringFileInfo\\080404b0\\ProductName", reinterpret_cast<void**>(&name),
                               &size));
    EXPECT_EQ(std::wstring(name), main_caption);
}

// The second copy asks for pet names, expects its 20 rows, goes back and ends with Esc.
void pet_names_then_end(ProgramProcess& process, HWND main_hwnd, const char* why_no_rows) {
    RemoteWindow main_window(process.handle(), main_hwnd, WindowId::MainWindow);
    main_window.click_page(tabs, 3);
    ASSERT_TRUE(wait_until([&] { return main_window.is_visible("按钮_小名起名"); }, 5000));
    main_window.click("按钮_小名起名");
    HWND result_hwnd = process.wait_for_only_window(result_caption, window_limit_ms);
    ASSERT_NE(result_hwnd, nullptr);
    RemoteWindow result(process.handle(), result_hwnd, WindowId::ResultWindow);
    EXPECT_EQ(result.row_count(list), 20) << why_no_rows;
    result.press_key(VK_ESCAPE);
    HWND back = process.wait_for_only_window(main_caption, window_limit_ms);
    ASSERT_NE(back, nullptr);
    RemoteWindow(process.handle(), back, WindowId::MainWindow).press_key(VK_ESCAPE);
    EXPECT_EQ(process.wait_for_exit(exit_limit_ms), std::optional<DWORD>(0));
}

// A second copy of the program finds the service port taken by the first and is answered by it.
TEST_F(ProgramStart, SecondInstanceIsServedToo) {
    RemoteWindow first = only_window(main_caption, WindowId::MainWindow);
    ASSERT_NE(first.hwnd(), nullptr);
    ProgramProcess second_process(program_path());
    ASSERT_TRUE(second_process.started());
    HWND second_hwnd = second_process.wait_for_only_window(main_caption, window_limit_ms);
    ASSERT_NE(second_hwnd, nullptr);
    pet_names_then_end(second_process, second_hwnd, "the first copy's service did not answer");
    end_with_escape(first);
}

// The copy left open keeps working when the copy whose service it used has ended.
TEST_F(ProgramStart, SecondInstanceIsServedAfterTheFirstHasEnded) {
    RemoteWindow first = only_window(main_caption, WindowId::MainWindow);
    ASSERT_NE(first.hwnd(), nullptr);
    ProgramProcess second_process(program_path());
    ASSERT_TRUE(second_process.started());
    HWND second_hwnd = second_process.wait_for_only_window(main_caption, window_limit_ms);
    ASSERT_NE(second_hwnd, nullptr);
    end_with_escape(first);

    pet_names_then_end(second_process, second_hwnd, "no names: the service went with the copy that had started it");
}

} // namespace
