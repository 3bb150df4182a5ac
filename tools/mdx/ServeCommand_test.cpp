// mdx serve end to end: the program serving a session, driven over HTTP as its page drives
// it, and the session it records replayed by mdx run.
#include <gtest/gtest.h>

#include <string>

#include "testing/MdxProcess.h"
#include "testing/ServeProcess.h"

namespace {

using mdx_testing::quoted;
using mdx_testing::readFile;
using mdx_testing::ScratchFolder;
using mdx_testing::ServeProcess;
using nlohmann::json;

const std::string kDrawing = mdx_testing::kSourceDir + "/examples/drawings/EndPlate_IPE300_HEA300.json";

// The centre of a control of the window a state shows, where a person clicks it.
json clickOn(const json& window, int control) {
    for (const json& c : window["controls"])
        if (c["control"] == control)
            return {{"kind", "user"},
                    {"action",
                     {{"action", "pointer"},
                      {"event", "click"},
                      {"x", c["x"].get<int>() + c["width"].get<int>() / 2},
                      {"y", c["y"].get<int>() + c["height"].get<int>() / 2}}}};
    ADD_FAILURE() << "no control " << control << " in " << window.dump();
    return json::object();
}

class ServeTest : public ::testing::Test {
protected:
    ScratchFolder folder;
    std::filesystem::path drawing = folder / "connection.json";
    void SetUp() override { std::filesystem::copy_file(kDrawing, drawing); }
    std::string serveArgs() const { return "--drawing " + quoted(drawing) + " --macro EndPlate_IPE_HEA"; }
};

TEST_F(ServeTest, APersonEditsTheDrawingsGeneralVariablesAndSavesWhatTheyAccepted) {
    ServeProcess serve(serveArgs());
    ASSERT_TRUE(serve.running()) << serve.banner();
    const auto list = serve.get("/api/launch-points");
    ASSERT_EQ(list.status, 200);
    EXPECT_NE(list.body["launchPoints"].dump().find("StartDlgGenVars"), std::string::npos);

    auto opened = serve.request({{"kind", "open"}, {"launch", "StartDlgGenVars"}});
    ASSERT_EQ(opened.status, 200) << opened.body.dump();
    EXPECT_EQ(opened.body["waiting"]["kind"], "a dialog");
    ASSERT_EQ(opened.body["windows"].size(), 1u);
    const json window = opened.body["windows"][0];
    EXPECT_EQ(window["dialog"], 256);
    auto picture = serve.client().Get(window["picture"].get<std::string>().c_str());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->body.substr(1, 3), "PNG");

    // While the dialog waits, the drawing cannot be saved and nothing else opens.
    EXPECT_EQ(serve.request({{"kind", "save"}}).status, 409);
    EXPECT_EQ(serve.request({{"kind", "open"}, {"launch", "StartDlgLevels"}}).status, 409);

    auto typed = serve.request({{"kind", "user"},
                                {"action",
                                 {{"action", "typeCell"},
                                  {"control", 1434},
                                  {"col", 2},
                                  {"row", 1},
                                  {"text", "12.25"}}}});
    ASSERT_EQ(typed.status, 200) << typed.body.dump();
    auto closed = serve.request(clickOn(window, 1));
    ASSERT_EQ(closed.status, 200);
    EXPECT_TRUE(closed.body["waiting"].is_null());
    EXPECT_EQ(closed.body["returned"]["result"]["result"], true);
    EXPECT_EQ(closed.body["returned"]["result"]["record"]["dwgGenValues"][0], "12.25");
    EXPECT_EQ(readFile(drawing), readFile(kDrawing)) << "nothing is written before the save";

    ASSERT_EQ(serve.request({{"kind", "save"}}).status, 200);
    const std::string saved = readFile(drawing);
    EXPECT_NE(saved.find("12.25"), std::string::npos);

    // The session replays as a scenario: the same dialog, the same steps, the same answer.
    const auto scenario = serve.client().Get("/api/scenario");
    ASSERT_TRUE(scenario);
    mdx_testing::writeFile(folder / "session.json", scenario->body);
    EXPECT_EQ(serve.request({{"kind", "quit"}}).status, 200);
    EXPECT_EQ(serve.finish(), 0);
    const auto replay = mdx_testing::runMdx("run " + quoted(folder / "session.json"));
    EXPECT_EQ(replay.status, 0) << replay.out;
    EXPECT_NE(replay.out.find("StartDlgGenVars returned {\"record\":{\"dwgGenFilters\":[\"\",\"\"],"
                              "\"dwgGenValues\":[\"12.25\",\"6\"]"),
              std::string::npos)
        << replay.out;
}

TEST_F(ServeTest, BadRequestsAreRefusedAndChangeNothing) {
    ServeProcess serve(serveArgs());
    ASSERT_TRUE(serve.running()) << serve.banner();
    EXPECT_EQ(serve.post("/api/request", "{not json").status, 400);
    EXPECT_EQ(serve.request({{"kind", "open"}, {"launch", "NoSuchDialog"}}).status, 400);
    EXPECT_EQ(serve.request({{"kind", "teleport"}}).status, 400);
    EXPECT_EQ(serve.request({{"kind", "user"}, {"action", {{"action", "pointer"}, {"event", "click"},
                                                          {"x", -5}, {"y", 1}}}})
                  .status,
              400);
    EXPECT_EQ(serve.request({{"kind", "clock"}, {"ms", 1000000000}}).status, 400);
    // No message box waits, so an answer has nothing to answer.
    EXPECT_EQ(serve.request({{"kind", "user"}, {"action", {{"action", "answer"}, {"button", 1}}}})
                  .status,
              409);
    EXPECT_EQ(serve.post("/api/request", std::string(100 * 1024, ' ')).status, 413);
    // A page of another site that a browser was made to send here names another host.
    httplib::Headers foreign = {{"Host", "attacker.example"}};
    auto result = serve.client().Get("/api/scenario", foreign);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 403);

    const auto state = serve.request({{"kind", "state"}});
    ASSERT_EQ(state.status, 200);
    EXPECT_TRUE(state.body["windows"].empty());
    const auto scenario = serve.get("/api/scenario");
    EXPECT_EQ(scenario.body["steps"].size(), 2u) << "only load and unload: " << scenario.body.dump();
    EXPECT_EQ(readFile(drawing), readFile(kDrawing));
}

TEST_F(ServeTest, AMessageBoxWaitsForThePersonsAnswer) {
    ServeProcess serve("");
    ASSERT_TRUE(serve.running()) << serve.banner();
    // The levels dialog asks for a name before it adds a level: a dialog over a dialog.
    auto opened = serve.request({{"kind", "open"}, {"launch", "StartDlgLevels"}});
    ASSERT_EQ(opened.status, 200) << opened.body.dump();
    ASSERT_FALSE(opened.body["windows"].empty());
    auto cancelled = serve.request(
        {{"kind", "user"}, {"action", {{"action", "key"}, {"key", "Escape"}}}});
    ASSERT_EQ(cancelled.status, 200);
    EXPECT_TRUE(cancelled.body["windows"].empty());
    EXPECT_EQ(cancelled.body["returned"]["launch"], "StartDlgLevels");
    EXPECT_EQ(serve.request({{"kind", "save"}}).status, 500) << "no drawing was loaded";
}

TEST(ServeOptions, ADrawingWithoutItsMacroIsABadOption) {
    const auto run = mdx_testing::runMdx("serve --drawing " + quoted(std::filesystem::path(kDrawing)) + " --port 0");
    EXPECT_EQ(run.status, 64) << run.out;
    EXPECT_NE(run.out.find("--macro"), std::string::npos);
}

}  // namespace
