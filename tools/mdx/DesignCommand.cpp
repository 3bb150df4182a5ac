#include "DesignCommand.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <memory>

#include "DesignReport.h"
#include "core/Mdx_Settings.h"

namespace {

struct DesignOptions {
    std::string library;
    std::string design;
    std::string png;
    std::string drawing;
    std::string macro;
};

void useLibrary(const DesignOptions& options) {
    if (!options.library.empty())
        gSettings.setLibraryFolder(std::filesystem::absolute(options.library).string());
}

CLI::App* withLibrary(CLI::App* command, DesignOptions& options) {
    command->add_option("--library", options.library,
                        "library folder (holds \"Dialog Templates/Dialog Design\"); default: env "
                        "MDX_LIBRARY, else the bundled examples/");
    return command;
}

CLI::App* withDesign(CLI::App* command, DesignOptions& options) {
    command->add_option("DESIGN", options.design,
                        "the design's name below the root folder, without extension "
                        "(\"EndPlate\", \"Plates\\\\Cover\")")
        ->required();
    return withLibrary(command, options);
}

}  // namespace

void addDesignCommands(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<DesignOptions>();
    auto* design = app.add_subcommand(
        "design", "Look at the designed dialogs of a library\n  example: mdx design show EndPlate");
    design->require_subcommand(1);
    design->footer(
        "Exit codes: 0 done; 2 no such design or the design file cannot be read;\n"
        "3 the picture could not be drawn or written; 4 check found problems;\n"
        "5 the drawing or macro of check cannot be used.");

    auto* list = withLibrary(
        design->add_subcommand("list", "Every design of the library with its controls and picture"),
        *options);
    list->callback([options, &exitCode] {
        useLibrary(*options);
        exitCode = listDesigns(std::cout, std::cerr);
    });

    auto* show = withDesign(
        design->add_subcommand("show", "The controls of a design: type, contents, list and place"),
        *options);
    show->callback([options, &exitCode] {
        useLibrary(*options);
        exitCode = showDesign(options->design, std::cout, std::cerr);
    });

    auto* render = withDesign(
        design->add_subcommand("render",
                               "Draw a design over its picture as the macro dialog shows it\n"
                               "  example: mdx design render EndPlate --png endplate.png"),
        *options);
    render->add_option("--png", options->png, "the PNG file to write")->required();
    render->callback([options, &exitCode] {
        useLibrary(*options);
        exitCode = renderDesign(options->design, options->png, std::cerr);
    });

    auto* check = withDesign(
        design->add_subcommand(
            "check",
            "Find unknown types, controls that overlap or leave the picture and, with a drawing\n"
            "and macro, variables the macro does not have\n"
            "  example: mdx design check EndPlate --drawing examples/drawings/"
            "EndPlate_IPE300_HEA300.json --macro EndPlate_IPE_HEA"),
        *options);
    check->add_option("--drawing", options->drawing, "a drawing file of the stand-in host");
    check->add_option("--macro", options->macro, "name or handle of a macro in the drawing");
    check->callback([options, &exitCode] {
        useLibrary(*options);
        exitCode = checkDesign(options->design, options->drawing, options->macro, std::cout,
                               std::cerr);
    });
}
