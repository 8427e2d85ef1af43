#include "tests/news/support/LoopbackListener.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <winsock2.h>

#include <utility>

namespace newstest {

LoopbackListener::LoopbackListener(int backlog) {
    news::Socket candidate = news::Socket::OpenTcp();
    if (!candidate.IsOpen()) return;
    const SOCKET s = static_cast<SOCKET>(candidate.Native());
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    local.sin_port = 0;
    int size = sizeof local;
    if (bind(s, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0 || listen(s, backlog) != 0 ||
        getsockname(s, reinterpret_cast<sockaddr*>(&local), &size) != 0) {
        return;
    }
    port_ = ntohs(local.sin_port);
    socket_ = std::move(candidate);
}

news::Socket LoopbackListener::Accept(int timeoutMs) {
    if (!IsListening()) return {};
    const SOCKET s = static_cast<SOCKET>(socket_.Native());
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(s, &readable);
    timeval limit{};
    limit.tv_sec = timeoutMs / 1000;
    limit.tv_usec = (timeoutMs % 1000) * 1000;
    if (select(0, &readable, nullptr, nullptr, &limit) != 1) return {};
    const SOCKET client = accept(s, nullptr, nullptr);
    return client == INVALID_SOCKET ? news::Socket() : news::Socket(static_cast<news::NativeSocket>(client));
}

void ResetConnection(news::Socket& connection) {
    if (!connection.IsOpen()) return;
    const linger abort{1, 0};
    setsockopt(static_cast<SOCKET>(connection.Native()), SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abort),
               sizeof abort);
    connection.Close();
}

}  // namespace newstest
