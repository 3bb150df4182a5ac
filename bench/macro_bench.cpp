// The macro dialog's data on a large macro: 10 module groups (tabs) with 20 variables each,
// 200 in all, every fifth derived from two others. Measured: gathering the tabs (what
// opening the dialog reads from the drawing) and one apply of a changed variable through the
// page's apply path (differences, update with checks, derivation, read-back, clash check).
// The same two with the windows: the modeless macro dialog opened (ten pages with their
// grids) and closed through the launchers' slot table, and one apply through a page's grid.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <unistd.h>

#include "core/macro/MacroData.h"
#include "core/macro/MacroTabApply.h"
#include "core/macro/Mdx_DbMacro.h"
#include "host/AcDbDatabase.h"
#include "host/AcTransaction.h"
#include "core/KvTempResourceOverride.h"
#include "frame/MacroDialogSlots.h"
#include "macrodlg/DlgMacroModeless.h"
#include "resources/ModuleResources.h"
#include "win/Profile.h"

namespace {

constexpr int kTabs = 10;
constexpr int kVariablesPerTab = 20;

AcDbObjectId buildMacro(AcDbDatabase& db) {
    auto macro = std::make_unique<Mdx_Macro>();
    macro->setName("Large");
    for (int t = 0; t < kTabs; ++t) {
        std::unique_ptr<Mdx_Module> module = Mdx_Module::create(Mdx_Module::kPlateModule);
        module->setName(Mdx_String::format("Module%d", t));
        module->setGroupName(Mdx_String::format("Group%d", t));
        for (int v = 0; v < kVariablesPerTab; ++v) {
            Mdx_DialogVariable variable(Mdx_String::format("V%d", v), 10.125 + v, true, v % 3 == 0,
                                        false);
            if (v % 5 == 4) {
                variable.isInput = false;
                variable.formula = Mdx_String::format("V%d * 2 + V%d / 4", v - 1, v - 2);
            }
            module->dialogVariables().append(variable);
        }
        macro->addModule(std::move(module));
    }
    AcDbObjectId id;
    db.addObject(std::make_unique<Mdx_DbMacro>(std::move(macro)), id);
    return id;
}

void GatherTenTabsOf200Variables(benchmark::State& state) {
    AcDbDatabase db;
    const AcDbObjectId id = buildMacro(db);
    for (auto _ : state) {
        MacroData data;
        AcTransaction transaction(db);
        if (data.addMacro(id, transaction) != Acad::eOk) state.SkipWithError("gather failed");
        benchmark::DoNotOptimize(data.tabCount());
    }
}
BENCHMARK(GatherTenTabsOf200Variables)->Unit(benchmark::kMillisecond);

void ApplyOneChangedVariable(benchmark::State& state) {
    AcDbDatabase db;
    const AcDbObjectId id = buildMacro(db);
    MacroData data;
    {
        AcTransaction transaction(db);
        data.addMacro(id, transaction);
        transaction.commit();
    }
    int round = 0;
    for (auto _ : state) {
        const MacroTabData before = *data.getTab(3);
        data.getTab(3)->variables()[0].value = Mdx_String::fromInt(20 + (++round % 50));
        const MacroApplyResult result = applyTabChanges(data, 3, before);
        if (!result.applied) state.SkipWithError(result.reason.c_str());
    }
}
BENCHMARK(ApplyOneChangedVariable)->Unit(benchmark::kMillisecond);

// The module's resources and a profile folder of the benchmark's own, as the host gives them.
bool prepareWindows() {
    static bool ready = [] {
        const auto profile = std::filesystem::temp_directory_path() /
                             ("mdx-macro-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(profile);
        win::setProfileFolder(profile);
        HINSTANCE module = resources::moduleResourceHandle();
        if (!module) return false;
        KvTempResourceOverride::SaveDefaultResource(module);
        installMacroDialog();
        return true;
    }();
    return ready;
}

MacroData gathered(AcDbDatabase& db, AcDbObjectId id) {
    MacroData data;
    AcTransaction transaction(db);
    data.addMacro(id, transaction);
    transaction.commit();
    return data;
}

void OpenTheDialogOnTenTabs(benchmark::State& state) {
    if (!prepareWindows()) return state.SkipWithError("no module resources");
    AcDbDatabase db;
    MacroData data = gathered(db, buildMacro(db));
    for (auto _ : state) {
        int slot = -1;
        if (!StartDlgMacroModeless(false, data, slot)) state.SkipWithError("not opened");
        EndDlgMacroModeless(slot);
    }
}
BENCHMARK(OpenTheDialogOnTenTabs)->Unit(benchmark::kMillisecond);

void GatherAndOpenTheDialog(benchmark::State& state) {
    if (!prepareWindows()) return state.SkipWithError("no module resources");
    AcDbDatabase db;
    const AcDbObjectId id = buildMacro(db);
    for (auto _ : state) {
        MacroData data = gathered(db, id);
        int slot = -1;
        if (!StartDlgMacroModeless(false, data, slot)) state.SkipWithError("not opened");
        EndDlgMacroModeless(slot);
    }
}
BENCHMARK(GatherAndOpenTheDialog)->Unit(benchmark::kMillisecond);

// A cell of the fourth page typed and left: read the page, apply, refresh the page.
void ApplyThroughAPage(benchmark::State& state) {
    if (!prepareWindows()) return state.SkipWithError("no module resources");
    AcDbDatabase db;
    MacroData data = gathered(db, buildMacro(db));
    int slot = -1;
    if (!StartDlgMacroModeless(false, data, slot)) return state.SkipWithError("not opened");
    auto* dialog = static_cast<DlgMacroModeless*>(macro_slots::dialogInSlot(slot));
    MacroPage& page = *dialog->page(3);
    const int row = -page.tab()->findCellWithName("V0")->ctrlId;
    int round = 0;
    for (auto _ : state) {
        page.grid().setCellData(3, row, Mdx_String::fromInt(20 + (++round % 50)));
        page.SendMessage(WM_COMMAND, MAKEWPARAM(1001, 0x508), 0);
        if (!page.lastApply().applied) state.SkipWithError(page.lastApply().reason.c_str());
    }
    EndDlgMacroModeless(slot);
}
BENCHMARK(ApplyThroughAPage)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
