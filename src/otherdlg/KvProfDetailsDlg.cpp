#include "otherdlg/KvProfDetailsDlg.h"

#include <cmath>

#include "core/DialogHelpers.h"
#include "core/Mdx_Settings.h"
#include "core/NumberText.h"
#include "core/Texts.h"
#include "core/macro/MacroPickers.h"
#include "core/macro/MacroUpdate.h"
#include "core/macro/MixedWord.h"
#include "core/macro/RotationItems.h"
#include "core/macro/SectionPlacement.h"
#include "win/CComboBox.h"
#include "win/MessageBox.h"
#include "win/WinMessages.h"

namespace {

constexpr int kBadMemberName = 9406;
constexpr int kNoSection = 9407;
constexpr int kBadMaterial = 9409;
constexpr int kBadRotation = 9410;
constexpr int kNoPlaneName = 9411;
constexpr int kRefused = 9412;
constexpr double kMaxRotation = 360.0;

struct ControlText {
    int id;
    int text;
};
constexpr ControlText kTexts[] = {
    {IDC_PROF_GROUP_LABEL, 9401},    {IDC_PROF_MEMBER_LABEL, 9402},
    {IDC_PROF_SECTION_LABEL, 1003},  {IDC_PROF_MATERIAL_LABEL, 9403},
    {IDC_PROF_PLACEMENT_BOX, 9404},  {IDC_PROF_OFFSET_LABEL, 1004},
    {IDC_PROF_PLANE_LABEL, 1006},    {IDC_PROF_PICK_PLANE, 1008},
    {IDC_PROF_PLANE_NAME_LABEL, 9405}, {IDOK, 1}, {IDCANCEL, 2}};

Mdx_String trimmed(Mdx_String text) {
    text.trim();
    return text;
}

bool oneLine(const Mdx_String& text, int maxLength) {
    if (text.length() > maxLength) return false;
    for (char c : text.view())
        if (static_cast<unsigned char>(c) < 0x20) return false;
    return true;
}

// A list holding the current text, which is selected.
Mdx_StringArray withCurrent(Mdx_StringArray items, const Mdx_String& current) {
    if (!current.isEmpty() && !items.contains(current, false)) items.insertAt(0, current);
    return items;
}

int planeItem(const MacroProfData& props) {
    if (isMixedWord(props.basePlane)) return kMixedPlaneItem;
    if (props.hasCoordSys) return kCoordSysItem;
    return props.basePlane.isEmpty() ? kNoPlaneItem : kPickedPlaneItem;
}

}  // namespace

KvProfDetailsDlg::KvProfDetailsDlg(const Mdx_String& title, Exchange exchange, CWnd* parent)
    : TemplateDialog(kTemplateId, parent), title_(title), exchange_(std::move(exchange)) {}

void KvProfDetailsDlg::setOffered(const Mdx_StringArray& sections,
                                  const Mdx_StringArray& materials) {
    sections_ = sections;
    materials_ = materials;
}

void KvProfDetailsDlg::labelControls() {
    SetWindowText((title_.isEmpty() ? dialString(kCaptionText) : title_).c_str());
    for (const ControlText& entry : kTexts) SetDlgItemText(entry.id, dialString(entry.text).c_str());
    SetDlgItemText(IDC_PROF_ROTATION_LABEL,
                   (dialString(1005) + " (" + kDegreeSign + "):").c_str());
}

BOOL KvProfDetailsDlg::OnInitDialog() {
    TemplateDialog::OnInitDialog();
    ChangeDlgSize(this, kSizeKey);
    labelControls();
    std::string ignored;
    if (exchange_) exchange_(kvMARead, properties_, ignored);
    Mdx_StringArray items;
    getOffsetTypeStrings(items);
    FillCombo(this, IDC_PROF_OFFSET, items);
    rotationItems(items);
    FillCombo(this, IDC_PROF_ROTATION, items);
    getBasePlaneStrings(items);
    FillCombo(this, IDC_PROF_PLANE, items);
    showProperties();
    return TRUE;
}

void KvProfDetailsDlg::showProperties() {
    const MacroProfData& props = properties_;
    SetDlgItemText(IDC_PROF_GROUP, props.groupName.c_str());
    SetDlgItemText(IDC_PROF_MEMBER, props.memberName.c_str());
    const Mdx_StringArray sections = withCurrent(sections_, props.sectionName);
    FillCombo(this, IDC_PROF_SECTION, sections, sections.find(props.sectionName, false));
    SetDlgItemText(IDC_PROF_SECTION, props.sectionName.c_str());
    const Mdx_StringArray materials = withCurrent(materials_, props.material);
    FillCombo(this, IDC_PROF_MATERIAL, materials, materials.find(props.material, false));
    SetDlgItemText(IDC_PROF_MATERIAL, props.material.c_str());
    auto* offset = static_cast<CComboBox*>(GetDlgItem(IDC_PROF_OFFSET));
    offset->SetCurSel(getDlgOffsetType(props.offsetType));
    // A rotation the list offers is selected; any other angle stands in the edit field.
    Mdx_StringArray rotations;
    rotationItems(rotations);
    const int rotation = rotationItem(rotations, props.rotation);
    static_cast<CComboBox*>(GetDlgItem(IDC_PROF_ROTATION))->SetCurSel(rotation);
    if (rotation < 0) SetDlgItemText(IDC_PROF_ROTATION, props.rotation.c_str());
    const int plane = planeItem(props);
    static_cast<CComboBox*>(GetDlgItem(IDC_PROF_PLANE))->SetCurSel(plane);
    SetDlgItemText(IDC_PROF_PLANE_NAME, plane == kPickedPlaneItem ? props.basePlane.c_str() : "");
    showPlane(plane);
}

// The plane name is typed only for a named plane; a coordinate system is always "xp".
void KvProfDetailsDlg::showPlane(int item) {
    if (item == kCoordSysItem) SetDlgItemText(IDC_PROF_PLANE_NAME, kCoordSysPlaneName);
    if (item == kNoPlaneItem || item == kMixedPlaneItem) SetDlgItemText(IDC_PROF_PLANE_NAME, "");
    EnDisCtrl(this, IDC_PROF_PLANE_NAME, item == kPickedPlaneItem);
    EnDisCtrl(this, IDC_PROF_PICK_PLANE, item == kPickedPlaneItem || item == kCoordSysItem);
}

Mdx_String KvProfDetailsDlg::controlText(int id) const {
    std::string text;
    GetDlgItemText(id, text);
    return Mdx_String(std::move(text));
}

// Empty texts and the mixed word keep what was shown: the members keep their own values.
bool KvProfDetailsDlg::readControls(const MacroProfData& shown, MacroProfData& props,
                                    Mdx_String& problem) const {
    props = shown;
    const Mdx_String member = trimmed(controlText(IDC_PROF_MEMBER));
    if (!oneLine(member, kMaxMemberNameLength)) return problem = dialString(kBadMemberName), false;
    if (!member.isEmpty()) props.memberName = member;
    const Mdx_String section = trimmed(controlText(IDC_PROF_SECTION));
    if (section.isEmpty() && !shown.sectionName.isEmpty())
        return problem = dialString(kNoSection), false;
    if (!isMixedWord(section)) props.sectionName = section;
    const Mdx_String material = trimmed(controlText(IDC_PROF_MATERIAL));
    if (!oneLine(material, kMaxMaterialLength)) return problem = dialString(kBadMaterial), false;
    if (!material.isEmpty() && !isMixedWord(material)) props.material = material;
    const int offset = getProfOffsetType(
        static_cast<int>(SendDlgItemMessage(IDC_PROF_OFFSET, CB_GETCURSEL, 0, 0)));
    if (offset >= 0) props.offsetType = offset;
    const Mdx_String rotation = trimmed(withoutDegree(trimmed(controlText(IDC_PROF_ROTATION))));
    if (!rotation.isEmpty() && !isMixedWord(rotation)) {
        const bool angle = isNumberText(rotation.view()) &&
                           std::fabs(leadingDouble(rotation.view())) <= kMaxRotation;
        if (!angle) return problem = dialString(kBadRotation), false;
        props.rotation = rotation;
    }
    switch (static_cast<int>(SendDlgItemMessage(IDC_PROF_PLANE, CB_GETCURSEL, 0, 0))) {
        case kPickedPlaneItem: {
            const Mdx_String plane = trimmed(controlText(IDC_PROF_PLANE_NAME));
            if (plane.isEmpty() || !oneLine(plane, kMaxMemberNameLength))
                return problem = dialString(kNoPlaneName), false;
            props.basePlane = plane;
            props.hasCoordSys = false;
            break;
        }
        case kNoPlaneItem:
            props.basePlane.setEmpty();
            props.hasCoordSys = false;
            break;
        case kCoordSysItem:
            props.basePlane = kCoordSysPlaneName;
            props.hasCoordSys = true;
            break;
        default:
            break;  // mixed: every member keeps its plane
    }
    return true;
}

void KvProfDetailsDlg::refuse(const Mdx_String& message) {
    ::MessageBox(m_hWnd, message.c_str(), dialString(kCaptionText).c_str(),
                 MB_OK | MB_ICONEXCLAMATION);
}

void KvProfDetailsDlg::OnOK() {
    MacroProfData props;
    Mdx_String problem;
    if (!readControls(properties_, props, problem)) return refuse(problem);
    std::string why;
    if (exchange_ && !exchange_(kvMAWrite, props, why)) {
        Mdx_String message = dialString(kRefused);
        if (!why.empty()) message += Mdx_String(" ") + Mdx_String::fromUtf8(why) + ".";
        return refuse(message);
    }
    properties_ = props;
    written_ = true;
    TemplateDialog::OnOK();
}

void KvProfDetailsDlg::chooseSection() {
    Mdx_String chosen;
    if (!DlgSelectProf(trimmed(controlText(IDC_PROF_SECTION)), chosen)) return;
    const Mdx_String library = gSettings.libDir();
    if (!library.isEmpty() && chosen.startsWith(library, false)) chosen = chosen.mid(library.length());
    SetDlgItemText(IDC_PROF_SECTION, chosen.c_str());
}

// The drawing is picked in with the dialog out of the way.
void KvProfDetailsDlg::pickPlane() {
    const int item = static_cast<int>(SendDlgItemMessage(IDC_PROF_PLANE, CB_GETCURSEL, 0, 0));
    if (item != kPickedPlaneItem && item != kCoordSysItem) return;
    ShowWindow(SW_HIDE);
    Mdx_String plane;
    const bool picked = item == kCoordSysItem ? selectCoordSys() : UserSelectPlane(plane);
    ShowWindow(SW_SHOW);
    if (picked && item == kPickedPlaneItem) SetDlgItemText(IDC_PROF_PLANE_NAME, plane.c_str());
}

BOOL KvProfDetailsDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const WORD code = HIWORD(wParam);
    if (code == BN_CLICKED && id == IDC_PROF_CHOOSE) return chooseSection(), TRUE;
    if (code == BN_CLICKED && id == IDC_PROF_PICK_PLANE) return pickPlane(), TRUE;
    if (code == CBN_SELCHANGE && id == IDC_PROF_PLANE) {
        showPlane(static_cast<int>(SendDlgItemMessage(IDC_PROF_PLANE, CB_GETCURSEL, 0, 0)));
        return TRUE;
    }
    return TemplateDialog::OnCommand(wParam, lParam);
}

void KvProfDetailsDlg::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
    TemplateDialog::OnDestroy();
}
