// mdx library map end to end, and mapping files that do not read as the format: written and
// read back byte for byte, evaluated with, and a file saved as UTF-8 refused by evaluate,
// library list and library map alike, naming the file and the line.
#include "MdxBuildPaths.h"
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "testing/MdxProcess.h"
#include "testing/SampleDrawingCopy.h"

namespace {

namespace fs = std::filesystem;
using mdx_testing::kExamples;
using mdx_testing::MdxRun;
using mdx_testing::quoted;
using mdx_testing::readFile;
using mdx_testing::writeFile;
using nlohmann::json;

class LibraryMap : public mdx_testing::SampleDrawingCopy {
protected:
    void SetUp() override {
        copySample("EndPlate_IPE300_HEA300.json", "connection.json");
        library = scratch / "library";
        fs::create_directories(library);
        fs::copy(kExamples / "Connection Standards", library / "Connection Standards",
                 fs::copy_options::recursive);
        mapFile = library / "Connection Standards" / "EndPlate.map";
    }
    MdxRun map(const std::string& arguments) {
        return mdx_testing::runMdx("library map " + arguments + " --library " + quoted(library));
    }
    MdxRun evaluate(const std::string& key) {
        return mdx_testing::runMdx("evaluate EndPlate --macro EndPlate_IPE_HEA --gen gen_Grade=S355 "
                                   "--maps-to " + key + " --library " + quoted(library) +
                                   " --drawing " + quoted(drawing));
    }
    // The line of key in the mapping file, without its line end; empty when there is none.
    std::string lineOf(const std::string& key) const {
        const std::string text = readFile(mapFile);
        const auto at = text.find("\n" + key + "=");
        if (at == std::string::npos) return {};
        return text.substr(at + 1, text.find('\r', at + 1) - at - 1);
    }

    fs::path library;
    fs::path mapFile;
};

TEST_F(LibraryMap, ANewLineIsWrittenInTheFormatsBytesReadBackAndEvaluated) {
    const MdxRun created = map("EndPlate --new L1=Plate.L2 Width=Module.Plate.Width --json");
    ASSERT_EQ(created.status, 0) << created.out;
    const json result = json::parse(created.out);
    const std::string key = result["key"];
    EXPECT_EQ(key.size(), 24u);
    EXPECT_EQ(result["action"], "created");
    EXPECT_EQ(lineOf(key), key + "=L1\x83Plate\x95" "Distance L2\xBFWidth\x83Plate\x95" "Distance Width");

    const MdxRun shown = map("EndPlate --json --key " + key);
    ASSERT_EQ(shown.status, 0) << shown.out;
    EXPECT_EQ(json::parse(shown.out)["ties"],
              json::parse(R"([{"variable": "L1", "object": "Plate.Distance L2"},
                              {"variable": "Width", "object": "Plate.Distance Width"}])"));

    const MdxRun evaluated = evaluate(key);
    EXPECT_EQ(evaluated.status, 0) << evaluated.out;
    EXPECT_NE(evaluated.out.find(key), std::string::npos) << evaluated.out;
}

TEST_F(LibraryMap, ChangingAndRemovingTouchOnlyTheirLine) {
    const std::string before = readFile(mapFile);
    const std::string untouched = lineOf("EP-03");
    ASSERT_EQ(map("EndPlate --key EP-01 L1= Clearance=Plate.L2").status, 0);
    EXPECT_EQ(lineOf("EP-01").find("L1\x83"), std::string::npos) << "L1's tie is gone";
    EXPECT_NE(lineOf("EP-01").find("Clearance\x83Plate\x95" "Distance L2"), std::string::npos);
    ASSERT_EQ(map("EndPlate --key EP-02 --remove").status, 0);
    EXPECT_TRUE(lineOf("EP-02").empty());
    EXPECT_EQ(lineOf("EP-03"), untouched);
    EXPECT_EQ(map("EndPlate --key EP-02 --remove").status, 5) << "no such line any more";
    EXPECT_EQ(map("EndPlate --key EP-02").status, 5);

    const std::string now = readFile(mapFile);
    EXPECT_EQ(map("EndPlate --key EP-04 L1=Plate").status, 4);
    EXPECT_EQ(map("EndPlate --key EP-04 L1").status, 4);
    EXPECT_EQ(map("EndPlate --key EP-04 =Plate.L1").status, 4);
    EXPECT_EQ(map("EndPlate L1=Plate.L1").status, 4) << "neither --key nor --new";
    EXPECT_EQ(map("..\\\\..\\\\EndPlate --key EP-04").status, 3);
    EXPECT_EQ(map("NoSuchStandard --key EP-04").status, 3);
    EXPECT_EQ(readFile(mapFile), now) << "refused calls write nothing";
    EXPECT_NE(now, before);
}

TEST_F(LibraryMap, AFileSavedAsUtf8IsRefusedNamingFileAndLine) {
    // What a text editor makes of the file: every separator byte becomes two or three.
    std::string text = readFile(mapFile), utf8;
    for (unsigned char c : text) {
        if (c == 0x83) utf8 += "\xC6\x92";
        else if (c == 0x95) utf8 += "\xE2\x80\xA2";
        else if (c == 0xBF) utf8 += "\xC2\xBF";
        else utf8 += static_cast<char>(c);
    }
    writeFile(mapFile, utf8);

    const MdxRun evaluated = evaluate("EndPlateStd");
    EXPECT_EQ(evaluated.status, 7) << evaluated.out;
    EXPECT_NE(evaluated.out.find("EndPlate.map, line 2"), std::string::npos) << evaluated.out;
    EXPECT_NE(evaluated.out.find("UTF-8"), std::string::npos);
    EXPECT_EQ(readFile(drawing), original) << "nothing evaluated, nothing written";

    const MdxRun listed =
        mdx_testing::runMdx("library list --json --library " + quoted(library), false);
    ASSERT_EQ(listed.status, 0) << listed.out;
    bool found = false;
    const json catalog = json::parse(listed.out);
    for (const json& standard : catalog["standards"])
        if (standard["name"] == "EndPlate") {
            found = true;
            EXPECT_EQ(standard["mappingKeys"][0]["key"], "EndPlateStd");
            EXPECT_EQ(standard["mappingKeys"][0]["problem"].get<std::string>().rfind("line 2:", 0),
                      0u);
        }
    EXPECT_TRUE(found);

    EXPECT_EQ(map("EndPlate --key EndPlateStd L1=Plate.L1").status, 6);
    EXPECT_EQ(readFile(mapFile), utf8) << "a line that was misread is not overwritten";
}

}  // namespace
