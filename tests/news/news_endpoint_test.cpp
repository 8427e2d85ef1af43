// The news server setting: "host" or "host:port".
#include "news/NewsEndpoint.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace news;

TEST(NewsEndpoint, DefaultIsUnderTheReservedExampleDomain) {
    const std::string host = kDefaultNewsHost;
    ASSERT_GE(host.size(), 8u);
    EXPECT_EQ(host.substr(host.size() - 8), ".example");
    const NewsEndpoint defaults;
    EXPECT_EQ(defaults.host, host);
    EXPECT_EQ(defaults.port, 80);
    EXPECT_TRUE(ParseNewsEndpoint(kDefaultNewsHost).has_value());
}

TEST(NewsEndpoint, ReadsHostAndPort) {
    struct Case {
        const char* setting;
        const char* host;
        int port;
    };
    const Case cases[] = {
        {"news.example", "news.example", 80},
        {"news.example:8080", "news.example", 8080},
        {"127.0.0.1:1", "127.0.0.1", 1},
        {"localhost:65535", "localhost", 65535},
        {"my_host-2.example:080", "my_host-2.example", 80},
        {"Host.Example", "Host.Example", 80},
    };
    for (const Case& c : cases) {
        const std::optional<NewsEndpoint> endpoint = ParseNewsEndpoint(c.setting);
        ASSERT_TRUE(endpoint.has_value()) << c.setting;
        EXPECT_EQ(endpoint->host, c.host) << c.setting;
        EXPECT_EQ(endpoint->port, c.port) << c.setting;
    }
}

TEST(NewsEndpoint, RejectsBadSettings) {
    const std::string tooLongHost(254, 'a');
    const std::string settings[] = {
        "",
        ":80",
        "news.example:",
        "news.example:0",
        "news.example:65536",
        "news.example:99999",
        "news.example:123456",
        "news.example:-1",
        "news.example:+80",
        "news.example:80a",
        "news.example: 80",
        "news.example:80:81",
        " news.example",
        "news.example ",
        "news example",
        "news.example\r\nX-Other: 1",
        "news.example/path",
        "http://news.example",
        "[::1]:80",
        "::1",
        tooLongHost,
        std::string("news\0.example", 13),
    };
    for (const std::string& setting : settings) EXPECT_FALSE(ParseNewsEndpoint(setting).has_value()) << setting;
    EXPECT_TRUE(ParseNewsEndpoint(std::string(253, 'a')).has_value()) << "longest host name";
}

}  // namespace
