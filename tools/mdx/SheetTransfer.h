#pragma once
// Sheet files between the command line and the grid's file forms: the grid's own sheet file
// and the plain ".tsv" / ".csv" grids, chosen by extension as the grid chooses. Reading says
// what is wrong with a file that cannot be read; writing is atomic.
#include <filesystem>
#include <string>

namespace grid {
class SpreadModel;
}

bool isPlainGridFile(const std::filesystem::path& file);

// Reads the file into model (a fresh one); false with why naming the file and, for a
// malformed file, the line. A plain grid is read as UTF-8 when it is valid UTF-8, else as
// Windows-1252.
bool readSheetModel(const std::filesystem::path& file, grid::SpreadModel& model, std::string& why);
// Why the file cannot be loaded, in the words of readSheetModel ("" when it can).
std::string describeSheetFileProblem(const std::filesystem::path& file);

// Writes the model in the form the extension asks for (a plain grid in UTF-8), through a
// temporary file and a rename; false (and the previous file untouched) when the write fails.
bool writeSheetModel(const std::filesystem::path& file, grid::SpreadModel& model);
