#include "macrodlg/MacroSectionPage.h"

#include "core/DialogHelpers.h"
#include "core/KvTempResourceOverride.h"
#include "core/Mdx_Settings.h"
#include "core/Texts.h"
#include "core/macro/MacroPickers.h"
#include "core/macro/MixedWord.h"
#include "core/macro/SectionPlacement.h"
#include "host/CommandLine.h"
#include "macrodlg/DlgProfSegments.h"
#include "otherdlg/KvProfDetailsDlg.h"
#include "core/macro/RotationItems.h"
#include "win/CComboBox.h"
#include "win/WinMessages.h"

namespace {

constexpr int kGroup = 1212, kMember = 1213, kSection = 1221, kChoose = 1222, kOffset = 1219,
              kRotation = 1316, kPlane = 1215, kPickPlane = 1223, kSettings = 1114,
              kSegments = 1210;
constexpr int kPanel[] = {1211, 1212, 1213, 1220, 1221, 1222, 1218, 1219, 1114,
                          1216, 1316, 1214, 1215, 1223, 1210};

CComboBox* combo(CWnd* page, int id) {
    return static_cast<CComboBox*>(page->GetDlgItem(id));
}

Mdx_String itemText(CWnd* page, int id, int index) {
    std::string text;
    if (index >= 0) combo(page, id)->GetLBText(index, text);
    return Mdx_String(text.c_str(), static_cast<int>(text.size()));
}

Mdx_String selected(CWnd* page, int id) {
    return itemText(page, id, combo(page, id)->GetCurSel());
}

}  // namespace

MacroSectionPage::MacroSectionPage(MacroData& owner, int tabIndex, const void* clashOwner)
    : MacroPage(owner, tabIndex, clashOwner, kTemplateId) {}

BOOL MacroSectionPage::OnInitDialog() {
    const struct {
        int id;
        int text;
    } texts[] = {{1211, 1002}, {1220, 1003}, {1222, 969},  {1218, 1004}, {1114, 1007},
                 {1214, 1006}, {1223, 1008}, {1210, 1009}};
    MacroPage::OnInitDialog();
    active_ = false;
    preview_ = owner_.preview().singleObject();
    for (const auto& entry : texts) SetDlgItemText(entry.id, dialString(entry.text).c_str());
    SetDlgItemText(1216, (dialString(1005) + " (" + kDegreeSign + "):").c_str());
    const bool panel = tab() && !tab()->advBtnForEveryGroup();
    for (int id : kPanel) ShowOrHideCtrl(this, id, panel ? SW_SHOW : SW_HIDE);
    ShowOrHideCtrl(this, kSegments, panel && tab()->hasSegmentedProfs() ? SW_SHOW : SW_HIDE);
    Mdx_StringArray items;
    getOffsetTypeStrings(items);
    FillCombo(this, kOffset, items);
    rotationItems(items);
    FillCombo(this, kRotation, items);
    getBasePlaneStrings(items);
    FillCombo(this, kPlane, items);
    refresh();
    active_ = true;
    return TRUE;
}

bool MacroSectionPage::designedCommand(int id, WORD code) {
    MacroProfData* group = tab() ? tab()->findProfDataWithButtonId(id) : nullptr;
    if (!group || code != BN_CLICKED) return MacroPage::designedCommand(id, code);
    // The panel shows the button's group as a whole; the chooser or the settings work on it.
    const bool settings = group->settingsId == id;
    selectGroup(group->groupName);
    if (settings)
        openSectionSettings();
    else
        chooseSection();
    return true;
}

void MacroSectionPage::selectGroup(const Mdx_String& group) {
    Mdx_StringArray groups;
    tab()->getProfGroups(groups);
    combo(this, kGroup)->SetCurSel(groups.find(group, false));
    combo(this, kMember)->SetCurSel(0);
    refresh();
}

std::vector<int> MacroSectionPage::fixedControls() const {
    return {kGroup, kMember, kSection, kChoose, kOffset, 1114, kRotation, kPlane, kPickPlane, 1210};
}

Mdx_String MacroSectionPage::groupName() {
    return selected(this, kGroup);
}

// The chosen member's index in the tab's members; -1 for the whole group.
int MacroSectionPage::memberIndex() {
    const int entry = combo(this, kMember)->GetCurSel();
    if (entry < 1 || !tab()) return -1;
    AcArray<AcDbObjectId> ids;
    tab()->getProfIdsOfGroup(groupName(), ids);
    return entry - 1 < ids.length() ? tab()->getProfDataIndx(groupName(), ids[entry - 1]) : -1;
}

void MacroSectionPage::fillGroupAndMember() {
    MacroTabData* data = tab();
    if (!data) return;
    const Mdx_String previousGroup = groupName();
    const int previousMember = combo(this, kMember)->GetCurSel();
    Mdx_StringArray groups;
    data->getProfGroups(groups);
    const int group = groups.find(previousGroup, false);
    FillCombo(this, kGroup, groups, group >= 0 ? group : 0);
    AcArray<AcDbObjectId> ids;
    data->getProfIdsOfGroup(groupName(), ids);
    Mdx_StringArray members{dialString(1010)};
    for (AcDbObjectId id : ids) {
        const int index = data->getProfDataIndx(groupName(), id);
        members.append(data->profMembers()[index].props.memberName + " (" +
                       Mdx_String(id.toText().c_str()) + ")");
    }
    FillCombo(this, kMember, members,
              previousMember > 0 && previousMember < members.length() && group >= 0 ? previousMember : 0);
}

bool MacroSectionPage::shownProps(MacroProfData& props) {
    MacroTabData* data = tab();
    if (!data) return false;
    const int member = memberIndex();
    if (member >= 0) {
        props = data->profMembers()[member].props;
        return true;
    }
    return data->getMergedPropsOfGroup(groupName(), props);
}

void MacroSectionPage::showProperties() {
    MacroProfData props;
    if (!shownProps(props)) return;
    Mdx_StringArray sections;
    for (const MacroProfMember& member : tab()->profMembers())
        if (member.props.groupName.equal(props.groupName, false) &&
            !sections.contains(member.props.sectionName, false))
            sections.append(member.props.sectionName);
    if (!sections.contains(props.sectionName, false)) sections.insertAt(0, props.sectionName);
    FillCombo(this, kSection, sections, sections.find(props.sectionName, false));
    combo(this, kOffset)->SetCurSel(getDlgOffsetType(props.offsetType));
    // A rotation the list offers is selected; any other text stands in the edit field.
    Mdx_StringArray rotations;
    rotationItems(rotations);
    const int rotation = rotationItem(rotations, props.rotation);
    combo(this, kRotation)->SetCurSel(rotation);
    if (rotation < 0) SetDlgItemText(kRotation, props.rotation.c_str());
    const int plane = isMixedWord(props.basePlane)                          ? kMixedPlaneItem
                      : props.basePlane.isEmpty() && !props.hasCoordSys ? kNoPlaneItem
                                                                        : kPickedPlaneItem;
    combo(this, kPlane)->SetCurSel(plane);
}

void MacroSectionPage::refresh() {
    MacroPage::refresh();
    if (!GetDlgItem(kGroup)) return;
    // 1114 is the section settings here, not the designed page's bolt row that refresh hides.
    const bool panel = tab() && !tab()->advBtnForEveryGroup();
    ShowOrHideCtrl(this, kSettings, panel ? SW_SHOW : SW_HIDE);
    const bool wasActive = active_;
    active_ = false;
    fillGroupAndMember();
    showProperties();
    active_ = wasActive;
}

// Only what the panel changed is taken over: a field counts as changed when it differs from
// what the panel showed, so a designed control that changed the same group is not undone.
bool MacroSectionPage::readPanel(const MacroProfData& shown, MacroProfData& props) {
    bool changed = false;
    const Mdx_String section = selected(this, kSection);
    if (!section.isEmpty() && !isMixedWord(section) && !section.equal(shown.sectionName, false)) {
        props.sectionName = section;
        changed = true;
    }
    int offset = getProfOffsetType(combo(this, kOffset)->GetCurSel());
    if (offset < 0) offset = kDefaultOffsetType;
    if (combo(this, kOffset)->GetCurSel() >= 0 && offset != shown.offsetType) {
        props.offsetType = offset;
        changed = true;
    }
    std::string typed;
    GetDlgItemText(kRotation, typed);
    const Mdx_String rotation = withoutDegree(Mdx_String(typed.c_str(), static_cast<int>(typed.size())));
    if (!rotation.isEmpty() && !isMixedWord(rotation) && !rotation.equal(shown.rotation, false)) {
        props.rotation = rotation;
        changed = true;
    }
    if (selected(this, kPlane) == dialString(697) && (!shown.basePlane.isEmpty() || shown.hasCoordSys)) {
        props.basePlane.setEmpty();
        props.hasCoordSys = false;
        changed = true;
    }
    return changed;
}

bool MacroSectionPage::storeProps(const MacroProfData& props) {
    const int member = memberIndex();
    if (member >= 0) return tab()->setMemberProps(member, props);
    return tab()->setMergedPropsOfGroup(groupName(), props);
}

void MacroSectionPage::readPage() {
    MacroProfData shown;
    const bool showing = shownProps(shown);
    MacroPage::readPage();
    MacroProfData props;
    if (showing && shownProps(props) && readPanel(shown, props)) storeProps(props);
}

void MacroSectionPage::chooseSection() {
    MacroProfData props;
    if (!shownProps(props)) return;
    const MacroTabData before = *tab();
    readPage();
    acedPostCommand("CANCELCMD");
    Mdx_String chosen;
    if (!DlgSelectProf(props.sectionName, chosen)) return;
    const Mdx_String library = gSettings.libDir();
    if (!library.isEmpty() && chosen.startsWith(library, false))
        chosen = chosen.mid(library.length());
    shownProps(props);
    props.sectionName = chosen;
    storeProps(props);
    applySince(before);
}

void MacroSectionPage::pickPlane() {
    const int item = combo(this, kPlane)->GetCurSel();
    if (item != kPickedPlaneItem && item != kCoordSysItem) return;
    const MacroTabData before = *tab();
    readPage();
    MacroProfData props;
    if (!shownProps(props)) return;
    CWnd* owner = GetParent() ? GetParent()->GetParent() : nullptr;
    if (owner) owner->ShowWindow(SW_HIDE);
    bool picked = false;
    if (item == kCoordSysItem) {
        picked = selectCoordSys();
        props.basePlane = kCoordSysPlaneName;
        props.hasCoordSys = true;
    } else {
        Mdx_String plane;
        picked = UserSelectPlane(plane);
        props.basePlane = plane;
        props.hasCoordSys = false;
    }
    if (owner) owner->ShowWindow(SW_SHOW);
    if (!picked) {
        refresh();
        return;
    }
    storeProps(props);
    applySince(before);
}

// The dialog works on what the panel shows: reading fetches it, writing stores it there and
// applies the tab; a refused apply has put the tab back and tells the dialog why.
bool MacroSectionPage::exchangeSettings(KvMACallBackType kind, MacroProfData& props,
                                        std::string& why) {
    if (!tab()) return false;
    if (kind == kvMARead) return shownProps(props);
    const MacroTabData before = *tab();
    if (!storeProps(props)) return false;
    active_ = false;
    lastApply_ = applyTabChanges(owner_, tabIndex_, before, clashOwner_);
    refresh();
    active_ = true;
    if (lastApply_.applied || lastApply_.refused) acedPostCommandPrompt();
    if (lastApply_.refused) {
        why = lastApply_.reason;
        return false;
    }
    return shownProps(props);
}

void MacroSectionPage::openSectionSettings() {
    MacroProfData shown;
    if (!shownProps(shown)) return;
    const MacroTabData before = *tab();
    readPage();
    applySince(before);
    acedPostCommand("CANCELCMD");
    KvProfDetailsDlg dialog(
        shown.groupName,
        [this](KvMACallBackType kind, MacroProfData& props, std::string& why) {
            return exchangeSettings(kind, props, why);
        },
        this);
    Mdx_StringArray sections, materials;
    for (const MacroProfMember& member : tab()->profMembers()) {
        const MacroProfData& own = member.props;
        if (own.groupName.equal(shown.groupName, false) && !sections.contains(own.sectionName, false))
            sections.append(own.sectionName);
        if (!own.material.isEmpty() && !materials.contains(own.material, false))
            materials.append(own.material);
    }
    dialog.setOffered(sections, materials);
    {
        KvTempResourceOverride resources;
        dialog.DoModal();
    }
    refresh();
    // The preview stood for the macro as it was; it goes once the settings were seen.
    if (!preview_.isNull()) {
        eraseTemporaryObject(owner_.database(), preview_);
        owner_.preview().objects.remove(preview_);
        preview_ = AcDbObjectId();
    }
}

void MacroSectionPage::openSegments() {
    if (!tab() || !tab()->hasSegmentedProfs()) return;
    const MacroTabData before = *tab();
    readPage();
    acedPostCommand("CANCELCMD");
    Mdx_Array<Mdx_ProfSegment> segments = tab()->segments().list;
    if (editSegments(segments, this)) {
        tab()->segments().list = segments;
        tab()->segments().mixed = false;  // the list is now everyone's
    }
    applySince(before);
}

LRESULT MacroSectionPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kOpenSettingsMessage) {
        openSectionSettings();
        return 0;
    }
    return MacroPage::WindowProc(message, wParam, lParam);
}

BOOL MacroSectionPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const WORD code = HIWORD(wParam);
    if (id == kSettings && code == BN_CLICKED) return openSectionSettings(), TRUE;
    if (id == kSegments && code == BN_CLICKED) return openSegments(), TRUE;
    if (!active_) return MacroPage::OnCommand(wParam, lParam);
    if (code == CBN_SELCHANGE) {
        switch (id) {
            case kGroup:
            case kMember:
                refresh();
                return TRUE;
            case kSection:
            case kOffset:
                apply();
                return TRUE;
            case kRotation:
                SetDlgItemText(kRotation, selected(this, kRotation).c_str());
                apply();
                return TRUE;
            case kPlane:
                pickPlane();
                return TRUE;
            default:
                break;
        }
    }
    if (code == BN_CLICKED && id == kPickPlane) return pickPlane(), TRUE;
    if (code == BN_CLICKED && id == kChoose) return chooseSection(), TRUE;
    return MacroPage::OnCommand(wParam, lParam);
}
