// The socket layer over Winsock 2.2 (Windows build).
#include "news/Socket.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include <cstring>

namespace news {

namespace {

SOCKET Handle(NativeSocket handle) { return static_cast<SOCKET>(handle); }

timeval ToTimeval(int timeoutMs) {
    if (timeoutMs < 0) timeoutMs = 0;
    timeval limit{};
    limit.tv_sec = timeoutMs / 1000;
    limit.tv_usec = (timeoutMs % 1000) * 1000;
    return limit;
}

bool SetBlocking(SOCKET s, bool blocking) {
    u_long nonBlocking = blocking ? 0 : 1;
    return ioctlsocket(s, FIONBIO, &nonBlocking) == 0;
}

}  // namespace

SocketLibrary::SocketLibrary() {
    WSADATA data{};
    started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

SocketLibrary::~SocketLibrary() {
    if (started_) WSACleanup();
}

std::int64_t MonotonicMilliseconds() { return static_cast<std::int64_t>(GetTickCount64()); }

Socket Socket::OpenTcp() {
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    return s == INVALID_SOCKET ? Socket() : Socket(static_cast<NativeSocket>(s));
}

bool Socket::Connect(const Ipv4Address& address, std::uint16_t port, int timeoutMs) {
    if (!IsOpen()) return false;
    const SOCKET s = Handle(Native());
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(port);
    std::memcpy(&peer.sin_addr, address.octets, sizeof address.octets);

    if (!SetBlocking(s, false)) return false;
    bool connected = connect(s, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) == 0;
    if (!connected && WSAGetLastError() == WSAEWOULDBLOCK) {
        fd_set writable, failed;
        FD_ZERO(&writable);
        FD_ZERO(&failed);
        FD_SET(s, &writable);
        FD_SET(s, &failed);
        timeval limit = ToTimeval(timeoutMs);
        // A refused connect shows up in the failure set, not as writable.
        if (select(0, nullptr, &writable, &failed, &limit) > 0 && FD_ISSET(s, &writable)) {
            int error = 0;
            int size = sizeof error;
            connected = getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) == 0 && error == 0;
        }
    }
    return SetBlocking(s, true) && connected;
}

long Socket::Send(const char* data, std::size_t length) {
    if (!IsOpen()) return -1;
    const int sent = send(Handle(Native()), data, static_cast<int>(length), 0);
    return sent == SOCKET_ERROR ? -1 : sent;
}

ReceiveResult Socket::Receive(char* buffer, std::size_t capacity, int timeoutMs) {
    if (!IsOpen()) return {ReceiveStatus::Failed, 0};
    const SOCKET s = Handle(Native());
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(s, &readable);
    timeval limit = ToTimeval(timeoutMs);
    const int ready = select(0, &readable, nullptr, nullptr, &limit);
    if (ready == 0) return {ReceiveStatus::TimedOut, 0};
    if (ready == SOCKET_ERROR) return {ReceiveStatus::Failed, 0};
    const int got = recv(s, buffer, static_cast<int>(capacity), 0);
    if (got > 0) return {ReceiveStatus::Data, static_cast<std::size_t>(got)};
    return {got == 0 && !WasReset() ? ReceiveStatus::Closed : ReceiveStatus::Failed, 0};
}

bool Socket::WasReset() { return !IsOpen() || send(Handle(Native()), "", 0, 0) == SOCKET_ERROR; }

void Socket::ShutdownBoth() {
    if (IsOpen()) shutdown(Handle(Native()), SD_BOTH);
}

int SocketTraits::Close(NativeSocket handle) { return closesocket(Handle(handle)) == 0 ? 0 : -1; }

}  // namespace news
