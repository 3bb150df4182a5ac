// Mapping texts: group, 0x95, keyword, blank, object.
#include "standards/KvObjectMap.h"

#include <gtest/gtest.h>

#include "core/Mdx_StringArray.h"
#include "standards/KvVarCell.h"

namespace {

const Mdx_String kBullet("\x95");

KvObjectMap parsed(const Mdx_String& text, Acad::ErrorStatus expected = Acad::eOk) {
    KvObjectMap object;
    EXPECT_EQ(object.getMappingFromStrs("var", text), expected) << text.toUtf8();
    return object;
}

TEST(MappingTextTest, ReadsGroupKindAndObject) {
    KvObjectMap object = parsed("Plate" + kBullet + "Distance L1");
    EXPECT_EQ(object.groupName, Mdx_String("Plate"));
    EXPECT_EQ(object.kind, KvObjectKind::Distance);
    EXPECT_EQ(object.objectName, Mdx_String("L1"));
    EXPECT_EQ(object.ssVarName, Mdx_String("var"));

    object = parsed(kBullet + "MemberSectionSize Prof0;2");
    EXPECT_TRUE(object.groupName.isEmpty());
    EXPECT_EQ(object.kind, KvObjectKind::MemberSectionSize);
    EXPECT_EQ(object.objectName, Mdx_String("Prof0;2"));
}

TEST(MappingTextTest, RefusesTextsWithoutBulletOrKnownKeyword) {
    for (const Mdx_String& text :
         {Mdx_String("Plate Distance L1"), "Plate" + kBullet + "Length L1", "Plate" + kBullet + "",
          "Plate" + kBullet + "Dist L1", Mdx_String("")}) {
        KvObjectMap object;
        object.groupName = "kept";
        EXPECT_EQ(object.getMappingFromStrs("v", text), Acad::eInvalidInput) << text.toUtf8();
        EXPECT_EQ(object.groupName, Mdx_String("kept"));
        EXPECT_EQ(object.kind, KvObjectKind::None);
    }
}

TEST(MappingTextTest, KeywordsMatchAsPrefixesInTheirFixedOrder) {
    KvObjectMap object = parsed("P" + kBullet + "CutOffsetX y");
    EXPECT_EQ(object.kind, KvObjectKind::CutOffset);
    EXPECT_EQ(object.objectName, Mdx_String("y"));
    EXPECT_EQ(parsed("P" + kBullet + "CutChamferOffset2 c").kind, KvObjectKind::CutChamferOffset2);
    EXPECT_EQ(parsed("P" + kBullet + "CutChamferOffset1 c").kind, KvObjectKind::CutChamferOffset1);
    EXPECT_EQ(parsed("P" + kBullet + "PatternReverseStart2 p").kind,
              KvObjectKind::PatternReverseStart2);
    EXPECT_EQ(parsed("P" + kBullet + "distance L1").kind, KvObjectKind::Distance);
}

TEST(MappingTextTest, ObjectIsEverythingAfterTheFirstBlank) {
    KvObjectMap object = parsed("P" + kBullet + "   GenVar gen_a b");
    EXPECT_EQ(object.kind, KvObjectKind::GenVar);
    EXPECT_EQ(object.objectName, Mdx_String("gen_a b"));
    object = parsed("Bolts" + kBullet + "BoltsDiameter");
    EXPECT_EQ(object.kind, KvObjectKind::BoltsDiameter);
    EXPECT_TRUE(object.objectName.isEmpty());
    // The group keeps everything before the first bullet, further bullets belong to the object.
    object = parsed("A B" + kBullet + "Distance x" + kBullet + "y");
    EXPECT_EQ(object.groupName, Mdx_String("A B"));
    EXPECT_EQ(object.objectName, "x" + kBullet + "y");
}

TEST(MappingTextTest, ParsingLeavesCategoryAndColumnAlone) {
    KvObjectMap object;
    object.category = 1;
    object.columnName = "h";
    ASSERT_EQ(object.getMappingFromStrs("v", "" + kBullet + "GenVar g"), Acad::eOk);
    EXPECT_EQ(object.category, 1);
    EXPECT_EQ(object.columnName, Mdx_String("h"));
}

TEST(MappingTextTest, WrittenTextReadsBackAsTheSameObject) {
    for (int value = 1; value < kvObjectKindCount; ++value) {
        KvObjectMap object;
        object.groupName = "Grp";
        object.objectName = "Obj 1";
        object.ssVarName = "width";
        object.kind = static_cast<KvObjectKind>(value);
        Mdx_String text, ssVar;
        ASSERT_EQ(object.setMappingToStrs(text, ssVar), Acad::eOk);
        EXPECT_EQ(ssVar, Mdx_String("width"));
        KvObjectMap back;
        ASSERT_EQ(back.getMappingFromStrs(ssVar, text), Acad::eOk) << text.toUtf8();
        EXPECT_EQ(back.kind, object.kind) << text.toUtf8();
        EXPECT_EQ(back.objectName, object.objectName);
        EXPECT_EQ(back.groupName, object.groupName);
    }
    KvObjectMap none;
    Mdx_String text = "kept", ssVar;
    EXPECT_EQ(none.setMappingToStrs(text, ssVar), Acad::eInvalidInput);
    EXPECT_EQ(text, Mdx_String("kept"));
}

TEST(MappingTextTest, CompatibilityComparesGroupObjectAndKindOnly) {
    KvObjectMap a = parsed("Plate" + kBullet + "Distance L1");
    KvObjectMap b = parsed("PLATE" + kBullet + "Distance l1");
    b.ssVarName = "other";
    b.category = 0;
    EXPECT_EQ(a.isCompatible(b), Acad::eOk);
    EXPECT_EQ(a.isCompatible(parsed("Plate" + kBullet + "GenVar L1")), Acad::eInvalidInput);
    EXPECT_EQ(a.isCompatible(parsed("Bolts" + kBullet + "Distance L1")), Acad::eInvalidInput);
}

TEST(MappingTextTest, MapsFromParallelArraysByTheCellsName) {
    KvVarCell cell;
    cell.name = "WIDTH";
    KvObjectMap object;
    EXPECT_EQ(
        object.mapFromArrays({"depth", "width"},
                             {"a" + kBullet + "Distance d", "b" + kBullet + "Distance w"}, cell),
        Acad::eOk);
    EXPECT_EQ(object.objectName, Mdx_String("w"));
    EXPECT_EQ(object.ssVarName, Mdx_String("width"));
    EXPECT_EQ(object.mapFromArrays({"depth", "width"}, {"a" + kBullet + "Distance d"}, cell),
              Acad::eInvalidInput);
    cell.name = "height";
    EXPECT_EQ(object.mapFromArrays({"width"}, {"b" + kBullet + "Distance w"}, cell),
              Acad::eInvalidInput);
}

}  // namespace
