// mdx serve in a real browser: headless chromium opens the page, a person's clicks and keys
// edit the drawing's general variables, and the drawing and a screenshot are checked.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "testing/MdxProcess.h"
#include "testing/ServeProcess.h"
#include "testing/WebDriver.h"

namespace {

using mdx_testing::quoted;
using mdx_testing::readFile;
using mdx_testing::ScratchFolder;
using mdx_testing::ServeProcess;
using mdx_testing::WebDriver;
using nlohmann::json;

const std::string kDrawing =
    mdx_testing::kSourceDir + "/examples/drawings/EndPlate_IPE300_HEA300.json";

std::string base64Decode(const std::string& text) {
    static const std::string alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    unsigned value = 0;
    int bits = 0;
    for (char c : text) {
        const auto at = alphabet.find(c);
        if (at == std::string::npos) continue;
        value = (value << 6) | static_cast<unsigned>(at);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((value >> bits) & 0xFF);
        }
    }
    return out;
}

// A pointer click of the browser at a point of an element, as a person's mouse makes it.
json clickAt(const std::string& element, int x, int y) {
    const json origin = {{"element-6066-11e4-a52e-4f735466cecf", element}};
    return {{"actions",
             {{{"type", "pointer"},
               {"id", "mouse"},
               {"parameters", {{"pointerType", "mouse"}}},
               {"actions",
                {{{"type", "pointerMove"}, {"origin", origin}, {"x", x}, {"y", y}},
                 {{"type", "pointerDown"}, {"button", 0}},
                 {{"type", "pointerUp"}, {"button", 0}}}}}}}};
}

// Each key is one character or a WebDriver key code ("\uE007" is Enter).
json typeKeys(const std::vector<std::string>& keys) {
    json actions = json::array();
    for (const std::string& key : keys) {
        actions.push_back({{"type", "keyDown"}, {"value", key}});
        actions.push_back({{"type", "keyUp"}, {"value", key}});
    }
    return {{"actions", {{{"type", "key"}, {"id", "keyboard"}, {"actions", actions}}}}};
}

TEST(ServeBrowser, APersonTypesIntoTheGridClicksOkAndSavesTheDrawing) {
    if (!WebDriver::available()) {
        // CI installs the browser through the project's setup script; there it must run.
        if (std::getenv("CI")) FAIL() << "chromium and chromedriver are missing";
        GTEST_SKIP() << "chromium and chromedriver are not installed (scripts/setup.sh)";
    }
    ScratchFolder folder;
    const auto drawing = folder / "connection.json";
    std::filesystem::copy_file(kDrawing, drawing);
    ServeProcess serve("--drawing " + quoted(drawing) + " --macro EndPlate_IPE_HEA");
    ASSERT_TRUE(serve.running()) << serve.banner();
    WebDriver browser(folder / "browser-profile");
    ASSERT_TRUE(browser.started()) << "chromedriver did not start a session";

    browser.command("POST", "/url", {{"url", "http://127.0.0.1:" + std::to_string(serve.port()) + "/"}});
    ASSERT_TRUE(browser.waitFor("document.body.dataset.version === '1'"));
    browser.script("document.getElementById('launch').value = 'StartDlgGenVars';");
    browser.command("POST", "/element/" + browser.element("#open") + "/click");
    ASSERT_TRUE(browser.waitFor("document.querySelector('.win[data-dialog=\"256\"] img')"));
    ASSERT_TRUE(browser.waitFor("document.querySelector('.win img').complete"));

    // The value of the first drawing variable: the drawings grid's second column, first row.
    const json grid = browser.script(
        "return state.windows[0].controls.find(c => c.control === 1434);");
    ASSERT_TRUE(grid.is_object()) << grid.dump();
    const std::string picture = browser.element(".win img");
    // The grid's columns: a header band about 20 px high, then Name, Value, Filter.
    const int cellX = grid["x"].get<int>() + grid["width"].get<int>() / 2 - 10;
    const int cellY = grid["y"].get<int>() + 30;
    const std::string before = browser.script("return document.body.dataset.version;");
    // WebDriver offsets count from the element's centre.
    const int width = browser.script("return document.querySelector('.win img').width;");
    const int height = browser.script("return document.querySelector('.win img').height;");
    browser.command("POST", "/actions", clickAt(picture, cellX - width / 2, cellY - height / 2));
    ASSERT_TRUE(browser.waitFor("document.body.dataset.version !== '" + before + "'"));
    browser.command("POST", "/actions", typeKeys({"1", "2", ".", "2", "5", "\uE007"}));
    // Every request of the typing answered and drawn before the next click is aimed.
    ASSERT_TRUE(browser.waitFor("document.body.dataset.pending === '0' && "
                                "document.querySelector('.win img').complete"));
    ASSERT_TRUE(browser.waitFor("!document.getElementById('status').textContent.includes('not done')"));

    // What the person sees with the value typed: kept beside the build for the README.
    const std::string typedPng =
        base64Decode(browser.command("GET", "/screenshot").get<std::string>());
    EXPECT_EQ(typedPng.substr(1, 3), "PNG");
    mdx_testing::writeFile(std::filesystem::path(MDX_BINARY_DIR) / "serve-browser.png", typedPng);

    const json ok = browser.script("return state.windows[0].controls.find(c => c.control === 1);");
    ASSERT_TRUE(ok.is_object());
    const int okX = ok["x"].get<int>() + ok["width"].get<int>() / 2;
    const int okY = ok["y"].get<int>() + ok["height"].get<int>() / 2;
    // Every state draws the pictures anew, so the element is looked up again.
    browser.command("POST", "/actions",
                    clickAt(browser.element(".win img"), okX - width / 2, okY - height / 2));
    ASSERT_TRUE(browser.waitFor("state.windows.length === 0"))
        << browser.script("return document.getElementById('status').textContent + ' ' + "
                          "JSON.stringify(state.waiting) + ' ' + JSON.stringify(state.returned);")
               .dump();
    EXPECT_EQ(browser.script("return state.returned.result.record.dwgGenValues[0];"), "12.25")
        << browser.script("return JSON.stringify(state);").dump();
    EXPECT_EQ(readFile(drawing), readFile(kDrawing)) << "nothing is written before the save";

    browser.command("POST", "/element/" + browser.element("#save") + "/click");
    browser.command("POST", "/alert/accept");
    // The save is the next request of the page; the file changes when it is done.
    bool saved = false;
    for (int i = 0; i < 300 && !saved; ++i) {
        saved = readFile(drawing).find("12.25") != std::string::npos;
        if (!saved) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_TRUE(saved) << "the drawing holds the value after Save";

    const std::string png = base64Decode(browser.command("GET", "/screenshot").get<std::string>());
    ASSERT_GT(png.size(), 1000u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
}

}  // namespace
