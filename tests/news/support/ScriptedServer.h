// A one-connection server on 127.0.0.1 that plays a script from a thread:
// it accepts the client, runs the script on the connection, then shuts the
// connection down and closes it. The test joins it before looking at what
// the script recorded.
#pragma once

#include "news/Socket.h"
#include "tests/news/support/LoopbackListener.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <thread>

namespace newstest {

class ScriptedServer {
public:
    using Script = std::function<void(news::Socket& connection)>;

    explicit ScriptedServer(Script script);
    ~ScriptedServer() { Join(); }
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;

    bool IsListening() const { return listener_.IsListening(); }
    std::uint16_t Port() const { return port_; }

    // Waits for the script to end; afterwards WasConnected tells whether a
    // client came at all.
    void Join();
    bool WasConnected() const { return connected_; }

private:
    news::SocketLibrary library_;
    LoopbackListener listener_;
    std::uint16_t port_ = 0;
    bool connected_ = false;
    std::thread thread_;
};

// Steps for scripts.

// The bytes up to and including the first "\r\n\r\n", or what came before
// the client closed or `timeoutMs` passed.
std::string ReadRequest(news::Socket& connection, int timeoutMs = 5000);

// Sends every byte, in as many calls as the system needs; false when the
// client has gone.
bool SendAll(news::Socket& connection, std::string_view bytes);

void Pause(int milliseconds);

// Reads and drops whatever comes until the client closes; false when it
// has not closed within `timeoutMs`.
bool WaitForClientClose(news::Socket& connection, int timeoutMs);

}  // namespace newstest
