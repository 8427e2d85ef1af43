#include "tests/news/support/ScriptedServer.h"

#include <chrono>

namespace newstest {

namespace {

// Long enough for any client in these tests to connect; a test whose client
// never comes fails after this rather than hanging.
constexpr int kAcceptTimeoutMs = 15000;

}  // namespace

ScriptedServer::ScriptedServer(Script script) : port_(listener_.Port()) {
    if (!listener_.IsListening()) return;
    thread_ = std::thread([this, play = std::move(script)] {
        news::Socket connection = listener_.Accept(kAcceptTimeoutMs);
        listener_.Close();
        if (!connection.IsOpen()) return;
        connected_ = true;
        play(connection);
        connection.ShutdownBoth();
    });
}

void ScriptedServer::Join() {
    if (thread_.joinable()) thread_.join();
}

std::string ReadRequest(news::Socket& connection, int timeoutMs) {
    const std::int64_t deadline = news::MonotonicMilliseconds() + timeoutMs;
    std::string request;
    char chunk[512];
    while (request.find("\r\n\r\n") == std::string::npos) {
        const std::int64_t left = deadline - news::MonotonicMilliseconds();
        if (left <= 0) break;
        const news::ReceiveResult got = connection.Receive(chunk, sizeof chunk, static_cast<int>(left));
        if (got.status != news::ReceiveStatus::Data) break;
        request.append(chunk, got.count);
    }
    return request;
}

bool SendAll(news::Socket& connection, std::string_view bytes) {
    while (!bytes.empty()) {
        const long sent = connection.Send(bytes.data(), bytes.size());
        if (sent <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

void Pause(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

bool WaitForClientClose(news::Socket& connection, int timeoutMs) {
    const std::int64_t deadline = news::MonotonicMilliseconds() + timeoutMs;
    char chunk[512];
    for (;;) {
        const std::int64_t left = deadline - news::MonotonicMilliseconds();
        if (left <= 0) return false;
        const news::ReceiveResult got = connection.Receive(chunk, sizeof chunk, static_cast<int>(left));
        if (got.status == news::ReceiveStatus::Closed || got.status == news::ReceiveStatus::Failed) return true;
        if (got.status == news::ReceiveStatus::TimedOut) return false;
    }
}

}  // namespace newstest
