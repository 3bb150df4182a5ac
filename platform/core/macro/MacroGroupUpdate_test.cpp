// The update of one profile group (object type -13): the group's properties reach its
// members in the drawing, and properties the profiles cannot take are refused with a status
// and the reason while drawing and data stay as they were.
#include <gtest/gtest.h>

#include "core/macro/MacroData.h"
#include "core/macro/MacroUpdate.h"
#include "core/macro/testing/EndPlateDrawing.h"
#include "host/AcTransaction.h"

namespace {

class GroupUpdate : public ::testing::Test {
protected:
    void SetUp() override {
        drawing = endplate::build(db);
        AcTransaction transaction(db);
        ASSERT_EQ(data.addMacro(drawing.macro, transaction), Acad::eOk);
        transaction.commit();
    }
    Mdx_ProfPlacement placement(const char* name) {
        return endplate::stiffener(db, drawing, name);
    }
    struct Section {
        Mdx_String sectionName, material;
    };
    Section profileOf(const Mdx_ProfPlacement& placed) {
        AcTransaction transaction(db);
        Mdx_DbProfile* profile = nullptr;
        EXPECT_EQ(transaction.getObject(profile, placed.profileId), Acad::eOk);
        return profile ? Section{profile->sectionName, profile->material} : Section{};
    }
    MacroProfData group(const char* name) {
        MacroProfData props;
        int index = -1;
        EXPECT_TRUE(data.findTab("Stiffeners", index));
        EXPECT_TRUE(data.getTab(index)->getMergedPropsOfGroup(name, props));
        return props;
    }
    // Stores the properties as the profile-details dialog does, then updates the group.
    Acad::ErrorStatus update(const char* name, const MacroProfData& props,
                             AcArray<int> types = AcArray<int>{kProfilesOfGroup}) {
        int index = -1;
        data.findTab("Stiffeners", index);
        data.getTab(index)->setMergedPropsOfGroup(name, props);
        return UpdateModuleForGroup(name, data, types);
    }

    AcDbDatabase db;
    endplate::Drawing drawing;
    MacroData data;
};

TEST_F(GroupUpdate, TheGroupsMembersTakeItsPropertiesInTheDrawing) {
    MacroProfData props = group("Stiffener1");
    props.memberName = "ST9";
    props.sectionName = "PL12*140";
    props.material = "S355";
    props.rotation = "180";
    props.offsetType = 2;
    ASSERT_EQ(update("Stiffener1", props), Acad::eOk) << data.updateError();
    const Mdx_ProfPlacement placed = placement("Stiffener1");
    EXPECT_EQ(placed.memberName, Mdx_String("ST9"));
    EXPECT_EQ(placed.rotation, Mdx_String("180"));
    EXPECT_EQ(placed.offsetType, 2);
    EXPECT_EQ(profileOf(placed).sectionName, Mdx_String("PL12*140"));
    EXPECT_EQ(profileOf(placed).material, Mdx_String("S355"));
    EXPECT_EQ(placement("Stiffener2").memberName, Mdx_String("ST2")) << "another group's member";
    EXPECT_EQ(placement("Stiffener2").rotation, Mdx_String("0"));
    EXPECT_EQ(group("Stiffener1").memberName, Mdx_String("ST9")) << "the data is read back";
}

TEST_F(GroupUpdate, PropertiesTheProfilesCannotTakeAreRefusedAndNothingChanges) {
    const MacroProfData before = group("Stiffener1");
    const struct {
        const char* field;
        const char* value;
        const char* reason;
    } bad[] = {{"section", "NoSuchSection", "section"},
               {"member", "ST\n1", "member name"},
               {"material", "S355 with a grade name far longer than any material", "material"},
               {"rotation", "quarter", "rotation"}};
    for (const auto& entry : bad) {
        MacroProfData props = before;
        const std::string field = entry.field;
        Mdx_String* target = field == "section"    ? &props.sectionName
                             : field == "member"   ? &props.memberName
                             : field == "material" ? &props.material
                                                   : &props.rotation;
        *target = entry.value;
        EXPECT_EQ(update("Stiffener1", props), Acad::eInvalidInput) << entry.field;
        EXPECT_NE(data.updateError().find(entry.reason), std::string::npos) << data.updateError();
        const Mdx_ProfPlacement placed = placement("Stiffener1");
        EXPECT_EQ(placed.memberName, Mdx_String("ST1")) << entry.field;
        EXPECT_EQ(placed.rotation, Mdx_String("0")) << entry.field;
        EXPECT_EQ(profileOf(placed).sectionName, Mdx_String("PL10*140")) << entry.field;
    }
}

TEST_F(GroupUpdate, OnlyTheProfilesCodeAKnownGroupAndADrawingAreUpdated) {
    const MacroProfData props = group("Stiffener1");
    EXPECT_EQ(update("Stiffener1", props, AcArray<int>{MacroTabData::kDesignChanged}),
              Acad::eInvalidInput);
    EXPECT_EQ(update("Stiffener1", props, AcArray<int>{}), Acad::eInvalidInput);
    EXPECT_EQ(UpdateModuleForGroup("NoGroup", data, AcArray<int>{kProfilesOfGroup}),
              Acad::eObjectNotFound);
    EXPECT_NE(data.updateError().find("NoGroup"), std::string::npos);
    MacroData record;
    record.addTab("Stiffeners", MacroTabData::kSectionTab).profGroups().append(props);
    EXPECT_EQ(UpdateModuleForGroup("Stiffener1", record, AcArray<int>{kProfilesOfGroup}),
              Acad::eUnavailable);
}

}  // namespace
