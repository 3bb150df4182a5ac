#include "macrodlg/MacroPageDesign.h"

#include "core/FileHelpers.h"
#include "core/MacroLangs.h"
#include "core/Mdx_Settings.h"
#include "core/PathHelpers.h"
#include "core/Texts.h"
#include "core/macro/BoltCatalogue.h"
#include "core/macro/MixedWord.h"
#include "core/macro/SectionPlacement.h"
#include "designer/CControlRect.h"
#include "core/macro/RotationItems.h"
#include "win/CComboBox.h"
#include "win/CDialog.h"

namespace {

// Translations of designed texts are looked up in this group of the macro languages.
constexpr int kDesignTextGroup = 120;
// The caption of the settings buttons (types 12, 17, 24).
constexpr int kSettingsCaption = 968;
constexpr int kChooseSectionCaption = 969;
// A designed caption needs this many pixels per character, or it is shortened to "...".
constexpr int kPixelsPerChar = 4;

bool isSet(const Mdx_String& text) {
    return !text.isEmpty() && !isMixedWord(text);
}

Mdx_String translated(const Mdx_String& text) {
    return gMacroLangs.GetStringChopSymbols(text, kDesignTextGroup);
}

}  // namespace

Mdx_String MacroPageDesign::designFile(const MacroTabData& tab) {
    if (tab.designPath.isEmpty()) return {};
    Mdx_String path = getDesignerRootFolder() + tab.designPath;
    if (!path.endsWith(".txt", false)) path += ".txt";
    return path;
}

bool MacroPageDesign::build(CDialog& page, MacroTabData& tab) {
    present_ = false;
    ownBoltButton_ = false;
    const Mdx_String file = designFile(tab);
    if (file.isEmpty()) return false;
    if (!document_.initialize(&page, kFirstId, kLastId, 0, 0, 0, 0, 0, false)) return false;
    if (!document_.readFromFile(file, true)) return false;
    // A control whose item is missing goes; the list shifts, so the same index is tried again.
    for (int i = 0; i < document_.getNrControls();) {
        if (bind(*document_.getControlWrite(i), tab))
            ++i;
        else
            document_.removeControl(i);
    }
    document_.redrawAllControls();
    present_ = true;
    refresh(tab);
    return true;
}

SIZE MacroPageDesign::size() const {
    int width = 0, height = 0;
    if (present_) document_.getImageSize(width, height);
    return SIZE{width, height};
}

void MacroPageDesign::shorten(Mdx_DesignerControl& control) const {
    const RECT rect = document_.controlRect(control);
    if (rect.right - rect.left < control.contents.length() * kPixelsPerChar) control.contents = "...";
}

bool MacroPageDesign::bind(Mdx_DesignerControl& control, MacroTabData& tab) {
    const int id = control.resId;
    switch (control.type) {
        case ctStaticText:
        case ctGroupBox:
            control.contents = translated(control.contents);
            if (!control.comboList.isEmpty() && !tab.findCellWithName(control.comboList))
                control.contents.setEmpty();
            return true;
        case ctVarEdit:
        case ctVarCombo:
        case ctVarCheck:
            return bindVariable(control, tab);
        case ctPatternEdit:
        case ctPatternCountEdit:
        case ctPatternButton:
            return bindPattern(control, tab);
        case ctBoltAssemblyCombo:
        case ctBoltDiameterEdit:
        case ctBoltEdit3:
        case ctBoltEdit4:
        case ctBoltEdit5:
        case ctBoltAdvancedButton:
            return bindBolt(control, tab);
        case ctProfNameCombo:
        case ctProfButton:
        case ctProfOffsetCombo:
        case ctProfRotationCombo:
        case ctProfAdvancedButton:
            return bindGroup(control, tab);
        case ctArrayEdit1:
        case ctArrayEdit2:
        case ctArrayEdit3:
        case ctArrayEdit4:
        case ctArrayEdit5:
        case ctArrayEntryEdit:
        case ctArrayAdvancedButton:
            return bindArray(control, tab);
        case ctDistanceButton:
        case ctDistanceButton2: {
            MacroVarData* variable = tab.findCellWithName(control.extString1);
            if (!variable || !variable->readOnly) return false;
            variable->ctrlId = id;
            return true;
        }
        case ctBlockCombo:
            if (!tab.block().present) return false;
            blockItems(control, tab.block());
            control.contents = tab.block().block.name;
            tab.block().ctrlId = id;
            return true;
        case ctCutCombo: {
            MacroCutData* cut = tab.findCutWithName(control.contents);
            if (!cut) return false;
            control.contents = Mdx_String::fromInt(cut->typeIndex);
            cut->ctrlId = id;
            return true;
        }
        case ctFlexButton:
            return tab.hasBtnFlexFix(control.contents);
    }
    return false;
}

// The drawings of the block folder (comboList, else the module's own folder under the
// library), the current block first when it is not among them, then the mixed word.
void MacroPageDesign::blockItems(Mdx_DesignerControl& control, const MacroBlockData& block) {
    const Mdx_String folder = control.comboList.isEmpty() ? block.block.folder : control.comboList;
    Mdx_StringArray paths;
    ObjectExportFindFiles(gSettings.libDir() + folder, "*.dwg", paths);
    control.comboItems.setEmpty();
    for (const Mdx_String& path : paths) {
        Mdx_String name = getFileName(path);
        removeExtension(name);
        control.comboItems.append(name);
    }
    if (isSet(block.block.name) && !control.comboItems.contains(block.block.name, false))
        control.comboItems.insertAt(0, block.block.name);
    control.comboItems.append(mixedWord());
}

bool MacroPageDesign::bindVariable(Mdx_DesignerControl& control, MacroTabData& tab) {
    const bool check = control.type == ctVarCheck;
    MacroVarData* variable = tab.findCellWithName(check ? control.comboList : control.contents);
    if (!variable) return false;
    if (check) {
        control.contents = translated(control.contents);
        control.comboList = variable->value;
    } else {
        control.contents = variable->value;
    }
    control.readOnly = variable->readOnly;
    variable->ctrlId = control.resId;
    return true;
}

bool MacroPageDesign::bindPattern(Mdx_DesignerControl& control, MacroTabData& tab) {
    MacroPatternData* pattern = tab.findPatternWithName(control.contents);
    if (!pattern) return false;
    Mdx_String count;
    switch (control.type) {
        case ctPatternEdit:
            control.contents = pattern->value;
            pattern->valueId = control.resId;
            return true;
        case ctPatternCountEdit:
            if (!getCount(*pattern, count)) return false;
            control.contents = count;
            pattern->countId = control.resId;
            return true;
        default:
            control.contents = "...";
            pattern->buttonId = control.resId;
            return true;
    }
}

bool MacroPageDesign::bindBolt(Mdx_DesignerControl& control, MacroTabData& tab) {
    MacroBoltData* bolts = tab.getBoltData();
    if (!bolts) return false;
    if (control.type == ctBoltAdvancedButton) {
        control.contents = dialString(kSettingsCaption);
        shorten(control);
        bolts->buttonId = control.resId;
        ownBoltButton_ = true;
        return true;
    }
    const int number = control.type - ctBoltAssemblyCombo + 1;
    if (control.type == ctBoltAssemblyCombo) GetAssemblies(control.comboItems);
    if (const Mdx_String* value = bolts->boltValue(number)) control.contents = *value;
    bolts->valueIds[static_cast<std::size_t>(number - 1)] = control.resId;
    return true;
}

bool MacroPageDesign::bindGroup(Mdx_DesignerControl& control, MacroTabData& tab) {
    MacroProfData* group = tab.findProfDataWithGroup(control.contents);
    if (!group) return false;
    MacroProfData merged;
    tab.getMergedPropsOfGroup(group->groupName, merged);
    switch (control.type) {
        case ctProfNameCombo:
            // The sections the group's members use; the group's own first.
            control.comboItems = {merged.sectionName};
            for (const MacroProfMember& member : tab.profMembers())
                if (member.props.groupName.equal(group->groupName, false) &&
                    !control.comboItems.contains(member.props.sectionName, false))
                    control.comboItems.append(member.props.sectionName);
            control.contents = merged.sectionName;
            group->nameId = control.resId;
            return true;
        case ctProfButton:
            control.contents = dialString(kChooseSectionCaption);
            group->buttonId = control.resId;
            return true;
        case ctProfOffsetCombo: {
            getOffsetTypeStrings(control.comboItems);
            const int item = getDlgOffsetType(merged.offsetType);
            control.contents =
                control.comboItems.isValidIndex(item) ? control.comboItems[item] : Mdx_String();
            group->offsetId = control.resId;
            return true;
        }
        case ctProfRotationCombo:
            rotationItems(control.comboItems);
            control.contents = merged.rotation;
            group->rotationId = control.resId;
            return true;
        default:
            control.contents = dialString(kSettingsCaption);
            shorten(control);
            group->settingsId = control.resId;
            return true;
    }
}

bool MacroPageDesign::bindArray(Mdx_DesignerControl& control, MacroTabData& tab) {
    MacroArrayData* array = tab.findArrayWithName(control.contents);
    if (!array) return false;
    if (control.type == ctArrayAdvancedButton) {
        control.contents = dialString(kSettingsCaption);
        shorten(control);
        array->buttonId = control.resId;
        return true;
    }
    if (control.type == ctArrayEntryEdit) {
        const int entry = control.comboList.toInt() - 1;
        if (array->array.kind == Mdx_ModuleArray::kSpacedArray ||
            !array->array.entries.isValidIndex(entry))
            return false;
        control.contents = array->array.entries[entry].value;
        array->entryId = control.resId;
        return true;
    }
    const int value = control.type - ctArrayEdit1;
    // The third value means something only to spaced arrays.
    if (control.type == ctArrayEdit3 && array->array.kind != Mdx_ModuleArray::kSpacedArray)
        return false;
    control.contents = array->array.values[static_cast<std::size_t>(value)];
    array->valueIds[static_cast<std::size_t>(value)] = control.resId;
    return true;
}

void MacroPageDesign::setText(int id, const Mdx_String& value) {
    if (id > 0) document_.setCtrlValue(id, value);
}

Mdx_String MacroPageDesign::text(int id) const {
    Mdx_String value;
    if (id > 0) document_.getCtrlValue(id, value);
    return value;
}

// A section chosen elsewhere (the chooser) joins the list it is shown in.
void MacroPageDesign::showSection(int id, const Mdx_String& section) {
    CControlRect* drawn = id > 0 ? document_.getDrawnCtrl(id) : nullptr;
    if (!drawn) return;
    auto* combo = static_cast<CComboBox*>(drawn->window());
    int index = combo->FindStringExact(-1, section.c_str());
    if (index < 0) index = combo->AddString(section.c_str());
    combo->SetCurSel(index);
}

void MacroPageDesign::refresh(const MacroTabData& tab) {
    if (!present_) return;
    for (const MacroVarData& variable : tab.variables()) {
        if (variable.ctrlId <= 0) continue;
        setText(variable.ctrlId, variable.value);
        document_.setCtrlReadOnly(variable.ctrlId, variable.readOnly);
    }
    for (const MacroCutData& cut : tab.cuts()) setText(cut.ctrlId, Mdx_String::fromInt(cut.typeIndex));
    for (const MacroPatternData& pattern : tab.patterns()) {
        setText(pattern.valueId, pattern.value);
        Mdx_String count;
        if (pattern.countId > 0 && getCount(pattern, count)) setText(pattern.countId, count);
    }
    if (MacroBoltData* bolts = const_cast<MacroTabData&>(tab).getBoltData())
        for (int number = 1; number <= 5; ++number)
            if (const Mdx_String* value = bolts->boltValue(number))
                setText(bolts->valueIds[static_cast<std::size_t>(number - 1)], *value);
    for (const MacroArrayData& array : tab.arrays()) {
        for (std::size_t i = 0; i < array.valueIds.size(); ++i) setText(array.valueIds[i], array.array.values[i]);
        if (array.entryId > 0) {
            const Mdx_DesignerControl* control = document_.getControlFromRes(array.entryId);
            const int entry = control ? control->comboList.toInt() - 1 : -1;
            if (array.array.entries.isValidIndex(entry)) setText(array.entryId, array.array.entries[entry].value);
        }
    }
    for (const MacroProfData& group : tab.profGroups()) {
        showSection(group.nameId, group.sectionName);
        if (group.offsetId > 0)
            document_.setComboValue(group.offsetId, Mdx_String::fromInt(getDlgOffsetType(group.offsetType)));
        if (group.rotationId > 0) {
            Mdx_StringArray items;
            rotationItems(items);
            const int item = rotationItem(items, group.rotation);
            setText(group.rotationId, item >= 0 ? items[item] : group.rotation);
        }
    }
    if (tab.block().present) setText(tab.block().ctrlId, tab.block().block.name);
    for (int i = 0; i < document_.getNrControls(); ++i) {
        const Mdx_DesignerControl& control = *document_.getControl(i);
        if (control.type != ctFlexButton) continue;
        for (const MacroFlexFixData& flex : tab.flexFix())
            if (flex.name.equal(control.contents, false))
                document_.setFlexBtnStatus(control.flexGroup, control.contents, flex.flexible ? 1 : 0);
    }
}

void MacroPageDesign::read(MacroTabData& tab) {
    if (!present_) return;
    for (MacroVarData& variable : tab.variables()) {
        if (variable.ctrlId <= 0 || variable.readOnly) continue;
        const Mdx_DesignerControl* control = document_.getControlFromRes(variable.ctrlId);
        if (!control || control->type == ctDistanceButton || control->type == ctDistanceButton2) continue;
        const Mdx_String value = text(variable.ctrlId);
        // A mixed check box or an untouched mixed text keeps each macro's own value.
        if (!isMixedWord(value)) variable.value = value;
    }
    for (MacroCutData& cut : tab.cuts())
        if (cut.ctrlId > 0) cut.typeIndex = text(cut.ctrlId).toInt();
    for (MacroPatternData& pattern : tab.patterns()) {
        if (pattern.valueId > 0) pattern.value = text(pattern.valueId);
        Mdx_String count;
        if (pattern.countId > 0 && getCount(pattern, count)) {
            const Mdx_String typed = text(pattern.countId);
            if (!typed.equal(count, true)) pattern.nrBolts1 = typed;
        }
    }
    if (MacroBoltData* bolts = tab.getBoltData())
        for (int number = 1; number <= 5; ++number) {
            const int id = bolts->valueIds[static_cast<std::size_t>(number - 1)];
            if (Mdx_String* value = bolts->boltValue(number); value && id > 0) *value = text(id);
        }
    for (MacroArrayData& array : tab.arrays()) {
        for (std::size_t i = 0; i < array.valueIds.size(); ++i)
            if (array.valueIds[i] > 0) array.array.values[i] = text(array.valueIds[i]);
        const Mdx_DesignerControl* control = document_.getControlFromRes(array.entryId);
        const int entry = control ? control->comboList.toInt() - 1 : -1;
        if (array.entryId > 0 && array.array.entries.isValidIndex(entry))
            array.array.entries[entry].value = text(array.entryId);
    }
    for (MacroProfData& group : tab.profGroups()) readGroup(tab, group);
    const Mdx_String block = text(tab.block().ctrlId);
    if (tab.block().present && tab.block().ctrlId > 0 && isSet(block) &&
        !block.equal(tab.block().block.name, true))
        tab.block().block.name = block;
}

// Only what a group's controls changed is written back, to the whole group.
void MacroPageDesign::readGroup(MacroTabData& tab, MacroProfData& group) {
    if (group.nameId <= 0 && group.offsetId <= 0 && group.rotationId <= 0) return;
    MacroProfData props = group;
    bool changed = false;
    const Mdx_String section = text(group.nameId);
    if (group.nameId > 0 && isSet(section) && !section.equal(props.sectionName, false)) {
        props.sectionName = section;
        changed = true;
    }
    if (group.offsetId > 0) {
        Mdx_String item;
        document_.getComboValue(group.offsetId, item);
        int offset = getProfOffsetType(item.toInt());
        if (offset < 0) offset = kDefaultOffsetType;
        if (item.toInt() >= 0 && offset != props.offsetType) {
            props.offsetType = offset;
            changed = true;
        }
    }
    const Mdx_String rotation = withoutDegree(text(group.rotationId));
    if (group.rotationId > 0 && isSet(rotation) && !rotation.equal(props.rotation, false)) {
        props.rotation = rotation;
        changed = true;
    }
    if (changed) tab.setMergedPropsOfGroup(group.groupName, props);
}
