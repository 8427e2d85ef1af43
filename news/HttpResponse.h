// Reading of an HTTP/1.x response as far as the headline client needs it:
// the status line, the end of the headers, Content-Length and where the
// body lies. Pure functions over the bytes received so far.
#pragma once

#include <cstddef>
#include <string_view>

namespace news {

// Whether more bytes can still come after those examined.
enum class StreamState {
    Open,        // the connection is open and the buffer has room
    Closed,      // the server has closed its side in order (not reset)
    BufferFull,  // the buffer has no room for more
};

enum class ResponseState {
    NeedMore,          // keep receiving
    Incomplete,        // the stream ended before the whole response was in
    MalformedHeaders,  // no "\r\n\r\n" in the bytes, or a Content-Length that is not a number
    NotSuccess,        // the status line is not "HTTP/1.x 2xx"
    Complete,          // the body is at [bodyOffset, bodyOffset + bodyLength)
};

struct ResponseView {
    ResponseState state = ResponseState::NeedMore;
    std::size_t bodyOffset = 0;
    std::size_t bodyLength = 0;
};

// Examines the bytes received so far. NeedMore comes only while the stream
// is Open. A body with a Content-Length ends there (later bytes are not
// part of it); without one it runs to the end of the bytes once the stream
// has ended. A full buffer delivers what it holds of the body.
ResponseView ExamineResponse(std::string_view received, StreamState stream);

// True for "HTTP/1.<digit> 2<digit><digit>" followed by the end of the line
// or a space and a reason phrase.
bool IsSuccessStatusLine(std::string_view line);

}  // namespace news
