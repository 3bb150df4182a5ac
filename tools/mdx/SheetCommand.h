#pragma once
// `mdx sheet show|calc` and `mdx demo`: a sheet file loaded into a grid window, calculated
// and printed as a table; `mdx sheet import|export` (SheetConvertCommand) beside them.
namespace CLI {
class App;
}

void addSheetCommands(CLI::App& app);
void addDemoCommand(CLI::App& app);
