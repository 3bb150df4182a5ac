#include "LibraryCommand.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <memory>

#include "LibraryCatalog.h"
#include "LibraryMapCommand.h"
#include "LibraryReport.h"
#include "core/Mdx_Settings.h"

namespace {

constexpr int kExitNoFolder = 2;
constexpr int kExitNoStandards = 3;

struct LibraryOptions {
    std::string library;
    bool json = false;
};

int listLibrary(const LibraryOptions& options) {
    if (!options.library.empty())
        gSettings.setLibraryFolder(std::filesystem::absolute(options.library).string());
    LibraryCatalog catalog;
    switch (scanLibrary(catalog)) {
        case LibraryScan::NoFolder:
            std::cerr << "mdx library list: the library folder " << catalog.folder
                      << " does not exist or is no folder\n";
            return kExitNoFolder;
        case LibraryScan::NoStandards:
            std::cerr << "mdx library list: the library " << catalog.folder
                      << " holds no standards (no .kvs files under \"Connection Standards\")\n";
            return kExitNoStandards;
        case LibraryScan::Ok:
            break;
    }
    if (options.json)
        printLibraryJson(catalog, std::cout);
    else
        printLibraryTable(catalog, std::cout);
    return 0;
}

}  // namespace

void addLibraryCommands(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<LibraryOptions>();
    auto* library = app.add_subcommand(
        "library", "Look into a library of connection standards\n  example: mdx library list");
    library->require_subcommand(1);
    auto* list = library->add_subcommand(
        "list",
        "Every standard of the library: declared inputs, outputs and locals, the keys of its\n"
        "mapping file, its child calls with the file each resolves to, and the section tables\n"
        "it uses\n"
        "  example: mdx library list --library examples");
    list->add_option("--library", options->library,
                     "library folder (holds \"Connection Standards\"); default: env MDX_LIBRARY, "
                     "else the bundled examples/");
    list->add_flag("--json", options->json, "print one JSON document instead of the table");
    list->footer(
        "Exit codes: 0 listed (problems of single standards are shown in the list);\n"
        "2 the library folder does not exist (or is no folder); 3 it holds no standards.");
    list->callback([options, &exitCode] { exitCode = listLibrary(*options); });
    addLibraryMapCommand(*library, exitCode);
}
