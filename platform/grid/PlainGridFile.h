#pragma once
// Plain grids as spreadsheet programs write them: ".tsv" and ".csv", one line per row.
#include <string>
#include <string_view>

namespace grid {

class SpreadModel;

struct PlainGridOptions {
    char separator = ',';
    // A field that starts with '=' becomes its cell's formula, as spreadsheet programs read
    // it; without this it stays the cell's text.
    bool formulas = false;
};

// One line per row from row 1, fields from column 1; the sheet takes the size of the text.
// A UTF-8 byte-order mark at the start is dropped and CRLF line ends read as LF. On failure
// error (when given) says why, with the line (and cell) where the trouble starts.
bool readPlainGrid(std::string_view bytes, const PlainGridOptions& options, SpreadModel& into,
                   std::string* error = nullptr);

// The separator of a ".csv" text: ';' (as written where the comma is the decimal mark) when
// its first lines have more semicolons than commas outside quotes, else ','.
char guessCsvSeparator(std::string_view bytes);

// The text without a UTF-8 byte-order mark at its start.
std::string_view withoutByteOrderMark(std::string_view bytes);

}  // namespace grid
