#pragma once
// A small object class with one field of every kind and a list, for tests of the database,
// transactions and drawing files (this layer's and those above).
#include <string>
#include <vector>

#include "host/AcDbObject.h"
#include "host/FieldReader.h"
#include "host/FieldWriter.h"

namespace host::testing {

class TestBox : public AcDbObject {
public:
    static constexpr const char* kClassName = "TestBox";

    double width = 0;
    std::string name;
    bool filled = false;
    AcDbObjectId owner;
    std::vector<int> marks;

    const char* className() const override { return kClassName; }

    void writeFields(FieldWriter& out) const override {
        out.writeReal("width", width);
        out.writeText("name", name);
        out.writeBool("filled", filled);
        out.writeId("owner", owner);
        out.writeInt("markCount", static_cast<std::int64_t>(marks.size()));
        for (int mark : marks) out.writeInt("mark", mark);
    }

    Acad::ErrorStatus readFields(FieldReader& in) override {
        int count = 0;
        in.readReal("width", width);
        in.readText("name", name);
        in.readBool("filled", filled);
        in.readId("owner", owner);
        if (in.readInt("markCount", count) && count < 0) in.fail("markCount is negative");
        marks.clear();
        for (int i = 0; i < count && in.ok(); ++i) {
            int mark = 0;
            if (in.readInt("mark", mark)) marks.push_back(mark);
        }
        return in.status();
    }
};

// A second class, so that opening an object as the wrong class can be tried.
class TestLabel : public AcDbObject {
public:
    static constexpr const char* kClassName = "TestLabel";
    std::string text;

    const char* className() const override { return kClassName; }
    void writeFields(FieldWriter& out) const override { out.writeText("text", text); }
    Acad::ErrorStatus readFields(FieldReader& in) override {
        in.readText("text", text);
        return in.status();
    }
};

}  // namespace host::testing
