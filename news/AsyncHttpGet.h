// One HTTP GET at a time (HttpClient.h) that never makes the calling
// thread wait: the name lookup, the connect and the reads go on through
// socket notifications delivered to a hidden window of the calling thread,
// whose message loop must run. The end is reported to `done` from that
// loop. No thread of ours is started. Windows only; the socket library
// must have been started.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

namespace news {

// The name lookup of a fetch: the system's asynchronous one, or in tests
// one whose replies the test gives.
class HostLookup {
public:
    // A lookup's handle; 0 for none.
    using Request = std::uintptr_t;

    virtual ~HostLookup() = default;
    // Starts looking `host` up, the answer to be written into `buffer`; the
    // reply comes to `window` (an HWND) as `message`, the request in wParam
    // and WSAMAKEASYNCREPLY in lParam. 0 when it could not start.
    virtual Request Start(void* window, unsigned message, const char* host, char* buffer, int size) = 0;
    // True when the lookup is stopped: its buffer is not written and no
    // reply comes. False: the reply is still to come.
    virtual bool Cancel(Request request) = 0;
    // How long the fetch waits for the reply.
    virtual int TimeLimitMs() const = 0;
};

// WSAAsyncGetHostByName, with the fetch's 5 s limit.
HostLookup& SystemHostLookup();

class AsyncHttpGet {
public:
    // `result` is an HttpResult; `body` holds the body only for kHttpOk and
    // lives until `done` returns.
    using Done = std::function<void(int result, std::string_view body)>;

    AsyncHttpGet();
    explicit AsyncHttpGet(HostLookup& lookup);
    // A running fetch ends without a report; the buffers of lookups that
    // have not replied go with it.
    ~AsyncHttpGet();
    AsyncHttpGet(const AsyncHttpGet&) = delete;
    AsyncHttpGet& operator=(const AsyncHttpGet&) = delete;

    // Starts a fetch; false, and nothing started, while one runs or when
    // the hidden window could not be made. `done` may come before Start
    // returns when the fetch ends at once (an empty host name).
    bool Start(std::string_view host, std::string_view path, std::string_view version, std::uint16_t port, Done done);
    bool Running() const;

private:
    class Driver;
    std::unique_ptr<Driver> driver_;
};

}  // namespace news
