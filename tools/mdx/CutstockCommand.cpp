#include "CutstockCommand.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "core/CTime.h"
#include "core/FileHelpers.h"
#include "core/Mdx_Settings.h"
#include "core/PathHelpers.h"
#include "cutstock/CuttingStockFiles.h"

namespace {

namespace fs = std::filesystem;

constexpr int kExitWriteFailed = 1;
constexpr int kExitBadInput = 2;
constexpr const char* kExitCodes =
    "Exit codes: 0 done; 1 the list could not be written (the file is as it was); 2 a group,\n"
    "file or field is not acceptable or the list cannot be read.\n"
    "Lists live in the library folder (--library, $MDX_LIBRARY, else the bundled examples/)\n"
    "under \"Cutting Stock/GROUP/\"; fields are separated by the byte 0xBF.";
constexpr const char* kTimeFormat = "%d %B, %Y (%H:%M)";

struct CutstockOptions {
    std::string library;
    std::string group;
    std::string file;
    std::vector<std::string> fields;
};

std::string utf8(const Mdx_String& text) {
    return text.toUtf8();
}

void useLibrary(const CutstockOptions& options) {
    if (!options.library.empty()) gSettings.setLibraryFolder(fs::absolute(options.library).string());
}

bool isListName(const std::string& name) {
    const Mdx_String text = Mdx_String::fromUtf8(name);
    const Mdx_String extension = getExtension(text);
    return isSafeGroupName(text) &&
           (extension.equal(kShapeExtension, false) || extension.equal(kBuyExtension, false));
}

// The group's folder, named on error.
bool folderOf(const std::string& group, Mdx_String& folder) {
    if (groupFolder(Mdx_String::fromUtf8(group), folder)) return true;
    std::cerr << "mdx cutstock: \"" << group
              << "\" is not a group name (no separators, \":\", \"..\" or other characters a "
                 "folder name may not hold)\n";
    return false;
}

void listFiles(const Mdx_String& folder, const char* extension) {
    Mdx_StringArray files;
    ObjectExportFindFiles(folder, Mdx_String("*.") + extension, files);
    Mdx_String latest;
    std::int64_t latestTime = 0;
    latestListFile(folder, extension, latest, latestTime);
    for (const Mdx_String& file : files) {
        std::int64_t time = 0;
        getFileTime(file, time);
        Mdx_Array<Mdx_StringArray> records;
        const bool read = readListFile(file, records);
        std::cout << "  " << utf8(getFileName(file)) << "  " << utf8(CTime(time).Format(kTimeFormat))
                  << "  " << (read ? std::to_string(records.length()) + " records" : "unreadable")
                  << (file == latest ? "  (latest)" : "") << '\n';
    }
}

int runList(const CutstockOptions& options) {
    useLibrary(options);
    const fs::path stock = fs::path(gSettings.libraryFolder()) / "Cutting Stock";
    std::vector<std::string> groups;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(stock, error))
        if (entry.is_directory()) groups.push_back(entry.path().filename().string());
    std::sort(groups.begin(), groups.end());
    if (groups.empty()) std::cout << "No cutting-stock groups in " << stock.string() << '\n';
    for (const std::string& group : groups) {
        Mdx_String folder;
        if (!groupFolder(Mdx_String::fromUtf8(group), folder)) continue;
        std::cout << "Group \"" << group << "\"\n";
        listFiles(folder, kShapeExtension);
        listFiles(folder, kBuyExtension);
    }
    return 0;
}

// The path of the list the options name, in its group's folder; false (with a message)
// for a group or file name that cannot be used.
bool listPathOf(const CutstockOptions& options, Mdx_String& path) {
    useLibrary(options);
    Mdx_String folder;
    if (!folderOf(options.group, folder)) return false;
    if (!isListName(options.file)) {
        std::cerr << "mdx cutstock: \"" << options.file << "\" is not a .shp or .buy file name\n";
        return false;
    }
    path = folder + Mdx_String::fromUtf8(options.file);
    return true;
}

int runShow(const CutstockOptions& options) {
    Mdx_String path;
    if (!listPathOf(options, path)) return kExitBadInput;
    Mdx_Array<Mdx_StringArray> records;
    if (!readListFile(path, records)) {
        std::cerr << "mdx cutstock: the list " << options.file << " of group \"" << options.group
                  << "\" cannot be read\n";
        return kExitBadInput;
    }
    for (const Mdx_StringArray& record : records) {
        for (int i = 0; i < record.length(); ++i) std::cout << (i ? "\t" : "") << utf8(record[i]);
        std::cout << '\n';
    }
    return 0;
}

int runAdd(const CutstockOptions& options) {
    Mdx_String path;
    if (!listPathOf(options, path)) return kExitBadInput;
    Mdx_Array<Mdx_StringArray> records;
    if (fileExists(path) && !readListFile(path, records)) {
        std::cerr << "mdx cutstock: the list " << options.file << " cannot be read\n";
        return kExitBadInput;
    }
    Mdx_StringArray record;
    for (const std::string& field : options.fields) record.append(Mdx_String::fromUtf8(field));
    records.append(record);
    if (!ensureFolder(getPath(path))) {
        std::cerr << "mdx cutstock: the folder of group \"" << options.group
                  << "\" cannot be made\n";
        return kExitWriteFailed;
    }
    switch (writeListFile(path, records)) {
    case ListWrite::Written:
        std::cout << "Record " << records.length() << " added to " << options.file << " of group \""
                  << options.group << "\"\n";
        return 0;
    case ListWrite::SeparatorInCell:
    case ListWrite::LineBreakInCell:
        std::cerr << "mdx cutstock: a field holds the separator (U+00BF) or a line break, which a "
                     "list file cannot keep; nothing was written\n";
        return kExitBadInput;
    case ListWrite::Failed: break;
    }
    std::cerr << "mdx cutstock: " << options.file << " could not be written; it is as it was\n";
    return kExitWriteFailed;
}

}  // namespace

void addCutstockCommands(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<CutstockOptions>();
    auto* cutstock = app.add_subcommand(
        "cutstock", "See and extend the cutting-stock shape and buy lists of a library\n"
                    "  example: mdx cutstock list");
    cutstock->require_subcommand(1);
    cutstock->footer(kExitCodes);

    auto* list = cutstock->add_subcommand("list", "Every group with its lists, newest marked");
    list->add_option("--library", options->library, "library folder");
    list->callback([options, &exitCode] { exitCode = runList(*options); });

    auto* show = cutstock->add_subcommand(
        "show", "Print a list, one record a line, fields tab-separated\n"
                "  example: mdx cutstock show Columns Stock1.shp");
    show->add_option("group", options->group, "group name")->required();
    show->add_option("file", options->file, "list file of the group (.shp or .buy)")->required();
    show->add_option("--library", options->library, "library folder");
    show->callback([options, &exitCode] { exitCode = runShow(*options); });

    auto* add = cutstock->add_subcommand(
        "add", "Append a record to a list (the group and the file are made when missing)\n"
               "  example: mdx cutstock add Columns Stock1.shp HEA200 6000 4");
    add->add_option("group", options->group, "group name")->required();
    add->add_option("file", options->file, "list file of the group (.shp or .buy)")->required();
    add->add_option("fields", options->fields, "the fields of the record")->required();
    add->add_option("--library", options->library, "library folder");
    add->callback([options, &exitCode] { exitCode = runAdd(*options); });
}
