// Connecting gives up at its own time limit rather than waiting for the
// system's connect time-out, which can be far longer.
#include "news/Socket.h"
#include "tests/news/support/LoopbackListener.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace news;

TEST(ConnectTimeout, GivesUpWhenNobodyAnswers) {
    SocketLibrary library;
    // A listener whose queue is full leaves further connection requests
    // unanswered, as an unreachable host does.
    newstest::LoopbackListener listener(0);
    ASSERT_TRUE(listener.IsListening());
    const Ipv4Address loopback{{127, 0, 0, 1}};
    constexpr int kLimitMs = 300;

    std::vector<Socket> queued;
    for (int attempt = 0; attempt < 16; ++attempt) {
        Socket socket = Socket::OpenTcp();
        ASSERT_TRUE(socket.IsOpen());
        const std::int64_t start = MonotonicMilliseconds();
        const bool connected = socket.Connect(loopback, listener.Port(), kLimitMs);
        const std::int64_t elapsed = MonotonicMilliseconds() - start;
        if (!connected) {
            EXPECT_GE(elapsed, kLimitMs - 20) << "gave up before the limit";
            EXPECT_LT(elapsed, kLimitMs + 1500) << "waited well past the limit";
            return;
        }
        queued.push_back(std::move(socket));
    }
    FAIL() << "no connect was held back by the full queue";
}

TEST(ConnectTimeout, RefusedConnectFailsAtOnce) {
    SocketLibrary library;
    newstest::LoopbackListener listener;
    ASSERT_TRUE(listener.IsListening());
    const std::uint16_t port = listener.Port();
    listener.Close();

    Socket socket = Socket::OpenTcp();
    const std::int64_t start = MonotonicMilliseconds();
    EXPECT_FALSE(socket.Connect(Ipv4Address{{127, 0, 0, 1}}, port, 5000));
    EXPECT_LT(MonotonicMilliseconds() - start, 2000);
}

}  // namespace
