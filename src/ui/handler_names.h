#pragma once

namespace namer::handler_names {

// The names by which the window definitions bind events to handlers; the program binds its routines to them.
inline constexpr char skin_main_window[] = "skin_main_window";
inline constexpr char end_on_main_close[] = "end_on_main_close";
inline constexpr char open_promotion_pages[] = "open_promotion_pages";
inline constexpr char back_from_results[] = "back_from_results";
inline constexpr char back_from_meaning[] = "back_from_meaning";
inline constexpr char fill_result_list[] = "fill_result_list";
inline constexpr char fill_meaning_text[] = "fill_meaning_text";
inline constexpr char row_meaning_lookup[] = "row_meaning_lookup";
inline constexpr char query_free_naming[] = "query_free_naming";
inline constexpr char query_reduplicated[] = "query_reduplicated";
inline constexpr char query_five_elements[] = "query_five_elements";
inline constexpr char query_nickname[] = "query_nickname";
inline constexpr char query_novel_names[] = "query_novel_names";
inline constexpr char query_meaning[] = "query_meaning";

} // namespace namer::handler_names
