// The fetch that never waits, on this thread's message loop: the thread
// goes on handling messages while the server holds the answer back, a
// second start is refused meanwhile, and the answer arrives whole; a body
// without a length ends only at an orderly close.
#include "news/AsyncHttpGet.h"
#include "news/HttpClient.h"
#include "news/NewsEndpoint.h"
#include "tests/news/support/ScriptedServer.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
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
        ASSERT_TRUE(fetch.Start("127.0.0.1", kHeadlinePath, kHeadlineVersion, server.Port(),
                                [&](int r, std::string_view b) {
                                    result = r;
                                    body = b;
                                }));
        RunMessagesUntil([&] { return result != 1; });
        server.Join();
        EXPECT_EQ(result, reset ? kHttpNoResponse : kHttpOk) << (reset ? "reset" : "closed");
        EXPECT_EQ(body, reset ? "" : "*L\tpart of a tit") << (reset ? "reset" : "closed");
    }
}

}  // namespace
