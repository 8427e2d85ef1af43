// HttpGet against scripted servers on 127.0.0.1: the request it sends, how
// it gathers the response, and every result code a server can cause.
#include "news/Headline.h"
#include "news/HttpClient.h"
#include "news/NewsEndpoint.h"
#include "news/Socket.h"
#include "tests/news/support/ScriptedServer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace news;
using newstest::Pause;
using newstest::ReadRequest;
using newstest::ScriptedServer;
using newstest::SendAll;
using newstest::WaitForClientClose;

constexpr char kGuardByte = '#';
constexpr std::size_t kGuardBytes = 32;

struct Fetched {
    int result = 1;
    std::size_t length = 0;
    std::vector<char> buffer;  // capacity + 1 bytes for HttpGet, then guard bytes

    std::string Body() const { return std::string(buffer.data(), length); }
    bool GuardIntact(std::size_t capacity) const {
        for (std::size_t i = capacity + 1; i < buffer.size(); ++i) {
            if (buffer[i] != kGuardByte) return false;
        }
        return true;
    }
};

class HttpGetTest : public ::testing::Test {
protected:
    Fetched Fetch(std::uint16_t port, std::size_t capacity = kHeadlineBodyCapacity) {
        Fetched f;
        f.buffer.assign(capacity + 1 + kGuardBytes, kGuardByte);
        f.length = capacity;
        f.result = HttpGet(f.buffer.data(), f.length, "127.0.0.1", kHeadlinePath, kHeadlineVersion, port);
        return f;
    }
    SocketLibrary library_;
};

// A script that reads the request, answers with `response` and closes.
ScriptedServer::Script Answer(std::string response) {
    return [response](Socket& c) {
        ReadRequest(c);
        SendAll(c, response);
    };
}

TEST_F(HttpGetTest, RequestArrivesByteForByte) {
    std::string request;
    ScriptedServer server([&](Socket& c) {
        request = ReadRequest(c);
        SendAll(c, "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok");
    });
    ASSERT_TRUE(server.IsListening());
    const Fetched f = Fetch(server.Port());
    server.Join();
    EXPECT_EQ(f.result, kHttpOk);
    EXPECT_EQ(request, "GET /link230/ HTTP/1.1\r\nHost:127.0.0.1\r\nVer:1.2\r\n\r\n");
}

TEST_F(HttpGetTest, HeadersAndBodyInOneSegment) {
    ScriptedServer server(Answer("HTTP/1.1 200 OK\r\nContent-Length: 20\r\n\r\n*http://a.example/\tT"));
    const Fetched f = Fetch(server.Port());
    ASSERT_EQ(f.result, kHttpOk);
    EXPECT_EQ(f.Body(), "*http://a.example/\tT");
    EXPECT_EQ(f.length, 20u);
}

TEST_F(HttpGetTest, BodyInALaterSegmentIsDelivered) {
    bool clientClosedFirst = false;
    ScriptedServer server([&](Socket& c) {
        ReadRequest(c);
        SendAll(c, "HTTP/1.1 200 OK\r\nContent-Length: 11\r\n\r\n");
        Pause(300);
        SendAll(c, "*L\tlate one");
        // The length is known, so the client must not wait for this side to close.
        clientClosedFirst = WaitForClientClose(c, 5000);
    });
    const Fetched f = Fetch(server.Port());
    server.Join();
    ASSERT_EQ(f.result, kHttpOk);
    EXPECT_EQ(f.Body(), "*L\tlate one");
    EXPECT_TRUE(clientClosedFirst);
}

TEST_F(HttpGetTest, WithoutContentLengthTheBodyRunsUntilTheServerCloses) {
    ScriptedServer server([](Socket& c) {
        ReadRequest(c);
        SendAll(c, "HTTP/1.0 200 OK\r\n\r");
        Pause(150);
        SendAll(c, "\n*L\tpart one,");
        Pause(150);
        SendAll(c, " part two");
    });
    const Fetched f = Fetch(server.Port());
    ASSERT_EQ(f.result, kHttpOk);
    EXPECT_EQ(f.Body(), "*L\tpart one, part two");
}

// Only an orderly close ends such a body: a reset, whether it comes at
// once or after the client has read what was sent, leaves it cut short.
TEST_F(HttpGetTest, WithoutContentLengthAResetIsNoResponse) {
    for (const int pauseMs : {0, 200}) {
        ScriptedServer server([pauseMs](Socket& c) {
            ReadRequest(c);
            SendAll(c, "HTTP/1.0 200 OK\r\n\r\n*L\tpart of a tit");
            Pause(pauseMs);
            newstest::ResetConnection(c);
        });
        const Fetched f = Fetch(server.Port());
        server.Join();
        EXPECT_EQ(f.result, kHttpNoResponse) << "reset after " << pauseMs << " ms";
        EXPECT_EQ(f.buffer[0], kGuardByte) << "reset after " << pauseMs << " ms";
    }
}

TEST_F(HttpGetTest, BytesAfterContentLengthAreNotPartOfTheBody) {
    ScriptedServer server(Answer("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nfirstSECOND"));
    const Fetched f = Fetch(server.Port());
    ASSERT_EQ(f.result, kHttpOk);
    EXPECT_EQ(f.Body(), "first");
}

TEST_F(HttpGetTest, BodyIsCopiedWithItsZeroBytes) {
    ScriptedServer server(Answer(std::string("HTTP/1.1 200 OK\r\n\r\na\0b", 22)));
    const Fetched f = Fetch(server.Port());
    ASSERT_EQ(f.result, kHttpOk);
    EXPECT_EQ(f.Body(), std::string("a\0b", 3));
}

TEST_F(HttpGetTest, EmptyBodyIsSuccessWithLengthZero) {
    const char* const responses[] = {
        "HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n",
        "HTTP/1.1 204 No Content\r\n\r\n",
    };
    for (const char* response : responses) {
        ScriptedServer server(Answer(response));
        const Fetched f = Fetch(server.Port());
        EXPECT_EQ(f.result, kHttpOk) << response;
        EXPECT_EQ(f.length, 0u) << response;
        EXPECT_EQ(f.buffer[0], '\0') << response;
    }
}

TEST_F(HttpGetTest, BodyLongerThanTheCapacityIsCut) {
    const std::string body(100, 'b');
    ScriptedServer server(Answer("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n" + body));
    constexpr std::size_t kCapacity = 16;
    const Fetched f = Fetch(server.Port(), kCapacity);
    ASSERT_EQ(f.result, kHttpOk);
    EXPECT_EQ(f.length, kCapacity);
    EXPECT_EQ(f.Body(), body.substr(0, kCapacity));
    EXPECT_EQ(f.buffer[kCapacity], '\0');
    EXPECT_TRUE(f.GuardIntact(kCapacity));
}

TEST_F(HttpGetTest, NoMoreThan2047BytesOfResponseAreKept) {
    const std::string head = "HTTP/1.1 200 OK\r\n\r\n";
    std::string body;
    for (int i = 0; i < 3000; ++i) body += static_cast<char>('a' + i % 26);
    ScriptedServer server([&](Socket& c) {
        ReadRequest(c);
        SendAll(c, head + body);
        WaitForClientClose(c, 5000);
    });
    constexpr std::size_t kLargeCapacity = 4000;
    const Fetched f = Fetch(server.Port(), kLargeCapacity);
    server.Join();
    ASSERT_EQ(f.result, kHttpOk);
    EXPECT_EQ(f.length, kMaxResponseBytes - head.size());
    EXPECT_EQ(f.Body(), body.substr(0, kMaxResponseBytes - head.size()));
    EXPECT_TRUE(f.GuardIntact(kLargeCapacity));
}

TEST_F(HttpGetTest, NoBlankLineWithin2047BytesIsMalformed) {
    ScriptedServer server([](Socket& c) {
        ReadRequest(c);
        SendAll(c, "HTTP/1.1 200 OK\r\nX-Filler: " + std::string(3000, 'x') + "\r\n\r\nbody");
        WaitForClientClose(c, 5000);
    });
    const Fetched f = Fetch(server.Port());
    EXPECT_EQ(f.result, kHttpMalformedHeaders);
}

TEST_F(HttpGetTest, ServerClosingBeforeTheBlankLineIsMalformed) {
    ScriptedServer server(Answer("HTTP/1.1 200 OK\r\nContent-Length: 4\r\n"));
    EXPECT_EQ(Fetch(server.Port()).result, kHttpMalformedHeaders);
}

TEST_F(HttpGetTest, UnreadableContentLengthIsMalformed) {
    ScriptedServer server(Answer("HTTP/1.1 200 OK\r\nContent-Length: 12abc\r\n\r\n*L\tT"));
    EXPECT_EQ(Fetch(server.Port()).result, kHttpMalformedHeaders);
}

TEST_F(HttpGetTest, ErrorStatusIsNotAHeadline) {
    const char* const responses[] = {
        "HTTP/1.1 404 Not Found\r\nContent-Length: 12\r\n\r\n*L\tNot found",
        "HTTP/1.1 500 Internal Server Error\r\n\r\n*L\tServer error",
        "HTTP/1.1 302 Found\r\nLocation: http://b.example/\r\n\r\n*L\tMoved",
        "*L\tA body with no status line\r\n\r\n",
    };
    for (const char* response : responses) {
        ScriptedServer server(Answer(response));
        const Fetched f = Fetch(server.Port());
        EXPECT_EQ(f.result, kHttpNotSuccess) << response;
        EXPECT_EQ(f.length, kHeadlineBodyCapacity) << "length untouched: " << response;
        EXPECT_EQ(f.buffer[0], kGuardByte) << "buffer untouched: " << response;
    }
}

TEST_F(HttpGetTest, ServerClosingBeforeTheWholeBodyIsNoResponse) {
    ScriptedServer server(Answer("HTTP/1.1 200 OK\r\nContent-Length: 50\r\n\r\n*L\tcut short"));
    EXPECT_EQ(Fetch(server.Port()).result, kHttpNoResponse);
}

TEST_F(HttpGetTest, ServerClosingWithoutAnswerIsNoResponse) {
    ScriptedServer server([](Socket& c) { ReadRequest(c); });
    EXPECT_EQ(Fetch(server.Port()).result, kHttpNoResponse);
}

// The one slow test: it waits out the whole response time limit.
TEST_F(HttpGetTest, SilentServerIsNoResponseAfterTheTimeLimit) {
    ScriptedServer server([](Socket& c) {
        ReadRequest(c);
        WaitForClientClose(c, kResponseTimeoutMs + 10000);
    });
    const std::int64_t start = MonotonicMilliseconds();
    const Fetched f = Fetch(server.Port());
    const std::int64_t elapsed = MonotonicMilliseconds() - start;
    EXPECT_EQ(f.result, kHttpNoResponse);
    EXPECT_GE(elapsed, kResponseTimeoutMs - 50);
    EXPECT_LT(elapsed, kResponseTimeoutMs + 3000);
}

TEST_F(HttpGetTest, RefusedConnectionIsConnectFailed) {
    newstest::LoopbackListener listener;
    ASSERT_TRUE(listener.IsListening());
    const std::uint16_t closedPort = listener.Port();
    listener.Close();
    EXPECT_EQ(Fetch(closedPort).result, kHttpConnectFailed);
}

TEST_F(HttpGetTest, UnresolvableNameIsHostNotResolved) {
    // Names under .invalid fail without asking a name server (RFC 6761).
    const char* const hosts[] = {"no-such-host.invalid", "NEWS.Invalid.", "invalid", ""};
    for (const char* host : hosts) {
        char body[8] = "unset";
        std::size_t length = 7;
        EXPECT_EQ(HttpGet(body, length, host, kHeadlinePath, kHeadlineVersion, 80), kHttpHostNotResolved) << host;
        EXPECT_EQ(length, 7u) << host;
    }
}

TEST_F(HttpGetTest, RequestTooLongForTheBufferIsNotSent) {
    bool requestArrived = true;
    ScriptedServer server([&](Socket& c) { requestArrived = !ReadRequest(c, 2000).empty(); });
    const std::string longPath(kExchangeBufferSize, 'p');
    char body[8];
    std::size_t length = 7;
    EXPECT_EQ(HttpGet(body, length, "127.0.0.1", longPath.c_str(), kHeadlineVersion, server.Port()), kHttpSendFailed);
    server.Join();
    EXPECT_FALSE(requestArrived);
}

}  // namespace
