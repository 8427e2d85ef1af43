// The platform-neutral part of the socket layer: ownership of the handle.
#include "news/Socket.h"

namespace news {

Socket::Socket(Socket&& other) noexcept : handle_(other.handle_) { other.handle_ = kNoSocket; }

Socket& Socket::operator=(Socket&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = other.handle_;
        other.handle_ = kNoSocket;
    }
    return *this;
}

}  // namespace news
