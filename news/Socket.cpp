// The platform-neutral part of the socket layer: the name lookup, which both
// systems offer as getaddrinfo.
#include "news/Socket.h"

#include "news/SocketSystem.h"

#include <cstring>

namespace news {

bool ResolveIPv4(const char* host, Ipv4Address& address) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host, nullptr, &hints, &found) != 0 || found == nullptr) return false;
    const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    std::memcpy(address.octets, &ipv4->sin_addr, sizeof address.octets);
    freeaddrinfo(found);
    return true;
}

}  // namespace news
