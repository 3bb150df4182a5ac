// The bill output: a feed of 10,000 rows (with a subtotal after every 50) laid out in the
// hidden sheet and saved with its settings, as the core library's list output drives it.
#include "MdxBuildPaths.h"
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "bill/KvSSBillOutput.h"
#include "core/KvTempResourceOverride.h"
#include "core/Mdx_Settings.h"
#include "resources/ModuleResources.h"
#include "win/Profile.h"
#include "win/ResourceModule.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRows = 10000;

struct BillBench {
    BillBench() : folder(fs::temp_directory_path() / ("mdx-bill-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(folder);
        win::setProfileFolder(folder);
        gSettings.setProductFolder(MDX_SOURCE_DIR "/examples");
        HINSTANCE module = resources::moduleResourceHandle();
        AfxSetResourceHandle(module);
        KvTempResourceOverride::SaveDefaultResource(module);
    }
    ~BillBench() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    fs::path folder;
};

void Bill10000Rows(benchmark::State& state) {
    static BillBench setup;
    const Mdx_String out = Mdx_String((setup.folder / "bill.sss").string());
    AcArray<int> kinds;
    for (int kind : {3, 3, 1, 2, 2}) kinds.append(kind);
    Mdx_StringArray rows[50];
    for (int i = 0; i < 50; ++i)
        rows[i] = {Mdx_String::format("P-%d", i), "HEA200", Mdx_String::fromInt(i % 7 + 1),
                   Mdx_String::format("%d.5", 1000 + i * 10), "42.25"};
    const Mdx_StringArray subtotal = {"", "", "200", "", "2112.5"};
    for (auto _ : state) {
        KvSSBillOutput bill;
        bill.init(out, {"Mark", "Section", "Count", "Length", "Weight"}, AcArray<int>(), kinds,
                  "Bill", {"Project"}, {"Bench"});
        bill.onStartFeed();
        for (int row = 0; row < kRows; ++row) {
            bill.onAddRow(rows[row % 50]);
            if (row % 50 == 49) bill.onAddSubTotals(subtotal, {}, false, 0);
        }
        if (bill.onEndFeed() != Acad::eOk) state.SkipWithError("the bill was not saved");
        state.SetLabel(std::to_string(bill.currentRow()) + " rows");
    }
}

BENCHMARK(Bill10000Rows)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
