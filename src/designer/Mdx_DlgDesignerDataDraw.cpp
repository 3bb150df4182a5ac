// Realising a design: one child window per control on the host dialog, placed from the
// factors, and reading their places back after the user moved them.
#include <cmath>

#include "core/DialogHelpers.h"
#include "core/StringHelpers.h"
#include "core/Texts.h"
#include "designer/CControlRect.h"
#include "designer/CControlRectManager.h"
#include "designer/Mdx_DlgDesignerData.h"
#include "win/CComboBox.h"
#include "win/CDC.h"
#include "win/CDialog.h"
#include "win/FontMetrics.h"

namespace {

constexpr int kRunComboHeight = 200;  // the height includes the dropped-down list
constexpr double kLineHeight = 18.0;

// A run-mode combo is made as high as its dropped-down list; the window itself shows only
// the closed box, as a combo box on the real system does.
void showClosedCombo(CWnd& combo) {
    LOGFONT font{};
    if (CFont* set = combo.GetFont()) set->GetLogFont(&font);
    RECT rect{};
    combo.GetWindowRect(&rect);
    combo.SetWindowPos(nullptr, 0, 0, rect.right - rect.left, win::closedComboHeight(font),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void fitMultiLineHeight(RECT& rect) {
    const double extra = kLineHeight * ctrlHeightScale - kLineHeight;
    if (extra <= 0) return;
    const double height = rect.bottom - rect.top;
    const double grown = std::ceil(height + extra / 1.6);
    if (grown > height && grown < 2 * kLineHeight) rect.bottom = rect.top + static_cast<LONG>(grown);
}

Mdx_StringArray cutTypeItems() {
    return stringArr({dialString(1395), dialString(1396), dialString(1397), dialString(1398),
                      dialString(695)});
}

void fillCombo(CComboBox* combo, const Mdx_StringArray& items, const Mdx_String& contents) {
    if (items.isEmpty()) return;
    FillCombo(combo, items);
    const int match = items.find(contents, false);
    if (match >= 0)
        combo->SetCurSel(match);
    else
        combo->SetWindowText(contents.c_str());
}

}  // namespace

CWnd* Mdx_DlgDesignerData::host() const {
    if (!m_host || !IsWindow(m_host)) return nullptr;
    return CWnd::FromHandle(m_host);
}

CControlRect* Mdx_DlgDesignerData::getDrawnCtrl(int id) const {
    if (id == 0) return nullptr;
    for (const auto& rect : m_drawn)
        if (rect->id() == id) return rect.get();
    return nullptr;
}

bool Mdx_DlgDesignerData::isADynControl(int id) const { return getDrawnCtrl(id) != nullptr; }

bool Mdx_DlgDesignerData::drawControl(int index) {
    CWnd* dialog = host();
    const Mdx_DesignerControl* control = getControl(index);
    if (!m_initialized || !dialog || !control || control->resId == 0 || !hasMeasure())
        return false;
    RECT rect = controlRect(*control);
    if (!m_designMode) {
        if (designer::isComboType(control->type) && rect.bottom - rect.top < kRunComboHeight)
            rect.bottom = rect.top + kRunComboHeight;
        if (control->type == ctPatternEdit || control->type == ctPatternCountEdit)
            fitMultiLineHeight(rect);
    }
    auto drawn = std::make_unique<CControlRect>();
    if (!drawn->create(control->type, control->contents, rect, dialog, control->resId))
        return false;
    CWnd* window = drawn->window();
    window->SetFont(dialog->GetFont(), FALSE);
    if (!m_designMode && designer::isComboType(control->type)) showClosedCombo(*window);
    // In the designer only texts stay enabled, so that clicks reach the design surface.
    const bool staticText = designer::controlClassOf(control->type) == designer::ControlClass::Static;
    if (control->readOnly || (m_designMode && !staticText)) window->EnableWindow(FALSE);
    CControlRect* raw = drawn.get();
    m_drawn.push_back(std::move(drawn));
    if (m_designMode && m_rectManager) m_rectManager->add(raw);

    if (designer::isComboType(control->type)) {
        auto* combo = static_cast<CComboBox*>(window);
        if (control->type == ctCutCombo) {
            FillCombo(combo, cutTypeItems(), control->contents.toInt());
        } else {
            Mdx_StringArray items = control->comboItems;
            if (items.isEmpty()) control->getComboItemsFromFile(items);
            fillCombo(combo, items, control->contents);
        }
    }
    if (control->type == ctVarCheck) setCheckValue(control->resId, control->comboList);
    if (control->type == ctFlexButton) setBtnIcon(control->resId);
    return true;
}

void Mdx_DlgDesignerData::redrawAllControls() {
    if (!m_designMode) sortAllControls();
    if (m_rectManager) m_rectManager->clearSelection();
    removeAllDrawnCtrls();
    for (int i = 0; i < getNrControls(); ++i) drawControl(i);
}

// Removed in both modes: a redraw on a page would otherwise put a second window with the
// same id over each control.
void Mdx_DlgDesignerData::removeAllDrawnCtrls() {
    if (m_rectManager)
        for (const auto& rect : m_drawn) m_rectManager->remove(rect.get());
    m_drawn.clear();
}

void Mdx_DlgDesignerData::getSizeFromAllControls() {
    if (!hasMeasure()) return;
    for (Mdx_DesignerControl& control : m_controls) {
        CControlRect* drawn = getDrawnCtrl(control.resId);
        if (!drawn) continue;
        drawn->takeRectFromWindow();
        const RECT& r = drawn->m_rect;
        control.topLeftX = pixelsToFactor(true, r.left);
        control.topLeftY = pixelsToFactor(false, r.top);
        control.bottomRightX = pixelsToFactor(true, r.right);
        control.bottomRightY = pixelsToFactor(false, r.bottom);
    }
}

BOOL Mdx_DlgDesignerData::OnEraseBkgnd(CDC* dc) {
    CWnd* dialog = host();
    if (!dc || !dialog) return FALSE;
    if (m_designMode) {
        RECT client{};
        dialog->GetClientRect(&client);
        dc->FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    }
    if (!m_maskBitmap || !m_paintImage) return TRUE;
    CDC memory;
    if (!memory.CreateCompatibleDC(dc)) return TRUE;
    CBitmap* old = memory.SelectObject(CBitmap::FromHandle(m_maskBitmap));
    dc->BitBlt(0, 0, m_imageWidth, m_imageHeight, &memory, 0, 0, SRCAND);
    memory.SelectObject(CBitmap::FromHandle(m_paintImage));
    dc->BitBlt(0, 0, m_imageWidth, m_imageHeight, &memory, 0, 0, SRCPAINT);
    if (old) memory.SelectObject(old);
    return TRUE;
}

void Mdx_DlgDesignerData::OnPaint(CDC* dc) {
    if (m_rectManager && dc) m_rectManager->draw(dc);
}

bool Mdx_DlgDesignerData::OnSetCursor(UINT hitTest, UINT /*message*/) {
    return m_rectManager && m_rectManager->setCursor(hitTest);
}
