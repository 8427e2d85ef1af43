#include "tests/news/support/LoopbackListener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <utility>

namespace newstest {

LoopbackListener::LoopbackListener(int backlog) {
    news::Socket candidate = news::Socket::OpenTcp();
    if (!candidate.IsOpen()) return;
    const int fd = static_cast<int>(candidate.Native());
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    local.sin_port = 0;
    socklen_t size = sizeof local;
    if (bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0 || listen(fd, backlog) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&local), &size) != 0) {
        return;
    }
    port_ = ntohs(local.sin_port);
    socket_ = std::move(candidate);
}

news::Socket LoopbackListener::Accept(int timeoutMs) {
    if (!IsListening()) return {};
    pollfd entry{};
    entry.fd = static_cast<int>(socket_.Native());
    entry.events = POLLIN;
    if (poll(&entry, 1, timeoutMs) != 1) return {};
    const int client = accept(entry.fd, nullptr, nullptr);
    return client < 0 ? news::Socket() : news::Socket(static_cast<news::NativeSocket>(client));
}

void ResetConnection(news::Socket& connection) {
    if (!connection.IsOpen()) return;
    const linger abort{1, 0};
    setsockopt(static_cast<int>(connection.Native()), SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    connection.Close();
}

}  // namespace newstest
