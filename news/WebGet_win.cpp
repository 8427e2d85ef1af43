#include "news/WebGet.h"
#include "news/MessageWindow_win.h"

#include "base/WideText_win.h"

#include <windows.h>
#include <winhttp.h>

#include <new>
#include <string>

namespace news {
namespace {

constexpr char kWindowClass[] = "VeltranoWebGet";
constexpr UINT kEventMessage = WM_APP + 41;
constexpr UINT_PTR kAnswerTimerId = 1;
constexpr DWORD kReadChunk = 8192;
constexpr int kResolveTimeoutMs = 10'000, kSendTimeoutMs = 10'000, kReceiveTimeoutMs = 15'000;
constexpr DWORD kNotifications = WINHTTP_CALLBACK_FLAG_SENDREQUEST_COMPLETE | WINHTTP_CALLBACK_FLAG_HEADERS_AVAILABLE |
                                 WINHTTP_CALLBACK_FLAG_READ_COMPLETE | WINHTTP_CALLBACK_FLAG_REQUEST_ERROR |
                                 WINHTTP_CALLBACK_FLAG_HANDLES;

// What a request's callbacks reach. Made for each request and freed when its
// handle closes, which may be after the GET that made it is gone.
struct RequestContext {
    HWND window = nullptr;
    unsigned serial = 0;
    char buffer[kReadChunk];  // WinHttpReadData's target; read on the UI thread after its completion
};

// One callback as a posted message owns it.
struct Event {
    unsigned serial = 0;
    DWORD status = 0;
    DWORD length = 0;  // bytes read, for a read's completion
    DWORD error = 0;   // for a request error
};

// On WinHTTP's threads: posts, and frees the context at the end.
void CALLBACK OnStatus(HINTERNET, DWORD_PTR contextValue, DWORD status, LPVOID info, DWORD length) {
    auto* context = reinterpret_cast<RequestContext*>(contextValue);
    if (!context) return;
    if (status == WINHTTP_CALLBACK_STATUS_HANDLE_CLOSING) {
        delete context;
        return;
    }
    if (status != WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE &&
        status != WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE && status != WINHTTP_CALLBACK_STATUS_READ_COMPLETE &&
        status != WINHTTP_CALLBACK_STATUS_REQUEST_ERROR)
        return;
    auto* event = new (std::nothrow) Event{context->serial, status, length, 0};
    if (!event) return;  // the whole-answer timer ends the GET
    if (status == WINHTTP_CALLBACK_STATUS_REQUEST_ERROR && info)
        event->error = static_cast<const WINHTTP_ASYNC_RESULT*>(info)->dwError;
    if (!::PostMessageW(context->window, kEventMessage, 0, reinterpret_cast<LPARAM>(event))) delete event;
}

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (const wchar_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';  // not https://... then
    return out;
}

bool IsRedirect(DWORD status) { return status == 301 || status == 302 || status == 303 || status == 307 || status == 308; }

}  // namespace

class WebGet::Driver {
public:
    ~Driver() {
        CloseRequest();
        if (session_) ::WinHttpCloseHandle(session_);
        if (window_) {
            // Events still queued own their memory.
            MSG message;
            while (::PeekMessageW(&message, window_, kEventMessage, kEventMessage, PM_REMOVE))
                delete reinterpret_cast<Event*>(message.lParam);
            ::DestroyWindow(window_);
        }
    }

    bool Running() const { return request_ != nullptr; }

    bool Start(std::string_view address, std::size_t bodyCap, Done done) {
        if (Running() || !MakeWindow() || !OpenSession()) return false;
        body_.clear();
        cap_ = bodyCap;
        redirects_ = 0;
        if (!Open(address)) return false;
        done_ = std::move(done);
        ::SetTimer(window_, kAnswerTimerId, kWebAnswerTimeoutMs, nullptr);
        return true;
    }

private:
    bool MakeWindow() {
        if (!window_) window_ = MakeMessageWindow(kWindowClass, &Driver::Proc, this);
        return window_ != nullptr;
    }

    bool OpenSession() {
        if (session_) return true;
        // The system's proxy settings; older systems know only the default form.
        session_ = ::WinHttpOpen(L"Veltrano", WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY, WINHTTP_NO_PROXY_NAME,
                                 WINHTTP_NO_PROXY_BYPASS, WINHTTP_FLAG_ASYNC);
        if (!session_)
            session_ = ::WinHttpOpen(L"Veltrano", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                                     WINHTTP_NO_PROXY_BYPASS, WINHTTP_FLAG_ASYNC);
        if (!session_) return false;
        ::WinHttpSetTimeouts(session_, kResolveTimeoutMs, kWebConnectTimeoutMs, kSendTimeoutMs, kReceiveTimeoutMs);
        if (::WinHttpSetStatusCallback(session_, &OnStatus, kNotifications, 0) == WINHTTP_INVALID_STATUS_CALLBACK) {
            ::WinHttpCloseHandle(session_);
            session_ = nullptr;
            return false;
        }
        return true;
    }

    // Opens and sends the request for one address; false when it cannot.
    bool Open(std::string_view address) {
        std::wstring url = base::Gb18030ToWide(address);
        URL_COMPONENTS parts{};
        parts.dwStructSize = sizeof parts;
        parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = static_cast<DWORD>(-1);
        if (url.empty() || !::WinHttpCrackUrl(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts)) return false;
        if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) return false;
        const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
        std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
        path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
        if (path.empty()) path = L"/";

        connect_ = ::WinHttpConnect(session_, host.c_str(), parts.nPort, 0);
        if (connect_)
            request_ = ::WinHttpOpenRequest(connect_, L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                            WINHTTP_DEFAULT_ACCEPT_TYPES,
                                            parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0);
        if (!request_) {
            CloseRequest();
            return false;
        }
        // Redirects are looked at here, so that only https ones are followed.
        DWORD features = WINHTTP_DISABLE_REDIRECTS;
        ::WinHttpSetOption(request_, WINHTTP_OPTION_DISABLE_FEATURE, &features, sizeof features);
        auto* context = new (std::nothrow) RequestContext;
        if (!context) {
            CloseRequest();
            return false;
        }
        context->window = window_;
        context->serial = ++serial_;
        DWORD_PTR value = reinterpret_cast<DWORD_PTR>(context);
        if (!::WinHttpSetOption(request_, WINHTTP_OPTION_CONTEXT_VALUE, &value, sizeof value)) {
            delete context;
            CloseRequest();
            return false;
        }
        // From here the handle's closing frees the context.
        context_ = context;
        if (!::WinHttpSendRequest(request_, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, value)) {
            CloseRequest();
            return false;
        }
        return true;
    }

    void CloseRequest() {
        context_ = nullptr;
        if (request_) ::WinHttpCloseHandle(request_);
        if (connect_) ::WinHttpCloseHandle(connect_);
        request_ = connect_ = nullptr;
    }

    void Finish(WebGetResult result) {
        ::KillTimer(window_, kAnswerTimerId);
        CloseRequest();
        const Done done = std::move(done_);
        done_ = nullptr;
        const std::string body = std::move(body_);
        body_.clear();
        if (done) done(result, result == WebGetResult::Ok ? std::string_view(body) : std::string_view());
    }

    void Read() {
        if (!::WinHttpReadData(request_, context_->buffer, kReadChunk, nullptr)) Finish(WebGetResult::Failed);
    }

    void OnHeaders() {
        DWORD status = 0, size = sizeof status;
        if (!::WinHttpQueryHeaders(request_, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                                   WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX))
            return Finish(WebGetResult::Failed);
        if (IsRedirect(status)) return FollowRedirect();
        if (status != 200) return Finish(WebGetResult::BadStatus);
        Read();
    }

    void FollowRedirect() {
        wchar_t location[2048];
        DWORD size = sizeof location;
        std::string target;
        if (::WinHttpQueryHeaders(request_, WINHTTP_QUERY_LOCATION, WINHTTP_HEADER_NAME_BY_INDEX, location, &size,
                                  WINHTTP_NO_HEADER_INDEX))
            target = Narrow(std::wstring(location, size / sizeof(wchar_t)));
        if (!RedirectAllowed(target) || ++redirects_ > kWebMostRedirects) return Finish(WebGetResult::BadRedirect);
        CloseRequest();
        if (!Open(target)) Finish(WebGetResult::Failed);
    }

    void OnEvent(const Event& event) {
        if (!request_ || event.serial != serial_) return;  // of a request already closed
        switch (event.status) {
            case WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE:
                if (!::WinHttpReceiveResponse(request_, nullptr)) Finish(WebGetResult::Failed);
                break;
            case WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE: OnHeaders(); break;
            case WINHTTP_CALLBACK_STATUS_READ_COMPLETE:
                if (event.length == 0) return Finish(WebGetResult::Ok);
                body_.append(context_->buffer, event.length);
                if (body_.size() > cap_) return Finish(WebGetResult::TooLarge);
                Read();
                break;
            case WINHTTP_CALLBACK_STATUS_REQUEST_ERROR:
                Finish(event.error == ERROR_WINHTTP_TIMEOUT ? WebGetResult::TimedOut : WebGetResult::Failed);
                break;
            default: break;
        }
    }

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<Driver*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == kEventMessage) {
            const std::unique_ptr<Event> event(reinterpret_cast<Event*>(lParam));
            if (self && event) self->OnEvent(*event);
            return 0;
        }
        if (self && message == WM_TIMER && wParam == kAnswerTimerId) {
            self->Finish(WebGetResult::TimedOut);
            return 0;
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    HINTERNET session_ = nullptr;
    HINTERNET connect_ = nullptr;
    HINTERNET request_ = nullptr;
    RequestContext* context_ = nullptr;  // the open request's; freed by WinHTTP's closing callback
    unsigned serial_ = 0;
    std::size_t cap_ = 0;
    int redirects_ = 0;
    std::string body_;
    Done done_;
};

WebGet::WebGet() : driver_(std::make_unique<Driver>()) {}
WebGet::~WebGet() = default;

bool WebGet::Start(std::string_view address, std::size_t bodyCap, Done done) {
    return driver_->Start(address, bodyCap, std::move(done));
}

bool WebGet::Running() const { return driver_->Running(); }

}  // namespace news
