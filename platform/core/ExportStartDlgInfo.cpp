#include "core/ExportStartDlgInfo.h"

#include "win/CDialog.h"
#include "win/ResourceModule.h"

namespace {

// The dialog's template is the core library's own, not the module's.
constexpr const char* kScript =
    "30500 DIALOG 0, 0, 320, 200\n"
    "STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
    "CAPTION \"\"\n"
    "FONT 8, \"MS Sans Serif\"\n"
    "BEGIN\n"
    "    EDITTEXT 30501, 7, 7, 306, 164, ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | "
    "WS_VSCROLL\n"
    "    DEFPUSHBUTTON \"OK\", 1, 135, 178, 50, 14\n"
    "END\n";

HINSTANCE coreResources() {
    static HINSTANCE module = nullptr;
    if (!module || !win::resourceModule(module)) module = win::loadResourceModuleFromText(kScript);
    return module;
}

class InfoDialog : public CDialog {
public:
    InfoDialog(const Mdx_String& title, const Mdx_String& button, const Mdx_String& text)
        : CDialog(kInfoDialogTemplate), m_title(title), m_button(button), m_text(text) {}

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetWindowText(m_title.c_str());
        if (CWnd* button = GetDlgItem(IDOK); button && !m_button.isEmpty())
            button->SetWindowText(m_button.c_str());
        // The edit control shows lines split at CR LF, as the text's own lines are.
        Mdx_String shown = m_text;
        shown.replace("\r\n", "\n", true);
        shown.replace("\n", "\r\n", true);
        if (CWnd* edit = GetDlgItem(kInfoDialogText)) edit->SetWindowText(shown.c_str());
        return TRUE;
    }

private:
    Mdx_String m_title, m_button, m_text;
};

}  // namespace

int ExportStartDlgInfo(const Mdx_String& title, const Mdx_String& buttonText,
                       const Mdx_String& text) {
    HINSTANCE module = coreResources();
    if (!module) return -1;
    win::addResourceSearchModule(module);
    InfoDialog dialog(title, buttonText, text);
    const int result = static_cast<int>(dialog.DoModal());
    win::removeResourceSearchModule(module);
    return result;
}
