// The headline fetch without waiting: HttpExchange driven by
// WSAAsyncGetHostByName, WSAAsyncSelect and a timer on a message-only
// window of the calling thread.
#include "news/AsyncHttpGet.h"

#include "news/HttpExchange.h"
#include "news/LookupBuffers.h"
#include "news/Socket.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <winsock2.h>
#include <windows.h>

// After winsock2.h, which must come before windows.h.
#include "news/MessageWindow_win.h"

#include <cstring>
#include <string>

namespace news {

namespace {

constexpr char kWindowClass[] = "AsyncHttpGetWindow";
constexpr UINT kLookupMessage = WM_APP + 1;
constexpr UINT kSocketMessage = WM_APP + 2;
constexpr UINT_PTR kTimerId = 1;

static_assert(kLookupBufferBytes >= MAXGETHOSTSTRUCT);

// A dotted address needs no lookup.
bool ParseDottedAddress(const std::string& host, Ipv4Address& address) {
    const unsigned long value = inet_addr(host.c_str());
    if (value == INADDR_NONE && host != "255.255.255.255") return false;
    std::memcpy(address.octets, &value, sizeof address.octets);
    return true;
}

// Wine's WSACancelAsyncRequest stops nothing: it reports success while
// the lookup goes on, writes its buffer and posts its reply.
bool CancelStopsLookups() {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return !ntdll || !::GetProcAddress(ntdll, "wine_get_version");
}

class SystemLookup final : public HostLookup {
public:
    Request Start(void* window, unsigned message, const char* host, char* buffer, int size) override {
        return reinterpret_cast<Request>(WSAAsyncGetHostByName(static_cast<HWND>(window), message, host, buffer, size));
    }
    bool Cancel(Request request) override {
        return WSACancelAsyncRequest(reinterpret_cast<HANDLE>(request)) == 0 && cancelStops_;
    }
    int TimeLimitMs() const override { return kResolveTimeoutMs; }

private:
    const bool cancelStops_ = CancelStopsLookups();
};

}  // namespace

HostLookup& SystemHostLookup() {
    static SystemLookup lookup;
    return lookup;
}

class AsyncHttpGet::Driver {
public:
    explicit Driver(HostLookup& lookup) : resolver_(lookup) {}
    ~Driver() {
        End();
        if (window_) ::DestroyWindow(window_);
    }

    bool Running() const { return exchange_.Running(); }

    bool Start(std::string_view host, std::string_view path, std::string_view version, std::uint16_t port,
               Done done) {
        if (Running() || !MakeWindow()) return false;
        done_ = std::move(done);
        Carry(exchange_.Start(host, path, version, port));
        return true;
    }

private:
    bool MakeWindow() {
        if (!window_) window_ = MakeMessageWindow(kWindowClass, &Driver::Proc, this);
        return window_ != nullptr;
    }

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<Driver*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self) {
            switch (message) {
                case kLookupMessage: self->OnLookup(static_cast<HostLookup::Request>(wParam), lParam); return 0;
                case kSocketMessage: self->OnSocket(static_cast<NativeSocket>(wParam), lParam); return 0;
                case WM_TIMER:
                    if (wParam != kTimerId) break;
                    ::KillTimer(window, kTimerId);
                    self->Carry(self->exchange_.TimedOut());
                    return 0;
                default: break;
            }
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

    // The reply of a lookup, in time or late: either way the system is
    // done with its buffer.
    void OnLookup(HostLookup::Request request, LPARAM lParam) {
        const LookupBuffer* buffer = lookups_.Find(request);
        if (request != lookup_ || lookup_ == 0 || buffer == nullptr) {
            lookups_.Release(request);
            return;
        }
        lookup_ = 0;
        Ipv4Address address;
        const auto* found = reinterpret_cast<const hostent*>(buffer->bytes);
        const bool ok = WSAGETASYNCERROR(lParam) == 0 && found->h_addrtype == AF_INET && found->h_length == 4 &&
                        found->h_addr_list[0] != nullptr;
        if (ok) std::memcpy(address.octets, found->h_addr_list[0], sizeof address.octets);
        lookups_.Release(request);
        Carry(exchange_.Resolved(ok, address));
    }

    void OnSocket(NativeSocket socket, LPARAM lParam) {
        if (socket != connection_.Native() || !connection_.IsOpen()) return;
        const int error = WSAGETSELECTERROR(lParam);
        switch (WSAGETSELECTEVENT(lParam)) {
            case FD_CONNECT: Carry(exchange_.Connected(error == 0)); break;
            case FD_READ: Carry(ReadOnce()); break;
            case FD_CLOSE: {
                // What is still queued comes before the end. Only an
                // orderly close ends the stream; a reset leaves a body
                // without a length cut short.
                ExchangeStep step;
                while (step.action == ExchangeAction::Wait && exchange_.Running()) {
                    step = ReadOnce();
                    if (step.action == ExchangeAction::Wait && lastRead_ <= 0)
                        step = error == 0 && !connection_.WasReset() ? exchange_.Closed() : exchange_.Failed();
                }
                Carry(step);
                break;
            }
            default: break;
        }
    }

    // One recv; a read that would wait changes nothing.
    ExchangeStep ReadOnce() {
        char chunk[kExchangeBufferSize];
        const std::size_t room = exchange_.Room();
        lastRead_ = recv(static_cast<SOCKET>(connection_.Native()), chunk, static_cast<int>(room), 0);
        if (lastRead_ > 0) return exchange_.Received({chunk, static_cast<std::size_t>(lastRead_)});
        if (lastRead_ == 0) return connection_.WasReset() ? exchange_.Failed() : exchange_.Closed();
        return WSAGetLastError() == WSAEWOULDBLOCK ? ExchangeStep{} : exchange_.Failed();
    }

    // Carries out steps until one waits for an event or the fetch ends.
    void Carry(ExchangeStep step) {
        for (;;) {
            const int timerMs = step.action == ExchangeAction::Resolve ? resolver_.TimeLimitMs() : step.timerMs;
            if (timerMs > 0) ::SetTimer(window_, kTimerId, static_cast<UINT>(timerMs), nullptr);
            switch (step.action) {
                case ExchangeAction::Wait: return;
                case ExchangeAction::Resolve: step = Resolve(); break;
                case ExchangeAction::Connect: step = Connect(); break;
                case ExchangeAction::Send:
                    step = exchange_.Sent(connection_.Send(exchange_.Request().data(), exchange_.Request().size()));
                    break;
                case ExchangeAction::Finish: {
                    End();
                    const std::string body(step.result == kHttpOk ? exchange_.Body() : std::string_view());
                    const Done done = std::move(done_);
                    done_ = nullptr;
                    // The report may end this object; nothing of it is used after.
                    if (done) done(step.result, body);
                    return;
                }
            }
        }
    }

    ExchangeStep Resolve() {
        Ipv4Address address;
        if (ParseDottedAddress(exchange_.Host(), address)) return exchange_.Resolved(true, address);
        auto buffer = std::make_unique<LookupBuffer>();
        lookup_ = resolver_.Start(window_, kLookupMessage, exchange_.Host().c_str(), buffer->bytes, MAXGETHOSTSTRUCT);
        if (lookup_ == 0) return exchange_.Resolved(false, address);
        lookups_.Hold(lookup_, std::move(buffer));
        return {};
    }

    ExchangeStep Connect() {
        connection_ = Socket::OpenTcp();
        if (!connection_.IsOpen()) return exchange_.NoSocket();
        const SOCKET s = static_cast<SOCKET>(connection_.Native());
        // Makes the socket non-blocking; the connect's end comes as FD_CONNECT.
        if (WSAAsyncSelect(s, window_, kSocketMessage, FD_CONNECT | FD_READ | FD_CLOSE) != 0)
            return exchange_.Connected(false);
        sockaddr_in peer{};
        peer.sin_family = AF_INET;
        peer.sin_port = htons(exchange_.Port());
        std::memcpy(&peer.sin_addr, exchange_.Address().octets, sizeof exchange_.Address().octets);
        if (connect(s, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) == 0) return exchange_.Connected(true);
        return WSAGetLastError() == WSAEWOULDBLOCK ? ExchangeStep{} : exchange_.Connected(false);
    }

    // Stops the timer, the lookup and the socket, and drops their messages.
    // A lookup that could not be stopped keeps its buffer until its reply.
    void End() {
        if (!window_) return;
        ::KillTimer(window_, kTimerId);
        if (lookup_ != 0 && resolver_.Cancel(lookup_)) lookups_.Release(lookup_);
        lookup_ = 0;
        connection_.ShutdownBoth();
        connection_.Close();
        MSG message;
        while (::PeekMessageW(&message, window_, kLookupMessage, kSocketMessage, PM_REMOVE)) {
            if (message.message == kLookupMessage) lookups_.Release(static_cast<HostLookup::Request>(message.wParam));
        }
        while (::PeekMessageW(&message, window_, WM_TIMER, WM_TIMER, PM_REMOVE)) {
        }
    }

    HostLookup& resolver_;
    HWND window_ = nullptr;
    HttpExchange exchange_;
    Done done_;
    Socket connection_;
    HostLookup::Request lookup_ = 0;
    LookupBuffers lookups_;
    int lastRead_ = 0;
};

AsyncHttpGet::AsyncHttpGet() : AsyncHttpGet(SystemHostLookup()) {}
AsyncHttpGet::AsyncHttpGet(HostLookup& lookup) : driver_(std::make_unique<Driver>(lookup)) {}
AsyncHttpGet::~AsyncHttpGet() = default;

bool AsyncHttpGet::Start(std::string_view host, std::string_view path, std::string_view version, std::uint16_t port,
                         Done done) {
    return driver_->Start(host, path, version, port, std::move(done));
}

bool AsyncHttpGet::Running() const { return driver_->Running(); }

}  // namespace news
