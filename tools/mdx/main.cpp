// mdx: the command line through which people use the spreadsheet module without a CAD host.
#include <CLI/CLI.hpp>

#include <iostream>

int main(int argc, char** argv) {
    CLI::App app{"mdx - the Meridox spreadsheet module on the command line"};
    app.require_subcommand(1);
    auto* version = app.add_subcommand("version", "Print the program version");
    version->callback([] { std::cout << "mdx 0.1\n"; });
    CLI11_PARSE(app, argc, argv);
    return 0;
}
