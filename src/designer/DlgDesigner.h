#pragma once
// The window in which a user edits one designed dialog: the picture with the controls on it
// above, a panel for the selected control and a row of buttons below.
#include <vector>

#include "core/CButtonST.h"
#include "core/CResizer.h"
#include "designer/Mdx_DlgDesignerData.h"
#include "host/CAcUiDialog.h"

class DlgDesigner : public CAcUiDialog {
public:
    explicit DlgDesigner(const Mdx_String& path, CWnd* parent = nullptr);

    Mdx_DlgDesignerData& document() { return m_data; }
    bool isModified() const { return m_modified; }

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    HBRUSH OnCtlColor(HDC dc, CWnd* control, UINT kind) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;
    BOOL OnEraseBkgnd(HDC dc) override;
    void OnPaint() override;
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) override;

private:
    // False when the user cancelled (or a chosen save failed): the action must not go on.
    bool askToSave();
    bool open();
    bool saveAs();
    void chooseImage();
    void loadDesign(const Mdx_String& path);
    void setTitle();
    void setUpIconButtons();

    Mdx_DlgDesignerData m_data;
    Mdx_String m_path;
    bool m_modified = false;
    SIZE m_minTrackSize{50, 50};
    static constexpr int kIconButtonCount = 8;
    CButtonST m_iconButtons[kIconButtonCount];
    CResizer m_resizer;  // the panel and the button row follow the bottom edge
};
