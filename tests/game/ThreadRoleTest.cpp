#include <gtest/gtest.h>

#include <thread>

#include "game/ThreadRole.h"

namespace zq {
namespace {

TEST(ThreadRoleTest, TheThreadThatEnteredARolePassesItsCheck) {
    ThreadRole role;
    role.Enter();
    role.Assert();  // no stop, in any build
    std::thread other([&role] {
        role.Enter();
        role.Assert();
    });
    other.join();
}

TEST(ThreadRoleDeathTest, DebugBuildsStopCodeThatRunsOnAnotherThreadThanItsRole) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ThreadRole role;
    EXPECT_DEBUG_DEATH(role.Assert(), "does not play this role") << "no thread has entered it";
    std::thread other([&role] { role.Enter(); });
    other.join();
    EXPECT_DEBUG_DEATH(role.Assert(), "does not play this role") << "another thread entered it last";
}

}  // namespace
}  // namespace zq
