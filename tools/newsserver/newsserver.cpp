// A tiny loopback news server for trying the headline strip by hand.
//
//     newsserver PORT FILE
//
// Listens on 127.0.0.1:PORT (0: any free port, which is printed) and
// answers every request with the next headline line of FILE, in turn. A
// headline line is "*", the link, a TAB and the title, in GBK; blank lines
// are skipped. FILE is read again for every request, so it can be edited
// while the server runs.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kMaxRequestBytes = 4096;

std::vector<std::string> ReadHeadlines(const char* path, bool& readable) {
    std::ifstream file(path, std::ios::binary);
    readable = static_cast<bool>(file);
    std::vector<std::string> headlines;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") != std::string::npos) headlines.push_back(line);
    }
    return headlines;
}

// The request up to its blank line; empty when the client sent none in time.
std::string ReadRequest(int client) {
    std::string request;
    char chunk[512];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < kMaxRequestBytes) {
        const ssize_t got = recv(client, chunk, sizeof chunk, 0);
        if (got <= 0) return {};
        request.append(chunk, static_cast<std::size_t>(got));
    }
    return request;
}

void SendAll(int client, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = send(client, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return;
        sent += static_cast<std::size_t>(n);
    }
}

std::string Response(const char* status, const std::string& body) {
    return std::string("HTTP/1.1 ") + status +
           "\r\nContent-Type: text/plain; charset=GBK\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

int Listen(int port) {
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    if (listener < 0) return -1;
    const int reuse = 1;
    setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    local.sin_port = htons(static_cast<std::uint16_t>(port));
    if (bind(listener, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0 || listen(listener, 8) != 0) {
        close(listener);
        return -1;
    }
    return listener;
}

int BoundPort(int listener) {
    sockaddr_in local{};
    socklen_t size = sizeof local;
    getsockname(listener, reinterpret_cast<sockaddr*>(&local), &size);
    return ntohs(local.sin_port);
}

}  // namespace

int main(int argc, char** argv) {
    char* end = nullptr;
    const long port = argc == 3 ? std::strtol(argv[1], &end, 10) : -1;
    if (argc != 3 || end == argv[1] || *end != '\0' || port < 0 || port > 65535) {
        std::fprintf(stderr, "usage: newsserver PORT FILE\n");
        return 2;
    }
    const char* path = argv[2];
    const int listener = Listen(static_cast<int>(port));
    if (listener < 0) {
        std::perror("newsserver: listen");
        return 1;
    }
    std::printf("newsserver: serving %s on 127.0.0.1:%d\n", path, BoundPort(listener));
    std::fflush(stdout);

    std::size_t next = 0;
    for (;;) {
        const int client = accept(listener, nullptr, nullptr);
        if (client < 0) {
            if (errno == EINTR) continue;
            std::perror("newsserver: accept");
            return 1;
        }
        // A client that connects and says nothing must not hold the server up.
        const timeval limit{5, 0};
        setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);

        const std::string request = ReadRequest(client);
        if (!request.empty()) {
            std::printf("%s\n", request.substr(0, request.find("\r\n")).c_str());
            bool readable = false;
            const std::vector<std::string> headlines = ReadHeadlines(path, readable);
            if (!readable) {
                std::fprintf(stderr, "newsserver: cannot read %s\n", path);
                SendAll(client, Response("500 Internal Server Error", ""));
            } else if (headlines.empty()) {
                SendAll(client, Response("200 OK", ""));
            } else {
                SendAll(client, Response("200 OK", headlines[next++ % headlines.size()]));
            }
            std::fflush(stdout);
        }
        shutdown(client, SHUT_RDWR);
        close(client);
    }
}
