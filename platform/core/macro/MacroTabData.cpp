#include "core/macro/MacroTabData.h"

#include "core/NumberText.h"

void MacroTabData::setBoltData(const MacroBoltData& data) {
    boltData_ = data;
    hasBoltData_ = true;
}

MacroPatternData* MacroTabData::findPattern(const Mdx_String& pattern) {
    for (MacroPatternData& data : patterns_)
        if (data.name.equal(pattern, false)) return &data;
    return nullptr;
}

const MacroPatternData* MacroTabData::findPattern(const Mdx_String& pattern) const {
    return const_cast<MacroTabData*>(this)->findPattern(pattern);
}

MacroFlexFixData* MacroTabData::findFlexFix(const Mdx_String& variable) {
    for (MacroFlexFixData& data : flexFix_)
        if (data.name.equal(variable, false)) return &data;
    return nullptr;
}

const MacroFlexFixData* MacroTabData::findFlexFix(const Mdx_String& variable) const {
    return const_cast<MacroTabData*>(this)->findFlexFix(variable);
}

Acad::ErrorStatus MacroTabData::getFlexFixBtnStatus(const Mdx_String& variable, bool& hasButton,
                                                    bool& buttonState) const {
    const MacroFlexFixData* data = findFlexFix(variable);
    if (!data) return Acad::eInvalidInput;
    hasButton = data->hasButton;
    buttonState = data->flexible;
    return Acad::eOk;
}

bool MacroTabData::flexFixBtnClicked(const Mdx_String& variable, bool flexible) {
    MacroFlexFixData* data = findFlexFix(variable);
    if (!data || data->flexible == flexible) return false;
    data->flexible = flexible;
    return true;
}

bool MacroTabData::getMergedPropsOfGroup(const Mdx_String& group, MacroProfData& props) const {
    for (const MacroProfData& data : profGroups_) {
        if (data.groupName.equal(group, false)) {
            props = data;
            return true;
        }
    }
    return false;
}

bool MacroTabData::setMergedPropsOfGroup(const Mdx_String& group, const MacroProfData& props) {
    for (MacroProfData& data : profGroups_) {
        if (data.groupName.equal(group, false)) {
            Mdx_String name = data.groupName;
            data = props;
            data.groupName = name;
            return true;
        }
    }
    return false;
}

namespace {

// A whole number of bolts. Spreadsheets hand numbers over as their cells show them, so
// "3.0000000" counts as 3; fractions, signs below zero and text do not.
constexpr double kMaxBolts = 9999;

bool readBoltCount(const Mdx_String& text, int& count) {
    if (!isNumberText(text.view())) return false;
    double number = leadingDouble(text.view());
    if (!(number >= 0 && number <= kMaxBolts) || number != static_cast<int>(number)) return false;
    count = static_cast<int>(number);
    return true;
}

}  // namespace

Acad::ErrorStatus getSetNrBolts(MacroTabData* tab, const Mdx_String& pattern, Mdx_String& value,
                                bool get, bool first) {
    MacroPatternData* data = tab ? tab->findPattern(pattern) : nullptr;
    if (!data || (!first && !data->twoDirections)) return Acad::eInvalidInput;
    Mdx_String& count = first ? data->nrBolts1 : data->nrBolts2;
    if (get) {
        value = count;
        return Acad::eOk;
    }
    int bolts = 0;
    if (!readBoltCount(value, bolts)) return Acad::eInvalidInput;
    count = Mdx_String::fromInt(bolts);
    return Acad::eOk;
}
