#pragma once
#include "query/query_mode.h"

namespace namer {

// The clicked handlers of the six QueryButtons of the MainWindow.
void query_free_naming();
void query_reduplicated();
void query_five_elements();
void query_nickname();
void query_novel_names();
void query_meaning();

// Sends the query of `mode` from the MainWindow, stores the reply and hands over to the next window. Does
// nothing while another request is outstanding; drops the reply when the MainWindow was closed meanwhile.
void run_query(QueryMode mode);

// The double-click handler of the ResultWindow's list: fetches the explanation of the selected row's name.
void row_meaning_lookup();

} // namespace namer
