#include "DesignBindings.h"

#include <functional>

#include "core/macro/MacroData.h"
#include "designer/Mdx_ControlType.h"
#include "designer/Mdx_DesignerControl.h"

namespace {

using TabTest = std::function<bool(MacroTabData&)>;

bool anyTab(MacroData& data, const std::vector<int>& tabs, const TabTest& test) {
    for (int index : tabs)
        if (MacroTabData* tab = data.getTab(index); tab && test(*tab)) return true;
    return false;
}

// Variables named by a control: the contents of fields, combos and flex buttons; the list
// of labels, group boxes and check boxes; the names among a distance button's strings.
std::vector<Mdx_String> variablesOf(const Mdx_DesignerControl& c) {
    auto unsigned_ = [](Mdx_String name) {
        if (name.startsWith("-", true)) name = name.mid(1);
        return name;
    };
    switch (c.type) {
    case ctStaticText:
    case ctGroupBox:
    case ctVarCheck:
        return c.comboList.isEmpty() ? std::vector<Mdx_String>{}
                                     : std::vector<Mdx_String>{c.comboList};
    case ctVarEdit:
    case ctVarCombo:
    case ctFlexButton: return {c.contents};
    case ctDistanceButton:
    case ctDistanceButton2: {
        std::vector<Mdx_String> names;
        for (const Mdx_String& s : {c.extString1, unsigned_(c.extString2), unsigned_(c.extString3)})
            if (!s.isEmpty() && !s.isNumber()) names.push_back(s);
        return names;
    }
    default: return {};
    }
}

std::string who(const Mdx_DesignerControl& c, int index) {
    return "control " + std::to_string(index) + " (" + c.contents.toUtf8() + ")";
}

// The array's problem for an array control, empty when there is none.
std::string arrayProblem(MacroData& data, const std::vector<int>& tabs,
                         const Mdx_DesignerControl& c) {
    const MacroArrayData* found = nullptr;
    anyTab(data, tabs, [&](MacroTabData& tab) { return (found = tab.findArrayWithName(c.contents)); });
    if (!found) return "the macro has no array " + c.contents.toUtf8();
    const bool spaced = found->array.kind == Mdx_ModuleArray::kSpacedArray;
    if (c.type == ctArrayEdit3 && !spaced)
        return "array " + c.contents.toUtf8() + " has no third value (it is a list)";
    if (c.type == ctArrayEntryEdit) {
        if (spaced) return "array " + c.contents.toUtf8() + " has no entries (it is spaced)";
        const int entry = c.comboList.toInt();
        if (!c.comboList.isNumber() || entry < 1 || entry > found->array.entries.length())
            return "array " + c.contents.toUtf8() + " has no entry " + c.comboList.toUtf8();
    }
    return {};
}

}  // namespace

std::vector<int> tabsShowingDesign(const MacroData& data, const Mdx_String& designName) {
    std::vector<int> showing, all;
    for (int i = 0; i < data.tabCount(); ++i) {
        all.push_back(i);
        if (data.getTab(i)->designPath.equal(designName, false)) showing.push_back(i);
    }
    return showing.empty() ? all : showing;
}

std::vector<std::string> bindingProblems(MacroData& data, const std::vector<int>& tabs,
                                         const Mdx_DesignerControl& c, int index) {
    std::vector<std::string> problems;
    const std::string name = c.contents.toUtf8();
    for (const Mdx_String& variable : variablesOf(c))
        if (!anyTab(data, tabs, [&](MacroTabData& t) { return t.findCellWithName(variable); }))
            problems.push_back("the macro has no variable " + variable.toUtf8());
    const int type = c.type;
    if (type >= ctPatternEdit && type <= ctPatternButton &&
        !anyTab(data, tabs, [&](MacroTabData& t) { return t.findPatternWithName(c.contents); }))
        problems.push_back("the macro has no pattern " + name);
    if (type >= ctBoltAssemblyCombo && type <= ctBoltAdvancedButton &&
        !anyTab(data, tabs, [](MacroTabData& t) { return t.getBoltData() != nullptr; }))
        problems.push_back("the page has no bolts (no bolt module shows it)");
    if (type >= ctProfNameCombo && type <= ctProfAdvancedButton &&
        !anyTab(data, tabs, [&](MacroTabData& t) { return t.findProfDataWithGroup(c.contents); }))
        problems.push_back("the macro has no section group " + name);
    if (type >= ctArrayEdit1 && type <= ctArrayAdvancedButton)
        if (std::string why = arrayProblem(data, tabs, c); !why.empty())
            problems.push_back(why);
    if (type == ctCutCombo &&
        !anyTab(data, tabs, [&](MacroTabData& t) { return t.findCutWithName(c.contents); }))
        problems.push_back("the macro has no cut " + name);
    for (std::string& problem : problems) problem = who(c, index) + ": " + problem;
    return problems;
}
