#pragma once
// The marking points dialog (template 9104): the points every exported profile carries in its
// NC file, one per grid row with its name, face, X and Y, rows to insert and delete. The
// points live in the profile folder (DstvPointStore); OK stores them and refuses points that
// cannot be right, or a store that cannot be written, with a message and stays open. A store
// that cannot be read is reported and the dialog does not open, so it is never overwritten.
// Resizable; the size is kept under "DLG_DSTV_POINTS".
#include <vector>

#include "otherdlg/RowButtons.h"
#include "core/CResizer.h"
#include "frame/TemplateDialog.h"
#include "otherdlg/DstvPointStore.h"
#include "resources/otherdlg_ids.h"
#include "spread/Mdx_Spread.h"

class KvDstvPointsDlg : public TemplateDialog {
public:
    static constexpr UINT kTemplateId = IDD_DSTV_POINTS;
    static constexpr const char* kSizeKey = "DLG_DSTV_POINTS";

    KvDstvPointsDlg(DstvPointStore& store, std::vector<DstvPoint> points);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

    const std::vector<DstvPoint>& points() const { return m_points; }

private:
    void labelControls();
    void showPoints();
    void giveFaceChoice(int row);
    // The grid's rows as points, empty rows dropped.
    std::vector<DstvPoint> readPoints() const;
    void tell(const Mdx_String& text) const;

    DstvPointStore& m_store;
    std::vector<DstvPoint> m_points;
    Mdx_Spread m_grid;
    RowButtons m_rowButtons;
    CResizer m_resizer;
};
