// Which headline links may be handed to the browser: web addresses only.
#include "news/Headline.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using news::IsOpenableLink;

TEST(LinkCheck, WebAddressesInAnyCase) {
    const char* const links[] = {
        "http://news.example/a?id=1",
        "https://news.example/",
        "HTTPS://NEWS.EXAMPLE/",
        "Http://news.example",
        "hTtPs://x",
        "http://news.example/\xD0\xC2\xCE\xC5",  // GBK bytes in the path
    };
    for (const char* link : links) EXPECT_TRUE(IsOpenableLink(link)) << link;
}

TEST(LinkCheck, AnythingThatCouldStartAProgramOrOpenAFile) {
    const char* const links[] = {
        "",
        "file:///C:/Windows/System32/calc.exe",
        "FILE://server/share/run.bat",
        "C:\\Windows\\System32\\cmd.exe",
        "\\\\server\\share\\setup.exe",
        "calc.exe",
        "javascript:alert(1)",
        "JavaScript://%0Aalert(1)",
        "mailto:someone@news.example",
        "ftp://news.example/file",
        "ms-settings:",
        "news.example/page",
        "//news.example/page",
        "http:news.example",
        "http:/news.example",
        "https:/news.example",
        "httpx://news.example",
        " http://news.example/",
        "\thttp://news.example/",
        "http://",
        "HTTPS://",
    };
    for (const char* link : links) EXPECT_FALSE(IsOpenableLink(link)) << '"' << link << '"';
}

TEST(LinkCheck, NoArgumentsSmuggledAfterTheAddress) {
    // The browser is started with the link as its argument; a quote, space or
    // line break could end that argument and add others.
    const std::string links[] = {
        "http://news.example/\" --user-data-dir=C:\\x",
        "http://news.example/ a",
        "http://news.example/\r\nfile:///C:/x",
        "http://news.example/\n",
        "http://news.example/\x7F",
        std::string("http://news.example/\0file:///C:/x", 33),
    };
    for (const std::string& link : links) EXPECT_FALSE(IsOpenableLink(link)) << link;
}

}  // namespace
