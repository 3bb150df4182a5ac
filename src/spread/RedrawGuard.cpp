#include "spread/RedrawGuard.h"

#include "spread/Mdx_Spread.h"

RedrawGuard::RedrawGuard(Mdx_Spread& sheet) : m_sheet(sheet) {
    if (m_sheet.isAttached()) m_sheet.SetBool(kOptionRedraw, FALSE);
}

RedrawGuard::~RedrawGuard() {
    if (m_sheet.isAttached()) m_sheet.SetBool(kOptionRedraw, TRUE);
}
