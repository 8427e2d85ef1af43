// Small fixed-capacity, NUL-terminated text held by value.
//
// The engine's name operations return these instead of pointers into shared
// static buffers: results stay valid as long as the caller keeps them, any
// number of them may be used together, and nothing is ever allocated.
#pragma once

#include <cstddef>
#include <cstring>

namespace lunar {

template <std::size_t Capacity>
class FixedText {
    static_assert(Capacity >= 1, "room for the terminating NUL");

public:
    constexpr FixedText() = default;

    const char* c_str() const { return text_; }
    std::size_t size() const { return length_; }
    static constexpr std::size_t capacity() { return Capacity - 1; }

    // Appends as much of `s` as fits; the text always stays NUL-terminated.
    FixedText& Append(const char* s) { return AppendBytes(s, std::strlen(s)); }

    template <std::size_t Other>
    FixedText& Append(const FixedText<Other>& other) {
        return AppendBytes(other.c_str(), other.size());
    }

    // Appends `n` raw bytes (for example one two-byte GBK character).
    FixedText& AppendBytes(const char* s, std::size_t n) {
        if (n > capacity() - length_) n = capacity() - length_;
        std::memcpy(text_ + length_, s, n);
        length_ += n;
        text_[length_] = '\0';
        return *this;
    }

    friend bool operator==(const FixedText& a, const char* b) { return std::strcmp(a.text_, b) == 0; }

private:
    char text_[Capacity] = {};
    std::size_t length_ = 0;
};

}  // namespace lunar
