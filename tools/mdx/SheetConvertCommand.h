#pragma once
// `mdx sheet import` and `mdx sheet export`: sheets from plain grids and spreadsheet
// programs' workbooks into sheet files, and sheet files out as plain grids or workbooks.
namespace CLI {
class App;
}

// Adds both commands to the `mdx sheet` command.
void addSheetConvertCommands(CLI::App& sheet, const char* exitCodes);
