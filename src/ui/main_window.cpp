#include "ui/control_builders.h"
#include "ui/handler_names.h"
#include "ui/maker_addresses.h"

namespace namer {

using namespace build;

namespace {

const ControlName tab = control_names::main_tab;

ControlDefinition tab_control() {
    ControlDefinition c = control(ControlKind::TabControl, tab, on_window(), {20, 29, 275, 205});
    c.pages = {"免费起名", "叠字起名", "五行起名", "小名起名", "小说姓名", "名字释义"};
    c.selected_page = 0;
    return c;
}

// The credit link opens the maker's page; with no address built in it opens nothing.
ControlDefinition credit_link() {
    ControlDefinition c =
        control(ControlKind::Hyperlink, "BYTamsel", in_group("分组框2"), {196, 245, 112, 24}, credit_web_address());
    c.link.kind = LinkKind::Web;
    c.link.web_address = credit_web_address();
    return c;
}

} // namespace

WindowDefinition main_window_definition() {
    WindowDefinition w;
    w.id = WindowId::MainWindow;
    w.settings.caption = "免费起名软件";
    w.settings.outer_width = 326;
    w.settings.outer_height = 309;

    // 分组框2 reaches past the right edge of the client area; the window cuts its right side off. The tab control
    // lies inside its frame without being its child.
    w.controls = {
        tab_control(),
        group_box("分组框2", on_window(), {7, 9, 321, 271}),
        label("标签2", in_group("分组框2"), {234, 228, 87, 24}, "BY：Tamsel"),
        credit_link(),

        // Page 0, 免费起名.
        label("标签1", on_page(tab, 0), {47, 36, 30, 20}, "姓氏："),
        edit_box("编辑框_姓氏1", on_page(tab, 0), {85, 36, 130, 20}),
        label("标签9", on_page(tab, 0), {47, 65, 30, 20}, "性别："),
        group_box("分组框1", on_page(tab, 0), {85, 59, 130, 32}),
        option_button("单选框_男1", "分组框1", {6, 10, 56, 20}, "男", true),
        option_button("单选框_女1", "分组框1", {68, 10, 56, 20}, "女"),
        label("标签10", on_page(tab, 0), {47, 98, 30, 20}, "字数："),
        group_box("分组框3", on_page(tab, 0), {85, 92, 130, 32}),
        option_button("单选框_二字名1", "分组框3", {6, 10, 56, 20}, "二字名", true),
        option_button("单选框_三字名1", "分组框3", {68, 10, 56, 20}, "三字名"),
        label("标签11", on_page(tab, 0), {47, 131, 30, 20}, "结果："),
        group_box("分组框4", on_page(tab, 0), {85, 125, 130, 32}),
        option_button("单选框_100条1", "分组框4", {6, 10, 56, 20}, "100条", true),
        option_button("单选框_200条1", "分组框4", {68, 10, 56, 20}, "200条"),
        push_button("按钮_免费起名", on_page(tab, 0), {145, 167, 70, 24}, "免费起名"),

        // Page 1, 叠字起名.
        label("标签15", on_page(tab, 1), {49, 71, 30, 20}, "姓氏："),
        edit_box("编辑框_姓氏2", on_page(tab, 1), {87, 71, 130, 20}),
        label("标签12", on_page(tab, 1), {49, 105, 30, 20}, "结果："),
        label("标签13", on_page(tab, 1), {87, 105, 30, 20}, "10条"),
        push_button("按钮_叠字起名", on_page(tab, 1), {147, 103, 70, 24}, "叠字起名"),

        // Page 2, 五行起名.
        label("标签18", on_page(tab, 2), {18, 39, 30, 20}, "姓氏："),
        edit_box("编辑框_姓氏3", on_page(tab, 2), {56, 39, 195, 20}),
        label("标签17", on_page(tab, 2), {18, 68, 30, 20}, "性别："),
        group_box("分组框6", on_page(tab, 2), {56, 62, 195, 32}),
        option_button("单选框_男2", "分组框6", {6, 10, 56, 20}, "男", true),
        option_button("单选框_女2", "分组框6", {68, 10, 56, 20}, "女"),
        label("标签16", on_page(tab, 2), {18, 101, 30, 20}, "字数："),
        group_box("分组框7", on_page(tab, 2), {56, 95, 195, 32}),
        option_button("单选框_二字名2", "分组框7", {6, 10, 56, 20}, "二字名", true),
        option_button("单选框_三字名2", "分组框7", {68, 10, 56, 20}, "三字名"),
        label("标签14", on_page(tab, 2), {18, 134, 30, 20}, "五行："),
        group_box("分组框5", on_page(tab, 2), {56, 128, 195, 32}),
        option_button("单选框_金", "分组框5", {8, 12, 30, 15}, "金", true),
        option_button("单选框_木", "分组框5", {44, 12, 30, 15}, "木"),
        option_button("单选框_水", "分组框5", {80, 12, 30, 15}, "水"),
        option_button("单选框_火", "分组框5", {116, 12, 30, 15}, "火"),
        option_button("单选框_土", "分组框5", {154, 12, 30, 15}, "土"),
        push_button("按钮_五行起名", on_page(tab, 2), {181, 165, 70, 24}, "五行起名"),
        label("标签20", on_page(tab, 2), {18, 167, 30, 20}, "结果："),
        label("标签19", on_page(tab, 2), {56, 167, 30, 20}, "20条"),

        // Page 3, 小名起名: the query takes no choice.
        label("标签22", on_page(tab, 3), {104, 75, 30, 20}, "结果："),
        label("标签21", on_page(tab, 3), {142, 75, 30, 20}, "20条"),
        push_button("按钮_小名起名", on_page(tab, 3), {100, 102, 70, 24}, "小名起名"),

        // Page 4, 小说姓名. 单选框_常见性 is named with 性 while its caption reads 常见姓.
        label("标签26", on_page(tab, 4), {20, 33, 30, 20}, "内容："),
        group_box("分组框11", on_page(tab, 4), {58, 27, 195, 32}),
        option_button("单选框_二字名3", "分组框11", {6, 10, 56, 20}, "二字名", true),
        option_button("单选框_三字名3", "分组框11", {71, 10, 56, 20}, "三字名"),
        option_button("单选框_混合", "分组框11", {137, 10, 51, 20}, "混合"),
        label("标签25", on_page(tab, 4), {20, 65, 30, 20}, "性别："),
        group_box("分组框9", on_page(tab, 4), {58, 59, 195, 32}),
        option_button("单选框_男女混合", "分组框9", {6, 10, 70, 20}, "男女混合", true),
        option_button("单选框_男女分开", "分组框9", {85, 10, 70, 20}, "男女分开"),
        label("标签24", on_page(tab, 4), {20, 98, 30, 20}, "姓氏："),
        group_box("分组框10", on_page(tab, 4), {58, 92, 195, 32}),
        option_button("单选框_常见性", "分组框10", {6, 10, 56, 20}, "常见姓", true),
        option_button("单选框_生僻姓", "分组框10", {85, 10, 56, 20}, "生僻姓"),
        label("标签23", on_page(tab, 4), {20, 131, 30, 20}, "结果："),
        group_box("分组框8", on_page(tab, 4), {58, 125, 195, 32}),
        option_button("单选框_100条2", "分组框8", {6, 10, 56, 20}, "100条", true),
        option_button("单选框_200条2", "分组框8", {85, 10, 56, 20}, "200条"),
        push_button("按钮_小说姓名", on_page(tab, 4), {183, 167, 70, 24}, "小说姓名"),

        // Page 5, 名字释义.
        label("标签28", on_page(tab, 5), {42, 82, 75, 20}, "请输入姓名："),
        edit_box("编辑框_姓名", on_page(tab, 5), {118, 82, 100, 20}),
        push_button("按钮_查看解释", on_page(tab, 5), {148, 108, 70, 24}, "查看解释"),
    };

    // Changing the page, typing and checking option buttons run no program code; a press on the frame
    // 分组框2 is bound to an empty handler, so nothing is bound for it.
    w.bindings = {
        {"", WindowEvent::Created, handler_names::skin_main_window},
        {"", WindowEvent::CanBeClosed, handler_names::end_on_main_close},
        {"", WindowEvent::WillBeDestroyed, handler_names::open_promotion_pages},
        {"按钮_免费起名", WindowEvent::Clicked, handler_names::query_free_naming},
        {"按钮_叠字起名", WindowEvent::Clicked, handler_names::query_reduplicated},
        {"按钮_五行起名", WindowEvent::Clicked, handler_names::query_five_elements},
        {"按钮_小名起名", WindowEvent::Clicked, handler_names::query_nickname},
        {"按钮_小说姓名", WindowEvent::Clicked, handler_names::query_novel_names},
        {"按钮_查看解释", WindowEvent::Clicked, handler_names::query_meaning},
    };
    return w;
}

} // namespace namer
