// The course of one HTTP GET (see HttpClient.h for the request, the limits
// and the result codes) as a state machine with no socket of its own. The
// driver tells it what happened (the name resolved, the connection made,
// bytes arrived, the timer fired) and carries out the step it answers
// with. HttpGet drives it with blocking calls; AsyncHttpGet with socket
// notifications, so that a window's thread never waits on the network.
#pragma once

#include "news/HttpClient.h"
#include "news/HttpResponse.h"
#include "news/Socket.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace news {

// A name lookup may take as long as a connect.
inline constexpr int kResolveTimeoutMs = 5000;

enum class ExchangeAction {
    Wait,     // nothing to do until the next event
    Resolve,  // look up Host()
    Connect,  // open a TCP socket and connect it to Address():Port()
    Send,     // one send of Request(); report the count with Sent
    Finish,   // shut the socket down and close it; the fetch ended with `result`
};

struct ExchangeStep {
    ExchangeAction action = ExchangeAction::Wait;
    int timerMs = 0;  // > 0: (re)start the one timer to fire in this many ms
    int result = 0;   // with Finish: an HttpResult

    bool operator==(const ExchangeStep&) const = default;
};

class HttpExchange {
public:
    // Begins a fetch; any earlier one is forgotten.
    [[nodiscard]] ExchangeStep Start(std::string_view host, std::string_view path, std::string_view version,
                                     std::uint16_t port);

    [[nodiscard]] ExchangeStep Resolved(bool found, const Ipv4Address& address);
    [[nodiscard]] ExchangeStep NoSocket();
    [[nodiscard]] ExchangeStep Connected(bool connected);
    // What the one send call returned: the bytes taken, or -1.
    [[nodiscard]] ExchangeStep Sent(long count);
    // Bytes received; at most Room() of them are kept.
    [[nodiscard]] ExchangeStep Received(std::string_view bytes);
    // The server closed its side.
    [[nodiscard]] ExchangeStep Closed();
    // The connection broke.
    [[nodiscard]] ExchangeStep Failed();
    [[nodiscard]] ExchangeStep TimedOut();

    bool Running() const { return phase_ != Phase::Idle; }
    const std::string& Host() const { return host_; }
    const Ipv4Address& Address() const { return address_; }
    std::uint16_t Port() const { return port_; }
    const std::string& Request() const { return request_; }
    // How many more response bytes can be taken.
    std::size_t Room() const { return kMaxResponseBytes - received_.size(); }
    // After Finish with kHttpOk: the body, uncut.
    std::string_view Body() const { return body_; }

private:
    enum class Phase { Idle, Resolving, Connecting, Sending, Receiving };

    ExchangeStep Finish(int result);
    ExchangeStep Examine(StreamState stream);

    Phase phase_ = Phase::Idle;
    std::string host_;
    std::string request_;
    std::uint16_t port_ = 0;
    Ipv4Address address_;
    std::string received_;
    std::string_view body_;
};

}  // namespace news
