// The result list's settings at work: whole-row single selection and headers that do nothing.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/win32/window_services_win32.h"
#include "ui/handler_names.h"
#include "win32_test_support.h"

namespace namer {
namespace {

const ControlName list = control_names::result_list;

class ResultListControl : public ::testing::Test {
protected:
    void SetUp() override {
        handlers.bind(handler_names::fill_result_list, [this] {
            for (int column = 0; column < 3; ++column)
                toolkit->insert_column(WindowId::ResultWindow, list, "c" + std::to_string(column), 80);
            for (const char* first : {"2", "1", "3"}) {
                const int row = toolkit->insert_row(WindowId::ResultWindow, list, first);
                toolkit->set_cell(WindowId::ResultWindow, list, row, 2, std::string("p") + first);
            }
        });
        handlers.bind(handler_names::row_meaning_lookup, [this] { ++lookups; });
        toolkit = std::make_unique<Win32WindowServices>(handlers);
        toolkit->open_window(WindowId::ResultWindow);
        hwnd = toolkit->control_handle(WindowId::ResultWindow, list);
    }

    std::vector<Text> first_column() {
        std::vector<Text> cells;
        for (int row = 0; row < 3; ++row)
            cells.push_back(toolkit->cell_text(WindowId::ResultWindow, list, row, 0));
        return cells;
    }

    HandlerTable handlers;
    std::unique_ptr<Win32WindowServices> toolkit;
    HWND hwnd = nullptr;
    int lookups = 0;
};

TEST_F(ResultListControl, AClickAnywhereInARowSelectsThatRowAlone) {
    RECT cell{};
    cell.top = 2; // column 2
    cell.left = LVIR_BOUNDS;
    SendMessageW(hwnd, LVM_GETSUBITEMRECT, 1, reinterpret_cast<LPARAM>(&cell));
    post_click(hwnd, {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    pump_messages();
    EXPECT_EQ(toolkit->first_selected_row(WindowId::ResultWindow, list), 1);
    post_click(hwnd, list_point(hwnd, 2));
    pump_messages();
    EXPECT_EQ(toolkit->first_selected_row(WindowId::ResultWindow, list), 2);
    EXPECT_EQ(SendMessageW(hwnd, LVM_GETSELECTEDCOUNT, 0, 0), 1);
    EXPECT_EQ(lookups, 0);
}

TEST_F(ResultListControl, HeadersSortNothingAndRaiseNoDoubleClick) {
    HWND header = reinterpret_cast<HWND>(SendMessageW(hwnd, LVM_GETHEADER, 0, 0));
    ASSERT_NE(header, nullptr);
    for (int column = 0; column < 3; ++column) {
        RECT item{};
        SendMessageW(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&item));
        const POINT middle{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
        post_click(header, middle);
        post_double_click(header, middle);
        pump_messages();
    }
    EXPECT_EQ(first_column(), (std::vector<Text>{"2", "1", "3"}));
    EXPECT_EQ(lookups, 0);
    post_double_click(hwnd, list_point(hwnd, 3)); // the row area below the rows does raise it
    pump_messages();
    EXPECT_EQ(lookups, 1);
}

} // namespace
} // namespace namer
