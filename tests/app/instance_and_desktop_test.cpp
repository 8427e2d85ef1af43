// Which start is a second copy, and which windows hold the desktop view.
#include "app/DesktopHost.h"
#include "app/SingleInstance.h"

#include <gtest/gtest.h>

namespace {

TEST(SingleInstance, JudgesTheMarkerCreation) {
    using enum app::InstanceStart;
    // handle made, last error: 183 already exists, 5 access denied (made by a copy with other rights)
    const struct {
        bool handleMade;
        unsigned long lastError;
        app::InstanceStart expected;
    } cases[] = {{true, 0, First}, {true, 183, Duplicate}, {false, 5, Duplicate}, {false, 8, First}, {true, 5, First}};
    for (const auto& c : cases)
        EXPECT_EQ(app::JudgeInstanceMarker(c.handleMade, c.lastError), c.expected) << c.handleMade << c.lastError;
}

TEST(DesktopHost, ProgmanOrWorkerWInAnyCase) {
    for (const char* name : {"Progman", "PROGMAN", "WorkerW", "workerw"}) EXPECT_TRUE(app::IsDesktopHostClass(name));
    for (const char* name : {"", "Progma", "progman ", "WorkerW2", "SHELLDLL_DefView"})
        EXPECT_FALSE(app::IsDesktopHostClass(name)) << name;
}

}  // namespace
