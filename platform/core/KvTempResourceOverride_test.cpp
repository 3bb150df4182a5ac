#include "core/KvTempResourceOverride.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "core/Texts.h"
#include "win/ResourceModule.h"

namespace {

class ResourceOverrideTest : public ::testing::Test {
protected:
    void SetUp() override {
        win::resetResourceModules();
        mine = win::loadResourceModuleFromText("STRINGTABLE BEGIN 1 \"mine\" END");
        caller = win::loadResourceModuleFromText("STRINGTABLE BEGIN 1 \"caller\" END");
        other = win::loadResourceModuleFromText("STRINGTABLE BEGIN 1 \"other\" END");
        ASSERT_TRUE(mine && caller && other);
        KvTempResourceOverride::SaveDefaultResource(mine);
        AfxSetResourceHandle(caller);
    }
    void TearDown() override {
        KvTempResourceOverride::SaveDefaultResource(nullptr);
        win::resetResourceModules();
    }
    HINSTANCE mine = nullptr, caller = nullptr, other = nullptr;
};

TEST_F(ResourceOverrideTest, TheModulesResourcesWhileItLives) {
    EXPECT_EQ(dialString(1), Mdx_String("caller"));
    {
        KvTempResourceOverride resources;
        EXPECT_EQ(AfxGetResourceHandle(), mine);
        EXPECT_EQ(dialString(1), Mdx_String("mine"));
        EXPECT_EQ(resources.previous(), caller);
    }
    EXPECT_EQ(AfxGetResourceHandle(), caller);
    EXPECT_EQ(dialString(1), Mdx_String("caller"));
}

TEST_F(ResourceOverrideTest, NestedInstancesRestoreInTurn) {
    {
        KvTempResourceOverride outer;
        {
            KvTempResourceOverride explicitOther(other);
            EXPECT_EQ(AfxGetResourceHandle(), other);
            {
                KvTempResourceOverride inner;
                EXPECT_EQ(AfxGetResourceHandle(), mine);
            }
            EXPECT_EQ(AfxGetResourceHandle(), other);
        }
        EXPECT_EQ(AfxGetResourceHandle(), mine);
    }
    EXPECT_EQ(AfxGetResourceHandle(), caller);
}

int launchPointThatReturnsEarly(bool early) {
    KvTempResourceOverride resources;
    if (early) return 1;
    return 2;
}

void launchPointThatThrows() {
    KvTempResourceOverride resources;
    KvTempResourceOverride nested(AfxGetResourceHandle());
    throw std::runtime_error("dialog failed");
}

TEST_F(ResourceOverrideTest, TheCallersHandleComesBackOnEveryWayOut) {
    EXPECT_EQ(launchPointThatReturnsEarly(true), 1);
    EXPECT_EQ(AfxGetResourceHandle(), caller);
    EXPECT_EQ(launchPointThatReturnsEarly(false), 2);
    EXPECT_EQ(AfxGetResourceHandle(), caller);
    EXPECT_THROW(launchPointThatThrows(), std::runtime_error);
    EXPECT_EQ(AfxGetResourceHandle(), caller);
}

TEST_F(ResourceOverrideTest, OutOfOrderDestructionStillEndsWithTheCallersHandle) {
    auto first = std::make_unique<KvTempResourceOverride>();
    auto second = std::make_unique<KvTempResourceOverride>(other);
    first.reset();  // not the innermost: the handle stays as the inner one set it
    EXPECT_EQ(AfxGetResourceHandle(), other);
    EXPECT_EQ(second->previous(), caller);
    second.reset();
    EXPECT_EQ(AfxGetResourceHandle(), caller);

    auto a = std::make_unique<KvTempResourceOverride>(other);
    auto b = std::make_unique<KvTempResourceOverride>();
    auto c = std::make_unique<KvTempResourceOverride>(other);
    b.reset();
    a.reset();
    EXPECT_EQ(AfxGetResourceHandle(), other);
    c.reset();
    EXPECT_EQ(AfxGetResourceHandle(), caller);
}

TEST_F(ResourceOverrideTest, WithoutASavedDefaultNothingSwitchesButAllIsRestored) {
    KvTempResourceOverride::SaveDefaultResource(nullptr);
    {
        KvTempResourceOverride resources;
        EXPECT_EQ(AfxGetResourceHandle(), caller);
        AfxSetResourceHandle(other);  // something inside changes the handle
    }
    EXPECT_EQ(AfxGetResourceHandle(), caller);
}

}  // namespace
