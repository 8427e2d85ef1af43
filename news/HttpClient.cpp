#include "news/HttpClient.h"

#include "base/AsciiText.h"
#include "news/HttpResponse.h"
#include "news/Socket.h"

#include <cstdio>
#include <cstring>
#include <string_view>

namespace news {

namespace {

// RFC 6761: names under "invalid." never resolve, so they are answered
// here without asking any name server.
bool IsReservedInvalidName(std::string_view host) {
    if (!host.empty() && host.back() == '.') host.remove_suffix(1);
    return base::EndsWithIgnoringAsciiCase(host, ".invalid") || base::EqualsIgnoringAsciiCase(host, "invalid");
}

int ResultOf(ResponseState state) {
    switch (state) {
        case ResponseState::Complete: return kHttpOk;
        case ResponseState::MalformedHeaders: return kHttpMalformedHeaders;
        case ResponseState::NotSuccess: return kHttpNotSuccess;
        case ResponseState::NeedMore:
        case ResponseState::Incomplete: break;
    }
    return kHttpNoResponse;
}

// Receives into `exchange` (kExchangeBufferSize bytes) until the response
// is whole, the buffer is full, the server closes, or the time is up.
int ReceiveResponse(Socket& connection, char* exchange, char* body, std::size_t& bodyLength) {
    const std::int64_t deadline = MonotonicMilliseconds() + kResponseTimeoutMs;
    std::size_t received = 0;
    ResponseView view;
    for (;;) {
        const StreamState stream = received == kMaxResponseBytes ? StreamState::BufferFull : StreamState::Open;
        view = ExamineResponse(std::string_view(exchange, received), stream);
        if (view.state != ResponseState::NeedMore) break;

        const std::int64_t left = deadline - MonotonicMilliseconds();
        if (left <= 0) return kHttpNoResponse;
        const ReceiveResult got =
            connection.Receive(exchange + received, kMaxResponseBytes - received, static_cast<int>(left));
        if (got.status == ReceiveStatus::Data) {
            received += got.count;
            continue;
        }
        if (got.status != ReceiveStatus::Closed) return kHttpNoResponse;
        view = ExamineResponse(std::string_view(exchange, received), StreamState::Closed);
        break;
    }

    const int result = ResultOf(view.state);
    if (result != kHttpOk) return result;
    const std::size_t length = view.bodyLength < bodyLength ? view.bodyLength : bodyLength;
    std::memcpy(body, exchange + view.bodyOffset, length);
    body[length] = '\0';
    bodyLength = length;
    return kHttpOk;
}

}  // namespace

int HttpGet(char* body, std::size_t& bodyLength, const char* host, const char* path, const char* version,
            std::uint16_t port) {
    if (host == nullptr || *host == '\0' || IsReservedInvalidName(host)) return kHttpHostNotResolved;
    Ipv4Address address;
    if (!ResolveIPv4(host, address)) return kHttpHostNotResolved;

    Socket connection = Socket::OpenTcp();
    if (!connection.IsOpen()) return kHttpNoSocket;
    if (!connection.Connect(address, port, kConnectTimeoutMs)) return kHttpConnectFailed;

    char exchange[kExchangeBufferSize];
    const int requestLength =
        std::snprintf(exchange, sizeof exchange, "GET /%s HTTP/1.1\r\nHost:%s\r\nVer:%s\r\n\r\n", path, host, version);
    const bool fits = requestLength > 0 && static_cast<std::size_t>(requestLength) < sizeof exchange;
    int result = kHttpSendFailed;
    if (fits && connection.Send(exchange, static_cast<std::size_t>(requestLength)) == requestLength) {
        result = ReceiveResponse(connection, exchange, body, bodyLength);
    }
    connection.ShutdownBoth();
    return result;
}

}  // namespace news
