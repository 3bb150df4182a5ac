#pragma once
// For tests that evaluate standards: a standards spreadsheet written as a sheet file from
// its columns, and the variables a caller passes.
#include <string>
#include <vector>

#include "standards/KvVarCell.h"

namespace standards::testing {

// Words of one column, top to bottom, from row 1; "" leaves a row empty.
using Column = std::vector<std::string>;

inline std::string quotedSheetText(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

// A sheet file holding the texts of the columns from column 1.
inline std::string sheetFile(const std::vector<Column>& columns) {
    std::string file = "MDX-SHEET 1\nsize 4 40\n";
    for (size_t col = 0; col < columns.size(); ++col)
        for (size_t row = 0; row < columns[col].size(); ++row)
            if (!columns[col][row].empty())
                file += "cell " + std::to_string(col + 1) + " " + std::to_string(row + 1) + " s " +
                        quotedSheetText(columns[col][row]) + "\n";
    return file + "end\n";
}

inline KvVarCell passedVar(const char* name, const char* value, KvCellType kind) {
    KvVarCell cell;
    cell.name = name;
    cell.value = value;
    cell.cellType = kind;
    return cell;
}

}  // namespace standards::testing
