// The course of one fetch as events and steps, with no socket: what each
// event leads to in every phase, and what a late event after the end does.
#include "news/HttpExchange.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace news;

enum class Ev { Resolved, NotFound, NoSocket, Connected, Refused, SentAll, SentShort, Bytes, Closed, Failed, Timer };

struct Event {
    Ev kind;
    std::string bytes = {};
};

ExchangeStep Feed(HttpExchange& x, const Event& e) {
    switch (e.kind) {
        case Ev::Resolved: return x.Resolved(true, Ipv4Address{{127, 0, 0, 1}});
        case Ev::NotFound: return x.Resolved(false, {});
        case Ev::NoSocket: return x.NoSocket();
        case Ev::Connected: return x.Connected(true);
        case Ev::Refused: return x.Connected(false);
        case Ev::SentAll: return x.Sent(static_cast<long>(x.Request().size()));
        case Ev::SentShort: return x.Sent(static_cast<long>(x.Request().size()) - 1);
        case Ev::Bytes: return x.Received(e.bytes);
        case Ev::Closed: return x.Closed();
        case Ev::Failed: return x.Failed();
        case Ev::Timer: return x.TimedOut();
    }
    return {};
}

constexpr ExchangeStep kWait{};
constexpr ExchangeStep Done(int result) { return {ExchangeAction::Finish, 0, result}; }
const Event kOk{Ev::Bytes, "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"};

TEST(HttpExchange, EachEventInEachPhase) {
    const struct {
        const char* host;
        std::vector<Event> events;
        std::vector<ExchangeStep> steps;  // one for the start, then one per event
    } cases[] = {
        {"", {}, {Done(kHttpHostNotResolved)}},
        {"news.INVALID.", {}, {Done(kHttpHostNotResolved)}},
        {"h", {{Ev::NotFound}}, {{ExchangeAction::Resolve, 5000}, Done(kHttpHostNotResolved)}},
        {"h", {{Ev::Timer}, {Ev::Resolved}}, {{ExchangeAction::Resolve, 5000}, Done(kHttpHostNotResolved), kWait}},
        {"h", {{Ev::Resolved}, {Ev::NoSocket}}, {{ExchangeAction::Resolve, 5000}, {ExchangeAction::Connect, 5000},
                                                 Done(kHttpNoSocket)}},
        {"h", {{Ev::Resolved}, {Ev::Refused}}, {{ExchangeAction::Resolve, 5000}, {ExchangeAction::Connect, 5000},
                                                Done(kHttpConnectFailed)}},
        {"h", {{Ev::Resolved}, {Ev::Timer}, {Ev::Connected}},
         {{ExchangeAction::Resolve, 5000}, {ExchangeAction::Connect, 5000}, Done(kHttpConnectFailed), kWait}},
        {"h", {{Ev::Resolved}, {Ev::Connected}, {Ev::SentShort}},
         {{ExchangeAction::Resolve, 5000}, {ExchangeAction::Connect, 5000}, {ExchangeAction::Send, 10000},
          Done(kHttpSendFailed)}},
        {"h", {{Ev::Resolved}, {Ev::Connected}, {Ev::SentAll}, kOk, {Ev::Closed}},
         {{ExchangeAction::Resolve, 5000}, {ExchangeAction::Connect, 5000}, {ExchangeAction::Send, 10000}, kWait,
          Done(kHttpOk), kWait}},
    };
    for (const auto& c : cases) {
        HttpExchange x;
        std::vector<ExchangeStep> steps{x.Start(c.host, "link230/", "1.2", 80)};
        for (const Event& e : c.events) steps.push_back(Feed(x, e));
        EXPECT_EQ(steps, c.steps) << c.host << " after " << c.events.size() << " events";
        EXPECT_FALSE(x.Running());
    }
}

// From the request sent on: what the bytes and the end of the stream make.
TEST(HttpExchange, ReceivingUntilTheResponseIsWhole) {
    const std::string big(kMaxResponseBytes, 'x');
    const struct {
        std::vector<Event> events;
        ExchangeStep last;
        std::string body;
    } cases[] = {
        {{{Ev::Bytes, "HTTP/1.1 200 OK\r\n"}}, kWait, ""},
        {{{Ev::Bytes, "HTTP/1.1 200 OK\r\n"}, {Ev::Bytes, "\r\nabc"}, {Ev::Closed}}, Done(kHttpOk), "abc"},
        {{{Ev::Bytes, "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nabc"}, {Ev::Closed}}, Done(kHttpNoResponse), ""},
        {{{Ev::Bytes, "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nabc"}, {Ev::Timer}}, Done(kHttpNoResponse), ""},
        {{{Ev::Bytes, "HTTP/1.1 200 OK\r\n"}, {Ev::Failed}}, Done(kHttpNoResponse), ""},
        {{{Ev::Closed}}, Done(kHttpNoResponse), ""},
        {{{Ev::Bytes, "HTTP/1.1 404 No\r\n\r\n"}}, Done(kHttpNotSuccess), ""},
        {{{Ev::Bytes, "HTTP/1.1 200 OK\r\nContent-Length: x\r\n\r\n"}}, Done(kHttpMalformedHeaders), ""},
        {{{Ev::Bytes, big}}, Done(kHttpMalformedHeaders), ""},  // full, and no end of the headers
        {{{Ev::Bytes, "HTTP/1.1 200 OK\r\n\r\n"}, {Ev::Bytes, big}}, Done(kHttpOk),
         big.substr(0, kMaxResponseBytes - 19)},  // the rest beyond the cap is dropped
    };
    for (const auto& c : cases) {
        HttpExchange x;
        (void)x.Start("127.0.0.1", "link230/", "1.2", 80);
        (void)x.Resolved(true, {});
        (void)x.Connected(true);
        ExchangeStep last = x.Sent(static_cast<long>(x.Request().size()));
        for (const Event& e : c.events) last = Feed(x, e);
        EXPECT_EQ(last, c.last) << c.events.front().bytes.substr(0, 40);
        EXPECT_EQ(std::string(x.Body()), c.body);
    }
}

TEST(HttpExchange, RequestAndWhereToConnect) {
    HttpExchange x;
    (void)x.Start("news.example", "link230/", "1.2", 8080);
    EXPECT_EQ(x.Request(), "GET /link230/ HTTP/1.1\r\nHost:news.example\r\nVer:1.2\r\n\r\n");
    EXPECT_EQ(x.Resolved(true, Ipv4Address{{10, 1, 2, 3}}), (ExchangeStep{ExchangeAction::Connect, 5000}));
    EXPECT_EQ(x.Address().octets[3] + x.Port(), 3 + 8080);
    (void)x.Start("h", std::string(2048, 'p'), "1.2", 80);
    (void)x.Resolved(true, {});
    EXPECT_EQ(x.Connected(true), Done(kHttpSendFailed)) << "the request does not fit the buffer";
}

}  // namespace
