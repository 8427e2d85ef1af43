#include "news/LookupBuffers.h"

namespace news {

namespace {
// Buffers are made and freed on the thread that runs the fetches.
int liveBuffers = 0;
}  // namespace

LookupBuffer::LookupBuffer() : bytes{} { ++liveBuffers; }
LookupBuffer::~LookupBuffer() { --liveBuffers; }

int LiveLookupBuffers() { return liveBuffers; }

void LookupBuffers::Hold(Key key, std::unique_ptr<LookupBuffer> buffer) { buffers_[key] = std::move(buffer); }

const LookupBuffer* LookupBuffers::Find(Key key) const {
    const auto found = buffers_.find(key);
    return found == buffers_.end() ? nullptr : found->second.get();
}

void LookupBuffers::Release(Key key) { buffers_.erase(key); }

}  // namespace news
