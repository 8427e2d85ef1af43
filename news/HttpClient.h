// One HTTP/1.1 GET for a small text document, such as the headline body.
//
// The request is exactly
//     "GET /<path> HTTP/1.1\r\nHost:<host>\r\nVer:<version>\r\n\r\n"
// and nothing else. The client connects over IPv4 to the first address the
// host name resolves to, waits at most 5 s for the connection and at most
// 10 s in all for the response, and keeps at most 2047 bytes of it. Only a
// "HTTP/1.x 2xx" response delivers a body. The socket library must have
// been started (SocketLibrary) before the first call.
#pragma once

#include <cstddef>
#include <cstdint>

namespace news {

// Results of HttpGet. On any result but kHttpOk the body buffer and the
// length are left as they were.
enum HttpResult : int {
    // The body was delivered.
    kHttpOk = 0,
    // No IPv4 address for the host name; an empty name or one under
    // .invalid never has one.
    kHttpHostNotResolved = -1,
    // The system gave no socket.
    kHttpNoSocket = -2,
    // Refused, unreachable, or not connected within 5 s.
    kHttpConnectFailed = -3,
    // The request did not go out whole, or does not fit the 2048-byte buffer.
    kHttpSendFailed = -4,
    // The connection closed or failed, or 10 s passed, before the response
    // was whole (a body shorter than its Content-Length included). A body
    // without a Content-Length is whole only at an orderly close, never at
    // a reset.
    kHttpNoResponse = -5,
    // No "\r\n\r\n" within the bytes received, or a Content-Length that
    // is not a number.
    kHttpMalformedHeaders = -6,
    // The status line is not "HTTP/1.x 2xx" (x a digit).
    kHttpNotSuccess = -7,
};

inline constexpr std::uint16_t kHttpDefaultPort = 80;
inline constexpr int kConnectTimeoutMs = 5000;
inline constexpr int kResponseTimeoutMs = 10000;          // from the request sent to the response whole
inline constexpr std::size_t kExchangeBufferSize = 2048;  // the request, then the response
inline constexpr std::size_t kMaxResponseBytes = kExchangeBufferSize - 1;

// `body` must hold `bodyLength` + 1 bytes. On entry `bodyLength` is the
// largest body the caller takes; on success it is the length delivered,
// the body cut to that capacity and followed by a zero byte. The body is
// copied byte for byte, zero bytes included. `path` goes without its
// leading "/"; `host` is used for the lookup and in the Host line.
[[nodiscard]] int HttpGet(char* body, std::size_t& bodyLength, const char* host, const char* path, const char* version,
                          std::uint16_t port = kHttpDefaultPort);

}  // namespace news
