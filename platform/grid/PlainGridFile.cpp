// Plain grids: ".tsv" (tab between fields) and ".csv" (comma or semicolon, fields with a
// separator, a quote or a line end in double quotes, quotes doubled). Each field is written
// into its cell as data text, so numbers become numbers, or as a formula when asked.
#include "grid/PlainGridFile.h"

#include <algorithm>
#include <string>
#include <vector>

#include "grid/SheetFile.h"
#include "grid/UsedRange.h"
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
            if (c == '\r' && i < bytes.size() && bytes[i] == '\n') continue;  // CRLF inside
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
        if (c == '"' && separator != '\t' && !fieldStarted && field.empty()) {
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

std::string cellName(size_t column, size_t row) {
    std::string name;
    for (size_t c = column + 1; c > 0; c = (c - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (c - 1) % 26));
    return name + std::to_string(row + 1);
}

}  // namespace

std::string_view withoutByteOrderMark(std::string_view bytes) {
    return bytes.substr(0, 3) == "\xEF\xBB\xBF" ? bytes.substr(3) : bytes;
}

char guessCsvSeparator(std::string_view bytes) {
    // A section title alone on the first line says nothing: the first lines decide together.
    constexpr int kLinesLooked = 50;
    bytes = withoutByteOrderMark(bytes);
    size_t commas = 0, semicolons = 0;
    int lines = 0;
    bool quoted = false;
    for (char c : bytes) {
        if (c == '"') quoted = !quoted;
        else if (!quoted && c == '\n' && ++lines == kLinesLooked) break;
        else if (!quoted && c == ',') ++commas;
        else if (!quoted && c == ';') ++semicolons;
    }
    return semicolons > commas ? ';' : ',';
}

bool readPlainGrid(std::string_view bytes, const PlainGridOptions& options, SpreadModel& into,
                   std::string* error) {
    auto fail = [error](std::string why) {
        if (error) *error = std::move(why);
        return false;
    };
    std::vector<std::vector<std::string>> rows;
    size_t openLine = 0;
    if (!splitGrid(withoutByteOrderMark(bytes), options.separator, rows, openLine))
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
        for (size_t c = 0; c < rows[r].size(); ++c) {
            const std::string& field = rows[r][c];
            const int column = static_cast<int>(c) + 1, row = static_cast<int>(r) + 1;
            if (field.empty()) continue;
            if (options.formulas && field.size() > 1 && field[0] == '=') {
                if (!into.setFormula(column, row, field, false))
                    return fail("line " + std::to_string(r + 1) + ", cell " + cellName(c, r) +
                                ": the formula " + field + " does not parse");
            } else {
                into.setData(column, row, field);
            }
        }
    into.setOption(kOptionChanged, false);
    return true;
}

bool readPlainGrid(std::string_view bytes, char separator, SpreadModel& into, std::string* error) {
    return readPlainGrid(bytes, PlainGridOptions{separator, false}, into, error);
}

std::string writePlainGrid(SpreadModel& model, char separator) {
    std::string out, text;
    int columns = 0, rows = 0;
    extentToVisit(model, columns, rows);
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            if (c > 1) out += separator;
            model.text(c, r, TextKind::Data, text);
            const char special[] = {separator, '"', '\r', '\n', 0};
            bool quote = separator != '\t' && text.find_first_of(special) != std::string::npos;
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
