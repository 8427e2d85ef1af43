// The application's title: the main window's text and part of the day-note
// editor's caption.
#pragma once

namespace view {

inline constexpr char kAppTitle[] = "ri2.23";

}  // namespace view
