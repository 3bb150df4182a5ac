// mdx evaluate end to end: the built program on the sample library and a copy of the sample
// drawing in a folder of its own.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "testing/SampleDrawingCopy.h"

namespace {

namespace fs = std::filesystem;
using mdx_testing::MdxRun;
using mdx_testing::quoted;
using mdx_testing::readFile;
using mdx_testing::writeFile;
using nlohmann::json;

using mdx_testing::kExamples;

class EvaluateCommand : public mdx_testing::SampleDrawingCopy {
protected:
    void SetUp() override { copySample("EndPlate_IPE300_HEA300.json", "connection.json"); }

    // mdx evaluate on the drawing copy (or another drawing file); arguments come first.
    MdxRun evaluate(const std::string& arguments, const fs::path& file = {},
                    bool withStderr = true) {
        return mdx_testing::runMdx(
            "evaluate " + arguments + " --drawing " + quoted(file.empty() ? drawing : file),
            withStderr);
    }

    // A library of its own: the sample's standards, with a mapping file written by the test.
    fs::path libraryWithMapping(const std::string& mappingLines) {
        const fs::path library = scratch / "library";
        fs::create_directories(library);
        fs::copy(kExamples / "Connection Standards", library / "Connection Standards",
                 fs::copy_options::recursive);
        writeFile(library / "Connection Standards" / "EndPlate.map",
                  "Mapping version 1.0\r\n" + mappingLines + "\r\n");
        return library;
    }
};

// A sheet file holding the texts one below the other in column 1 (no quotes inside).
std::string columnSheet(std::initializer_list<const char*> cells) {
    std::string text = "MDX-SHEET 1\nsize 1 " + std::to_string(cells.size()) + "\n";
    int row = 0;
    for (const char* cell : cells)
        text += "cell 1 " + std::to_string(++row) + " s \"" + cell + "\"\n";
    return text + "end\n";
}

const std::string kSample = "EndPlate --macro EndPlate_IPE_HEA --gen gen_Grade=S355";

// "Name   value" of a table line, whatever the padding.
bool hasRow(const std::string& out, const std::string& name, const std::string& value) {
    for (std::size_t at = out.find(name); at != std::string::npos; at = out.find(name, at + 1)) {
        std::size_t next = out.find_first_not_of(' ', at + name.size());
        if (next != at + name.size() && out.compare(next, value.size(), value) == 0) return true;
    }
    return false;
}

const json* findNamed(const json& list, const std::string& key, const std::string& name) {
    for (const json& item : list)
        if (item.value(key, "") == name) return &item;
    return nullptr;
}

TEST_F(EvaluateCommand, TheSampleSizesThePlateAndLeavesTheDrawingAlone) {
    const MdxRun run = evaluate(kSample + " --maps-to EndPlateStd");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(hasRow(run.out, "Double L1", "15")) << run.out;
    EXPECT_TRUE(hasRow(run.out, "Double Clearance", "2")) << run.out;
    EXPECT_TRUE(hasRow(run.out, "Double ReqT", "18")) << "0.8 x M20 + clearance\n" << run.out;
    EXPECT_TRUE(hasRow(run.out, "Double Thickness", "20")) << "18 rounded up to stock";
    EXPECT_TRUE(hasRow(run.out, "Double Width", "180")) << "gauge 100 + 2 x edge 40";
    EXPECT_TRUE(hasRow(run.out, "String Grade", "S355")) << run.out;
    EXPECT_TRUE(hasRow(run.out, "Plate.Width", "200 -> 180")) << run.out;
    EXPECT_EQ(run.out.find("Plate.Thickness"), std::string::npos) << "20 stays 20";
    EXPECT_EQ(run.out.find("Messages"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("--write saves the changes"), std::string::npos);
    EXPECT_EQ(readFile(drawing), original) << "without --write the file is not touched";
}

TEST_F(EvaluateCommand, AModuleGroupMapsByNameAsTheMappingFileDoes) {
    const MdxRun run =
        evaluate("--macro 8 --gen gen_Grade=S355 EndPlate.kvs --maps-to Module.Plate");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("Maps to   Module.Plate"), std::string::npos) << run.out;
    EXPECT_TRUE(hasRow(run.out, "Double Clearance", "2")) << "read from the group's second module";
    EXPECT_TRUE(hasRow(run.out, "Plate.Width", "200 -> 180")) << run.out;
    EXPECT_EQ(readFile(drawing), original);
}

TEST_F(EvaluateCommand, AMappingFileOfAnotherLibraryDecidesWhatIsRead) {
    // Clearance tied to the general variable gen_weld (6) instead of the beam-end module.
    const fs::path library = libraryWithMapping(
        "Weld=L1\x83Plate\x95"
        "Distance L1\xBFL2\x83Plate\x95"
        "Distance L2\xBF"
        "Clearance\x83\x95GenVar gen_weld\xBFThickness\x83Plate\x95"
        "Distance Thickness\xBF"
        "Width\x83Plate\x95"
        "Distance Width");
    const MdxRun run = evaluate(kSample + " --maps-to Weld --library " + quoted(library) + "");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(hasRow(run.out, "Double Clearance", "6")) << run.out;
    EXPECT_TRUE(hasRow(run.out, "Double ReqT", "22")) << run.out;
    EXPECT_TRUE(hasRow(run.out, "Plate.Thickness", "20 -> 25")) << "22 rounded up to stock\n"
                                                                << run.out;
}

TEST_F(EvaluateCommand, AStandardGivenByItsPathFindsItsLibrary) {
    const fs::path library = libraryWithMapping(
        "Mine=Width\x83Plate\x95"
        "Distance Width\xBFThickness\x83Plate\x95"
        "Distance Thickness");
    const MdxRun run = evaluate(quoted(library / "Connection Standards" / "EndPlate.kvs") +
                                " --macro EndPlate_IPE_HEA --gen gen_Grade=S355 --maps-to Mine");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find(library.string()), std::string::npos) << run.out;
    // This mapping ties no inputs: each is reported, and the evaluation goes on without them.
    EXPECT_NE(run.out.find("The following Input variable couldn't be retrieved : \n    L1\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("Plate.Width  200 -> "), std::string::npos) << run.out;
}

TEST_F(EvaluateCommand, JsonHoldsTheSameValues) {
    const MdxRun run = evaluate(kSample + " --maps-to EndPlateStd --json");
    ASSERT_EQ(run.status, 0) << run.out;
    const json result = json::parse(run.out, nullptr, false);
    ASSERT_FALSE(result.is_discarded()) << run.out;
    EXPECT_EQ(result["macro"]["name"], "EndPlate_IPE_HEA");
    EXPECT_EQ(result["macro"]["handle"], "8");
    EXPECT_EQ(result["mapsTo"], "EndPlateStd");
    const json* width = findNamed(result["outputs"], "name", "Width");
    ASSERT_NE(width, nullptr) << run.out;
    ASSERT_TRUE((*width)["value"].is_number()) << "numbers as JSON numbers";
    EXPECT_DOUBLE_EQ((*width)["value"].get<double>(), 180.0);
    EXPECT_EQ((*width)["type"], "Double");
    ASSERT_NE(findNamed(result["inputs"], "name", "L1"), nullptr);
    ASSERT_NE(findNamed(result["locals"], "name", "Gauge"), nullptr);
    const json* changed = findNamed(result["changed"], "object", "Plate.Width");
    ASSERT_NE(changed, nullptr) << run.out;
    EXPECT_EQ((*changed)["before"], 200);
    EXPECT_EQ((*changed)["after"], 180);
    EXPECT_TRUE(result["failures"].empty());
    EXPECT_TRUE(fs::path(result["drawing"].get<std::string>()).is_absolute());
    EXPECT_TRUE(fs::path(result["standard"]["file"].get<std::string>()).is_absolute());
    EXPECT_EQ(result["changed"].size(), 1u) << run.out;
    EXPECT_TRUE(result["messages"].empty());
    EXPECT_EQ(result["written"], false);
}

// The fields of every object of a drawing file, as (handle, field index) -> field.
std::map<std::pair<std::string, std::size_t>, json> drawingFields(const std::string& text) {
    std::map<std::pair<std::string, std::size_t>, json> fields;
    const json document = json::parse(text);
    for (const json& object : document["objects"])
        for (std::size_t i = 0; i < object["fields"].size(); ++i)
            fields[{object["handle"].get<std::string>(), i}] = object["fields"][i];
    return fields;
}

// The fields of the written drawing that differ from the original's, as JSON texts.
std::vector<std::string> changedFields(const std::string& original, const std::string& written) {
    const auto before = drawingFields(original);
    const auto after = drawingFields(written);
    std::vector<std::string> changed;
    if (before.size() != after.size()) return {"the number of fields changed"};
    for (const auto& [where, field] : before)
        if (after.at(where) != field) changed.push_back(after.at(where).dump());
    return changed;
}

TEST_F(EvaluateCommand, WriteChangesExactlyTheComputedValues) {
    const MdxRun run = evaluate(kSample + " --maps-to EndPlateStd --write");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("Written to"), std::string::npos);
    const std::vector<std::string> differences = changedFields(original, readFile(drawing));
    ASSERT_EQ(differences.size(), 1u);
    EXPECT_EQ(differences[0], "[\"variable.value\",\"real\",180.0]");

    const MdxRun again = evaluate(kSample + " --maps-to EndPlateStd");
    ASSERT_EQ(again.status, 0) << again.out;
    EXPECT_NE(again.out.find("Changed in the macro\n  (nothing)"), std::string::npos)
        << "the written drawing reads back as computed\n"
        << again.out;
}

TEST_F(EvaluateCommand, WriteAlsoSavesWhatTheMacroDialogsDataHolds) {
    // The bolt diameter lives on the macro dialog's tab until the tabs are put back.
    const fs::path library = libraryWithMapping("");
    writeFile(library / "Connection Standards" / "BoltSize.kvs",
              columnSheet({"Input", "Double EdgeDist", "Output", "Double Bolts.Diameter", "Calc",
                           "Bolts.Diameter = EdgeDist - 16"}));
    const MdxRun run =
        evaluate("BoltSize --macro 8 --maps-to Module.Bolts --write --library " + quoted(library));
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(hasRow(run.out, "Bolts.BoltsDiameter", "20 -> 24")) << run.out;
    const std::vector<std::string> differences = changedFields(original, readFile(drawing));
    ASSERT_EQ(differences.size(), 1u) << run.out;
    EXPECT_EQ(differences[0].rfind("[\"bolts.diameter\",\"text\",\"24", 0), 0u) << differences[0];
}

TEST_F(EvaluateCommand, AnEquationNamingSomethingUnknownFailsAndItsOutputIsNotWritten) {
    const fs::path library = libraryWithMapping("");
    writeFile(library / "Connection Standards" / "Member.kvs",
              columnSheet({"Input", "Double Gap", "Output", "String Stiffener1.MemberName", "Calc",
                           "Stiffener1.MemberName = gen_Member"}));
    const std::string arguments =
        "Member --macro 8 --maps-to Module.Stiffeners --write --library " + quoted(library);
    MdxRun run = evaluate(arguments);
    EXPECT_EQ(run.status, 10) << run.out;
    EXPECT_NE(run.out.find("The following equation failed:"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Not written: 1 equation(s) failed"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Stiffener1.MemberName = gen_Member"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("the formula calculates to the error value #NAME?"), std::string::npos)
        << run.out;
    EXPECT_TRUE(changedFields(original, readFile(drawing)).empty()) << run.out;

    run = evaluate(arguments + " --gen gen_Member=ST9");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(changedFields(original, readFile(drawing)),
              std::vector<std::string>{"[\"placement.member\",\"text\",\"ST9\"]"});
}

TEST_F(EvaluateCommand, AFailingEquationIsShownAsTheEngineShowsIt) {
    const fs::path library = libraryWithMapping("");
    writeFile(library / "Connection Standards" / "Broken.kvs",
              columnSheet({"Input", "Double L1", "Output", "Double Width", "Calc", "Nope = L1 + 1",
                           "Width = L1 * 10"}));
    const MdxRun run = evaluate(
        "Broken --macro EndPlate_IPE_HEA --maps-to Module.Plate --library " + quoted(library));
    ASSERT_EQ(run.status, 10) << run.out;
    EXPECT_NE(run.out.find("The following equation failed:"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Nope = L1 + 1"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("(line: 6)"), std::string::npos) << run.out;
    EXPECT_TRUE(hasRow(run.out, "Plate.Width", "200 -> 150")) << "the next equation still ran";
}

struct BadInput {
    const char* arguments;
    int exitCode;
    const char* message;
};

TEST_F(EvaluateCommand, EveryBadInputHasItsExitCodeAndWritesNothing) {
    const BadInput cases[] = {
        {"EndPlate --macro EndPlate_IPE_HEA --maps-to EndPlateStd --gen gen_Grade", 2,
         "--gen \"gen_Grade\": expected NAME=VALUE"},
        {"EndPlate --macro EndPlate_IPE_HEA --maps-to EndPlateStd --gen =S355", 2,
         "the name before \"=\" is empty"},
        {"EndPlate --macro EndPlate_IPE_HEA --maps-to EndPlateStd --gen a=1 --gen a=2", 2,
         "\"a\" is given twice"},
        {"EndPlate --macro NoSuchMacro --maps-to EndPlateStd", 5, "no macro \"NoSuchMacro\" in"},
        {"EndPlate --macro 7 --maps-to EndPlateStd", 5, "macros: EndPlate_IPE_HEA (handle 8)"},
        {"NoSuchStandard --macro EndPlate_IPE_HEA --maps-to EndPlateStd", 6,
         "no standard \"NoSuchStandard\""},
        {"EndPlate --macro EndPlate_IPE_HEA --maps-to NoSuchKey", 7, "no mapping \"NoSuchKey\" in"},
        {"EndPlate --macro EndPlate_IPE_HEA --maps-to Module.Beam", 7,
         "no module group \"Beam\" (groups of the macro: Plate, Bolts, Stiffeners"},
        {"EndPlate --macro EndPlate_IPE_HEA", 7, "keys of"},
        {"Childs/BoltLayout --macro EndPlate_IPE_HEA --maps-to AnyKey", 7,
         "the standard has no mapping file"},
    };
    for (const BadInput& bad : cases) {
        const std::string arguments = std::string(bad.arguments) + " --write";
        const MdxRun run = evaluate(arguments);
        EXPECT_EQ(run.status, bad.exitCode) << bad.arguments << "\n" << run.out;
        EXPECT_NE(run.out.find(bad.message), std::string::npos) << bad.arguments << "\n" << run.out;
        EXPECT_EQ(evaluate(arguments, {}, false).out, "")
            << bad.arguments << ": no report after an error";
    }
    EXPECT_EQ(readFile(drawing), original);
}

TEST_F(EvaluateCommand, TwoMacrosOfOneNameAreToldApartByHandle) {
    json document = json::parse(original);
    json twin = document["objects"].back();
    ASSERT_EQ(twin["class"], "Mdx_DbMacro");
    twin["handle"] = "9";
    document["objects"].push_back(twin);
    document["nextHandle"] = "A";
    const fs::path twins = scratch / "twins.json";
    writeFile(twins, document.dump(2));

    MdxRun run = evaluate(kSample + " --maps-to EndPlateStd", twins);
    EXPECT_EQ(run.status, 5) << run.out;
    EXPECT_NE(run.out.find("several macros named \"EndPlate_IPE_HEA\""), std::string::npos)
        << run.out;
    run = evaluate("EndPlate --macro 9 --gen gen_Grade=S355 --maps-to EndPlateStd --json", twins);
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(json::parse(run.out)["macro"]["handle"], "9");
}

TEST_F(EvaluateCommand, AMissingOrMalformedDrawingIsRefused) {
    MdxRun run = evaluate(kSample + " --maps-to EndPlateStd", scratch / "missing.json");
    EXPECT_EQ(run.status, 3) << run.out;
    EXPECT_NE(run.out.find("cannot read the drawing"), std::string::npos) << run.out;

    const fs::path broken = scratch / "broken.json";
    std::string text = original;
    const std::string plateModule = "[\"module.type\", \"int\", 231]";
    ASSERT_NE(text.find(plateModule), std::string::npos);
    text.replace(text.find(plateModule), plateModule.size(), "[\"module.type\", \"int\", 999]");
    writeFile(broken, text);
    run = evaluate(kSample + " --maps-to EndPlateStd --write", broken);
    EXPECT_EQ(run.status, 4) << run.out;
    EXPECT_NE(run.out.find("unknown type code 999"), std::string::npos) << run.out;
    EXPECT_EQ(readFile(broken), text);

    writeFile(broken, "{\"format\": ");
    run = evaluate(kSample + " --maps-to EndPlateStd", broken);
    EXPECT_EQ(run.status, 4) << run.out;
    EXPECT_NE(run.out.find("is malformed"), std::string::npos) << run.out;
}

TEST_F(EvaluateCommand, AFileThatIsNoStandardsSpreadsheetIsRefused) {
    const fs::path notAStandard = scratch / "notes.kvs";
    writeFile(notAStandard, columnSheet({"Input", "Calc"}));
    MdxRun run =
        evaluate(quoted(notAStandard) + " --macro EndPlate_IPE_HEA --maps-to Module.Plate --write");
    EXPECT_EQ(run.status, 6) << run.out;
    EXPECT_NE(run.out.find("it has no section Output"), std::string::npos) << run.out;

    writeFile(notAStandard, "just words\n");
    run = evaluate(quoted(notAStandard) + " --macro EndPlate_IPE_HEA --maps-to Module.Plate");
    EXPECT_EQ(run.status, 6) << run.out;
    EXPECT_NE(run.out.find("is not a sheet file"), std::string::npos) << run.out;

    // Outside every library there is no mapping file to look in.
    fs::copy_file(kExamples / "Connection Standards" / "EndPlate.kvs", scratch / "Copy.kvs");
    run =
        evaluate(quoted(scratch / "Copy.kvs") + " --macro EndPlate_IPE_HEA --maps-to EndPlateStd");
    EXPECT_EQ(run.status, 7) << run.out;
    EXPECT_NE(run.out.find("lies outside it"), std::string::npos) << run.out;
    EXPECT_EQ(readFile(drawing), original);
}

TEST_F(EvaluateCommand, HelpShowsAnExampleAndTheExitCodes) {
    const MdxRun run = evaluate("--help");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("mdx evaluate EndPlate --drawing"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("5  unknown macro"), std::string::npos) << run.out;
}

}  // namespace
