#include "host/DrawingFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <limits>
#include <random>

#include "host/AcDbDatabase.h"
#include "host/AcTransaction.h"
#include "host/ObjectClassRegistry.h"
#include "host/testing/TestBox.h"
#include "win/FilePaths.h"

namespace {

namespace fs = std::filesystem;
using host::DrawingFile;
using host::testing::TestBox;
using host::testing::TestLabel;

class DrawingFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::ObjectClassRegistry::add<TestBox>(TestBox::kClassName);
        host::ObjectClassRegistry::add<TestLabel>(TestLabel::kClassName);
        folder = fs::temp_directory_path() /
                 ("mdx_drawing_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
    }
    void TearDown() override {
        win::setWriteFaultHook({});
        fs::remove_all(folder);
    }
    AcDbObjectId add(AcDbDatabase& db, std::unique_ptr<AcDbObject> object) {
        AcDbObjectId id;
        EXPECT_EQ(db.addObject(std::move(object), id), Acad::eOk);
        return id;
    }
    // One object with awkward values in every kind of field, and one plain label.
    void fillAwkward(AcDbDatabase& db) {
        auto box = std::make_unique<TestBox>();
        box->width = 0.1;
        box->name = std::string("q\"uote\\ back\nline\t\x01\x7F\x80\x81\x95\xBF\xFF", 19);
        box->filled = true;
        box->owner = AcDbObjectId::fromHandle(0xBEEF);
        box->marks = {std::numeric_limits<int>::min(), 0, std::numeric_limits<int>::max()};
        add(db, std::move(box));
        auto label = std::make_unique<TestLabel>();
        label->text = "";
        add(db, std::move(label));
    }
    fs::path folder;
};

TEST_F(DrawingFileTest, WritesTheDocumentedLayout) {
    AcDbDatabase db;
    auto box = std::make_unique<TestBox>();
    box->width = 12.5;
    box->name = "caf\xE9";
    box->marks = {4};
    add(db, std::move(box));
    EXPECT_EQ(DrawingFile::saveText(db),
              "{\n"
              "  \"format\": \"meridox-drawing\",\n"
              "  \"version\": 1,\n"
              "  \"nextHandle\": \"2\",\n"
              "  \"objects\": [\n"
              "    {\n"
              "      \"handle\": \"1\",\n"
              "      \"class\": \"TestBox\",\n"
              "      \"fields\": [\n"
              "        [\"width\", \"real\", 12.5],\n"
              "        [\"name\", \"text\", \"caf\xC3\xA9\"],\n"
              "        [\"filled\", \"bool\", false],\n"
              "        [\"owner\", \"id\", \"0\"],\n"
              "        [\"markCount\", \"int\", 1],\n"
              "        [\"mark\", \"int\", 4]\n"
              "      ]\n"
              "    }\n"
              "  ]\n"
              "}\n");
    AcDbDatabase empty;
    EXPECT_NE(DrawingFile::saveText(empty).find("\"objects\": []\n}"), std::string::npos);
}

TEST_F(DrawingFileTest, LoadThenSaveGivesTheSameBytes) {
    AcDbDatabase db;
    fillAwkward(db);
    fs::path file = folder / "awkward.json";
    std::string error;
    ASSERT_EQ(DrawingFile::save(db, file, error), Acad::eOk) << error;
    std::string first;
    ASSERT_TRUE(win::readWholeFile(file, first));

    AcDbDatabase loaded;
    ASSERT_EQ(DrawingFile::load(loaded, file, error), Acad::eOk) << error;
    ASSERT_EQ(DrawingFile::save(loaded, file, error), Acad::eOk) << error;
    std::string second;
    ASSERT_TRUE(win::readWholeFile(file, second));
    EXPECT_EQ(second, first);
}

TEST_F(DrawingFileTest, ObjectsComeBackWithTheirIdsAndValues) {
    AcDbDatabase db;
    fillAwkward(db);
    AcDbObjectId boxId = db.objectIds()[0];
    auto notANumber = std::make_unique<TestBox>();
    notANumber->width = std::numeric_limits<double>::quiet_NaN();
    notANumber->marks = {};
    AcDbObjectId nanId = add(db, std::move(notANumber));
    auto negative = std::make_unique<TestBox>();
    negative->width = -std::numeric_limits<double>::infinity();
    AcDbObjectId infId = add(db, std::move(negative));

    AcDbDatabase loaded;
    std::string error;
    ASSERT_EQ(DrawingFile::loadText(loaded, DrawingFile::saveText(db), error), Acad::eOk) << error;
    EXPECT_EQ(loaded.objectIds(), db.objectIds());
    EXPECT_EQ(loaded.nextHandle(), db.nextHandle());
    AcTransaction tr(loaded);
    TestBox* box = nullptr;
    ASSERT_EQ(tr.getObject(box, boxId), Acad::eOk);
    EXPECT_EQ(box->width, 0.1);
    EXPECT_EQ(box->name, std::string("q\"uote\\ back\nline\t\x01\x7F\x80\x81\x95\xBF\xFF", 19));
    EXPECT_TRUE(box->filled);
    EXPECT_EQ(box->owner.handle(), 0xBEEFu);
    EXPECT_EQ(box->marks.front(), std::numeric_limits<int>::min());
    EXPECT_EQ(box->database(), &loaded);
    ASSERT_EQ(tr.getObject(box, nanId), Acad::eOk);
    EXPECT_TRUE(std::isnan(box->width));
    ASSERT_EQ(tr.getObject(box, infId), Acad::eOk);
    EXPECT_EQ(box->width, -std::numeric_limits<double>::infinity());
}

TEST_F(DrawingFileTest, ErasedObjectsAreLeftOutButTheirHandlesStayUsed) {
    AcDbDatabase db;
    fillAwkward(db);
    AcDbObjectId labelId = db.objectIds()[1];
    {
        AcTransaction tr(db);
        AcDbObject* label = nullptr;
        ASSERT_EQ(tr.getObject(label, labelId, host::OpenMode::ForWrite), Acad::eOk);
        label->erase();
        tr.commit();
    }
    AcDbDatabase loaded;
    std::string error;
    ASSERT_EQ(DrawingFile::loadText(loaded, DrawingFile::saveText(db), error), Acad::eOk);
    EXPECT_EQ(loaded.objectCount(), 1);
    AcDbObjectId fresh = add(loaded, std::make_unique<TestLabel>());
    EXPECT_GT(fresh, labelId);
}

struct BadDrawing {
    const char* text;
    Acad::ErrorStatus status;
    const char* message;  // a piece of the error text
};

const std::string kHead = R"({"format": "meridox-drawing", "version": 1, "nextHandle": "5", )";
const std::string kBox =
    R"("class": "TestBox", "fields": [["width", "real", 1], ["name", "text", "a"],
    ["filled", "bool", true], ["owner", "id", "0"], ["markCount", "int", 0]])";

std::string withObject(const std::string& object) {
    return kHead + "\"objects\": [" + object + "]}";
}

TEST_F(DrawingFileTest, MalformedDrawingsAreRefusedAndChangeNothing) {
    const std::string goodBox = "{\"handle\": \"1\", " + kBox + "}";
    ASSERT_EQ(
        [&] {
            AcDbDatabase probe;
            std::string error;
            return DrawingFile::loadText(probe, withObject(goodBox), error);
        }(),
        Acad::eOk);

    std::vector<std::pair<std::string, BadDrawing>> cases = {
        {"", {nullptr, Acad::eMalformedFile, "parse error"}},
        {"{\"format\": \"meridox-drawing\",", {nullptr, Acad::eMalformedFile, "line 1"}},
        {"\xFF\xFE{}", {nullptr, Acad::eMalformedFile, "parse error"}},
        {"[]", {nullptr, Acad::eMalformedFile, "file: expected a JSON object"}},
        {R"({"format": "sheet", "version": 1})", {nullptr, Acad::eMalformedFile, "not a drawing"}},
        {R"({"format": "meridox-drawing", "version": 2, "nextHandle": "1", "objects": []})",
         {nullptr, Acad::eMalformedFile, "version 2 is not the one this program reads (1)"}},
        {kHead + R"("objects": [], "extra": 1})",
         {nullptr, Acad::eMalformedFile, "unknown key \"extra\""}},
        {kHead + R"("objects": {}})", {nullptr, Acad::eMalformedFile, "objects: expected a list"}},
        {R"({"format": "meridox-drawing", "version": 1, "nextHandle": "0", "objects": []})",
         {nullptr, Acad::eMalformedFile, "nextHandle"}},
        {withObject("7"), {nullptr, Acad::eMalformedFile, "objects[0]: expected an object"}},
        {withObject(R"({"handle": "1", "fields": []})"), {nullptr, Acad::eMalformedFile, "needs"}},
        {withObject("{\"handle\": \"0\", " + kBox + "}"),
         {nullptr, Acad::eMalformedFile, "null id"}},
        {withObject("{\"handle\": \"5\", " + kBox + "}"),
         {nullptr, Acad::eMalformedFile, "not below nextHandle"}},
        {withObject("{\"handle\": \"x1\", " + kBox + "}"),
         {nullptr, Acad::eMalformedFile, "objects[0].handle: \"x1\" is not a handle"}},
        {withObject(goodBox + ", " + goodBox),
         {nullptr, Acad::eMalformedFile, "objects[1].handle: handle 1 is used twice"}},
        {withObject(R"({"handle": "2", "class": "Unheard", "fields": []})"),
         {nullptr, Acad::eUnknownClass, "objects[0]: class \"Unheard\" is not registered"}},
        {withObject(R"({"handle": "2", "class": "TestLabel", "fields": [["text", "text"]]})"),
         {nullptr, Acad::eMalformedFile, "objects[0].fields[0]: expected [name, kind, value]"}},
        {withObject(R"({"handle": "2", "class": "TestLabel", "fields": [["text", "str", "a"]]})"),
         {nullptr, Acad::eMalformedFile, "kind must be one of"}},
        {withObject(R"({"handle": "2", "class": "TestLabel", "fields": [["text", "text", 5]]})"),
         {nullptr, Acad::eMalformedFile, "value of text field \"text\": expected a text"}},
        {withObject(
             "{\"handle\": \"2\", \"class\": \"TestLabel\", \"fields\": [[\"text\", \"text\", "
             "\"\xE4\xB8\xAD\"]]}"),
         {nullptr, Acad::eMalformedFile, "no Windows-1252 byte"}},
        {withObject(R"({"handle": "2", "class": "TestLabel", "fields": [["text", "int", 1]]})"),
         {nullptr, Acad::eMalformedFile, "objects[0] (TestLabel): field 1: expected text field"}},
        {withObject(R"({"handle": "2", "class": "TestLabel", "fields": []})"),
         {nullptr, Acad::eMalformedFile, "after the last field"}},
        {withObject(
             R"({"handle": "2", "class": "TestLabel", "fields": [["text", "text", ""], ["x", "bool", true]]})"),
         {nullptr, Acad::eMalformedFile, "1 of 2 fields left unread"}},
        {withObject("{\"handle\": \"1\", " + std::string(kBox).replace(kBox.find("0]]"), 1, "-1") +
                    "}"),
         {nullptr, Acad::eMalformedFile, "markCount is negative"}},
        {withObject("{\"handle\": \"1\", " +
                    std::string(kBox).replace(kBox.find("0]]"), 1, "9223372036854775808") + "}"),
         {nullptr, Acad::eMalformedFile, "integer out of range"}},
        {withObject("{\"handle\": \"1\", " + std::string(kBox).replace(kBox.find("true"), 4, "1") +
                    "}"),
         {nullptr, Acad::eMalformedFile, "expected true or false"}},
        {std::string(100000, '[') + std::string(100000, ']'),
         {nullptr, Acad::eMalformedFile, "nested deeper"}},
    };

    AcDbDatabase db;
    fillAwkward(db);
    const std::string before = DrawingFile::saveText(db);
    for (const auto& [text, bad] : cases) {
        std::string error;
        EXPECT_EQ(DrawingFile::loadText(db, text, error), bad.status) << text.substr(0, 200);
        EXPECT_NE(error.find(bad.message), std::string::npos)
            << "error: " << error << "\nexpected: " << bad.message;
        EXPECT_EQ(DrawingFile::saveText(db), before);
    }
}

TEST_F(DrawingFileTest, ArbitraryDamageNeverCrashesOrHalfLoads) {
    AcDbDatabase source;
    fillAwkward(source);
    const std::string good = DrawingFile::saveText(source);
    std::mt19937 random(20261207);
    AcDbDatabase db;
    fillAwkward(db);
    const std::string before = DrawingFile::saveText(db);
    int refused = 0;
    for (int round = 0; round < 2000; ++round) {
        std::string damaged = good;
        int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits; ++e) {
            std::size_t at = random() % damaged.size();
            switch (random() % 3) {
                case 0:
                    damaged[at] = static_cast<char>(random() % 256);
                    break;
                case 1:
                    damaged.erase(at, 1 + random() % 8);
                    break;
                default:
                    damaged.insert(at, 1, "[]{}\",:0\\"[random() % 9]);
                    break;
            }
        }
        std::string error;
        Acad::ErrorStatus status = DrawingFile::loadText(db, damaged, error);
        if (status == Acad::eOk) {
            // Some damage keeps a valid drawing; what was loaded then saves to a stable text.
            std::string saved = DrawingFile::saveText(db);
            AcDbDatabase again;
            ASSERT_EQ(DrawingFile::loadText(again, saved, error), Acad::eOk) << error;
            EXPECT_EQ(DrawingFile::saveText(again), saved);
            ASSERT_EQ(DrawingFile::loadText(db, before, error), Acad::eOk);
        } else {
            ++refused;
            EXPECT_FALSE(error.empty());
            EXPECT_EQ(DrawingFile::saveText(db), before);
        }
    }
    EXPECT_GT(refused, 1000);
}

TEST_F(DrawingFileTest, MissingFilesAndRunningTransactionsAreRefused) {
    AcDbDatabase db;
    fillAwkward(db);
    std::string error;
    fs::path missing = folder / "nope.json";
    EXPECT_EQ(DrawingFile::load(db, missing, error), Acad::eFileNotFound);
    EXPECT_NE(error.find(missing.string()), std::string::npos);
    EXPECT_EQ(db.objectCount(), 2);

    fs::path broken = folder / "broken.json";
    ASSERT_TRUE(win::writeWholeFileAtomic(broken, "{"));
    EXPECT_EQ(DrawingFile::load(db, broken, error), Acad::eMalformedFile);
    EXPECT_EQ(error.rfind(broken.string() + ": JSON: ", 0), 0u) << error;

    AcTransaction tr(db);
    EXPECT_EQ(DrawingFile::save(db, folder / "busy.json", error), Acad::eDatabaseBusy);
    EXPECT_FALSE(fs::exists(folder / "busy.json"));
    EXPECT_EQ(DrawingFile::loadText(db, DrawingFile::saveText(db), error), Acad::eDatabaseBusy);
}

TEST_F(DrawingFileTest, AFailedSaveLeavesTheOldFile) {
    AcDbDatabase db;
    fillAwkward(db);
    fs::path file = folder / "kept.json";
    std::string error;
    ASSERT_EQ(DrawingFile::save(db, file, error), Acad::eOk);
    std::string old;
    ASSERT_TRUE(win::readWholeFile(file, old));
    add(db, std::make_unique<TestLabel>());
    win::setWriteFaultHook([](win::WriteStage stage) { return stage == win::WriteStage::Rename; });
    EXPECT_EQ(DrawingFile::save(db, file, error), Acad::eFileWriteFailed);
    EXPECT_NE(error.find("kept.json"), std::string::npos);
    std::string now;
    ASSERT_TRUE(win::readWholeFile(file, now));
    EXPECT_EQ(now, old);
}

}  // namespace
