#include "host/ObjectClassRegistry.h"

#include <gtest/gtest.h>

#include "host/testing/TestBox.h"

namespace {

using host::ObjectClassRegistry;
using host::testing::TestBox;
using host::testing::TestLabel;

TEST(ObjectClassRegistry, CreatesRegisteredClassesByName) {
    ASSERT_EQ(ObjectClassRegistry::add<TestBox>(TestBox::kClassName), Acad::eOk);
    EXPECT_EQ(ObjectClassRegistry::add<TestBox>(TestBox::kClassName), Acad::eOk);
    auto object = ObjectClassRegistry::create("TestBox");
    ASSERT_NE(object, nullptr);
    EXPECT_STREQ(object->className(), "TestBox");
    EXPECT_NE(dynamic_cast<TestBox*>(object.get()), nullptr);
    EXPECT_EQ(ObjectClassRegistry::create("testbox"), nullptr);  // names are exact
}

TEST(ObjectClassRegistry, RefusesASecondFactoryUnderOneName) {
    ASSERT_EQ(ObjectClassRegistry::add<TestLabel>("Shared"), Acad::eOk);
    EXPECT_EQ(ObjectClassRegistry::add<TestBox>("Shared"), Acad::eInvalidInput);
    EXPECT_NE(dynamic_cast<TestLabel*>(ObjectClassRegistry::create("Shared").get()), nullptr);
    ObjectClassRegistry::remove("Shared");
    EXPECT_FALSE(ObjectClassRegistry::contains("Shared"));
    EXPECT_EQ(ObjectClassRegistry::create("Shared"), nullptr);
    EXPECT_EQ(ObjectClassRegistry::add("", nullptr), Acad::eInvalidInput);
    EXPECT_EQ(ObjectClassRegistry::add("Null", nullptr), Acad::eInvalidInput);
}

}  // namespace
