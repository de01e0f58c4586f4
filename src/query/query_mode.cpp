#include "query/query_mode.h"

#include "platform/platform.h"
#include "query/naming_service.h"
#include "query/percent_encode.h"

namespace namer {
namespace {

using S = ProgramState;
using R = ControlRule;

const QueryModeInfo modes[query_mode_count] = {
    {QueryMode::FreeNaming,
     "按钮_免费起名",
     1,
     service_path::free_naming,
     {{R::edit_box, &S::surname_param, {{"编辑框_姓氏1", ""}}},
      {R::two_buttons, &S::gender_param, {{"单选框_男1", "male"}}, "female"},
      {R::two_buttons, &S::length_param, {{"单选框_二字名1", "1"}}, "2"},
      {R::two_buttons, &S::limit_param, {{"单选框_100条1", "100"}}, "200"}},
     {{"xing=", &S::surname_param},
      {"&gender=", &S::gender_param},
      {"&num=", &S::length_param},
      {"&limit=", &S::limit_param}},
     WindowId::ResultWindow},
    {QueryMode::Reduplicated,
     "按钮_叠字起名",
     1,
     service_path::reduplicated,
     {{R::edit_box, &S::surname_param, {{"编辑框_姓氏2", ""}}}},
     {{"xing=", &S::surname_param}},
     WindowId::ResultWindow},
    {QueryMode::FiveElements,
     "按钮_五行起名",
     1,
     service_path::five_elements,
     {{R::edit_box, &S::surname_param, {{"编辑框_姓氏3", ""}}},
      {R::two_buttons, &S::gender_param, {{"单选框_男2", "male"}}, "female"},
      {R::two_buttons, &S::length_param, {{"单选框_二字名2", "1"}}, "2"},
      {R::button_set,
       &S::element_param,
       {{"单选框_金", "1"}, {"单选框_木", "2"}, {"单选框_水", "3"}, {"单选框_火", "4"}, {"单选框_土", "5"}}}},
     {{"xing=", &S::surname_param},
      {"&gender=", &S::gender_param},
      {"&num=", &S::length_param},
      {"&wuxing=", &S::element_param}},
     WindowId::ResultWindow},
    {QueryMode::Nickname, "按钮_小名起名", 0, service_path::nickname, {}, {}, WindowId::ResultWindow},
    {QueryMode::NovelNames,
     "按钮_小说姓名",
     1,
     service_path::novel_names,
     {{R::two_buttons, &S::novel_gender_param, {{"单选框_男女混合", "mix"}}, "part"},
      {R::two_buttons, &S::frequency_param, {{"单选框_常见性", "1"}}, "0"},
      {R::two_buttons, &S::limit_param, {{"单选框_100条2", "100"}}, "200"},
      {R::button_set, &S::length_param, {{"单选框_二字名3", "1"}, {"单选框_三字名3", "2"}, {"单选框_混合", "3"}}}},
     {{"num=", &S::length_param},
      {"&gender=", &S::novel_gender_param},
      {"&pinlv=", &S::frequency_param},
      {"&limit=", &S::limit_param}},
     WindowId::ResultWindow},
    {QueryMode::Meaning, "按钮_查看解释", 0, service_path::meaning, {}, {}, WindowId::MeaningWindow},
};

void apply_rule(const ControlRule& rule) {
    WindowServices& windows = *platform().windows;
    ProgramState& state = program_state();
    const WindowId main = WindowId::MainWindow;
    switch (rule.kind) {
    case ControlRule::edit_box:
        state.*rule.variable = percent_encode(windows.edit_text(main, rule.options[0].control));
        break;
    case ControlRule::two_buttons:
        state.*rule.variable = windows.is_checked(main, rule.options[0].control) ? rule.options[0].value
                                                                                 : rule.otherwise;
        break;
    case ControlRule::button_set:
        for (const ControlRule::Option& option : rule.options)
            if (windows.is_checked(main, option.control))
                state.*rule.variable = option.value;
        break;
    }
}

} // namespace

const QueryModeInfo& query_mode_info(QueryMode mode) { return modes[static_cast<int>(mode)]; }

WebRequest compose_request(QueryMode mode) {
    const QueryModeInfo& info = query_mode_info(mode);
    WebRequest request;
    request.method = info.method;
    request.url = service_base + info.path;
    if (mode == QueryMode::Meaning) {
        request.url += percent_encode(platform().windows->edit_text(WindowId::MainWindow, "编辑框_姓名"));
        return request;
    }
    for (const ControlRule& rule : info.reads)
        apply_rule(rule);
    for (const BodyField& field : info.body)
        request.body += field.literal + program_state().*field.variable;
    return request;
}

} // namespace namer
