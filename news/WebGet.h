// One GET of a web address through the system's HTTP stack (WinHTTP: TLS,
// certificate checks, proxy settings), without making the calling thread
// wait. WinHTTP's callbacks, on its own threads, only post a message owning
// what they were told to a hidden window of the calling thread; every call
// into WinHTTP and the report to `done` happen on the calling thread, whose
// message loop must run. Windows only.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace news {

enum class WebGetResult {
    Ok,
    Failed,       // no connection, TLS or certificate failure, a reset
    BadStatus,    // an answer other than 200
    TooLarge,     // a body beyond the cap
    TimedOut,     // connect or whole answer took too long
    BadRedirect,  // a redirect to anything but an absolute https address, or too many
};

// Limits of one GET.
inline constexpr int kWebConnectTimeoutMs = 10'000;
inline constexpr int kWebAnswerTimeoutMs = 30'000;  // from the start to the body's end
inline constexpr int kWebMostRedirects = 5;

// Whether a Location header may be followed: only to an absolute https address.
bool RedirectAllowed(std::string_view location);

class WebGet {
public:
    // `body` holds the body only for Ok and lives until `done` returns.
    using Done = std::function<void(WebGetResult result, std::string_view body)>;

    WebGet();
    ~WebGet();  // a running GET ends without a report
    WebGet(const WebGet&) = delete;
    WebGet& operator=(const WebGet&) = delete;

    // Starts a GET of an http or https address; false, with nothing started,
    // while one runs or when it cannot begin. `done` comes later, from the
    // message loop, never inside Start.
    bool Start(std::string_view address, std::size_t bodyCap, Done done);
    bool Running() const;

private:
    class Driver;
    std::unique_ptr<Driver> driver_;
};

}  // namespace news
