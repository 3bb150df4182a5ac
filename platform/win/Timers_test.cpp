#include "win/Timers.h"

#include <string>
#include <vector>

#include "win/CWnd.h"
#include "win/WinTestSupport.h"

namespace {

std::vector<std::string> g_fired;

void record(HWND, UINT, UINT_PTR id, DWORD time) {
    g_fired.push_back(std::to_string(id) + "@" + std::to_string(time));
}

void killsItself(HWND hwnd, UINT, UINT_PTR id, DWORD time) {
    g_fired.push_back("self@" + std::to_string(time));
    KillTimer(hwnd, id);
}

void restartsSlower(HWND hwnd, UINT, UINT_PTR id, DWORD time) {
    g_fired.push_back("slow@" + std::to_string(time));
    SetTimer(hwnd, id, 100, restartsSlower);
}

class TimersTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        g_fired.clear();
    }
};

TEST_F(TimersTest, TimersFireInDueOrderAndRepeat) {
    const UINT_PTR a = SetTimer(nullptr, 0, 50, record);
    const UINT_PTR b = SetTimer(nullptr, 0, 30, record);
    EXPECT_NE(a, b);
    win::advanceClock(100);
    const std::string A = std::to_string(a), B = std::to_string(b);
    EXPECT_EQ(g_fired,
              (std::vector<std::string>{B + "@30", A + "@50", B + "@60", B + "@90", A + "@100"}));
    EXPECT_EQ(GetTickCount(), 100u);
    g_fired.clear();
    win::advanceClock(9);
    EXPECT_TRUE(g_fired.empty());
}

TEST_F(TimersTest, TimersDueTogetherFireInTheOrderTheyWereSet) {
    const UINT_PTR first = SetTimer(nullptr, 0, 50, record);
    const UINT_PTR second = SetTimer(nullptr, 0, 50, record);
    win::advanceClock(50);
    EXPECT_EQ(g_fired, (std::vector<std::string>{std::to_string(first) + "@50",
                                                 std::to_string(second) + "@50"}));
}

TEST_F(TimersTest, ATimerKilledInItsOwnCallbackStaysDead) {
    SetTimer(nullptr, 0, 50, killsItself);
    win::advanceClock(500);
    EXPECT_EQ(g_fired, (std::vector<std::string>{"self@50"}));
    EXPECT_EQ(win::activeTimerCount(), 0u);
}

TEST_F(TimersTest, ATimerRestartedInItsCallbackTakesTheNewInterval) {
    const UINT_PTR id = SetTimer(nullptr, 0, 10, restartsSlower);
    win::advanceClock(250);
    EXPECT_EQ(g_fired, (std::vector<std::string>{"slow@10", "slow@110", "slow@210"}));
    EXPECT_TRUE(KillTimer(nullptr, id));
    EXPECT_FALSE(KillTimer(nullptr, id));
}

TEST_F(TimersTest, WindowTimersSendWmTimerAndDieWithTheirWindow) {
    struct Counting : CWnd {
        std::vector<UINT_PTR> ticks;
        void OnTimer(UINT_PTR id) override { ticks.push_back(id); }
    } wnd;
    ASSERT_TRUE(wnd.CreateEx(0, "#32770", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(wnd.SetTimer(7, 2000), 7u);
    EXPECT_EQ(wnd.SetTimer(7, 2000), 7u) << "same id restarts";
    win::advanceClock(4000);
    EXPECT_EQ(wnd.ticks, (std::vector<UINT_PTR>{7, 7}));
    wnd.DestroyWindow();
    EXPECT_EQ(win::activeTimerCount(), 0u);
    EXPECT_EQ(SetTimer(reinterpret_cast<HWND>(static_cast<UINT_PTR>(12345)), 1, 10, nullptr), 0u);
}

TEST_F(TimersTest, ShortIntervalsCountAsTenMilliseconds) {
    SetTimer(nullptr, 0, 0, record);
    win::advanceClock(25);
    EXPECT_EQ(g_fired.size(), 2u);
}

}  // namespace
