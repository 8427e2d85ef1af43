// The move-only handle owner: every valid handle it takes is closed exactly
// once, whatever happens to the owner.
#include "base/UniqueHandle.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// Handles are small ints; the traits record what happens to them.
struct Journal {
    std::vector<int> closed;
    int acquired = 0;
    int closeResult = 0;
};
Journal journal;

struct CountedTraits {
    using Handle = int;
    static constexpr Handle Invalid() { return -1; }
    static int Close(Handle h) {
        journal.closed.push_back(h);
        return journal.closeResult;
    }
    static void Acquired(Handle) { ++journal.acquired; }
};

struct PlainTraits {
    using Handle = int;
    static constexpr Handle Invalid() { return 0; }
    static bool Close(Handle h) {
        journal.closed.push_back(h);
        return true;
    }
};

using Owner = base::UniqueHandle<CountedTraits>;

class UniqueHandleTest : public ::testing::Test {
protected:
    void SetUp() override { journal = Journal{}; }
};

TEST_F(UniqueHandleTest, ClosesOnceWhenItGoes) {
    { Owner owner(7); }
    { Owner empty; }
    EXPECT_EQ(journal.closed, std::vector<int>{7});
    EXPECT_EQ(journal.acquired, 1);
}

TEST_F(UniqueHandleTest, MovesHandOverWithoutClosing) {
    {
        Owner a(3);
        Owner b(std::move(a));
        EXPECT_FALSE(a);
        EXPECT_EQ(b.get(), 3);
        Owner c(4);
        c = std::move(b);  // 4 goes now, 3 later
        EXPECT_EQ(journal.closed, std::vector<int>{4});
        c = std::move(c);
        EXPECT_EQ(c.get(), 3);
    }
    EXPECT_EQ(journal.closed, (std::vector<int>{4, 3}));
    EXPECT_EQ(journal.acquired, 2) << "a move is not a new handle";
}

TEST_F(UniqueHandleTest, ReleaseResetAndClose) {
    Owner owner(5);
    EXPECT_EQ(owner.release(), 5);
    EXPECT_FALSE(owner);

    owner.reset(6);
    owner.reset(8);
    EXPECT_EQ(journal.closed, std::vector<int>{6});
    EXPECT_EQ(journal.acquired, 3);

    journal.closeResult = -1;
    EXPECT_EQ(owner.Close(), -1) << "the system's answer comes back";
    EXPECT_EQ(owner.Close(), 0) << "an empty owner closes nothing";
    owner.reset();
    EXPECT_EQ(journal.closed, (std::vector<int>{6, 8}));
}

TEST_F(UniqueHandleTest, TraitsWithoutAHookAndAnotherInvalidValue) {
    base::UniqueHandle<PlainTraits> owner(-1);  // -1 is a real handle here
    EXPECT_TRUE(owner);
    EXPECT_TRUE(owner.Close());
    EXPECT_FALSE(base::UniqueHandle<PlainTraits>().Close()) << "bool() for an empty owner";
    EXPECT_EQ(journal.closed, std::vector<int>{-1});
    EXPECT_EQ(journal.acquired, 0);
}

}  // namespace
