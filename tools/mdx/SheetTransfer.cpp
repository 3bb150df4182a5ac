#include "SheetTransfer.h"

#include "grid/SheetFile.h"
#include "grid/SpreadModel.h"
#include "host/Windows1252.h"
#include "win/FilePaths.h"

namespace fs = std::filesystem;

namespace {

char plainSeparator(const fs::path& file) {
    std::string extension = file.extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == ".tsv") return '\t';
    if (extension == ".csv") return ',';
    return 0;
}

}  // namespace

bool isPlainGridFile(const fs::path& file) {
    return plainSeparator(file) != 0;
}

bool readSheetModel(const fs::path& file, grid::SpreadModel& model, std::string& why) {
    std::error_code error;
    if (!fs::exists(file, error)) {
        why = file.string() + ": no such file";
        return false;
    }
    std::string bytes;
    if (fs::is_directory(file, error) || !win::readWholeFile(file, bytes)) {
        why = file.string() + ": cannot be read";
        return false;
    }
    const char separator = plainSeparator(file);
    // Plain grids written on this system are UTF-8, those the grid or Windows wrote are
    // Windows-1252 like the sheet; a file that reads as UTF-8 is taken as UTF-8.
    std::string singleBytes;
    size_t badOffset = 0;
    if (separator && host::utf8ToWindows1252(bytes, singleBytes, badOffset))
        bytes = std::move(singleBytes);
    std::string problem;
    const bool ok = separator ? grid::readPlainGrid(bytes, separator, model, &problem)
                              : grid::readSheetFile(bytes, model, &problem);
    if (!ok) why = file.string() + ": " + (problem.empty() ? "malformed" : problem);
    return ok;
}

std::string describeSheetFileProblem(const fs::path& file) {
    grid::SpreadModel staging;
    std::string why;
    return readSheetModel(file, staging, why) ? std::string() : why;
}

bool writeSheetModel(const fs::path& file, grid::SpreadModel& model) {
    const char separator = plainSeparator(file);
    const std::string bytes = separator
                                  ? host::windows1252ToUtf8(grid::writePlainGrid(model, separator))
                                  : grid::writeSheetFile(model);
    return win::writeWholeFileAtomic(file, bytes);
}
