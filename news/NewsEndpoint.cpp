#include "news/NewsEndpoint.h"

#include "base/AsciiText.h"

namespace news {

namespace {

constexpr std::size_t kMaxHostLength = 253;

bool IsHostCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || base::IsAsciiDigit(c) || c == '-' || c == '.' ||
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
    const base::DecimalDigits read = base::ReadDecimalDigits(digits, 65535 + 1);
    if (read.count != digits.size() || read.value == 0 || read.value > 65535) return false;
    port = static_cast<std::uint16_t>(read.value);
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
