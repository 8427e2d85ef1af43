// Where the headlines come from. The server is deployment configuration:
// a "host" or "host:port" setting, or the default below, which lies under
// the reserved .example domain so that nothing real is contacted unless a
// server has been configured.
#pragma once

#include "news/HttpClient.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace news {

inline constexpr char kDefaultNewsHost[] = "news.veltrano.example";

// The headline request: GET /link230/ with "Ver:1.2".
inline constexpr char kHeadlinePath[] = "link230/";
inline constexpr char kHeadlineVersion[] = "1.2";

struct NewsEndpoint {
    std::string host = kDefaultNewsHost;
    std::uint16_t port = kHttpDefaultPort;
};

// Reads "host" (port 80) or "host:port". The host is letters, digits, '-',
// '.' and '_' (at most 253 of them); the port is 1..65535 in decimal
// digits. Nothing for anything else, so the caller keeps the default.
[[nodiscard]] std::optional<NewsEndpoint> ParseNewsEndpoint(std::string_view setting);

}  // namespace news
