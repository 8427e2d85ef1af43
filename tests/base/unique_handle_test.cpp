// The move-only handle owner: every valid handle it takes is closed exactly
// once, whatever happens to the owner.
#include "base/UniqueHandle.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

std::vector<int> closed;  // handles in the order they were closed
int acquired = 0;
int closeResult = 0;

struct CountedTraits {
    using Handle = int;
    static constexpr Handle Invalid() { return -1; }
    static int Close(Handle h) {
        closed.push_back(h);
        return closeResult;
    }
    static void Acquired(Handle) { ++acquired; }
};
using Owner = base::UniqueHandle<CountedTraits>;

TEST(UniqueHandle, MovesHandOverAndEveryHandleIsClosedOnce) {
    closed.clear();
    acquired = 0;
    {
        Owner empty;
        Owner a(3);
        Owner b(std::move(a));
        EXPECT_FALSE(a);
        Owner c(4);
        c = std::move(b);  // 4 goes now, 3 when c goes
        EXPECT_EQ(closed, std::vector<int>{4});
        EXPECT_EQ(c.get(), 3);
    }
    EXPECT_EQ(closed, (std::vector<int>{4, 3}));
    EXPECT_EQ(acquired, 2) << "a move is not a new handle";
}

TEST(UniqueHandle, ReleaseResetAndCloseResult) {
    closed.clear();
    acquired = 0;
    Owner owner(5);
    EXPECT_EQ(owner.release(), 5);
    owner.reset(6);
    owner.reset(8);
    EXPECT_EQ(acquired, 3);
    closeResult = -1;
    EXPECT_EQ(owner.Close(), -1) << "the system's answer comes back";
    EXPECT_EQ(owner.Close(), 0) << "an empty owner closes nothing";
    closeResult = 0;
    EXPECT_EQ(closed, (std::vector<int>{6, 8}));
}

}  // namespace
