#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "platform/shell.h"

// Helpers of the Windows tests of the window toolkit: user input as posted messages, reading what is on screen.
namespace namer {

// Dispatches what is queued, as the message loop would, and gives Wine's own events a moment to arrive.
void pump_messages();

// Left button pressed and released at a point of the window's client area.
void post_click(HWND hwnd, POINT at);
void post_double_click(HWND hwnd, POINT at);
// A key pressed and released; `repeat` marks the press as an auto-repeat of a held key.
void post_key(HWND hwnd, UINT key, bool repeat = false);

// A point on a row of a report list, or below the last row when `row` is past the rows.
POINT list_point(HWND list, int row);

// The program's top-level windows with that caption (UTF-8) that exist on this thread.
int count_program_windows(const std::string& caption);

std::wstring wide_from_utf8(const std::string& utf8);
std::wstring text_of(HWND hwnd);

// The pixels of a window (its frame included) as they are on screen after it has been painted.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colours;
    COLORREF at(int x, int y) const { return colours[static_cast<std::size_t>(y) * width + x]; }
    bool contains(COLORREF colour) const;
};
Pixels capture(HWND hwnd);

// Keeps what was opened instead of opening it.
class RecordingShell : public Shell {
public:
    std::vector<Text> opened;
    void open_web_address(const Text& address) override { opened.push_back(address); }
};

} // namespace namer
