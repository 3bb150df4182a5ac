#include "MdxBuildPaths.h"
#include "core/Texts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "core/KvTempResourceOverride.h"
#include "win/ResourceModule.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSource = MDX_SOURCE_DIR;

class TextsTest : public ::testing::Test {
protected:
    void SetUp() override {
        win::resetResourceModules();
        module = win::loadResourceModule(kSource / "src" / "resources");
        ASSERT_NE(module, nullptr);
        KvTempResourceOverride::SaveDefaultResource(module);
    }
    void TearDown() override {
        KvTempResourceOverride::SaveDefaultResource(nullptr);
        win::resetResourceModules();
    }
    HINSTANCE module = nullptr;
};

TEST_F(TextsTest, TheStringTableReadsWithoutErrors) {
    const win::ResourceModule* m = win::resourceModule(module);
    ASSERT_NE(m, nullptr);
    for (const std::string& error : m->errors)
        EXPECT_EQ(error.find("strings.rc"), std::string::npos) << error;
    EXPECT_GT(m->script.strings.size(), 300u);
}

TEST_F(TextsTest, TextsComeFromTheCurrentModuleOrTheSearchChain) {
    const int unknown = 65000;
    EXPECT_TRUE(dialString(1).isEmpty());  // no module current, none in the chain
    {
        KvTempResourceOverride resources;
        EXPECT_EQ(dialString(1), Mdx_String("OK"));
        EXPECT_EQ(dialString(2), Mdx_String("Cancel"));
        EXPECT_FALSE(string(2333).isEmpty());
        EXPECT_TRUE(dialString(unknown).isEmpty());
        EXPECT_FALSE(hasText(unknown));
        EXPECT_TRUE(dialString(-1).isEmpty());
    }
    EXPECT_TRUE(dialString(1).isEmpty());
    win::addResourceSearchModule(module);
    EXPECT_EQ(dialString(2), Mdx_String("Cancel"));
    win::removeResourceSearchModule(module);
}

// Every number the code asks for by a literal must have a text.
std::set<int> numbersUsedInCode() {
    const std::regex call(R"((?:^|[^\w.:>])(?:dialString|string)\s*\(\s*(\d+)\s*\))");
    std::set<int> numbers;
    for (const char* root : {"src", "platform", "tools"}) {
        if (!fs::exists(kSource / root)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(kSource / root)) {
            const auto ext = entry.path().extension();
            if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
            std::ifstream in(entry.path());
            std::stringstream text;
            text << in.rdbuf();
            const std::string code = text.str();
            for (std::sregex_iterator it(code.begin(), code.end(), call), end; it != end; ++it)
                numbers.insert(std::stoi((*it)[1].str()));
        }
    }
    return numbers;
}

TEST_F(TextsTest, EveryNumberUsedInTheCodeHasAText) {
    KvTempResourceOverride resources;
    const std::set<int> used = numbersUsedInCode();
    for (int id : used) EXPECT_TRUE(hasText(id)) << "no text for number " << id;
}

TEST(TextsScan, TheScanFindsCallsAndIgnoresLookAlikes) {
    const std::regex call(R"((?:^|[^\w.:>])(?:dialString|string)\s*\(\s*(\d+)\s*\))");
    const auto first = [&](const std::string& code) {
        std::smatch m;
        return std::regex_search(code, m, call) ? std::stoi(m[1].str()) : -1;
    };
    EXPECT_EQ(first("x = dialString(871);"), 871);
    EXPECT_EQ(first("f(string( 2333 ))"), 2333);
    EXPECT_EQ(first("std::string(5)"), -1);
    EXPECT_EQ(first("s.string(5)"), -1);
    EXPECT_EQ(first("tostring(5)"), -1);
    EXPECT_EQ(first("dialString(n)"), -1);
}

}  // namespace
