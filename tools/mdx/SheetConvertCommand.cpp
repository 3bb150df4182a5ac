#include "SheetConvertCommand.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>

#include "OutputCheck.h"
#include "SheetTransfer.h"
#include "WorkbookReader.h"
#include "WorkbookWriter.h"
#include "grid/Sheet.h"
#include "grid/SpreadModel.h"
#include "grid/UsedRange.h"
#include "win/FilePaths.h"

namespace fs = std::filesystem;

namespace {

constexpr int kExitWriteFailed = 1;
constexpr int kExitBadInput = 2;

struct ImportOptions {
    std::string file, out, sheet, separator, encoding = "auto";
    bool text = false;
};

struct ExportOptions {
    std::string file, out, format;
};

std::string counted(int n, const std::string& what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

int refuse(const std::string& message) {
    std::cerr << "mdx: " << message << "\n";
    return kExitBadInput;
}

std::string lowerExtension(const std::string& file) {
    std::string extension = fs::path(file).extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension.empty() ? extension : extension.substr(1);
}

char separatorOf(const std::string& name) {
    if (name == "tab" || name == "\\t" || name == "\t") return '\t';
    if (name == "comma" || name == ",") return ',';
    if (name == "semicolon" || name == ";") return ';';
    return 0;
}

// Reads the input whole, then replaces the output in one rename: a malformed input or a
// failed write leaves every file as it was.
int importSheet(const ImportOptions& options) {
    const bool plain = isPlainGridFile(options.file);
    if (!plain && !isWorkbookFile(options.file))
        return refuse(options.file + ": import reads a .tsv, .csv, .ods or .xlsx file");
    if (isPlainGridFile(options.out) || isWorkbookFile(options.out))
        return refuse(options.out + ": import writes a sheet file; use mdx sheet export for "
                                    "other forms");
    if (!options.sheet.empty() && plain)
        return refuse("--sheet names a sheet of an .ods or .xlsx workbook");
    SheetReading reading;
    reading.formulas = !options.text;
    reading.sheet = options.sheet;
    reading.encoding = options.encoding == "utf-8"          ? SheetReading::Encoding::Utf8
                       : options.encoding == "windows-1252" ? SheetReading::Encoding::Windows1252
                                                            : SheetReading::Encoding::Auto;
    if (!options.separator.empty() && !(reading.separator = separatorOf(options.separator)))
        return refuse("--separator is tab, comma or semicolon");
    grid::SpreadModel model;
    std::string why;
    if (!readSheetModel(options.file, model, why, reading))
        return refuse("nothing written: " + why);
    if (!writeSheetModel(options.out, model)) {
        std::cerr << "mdx: could not write " << options.out << "; nothing was changed\n";
        return kExitWriteFailed;
    }
    std::cout << "Wrote " << options.out << ": " << counted(model.maxRows(), "row") << ", "
              << counted(model.maxColumns(), "column") << "\n";
    return 0;
}

// The bytes of the calculated sheet in a format: tsv, csv or xlsx.
bool exportBytes(grid::SpreadModel& model, const std::string& format, std::string& bytes,
                 std::string& why) {
    if (format == "xlsx") return xlsxBytesOf(model, bytes, why);
    model.sheet().recalculateAll();
    bytes = plainGridBytes(model, format == "tsv" ? '\t' : ',');
    return true;
}

int exportSheet(const ExportOptions& options) {
    const bool toStdout = options.out == "-";
    std::string format = options.format.empty() ? lowerExtension(options.out) : options.format;
    if (format != "tsv" && format != "csv" && format != "xlsx")
        return refuse(toStdout ? "writing to standard output (-) needs --format tsv, csv or xlsx"
                               : options.out + ": export writes .tsv, .csv or .xlsx (or give "
                                               "--format)");
    grid::SpreadModel model;
    std::string why;
    if (!readSheetModel(options.file, model, why)) return refuse("nothing written: " + why);
    std::string bytes;
    if (!exportBytes(model, format, bytes, why)) {
        std::cerr << "mdx: " << why << "; nothing was written\n";
        return kExitWriteFailed;
    }
    if (toStdout) {
        std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return 0;  // the caller checks that the standard output took it
    }
    if (!win::writeWholeFileAtomic(options.out, bytes)) {
        std::cerr << "mdx: could not write " << options.out << "; nothing was changed\n";
        return kExitWriteFailed;
    }
    int columns = 0, rows = 0;  // what was written: a huge declared size is cut to its used range
    grid::extentToVisit(model, columns, rows);
    std::cout << "Wrote " << options.out << ": " << counted(rows, "row") << ", "
              << counted(columns, "column") << "\n";
    return 0;
}

}  // namespace

void addSheetConvertCommands(CLI::App& sheet, const char* exitCodes) {
    auto imports = std::make_shared<ImportOptions>();
    auto* import = sheet.add_subcommand(
        "import",
        "Read a .tsv, .csv, .ods or .xlsx file and write it as a sheet file\n"
        "  example: mdx sheet import sizes.tsv sizes.sss\n"
        "  example: mdx sheet import book.xlsx \"Connection Standards/Plate.kvs\" --sheet Plate");
    import->add_option("file", imports->file, "file to read (.tsv, .csv, .ods or .xlsx)")
        ->required();
    import->add_option("out", imports->out, "sheet file to write (replaced only on success)")
        ->required();
    import->add_option("--sheet", imports->sheet, "the sheet of a workbook to read (default: the first)");
    import->add_option("--separator", imports->separator,
                       "field separator of a plain grid: tab, comma or semicolon (default: tab "
                       "for .tsv; for .csv comma, or semicolon when the first lines have more)");
    import->add_option("--encoding", imports->encoding,
                       "text of a plain grid: utf-8, windows-1252 or auto (UTF-8 when it has a "
                       "byte-order mark or reads as UTF-8, else Windows-1252)")
        ->check(CLI::IsMember({"auto", "utf-8", "windows-1252"}));
    import->add_flag("--text", imports->text,
                     "keep fields that start with '=' as texts instead of formulas");
    import->footer(exitCodes);
    import->callback([imports] { std::exit(withOutputChecked(importSheet(*imports))); });

    auto exports = std::make_shared<ExportOptions>();
    auto* exportCommand = sheet.add_subcommand(
        "export",
        "Calculate a sheet file and write it as .tsv or .csv (its values) or .xlsx (values and "
        "formulas)\n"
        "  example: mdx sheet export examples/sheets/bolt-shear-check.sss check.csv\n"
        "  example: mdx sheet export examples/sheets/bolt-shear-check.sss - --format tsv");
    exportCommand->add_option("file", exports->file, "sheet file to read (.sss, .kvs, .tsv, .csv)")
        ->required();
    exportCommand->add_option("out", exports->out, "file to write, or - for standard output")
        ->required();
    exportCommand->add_option("--format", exports->format,
                              "tsv, csv or xlsx (default: by the extension of out)")
        ->check(CLI::IsMember({"tsv", "csv", "xlsx"}));
    exportCommand->footer(exitCodes);
    exportCommand->callback([exports] { std::exit(withOutputChecked(exportSheet(*exports))); });
}
