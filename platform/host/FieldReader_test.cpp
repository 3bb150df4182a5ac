#include "host/FieldReader.h"

#include <gtest/gtest.h>

#include "host/FieldWriter.h"

namespace {

using host::FieldReader;
using host::FieldWriter;

std::vector<host::ObjectField> sampleFields() {
    FieldWriter out;
    out.writeInt("count", 3000000000ll);
    out.writeReal("width", 2.5);
    out.writeText("name", "caf\xE9");
    out.writeId("owner", AcDbObjectId::fromHandle(0x1F));
    out.writeBool("filled", true);
    return out.takeFields();
}

TEST(FieldReader, ReadsBackWhatWasWrittenInOrder) {
    auto fields = sampleFields();
    FieldReader in(fields);
    std::int64_t count = 0;
    double width = 0;
    std::string name;
    AcDbObjectId owner;
    bool filled = false;
    EXPECT_TRUE(in.readInt("count", count));
    EXPECT_TRUE(in.nextIs("width"));
    EXPECT_TRUE(in.readReal("width", width));
    EXPECT_TRUE(in.readText("name", name));
    EXPECT_TRUE(in.readId("owner", owner));
    EXPECT_TRUE(in.readBool("filled", filled));
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(in.status(), Acad::eOk);
    EXPECT_EQ(count, 3000000000ll);
    EXPECT_EQ(width, 2.5);
    EXPECT_EQ(name, "caf\xE9");
    EXPECT_EQ(owner.handle(), 0x1Fu);
    EXPECT_TRUE(filled);
}

TEST(FieldReader, AWrongNameOrKindFailsAndSaysWhere) {
    auto fields = sampleFields();
    FieldReader byName(fields);
    std::int64_t count = 0;
    EXPECT_FALSE(byName.readInt("total", count));
    EXPECT_EQ(byName.error(), "field 1: expected int field \"total\", found int field \"count\"");
    EXPECT_EQ(byName.status(), Acad::eMalformedFile);

    FieldReader byKind(fields);
    double real = 7;
    EXPECT_FALSE(byKind.readReal("count", real));
    EXPECT_EQ(real, 7);
    EXPECT_NE(byKind.error().find("found int field \"count\""), std::string::npos);
}

TEST(FieldReader, TheFirstFailureSticks) {
    auto fields = sampleFields();
    FieldReader in(fields);
    int narrow = 5;
    EXPECT_FALSE(in.readInt("count", narrow));  // three thousand million does not fit
    EXPECT_EQ(narrow, 5);
    EXPECT_NE(in.error().find("does not fit"), std::string::npos);
    double width = 0;
    EXPECT_FALSE(in.readReal("width", width));  // the right field, but after a failure
    EXPECT_EQ(width, 0);
    in.fail("later trouble");
    EXPECT_NE(in.error().find("does not fit"), std::string::npos);
    EXPECT_FALSE(in.nextIs("width"));
}

TEST(FieldReader, ReadingPastTheEndFails) {
    std::vector<host::ObjectField> none;
    FieldReader in(none);
    std::string text = "kept";
    EXPECT_FALSE(in.readText("name", text));
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(in.error(), "expected text field \"name\" after the last field");
}

}  // namespace
