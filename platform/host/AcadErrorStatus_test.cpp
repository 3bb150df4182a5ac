#include "host/AcadErrorStatus.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(AcadErrorStatus, CodesTheModuleReliesOnHaveTheirValues) {
    EXPECT_EQ(static_cast<int>(Acad::eOk), 0);
    EXPECT_EQ(static_cast<int>(Acad::eInvalidInput), 3);
    EXPECT_EQ(static_cast<Acad::ErrorStatus>(337), Acad::eUnavailable);
}

TEST(AcadErrorStatus, TextNamesKnownAndRawCodes) {
    EXPECT_STREQ(Acad::errorStatusText(Acad::eInvalidInput), "eInvalidInput");
    EXPECT_STREQ(Acad::errorStatusText(Acad::eMalformedFile), "eMalformedFile");
    const char* raw = Acad::errorStatusText(static_cast<Acad::ErrorStatus>(42));
    EXPECT_STREQ(raw, "status 42");
    // The text of a raw code stays put while other raw codes are named.
    for (int code = 100; code < 200; ++code)
        Acad::errorStatusText(static_cast<Acad::ErrorStatus>(code));
    EXPECT_STREQ(raw, "status 42");
}

}  // namespace
