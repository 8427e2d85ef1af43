// The answer buffers of asynchronous name lookups. The system writes a
// lookup's answer into its buffer until the lookup is stopped or its reply
// has come, which may be long after the fetch that started it gave up; so
// each buffer is owned here, by its lookup's handle, until then.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>

namespace news {

// Room for the largest answer the system writes (MAXGETHOSTSTRUCT).
inline constexpr std::size_t kLookupBufferBytes = 1024;

struct LookupBuffer {
    LookupBuffer();
    ~LookupBuffer();
    LookupBuffer(const LookupBuffer&) = delete;
    LookupBuffer& operator=(const LookupBuffer&) = delete;

    alignas(std::max_align_t) char bytes[kLookupBufferBytes];
};

// Buffers alive in this process, for tests.
int LiveLookupBuffers();

class LookupBuffers {
public:
    // A lookup's handle; never 0.
    using Key = std::uintptr_t;

    // The lookup `key` writes into `buffer` until Release(key).
    void Hold(Key key, std::unique_ptr<LookupBuffer> buffer);
    // The buffer of lookup `key`; nullptr when none is held for it.
    const LookupBuffer* Find(Key key) const;
    // The system is done with the buffer of `key`: its reply came, or it
    // was stopped before writing. Nothing happens for a key not held.
    void Release(Key key);
    std::size_t Held() const { return buffers_.size(); }

private:
    std::map<Key, std::unique_ptr<LookupBuffer>> buffers_;
};

}  // namespace news
