// mdx evaluate --all on the sample drawing of 50 connections and the sample library.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <string>

#include "testing/SampleDrawingCopy.h"

namespace {

namespace fs = std::filesystem;
using mdx_testing::MdxRun;
using mdx_testing::quoted;
using mdx_testing::readFile;
using mdx_testing::writeFile;
using nlohmann::json;

using mdx_testing::kExamples;

class EvaluateBatch : public mdx_testing::SampleDrawingCopy {
protected:
    void SetUp() override { copySample("Connections.json", "connections.json"); }
    MdxRun all(const std::string& arguments, bool withStderr = true) {
        return mdx_testing::runMdx("evaluate --all --drawing " + quoted(drawing) + " " + arguments,
                                   withStderr);
    }
};

const json* output(const json& evaluation, const std::string& name) {
    for (const json& variable : evaluation["outputs"])
        if (variable["name"] == name) return &variable;
    return nullptr;
}

TEST_F(EvaluateBatch, EveryTiedConnectionOfTheSampleIsSizedByItsStandard) {
    const MdxRun run = all("--gen gen_Grade=S355 --json", false);
    ASSERT_EQ(run.status, 0) << run.out;
    const json report = json::parse(run.out);
    ASSERT_EQ(report["evaluations"].size(), 50u);
    std::map<std::string, int> perStandard;
    for (const json& evaluation : report["evaluations"]) {
        ++perStandard[evaluation["standard"]["name"].get<std::string>()];
        EXPECT_TRUE(evaluation["failures"].empty()) << evaluation.dump(1);
        EXPECT_EQ(evaluation["outcome"], 0);
    }
    for (const char* standard : {"EndPlate", "FinPlate", "BasePlate", "BoltedSplice", "WebCleat"})
        EXPECT_EQ(perStandard[standard], 10) << standard;

    // Spot checks by hand. FP-01: IPE 240, 80 kN, M16 (60.3 kN a bolt): 2 bolts, pitch 40,
    // end distance 25 -> row 90, but 0.6 x 240 = 144 -> 150; thickness d/2 = 8.
    const json& fin = report["evaluations"][1];
    ASSERT_EQ(fin["macro"]["name"], "FP-01");
    EXPECT_EQ((*output(fin, "NrBolts"))["value"], 2);
    EXPECT_EQ((*output(fin, "Length"))["value"], 150);
    EXPECT_EQ((*output(fin, "Thickness"))["value"], 8);
    // BP-01: 190 x 200 column, 600 kN on C25/30 (16.7): area 35928 mm2 is less than the
    // column's outline, so the plate stands 50 beyond it: 290 x 300, 15 thick.
    const json& base = report["evaluations"][2];
    ASSERT_EQ(base["macro"]["name"], "BP-01");
    EXPECT_EQ((*output(base, "Length"))["value"], 290);
    EXPECT_EQ((*output(base, "Width"))["value"], 300);
    EXPECT_EQ((*output(base, "Thickness"))["value"], 15);
    EXPECT_EQ(readFile(drawing), original);
}

TEST_F(EvaluateBatch, WriteHappensOnceAndOnlyWhenEveryConnectionSucceeded) {
    // Without gen_Grade the splices and base plates fail: nothing is written.
    MdxRun run = all("--write");
    EXPECT_EQ(run.status, 10) << run.out;
    EXPECT_NE(run.out.find("Not written: not every connection succeeded"), std::string::npos)
        << run.out;
    EXPECT_EQ(readFile(drawing), original);

    // --allow-failures writes what evaluated; a second run then changes nothing.
    run = all("--write --allow-failures --standard FinPlate");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("Evaluated 10 connection(s)"), std::string::npos) << run.out;
    EXPECT_NE(readFile(drawing), original);
    run = all("--standard FinPlate --json", false);
    ASSERT_EQ(run.status, 0) << run.out;
    // The parsed report must outlive the loop: a range over a part of a temporary does not.
    const json report = json::parse(run.out);
    for (const json& evaluation : report["evaluations"])
        EXPECT_TRUE(evaluation["changed"].empty()) << evaluation["macro"].dump();
}

// The fields of macro settings that name one standard with its key, as a drawing keeps them.
json settingsFields(const std::string& standard, const std::string& key) {
    json fields = json::array();
    auto add = [&](const char* name, const char* kind, json value) {
        fields.push_back({name, kind, std::move(value)});
    };
    for (const char* flag : {"settings.angle90", "settings.angle180", "settings.sectionAngle"})
        add(flag, "bool", false);
    add("settings.angleTolerance", "text", "1");
    add("settings.sectionSize", "bool", false);
    add("settings.minSectionSize", "text", "");
    add("settings.maxSectionSize", "text", "");
    add("settings.pathDistance", "bool", false);
    add("settings.maxPathDistance", "text", "");
    add("settings.description", "text", "");
    add("settings.author", "text", "");
    for (const char* list : {"settings.variables", "settings.values", "settings.sectionGroups"})
        add(list, "int", 0);
    add("settings.standards", "int", 1);
    add("settings.standard", "text", standard);
    add("settings.mapsTo", "int", 1);
    add("settings.mapTo", "text", key);
    return fields;
}

TEST_F(EvaluateBatch, AMacroWhoseSettingsNameStandardsIsTiedByThem) {
    json document = json::parse(original);
    for (json& object : document["objects"]) {
        if (object["class"] != "Mdx_DbMacro") continue;
        const std::string name = object["fields"][1][2];  // after hasMacro: the name
        json extra;
        if (name == "FP-02") extra = settingsFields("FinPlate", "FP-01");
        if (name == "FP-03") extra = settingsFields("FinPlate", "NoSuchKey");
        for (const json& field : extra) object["fields"].push_back(field);
    }
    writeFile(drawing, document.dump());
    const MdxRun run = all("--gen gen_Grade=S355 --standard FinPlate --json", false);
    EXPECT_EQ(run.status, 8) << run.out;
    const json report = json::parse(run.out);
    std::map<std::string, json> byMacro;
    for (const json& evaluation : report["evaluations"])
        byMacro[evaluation["macro"]["name"].get<std::string>()] = evaluation;
    ASSERT_EQ(byMacro.size(), 10u) << run.out;
    EXPECT_EQ(byMacro["FP-02"]["mapsTo"], "FP-01") << byMacro["FP-02"].dump(1);
    EXPECT_EQ(byMacro["FP-02"]["outcome"], 0);
    EXPECT_EQ(byMacro["FP-03"]["outcome"], 8);
    EXPECT_NE(byMacro["FP-03"].dump().find("no mapping \\\"NoSuchKey\\\""), std::string::npos)
        << byMacro["FP-03"].dump(1);
    EXPECT_EQ(byMacro["FP-04"]["mapsTo"], "FP-04") << "a macro without settings: by its name";
}

TEST_F(EvaluateBatch, BadBatchInputIsRefusedBeforeAnythingRuns) {
    MdxRun run = all("--standard NoSuch");
    EXPECT_EQ(run.status, 6) << run.out;
    run = all("--macro EP-01");
    EXPECT_EQ(run.status, 7) << run.out;
    writeFile(drawing, readFile(kExamples / "drawings" / "EndPlate_IPE300_HEA300.json"));
    run = all("");
    EXPECT_EQ(run.status, 7) << run.out;
    EXPECT_NE(run.out.find("is tied to a standard"), std::string::npos) << run.out;
}

}  // namespace
