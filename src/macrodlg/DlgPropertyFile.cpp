#include "macrodlg/DlgPropertyFile.h"

#include <string>

#include "core/Texts.h"
#include "core/macro/MacroPropertyFile.h"
#include "otherdlg/ListChoice.h"
#include "resources/macrodlg_ids.h"
#include "win/MessageBox.h"
#include "win/WinMessages.h"

namespace {

constexpr int kLoadCaption = 978;
constexpr int kSaveCaption = 979;

}  // namespace

DlgPropertyFile::DlgPropertyFile(Mode mode, const Mdx_StringArray& files, CWnd* parent)
    : TemplateDialog(IDD_MACRO_PROP_FILE, parent), mode_(mode), files_(files) {}

BOOL DlgPropertyFile::OnInitDialog() {
    TemplateDialog::OnInitDialog();
    SetWindowText(dialString(mode_ == Mode::Load ? kLoadCaption : kSaveCaption).c_str());
    int shown = -1;
    for (int i = 0; i < files_.length(); ++i)
        if (!chosen.isEmpty() && files_[i].equal(chosen, false)) shown = i;
    if (shown < 0 && mode_ == Mode::Load && !files_.isEmpty()) shown = 0;
    list_choice::fill(*this, IDC_PROP_FILE_LIST, files_, shown);
    SetDlgItemText(IDC_PROP_FILE_NAME, files_.isValidIndex(shown) ? files_[shown].c_str()
                                                                  : chosen.c_str());
    // Loading takes a file of the list; its name is shown, not typed.
    SendDlgItemMessage(IDC_PROP_FILE_NAME, EM_SETREADONLY, mode_ == Mode::Load ? TRUE : FALSE);
    return TRUE;
}

BOOL DlgPropertyFile::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDC_PROP_FILE_LIST) {
        const int index = list_choice::selected(*this, IDC_PROP_FILE_LIST);
        if (files_.isValidIndex(index)) {
            if (HIWORD(wParam) == LBN_SELCHANGE)
                SetDlgItemText(IDC_PROP_FILE_NAME, files_[index].c_str());
            if (HIWORD(wParam) == LBN_DBLCLK) {
                SetDlgItemText(IDC_PROP_FILE_NAME, files_[index].c_str());
                OnOK();
            }
        }
        return TRUE;
    }
    return TemplateDialog::OnCommand(wParam, lParam);
}

bool DlgPropertyFile::acceptName(Mdx_String& name) {
    std::string text;
    GetDlgItemText(IDC_PROP_FILE_NAME, text);
    name = Mdx_String(text);
    std::string error;
    const Mdx_String caption = dialString(mode_ == Mode::Load ? kLoadCaption : kSaveCaption);
    if (!macro_property_file::checkName(name, error)) {
        MessageBox(Mdx_String::fromUtf8(error + ".").c_str(), caption.c_str(),
                   MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    const int existing = files_.find(name, false);
    if (mode_ == Mode::Load && existing < 0) {
        MessageBox((Mdx_String("There is no property file \"") + name + "\".").c_str(),
                   caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (mode_ == Mode::Save && existing >= 0 &&
        MessageBox((Mdx_String("The property file \"") + files_[existing] +
                    "\" exists. Replace it?")
                       .c_str(),
                   caption.c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    if (existing >= 0) name = files_[existing];
    return true;
}

void DlgPropertyFile::OnOK() {
    Mdx_String name;
    if (!acceptName(name)) return;
    chosen = name;
    TemplateDialog::OnOK();
}

bool StartDlgPropertyFile(DlgPropertyFile::Mode mode, const Mdx_StringArray& files,
                          Mdx_String& chosen, CWnd* parent) {
    KvTempResourceOverride resources;
    DlgPropertyFile dialog(mode, files, parent);
    dialog.chosen = chosen;
    if (dialog.DoModal() != IDOK) return false;
    chosen = dialog.chosen;
    return true;
}
