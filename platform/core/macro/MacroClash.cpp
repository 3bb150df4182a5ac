#include "core/macro/MacroClash.h"

#include <map>

#include "core/NumberText.h"
#include "core/macro/MacroData.h"
#include "core/macro/MacroValueText.h"
#include "host/CommandLine.h"

namespace {

bool& clashOn() {
    static bool on = true;
    return on;
}

// The open dialogs and the clashes each found last.
std::map<const void*, int>& clashDialogs() {
    static std::map<const void*, int> dialogs;
    return dialogs;
}

bool numberOf(const Mdx_String& text, double& value) {
    if (!isNumberText(text.view())) return false;
    value = leadingDouble(text.view());
    return true;
}

// Holes of one pattern overlap when they lie closer than their own diameter.
int checkBoltTab(const MacroTabData& tab) {
    const MacroBoltData* bolts = tab.getBoltData();
    double diameter = 0, tolerance = 0;
    if (!bolts || !numberOf(bolts->diameter, diameter)) return 0;
    numberOf(bolts->holeTolerance, tolerance);
    const double hole = diameter + tolerance;
    int clashes = 0;
    for (const MacroPatternData& pattern : tab.patterns()) {
        double spacing = 0;
        if (!numberOf(pattern.value, spacing) || spacing >= hole) continue;
        if (pattern.nrBolts1.toInt() < 2) continue;
        acutPrintf("Clash: pattern \"%s\" of tab \"%s\": holes of %s mm at a spacing of %s mm "
                   "overlap.\n",
                   pattern.name.c_str(), tab.name.c_str(), exactNumberText(hole).c_str(),
                   pattern.value.c_str());
        ++clashes;
    }
    return clashes;
}

}  // namespace

void clashSetStatus(bool on) {
    clashOn() = on;
}

bool clashGetStatus() {
    return clashOn();
}

void clashInitDlgStarted(const void* dialog) {
    clashDialogs().emplace(dialog, 0);
}

void clashResetInfo(const void* dialog) {
    auto found = clashDialogs().find(dialog);
    if (found != clashDialogs().end()) found->second = 0;
}

int clashLastCount(const void* dialog) {
    auto found = clashDialogs().find(dialog);
    return found == clashDialogs().end() ? 0 : found->second;
}

void clashDlgClosed(const void* dialog) {
    clashDialogs().erase(dialog);
}

int clashOpenDialogCount() {
    return static_cast<int>(clashDialogs().size());
}

int clashcheck(const MacroData& data, const void* dialog) {
    if (!clashOn()) return 0;
    int clashes = 0;
    for (int i = 0; i < data.tabCount(); ++i) clashes += checkBoltTab(*data.getTab(i));
    auto found = clashDialogs().find(dialog);
    if (found != clashDialogs().end()) found->second = clashes;
    return clashes;
}
