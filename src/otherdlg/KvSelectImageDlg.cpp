#include "otherdlg/KvSelectImageDlg.h"

#include <iterator>

#include "core/DialogHelpers.h"
#include "core/KvTempResourceOverride.h"
#include "core/MacroLangs.h"
#include "core/PathHelpers.h"
#include "core/Texts.h"
#include "win/Bitmap.h"
#include "win/FilePaths.h"

namespace {

const char* const kSizeKey = "DLG_SELECT_IMAGE";

const CResizer::CBorderInfo kAnchors[] = {
    {IDC_THUMBNAILS, CResizer::eLeft, CResizer::eTop, CResizer::eRight, CResizer::eBottom},
    {IDOK, CResizer::eRight, CResizer::eBottom, CResizer::eRight, CResizer::eBottom},
    {IDCANCEL, CResizer::eRight, CResizer::eBottom, CResizer::eRight, CResizer::eBottom},
};

}  // namespace

KvSelectImageDlg::KvSelectImageDlg() : RecordDialog<KvSelectImageDlgData>(kTemplateId) {}

BOOL KvSelectImageDlg::OnInitDialog() {
    RecordDialog<KvSelectImageDlgData>::OnInitDialog();
    m_resizer.Init(m_hWnd, kAnchors, static_cast<int>(std::size(kAnchors)));
    SetWindowText(data.title.c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());
    m_list.SubclassDlgItem(kThumbnails, this);
    buildThumbnails();
    ChangeDlgSize(this, kSizeKey);
    m_resizer.Move();
    m_resizer.setMinimumTrackSize(SIZE{50, 50});
    return TRUE;
}

void KvSelectImageDlg::buildThumbnails() {
    m_names.setEmpty();
    if (data.files.isEmpty()) return;
    int w = 0, h = 0;
    HBITMAP first = win::loadBitmapFile(win::mapPath(data.files[0].str()));
    if (first && win::imageSize(first, w, h) && m_list.Init(SIZE{w, h}))
        m_thumbnail = SIZE{w, h};
    else if (m_list.Init(kFallbackThumbnail))
        m_thumbnail = kFallbackThumbnail;
    if (first) DeleteObject(first);
    for (const Mdx_String& file : data.files) {
        Mdx_String name = getFileName(file);
        removeExtension(name);
        m_names.append(gMacroLangs.GetString(Mdx_String(), name));
    }
    m_list.SetPictures(data.files, m_names);
}

void KvSelectImageDlg::OnOK() {
    const Mdx_String chosen = m_list.GetSelectedName();
    if (chosen.isEmpty()) return;
    data.selection = chosen;
    RecordDialog<KvSelectImageDlgData>::OnOK();
}

void KvSelectImageDlg::OnSize(UINT type, int cx, int cy) {
    RecordDialog<KvSelectImageDlgData>::OnSize(type, cx, cy);
    m_resizer.Move();
    Invalidate();
}

void KvSelectImageDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
    RecordDialog<KvSelectImageDlgData>::OnGetMinMaxInfo(info);
    m_resizer.OnGetMinMaxInfo(info);
}

void KvSelectImageDlg::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
    RecordDialog<KvSelectImageDlgData>::OnDestroy();
}

bool StartDlgSelectImage(KvSelectImageDlgData& data) {
    KvTempResourceOverride resources;
    KvSelectImageDlg dialog;
    return runWithCopyBack(dialog, data);
}
