// The headline a news server's body carries, and which of its links may be
// handed to the browser.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace news {

// A headline body is fetched into a 1024-byte buffer.
inline constexpr std::size_t kHeadlineBodyCapacity = 1023;

struct Headline {
    std::string link;   // may be empty
    std::string title;  // GB18030 (GBK bytes for GBK); trailing CR and LF are kept
};

// The part of a fetched body that is read: its first kHeadlineBodyCapacity
// bytes, less a GB18030 character the capacity would cut in half.
[[nodiscard]] std::string_view CapHeadlineBody(std::string_view body);

// Body format: any spaces, CR, LF or TAB; "*"; the link up to the first
// TAB; one TAB; the title to the end of the body (further TABs included).
// No headline when the first other character is not "*" or no TAB follows.
[[nodiscard]] std::optional<Headline> ParseHeadline(std::string_view body);

// Only web addresses may be opened: the link must start with "http://" or
// "https://" (in any case) and go on after it, and it must hold no space,
// control character or double quote, which could carry further arguments
// to the program that opens it.
bool IsOpenableLink(std::string_view link);

}  // namespace news
