// The sample library's end-plate standard evaluated for the macro of the sample drawing,
// through its mapping file and by module group, and the guarantees of a failed evaluation.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/Mdx_Settings.h"
#include "spread/SheetTestSupport.h"
#include "standards/KvDlgStandardsData.h"
#include "standards/KvSSMapping.h"
#include "standards/KvStandardsSpread.h"
#include "standards/testing/LibraryFolder.h"
#include "standards/testing/OwnWindowEvaluator.h"
#include "standards/testing/SampleMacro.h"
#include "win/ScriptedUser.h"

namespace {

namespace fs = std::filesystem;
using standards::testing::examplesFolder;

class SampleStandardTest : public spread_testing::SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        // A copy of the sample library, so that a test may break a file of it.
        library = std::make_unique<standards::testing::LibraryFolder>();
        fs::copy(examplesFolder() / "Connection Standards", library->standards(),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        gSettings.current().setStandardsMessages(true);
        KvStandardsSpread::setChildEvaluator(standards::testing::evaluateInOwnWindow);
        std::string error;
        ASSERT_TRUE(macro.load(error)) << error;
        spread = std::make_unique<KvStandardsSpread>();
        ASSERT_TRUE(spread->attachToDlgItem(host.get(), spread_testing::kPlaceholder, false));
    }
    void TearDown() override {
        spread.reset();
        KvStandardsSpread::setChildEvaluator(nullptr);
        library.reset();
        SheetTest::TearDown();
    }

    KvDlgStandardsData request(const char* mapsTo, const char* file = "EndPlate") {
        KvDlgStandardsData data;
        EXPECT_EQ(data.initialize(macro.dbMacro, file, mapsTo, &macro.macroData), Acad::eOk);
        data.transaction = macro.transaction.get();
        data.genVarNames = {"gen_Grade"};
        data.genVarValues = {"S355"};
        return data;
    }
    // The sample standard with one line of it replaced.
    void breakStandard(const std::string& line, const std::string& with) {
        std::string text = library->get("EndPlate.kvs");
        const size_t at = text.find(line);
        ASSERT_NE(at, std::string::npos) << line;
        library->put("EndPlate.kvs", text.replace(at, line.size(), with));
    }
    static std::string valueOf(const KvDlgStandardsData& data, const char* name) {
        int index = -1;
        if (data.varCells.findVarCell(name, index) != Acad::eOk) return "(none)";
        return data.varCells[index].value.str();
    }
    static double numberOf(const KvDlgStandardsData& data, const char* name) {
        return Mdx_String(valueOf(data, name)).toDouble();
    }
    const std::vector<win::MessageBoxRecord>& boxes() const { return win::user::messageBoxes(); }

    std::unique_ptr<standards::testing::LibraryFolder> library;
    standards::testing::SampleMacro macro;
    std::unique_ptr<KvStandardsSpread> spread;
};

// The mapping file's key and the Plate group reach the same dialog variables: the inputs
// come from the plate and the beam-end module, the sized plate goes back into the plate.
TEST_F(SampleStandardTest, TheMappingFileAndTheModuleGroupSizeThePlateAlike) {
    for (const char* mapsTo : {"EndPlateStd", "Module.Plate"}) {
        SCOPED_TRACE(mapsTo);
        // A larger clearance asks for 21 mm, so the thickness must change from 20 to 25.
        ASSERT_TRUE(macro.setVariable("BeamEnd", "Clearance", "5"));
        ASSERT_TRUE(macro.setVariable("EndPlate", "Thickness", "20"));
        ASSERT_TRUE(macro.setVariable("EndPlate", "Width", "200"));
        KvDlgStandardsData data = request(mapsTo);
        ASSERT_EQ(spread->evaluate(data), Acad::eOk);
        EXPECT_TRUE(boxes().empty()) << boxes().front().text;
        EXPECT_DOUBLE_EQ(numberOf(data, "L1"), 15.0);
        EXPECT_DOUBLE_EQ(numberOf(data, "Clearance"), 5.0);
        EXPECT_DOUBLE_EQ(numberOf(data, "ReqT"), 21.0);
        EXPECT_DOUBLE_EQ(numberOf(data, "HoleDia"), 22.0);
        EXPECT_EQ(valueOf(data, "Grade"), "S355");
        EXPECT_DOUBLE_EQ(std::stod(macro.variable("EndPlate", "Thickness")), 25.0);
        EXPECT_DOUBLE_EQ(std::stod(macro.variable("EndPlate", "Width")), 180.0)
            << "gauge 100 + 2 x edge distance 40, a sheet width";
        EXPECT_DOUBLE_EQ(std::stod(macro.variable("EndPlate", "L1")), 15.0);
        EXPECT_DOUBLE_EQ(std::stod(macro.variable("BeamEnd", "Clearance")), 5.0);
    }
}

TEST_F(SampleStandardTest, AKeyTheMappingFileDoesNotHoldReadsAndWritesNothing) {
    const std::string before = macro.snapshot();
    KvDlgStandardsData data = request("SomeOtherMacro");
    ASSERT_EQ(spread->evaluate(data), Acad::eOk);
    EXPECT_TRUE(boxes().empty()) << "a spreadsheet without a stored mapping is not reported";
    EXPECT_EQ(valueOf(data, "L1"), "") << "no input reached the sheet";
    EXPECT_EQ(macro.snapshot(), before);
}

// The committed file is exactly what the program writes for that mapping, so the dialog
// that later rewrites it changes nothing but what the user changed.
TEST_F(SampleStandardTest, TheSampleMappingFileIsTheProgramsOwnFormat) {
    KvSSMapping mapping;
    ASSERT_EQ(mapping.getMappingFromFile("EndPlate", "EndPlateStd"), Acad::eOk);
    const char* expected[][3] = {{"L1", "Plate", "L1"},
                                 {"L2", "Plate", "L2"},
                                 {"Clearance", "Plate", "Clearance"},
                                 {"Thickness", "Plate", "Thickness"},
                                 {"Width", "Plate", "Width"}};
    ASSERT_EQ(mapping.mappedObjects().length(), 5);
    for (int i = 0; i < 5; ++i) {
        const KvObjectMap& object = mapping.mappedObjects()[i];
        EXPECT_EQ(object.ssVarName.str(), expected[i][0]);
        EXPECT_EQ(object.groupName.str(), expected[i][1]);
        EXPECT_EQ(object.objectName.str(), expected[i][2]);
        EXPECT_EQ(object.kind, KvObjectKind::Distance);
    }
    // The committed file holds the header, this line, then the lines of the sample drawing.
    const std::string committed = library->get("EndPlate.map");
    const std::size_t lineEnd = committed.find("\r\n", committed.find("EndPlateStd="));
    ASSERT_NE(lineEnd, std::string::npos);
    fs::remove(library->standards() / "EndPlate.map");
    Mdx_String key = "EndPlateStd";
    ASSERT_EQ(mapping.setMappingToFile("EndPlate", key), Acad::eOk);
    EXPECT_EQ(library->get("EndPlate.map"), committed.substr(0, lineEnd + 2));
}

// However an evaluation fails before its output stage, the macro is as it was and the
// request's variables are the caller's.
TEST_F(SampleStandardTest, AFailedEvaluationWritesNothingIntoTheMacroOrTheRequest) {
    ASSERT_TRUE(macro.setVariable("BeamEnd", "Clearance", "5"));
    const std::string before = macro.snapshot();
    KvVarCell callers;
    callers.name = "Width";
    callers.value = "caller's";
    struct Fault {
        const char* what;
        const char* line;  // of EndPlate.kvs, replaced by with
        const char* with;
    };
    const Fault faults[] = {
        {"no Calc section", "\"Calc\"", "\"Calculation\""},
        {"no Output section", "\"Output\"", "\"Outputs\""},
        {"no Input section", "\"Input\"", "\"Inputs\""},
        {"not a sheet file", "MDX-SHEET 1", "MDX-SHEET 99"},
        {"no transaction", "", ""},
        {"no macro", "", ""},
        {"no such file", "", ""},
    };
    const std::string sample = library->get("EndPlate.kvs");
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.what);
        library->put("EndPlate.kvs", sample);
        if (*fault.line) breakStandard(fault.line, fault.with);
        KvDlgStandardsData data = request("EndPlateStd");
        const std::string what = fault.what;
        if (what == "no transaction") data.transaction = nullptr;
        if (what == "no macro") data.dbMacro = nullptr;
        if (what == "no such file") data.fileName = "EndPlate2";
        data.varCells.append(callers);
        EXPECT_EQ(spread->evaluate(data), Acad::eInvalidInput);
        ASSERT_EQ(data.varCells.length(), 1);
        EXPECT_EQ(data.varCells[0].value.str(), "caller's");
        EXPECT_EQ(macro.snapshot(), before);
    }
}

}  // namespace
