#include "opm/OpmRegistration.h"

#include <gtest/gtest.h>

#include "host/CommandLine.h"

namespace {

// Until the class table exists nothing may claim that keys were written or removed.
TEST(OpmRegistration, ReportsThatNothingIsRegistered) {
    host::CommandLine::reset();
    EXPECT_EQ(SSregisterOpmCLSIDs(), Acad::eInvalidInput);
    EXPECT_EQ(SScleanupComRegistry(), Acad::eInvalidInput);
    EXPECT_EQ(SSprintCLSIDs(), Acad::eOk);
    const std::string& printed = host::CommandLine::transcript();
    EXPECT_NE(printed.find("SSregisterOpmCLSIDs: the property classes are not available"),
              std::string::npos);
    EXPECT_NE(printed.find("No property classes are registered"), std::string::npos);
}

}  // namespace
