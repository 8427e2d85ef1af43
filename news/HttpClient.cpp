#include "news/HttpClient.h"

#include "news/HttpExchange.h"
#include "news/Socket.h"

#include <cstring>

namespace news {

int HttpGet(char* body, std::size_t& bodyLength, const char* host, const char* path, const char* version,
            std::uint16_t port) {
    HttpExchange exchange;
    ExchangeStep step = exchange.Start(host ? host : "", path ? path : "", version ? version : "", port);
    Socket connection;
    std::int64_t deadline = 0;
    char chunk[kExchangeBufferSize];
    for (;;) {
        if (step.timerMs > 0) deadline = MonotonicMilliseconds() + step.timerMs;
        switch (step.action) {
            case ExchangeAction::Resolve: {
                // The system's lookup blocks with its own limit.
                Ipv4Address address;
                const bool found = ResolveIPv4(exchange.Host().c_str(), address);
                step = exchange.Resolved(found, address);
                break;
            }
            case ExchangeAction::Connect:
                connection = Socket::OpenTcp();
                step = connection.IsOpen() ? exchange.Connected(connection.Connect(exchange.Address(), exchange.Port(),
                                                                                   step.timerMs))
                                           : exchange.NoSocket();
                break;
            case ExchangeAction::Send:
                step = exchange.Sent(connection.Send(exchange.Request().data(), exchange.Request().size()));
                break;
            case ExchangeAction::Wait: {
                const std::int64_t left = deadline - MonotonicMilliseconds();
                if (left <= 0) {
                    step = exchange.TimedOut();
                    break;
                }
                const ReceiveResult got = connection.Receive(chunk, exchange.Room(), static_cast<int>(left));
                switch (got.status) {
                    case ReceiveStatus::Data: step = exchange.Received({chunk, got.count}); break;
                    case ReceiveStatus::Closed: step = exchange.Closed(); break;
                    case ReceiveStatus::TimedOut: step = exchange.TimedOut(); break;
                    case ReceiveStatus::Failed: step = exchange.Failed(); break;
                }
                break;
            }
            case ExchangeAction::Finish: {
                connection.ShutdownBoth();
                if (step.result != kHttpOk) return step.result;
                const std::string_view delivered = exchange.Body();
                const std::size_t length = delivered.size() < bodyLength ? delivered.size() : bodyLength;
                std::memcpy(body, delivered.data(), length);
                body[length] = '\0';
                bodyLength = length;
                return kHttpOk;
            }
        }
    }
}

}  // namespace news
