// Reading a response from the bytes received so far: when to wait for more,
// where the body is, and which responses are refused.
#include "news/HttpResponse.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace news;

const char* Name(ResponseState state) {
    switch (state) {
        case ResponseState::NeedMore: return "NeedMore";
        case ResponseState::Incomplete: return "Incomplete";
        case ResponseState::MalformedHeaders: return "MalformedHeaders";
        case ResponseState::NotSuccess: return "NotSuccess";
        case ResponseState::Complete: return "Complete";
    }
    return "?";
}

struct Case {
    const char* received;
    StreamState stream;
    ResponseState state;
    const char* body;  // when Complete
};

void Check(const Case& c) {
    const std::string received = c.received;
    const ResponseView view = ExamineResponse(received, c.stream);
    EXPECT_STREQ(Name(view.state), Name(c.state)) << received;
    if (view.state == ResponseState::Complete && c.state == ResponseState::Complete) {
        ASSERT_LE(view.bodyOffset + view.bodyLength, received.size()) << received;
        EXPECT_EQ(received.substr(view.bodyOffset, view.bodyLength), c.body) << received;
    }
}

constexpr StreamState kOpen = StreamState::Open;
constexpr StreamState kClosed = StreamState::Closed;
constexpr StreamState kFull = StreamState::BufferFull;

TEST(ResponseParse, WaitsForTheHeadersAndTheBody) {
    const Case cases[] = {
        {"", kOpen, ResponseState::NeedMore, ""},
        {"HTTP/1.1 200 OK\r\n", kOpen, ResponseState::NeedMore, ""},
        {"HTTP/1.1 200 OK\r\n\r", kOpen, ResponseState::NeedMore, ""},
        {"HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nabc", kOpen, ResponseState::NeedMore, ""},
        // Without a length only the server's close ends the body.
        {"HTTP/1.1 200 OK\r\n\r\nabc", kOpen, ResponseState::NeedMore, ""},
    };
    for (const Case& c : cases) Check(c);
}

TEST(ResponseParse, FindsTheBody) {
    const Case cases[] = {
        {"HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nabcde", kOpen, ResponseState::Complete, "abcde"},
        {"HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nabcde", kOpen, ResponseState::Complete, "abc"},
        {"HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n", kOpen, ResponseState::Complete, ""},
        {"HTTP/1.1 200 OK\r\n\r\nabc", kClosed, ResponseState::Complete, "abc"},
        {"HTTP/1.1 200 OK\r\n\r\n", kClosed, ResponseState::Complete, ""},
        {"HTTP/1.0 200 OK\r\n\r\nabc", kClosed, ResponseState::Complete, "abc"},
        {"HTTP/1.1 200\r\n\r\nabc", kClosed, ResponseState::Complete, "abc"},
        {"HTTP/1.1 299 Whatever\r\n\r\nabc", kClosed, ResponseState::Complete, "abc"},
        // Only the first blank line ends the headers.
        {"HTTP/1.1 200 OK\r\n\r\n\r\n\r\nx", kClosed, ResponseState::Complete, "\r\n\r\nx"},
        // A full buffer delivers what it holds of a longer body.
        {"HTTP/1.1 200 OK\r\nContent-Length: 900\r\n\r\nabc", kFull, ResponseState::Complete, "abc"},
        {"HTTP/1.1 200 OK\r\n\r\nabc", kFull, ResponseState::Complete, "abc"},
    };
    for (const Case& c : cases) Check(c);
}

TEST(ResponseParse, ReadsContentLengthLeniently) {
    const Case cases[] = {
        {"HTTP/1.1 200 OK\r\ncontent-length:2\r\n\r\nabc", kOpen, ResponseState::Complete, "ab"},
        {"HTTP/1.1 200 OK\r\nCONTENT-LENGTH: \t2 \r\n\r\nabc", kOpen, ResponseState::Complete, "ab"},
        {"HTTP/1.1 200 OK\r\nContent-Length: 002\r\n\r\nabc", kOpen, ResponseState::Complete, "ab"},
        {"HTTP/1.1 200 OK\r\nContent-Length: 2\r\nContent-Length: 2\r\n\r\nabc", kOpen, ResponseState::Complete, "ab"},
        // Other fields that merely contain the name are not it.
        {"HTTP/1.1 200 OK\r\nX-Content-Length: 1\r\n\r\nabc", kClosed, ResponseState::Complete, "abc"},
        {"HTTP/1.1 200 OK\r\nContent-Length-Hint: 1\r\n\r\nabc", kClosed, ResponseState::Complete, "abc"},
        // A value too large for any size waits like any other long body.
        {"HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999999999\r\n\r\nabc", kOpen, ResponseState::NeedMore,
         ""},
        {"HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999999999\r\n\r\nabc", kFull, ResponseState::Complete,
         "abc"},
    };
    for (const Case& c : cases) Check(c);
}

TEST(ResponseParse, EndsWithoutTheWholeResponse) {
    const Case cases[] = {
        {"", kClosed, ResponseState::Incomplete, ""},
        {"HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nabc", kClosed, ResponseState::Incomplete, ""},
        {"HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\n", kClosed, ResponseState::Incomplete, ""},
    };
    for (const Case& c : cases) Check(c);
}

TEST(ResponseParse, MalformedHeaders) {
    const Case cases[] = {
        {"HTTP/1.1 200 OK\r\nContent-Length: 3\r\n", kClosed, ResponseState::MalformedHeaders, ""},
        {"HTTP/1.1 200 OK\r\nContent-Length: 3\r\n", kFull, ResponseState::MalformedHeaders, ""},
        {"HTTP/1.1 200 OK\n\nabc", kClosed, ResponseState::MalformedHeaders, ""},
        {"x", kClosed, ResponseState::MalformedHeaders, ""},
        {"HTTP/1.1 200 OK\r\nContent-Length:\r\n\r\nabc", kOpen, ResponseState::MalformedHeaders, ""},
        {"HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\nabc", kOpen, ResponseState::MalformedHeaders, ""},
        {"HTTP/1.1 200 OK\r\nContent-Length: +3\r\n\r\nabc", kOpen, ResponseState::MalformedHeaders, ""},
        {"HTTP/1.1 200 OK\r\nContent-Length: 3 3\r\n\r\nabc", kOpen, ResponseState::MalformedHeaders, ""},
        {"HTTP/1.1 200 OK\r\nContent-Length: 0x3\r\n\r\nabc", kOpen, ResponseState::MalformedHeaders, ""},
        {"HTTP/1.1 200 OK\r\nContent-Length: 3, 3\r\n\r\nabc", kOpen, ResponseState::MalformedHeaders, ""},
        {"HTTP/1.1 200 OK\r\nContent-Length: 2\r\nContent-Length: 3\r\n\r\nabc", kOpen, ResponseState::MalformedHeaders,
         ""},
    };
    for (const Case& c : cases) Check(c);
}

TEST(ResponseParse, OnlyA2xxStatusLineIsSuccess) {
    const char* const refused[] = {
        "HTTP/1.1 404 Not Found",
        "HTTP/1.1 500 Internal Server Error",
        "HTTP/1.1 301 Moved Permanently",
        "HTTP/1.1 199 Early",
        "HTTP/1.1 100 Continue",
        "HTTP/2 200",
        "HTTP/2.0 200 OK",
        "HTTP/1.1  200 OK",
        "HTTP/1.1 2000 OK",
        "HTTP/1.1 20 OK",
        "HTTP/1.1 2x0 OK",
        "HTTP/1.x 200 OK",
        "http/1.1 200 OK",
        " HTTP/1.1 200 OK",
        "ICY 200 OK",
        "HTTP/1.1 200\tOK",
        "",
    };
    for (const char* line : refused) {
        EXPECT_FALSE(IsSuccessStatusLine(line)) << '"' << line << '"';
        const std::string response = std::string(line) + "\r\nContent-Length: 1\r\n\r\nx";
        EXPECT_EQ(ExamineResponse(response, kOpen).state, ResponseState::NotSuccess) << response;
    }
    const char* const accepted[] = {"HTTP/1.1 200 OK",      "HTTP/1.0 200 OK",         "HTTP/1.1 200",
                                    "HTTP/1.1 201 Created", "HTTP/1.1 204 No Content", "HTTP/1.9 250 x"};
    for (const char* line : accepted) EXPECT_TRUE(IsSuccessStatusLine(line)) << '"' << line << '"';
}

TEST(ResponseParse, AnErrorStatusIsRefusedWithoutWaitingForItsBody) {
    const ResponseView view =
        ExamineResponse("HTTP/1.1 404 Not Found\r\nContent-Length: 500\r\n\r\npartial", StreamState::Open);
    EXPECT_EQ(view.state, ResponseState::NotSuccess);
}

TEST(ResponseParse, BytesAfterTheReceivedLengthAreNeverRead) {
    // The view handed in ends before the blank line; what lies beyond it in
    // memory must not count.
    const std::string memory = "HTTP/1.1 200 OK\r\n\r\nbody";
    const std::string_view received(memory.data(), memory.size() - 6);
    EXPECT_EQ(ExamineResponse(received, StreamState::Closed).state, ResponseState::MalformedHeaders);
}

}  // namespace
