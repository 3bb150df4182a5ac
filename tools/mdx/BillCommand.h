#pragma once
// `mdx bill FEED.json --settings NAME --out BILL.sss|.csv|.tsv [--png PICTURE.png]`: a bill
// feed laid out by the module's bill output, as the core library's list output would drive
// it, and saved with its settings.
namespace CLI {
class App;
}

void addBillCommand(CLI::App& app, int& exitCode);
