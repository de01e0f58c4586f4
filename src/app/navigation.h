#pragma once

namespace namer {

// Handlers of the windows' can-be-closed and will-be-destroyed events.

// Closing the MainWindow ends the program with exit code 0.
void end_on_main_close();

// Opens the two promotional pages, in order, whenever the MainWindow is destroyed by a query.
void open_promotion_pages();

// Closing the ResultWindow brings back a new MainWindow on the page of the last query.
void back_from_results();

// Closing the MeaningWindow returns to the window it was asked for from: a new MainWindow on the page of the
// last query, or the ResultWindow rebuilt from the last name list without a new request.
void back_from_meaning();

} // namespace namer
