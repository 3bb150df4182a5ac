#include "core/Mdx_PropertiesList.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "win/FilePaths.h"

namespace {

namespace fs = std::filesystem;

TEST(Mdx_PropertiesList, TypedValuesAndKeysIgnoringCase) {
    Mdx_PropertiesList list;
    list.setInt("nrOfControls", 2);
    list.setDouble("topLeftX0", 0.125);
    list.setString("contents0", "Plate width");
    list.setBool("visible", true);
    list.setInt("NROFCONTROLS", 3);  // replaces in place
    EXPECT_EQ(list.count(), 4);
    EXPECT_EQ(list.keyAt(0), Mdx_String("nrOfControls"));

    int n = 0;
    EXPECT_TRUE(list.getInt("nrofcontrols", n));
    EXPECT_EQ(n, 3);
    double x = 0;
    EXPECT_TRUE(list.getDouble("TOPLEFTX0", x));
    EXPECT_EQ(x, 0.125);
    EXPECT_TRUE(list.getDouble("nrOfControls", x));  // an int reads as a double
    EXPECT_EQ(x, 3.0);
    Mdx_String text("untouched");
    EXPECT_FALSE(list.getString("nrOfControls", text));
    EXPECT_EQ(text, Mdx_String("untouched"));
    EXPECT_FALSE(list.getInt("contents0", n));
    EXPECT_FALSE(list.getInt("missing", n));
    bool flag = false;
    EXPECT_TRUE(list.getBool("visible", flag));
    EXPECT_TRUE(flag);

    list.setString("nrOfControls", "now text");
    EXPECT_FALSE(list.getInt("nrOfControls", n));
    EXPECT_TRUE(list.remove("NrOfControls"));
    EXPECT_FALSE(list.hasKey("nrOfControls"));
    EXPECT_FALSE(list.remove("nrOfControls"));
}

TEST(Mdx_PropertiesList, TextRoundTripIsExact) {
    Mdx_PropertiesList list;
    list.setDouble("third", 1.0 / 3.0);
    list.setDouble("tiny", 5e-324);
    list.setDouble("big", -1.7976931348623157e308);
    list.setDouble("inf", INFINITY);
    list.setDouble("nan", NAN);
    list.setInt("min", -2147483647 - 1);
    list.setString("odd", "tab\there\\ line\r\nend \xBF\x83");
    list.setString("empty", "");
    list.setString("key\twith tab", "v");
    Mdx_PropertiesList back;
    ASSERT_TRUE(back.fromText(list.toText()));
    EXPECT_EQ(back, list);
    double third = 0;
    ASSERT_TRUE(back.getDouble("third", third));
    EXPECT_EQ(third, 1.0 / 3.0);
}

TEST(Mdx_PropertiesList, DamagedLinesAreSkippedAndOtherFormatsRefused) {
    Mdx_PropertiesList list;
    list.setInt("keep", 1);
    const Mdx_PropertiesList before = list;
    EXPECT_FALSE(list.fromText("MDX-PROPERTIES 2\r\na\ti\t1\r\n"));
    EXPECT_FALSE(list.fromText(""));
    EXPECT_FALSE(list.fromText("a\ti\t1\r\n"));
    EXPECT_EQ(list, before);

    ASSERT_TRUE(
        list.fromText("MDX-PROPERTIES 1\nok\ti\t7\nbad\ti\t7x\nbig\ti\t99999999999\n"
                      "frac\td\t1.5.2\nkind\tq\t1\nshort\ti\n\ti\t1\nesc\ts\tx\\q\n"
                      "d\td\t-0.5\n"));
    EXPECT_EQ(list.count(), 2);
    int ok = 0;
    EXPECT_TRUE(list.getInt("ok", ok));
    EXPECT_EQ(ok, 7);
    double d = 0;
    EXPECT_TRUE(list.getDouble("d", d));
    EXPECT_EQ(d, -0.5);
}

TEST(Mdx_PropertiesList, FilesRoundTripAndAFailedReadChangesNothing) {
    const fs::path root = fs::temp_directory_path() / ("mdx_props_" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "Dialog Design");
    win::setDriveRoot('P', root);
    Mdx_PropertiesList list;
    list.setInt("nrOfControls", 1);
    list.setString("contents0", "Width");
    ASSERT_TRUE(list.writeToFile("P:\\Dialog Design\\End plate.txt"));
    Mdx_PropertiesList back;
    ASSERT_TRUE(back.readFromFile("P:\\dialog design\\END PLATE.TXT"));
    EXPECT_EQ(back, list);
    EXPECT_FALSE(back.readFromFile("P:\\Dialog Design\\missing.txt"));
    EXPECT_EQ(back, list);
    fs::remove_all(root);
}

}  // namespace
