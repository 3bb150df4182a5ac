#pragma once
// For the frame's tests: a fresh window system and host, the module's resources saved as
// its default resource, and a profile folder of the test's own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/KvTempResourceOverride.h"
#include "core/Texts.h"
#include "frame/KvSSDlgsMgr.h"
#include "frame/MacroDialogSlots.h"
#include "host/CommandLine.h"
#include "host/HostState.h"
#include "resources/ModuleResources.h"
#include "win/Profile.h"
#include "win/ScriptedUser.h"
#include "win/WinTestSupport.h"

namespace frame_testing {

class FrameTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        host::HostState::reset();
        folder = std::filesystem::temp_directory_path() /
                 ("mdx-frame-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        win::setProfileFolder(folder);
        module = resources::moduleResourceHandle();
        ASSERT_NE(module, nullptr);
        KvTempResourceOverride::SaveDefaultResource(module);
    }
    void TearDown() override {
        macro_slots::reset();
        gSSDlgsMgr.destroyAll();
        KvTempResourceOverride::SaveDefaultResource(nullptr);
        host::HostState::reset();
        WindowSystemTest::TearDown();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    std::string writeFile(const std::string& name, const std::string& text) const {
        const auto path = folder / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }
    static const std::string& transcript() { return host::CommandLine::transcript(); }
    // Whether a message box showed the module's text of that number.
    static bool told(int textNumber) {
        KvTempResourceOverride resources;
        for (const auto& box : win::user::messageBoxes())
            if (box.text == dialString(textNumber).str()) return true;
        return false;
    }
    static int count(const std::string& text, const std::string& what) {
        int n = 0;
        for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
        return n;
    }

    std::filesystem::path folder;
    HINSTANCE module = nullptr;
};

}  // namespace frame_testing
