#pragma once
// For the tests of variables and standards functions: a real grid window in a host dialog,
// filled row by row the way a standards spreadsheet is laid out, and a fresh library folder.
#include <initializer_list>
#include <memory>
#include <string>

#include "core/Mdx_Settings.h"
#include "spread/SheetTestSupport.h"
#include "standards/testing/LibraryFolder.h"

namespace standards::testing {

class StandardsSheetTest : public spread_testing::SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        library = std::make_unique<LibraryFolder>();
        gSettings.current().setStandardsMessages(true);
        attach(6, 40);
    }
    void TearDown() override {
        gSettings.current().setStandardsMessages(true);
        library.reset();
        SheetTest::TearDown();
    }

    // Writes the texts into consecutive rows of column col, from row first.
    void putColumn(int col, int first, std::initializer_list<const char*> texts) {
        int row = first;
        for (const char* text : texts) put(col, row++, text);
    }
    // The value text a formula leaves in a cell of the scratch column.
    std::string calc(const std::string& formula, int row = 1) {
        EXPECT_TRUE(sheet->SetFormula(kScratchCol, row, formula.c_str(), TRUE)) << formula;
        return value(kScratchCol, row);
    }
    static constexpr int kScratchCol = 6;

    std::unique_ptr<LibraryFolder> library;
};

}  // namespace standards::testing
