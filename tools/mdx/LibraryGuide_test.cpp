// The worked example and the function examples of docs/standards.md, run as the guide has
// them: its files are written, its setup commands and its mdx commands run in a scratch
// folder, and every command's output is compared with the output the guide shows.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "testing/MdxProcess.h"

namespace {

using namespace mdx_testing;
namespace fs = std::filesystem;

struct GuideBlock {
    std::string kind;  // what the marker before it says: "setup", "run" or "file NAME"
    std::string text;  // the lines of the fenced block, each ending in "\n"
};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Every fenced block right after a "<!-- guide:KIND -->" line.
std::vector<GuideBlock> guideBlocks(const std::string& guide) {
    const std::vector<std::string> lines = linesOf(guide);
    std::vector<GuideBlock> blocks;
    const std::string open = "<!-- guide:", close = " -->";
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.rfind(open, 0) != 0 || lines[i + 1] != "```") continue;
        GuideBlock block{line.substr(open.size(), line.size() - open.size() - close.size()), ""};
        for (i += 2; i < lines.size() && lines[i] != "```"; ++i) block.text += lines[i] + "\n";
        blocks.push_back(block);
    }
    return blocks;
}

struct FunctionExample {
    std::string formula;
    std::string result;
};

std::string withoutBackticks(std::string text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '`')) text.erase(0, 1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '`')) text.pop_back();
    return text;
}

// The rows of the function table: | description | `example` | `result` |
std::vector<FunctionExample> functionExamples(const std::string& guide) {
    const size_t begin = guide.find("<!-- guide:functions begin -->");
    const size_t end = guide.find("<!-- guide:functions end -->");
    std::vector<FunctionExample> examples;
    if (begin == std::string::npos || end == std::string::npos) return examples;
    for (const std::string& row : linesOf(guide.substr(begin, end - begin))) {
        if (row.rfind("| `", 0) != 0) continue;
        std::vector<std::string> cells;
        std::istringstream in(row.substr(1));
        for (std::string cell; std::getline(in, cell, '|');) cells.push_back(cell);
        if (cells.size() >= 3)
            examples.push_back({withoutBackticks(cells[1]), withoutBackticks(cells[2])});
    }
    return examples;
}

std::string replaceAll(std::string text, const std::string& what, const std::string& with) {
    for (size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
    return text;
}

class StandardsGuide : public ::testing::Test {
protected:
    void SetUp() override {
        guide = readFile(kSourceDir + "/docs/standards.md");
        ASSERT_FALSE(guide.empty());
        blocks = guideBlocks(guide);
        // The guide works in the source folder; the scratch folder gets copies of the parts
        // of examples/ it uses, so nothing the commands do reaches the real samples.
        fs::create_directories(folder / "examples");
        for (const char* part : {"Connection Standards", "drawings"})
            fs::copy(kSourceDir + "/examples/" + part, folder / "examples" / part,
                     fs::copy_options::recursive);
        drawing = readFile(folder / "examples/drawings/EndPlate_IPE300_HEA300.json");
        for (const GuideBlock& block : blocks) {
            if (block.kind != "setup") continue;
            for (const std::string& line : linesOf(block.text)) {
                const MdxRun run =
                    runShell("cd " + quoted(folder.path()) + " && " + line + " 2>&1");
                ASSERT_EQ(run.status, 0) << line << "\n" << run.out;
            }
        }
        for (const GuideBlock& block : blocks)
            if (block.kind.rfind("file ", 0) == 0)
                writeFile(folder / block.kind.substr(5), block.text);
    }

    // Runs a guide command ("mdx ...") in the scratch folder; the folder's own path is cut
    // from the output, so paths read as the guide writes them.
    MdxRun runInFolder(const std::string& command, bool withStderr = true) {
        MdxRun run = runShell("cd " + quoted(folder.path()) + " && " + std::string(MDX_EXE) +
                              command.substr(3) + (withStderr ? " 2>&1" : " 2>/dev/null"));
        run.out = replaceAll(run.out, folder.path().string() + "/", "");
        return run;
    }

    ScratchFolder folder;
    std::string guide;
    std::vector<GuideBlock> blocks;
    std::string drawing;
};

TEST_F(StandardsGuide, TheWorkedExampleGivesTheOutputsItShows) {
    int commands = 0;
    for (const GuideBlock& block : blocks) {
        if (block.kind != "run") continue;
        const size_t end = block.text.find('\n');
        const std::string command = block.text.substr(0, end);
        ASSERT_EQ(command.rfind("$ mdx ", 0), 0u) << "a run block starts with its command";
        const MdxRun run = runInFolder(command.substr(2));
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_EQ(run.out, block.text.substr(end + 1)) << command;
        ++commands;
    }
    EXPECT_EQ(commands, 3) << "import, library list and evaluate";
    EXPECT_EQ(readFile(folder / "examples/drawings/EndPlate_IPE300_HEA300.json"), drawing)
        << "without --write the drawing stays as it was";
}

TEST_F(StandardsGuide, EveryFunctionExampleGivesItsResult) {
    const std::vector<FunctionExample> examples = functionExamples(guide);
    ASSERT_EQ(examples.size(), 12u) << "one example for each of the twelve functions";
    std::string sheet = "Input\nOutput\nLocal\n";
    for (size_t i = 0; i < examples.size(); ++i) sheet += "String R" + std::to_string(i + 1) + "\n";
    sheet += "Calc\n";
    for (size_t i = 0; i < examples.size(); ++i)
        sheet += "R" + std::to_string(i + 1) + " = " + examples[i].formula + "\n";
    writeFile(folder / "Examples.tsv", sheet);
    ASSERT_EQ(runInFolder("mdx sheet import Examples.tsv 'my-library/Connection Standards/"
                          "Examples.kvs'")
                  .status,
              0);
    const MdxRun run = runInFolder(
        "mdx evaluate Examples --library my-library --drawing "
        "examples/drawings/EndPlate_IPE300_HEA300.json --macro EndPlate_IPE_HEA --maps-to "
        "Module.Plate --json",
        false);
    ASSERT_EQ(run.status, 0) << run.out;
    const nlohmann::json result = nlohmann::json::parse(run.out, nullptr, false);
    ASSERT_TRUE(result.is_object() && result["locals"].is_array()) << run.out;
    EXPECT_TRUE(result["messages"].empty()) << result["messages"].dump(2);
    ASSERT_EQ(result["locals"].size(), examples.size());
    for (size_t i = 0; i < examples.size(); ++i)
        EXPECT_EQ(result["locals"][i].value("value", ""), examples[i].result)
            << examples[i].formula;
}

}  // namespace
