#pragma once
// The select image dialog (resource 8719): the pictures as thumbnails of the first picture's
// size, each named by its file name (without folder and extension) in the product's current
// language. OK takes the selected thumbnail's name and stays open without one. The controls
// follow the window's size; the size is kept under "DLG_SELECT_IMAGE".
#include "core/CImageListCtrl.h"
#include "core/CResizer.h"
#include "frame/TemplateDialog.h"
#include "otherdlg/KvSelectImageDlgData.h"
#include "resources/otherdlg_ids.h"

class KvSelectImageDlg : public RecordDialog<KvSelectImageDlgData> {
public:
    static constexpr UINT kTemplateId = IDD_SELECT_IMAGE;
    static constexpr int kThumbnails = IDC_THUMBNAILS;
    // Cells when the first picture cannot be read: the names still show and can be chosen.
    static constexpr SIZE kFallbackThumbnail{32, 32};

    KvSelectImageDlg();

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;

    const CImageListCtrl& thumbnails() const { return m_list; }
    const Mdx_StringArray& displayNames() const { return m_names; }

private:
    void buildThumbnails();

    CResizer m_resizer;
    CImageListCtrl m_list;
    Mdx_StringArray m_names;
    SIZE m_thumbnail{};
};

bool StartDlgSelectImage(KvSelectImageDlgData& data);
