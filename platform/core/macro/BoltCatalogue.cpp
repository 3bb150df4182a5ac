#include "core/macro/BoltCatalogue.h"

#include <algorithm>
#include <vector>

#include "core/macro/MacroData.h"

namespace {

struct Assembly {
    const char* name;
    std::initializer_list<const char*> diameters;
};

const Assembly kAssemblies[] = {
    {"Standard 8.8", {"12", "16", "20", "24", "27", "30"}},
    {"HV 10.9", {"16", "20", "22", "24", "27", "30", "36"}},
    {"Anchor 4.6", {"16", "20", "24", "30", "36", "42"}},
};

void addUnique(Mdx_StringArray& list, const Mdx_String& text) {
    if (!list.contains(text, false)) list.append(text);
}

void sortNumerically(Mdx_StringArray& list) {
    std::vector<Mdx_String> items;
    for (const Mdx_String& text : list) items.push_back(text);
    std::sort(items.begin(), items.end(),
              [](const Mdx_String& a, const Mdx_String& b) { return a.toInt() < b.toInt(); });
    list.setEmpty();
    for (const Mdx_String& text : items) list.append(text);
}

}  // namespace

void GetAssemblies(Mdx_StringArray& assemblies) {
    assemblies.setEmpty();
    for (const Assembly& assembly : kAssemblies) assemblies.append(assembly.name);
}

bool GetDiameters(const Mdx_String& assembly, Mdx_StringArray& diameters) {
    diameters.setEmpty();
    for (const Assembly& entry : kAssemblies) {
        if (!assembly.equal(entry.name, false)) continue;
        for (const char* diameter : entry.diameters) diameters.append(diameter);
        return true;
    }
    return false;
}

void GetMergedDiameters(const MacroData& data, Mdx_StringArray& diameters) {
    diameters.setEmpty();
    Mdx_StringArray one;
    for (int i = 0; i < data.tabCount(); ++i) {
        const MacroBoltData* bolts = data.getTab(i)->getBoltData();
        if (bolts && GetDiameters(bolts->assembly, one))
            for (const Mdx_String& diameter : one) addUnique(diameters, diameter);
    }
    if (diameters.isEmpty()) {
        for (const Assembly& entry : kAssemblies)
            for (const char* diameter : entry.diameters) addUnique(diameters, diameter);
    }
    sortNumerically(diameters);
}
