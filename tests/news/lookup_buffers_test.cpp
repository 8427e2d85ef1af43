// The owner of lookup buffers: a buffer lives from Hold to the Release of
// its own key or the owner's end, and nothing else frees it.
#include "news/LookupBuffers.h"

#include <gtest/gtest.h>

namespace {

using news::LiveLookupBuffers;
using news::LookupBuffer;
using news::LookupBuffers;

TEST(LookupBuffers, EachBufferLivesUntilItsKeyIsReleasedOrTheOwnerGoes) {
    const int before = LiveLookupBuffers();
    {
        LookupBuffers buffers;
        buffers.Hold(7, std::make_unique<LookupBuffer>());
        buffers.Hold(9, std::make_unique<LookupBuffer>());
        const LookupBuffer* seven = buffers.Find(7);
        ASSERT_NE(seven, nullptr);
        EXPECT_NE(seven, buffers.Find(9));
        EXPECT_EQ(buffers.Find(8), nullptr);

        buffers.Release(8);  // a reply for no buffer held here
        EXPECT_EQ(LiveLookupBuffers() - before, 2);
        buffers.Release(7);
        EXPECT_EQ(buffers.Find(7), nullptr);
        EXPECT_NE(buffers.Find(9), nullptr);
        EXPECT_EQ(LiveLookupBuffers() - before, 1);
        buffers.Release(7);  // a second reply changes nothing
        EXPECT_EQ(buffers.Held(), 1u);
    }
    EXPECT_EQ(LiveLookupBuffers(), before);
}

}  // namespace
