#include "core/macro/MacroTabData.h"

#include "core/NumberText.h"
#include "core/macro/MixedWord.h"

Mdx_String* MacroBoltData::boltValue(int number) {
    switch (number) {
        case 1:
            return &assembly;
        case 2:
            return &diameter;
        case 3:
            return &penetrationLength;
        case 4:
            return &addedLength;
        case 5:
            return &holeTolerance;
        default:
            return nullptr;
    }
}

void MacroTabData::setBoltData(const MacroBoltData& data) {
    boltData_ = data;
    hasBoltData_ = true;
}

void MacroTabData::setBoltSettings(const Mdx_BoltSettings& settings) {
    static_cast<Mdx_BoltSettings&>(boltData_) = settings;
    hasBoltData_ = true;
}

namespace {

template <class T, class Name>
T* findNamed(Mdx_Array<T>& items, const Mdx_String& name, Name nameOf) {
    for (T& item : items)
        if (nameOf(item).equal(name, false)) return &item;
    return nullptr;
}

}  // namespace

MacroVarData* MacroTabData::findCellWithName(const Mdx_String& variable) {
    return findNamed(variables_, variable, [](const MacroVarData& v) { return v.name; });
}

const MacroVarData* MacroTabData::findCellWithName(const Mdx_String& variable) const {
    return const_cast<MacroTabData*>(this)->findCellWithName(variable);
}

MacroCutData* MacroTabData::findCutWithName(const Mdx_String& cut) {
    return findNamed(cuts_, cut, [](const MacroCutData& c) { return c.name; });
}

MacroArrayData* MacroTabData::findArrayWithName(const Mdx_String& array) {
    return findNamed(arrays_, array, [](const MacroArrayData& a) { return a.array.name; });
}

bool MacroTabData::hasBtnFlexFix(const Mdx_String& variable) const {
    const MacroFlexFixData* data = findFlexFix(variable);
    return data && data->hasButton;
}

MacroProfData* MacroTabData::findProfDataWithGroup(const Mdx_String& group) {
    return findNamed(profGroups_, group, [](const MacroProfData& g) { return g.groupName; });
}

MacroProfData* MacroTabData::findProfDataWithButtonId(int id) {
    if (id < 1) return nullptr;
    for (MacroProfData& group : profGroups_)
        if (group.buttonId == id || group.settingsId == id) return &group;
    return nullptr;
}

void MacroTabData::getProfGroups(Mdx_StringArray& groups) const {
    groups.setEmpty();
    for (const MacroProfData& group : profGroups_) groups.append(group.groupName);
}

void MacroTabData::getProfIdsOfGroup(const Mdx_String& group, AcArray<AcDbObjectId>& ids) const {
    ids.removeAll();
    for (const MacroProfMember& member : members_)
        if (member.props.groupName.equal(group, false)) ids.append(member.profileId);
}

int MacroTabData::getProfDataIndx(const Mdx_String& group, AcDbObjectId profileId) const {
    for (int i = 0; i < members_.length(); ++i)
        if (members_[i].profileId == profileId && members_[i].props.groupName.equal(group, false))
            return i;
    return -1;
}

bool MacroTabData::setMemberProps(int index, const MacroProfData& props) {
    if (!members_.isValidIndex(index)) return false;
    MacroProfData& own = members_[index].props;
    const Mdx_String group = own.groupName;
    own = props;
    own.groupName = group;
    mergeGroup(group);
    return true;
}

namespace {

void mergeText(Mdx_String& into, const Mdx_String& other, bool mixed) {
    if (into.equal(other, true)) return;
    if (mixed)
        into = mixedWord();
    else
        into.setEmpty();
}

}  // namespace

void MacroTabData::mergeGroup(const Mdx_String& group) {
    MacroProfData* merged = findProfDataWithGroup(group);
    if (!merged) return;
    bool first = true;
    for (const MacroProfMember& member : members_) {
        if (!member.props.groupName.equal(group, false)) continue;
        const MacroProfData& own = member.props;
        if (first) {
            merged->memberName = own.memberName;
            merged->sectionName = own.sectionName;
            merged->material = own.material;
            merged->offsetType = own.offsetType;
            merged->rotation = own.rotation;
            merged->basePlane = own.basePlane;
            merged->hasCoordSys = own.hasCoordSys;
            first = false;
            continue;
        }
        mergeText(merged->memberName, own.memberName, false);
        mergeText(merged->material, own.material, false);
        mergeText(merged->sectionName, own.sectionName, true);
        mergeText(merged->rotation, own.rotation, true);
        mergeText(merged->basePlane, own.basePlane, true);
        if (merged->offsetType != own.offsetType) merged->offsetType = -1;
        merged->hasCoordSys = merged->hasCoordSys && own.hasCoordSys;
    }
}

bool MacroTabData::advBtnForEveryGroup() const {
    if (profGroups_.isEmpty()) return false;
    for (const MacroProfData& group : profGroups_)
        if (group.buttonId < 1) return false;
    return true;
}

void MacroTabData::removeAllDlgReferences() {
    for (MacroVarData& variable : variables_) variable.ctrlId = 0;
    for (MacroCutData& cut : cuts_) cut.ctrlId = 0;
    for (MacroArrayData& array : arrays_) {
        array.valueIds.fill(0);
        array.entryId = 0;
        array.buttonId = 0;
    }
    for (MacroPatternData& pattern : patterns_) pattern.valueId = pattern.countId = pattern.buttonId = 0;
    boltData_.valueIds.fill(0);
    boltData_.buttonId = 0;
    block_.ctrlId = 0;
    for (MacroProfData& group : profGroups_)
        group.nameId = group.buttonId = group.offsetId = group.rotationId = group.settingsId = 0;
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

namespace {

// A property that is set overrides a member's; empty and mixed texts keep it.
void handOn(const Mdx_String& from, Mdx_String& to) {
    if (!from.isEmpty() && !isMixedWord(from)) to = from;
}

}  // namespace

bool MacroTabData::setMergedPropsOfGroup(const Mdx_String& group, const MacroProfData& props) {
    MacroProfData* data = findProfDataWithGroup(group);
    if (!data) return false;
    MacroProfData stored = props;
    stored.groupName = data->groupName;
    stored.nameId = data->nameId;
    stored.buttonId = data->buttonId;
    stored.offsetId = data->offsetId;
    stored.rotationId = data->rotationId;
    stored.settingsId = data->settingsId;
    *data = stored;
    for (MacroProfMember& member : members_) {
        if (!member.props.groupName.equal(group, false)) continue;
        MacroProfData& own = member.props;
        handOn(props.memberName, own.memberName);
        handOn(props.sectionName, own.sectionName);
        handOn(props.material, own.material);
        handOn(props.rotation, own.rotation);
        if (props.offsetType >= 0) own.offsetType = props.offsetType;
        if (!isMixedWord(props.basePlane)) {
            own.basePlane = props.basePlane;
            own.hasCoordSys = props.hasCoordSys;
        }
    }
    mergeGroup(group);
    return true;
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

bool getCount(const MacroPatternData& pattern, Mdx_String& count) {
    if (pattern.twoDirections) return false;
    count = pattern.nrBolts1;
    return true;
}

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
