// One move-only owner for every kind of system handle: file descriptors,
// sockets, registry keys, GDI objects. A traits type says what the handle
// is, which value means "none" and how it is closed:
//
//     struct FdTraits {
//         using Handle = int;
//         static constexpr Handle Invalid() { return -1; }
//         static int Close(Handle h);   // result handed back by Close()
//     };
//
// A traits type may also have `static void Acquired(Handle)`, called once
// for every valid handle the owner takes, to keep a count of live handles.
#pragma once

#include <utility>

namespace base {

template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) { NoteAcquired(); }
    ~UniqueHandle() { Close(); }

    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Close();
            handle_ = other.release();
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    explicit operator bool() const { return handle_ != Traits::Invalid(); }
    Handle get() const { return handle_; }

    // Gives the handle up without closing it.
    [[nodiscard]] Handle release() { return std::exchange(handle_, Traits::Invalid()); }

    // Closes the handle held (if any) and takes `handle`.
    void reset(Handle handle = Traits::Invalid()) {
        Close();
        handle_ = handle;
        NoteAcquired();
    }

    // Closes now and hands back what the system said, so a failure that
    // shows only at close (a delayed write error) can be seen. Closing an
    // empty owner does nothing and reports the closing rule's success.
    auto Close() {
        using Result = decltype(Traits::Close(handle_));
        if (handle_ == Traits::Invalid()) return Result();
        return Traits::Close(std::exchange(handle_, Traits::Invalid()));
    }

private:
    void NoteAcquired() {
        if constexpr (requires { Traits::Acquired(handle_); }) {
            if (handle_ != Traits::Invalid()) Traits::Acquired(handle_);
        }
    }

    Handle handle_ = Traits::Invalid();
};

}  // namespace base
