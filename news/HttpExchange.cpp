#include "news/HttpExchange.h"

#include "base/AsciiText.h"

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

}  // namespace

ExchangeStep HttpExchange::Start(std::string_view host, std::string_view path, std::string_view version,
                                 std::uint16_t port) {
    host_.assign(host);
    port_ = port;
    request_ = "GET /";
    request_.append(path).append(" HTTP/1.1\r\nHost:").append(host).append("\r\nVer:").append(version);
    request_ += "\r\n\r\n";
    received_.clear();
    body_ = {};
    phase_ = Phase::Resolving;
    if (host.empty() || host.find('\0') != std::string_view::npos || IsReservedInvalidName(host))
        return Finish(kHttpHostNotResolved);
    return {ExchangeAction::Resolve, kResolveTimeoutMs};
}

ExchangeStep HttpExchange::Resolved(bool found, const Ipv4Address& address) {
    if (phase_ != Phase::Resolving) return {};
    if (!found) return Finish(kHttpHostNotResolved);
    address_ = address;
    phase_ = Phase::Connecting;
    return {ExchangeAction::Connect, kConnectTimeoutMs};
}

ExchangeStep HttpExchange::NoSocket() { return phase_ == Phase::Connecting ? Finish(kHttpNoSocket) : ExchangeStep{}; }

ExchangeStep HttpExchange::Connected(bool connected) {
    if (phase_ != Phase::Connecting) return {};
    if (!connected) return Finish(kHttpConnectFailed);
    // The request and the response share one buffer of kExchangeBufferSize.
    if (request_.size() >= kExchangeBufferSize) return Finish(kHttpSendFailed);
    phase_ = Phase::Sending;
    return {ExchangeAction::Send, kResponseTimeoutMs};
}

ExchangeStep HttpExchange::Sent(long count) {
    if (phase_ != Phase::Sending) return {};
    if (count != static_cast<long>(request_.size())) return Finish(kHttpSendFailed);
    phase_ = Phase::Receiving;
    return Examine(StreamState::Open);
}

ExchangeStep HttpExchange::Received(std::string_view bytes) {
    if (phase_ != Phase::Receiving) return {};
    received_.append(bytes.substr(0, Room()));
    return Examine(Room() == 0 ? StreamState::BufferFull : StreamState::Open);
}

ExchangeStep HttpExchange::Closed() {
    if (phase_ == Phase::Receiving) return Examine(StreamState::Closed);
    return Failed();
}

ExchangeStep HttpExchange::Failed() {
    switch (phase_) {
        case Phase::Idle:
        case Phase::Resolving: return {};
        case Phase::Connecting: return Finish(kHttpConnectFailed);
        case Phase::Sending: return Finish(kHttpSendFailed);
        case Phase::Receiving: break;
    }
    return Finish(kHttpNoResponse);
}

ExchangeStep HttpExchange::TimedOut() {
    switch (phase_) {
        case Phase::Idle: return {};
        case Phase::Resolving: return Finish(kHttpHostNotResolved);
        case Phase::Connecting: return Finish(kHttpConnectFailed);
        case Phase::Sending:
        case Phase::Receiving: break;
    }
    return Finish(kHttpNoResponse);
}

ExchangeStep HttpExchange::Examine(StreamState stream) {
    const ResponseView view = ExamineResponse(received_, stream);
    if (view.state == ResponseState::NeedMore) return {};
    const int result = ResultOf(view.state);
    if (result == kHttpOk) body_ = std::string_view(received_).substr(view.bodyOffset, view.bodyLength);
    return Finish(result);
}

ExchangeStep HttpExchange::Finish(int result) {
    phase_ = Phase::Idle;
    return {ExchangeAction::Finish, 0, result};
}

}  // namespace news
