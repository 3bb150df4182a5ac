#pragma once
// The select image dialog (resource 8719). The pictures are listed by name (file name
// without folder and extension); OK takes the selected name and stays open without one.
#include "frame/TemplateDialog.h"
#include "otherdlg/KvSelectImageDlgData.h"
#include "resources/otherdlg_ids.h"

class KvSelectImageDlg : public RecordDialog<KvSelectImageDlgData> {
public:
    static constexpr UINT kTemplateId = IDD_SELECT_IMAGE;
    static constexpr int kThumbnails = IDC_THUMBNAILS;

    KvSelectImageDlg();

    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    Mdx_StringArray names_;
};

bool StartDlgSelectImage(KvSelectImageDlgData& data);
