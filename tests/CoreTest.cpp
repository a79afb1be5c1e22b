// Coordinates, angles, random numbers, the clock and the log.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <set>

#include "core/Clock.h"
#include "core/Coord.h"
#include "core/Error.h"
#include "core/Random.h"
#include "core/Utility.h"

// The remainder takes the dividend's sign, distances are truncated, and offsets round half up
// only for positive results (y grows downwards: +pi/2 moves down the screen).
TEST(Coord, RemaindersDistancesAndOffsets) {
    EXPECT_DOUBLE_EQ(Utility::mod(-7.5, 2), -1.5);
    EXPECT_DOUBLE_EQ(Utility::mod(7.5, 2), 1.5);
    EXPECT_EQ(Utility::distance(Coord(0, 0), Coord(1, 1)), 1);
    EXPECT_EQ(Utility::distance(Coord(10, 0), Coord(-9, 0)), 19);
    EXPECT_EQ(Coord(10, 10).vectorOffset(0, 5), Coord(15, 10));
    EXPECT_EQ(Coord(0, 0).vectorOffset(M_PI, 3), Coord(-2, 0));
    EXPECT_EQ(Coord(0, 0).vectorOffset(M_PI / 2, 4), Coord(0, 4));
    EXPECT_EQ(Coord(1, 1).vectorOffset(M_PI / 4, 10), Coord(8, 8));
}

// The game keeps its own copy of the C library's generator: every draw must be the one
// rand() would have given, or every rule that draws would play differently.
TEST(Random, GivesTheCLibrarysSequenceForEverySeed) {
    for (unsigned seed : {0u, 1u, 5u, 12345u, 2147483648u, 4294967295u}) {
        Random::seed(seed);
        std::srand(seed);
        int differing = 0;
        for (int i = 0; i < 20000; ++i)
            differing += Random::next() != std::rand();
        EXPECT_EQ(differing, 0) << "seed " << seed;
    }
}

// Whole degrees from the lower bound up to, not including, the upper; equal bounds give that
// angle without a draw; reversed bounds still give an angle (a non-negative remainder).
TEST(Utility, RandomAngles) {
    const auto degrees = [](int low, int high) {
        return Utility::randAngle(low, high) / 0.0174532925;
    };
    Random::seed(1);
    std::set<int> seen;
    for (int i = 0; i < 5000; ++i) {
        const double d = degrees(-30, 30);
        seen.insert(static_cast<int>(std::lround(d)));
        EXPECT_NEAR(d, std::lround(d), 1e-9);
    }
    EXPECT_TRUE(*seen.begin() == -30 && *seen.rbegin() == 29 && seen.size() == 60u);
    for (int i = 0; i < 100; ++i) {
        const double d = degrees(10, 0);
        EXPECT_TRUE(d >= 10 - 1e-9 && d <= 19 + 1e-9) << d;
    }

    Random::seed(5);
    const int expected_next = Random::next();
    Random::seed(5);
    EXPECT_NEAR(degrees(45, 45), 45, 1e-9);
    EXPECT_EQ(Random::next(), expected_next);
}

// The limits themselves are kept; what is changed is logged.
TEST(Utility, ClampKeepsTheLimitsAndLogsWhatItChanges) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(Utility::clamp(7, 7, "x"), 7);
    EXPECT_EQ(Utility::clamp(-7, 7, "x"), -7);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    testing::internal::CaptureStdout();
    EXPECT_EQ(Utility::clamp(8, 7, "HEAL hp"), 7);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "HEAL hp 8 is out of range; using 7\n");
}

// Held time is left out of the rules' clock; holding twice is once, and releasing a clock
// that is not held changes nothing.
TEST(Clock, HeldTimeIsLeftOut) {
    Clock::count_frames();
    const Uint32 start = Clock::now();
    Clock::release();
    Clock::advance();
    EXPECT_EQ(Clock::now(), start + Clock::FRAME_MS);
    Clock::hold();
    Clock::advance();
    Clock::hold();
    Clock::advance();
    EXPECT_EQ(Clock::now(), start + Clock::FRAME_MS);
    Clock::release();
    Clock::release();
    Clock::advance();
    EXPECT_EQ(Clock::now(), start + 2 * Clock::FRAME_MS);
    Clock::count_real();
}

TEST(Coord, PolarOfWholeDegreesIsExactlyTheOffsetFromTheOrigin) {
    for (int degrees = -800; degrees <= 800; ++degrees)
        for (double distance : {-14.0, -1.0, 0.0, 3.0, 43.0})
            ASSERT_EQ(Utility::polar(degrees, distance),
                      Coord().vectorOffset(Utility::getAngle(degrees), distance))
                << degrees << " degrees, " << distance;
}

namespace {
std::string logged(void (*write)()) {
    testing::internal::CaptureStdout();
    write();
    return testing::internal::GetCapturedStdout();
}
} // namespace

TEST(LogDeathTest, OpeningLineOuterClosingLineInnerAndAHaltExitsWithOne) {
    const std::string out = logged([] {
        Error::open("a");
        Error::open("b");
        Error::note("c");
        Error::close("d");
        Error::note("e");
        Error::close("f");
        Error::note("g");
        // Unbalanced closes write no tabs, and the log recovers.
        Error::close("x");
        Error::open("z");
        Error::note("w");
    });
    EXPECT_EQ(out, "a\n\tb\n\t\tc\n\t\td\n\te\n\tf\ng\nx\nz\nw\n");
    // A halt writes its message at its depth and exits with 1. The log goes to standard
    // output; it is sent to standard error where the death test looks.
    EXPECT_EXIT(
        {
            dup2(2, 1);
            Error::open("outer");
            Error::open("inner");
            Error::halt("Graphics: SDL failed to initialise");
        },
        testing::ExitedWithCode(1), "\t\tGraphics: SDL failed to initialise\n");
}
