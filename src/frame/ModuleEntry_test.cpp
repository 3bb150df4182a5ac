#include "frame/ModuleEntry.h"

#include "core/macro/MacroData.h"
#include "frame/FrameTestSupport.h"
#include "host/CommandStack.h"
#include "host/DynamicLinker.h"
#include "host/ModuleLoader.h"
#include "host/SystemRegistry.h"
#include "win/Gdi.h"

namespace {

class ModuleLife : public frame_testing::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        KvTempResourceOverride::SaveDefaultResource(nullptr);
        host::ModuleLoader::clear();
        ASSERT_TRUE(defineMeridoxModule(module));
    }
    void TearDown() override {
        if (host::ModuleLoader::isLoaded(kMeridoxModuleName))
            host::ModuleLoader::unload(kMeridoxModuleName);
        host::ModuleLoader::clear();
        FrameTest::TearDown();
    }
    static host::DynamicLinker* linker() {
        return dynamic_cast<host::DynamicLinker*>(
            host::SystemRegistry::at(host::SystemRegistry::kDynamicLinker));
    }
    static host::CommandStack* commands() {
        return dynamic_cast<host::CommandStack*>(
            host::SystemRegistry::at(host::SystemRegistry::kRegisteredCommands));
    }
};

TEST_F(ModuleLife, LoadingSavesTheResourcesUnlocksAndLoadsTheCheckImages) {
    ASSERT_EQ(host::ModuleLoader::load(kMeridoxModuleName), Acad::eOk);
    void* appId = host::ModuleLoader::applicationId(kMeridoxModuleName);
    EXPECT_EQ(KvTempResourceOverride::defaultResource(), module);
    EXPECT_EQ(meridoxInstance(), module);
    EXPECT_FALSE(linker()->isApplicationLocked(appId));
    EXPECT_TRUE(linker()->isMultiDocumentAware(appId));
    ASSERT_NE(sharedUncheckedBitmap(), nullptr);
    ASSERT_NE(sharedCheckedBitmap(), nullptr);
    BITMAP size{};
    sharedCheckedBitmap()->GetBitmap(&size);
    EXPECT_EQ(size.bmWidth, 13);
}

TEST_F(ModuleLife, UnloadingRemovesTheCommandGroupAndClosesTheMacroDialogs) {
    ASSERT_EQ(host::ModuleLoader::load(kMeridoxModuleName), Acad::eOk);
    commands()->addCommand(kMeridoxCommandGroup, "MDXTEST", nullptr);
    MacroData data;
    int slot = -1;
    ASSERT_TRUE(StartDlgMacroModeless(true, data, slot));
    ASSERT_EQ(host::ModuleLoader::unload(kMeridoxModuleName), Acad::eOk);
    EXPECT_FALSE(commands()->hasGroup(kMeridoxCommandGroup));
    ASSERT_EQ(commands()->removedGroupRequests().size(), 1u);
    EXPECT_EQ(commands()->removedGroupRequests()[0], kMeridoxCommandGroup);
    EXPECT_EQ(macro_slots::slotCount(), 0);
    EXPECT_EQ(sharedCheckedBitmap(), nullptr) << "released at detach";
}

TEST_F(ModuleLife, OtherMessagesAreIgnored) {
    ASSERT_EQ(host::ModuleLoader::load(kMeridoxModuleName), Acad::eOk);
    EXPECT_EQ(host::ModuleLoader::sendMessage(kMeridoxModuleName, 3), 0);
    EXPECT_EQ(host::ModuleLoader::sendMessage(kMeridoxModuleName, 99), 0);
    EXPECT_TRUE(commands()->removedGroupRequests().empty());
    EXPECT_TRUE(host::ModuleLoader::isLoaded(kMeridoxModuleName));
}

TEST_F(ModuleLife, AModuleWithoutResourcesDoesNotLoad) {
    ASSERT_TRUE(defineMeridoxModule(nullptr));
    EXPECT_NE(host::ModuleLoader::load(kMeridoxModuleName), Acad::eOk);
    EXPECT_FALSE(host::ModuleLoader::isLoaded(kMeridoxModuleName));
}

}  // namespace
