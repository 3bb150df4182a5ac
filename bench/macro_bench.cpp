// The macro dialog's data on a large macro: 10 module groups (tabs) with 20 variables each,
// 200 in all, every fifth derived from two others. Measured: gathering the tabs (what
// opening the dialog reads from the drawing) and one apply of a changed variable through the
// page's apply path (differences, update with checks, derivation, read-back, clash check).
// The dialog's windows themselves are not part of these figures.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/macro/MacroData.h"
#include "core/macro/MacroTabApply.h"
#include "core/macro/Mdx_DbMacro.h"
#include "host/AcDbDatabase.h"
#include "host/AcTransaction.h"

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

}  // namespace

BENCHMARK_MAIN();
