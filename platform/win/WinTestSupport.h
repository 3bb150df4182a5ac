#pragma once
// For this layer's tests: a clean window system for every test.
#include <gtest/gtest.h>

#include "win/MouseInput.h"
#include "win/ResourceModule.h"
#include "win/ScriptedUser.h"
#include "win/Timers.h"
#include "win/Tooltips.h"
#include "win/WindowRecord.h"

namespace win::testing {

class WindowSystemTest : public ::testing::Test {
protected:
    void SetUp() override { resetAll(); }
    void TearDown() override { resetAll(); }
    static void resetAll() {
        win::user::reset();
        win::mouse::reset();
        win::resetTooltips();
        win::detail::resetWindowTable();
        win::resetTimers();
        win::resetResourceModules();
    }
};

}  // namespace win::testing
