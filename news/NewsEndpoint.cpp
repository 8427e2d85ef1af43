#include "news/NewsEndpoint.h"

namespace news {

namespace {

constexpr std::size_t kMaxHostLength = 253;

bool IsHostCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_';
}

bool IsValidHost(std::string_view host) {
    if (host.empty() || host.size() > kMaxHostLength) return false;
    for (char c : host) {
        if (!IsHostCharacter(c)) return false;
    }
    return true;
}

bool ReadPort(std::string_view digits, std::uint16_t& port) {
    if (digits.empty() || digits.size() > 5) return false;
    unsigned value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value == 0 || value > 65535) return false;
    port = static_cast<std::uint16_t>(value);
    return true;
}

}  // namespace

std::optional<NewsEndpoint> ParseNewsEndpoint(std::string_view setting) {
    const std::size_t colon = setting.find(':');
    const std::string_view host = setting.substr(0, colon);
    if (!IsValidHost(host)) return std::nullopt;

    NewsEndpoint endpoint;
    endpoint.host = std::string(host);
    if (colon != std::string_view::npos && !ReadPort(setting.substr(colon + 1), endpoint.port)) return std::nullopt;
    return endpoint;
}

}  // namespace news
