#include "core/CTime.h"

#include <gtest/gtest.h>

namespace {

TEST(CTime, FormatsDatesWithEnglishNamesWhateverTheSystemLanguage) {
    const CTime evening(2026, 12, 6, 20, 55, 7);
    EXPECT_EQ(evening.Format("%d %B, %Y (%H:%M)").str(), "06 December, 2026 (20:55)");
    EXPECT_EQ(evening.Format("%a %b %y %m/%d %S %j %% %Q").str(), "Sun Dec 26 12/06 07 340 % %Q");
    EXPECT_EQ(CTime(2027, 1, 1, 0, 0, 0).Format("%A %d %B").str(), "Friday 01 January");
    EXPECT_EQ(evening.GetMonth(), 12);
    EXPECT_EQ(evening.GetMinute(), 55);
}

TEST(CTime, TheClockCanBeFixedAndReleased) {
    setFixedTime(CTime(2026, 3, 4, 5, 6, 0));
    CTime now;
    getCurrentTime(now);
    EXPECT_EQ(now.Format("%d %B, %Y (%H:%M)").str(), "04 March, 2026 (05:06)");
    clearFixedTime();
    getCurrentTime(now);
    EXPECT_GT(now.GetYear(), 2020);
}

}  // namespace
