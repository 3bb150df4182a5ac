#include "host/ModuleLoader.h"

#include <gtest/gtest.h>

#include "host/CommandStack.h"
#include "host/DynamicLinker.h"
#include "host/SystemRegistry.h"

namespace {

using host::ModuleLoader;

// A module that behaves like the spreadsheet module at load and unload.
HINSTANCE savedInstance = nullptr;
void* initialisedWith = nullptr;

BOOL libraryEntry(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == host::kProcessAttach) savedInstance = instance;
    return 1;
}

int wellBehavedEntry(int message, void* appId) {
    if (message == host::kInitialiseApplication) {
        initialisedWith = appId;
        auto* linker =
            dynamic_cast<host::DynamicLinker*>(host::SystemRegistry::at("DynamicLinker"));
        linker->unlockApplication(appId);
        linker->registerMultiDocumentAware(appId);
    } else if (message == host::kUnloadApplication) {
        auto* commands =
            dynamic_cast<host::CommandStack*>(host::SystemRegistry::at("ACAD_REGISTERED_COMMANDS"));
        commands->removeGroup("MERIDOX_SS");
    }
    return 0;
}

int stubbornEntry(int, void*) {
    return 0;
}  // never unlocks itself
int failingEntry(int message, void*) {
    return message == host::kInitialiseApplication ? 1 : 0;
}
BOOL refusingLibrary(HINSTANCE, DWORD, LPVOID) {
    return 0;
}

HINSTANCE fakeInstance() {
    return reinterpret_cast<HINSTANCE>(0x4000);
}

class ModuleLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ModuleLoader::clear();
        host::CommandStack::instance().clear();
        savedInstance = nullptr;
        initialisedWith = nullptr;
    }
    void TearDown() override { ModuleLoader::clear(); }
    void define(const char* name, host::EntryPointFunction entry,
                host::LibraryEntryFunction library = &libraryEntry) {
        ASSERT_EQ(ModuleLoader::define({name, entry, library, fakeInstance()}), Acad::eOk);
    }
};

TEST_F(ModuleLoaderTest, LoadAttachesThenInitialisesAndTheModuleUnlocksItself) {
    define("Spread.arx", &wellBehavedEntry);
    ASSERT_EQ(ModuleLoader::load("Spread.arx"), Acad::eOk);
    void* appId = ModuleLoader::applicationId("Spread.arx");
    ASSERT_NE(appId, nullptr);
    EXPECT_EQ(initialisedWith, appId);
    EXPECT_EQ(savedInstance, fakeInstance());
    const auto& linker = host::DynamicLinker::instance();
    EXPECT_FALSE(linker.isApplicationLocked(appId));
    EXPECT_TRUE(linker.isMultiDocumentAware(appId));
    EXPECT_EQ(ModuleLoader::callLog("Spread.arx"),
              (std::vector<std::string>{"library 1 -> 1", "entry 1 -> 0"}));
    EXPECT_EQ(ModuleLoader::load("Spread.arx"), Acad::eOk);  // no second attach
    EXPECT_EQ(ModuleLoader::callLog("Spread.arx").size(), 2u);
}

TEST_F(ModuleLoaderTest, OtherMessagesReachTheEntryPointAndChangeNothing) {
    define("Spread.arx", &wellBehavedEntry);
    ModuleLoader::load("Spread.arx");
    EXPECT_EQ(ModuleLoader::sendMessage("Spread.arx", 3), 0);
    EXPECT_EQ(ModuleLoader::sendMessage("Spread.arx", 15), 0);
    EXPECT_TRUE(ModuleLoader::isLoaded("Spread.arx"));
    EXPECT_TRUE(host::CommandStack::instance().removedGroupRequests().empty());
    EXPECT_EQ(ModuleLoader::sendMessage("Other.arx", 3), -1);
}

TEST_F(ModuleLoaderTest, UnloadSendsTheMessageThenDetaches) {
    define("Spread.arx", &wellBehavedEntry);
    host::CommandStack::instance().addCommand("MERIDOX_SS", "SSCMD", [] {});
    ModuleLoader::load("Spread.arx");
    void* appId = ModuleLoader::applicationId("Spread.arx");
    ASSERT_EQ(ModuleLoader::unload("Spread.arx"), Acad::eOk);
    EXPECT_FALSE(ModuleLoader::isLoaded("Spread.arx"));
    EXPECT_EQ(ModuleLoader::applicationId("Spread.arx"), nullptr);
    EXPECT_FALSE(host::DynamicLinker::instance().isKnown(appId));
    EXPECT_FALSE(host::CommandStack::instance().hasGroup("MERIDOX_SS"));
    EXPECT_EQ(host::CommandStack::instance().removedGroupRequests(),
              (std::vector<std::string>{"MERIDOX_SS"}));
    EXPECT_EQ(ModuleLoader::callLog("Spread.arx"),
              (std::vector<std::string>{"library 1 -> 1", "entry 1 -> 0", "entry 2 -> 0",
                                        "library 0 -> 1"}));
    EXPECT_EQ(ModuleLoader::unload("Spread.arx"), Acad::eInvalidInput);
}

TEST_F(ModuleLoaderTest, ALockedModuleStaysLoadedAndHearsNothing) {
    define("Locked.arx", &stubbornEntry);
    ASSERT_EQ(ModuleLoader::load("Locked.arx"), Acad::eOk);
    EXPECT_EQ(ModuleLoader::unload("Locked.arx"), Acad::eInvalidInput);
    EXPECT_TRUE(ModuleLoader::isLoaded("Locked.arx"));
    EXPECT_EQ(ModuleLoader::callLog("Locked.arx").size(), 2u);
    EXPECT_EQ(ModuleLoader::define({"Locked.arx", &wellBehavedEntry, nullptr, nullptr}),
              Acad::eInvalidInput);
}

TEST_F(ModuleLoaderTest, RefusedAttachOrInitialiseLeavesTheModuleUnloaded) {
    define("NoAttach.arx", &wellBehavedEntry, &refusingLibrary);
    EXPECT_EQ(ModuleLoader::load("NoAttach.arx"), Acad::eInvalidInput);
    EXPECT_FALSE(ModuleLoader::isLoaded("NoAttach.arx"));
    EXPECT_EQ(initialisedWith, nullptr);  // the entry point never ran
    EXPECT_EQ(ModuleLoader::callLog("NoAttach.arx"), (std::vector<std::string>{"library 1 -> 0"}));

    define("NoInit.arx", &failingEntry);
    EXPECT_EQ(ModuleLoader::load("NoInit.arx"), Acad::eInvalidInput);
    EXPECT_FALSE(ModuleLoader::isLoaded("NoInit.arx"));
    EXPECT_EQ(ModuleLoader::callLog("NoInit.arx"),
              (std::vector<std::string>{"library 1 -> 1", "entry 1 -> 1", "library 0 -> 1"}));

    EXPECT_EQ(ModuleLoader::load("Unknown.arx"), Acad::eInvalidInput);
    EXPECT_EQ(ModuleLoader::define({"", &wellBehavedEntry, nullptr, nullptr}), Acad::eInvalidInput);
    EXPECT_EQ(ModuleLoader::define({"X.arx", nullptr, nullptr, nullptr}), Acad::eInvalidInput);
}

TEST_F(ModuleLoaderTest, AModuleWithoutLibraryEntryStillLoads) {
    define("Plain.arx", &wellBehavedEntry, nullptr);
    EXPECT_EQ(ModuleLoader::load("Plain.arx"), Acad::eOk);
    EXPECT_EQ(ModuleLoader::callLog("Plain.arx"), (std::vector<std::string>{"entry 1 -> 0"}));
}

}  // namespace
