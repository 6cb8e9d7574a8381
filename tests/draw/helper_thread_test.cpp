#include "draw/helper_thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

using namespace vek;

// The helper's half runs exactly when Share says so, and is over when Share returns, whether
// the helper was awake, asleep or just woken.
TEST(HelperThread, RunsTheirHalfExactlyWhenItSaysSo)
{
    HelperThread helper;
    int shared = 0;
    for (int k = 0; k < 3000; ++k) {
        if (k % 7 == 0)
            helper.Prepare();
        if (k % 500 == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        int theirs = 0, mine = 0;
        const bool ran = helper.Share([&] { ++theirs; }, [&] { ++mine; });
        ASSERT_EQ(mine, 1);
        ASSERT_EQ(theirs, ran ? 1 : 0);
        shared += ran ? 1 : 0;
    }
    // Work that takes a while gives the helper time to come.
    for (int k = 0; k < 50; ++k) {
        helper.Prepare();
        std::atomic<bool> helped{false};
        const bool ran =
            helper.Share([&] { helped = true; },
                         [&] {
                             const auto until =
                                 std::chrono::steady_clock::now() + std::chrono::milliseconds(20);
                             while (!helped && std::chrono::steady_clock::now() < until) {
                             }
                         });
        EXPECT_EQ(ran, helped.load());
        shared += ran ? 1 : 0;
    }
    EXPECT_GT(shared, 0);
}

// An exception of either half ends Share only once the other half is over: the helper's
// half may use what the caller's frame holds.
TEST(HelperThread, PassesOnExceptionsOnceBothHalvesAreOver)
{
    HelperThread helper;
    for (int k = 0; k < 200; ++k) {
        helper.Prepare();
        std::string mine = "mine";
        std::atomic<bool> started{false};
        try {
            helper.Share(
                [&] {
                    started = true;
                    std::this_thread::sleep_for(std::chrono::microseconds(200));
                    throw std::runtime_error("theirs failed");
                },
                [&] {
                    const auto until =
                        std::chrono::steady_clock::now() + std::chrono::milliseconds(5);
                    while (!started && std::chrono::steady_clock::now() < until) {
                    }
                });
            EXPECT_FALSE(started.load());
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), "theirs failed");
            EXPECT_TRUE(started.load());
        }
        std::atomic<int> theirs{0};
        EXPECT_THROW(helper.Share(
                         [&] {
                             theirs = 1;
                             std::this_thread::sleep_for(std::chrono::microseconds(100));
                             theirs = 2;
                         },
                         [&] { throw std::logic_error(mine); }),
                     std::logic_error);
        EXPECT_NE(theirs.load(), 1);
    }
}

// Only shows that a helper started and ended at once, woken or not, neither hangs nor crashes
// (the sanitizer build watches it); there is no state to assert.
TEST(HelperThread, StartsAndEndsWithoutHangingWokenOrNot)
{
    for (int k = 0; k < 20; ++k) {
        HelperThread helper;
        if (k % 2 == 0)
            helper.Prepare();
    }
}
