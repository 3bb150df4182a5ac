// Editing a design on the design surface: selecting with the mouse, copying, deleting,
// resizing and aligning the selected controls.
#include <algorithm>

#include "core/DialogHelpers.h"
#include "core/Texts.h"
#include "designer/CControlRect.h"
#include "designer/CControlRectManager.h"
#include "designer/Mdx_DlgDesignerData.h"
#include "designer/SizeInput.h"
#include "win/CDialog.h"

namespace {

constexpr double kCopyOffset = 20.0;
constexpr double kNoneFound = 100000.0;

}  // namespace

bool Mdx_DlgDesignerData::initialize(CDialog* dialog, int firstId, int lastId, int typeComboId,
                                     int contentsCaptionId, int contentsEditId,
                                     int listCaptionId, int listEditId, bool designMode) {
    if (!dialog || !dialog->m_hWnd) return false;
    m_host = dialog->m_hWnd;
    m_firstId = firstId;
    m_lastId = lastId;
    m_designMode = designMode;
    m_initialized = true;
    if (!designMode) return true;
    if (!m_rectManager)
        m_rectManager = std::make_unique<CControlRectManager>(dialog);
    else
        m_rectManager->setHost(dialog);
    m_typeComboId = typeComboId;
    m_contentsCaptionId = contentsCaptionId;
    m_contentsEditId = contentsEditId;
    m_listCaptionId = listCaptionId;
    m_listEditId = listEditId;
    FillCombo(dialog, typeComboId, designer::controlTypeNames());
    return true;
}

bool Mdx_DlgDesignerData::OnLButtonDown(UINT flags, POINT point) {
    if (!m_rectManager) return false;
    return m_rectManager->onLButtonDown(flags, point);
}

int Mdx_DlgDesignerData::getCurSel() const {
    if (!m_rectManager || m_rectManager->selection().size() != 1) return -1;
    int index = -1;
    return findCtrlFromResource(m_rectManager->selection().front()->id(), index) ? index : -1;
}

std::vector<int> Mdx_DlgDesignerData::getSelectedIds() const {
    return m_rectManager ? m_rectManager->selectedIds() : std::vector<int>{};
}

void Mdx_DlgDesignerData::selectCtrls(const std::vector<int>& ids) {
    if (!m_rectManager) return;
    m_rectManager->clearSelection();
    for (int id : ids) m_rectManager->select(m_rectManager->findById(id));
    if (CWnd* dialog = host()) dialog->Invalidate();
}

bool Mdx_DlgDesignerData::removeCurControls() {
    if (!m_rectManager) return false;
    for (int id : m_rectManager->selectedIds()) {
        CControlRect* drawn = getDrawnCtrl(id);
        m_rectManager->remove(drawn);
        m_drawn.erase(std::remove_if(m_drawn.begin(), m_drawn.end(),
                                     [drawn](const auto& r) { return r.get() == drawn; }),
                      m_drawn.end());
        int index = -1;
        if (findCtrlFromResource(id, index)) removeControl(index);
    }
    return true;
}

bool Mdx_DlgDesignerData::copyCurCtrls() {
    if (!m_rectManager || m_rectManager->selection().empty() || !hasMeasure()) return false;
    getSizeFromAllControls();
    std::vector<int> copies;
    for (int id : m_rectManager->selectedIds()) {
        const Mdx_DesignerControl* original = getControlFromRes(id);
        if (!original) continue;
        Mdx_DesignerControl copy = *original;
        setTopLeftX(copy, getTopLeftX(copy) + kCopyOffset);
        setTopLeftY(copy, getTopLeftY(copy) + kCopyOffset);
        setBottomRightX(copy, getBottomRightX(copy) + kCopyOffset);
        setBottomRightY(copy, getBottomRightY(copy) + kCopyOffset);
        const int newId = append(copy);
        if (newId == 0) break;  // no id left for further copies
        copies.push_back(newId);
    }
    redrawAllControls();
    selectCtrls(copies);
    return !copies.empty();
}

bool Mdx_DlgDesignerData::changeCtrlSize(int index, bool horizontal, double pixels) {
    Mdx_DesignerControl* control = getControlWrite(index);
    if (!control || !hasMeasure()) return false;
    if (horizontal) return setBottomRightX(*control, getTopLeftX(*control) + pixels);
    return setBottomRightY(*control, getTopLeftY(*control) + pixels);
}

bool Mdx_DlgDesignerData::changeCtrlSize(bool horizontal) {
    if (!m_rectManager || m_rectManager->selection().empty()) return false;
    double pixels = 0;
    if (!designer::askControlSize(host(), horizontal, pixels)) return false;
    getSizeFromAllControls();
    const std::vector<int> ids = m_rectManager->selectedIds();
    for (int id : ids) {
        int index = -1;
        if (findCtrlFromResource(id, index)) changeCtrlSize(index, horizontal, pixels);
    }
    redrawAllControls();
    selectCtrls(ids);
    return true;
}

namespace {

// The leftmost of the selected controls; on equal left the one selected first.
int leftmostOf(const Mdx_DlgDesignerData& data, const std::vector<int>& ids) {
    int best = -1;
    double bestLeft = kNoneFound;
    for (int id : ids) {
        int index = -1;
        if (!data.findCtrlFromResource(id, index)) continue;
        const double left = data.getTopLeftX(*data.getControl(index));
        if (left < bestLeft) {
            bestLeft = left;
            best = index;
        }
    }
    return best;
}

}  // namespace

bool Mdx_DlgDesignerData::outlineCurCtrls() {
    if (!m_rectManager || m_rectManager->selection().empty() || !hasMeasure()) return false;
    getSizeFromAllControls();
    const std::vector<int> ids = m_rectManager->selectedIds();
    const int leftmost = leftmostOf(*this, ids);
    if (leftmost < 0) return false;
    const double bottom = getBottomRightY(*getControl(leftmost));
    for (int id : ids) {
        int index = -1;
        if (!findCtrlFromResource(id, index) || index == leftmost) continue;
        Mdx_DesignerControl& control = *getControlWrite(index);
        const double height = getHeight(control);
        setBottomRightY(control, bottom);
        setTopLeftY(control, bottom - height);
    }
    redrawAllControls();
    selectCtrls(ids);
    return true;
}

bool Mdx_DlgDesignerData::stickRightCurCtrls() {
    if (!m_rectManager || m_rectManager->selection().size() != 2 || !hasMeasure()) return false;
    getSizeFromAllControls();
    const std::vector<int> ids = m_rectManager->selectedIds();
    const int leftmost = leftmostOf(*this, ids);
    if (leftmost < 0) return false;
    const Mdx_DesignerControl& anchor = *getControl(leftmost);
    const double bottom = getBottomRightY(anchor), right = getBottomRightX(anchor);
    const double height = getHeight(anchor);
    for (int id : ids) {
        int index = -1;
        if (!findCtrlFromResource(id, index) || index == leftmost) continue;
        Mdx_DesignerControl& other = *getControlWrite(index);
        const double width = getWidth(other);
        setTopLeftY(other, bottom - height);
        setTopLeftX(other, right);
        setBottomRightY(other, bottom);
        setBottomRightX(other, right + width);
    }
    redrawAllControls();
    selectCtrls(ids);
    return true;
}
