#pragma once
// `mdx sheet show|calc` and `mdx demo`: a sheet file loaded into a grid window, calculated
// and printed as a table; `mdx sheet import|export`: a sheet file from or to .tsv / .csv.
namespace CLI {
class App;
}

void addSheetCommands(CLI::App& app);
void addDemoCommand(CLI::App& app);
