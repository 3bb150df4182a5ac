#include "grid/CustomFunction.h"

#include <gtest/gtest.h>

#include "grid/Sheet.h"

namespace grid {
namespace {

struct Log {
    int calls = 0;
    std::vector<CustomArg> lastArgs;
};

bool recordAndMultiply(void* context, CustomCall& call) {
    Log& log = *static_cast<Log*>(context);
    ++log.calls;
    log.lastArgs.assign(call.args, call.args + call.count);
    double p = 1;
    for (int i = 0; i < call.count; ++i) {
        if (call.args[i].kind != ValueKind::Number) return false;
        p *= call.args[i].number;
    }
    call.result.setNumber(p);
    return true;
}

bool describeReferences(void*, CustomCall& call) {
    std::string out;
    for (int i = 0; i < call.count; ++i) {
        const CustomArg& a = call.args[i];
        if (a.isReference)
            out += "ref" + std::to_string(a.rect.column1) + ":" + std::to_string(a.rect.row1) +
                   "-" + std::to_string(a.rect.column2) + ":" + std::to_string(a.rect.row2) + " ";
        else
            out += "value ";
    }
    call.result.setText(out);
    return true;
}

TEST(CustomFunction, ArgumentsArriveAsValuesWithoutTheReferenceFlag) {
    Sheet s;
    Log log;
    s.addCustomFunction("Times", 1, 3, recordAndMultiply, &log, 0);
    s.setNumber(1, 1, 6);
    s.setNumber(1, 2, 7);
    ASSERT_TRUE(s.setFormula(2, 1, "=times(A1, A2)"));
    EXPECT_EQ(s.value(2, 1).number, 42);
    ASSERT_EQ(log.lastArgs.size(), 2u);
    EXPECT_FALSE(log.lastArgs[0].isReference);
    EXPECT_EQ(log.lastArgs[1].number, 7);
    // A block passes its first cell's value.
    ASSERT_TRUE(s.setFormula(2, 2, "=TIMES(A2:A3, 2)"));
    EXPECT_EQ(s.value(2, 2).number, 14);
    // Dependents of a custom call update like any other.
    s.setNumber(1, 1, 2);
    EXPECT_EQ(s.value(2, 1).number, 14);
}

TEST(CustomFunction, ReferencesArriveAsReferencesWithTheFlag) {
    Sheet s;
    s.addCustomFunction("REFS", 1, 5, describeReferences, nullptr, kPassReferences);
    ASSERT_TRUE(s.setFormula(5, 5, "=REFS(B3, A1:C2, 4, B3+1)"));
    EXPECT_EQ(s.value(5, 5).text, "ref2:3-2:3 ref1:1-3:2 value value ");
}

TEST(CustomFunction, ArgumentCountsUnknownNamesAndDeclinedCalls) {
    Sheet s;
    Log log;
    ASSERT_TRUE(s.setFormula(1, 1, "=LATER(2,3)"));
    EXPECT_EQ(s.value(1, 1).error, ErrorCode::Name);
    s.addCustomFunction("later", 2, 2, recordAndMultiply, &log, 0);
    s.recalculateAll();
    EXPECT_EQ(s.value(1, 1).number, 6);
    EXPECT_EQ(s.formulaText(1, 1), "=LATER(2,3)");
    ASSERT_TRUE(s.setFormula(1, 2, "=LATER(2)"));
    EXPECT_EQ(s.value(1, 2).error, ErrorCode::Value);
    ASSERT_TRUE(s.setFormula(1, 3, "=LATER(2,\"x\")"));  // the callback declines
    EXPECT_EQ(s.value(1, 3).error, ErrorCode::Value);
    // Registering the name again replaces the function.
    s.addCustomFunction("LATER", 1, 5, describeReferences, nullptr, 0);
    s.recalculateAll();
    EXPECT_EQ(s.value(1, 2).text, "value ");
}

// A callback that loads and calculates a second sheet, and writes into its own.
struct Nested {
    int depth = 0;
    int maxDepth = 0;
};

bool lookupInOtherSheet(void* context, CustomCall& call) {
    Nested& n = *static_cast<Nested*>(context);
    if (call.count != 1 || call.args[0].kind != ValueKind::Number) return false;
    ++n.depth;
    n.maxDepth = std::max(n.maxDepth, n.depth);
    Sheet other;
    other.addCustomFunction("OTHER", 1, 1, lookupInOtherSheet, context, 0);
    other.setNumber(1, 1, call.args[0].number);
    // Recurse down to zero through the other sheet's own formula.
    if (call.args[0].number > 0) other.setFormula(1, 2, "=OTHER(A1-1)+A1");
    else other.setFormula(1, 2, "=A1");
    double v = other.value(1, 2).number;
    // Writing into the calling sheet while it calculates.
    call.sheet.setNumber(9, 9, v);
    --n.depth;
    call.result.setNumber(v);
    return true;
}

TEST(CustomFunction, CallbacksMayCalculateOtherSheetsAndWriteTheirOwn) {
    Sheet s;
    Nested n;
    s.addCustomFunction("OTHER", 1, 1, lookupInOtherSheet, &n, 0);
    s.setNumber(1, 1, 4);
    ASSERT_TRUE(s.setFormula(2, 1, "=OTHER(A1)*10"));
    s.setFormula(3, 1, "=I9+1");
    EXPECT_EQ(s.value(2, 1).number, (4 + 3 + 2 + 1) * 10);
    EXPECT_EQ(n.maxDepth, 5);
    EXPECT_EQ(s.value(9, 9).number, 10);
    EXPECT_EQ(s.value(3, 1).number, 11);
}

bool overwriteCaller(void*, CustomCall& call) {
    call.sheet.setText(call.column, call.row, "replaced");
    call.result.setNumber(1);
    return true;
}

TEST(CustomFunction, ACallbackReplacingItsOwnCellWins) {
    Sheet s;
    s.addCustomFunction("SELF", 0, 0, overwriteCaller, nullptr, 0);
    ASSERT_TRUE(s.setFormula(1, 1, "=SELF()"));
    EXPECT_EQ(s.value(1, 1).text, "replaced");
    EXPECT_FALSE(s.hasFormula(1, 1));
}

}  // namespace
}  // namespace grid

namespace grid {
namespace {

// A callback reading other cells of its own sheet that are still out of date: the engine
// calculates them in a nested pass.
bool sumOfColumnA(void*, CustomCall& call) {
    double sum = 0;
    for (int r = 1; r <= 3; ++r) sum += call.sheet.value(1, r).number;
    call.result.setNumber(sum);
    return true;
}

TEST(CustomFunction, CallbacksReadingOutOfDateCellsGetThemCalculated) {
    Sheet s;
    s.addCustomFunction("SUMA", 0, 0, sumOfColumnA, nullptr, 0);
    s.setNumber(1, 1, 1);
    s.setFormula(1, 2, "=A1*10");
    s.setFormula(1, 3, "=A2+5");
    ASSERT_TRUE(s.setFormula(2, 1, "=SUMA()"));
    EXPECT_EQ(s.value(2, 1).number, 1 + 10 + 15);
    // The callback's reads are not known dependencies: a recalculation brings it up to date.
    s.setNumber(1, 1, 2);
    s.recalculateAll();
    EXPECT_EQ(s.value(2, 1).number, 2 + 20 + 25);
}

bool selfRead(void*, CustomCall& call) {
    call.result.setNumber(call.sheet.value(call.column, call.row).number + 1);
    return true;
}

TEST(CustomFunction, ACallbackReadingItsOwnCellSeesTheOldValueAndCannotLoop) {
    Sheet s;
    s.addCustomFunction("SELFREAD", 0, 0, selfRead, nullptr, 0);
    ASSERT_TRUE(s.setFormula(1, 1, "=SELFREAD()"));
    EXPECT_EQ(s.value(1, 1).number, 1);
    s.recalculateCell(1, 1);
    EXPECT_EQ(s.value(1, 1).number, 2);
}

}  // namespace
}  // namespace grid
