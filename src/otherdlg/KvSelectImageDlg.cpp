#include "otherdlg/KvSelectImageDlg.h"

#include "core/KvTempResourceOverride.h"
#include "core/PathHelpers.h"
#include "core/Texts.h"
#include "otherdlg/ListChoice.h"

KvSelectImageDlg::KvSelectImageDlg() : RecordDialog<KvSelectImageDlgData>(kTemplateId) {}

BOOL KvSelectImageDlg::OnInitDialog() {
    RecordDialog<KvSelectImageDlgData>::OnInitDialog();
    SetWindowText(data.title.c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());
    names_.setEmpty();
    for (const Mdx_String& file : data.files) {
        Mdx_String name = getFileName(file);
        removeExtension(name);
        names_.append(name);
    }
    list_choice::fill(*this, kThumbnails, names_, -1);
    return TRUE;
}

void KvSelectImageDlg::OnOK() {
    const int chosen = list_choice::selected(*this, kThumbnails);
    if (!names_.isValidIndex(chosen) || names_[chosen].isEmpty()) return;
    data.selection = names_[chosen];
    RecordDialog<KvSelectImageDlgData>::OnOK();
}

bool StartDlgSelectImage(KvSelectImageDlgData& data) {
    KvTempResourceOverride resources;
    KvSelectImageDlg dialog;
    return runWithCopyBack(dialog, data);
}
