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

class AsyncHttpGet {
public:
    // `result` is an HttpResult; `body` holds the body only for kHttpOk and
    // lives until `done` returns.
    using Done = std::function<void(int result, std::string_view body)>;

    AsyncHttpGet();
    ~AsyncHttpGet();  // a running fetch ends without a report
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
