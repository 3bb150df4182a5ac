#include "host/CommandLine.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using host::CommandLine;

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override { CommandLine::reset(); }
    void TearDown() override {
        CommandLine::setEcho(false);
        CommandLine::reset();
    }
};

TEST_F(CommandLineTest, PrintsWithPrintfFormattingIntoTheTranscript) {
    EXPECT_EQ(acutPrintf("Result is long: %i\n", 42), 19);
    acutPrintf("Result is double: %f\n", 2.5);
    acutPrintf("Left: %f - Right: %f\n", -0.125, 1e6);
    acutPrintf("%-4s|%5.1f|%03d|%x|%%|%c\n", "ab", 3.14159, 7, 255, 'z');
    EXPECT_EQ(CommandLine::transcript(),
              "Result is long: 42\n"
              "Result is double: 2.500000\n"
              "Left: -0.125000 - Right: 1000000.000000\n"
              "ab  |  3.1|007|ff|%|z\n");
}

TEST_F(CommandLineTest, LongTextsAndSingleBytesArriveWhole) {
    std::string longText(10000, 'x');
    longText += "\xE9\x80";  // e acute and the euro sign, as Windows-1252 bytes
    EXPECT_EQ(acutPrintf("Loading spreadsheet:%s\n", longText.c_str()), 10023);
    EXPECT_EQ(CommandLine::transcript(), "Loading spreadsheet:" + longText + "\n");
    EXPECT_EQ(acutPrintf(nullptr), -1);
    EXPECT_EQ(CommandLine::transcript().size(), 10023u);
    CommandLine::clearTranscript();
    EXPECT_TRUE(CommandLine::transcript().empty());
}

TEST_F(CommandLineTest, EchoWritesUtf8ToStandardOutput) {
    CommandLine::setEcho(true);
    ::testing::internal::CaptureStdout();
    acutPrintf("caf\xE9 %d\n", 1);
    std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "caf\xC3\xA9 1\n");
    EXPECT_EQ(CommandLine::transcript(), "caf\xE9 1\n");
}

TEST_F(CommandLineTest, CommandsPromptsAndUpdatesAreRecorded) {
    EXPECT_TRUE(acedPostCommand("CANCELCMD"));
    EXPECT_FALSE(acedPostCommand(nullptr));
    acedPostCommand("REGEN");
    acedPostCommandPrompt();
    acedPostCommandPrompt();
    acedUpdateDisplay();
    EXPECT_EQ(CommandLine::postedCommands(), (std::vector<std::string>{"CANCELCMD", "REGEN"}));
    EXPECT_EQ(CommandLine::promptCount(), 2);
    EXPECT_EQ(CommandLine::displayUpdateCount(), 1);
    CommandLine::setEcho(true);
    CommandLine::reset();
    EXPECT_TRUE(CommandLine::postedCommands().empty());
    EXPECT_EQ(CommandLine::promptCount(), 0);
    EXPECT_TRUE(CommandLine::echo());
}

}  // namespace
