#include "host/HostState.h"

#include <gtest/gtest.h>

#include "host/CommandLine.h"
#include "host/CommandStack.h"
#include "host/DynamicLinker.h"
#include "host/MainWindow.h"
#include "host/ModuleLoader.h"
#include "win/Window.h"

namespace {

int quietEntry(int, void*) {
    return 0;
}

TEST(HostState, ResetStartsAFreshSession) {
    acutPrintf("left over\n");
    acedPostCommand("CANCELCMD");
    host::CommandStack::instance().addCommand("G", "C", [] {});
    host::ModuleLoader::define({"Left.arx", &quietEntry, nullptr, nullptr});
    host::ModuleLoader::load("Left.arx");
    void* appId = host::ModuleLoader::applicationId("Left.arx");
    HWND oldMain = adsw_acadMainWnd();

    host::HostState::reset();

    EXPECT_TRUE(host::CommandLine::transcript().empty());
    EXPECT_TRUE(host::CommandLine::postedCommands().empty());
    EXPECT_FALSE(host::CommandStack::instance().hasGroup("G"));
    EXPECT_FALSE(host::ModuleLoader::isLoaded("Left.arx"));
    EXPECT_FALSE(host::DynamicLinker::instance().isKnown(appId));
    EXPECT_FALSE(IsWindow(oldMain));
    EXPECT_TRUE(IsWindow(adsw_acadMainWnd()));
}

}  // namespace
