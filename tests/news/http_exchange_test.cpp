// The course of one fetch as events and steps, with no socket: the step and
// timer each event leads to in each phase, and that late events change
// nothing. What the bytes themselves make is pinned by the HttpGet tests.
#include "news/HttpExchange.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace news;

enum class Ev { Resolved, NotFound, NoSocket, Connected, Refused, SentAll, SentShort, Bytes, Closed, Failed, Timer };

ExchangeStep Feed(HttpExchange& x, Ev e, const std::string& bytes) {
    switch (e) {
        case Ev::Resolved: return x.Resolved(true, Ipv4Address{{127, 0, 0, 1}});
        case Ev::NotFound: return x.Resolved(false, {});
        case Ev::NoSocket: return x.NoSocket();
        case Ev::Connected: return x.Connected(true);
        case Ev::Refused: return x.Connected(false);
        case Ev::SentAll: return x.Sent(static_cast<long>(x.Request().size()));
        case Ev::SentShort: return x.Sent(static_cast<long>(x.Request().size()) - 1);
        case Ev::Bytes: return x.Received(bytes);
        case Ev::Closed: return x.Closed();
        case Ev::Failed: return x.Failed();
        case Ev::Timer: return x.TimedOut();
    }
    return {};
}

constexpr ExchangeStep kWait{};
constexpr ExchangeStep kResolve{ExchangeAction::Resolve, 5000};
constexpr ExchangeStep kConnect{ExchangeAction::Connect, 5000};
constexpr ExchangeStep kSend{ExchangeAction::Send, 10000};
constexpr ExchangeStep Done(int result) { return {ExchangeAction::Finish, 0, result}; }

TEST(HttpExchange, EachEventInEachPhase) {
    const std::string full(kMaxResponseBytes, 'x');
    const struct {
        const char* host;
        std::vector<Ev> events;
        std::string bytes;                // what each Bytes event brings
        std::vector<ExchangeStep> steps;  // one for the start, then one per event
    } cases[] = {
        {"news.INVALID.", {}, "", {Done(kHttpHostNotResolved)}},
        {"h", {Ev::NotFound}, "", {kResolve, Done(kHttpHostNotResolved)}},
        {"h", {Ev::Timer, Ev::Resolved}, "", {kResolve, Done(kHttpHostNotResolved), kWait}},
        {"h", {Ev::Resolved, Ev::NoSocket}, "", {kResolve, kConnect, Done(kHttpNoSocket)}},
        {"h", {Ev::Resolved, Ev::Refused}, "", {kResolve, kConnect, Done(kHttpConnectFailed)}},
        {"h", {Ev::Resolved, Ev::Timer, Ev::Connected}, "", {kResolve, kConnect, Done(kHttpConnectFailed), kWait}},
        {"h", {Ev::Resolved, Ev::Connected, Ev::SentShort}, "", {kResolve, kConnect, kSend, Done(kHttpSendFailed)}},
        {"h",
         {Ev::Resolved, Ev::Connected, Ev::SentAll, Ev::Bytes, Ev::Timer, Ev::Bytes},
         "HTTP/1.1 200 OK\r\n",
         {kResolve, kConnect, kSend, kWait, kWait, Done(kHttpNoResponse), kWait}},
        {"h",
         {Ev::Resolved, Ev::Connected, Ev::SentAll, Ev::Failed},
         "",
         {kResolve, kConnect, kSend, kWait, Done(kHttpNoResponse)}},
        {"h",  // a body without a length: an orderly close ends it...
         {Ev::Resolved, Ev::Connected, Ev::SentAll, Ev::Bytes, Ev::Closed},
         "HTTP/1.0 200 OK\r\n\r\n*L\tpart",
         {kResolve, kConnect, kSend, kWait, kWait, Done(kHttpOk)}},
        {"h",  // ...a reset leaves it cut short
         {Ev::Resolved, Ev::Connected, Ev::SentAll, Ev::Bytes, Ev::Failed},
         "HTTP/1.0 200 OK\r\n\r\n*L\tpart",
         {kResolve, kConnect, kSend, kWait, kWait, Done(kHttpNoResponse)}},
        {"h",  // more than the cap: the buffer is full, the rest dropped
         {Ev::Resolved, Ev::Connected, Ev::SentAll, Ev::Bytes, Ev::Closed},
         full + "HTTP/1.1 200 OK\r\n\r\nbody",
         {kResolve, kConnect, kSend, kWait, Done(kHttpMalformedHeaders), kWait}},
    };
    for (const auto& c : cases) {
        HttpExchange x;
        std::vector<ExchangeStep> steps{x.Start(c.host, "link230/", "1.2", 80)};
        for (const Ev e : c.events) steps.push_back(Feed(x, e, c.bytes));
        EXPECT_EQ(steps, c.steps) << c.host << " after " << c.events.size() << " events";
        EXPECT_FALSE(x.Running());
    }
}

TEST(HttpExchange, TheBodyOfAWholeResponse) {
    HttpExchange x;
    (void)x.Start("news.example", "link230/", "1.2", 8080);
    EXPECT_EQ(x.Resolved(true, Ipv4Address{{10, 1, 2, 3}}), kConnect);
    EXPECT_EQ(x.Address().octets[3] + x.Port(), 3 + 8080);
    (void)x.Connected(true);
    EXPECT_EQ(x.Request(), "GET /link230/ HTTP/1.1\r\nHost:news.example\r\nVer:1.2\r\n\r\n");
    (void)x.Sent(static_cast<long>(x.Request().size()));
    EXPECT_EQ(x.Received("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nokMORE"), Done(kHttpOk));
    EXPECT_EQ(x.Body(), "ok");
}

}  // namespace
