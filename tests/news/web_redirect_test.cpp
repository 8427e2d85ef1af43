// Which redirects a web GET follows: only to an absolute https address.
#include "news/WebGet.h"

#include <gtest/gtest.h>

namespace {

TEST(WebGetRedirect, OnlyToAbsoluteHttps) {
    const struct {
        const char* location;
        bool allowed;
    } cases[] = {
        {"https://raw.example/2031.json", true},
        {"HTTPS://raw.example/2031.json", true},
        {"http://raw.example/2031.json", false},
        {"/2031.json", false},
        {"//raw.example/2031.json", false},
        {"https://", false},
        {"https:///2031.json", false},
        {"https://raw.example/a b", false},
        {"ftp://raw.example/", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(news::RedirectAllowed(c.location), c.allowed) << c.location;
}

}  // namespace
