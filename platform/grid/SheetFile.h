#pragma once
// The grid's own sheet file: a versioned line-based text that keeps everything the model
// keeps (docs/sheet-file.md), and plain tab- or comma-separated grids.
#include <string>
#include <string_view>

namespace grid {

class SpreadModel;

std::string writeSheetFile(SpreadModel& model);
// Reads into a fresh model; false on the first thing that is not as documented (the model
// is then to be thrown away).
bool readSheetFile(std::string_view bytes, SpreadModel& into, std::string* error = nullptr);

// One line per row from row 1, fields from column 1; the sheet takes the size of the text.
// On failure error (when given) says why, with the line where the trouble starts.
bool readPlainGrid(std::string_view bytes, char separator, SpreadModel& into,
                   std::string* error = nullptr);
std::string writePlainGrid(SpreadModel& model, char separator);

// Files by module path ("C:\\Lib\\a.sss"). Loading reads ".tsv" and ".csv" as plain grids and
// anything else as a sheet file; a file that cannot be read or is malformed leaves the model
// exactly as it was. Saving writes the same forms by extension, atomically.
bool loadSheet(SpreadModel& model, std::string_view modulePath);
bool saveSheet(SpreadModel& model, std::string_view modulePath);

}  // namespace grid
