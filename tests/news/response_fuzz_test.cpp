// Random and truncated responses and bodies, from a fixed seed. Every input
// lies in a heap block of exactly its own size, so under AddressSanitizer a
// read past the end fails the run.
#include "news/Headline.h"
#include "news/HttpClient.h"
#include "news/HttpResponse.h"
#include "news/NewsEndpoint.h"
#include "news/Socket.h"
#include "tests/news/support/ScriptedServer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace news;

// A copy of `bytes` in a block of exactly that size.
class ExactBlock {
public:
    explicit ExactBlock(const std::string& bytes) : size_(bytes.size()), data_(new char[bytes.size()]) {
        if (size_ != 0) std::memcpy(data_.get(), bytes.data(), size_);
    }
    std::string_view View() const { return std::string_view(data_.get(), size_); }

private:
    std::size_t size_;
    std::unique_ptr<char[]> data_;
};

class Generator {
public:
    explicit Generator(std::uint32_t seed) : random_(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    std::string RandomBytes(int maxLength) {
        std::string bytes(static_cast<std::size_t>(Below(maxLength + 1)), '\0');
        for (char& c : bytes) c = static_cast<char>(Below(256));
        return bytes;
    }

    // Pieces of responses, likely and unlikely, glued in random order.
    std::string Response() {
        static const char* const kStatusLines[] = {
            "HTTP/1.1 200 OK\r\n",
            "HTTP/1.0 204\r\n",
            "HTTP/1.1 404 Not Found\r\n",
            "HTTP/1.1 2",
            "HTTP/",
            "HTTP/1.1 200 OK",
            "http/1.1 200 OK\r\n",
            "",
        };
        static const char* const kPieces[] = {
            "\r\n",
            "\r\n\r\n",
            "\r",
            "\n",
            "Content-Length: ",
            "content-length:",
            "Content-Length: 0\r\n",
            "Content-Length: 18446744073709551616\r\n",
            "X-A: b\r\n",
            ":",
            " ",
            "\t",
            "*",
            "http://a.example/",
            "\xB0\xA1",
        };
        std::string response = kStatusLines[Below(8)];
        const int pieces = Below(10);
        for (int i = 0; i < pieces; ++i) {
            switch (Below(4)) {
                case 0: response += kPieces[Below(15)]; break;
                case 1: response += std::to_string(Below(40)); break;
                case 2: response += RandomBytes(12); break;
                default: response += "Content-Length: " + std::to_string(Below(30)) + "\r\n\r\n"; break;
            }
        }
        if (Below(3) == 0) response.resize(static_cast<std::size_t>(Below(static_cast<int>(response.size()) + 1)));
        return response;
    }

    std::string Body() {
        static const char kAlphabet[] = {' ', '\r', '\n', '\t', '*', 'L', 'T', '\0', '\xB0', '\v'};
        std::string body(static_cast<std::size_t>(Below(24)), ' ');
        for (char& c : body) c = kAlphabet[Below(10)];
        if (Below(4) == 0) body += RandomBytes(16);
        return body;
    }

private:
    std::mt19937 random_;
};

bool IsBlank(char c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t'; }

void CheckResponse(std::string_view received, StreamState stream) {
    const ResponseView view = ExamineResponse(received, stream);
    if (stream != StreamState::Open) {
        ASSERT_NE(view.state, ResponseState::NeedMore);
    }
    if (view.state != ResponseState::Complete) return;
    // A delivered body lies inside the bytes, right after the first blank line,
    // behind a success status line.
    ASSERT_GE(view.bodyOffset, 4u);
    ASSERT_LE(view.bodyOffset, received.size());
    ASSERT_LE(view.bodyLength, received.size() - view.bodyOffset);
    ASSERT_EQ(received.find("\r\n\r\n"), view.bodyOffset - 4);
    ASSERT_TRUE(IsSuccessStatusLine(received.substr(0, received.find("\r\n"))));
}

// Feeding the bytes a few at a time ends with the same verdict as examining
// them at once, however they are split.
void CheckIncremental(const std::string& response, Generator& gen) {
    std::size_t have = 0;
    ResponseView view;
    while (true) {
        view = ExamineResponse(ExactBlock(response.substr(0, have)).View(), StreamState::Open);
        if (view.state != ResponseState::NeedMore || have == response.size()) break;
        have += 1 + static_cast<std::size_t>(gen.Below(static_cast<int>(response.size() - have)));
    }
    const ResponseView whole = ExamineResponse(response, StreamState::Open);
    ASSERT_EQ(view.state, whole.state) << response;
    ASSERT_EQ(view.bodyOffset, whole.bodyOffset) << response;
    ASSERT_EQ(view.bodyLength, whole.bodyLength) << response;
}

TEST(ResponseFuzz, RandomAndTruncatedResponses) {
    Generator gen(20240611);
    for (int i = 0; i < 20000; ++i) {
        const std::string response = i % 5 == 0 ? gen.RandomBytes(80) : gen.Response();
        // Every prefix, as a response cut off at that byte.
        for (std::size_t cut = 0; cut <= response.size(); ++cut) {
            const ExactBlock block(response.substr(0, cut));
            for (StreamState stream : {StreamState::Open, StreamState::Closed, StreamState::BufferFull}) {
                CheckResponse(block.View(), stream);
                if (HasFatalFailure()) FAIL() << "input " << i << " cut at " << cut;
            }
        }
        CheckIncremental(response, gen);
        if (HasFatalFailure()) FAIL() << "input " << i;
    }
}

TEST(ResponseFuzz, RandomAndTruncatedBodies) {
    Generator gen(777);
    for (int i = 0; i < 20000; ++i) {
        const std::string body = gen.Body();
        for (std::size_t cut = 0; cut <= body.size(); ++cut) {
            const ExactBlock block(body.substr(0, cut));
            const std::string_view view = block.View();
            const std::optional<Headline> headline = ParseHeadline(view);

            std::size_t start = 0;
            while (start < view.size() && IsBlank(view[start])) ++start;
            const bool starred = start < view.size() && view[start] == '*';
            const bool tabbed = starred && view.find('\t', start + 1) != std::string_view::npos;
            ASSERT_EQ(headline.has_value(), tabbed) << "input " << i << " cut at " << cut;
            if (!headline) continue;
            // The body is blanks, "*", the link, one TAB and the title, nothing lost or added.
            ASSERT_EQ(headline->link.find('\t'), std::string::npos);
            ASSERT_EQ(std::string(view.substr(start)), "*" + headline->link + "\t" + headline->title);
            // Whatever the body, a link that may be opened carries no line break.
            if (IsOpenableLink(headline->link)) {
                ASSERT_EQ(headline->link.find_first_of("\r\n"), std::string::npos);
            }
        }
    }
}

// Random responses from a server, in random pieces, through HttpGet: the
// result and the body agree with reading the same bytes at once, and
// nothing is written past the caller's buffer.
TEST(ResponseFuzz, RandomResponsesOverLoopback) {
    SocketLibrary library;
    Generator gen(4242);
    constexpr char kGuard = '#';
    for (int i = 0; i < 150; ++i) {
        std::string response = gen.Response();
        if (i % 10 == 0) response += std::string(static_cast<std::size_t>(1500 + gen.Below(1500)), 'z');
        std::vector<std::size_t> cuts;
        for (int n = gen.Below(4); n > 0; --n) cuts.push_back(static_cast<std::size_t>(gen.Below(40)));

        newstest::ScriptedServer server([&](Socket& c) {
            newstest::ReadRequest(c);
            std::string_view rest = response;
            for (std::size_t cut : cuts) {
                const std::size_t n = cut < rest.size() ? cut : rest.size();
                newstest::SendAll(c, rest.substr(0, n));
                rest.remove_prefix(n);
                newstest::Pause(2);
            }
            newstest::SendAll(c, rest);
        });
        ASSERT_TRUE(server.IsListening());

        const std::size_t capacity = static_cast<std::size_t>(i % 3 == 0 ? gen.Below(8) : 1023);
        std::vector<char> buffer(capacity + 1 + 16, kGuard);
        std::size_t length = capacity;
        const int result = HttpGet(buffer.data(), length, "127.0.0.1", kHeadlinePath, kHeadlineVersion, server.Port());
        server.Join();

        // What the client could hold, examined at once.
        const std::string kept = response.substr(0, kMaxResponseBytes);
        ResponseView expected = ExamineResponse(kept, StreamState::Open);
        if (expected.state == ResponseState::NeedMore) {
            expected =
                ExamineResponse(kept, kept.size() == kMaxResponseBytes ? StreamState::BufferFull : StreamState::Closed);
        }
        for (std::size_t g = capacity + 1; g < buffer.size(); ++g) ASSERT_EQ(buffer[g], kGuard) << "input " << i;
        switch (expected.state) {
            case ResponseState::Complete: {
                ASSERT_EQ(result, kHttpOk) << "input " << i << ": " << response;
                const std::size_t delivered = expected.bodyLength < capacity ? expected.bodyLength : capacity;
                ASSERT_EQ(length, delivered) << "input " << i;
                ASSERT_EQ(std::string(buffer.data(), length), kept.substr(expected.bodyOffset, delivered));
                ASSERT_EQ(buffer[length], '\0');
                break;
            }
            case ResponseState::NotSuccess: ASSERT_EQ(result, kHttpNotSuccess) << "input " << i; break;
            case ResponseState::MalformedHeaders: ASSERT_EQ(result, kHttpMalformedHeaders) << "input " << i; break;
            default: ASSERT_EQ(result, kHttpNoResponse) << "input " << i; break;
        }
        if (result != kHttpOk) {
            ASSERT_EQ(length, capacity) << "input " << i;
        }
    }
}

}  // namespace
