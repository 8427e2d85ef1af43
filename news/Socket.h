// A very small TCP socket layer for the headline client: Winsock 2.2 in the
// Windows build, POSIX sockets in the native build. Only what one HTTP
// exchange needs: start-up, an IPv4 lookup, a connect with a time limit,
// send, receive with a time limit, shutdown and close.
#pragma once

#include "base/UniqueHandle.h"

#include <cstddef>
#include <cstdint>

namespace news {

// The operating system's socket handle (a SOCKET or a file descriptor).
using NativeSocket = std::uintptr_t;
inline constexpr NativeSocket kNoSocket = ~NativeSocket{0};

// Starts the socket library for as long as the object lives (WSAStartup
// 2.2 on Windows; nothing to do elsewhere).
class SocketLibrary {
public:
    SocketLibrary();
    ~SocketLibrary();
    SocketLibrary(const SocketLibrary&) = delete;
    SocketLibrary& operator=(const SocketLibrary&) = delete;

    bool Started() const { return started_; }

private:
    bool started_ = false;
};

struct Ipv4Address {
    std::uint8_t octets[4] = {};  // network order: 127, 0, 0, 1
};

// First IPv4 address the system's lookup gives for `host` (a name or a
// dotted address); false when there is none.
[[nodiscard]] bool ResolveIPv4(const char* host, Ipv4Address& address);

// Milliseconds of a clock that never goes back, for time limits.
std::int64_t MonotonicMilliseconds();

enum class ReceiveStatus {
    Data,      // `count` bytes arrived
    Closed,    // the peer closed its side in order; nothing more will come
    TimedOut,  // nothing arrived within the time limit
    Failed,    // the connection broke or was reset
};

struct ReceiveResult {
    ReceiveStatus status = ReceiveStatus::Failed;
    std::size_t count = 0;
};

// How a socket handle is closed: closesocket on Windows, close elsewhere.
struct SocketTraits {
    using Handle = NativeSocket;
    static constexpr Handle Invalid() { return kNoSocket; }
    static int Close(Handle handle);  // 0, or -1
};

// An owned TCP socket, closed when the object goes away. Move-only.
class Socket {
public:
    Socket() = default;
    explicit Socket(NativeSocket handle) : handle_(handle) {}

    // A new IPv4 stream socket; not open when the system refuses one.
    [[nodiscard]] static Socket OpenTcp();

    bool IsOpen() const { return static_cast<bool>(handle_); }
    NativeSocket Native() const { return handle_.get(); }

    // Connects without blocking the caller for longer than `timeoutMs`;
    // false when refused, unreachable or not answered in time. The socket
    // is blocking again afterwards.
    [[nodiscard]] bool Connect(const Ipv4Address& address, std::uint16_t port, int timeoutMs);

    // One send call; the number of bytes the system took, or -1.
    [[nodiscard]] long Send(const char* data, std::size_t length);

    // Waits up to `timeoutMs` for data and takes at most `capacity` (> 0) bytes.
    [[nodiscard]] ReceiveResult Receive(char* buffer, std::size_t capacity, int timeoutMs);

    // After a receive found the end of the stream: true when the peer reset
    // the connection rather than closing it in order. Wine shows a reset to
    // recv and FD_CLOSE as an orderly end; a send of nothing tells them
    // apart, for a reset connection takes nothing more.
    [[nodiscard]] bool WasReset();

    // Ends both directions; the handle stays open until Close.
    void ShutdownBoth();
    // Nothing is left to send or receive, so a failing close changes nothing.
    void Close() { (void)handle_.Close(); }

private:
    base::UniqueHandle<SocketTraits> handle_;
};

}  // namespace news
