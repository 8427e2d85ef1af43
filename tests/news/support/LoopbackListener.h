// A listening TCP socket on 127.0.0.1 at a port the system picks, for the
// scripted servers of the client tests.
#pragma once

#include "news/Socket.h"

#include <cstdint>

namespace newstest {

class LoopbackListener {
public:
    // `backlog` is how many unaccepted connections the system may queue.
    explicit LoopbackListener(int backlog = 8);

    bool IsListening() const { return socket_.IsOpen(); }
    std::uint16_t Port() const { return port_; }

    // The next connection, or a closed Socket when none comes in time.
    news::Socket Accept(int timeoutMs);

    // Stops listening; connects to the port are refused from now on.
    void Close() { socket_.Close(); }

private:
    news::Socket socket_;
    std::uint16_t port_ = 0;
};

// Ends `connection` with a reset rather than an orderly close: SO_LINGER
// with a zero time, then close. The client sees a connection reset.
void ResetConnection(news::Socket& connection);

}  // namespace newstest
