#include "BillCommand.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "BillFeed.h"
#include "bill/KvSSBillOutput.h"
#include "core/FileHelpers.h"
#include "core/KvTempResourceOverride.h"
#include "core/PathHelpers.h"
#include "core/Mdx_Bill.h"
#include "core/Mdx_Settings.h"
#include "host/AcDbDatabase.h"
#include "host/AcTransaction.h"
#include "resources/ModuleResources.h"
#include "spread/Mdx_Spread.h"
#include "win/Profile.h"
#include "win/ResourceModule.h"
#include "win/WindowPainter.h"

namespace {

namespace fs = std::filesystem;

constexpr int kExitWriteFailed = 1;
constexpr int kExitBadInput = 2;
constexpr const char* kExitCodes =
    "Exit codes: 0 the bill was written; 1 the bill or the picture could not be written (an\n"
    "existing file is left as it was); 2 the feed, the settings or an argument is wrong.\n"
    "The feed format is described in docs/bill-output.md; settings files NAME.kvd are looked\n"
    "for in the product folder (--product, $MDX_PRODUCT, else the bundled examples/).";
constexpr int kMaxPictureSide = 4000;

struct BillOptions {
    std::string feed;
    std::string settings = "Bill";
    std::string out;
    std::string png;
    std::string product;
};

// A fresh profile, so saved registry values of other sessions do not change the bill.
class BillSession {
public:
    BillSession() : profile_(fs::temp_directory_path() / ("mdx-bill-" + std::to_string(::getpid()))) {
        fs::create_directories(profile_);
        win::setProfileFolder(profile_);
        module_ = resources::moduleResourceHandle();
        if (module_) {
            AfxSetResourceHandle(module_);
            KvTempResourceOverride::SaveDefaultResource(module_);
        }
    }
    ~BillSession() {
        std::error_code ignored;
        fs::remove_all(profile_, ignored);
    }
    bool ready() const { return module_ != nullptr; }

private:
    fs::path profile_;
    HINSTANCE module_ = nullptr;
};

bool hasBillExtension(const fs::path& out) {
    std::string ext = out.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
    return ext == ".sss" || ext == ".csv" || ext == ".tsv";
}

void feed(KvSSBillOutput& bill, const BillFeed& input) {
    bill.onStartFeed();
    for (const BillFeedStep& step : input.steps) {
        Mdx_StringArray texts;
        for (const std::string& text : step.texts) texts.append(Mdx_String(text));
        if (step.subtotal)
            bill.onAddSubTotals(texts, Mdx_StringArray(), false, 0);
        else
            bill.onAddRow(texts);
    }
}

// The whole laid-out sheet, drawn at the size its columns and rows take.
bool paintSheet(Mdx_Spread& sheet, const fs::path& png) {
    int width = 0, height = 0;
    for (int col = 0; col <= sheet.getMaxCols(); ++col) {
        int pixels = 0;
        sheet.GetColWidthInPixels(col, &pixels);
        width += pixels;
    }
    for (int row = 0; row <= sheet.getMaxRows() && height < kMaxPictureSide; ++row) {
        int pixels = 0;
        sheet.GetRowHeightInPixels(row, &pixels);
        height += pixels;
    }
    sheet.MoveWindow(0, 0, std::min(width + 4, kMaxPictureSide),
                     std::min(height + 4, kMaxPictureSide), FALSE);
    return win::paintWindowToPng(sheet.GetSafeHwnd(), png);
}

int runBill(const BillOptions& options) {
    const fs::path out = options.out;
    if (!hasBillExtension(out)) {
        std::cerr << "mdx bill: --out must end in .sss, .csv or .tsv\n";
        return kExitBadInput;
    }
    if (options.settings.empty() || options.settings.find("..") != std::string::npos ||
        hasInvalidFileNameChars(Mdx_String(options.settings))) {
        std::cerr << "mdx bill: --settings names a settings file of the product folder, without "
                     "folders or an extension\n";
        return kExitBadInput;
    }
    BillFeed input;
    std::string why;
    if (!readBillFeed(options.feed, input, why)) {
        std::cerr << "mdx bill: " << why << '\n';
        return kExitBadInput;
    }
    if (!options.product.empty()) gSettings.setProductFolder(options.product);
    BillSession session;
    if (!session.ready()) {
        std::cerr << "mdx bill: the module's resources were not found (set MDX_RESOURCES)\n";
        return kExitBadInput;
    }
    const Mdx_String settingsFile = gSettings.mdxDir() + Mdx_String(options.settings) + ".kvd";
    if (!fileExists(settingsFile)) {
        std::cerr << "mdx bill: no settings \"" << options.settings << "\" ("
                  << (fs::path(gSettings.productFolder()) / (options.settings + ".kvd")).string()
                  << " does not exist)\n";
        return kExitBadInput;
    }

    Mdx_StringArray names, varNames, varValues;
    AcArray<int> kinds;
    for (std::size_t i = 0; i < input.columnNames.size(); ++i) {
        names.append(Mdx_String(input.columnNames[i]));
        kinds.append(input.columnKinds[i]);
    }
    for (std::size_t i = 0; i < input.varNames.size(); ++i) {
        varNames.append(Mdx_String(input.varNames[i]));
        varValues.append(Mdx_String(input.varValues[i]));
    }
    AcDbDatabase database;
    AcTransaction transaction(database);
    Mdx_Bill pictures;
    for (const auto& [mark, file] : input.pictures)
        pictures.setPicture(Mdx_String(mark), Mdx_String(file.string()));
    KvSSBillOutput bill;
    if (!input.pictures.empty()) bill.setVars(-1, 0, 0, true, true, &pictures, &transaction);
    const Mdx_String outPath = Mdx_String::fromUtf8(fs::absolute(out).string());
    if (bill.init(outPath, names, AcArray<int>(), kinds, Mdx_String(options.settings), varNames,
                  varValues) != Acad::eOk) {
        std::cerr << "mdx bill: no sheet window could be made\n";
        return kExitBadInput;
    }
    feed(bill, input);
    if (bill.onEndFeed() != Acad::eOk) {
        std::cerr << "mdx bill: " << out.string() << " could not be written\n";
        return kExitWriteFailed;
    }
    std::cout << "Bill of " << input.steps.size() << " entries written to " << out.string() << " ("
              << bill.sheet()->getMaxRows() << " rows, " << bill.sheet()->getMaxCols()
              << " columns)\n";
    if (!options.png.empty()) {
        if (!paintSheet(*bill.sheet(), options.png)) {
            std::cerr << "mdx bill: the picture " << options.png << " could not be written\n";
            return kExitWriteFailed;
        }
        std::cout << "Picture of the sheet written to " << options.png << '\n';
    }
    return 0;
}

}  // namespace

void addBillCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<BillOptions>();
    auto* command = app.add_subcommand(
        "bill",
        "Lay out a bill feed (JSON) in a sheet with the bill output and save it\n"
        "  example: mdx bill examples/bills/frame-bill.json --settings Bill --out frame.sss --png "
        "frame.png");
    command->add_option("feed", options->feed, "bill feed (.json, see docs/bill-output.md)")
        ->required();
    command->add_option("--settings", options->settings,
                        "name of the sheet settings file NAME.kvd (default Bill)");
    command->add_option("--out", options->out, "bill file to write: .sss, .csv or .tsv")
        ->required();
    command->add_option("--png", options->png, "also draw the laid-out sheet to this PNG file");
    command->add_option("--product", options->product,
                        "product folder holding the settings files (default $MDX_PRODUCT, else "
                        "the bundled examples/)");
    command->footer(kExitCodes);
    command->callback([options, &exitCode] { exitCode = runBill(*options); });
}
