#include "core/Mdx_Timer.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

std::int64_t fakeNow = 0;
std::int64_t fakeClock() {
    return fakeNow;
}

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override {
        fakeNow = 1000;
        Mdx_Timer::setClock(&fakeClock);
    }
    void TearDown() override { Mdx_Timer::setClock(nullptr); }
};

TEST_F(TimerTest, AddsUpRunsAndCountsThem) {
    Mdx_Timer timer("gLoad");
    timer.start();
    fakeNow += 300;
    timer.end();
    timer.start();
    fakeNow += 200;
    EXPECT_TRUE(timer.isRunning());
    EXPECT_EQ(timer.totalNanoseconds(), 300);  // the running run is not in yet
    timer.end();
    EXPECT_EQ(timer.count(), 2);
    EXPECT_EQ(timer.totalNanoseconds(), 500);
    EXPECT_DOUBLE_EQ(timer.totalSeconds(), 500e-9);
}

TEST_F(TimerTest, NestedStartsCountOnceAndStrayEndsAreIgnored) {
    Mdx_Timer timer("gCalcCells");
    timer.end();
    EXPECT_EQ(timer.count(), 0);
    timer.start();
    fakeNow += 10;
    timer.start();  // a child evaluation enters the same stage
    fakeNow += 20;
    timer.end();
    EXPECT_TRUE(timer.isRunning());
    fakeNow += 30;
    timer.end();
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(timer.count(), 1);
    EXPECT_EQ(timer.totalNanoseconds(), 60);
    timer.end();
    EXPECT_EQ(timer.count(), 1);
}

void throwingStage(Mdx_Timer& timer) {
    Mdx_FunctionTimer scoped(timer);
    fakeNow += 7;
    throw std::runtime_error("stage failed");
}

TEST_F(TimerTest, ScopedTimerEndsOnEveryWayOut) {
    Mdx_Timer timer("gCalcCellGetVarCoordName");
    for (int i = 0; i < 3; ++i) {
        Mdx_FunctionTimer scoped(timer);
        fakeNow += 5;
        if (i == 1) continue;
    }
    EXPECT_THROW(throwingStage(timer), std::runtime_error);
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(timer.count(), 4);
    EXPECT_EQ(timer.totalNanoseconds(), 22);
}

TEST_F(TimerTest, RegistryKnowsLiveTimersAndReportsTheOnesThatRan) {
    const auto before = Mdx_Timer::allTimers().size();
    {
        Mdx_Timer ran("gRanTimer");
        Mdx_Timer idle("gIdleTimer");
        EXPECT_EQ(Mdx_Timer::allTimers().size(), before + 2);
        ran.start();
        fakeNow += 1500000000;
        ran.end();
        const std::string report = Mdx_Timer::report();
        EXPECT_NE(report.find("gRanTimer"), std::string::npos);
        EXPECT_NE(report.find("1.500000"), std::string::npos);
        EXPECT_EQ(report.find("gIdleTimer"), std::string::npos);
        Mdx_Timer::resetAll();
        EXPECT_EQ(ran.count(), 0);
        EXPECT_EQ(ran.totalNanoseconds(), 0);
    }
    EXPECT_EQ(Mdx_Timer::allTimers().size(), before);
}

TEST(TimerSteadyClock, RealTimeIsNeverNegative) {
    Mdx_Timer timer("real");
    timer.start();
    timer.end();
    EXPECT_EQ(timer.count(), 1);
    EXPECT_GE(timer.totalNanoseconds(), 0);
}

}  // namespace
