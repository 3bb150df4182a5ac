// Plain grids: ".tsv" (tab between fields) and ".csv" (comma, fields with a comma, a quote or
// a line end in double quotes, quotes doubled). Each field is written into its cell as data
// text, so numbers become numbers.
#include <algorithm>
#include <string>

#include "grid/SheetFile.h"
#include "grid/SpreadModel.h"

namespace grid {

namespace {

// Splits the text into rows of fields; false when a quoted field never ends, with
// openLine the line (from 1) where its quote opened.
bool splitGrid(std::string_view bytes, char separator, std::vector<std::vector<std::string>>& rows,
               size_t& openLine) {
    std::vector<std::string> row;
    std::string field;
    bool quoted = false, fieldStarted = false;
    size_t i = 0, line = 1;
    auto endRow = [&] {
        row.push_back(std::move(field));
        field.clear();
        rows.push_back(std::move(row));
        row.clear();
        fieldStarted = false;
    };
    while (i < bytes.size()) {
        char c = bytes[i++];
        if (c == '\n') ++line;
        if (quoted) {
            if (c == '"') {
                if (i < bytes.size() && bytes[i] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
            continue;
        }
        if (c == '"' && separator == ',' && !fieldStarted && field.empty()) {
            quoted = true;
            fieldStarted = true;
            openLine = line;
        } else if (c == separator) {
            row.push_back(std::move(field));
            field.clear();
            fieldStarted = false;
        } else if (c == '\n') {
            if (!field.empty() && field.back() == '\r') field.pop_back();
            endRow();
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted) return false;
    if (!field.empty() || !row.empty()) {
        if (!field.empty() && field.back() == '\r') field.pop_back();
        endRow();
    }
    return true;
}

}  // namespace

bool readPlainGrid(std::string_view bytes, char separator, SpreadModel& into, std::string* error) {
    auto fail = [error](std::string why) {
        if (error) *error = std::move(why);
        return false;
    };
    std::vector<std::vector<std::string>> rows;
    size_t openLine = 0;
    if (!splitGrid(bytes, separator, rows, openLine))
        return fail("line " + std::to_string(openLine) + ": a quoted field never closes");
    if (rows.size() > static_cast<size_t>(kMaxRows))
        return fail("line " + std::to_string(kMaxRows + 1) + ": more rows than the grid holds (" +
                    std::to_string(kMaxRows) + ")");
    size_t width = 0;
    for (size_t r = 0; r < rows.size(); ++r) {
        width = std::max(width, rows[r].size());
        if (width > static_cast<size_t>(kMaxColumns))
            return fail("line " + std::to_string(r + 1) +
                        ": more fields than the grid has columns (" + std::to_string(kMaxColumns) +
                        ")");
    }
    into.setMaxColumns(static_cast<int>(width));
    into.setMaxRows(static_cast<int>(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            if (!rows[r][c].empty())
                into.setData(static_cast<int>(c) + 1, static_cast<int>(r) + 1, rows[r][c]);
    into.setOption(kOptionChanged, false);
    return true;
}

std::string writePlainGrid(SpreadModel& model, char separator) {
    std::string out, text;
    for (int r = 1; r <= model.maxRows(); ++r) {
        for (int c = 1; c <= model.maxColumns(); ++c) {
            if (c > 1) out += separator;
            model.text(c, r, TextKind::Data, text);
            bool quote = separator == ',' && text.find_first_of(",\"\r\n") != std::string::npos;
            if (separator == '\t')
                std::replace_if(text.begin(), text.end(),
                                [](char ch) { return ch == '\t' || ch == '\n' || ch == '\r'; }, ' ');
            if (!quote) {
                out += text;
                continue;
            }
            out += '"';
            for (char ch : text) {
                if (ch == '"') out += '"';
                out += ch;
            }
            out += '"';
        }
        out += '\n';
    }
    return out;
}

}  // namespace grid
