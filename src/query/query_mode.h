#pragma once
#include <vector>

#include "platform/window_services.h"
#include "state/program_state.h"
#include "web/web_access.h"

namespace namer {

// The index of the MainWindow's tab page that holds the query's button.
enum class QueryMode { FreeNaming = 0, Reduplicated = 1, FiveElements = 2, Nickname = 3, NovelNames = 4, Meaning = 5 };

constexpr int query_mode_count = 6;

// How one control, or one group of option buttons, becomes the value of a ProgramState variable.
struct ControlRule {
    enum Kind {
        edit_box,    // percent_encode of the box's text
        two_buttons, // options[0].value if options[0].control is checked, else `otherwise`
        button_set   // each checked button of `options`, in order, assigns its value; none checked keeps the value
    } kind;
    Text ProgramState::*variable;
    struct Option {
        const char* control;
        const char* value;
    };
    std::vector<Option> options;
    const char* otherwise = "";
};

// One field of a form body: its literal (with the "&" and "=" it carries) and the variable that holds its value.
struct BodyField {
    const char* literal;
    Text ProgramState::*variable;
};

struct QueryModeInfo {
    QueryMode mode;
    const char* button;          // control name of the QueryButton
    int method;                  // 1 POST, 0 GET
    const char* path;            // appended to service_base
    std::vector<ControlRule> reads; // controls in the order they are read
    std::vector<BodyField> body;    // form fields in body order (POST only)
    WindowId next_window;
};

const QueryModeInfo& query_mode_info(QueryMode mode);

// Reads the page's controls of `mode` from the MainWindow into ProgramState and returns the request to send.
WebRequest compose_request(QueryMode mode);

} // namespace namer
