#pragma once
// The two icon buttons beside a list grid that insert a row below the current one and delete
// the current row, with the icons and tooltips every such list of the module shows.
#include "core/CButtonST.h"

class RowButtons {
public:
    // Subclasses the dialog's two buttons; a missing one is left alone.
    void attach(CWnd& dialog, int insertId, int deleteId) {
        if (m_insert.SubclassDlgItem(insertId, &dialog)) {
            m_insert.SetIcon(kInsertIcon);
            m_insert.SetTooltipText(kInsertTip);
        }
        if (m_delete.SubclassDlgItem(deleteId, &dialog)) {
            m_delete.SetIcon(kDeleteIcon);
            m_delete.SetTooltipText(kDeleteTip);
        }
    }

private:
    static constexpr int kInsertIcon = 212;
    static constexpr int kDeleteIcon = 206;
    static constexpr int kInsertTip = 616;
    static constexpr int kDeleteTip = 617;

    CButtonST m_insert;
    CButtonST m_delete;
};
