#include "SheetTransfer.h"

#include <algorithm>

#include "WorkbookImport.h"
#include "WorkbookReader.h"
#include "grid/PlainGridFile.h"
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

namespace {

std::string lineOf(std::string_view bytes, size_t offset) {
    const auto lines = std::count(bytes.begin(), bytes.begin() + static_cast<long>(offset), '\n');
    return "line " + std::to_string(lines + 1);
}

// The plain grid's bytes as the sheet's single-byte text; false with why.
bool decodePlainGrid(std::string& bytes, SheetReading::Encoding encoding, std::string& why) {
    using Encoding = SheetReading::Encoding;
    const bool marked = grid::withoutByteOrderMark(bytes).size() != bytes.size();
    if (marked) bytes.erase(0, 3);
    if (encoding == Encoding::Windows1252) return true;
    std::string singleBytes;
    size_t badOffset = 0;
    if (host::utf8ToWindows1252(bytes, singleBytes, badOffset)) {
        bytes = std::move(singleBytes);
        return true;
    }
    // Plain grids written on this system are UTF-8, those the grid or Windows wrote are
    // Windows-1252 like the sheet: a text that is not UTF-8 is taken as Windows-1252, unless
    // it says it is UTF-8.
    if (encoding == Encoding::Auto && !marked) return true;
    why = lineOf(bytes, badOffset) +
          ": not UTF-8, or a character a sheet cannot hold (sheets hold Windows-1252 text)";
    return false;
}

}  // namespace

bool readSheetModel(const fs::path& file, grid::SpreadModel& model, std::string& why,
                    const SheetReading& reading) {
    std::error_code error;
    if (!fs::exists(file, error)) {
        why = file.string() + ": no such file";
        return false;
    }
    std::string bytes;
    if (fs::is_directory(file, error) ||
        (!isWorkbookFile(file) && !win::readWholeFile(file, bytes))) {
        why = file.string() + ": cannot be read";
        return false;
    }
    char separator = plainSeparator(file);
    std::string problem;
    bool ok;
    if (isWorkbookFile(file)) {
        Workbook book;
        ok = readWorkbook(file, book, problem) &&
             importWorkbookSheet(book, reading.sheet, model, problem);
    } else if (separator) {
        if (reading.separator) separator = reading.separator;
        else if (separator == ',') separator = grid::guessCsvSeparator(bytes);
        ok = decodePlainGrid(bytes, reading.encoding, problem) &&
             grid::readPlainGrid(bytes, grid::PlainGridOptions{separator, reading.formulas},
                                 model, &problem);
    } else {
        ok = grid::readSheetFile(bytes, model, &problem);
    }
    if (!ok) why = file.string() + ": " + (problem.empty() ? "malformed" : problem);
    return ok;
}

std::string describeSheetFileProblem(const fs::path& file) {
    grid::SpreadModel staging;
    std::string why;
    return readSheetModel(file, staging, why) ? std::string() : why;
}

std::string plainGridBytes(grid::SpreadModel& model, char separator) {
    return host::windows1252ToUtf8(grid::writePlainGrid(model, separator));
}

bool writeSheetModel(const fs::path& file, grid::SpreadModel& model) {
    const char separator = plainSeparator(file);
    const std::string bytes = separator
                                  ? host::windows1252ToUtf8(grid::writePlainGrid(model, separator))
                                  : grid::writeSheetFile(model);
    return win::writeWholeFileAtomic(file, bytes);
}
