#include "designer/DlgDesigner.h"

#include <iterator>

#include "core/DialogHelpers.h"
#include "core/FileDialogs.h"
#include "core/FileHelpers.h"
#include "core/PathHelpers.h"
#include "core/Texts.h"
#include "resources/designer_ids.h"
#include "win/Bitmap.h"
#include "win/CDC.h"
#include "win/MessageBox.h"
#include "win/ResourceModule.h"

namespace {

constexpr int kFirstId = 33000;
constexpr int kLastId = 33099;
constexpr int kCannotSaveThere = 9101;
const char* const kSizeKey = "DLG_DLGDESIGNER";

struct IconButton {
    int id;
    int icon;
};
constexpr IconButton kIconButtons[] = {
    {IDC_DESIGN_OPEN, 232},  {IDC_DESIGN_SAVE_AS, 233}, {IDC_DESIGN_ADD, 212},
    {IDC_DESIGN_DELETE, 206}, {IDC_DESIGN_WIDTH, 235},  {IDC_DESIGN_HEIGHT, 236},
    {IDC_DESIGN_COPY, 223},  {IDC_DESIGN_IMAGE, 231},
};

// The panel and the button row follow the bottom edge; the picture keeps its place.
constexpr int kPanelIds[] = {
    IDOK, IDCANCEL, IDC_DESIGN_OPEN, IDC_DESIGN_SAVE_AS, IDC_DESIGN_ADD, IDC_DESIGN_DELETE,
    IDC_DESIGN_WIDTH, IDC_DESIGN_HEIGHT, IDC_DESIGN_ALIGN_BOTTOMS, IDC_DESIGN_PLACE_BESIDE,
    IDC_DESIGN_COPY, IDC_DESIGN_IMAGE, IDC_DESIGN_TYPE_FRAME, IDC_DESIGN_TYPE,
    IDC_DESIGN_CONTENTS_FRAME, IDC_DESIGN_CONTENTS, IDC_DESIGN_LIST_FRAME, IDC_DESIGN_LIST,
};

std::vector<CResizer::CBorderInfo> panelAnchors() {
    std::vector<CResizer::CBorderInfo> anchors;
    for (int id : kPanelIds)
        anchors.push_back({id, CResizer::eLeft, CResizer::eBottom, CResizer::eLeft,
                           CResizer::eBottom});
    return anchors;
}

Mdx_String designFilter() { return dialString(840) + " (*.txt)"; }

}  // namespace

DlgDesigner::DlgDesigner(const Mdx_String& path, CWnd* parent)
    : CAcUiDialog(IDD_DLGDESIGNER, parent), m_path(path) {}

BOOL DlgDesigner::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    m_data.initialize(this, kFirstId, kLastId, IDC_DESIGN_TYPE, IDC_DESIGN_CONTENTS_FRAME,
                      IDC_DESIGN_CONTENTS, IDC_DESIGN_LIST_FRAME, IDC_DESIGN_LIST, true);
    m_data.updatePropsOfCurSel();
    setUpIconButtons();
    setTitle();
    SetDlgItemText(IDC_DESIGN_TYPE_FRAME, dialString(836).c_str());
    SetDlgItemText(IDOK, dialString(285).c_str());
    getDlgSize(this, m_minTrackSize);
    const std::vector<CResizer::CBorderInfo> anchors = panelAnchors();
    m_resizer.Init(m_hWnd, anchors.data(), static_cast<int>(anchors.size()));
    ChangeDlgSize(this, kSizeKey);
    m_modified = false;
    if (!m_path.isEmpty() && fileExists(m_path)) loadDesign(m_path);
    return TRUE;
}

// Raised icon buttons without a flat focus and without tooltips, as the designer always had.
void DlgDesigner::setUpIconButtons() {
    static_assert(std::size(kIconButtons) == kIconButtonCount);
    for (int i = 0; i < kIconButtonCount; ++i) {
        CButtonST& button = m_iconButtons[i];
        if (!button.SubclassDlgItem(static_cast<UINT>(kIconButtons[i].id), this)) continue;
        button.SetFlat(false, false);
        button.DrawFlatFocus(false, false);
        button.SetIcon(kIconButtons[i].icon);
    }
}

void DlgDesigner::setTitle() {
    Mdx_String title = dialString(843);
    if (!m_data.getName().isEmpty()) title += " - <" + m_data.getName() + ">";
    SetWindowText(title.c_str());
}

void DlgDesigner::loadDesign(const Mdx_String& path) {
    m_data.removeAllDrawnCtrls();
    m_data.readFromFile(path, true);  // a file that cannot be read leaves the design shown
    m_data.redrawAllControls();
    m_data.updatePropsOfCurSel();
    Invalidate();
    m_modified = false;
    setTitle();
}

bool DlgDesigner::askToSave() {
    if (!m_modified) return true;
    const Mdx_String text = dialString(838) + "\n<" + m_data.getName() + ">";
    switch (MessageBox(text.c_str(), dialString(837).c_str(), MB_YESNOCANCEL | MB_ICONQUESTION)) {
        case IDYES:
            // A design without a name has no file yet: it is saved under a name chosen now.
            if (m_data.getName().isEmpty()) return saveAs();
            if (!m_data.writeToFile(getDesignerRootFolder() + m_data.getName() + ".txt")) return false;
            m_modified = false;
            return true;
        case IDNO:
            return true;
        default:
            return false;
    }
}

bool DlgDesigner::open() {
    if (!askToSave()) return false;
    Mdx_String path;
    if (!DlgOpenSave(true, "txt", designFilter(), getPath(getDesignerRootFolder() + m_data.getName()),
                     path, dialString(841), this))
        return false;
    loadDesign(path);
    return true;
}

bool DlgDesigner::saveAs() {
    Mdx_String path;
    if (!DlgOpenSave(false, "txt", designFilter(), getPath(getDesignerRootFolder() + m_data.getName()),
                     path, dialString(842), this))
        return false;
    // Outside the root folder nothing is written; the changes are still unsaved.
    if (!m_data.writeToFile(path)) {
        MessageBox(dialString(kCannotSaveThere).c_str(), dialString(837).c_str(),
                   MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    m_modified = false;
    setTitle();
    return true;
}

void DlgDesigner::chooseImage() {
    Mdx_String chosen;
    if (!DlgOpenSave(true, "bmp", dialString(839) + " (*.bmp)", getDesignerRootFolder(), chosen,
                     dialString(841), this))
        return;
    if (m_data.getName().isEmpty() && !saveAs()) return;
    const Mdx_String target = getDesignerRootFolder() + m_data.getName() + ".bmp";
    // Choosing the design's own picture again must not copy it onto itself.
    if (!chosen.equal(target, false) && !copyFile(chosen, target)) return;
    m_data.getSizeFromAllControls();
    m_data.attachBitmap(target);
    m_data.redrawAllControls();
    Invalidate();
    m_modified = true;
}

BOOL DlgDesigner::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    switch (id) {
        case IDC_DESIGN_OPEN:
            open();
            return TRUE;
        case IDC_DESIGN_SAVE_AS:
            saveAs();
            return TRUE;
        case IDC_DESIGN_ADD:
            if (m_data.addNewControl(ctVarEdit)) m_modified = true;
            return TRUE;
        case IDC_DESIGN_DELETE:
            m_data.removeCurControls();
            m_data.updatePropsOfCurSel();
            Invalidate();
            m_modified = true;
            return TRUE;
        case IDC_DESIGN_IMAGE:
            chooseImage();
            return TRUE;
        case IDC_DESIGN_WIDTH:
        case IDC_DESIGN_HEIGHT:
            if (m_data.changeCtrlSize(id == IDC_DESIGN_WIDTH)) m_modified = true;
            return TRUE;
        case IDC_DESIGN_COPY:
            if (m_data.copyCurCtrls()) m_modified = true;
            return TRUE;
        case IDC_DESIGN_ALIGN_BOTTOMS:
            if (m_data.outlineCurCtrls()) m_modified = true;
            return TRUE;
        case IDC_DESIGN_PLACE_BESIDE:
            if (m_data.stickRightCurCtrls()) m_modified = true;
            return TRUE;
        case IDC_DESIGN_TYPE:
            if (code == CBN_SELCHANGE) {
                m_data.propsOfCurSelUpdated();
                m_data.updatePropsOfCurSel();
                m_modified = true;
                return TRUE;
            }
            break;
        case IDC_DESIGN_CONTENTS:
        case IDC_DESIGN_LIST:
            if (code == EN_CHANGE) {
                m_data.propsOfCurSelUpdated();
                return TRUE;
            }
            break;
        default:
            break;
    }
    return CAcUiDialog::OnCommand(wParam, lParam);
}

// Escape never closes the designer: a slip of the hand must not throw a design away.
BOOL DlgDesigner::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) return TRUE;
    return CAcUiDialog::PreTranslateMessage(msg);
}

void DlgDesigner::OnOK() {
    if (askToSave()) CAcUiDialog::OnOK();
}

void DlgDesigner::OnCancel() {
    if (askToSave()) CAcUiDialog::OnCancel();
}

void DlgDesigner::OnLButtonDown(UINT flags, POINT point) {
    m_data.OnLButtonDown(flags, point);
    m_data.updatePropsOfCurSel();
    m_modified = true;
}

// Plain left-aligned texts stand on the picture without a background of their own.
HBRUSH DlgDesigner::OnCtlColor(HDC dc, CWnd* control, UINT kind) {
    if (kind == CTLCOLOR_STATIC && control && (control->GetStyle() & 0x12) == 0) {
        SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
    }
    return CAcUiDialog::OnCtlColor(dc, control, kind);
}

void DlgDesigner::OnSize(UINT type, int cx, int cy) {
    CAcUiDialog::OnSize(type, cx, cy);
    m_resizer.Move();
    Invalidate();
}

void DlgDesigner::OnGetMinMaxInfo(MINMAXINFO* info) {
    CAcUiDialog::OnGetMinMaxInfo(info);
    info->ptMinTrackSize = POINT{m_minTrackSize.cx, m_minTrackSize.cy};
}

void DlgDesigner::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
    CAcUiDialog::OnDestroy();
}

BOOL DlgDesigner::OnEraseBkgnd(HDC dc) {
    CDC context;
    context.Attach(dc);
    const BOOL erased = m_data.OnEraseBkgnd(&context);
    context.Detach();
    return erased;
}

void DlgDesigner::OnPaint() {
    CPaintDC dc(this);
    m_data.OnPaint(&dc);
}

BOOL DlgDesigner::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    if (m_data.OnSetCursor(hitTest, message)) return TRUE;
    return CAcUiDialog::OnSetCursor(wnd, hitTest, message);
}
