#pragma once
// Sheet files between the command line and the grid's file forms: the grid's own sheet file,
// the plain ".tsv" / ".csv" grids, chosen by extension as the grid chooses, and for reading
// the workbooks of spreadsheet programs (".ods", ".xlsx"). Reading says what is wrong with a
// file that cannot be read; writing is atomic.
#include <filesystem>
#include <string>

namespace grid {
class SpreadModel;
}

bool isPlainGridFile(const std::filesystem::path& file);

// How a plain grid or a workbook is read.
struct SheetReading {
    enum class Encoding { Auto, Utf8, Windows1252 };
    // Auto: UTF-8 when the text starts with a byte-order mark or is valid UTF-8, else
    // Windows-1252.
    Encoding encoding = Encoding::Auto;
    char separator = 0;     // 0: by extension, a ".csv" by its first lines (',' or ';')
    bool formulas = false;  // a field starting with '=' becomes a formula
    std::string sheet;      // the sheet of a workbook (".ods", ".xlsx"); "" the first
};

// Reads the file into model (a fresh one); false with why naming the file and, for a
// malformed file, the line.
bool readSheetModel(const std::filesystem::path& file, grid::SpreadModel& model, std::string& why,
                    const SheetReading& reading = {});
// Why the file cannot be loaded, in the words of readSheetModel ("" when it can).
std::string describeSheetFileProblem(const std::filesystem::path& file);

// A plain grid of the model's values, in UTF-8.
std::string plainGridBytes(grid::SpreadModel& model, char separator);

// Writes the model in the form the extension asks for (a plain grid in UTF-8), through a
// temporary file and a rename; false (and the previous file untouched) when the write fails.
bool writeSheetModel(const std::filesystem::path& file, grid::SpreadModel& model);
