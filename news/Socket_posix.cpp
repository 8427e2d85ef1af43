// The socket layer over POSIX sockets (native build).
#include "news/Socket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace news {

namespace {

int Fd(NativeSocket handle) { return static_cast<int>(handle); }

// Waits for `events` on the socket, restarting after signals with the time
// that is left. 1 ready, 0 timed out, -1 failed.
int WaitFor(int fd, short events, int timeoutMs) {
    const std::int64_t deadline = MonotonicMilliseconds() + timeoutMs;
    for (;;) {
        pollfd entry{};
        entry.fd = fd;
        entry.events = events;
        const std::int64_t left = deadline - MonotonicMilliseconds();
        const int ready = poll(&entry, 1, left > 0 ? static_cast<int>(left) : 0);
        if (ready >= 0) return ready > 0 ? 1 : 0;
        if (errno != EINTR) return -1;
    }
}

}  // namespace

SocketLibrary::SocketLibrary() : started_(true) {}
SocketLibrary::~SocketLibrary() = default;

std::int64_t MonotonicMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

Socket Socket::OpenTcp() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    return fd < 0 ? Socket() : Socket(static_cast<NativeSocket>(fd));
}

bool Socket::Connect(const Ipv4Address& address, std::uint16_t port, int timeoutMs) {
    if (!IsOpen()) return false;
    const int fd = Fd(Native());
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(port);
    std::memcpy(&peer.sin_addr, address.octets, sizeof address.octets);

    const int flags = fcntl(fd, F_GETFL, 0);
    if (flags < 0 || fcntl(fd, F_SETFL, flags | O_NONBLOCK) < 0) return false;

    bool connected = connect(fd, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) == 0;
    if (!connected && errno == EINPROGRESS && WaitFor(fd, POLLOUT, timeoutMs) == 1) {
        int error = 0;
        socklen_t size = sizeof error;
        connected = getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
    }
    return fcntl(fd, F_SETFL, flags) == 0 && connected;
}

long Socket::Send(const char* data, std::size_t length) {
    if (!IsOpen()) return -1;
    // MSG_NOSIGNAL: a peer that has gone away must not end the process.
    return static_cast<long>(send(Fd(Native()), data, length, MSG_NOSIGNAL));
}

ReceiveResult Socket::Receive(char* buffer, std::size_t capacity, int timeoutMs) {
    if (!IsOpen()) return {ReceiveStatus::Failed, 0};
    const int ready = WaitFor(Fd(Native()), POLLIN, timeoutMs);
    if (ready == 0) return {ReceiveStatus::TimedOut, 0};
    if (ready < 0) return {ReceiveStatus::Failed, 0};
    ssize_t got;
    do {
        got = recv(Fd(Native()), buffer, capacity, 0);
    } while (got < 0 && errno == EINTR);
    if (got > 0) return {ReceiveStatus::Data, static_cast<std::size_t>(got)};
    return {got == 0 && !WasReset() ? ReceiveStatus::Closed : ReceiveStatus::Failed, 0};
}

bool Socket::WasReset() { return !IsOpen() || send(Fd(Native()), "", 0, MSG_NOSIGNAL) < 0; }

void Socket::ShutdownBoth() {
    if (IsOpen()) shutdown(Fd(Native()), SHUT_RDWR);
}

int SocketTraits::Close(NativeSocket handle) { return close(Fd(handle)) == 0 ? 0 : -1; }

}  // namespace news
