#pragma once
// Where the four sections of a standards spreadsheet lie. Each section keyword stands alone
// in a cell; its section starts in the row below. A section runs down to the keyword row of
// the nearest section that starts further down, or to the sheet's last row, so the sections
// may come in any order.
#include "core/Mdx_String.h"

class Mdx_Spread;

struct KvSheetSection {
    int startRow = -1;  // -1: the keyword is missing
    int endRow = -1;

    bool isPresent() const { return startRow > 0; }
};

class KvSheetSections {
public:
    static constexpr const char* kInput = "Input";
    static constexpr const char* kOutput = "Output";
    static constexpr const char* kLocal = "Local";
    static constexpr const char* kCalc = "Calc";

    // Finds the keywords in the sheet and works out the extents.
    explicit KvSheetSections(const Mdx_Spread& sheet);

    const KvSheetSection& input() const { return input_; }
    const KvSheetSection& output() const { return output_; }
    const KvSheetSection& local() const { return local_; }
    const KvSheetSection& calc() const { return calc_; }

    // The row below the first cell whose whole value text is keyword (searched from column
    // 1, row 1, rows top to bottom), or -1 when no cell holds it.
    static int findSectionStart(const Mdx_Spread& sheet, const Mdx_String& keyword);

private:
    int endOf(const KvSheetSection& section, int lastRow) const;

    KvSheetSection input_;
    KvSheetSection output_;
    KvSheetSection local_;
    KvSheetSection calc_;
};
