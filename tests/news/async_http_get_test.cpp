// The fetch that never waits, on this thread's message loop: the thread
// goes on handling messages while the server holds the answer back, a
// second start is refused meanwhile, and the answer arrives whole; a body
// without a length ends only at an orderly close.
#include "news/AsyncHttpGet.h"
#include "news/HttpClient.h"
#include "news/LookupBuffers.h"
#include "news/NewsEndpoint.h"
#include "tests/news/support/ScriptedServer.h"

#include <gtest/gtest.h>

#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <cstring>
#include <string>

namespace {

using namespace news;

// Handles this thread's messages until `done` or 15 s have passed.
template <typename Done>
void RunMessagesUntil(Done done) {
    const std::int64_t giveUp = MonotonicMilliseconds() + 15000;
    MSG message;
    while (!done() && MonotonicMilliseconds() < giveUp) {
        if (!::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            continue;
        }
        ::DispatchMessageA(&message);
    }
}

TEST(AsyncHttpGet, TheThreadKeepsAnsweringWhileTheServerWaits) {
    SocketLibrary library;
    std::atomic<bool> requested{false}, answer{false};
    newstest::ScriptedServer server([&](Socket& c) {
        requested = newstest::ReadRequest(c) == "GET /link230/ HTTP/1.1\r\nHost:127.0.0.1\r\nVer:1.2\r\n\r\n";
        for (int waited = 0; !answer && waited < 10000; waited += 5) newstest::Pause(5);
        newstest::SendAll(c, "HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\n*a\tT\r\n");
    });
    AsyncHttpGet fetch;
    int result = 1;
    std::string body;
    ASSERT_TRUE(fetch.Start("127.0.0.1", kHeadlinePath, kHeadlineVersion, server.Port(), [&](int r, std::string_view b) {
        result = r;
        body = b;
    }));
    EXPECT_FALSE(fetch.Start("127.0.0.1", kHeadlinePath, kHeadlineVersion, server.Port(), nullptr));

    // The server answers only once a message posted to this thread has been
    // handled after the request arrived.
    ::PostThreadMessageA(::GetCurrentThreadId(), WM_APP + 7, 0, 0);
    const std::int64_t giveUp = MonotonicMilliseconds() + 15000;
    MSG message;
    while (result == 1 && MonotonicMilliseconds() < giveUp) {
        if (!::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            continue;
        }
        if (message.hwnd == nullptr && message.message == WM_APP + 7) {
            if (requested) answer = true;
            else ::PostThreadMessageA(::GetCurrentThreadId(), WM_APP + 7, 0, 0);
        }
        ::DispatchMessageA(&message);
    }
    server.Join();
    EXPECT_TRUE(answer) << "the thread handled no message while the fetch waited";
    EXPECT_EQ(result, kHttpOk);
    EXPECT_EQ(body, "*a\tT\r\n");
    EXPECT_FALSE(fetch.Running());
}

TEST(AsyncHttpGet, WithoutContentLengthOnlyAnOrderlyCloseEndsTheBody) {
    SocketLibrary library;
    for (const bool reset : {false, true}) {
        newstest::ScriptedServer server([reset](Socket& c) {
            newstest::ReadRequest(c);
            newstest::SendAll(c, "HTTP/1.0 200 OK\r\n\r\n*L\tpart of a tit");
            // The client has read the part before the end comes.
            newstest::Pause(200);
            if (reset) newstest::ResetConnection(c);
        });
        AsyncHttpGet fetch;
        int result = 1;
        std::string body;
        ASSERT_TRUE(
            fetch.Start("127.0.0.1", kHeadlinePath, kHeadlineVersion, server.Port(), [&](int r, std::string_view b) {
                result = r;
                body = b;
            }));
        RunMessagesUntil([&] { return result != 1; });
        server.Join();
        EXPECT_EQ(result, reset ? kHttpNoResponse : kHttpOk) << (reset ? "reset" : "closed");
        EXPECT_EQ(body, reset ? "" : "*L\tpart of a tit") << (reset ? "reset" : "closed");
    }
}

// A name lookup that replies only when the test says so, and whose cancel
// stops it or not as the test sets: the system's own cannot be made slow
// without asking a name server.
class HeldLookup final : public HostLookup {
public:
    explicit HeldLookup(bool cancelStops) : cancelStops_(cancelStops) {}

    Request Start(void* window, unsigned message, const char*, char* buffer, int) override {
        window_ = static_cast<HWND>(window);
        message_ = message;
        buffer_ = buffer;
        return ++last_;
    }
    bool Cancel(Request) override {
        ++cancels;
        return cancelStops_;
    }
    int TimeLimitMs() const override { return 50; }

    // The reply of the last lookup, whose buffer must still be alive:
    // 127.0.0.1, or no such host.
    void Reply(bool found) {
        if (found) {
            auto* entry = reinterpret_cast<hostent*>(buffer_);
            auto** list = reinterpret_cast<char**>(buffer_ + sizeof(hostent));
            char* octets = reinterpret_cast<char*>(list + 2);
            std::memcpy(octets, "\x7F\x00\x00\x01", 4);
            list[0] = octets;
            list[1] = nullptr;
            *entry = {};
            entry->h_addrtype = AF_INET;
            entry->h_length = 4;
            entry->h_aliases = list + 1;
            entry->h_addr_list = list;
        }
        ::PostMessageA(window_, message_, last_, found ? 0 : WSAMAKEASYNCREPLY(0, WSAHOST_NOT_FOUND));
    }

    int cancels = 0;

private:
    const bool cancelStops_;
    HWND window_ = nullptr;
    unsigned message_ = 0;
    char* buffer_ = nullptr;
    Request last_ = 0x40;
};

struct Outcome {
    int result = 1;
    std::string body;
};

bool StartFetch(AsyncHttpGet& fetch, std::uint16_t port, Outcome& outcome, const char* host = "news.example") {
    return fetch.Start(host, kHeadlinePath, kHeadlineVersion, port, [&outcome](int r, std::string_view b) {
        outcome.result = r;
        outcome.body = b;
    });
}

TEST(AsyncHttpGet, AReplyInTimeIsReadAndItsBufferFreed) {
    SocketLibrary library;
    newstest::ScriptedServer server([](Socket& c) {
        newstest::ReadRequest(c);
        newstest::SendAll(c, "HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\n*a\tT\r\n");
    });
    HeldLookup lookup(false);
    AsyncHttpGet fetch(lookup);
    Outcome outcome;
    ASSERT_TRUE(StartFetch(fetch, server.Port(), outcome));
    EXPECT_EQ(LiveLookupBuffers(), 1);
    lookup.Reply(true);
    RunMessagesUntil([&] { return outcome.result != 1; });
    server.Join();
    EXPECT_EQ(outcome.result, kHttpOk);
    EXPECT_EQ(outcome.body, "*a\tT\r\n");
    EXPECT_EQ(LiveLookupBuffers(), 0);
}

// The system's own lookup of a name this machine knows by itself.
TEST(AsyncHttpGet, TheSystemLookupOfLocalhostIsReadAndItsBufferFreed) {
    SocketLibrary library;
    newstest::ScriptedServer server([](Socket& c) {
        newstest::ReadRequest(c);
        newstest::SendAll(c, "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok");
    });
    AsyncHttpGet fetch;
    Outcome outcome;
    ASSERT_TRUE(StartFetch(fetch, server.Port(), outcome, "localhost"));
    RunMessagesUntil([&] { return outcome.result != 1; });
    server.Join();
    EXPECT_EQ(outcome.result, kHttpOk);
    EXPECT_EQ(LiveLookupBuffers(), 0);
}

TEST(AsyncHttpGet, ALookupPastItsLimitFreesItsBufferOnceTheSystemIsDone) {
    {  // the cancel stops the lookup: its buffer goes at once
        HeldLookup lookup(true);
        AsyncHttpGet fetch(lookup);
        Outcome outcome;
        ASSERT_TRUE(StartFetch(fetch, 80, outcome));
        RunMessagesUntil([&] { return outcome.result != 1; });
        EXPECT_EQ(outcome.result, kHttpHostNotResolved);
        EXPECT_EQ(lookup.cancels, 1);
        EXPECT_EQ(LiveLookupBuffers(), 0) << "stopped";
    }
    {  // the cancel comes too late: the buffer stays until the late reply
        HeldLookup lookup(false);
        AsyncHttpGet fetch(lookup);
        Outcome outcome;
        ASSERT_TRUE(StartFetch(fetch, 80, outcome));
        RunMessagesUntil([&] { return outcome.result != 1; });
        EXPECT_EQ(outcome.result, kHttpHostNotResolved);
        EXPECT_EQ(LiveLookupBuffers(), 1) << "before the late reply";
        lookup.Reply(true);
        RunMessagesUntil([] { return LiveLookupBuffers() == 0; });
        EXPECT_EQ(LiveLookupBuffers(), 0) << "after the late reply";
        EXPECT_EQ(outcome.result, kHttpHostNotResolved) << "the late reply changes nothing";
    }
    {  // no reply ever comes: the buffer goes with the fetch
        HeldLookup lookup(false);
        {
            AsyncHttpGet fetch(lookup);
            Outcome outcome;
            ASSERT_TRUE(StartFetch(fetch, 80, outcome));
            RunMessagesUntil([&] { return outcome.result != 1; });
            EXPECT_EQ(LiveLookupBuffers(), 1) << "while the fetch lives";
        }
        EXPECT_EQ(LiveLookupBuffers(), 0) << "after the fetch";
    }
}

}  // namespace
