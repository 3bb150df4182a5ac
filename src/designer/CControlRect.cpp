#include "designer/CControlRect.h"

#include "designer/Mdx_ControlType.h"
#include "win/CButton.h"
#include "win/CComboBox.h"
#include "win/CEdit.h"
#include "win/CStatic.h"

namespace {

// The window object has the kind of its class, so the typed look-ups of a control are sound.
std::unique_ptr<CWnd> windowObjectFor(int type) {
    switch (designer::controlClassOf(type)) {
        case designer::ControlClass::Edit:
            return std::make_unique<CEdit>();
        case designer::ControlClass::Combo:
            return std::make_unique<CComboBox>();
        case designer::ControlClass::Button:
            return std::make_unique<CButton>();
        case designer::ControlClass::Static:
            break;
    }
    return std::make_unique<CStatic>();
}

}  // namespace

CControlRect::CControlRect() {
    m_nStyle = solidLine | resizeOutside;
}
CControlRect::~CControlRect() = default;

bool CControlRect::create(int type, const Mdx_String& text, const RECT& rect, CWnd* parent,
                          int id) {
    m_window = windowObjectFor(type);
    const DWORD style = WS_CHILD | WS_VISIBLE | designer::controlStyleOf(type);
    if (!m_window->CreateEx(designer::controlExStyleOf(type), designer::windowClassOf(type),
                            text.c_str(), style, rect, parent, static_cast<UINT>(id))) {
        m_window.reset();
        return false;
    }
    takeRectFromWindow();
    return true;
}

int CControlRect::id() const { return m_window ? m_window->GetDlgCtrlID() : 0; }

void CControlRect::takeRectFromWindow() {
    if (!m_window || !m_window->m_hWnd) return;
    m_window->GetWindowRect(&m_rect);
    if (CWnd* parent = m_window->GetParent()) parent->ScreenToClient(&m_rect);
}

void CControlRect::moveWindowToRect() {
    if (m_window && m_window->m_hWnd) m_window->MoveWindow(&m_rect);
}
