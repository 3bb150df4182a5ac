#include "host/SystemRegistry.h"

#include <gtest/gtest.h>

#include "host/CommandStack.h"
#include "host/DynamicLinker.h"

namespace {

using host::CommandStack;
using host::DynamicLinker;
using host::SystemRegistry;

TEST(SystemRegistry, HoldsTheLinkerAndTheCommandStackByExactName) {
    EXPECT_EQ(dynamic_cast<DynamicLinker*>(SystemRegistry::at("DynamicLinker")),
              &DynamicLinker::instance());
    EXPECT_EQ(dynamic_cast<CommandStack*>(SystemRegistry::at("ACAD_REGISTERED_COMMANDS")),
              &CommandStack::instance());
    EXPECT_EQ(SystemRegistry::at("dynamiclinker"), nullptr);
    EXPECT_EQ(SystemRegistry::at(""), nullptr);
}

TEST(DynamicLinker, ApplicationsStartLockedAndSingleDocument) {
    DynamicLinker linker;
    int app = 0;
    void* id = &app;
    EXPECT_FALSE(linker.unlockApplication(id));  // not loaded
    EXPECT_FALSE(linker.registerMultiDocumentAware(id));
    linker.addApplication(id);
    EXPECT_TRUE(linker.isApplicationLocked(id));
    EXPECT_FALSE(linker.isMultiDocumentAware(id));
    EXPECT_TRUE(linker.unlockApplication(id));
    EXPECT_TRUE(linker.registerMultiDocumentAware(id));
    EXPECT_FALSE(linker.isApplicationLocked(id));
    EXPECT_TRUE(linker.isMultiDocumentAware(id));
    linker.addApplication(id);  // a second add keeps what the application declared
    EXPECT_FALSE(linker.isApplicationLocked(id));
    linker.removeApplication(id);
    EXPECT_FALSE(linker.isKnown(id));
    linker.addApplication(nullptr);
    EXPECT_FALSE(linker.isKnown(nullptr));
}

void noOp() {}
void otherOp() {}

TEST(CommandStack, RemovesWholeGroupsAndRecordsEveryRequest) {
    CommandStack stack;
    ASSERT_EQ(stack.addCommand("MERIDOX_SS", "SSTEST", &noOp), Acad::eOk);
    ASSERT_EQ(stack.addCommand("MERIDOX_SS", "SSOTHER", &otherOp), Acad::eOk);
    ASSERT_EQ(stack.addCommand("KEEP", "KEPT", &noOp), Acad::eOk);
    EXPECT_EQ(stack.addCommand("MERIDOX_SS", "SSTEST", &otherOp), Acad::eInvalidInput);
    EXPECT_EQ(stack.addCommand("", "X", &noOp), Acad::eInvalidInput);
    EXPECT_EQ(stack.addCommand("G", "X", nullptr), Acad::eInvalidInput);
    EXPECT_EQ(stack.find("SSOTHER"), &otherOp);

    EXPECT_EQ(stack.removeGroup("MERIDOX_SS"), Acad::eOk);
    EXPECT_FALSE(stack.hasGroup("MERIDOX_SS"));
    EXPECT_EQ(stack.find("SSTEST"), nullptr);
    EXPECT_TRUE(stack.hasGroup("KEEP"));
    EXPECT_EQ(stack.removeGroup("MERIDOX_SS"), Acad::eInvalidInput);
    EXPECT_EQ(stack.removedGroupRequests(), (std::vector<std::string>{"MERIDOX_SS", "MERIDOX_SS"}));
    stack.clear();
    EXPECT_FALSE(stack.hasGroup("KEEP"));
    EXPECT_TRUE(stack.removedGroupRequests().empty());
}

}  // namespace
