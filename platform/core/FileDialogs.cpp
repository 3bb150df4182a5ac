#include "core/FileDialogs.h"

#include "win/CFileDialog.h"

namespace {

std::string filterFor(const Mdx_String& extension, const Mdx_String& description) {
    if (description.find("|", true) >= 0) return description.str();
    const std::string pattern = extension.isEmpty() ? "*.*" : "*." + extension.str();
    const std::string shown = description.isEmpty() ? pattern : description.str();
    return shown + "|" + pattern + "||";
}

void prepare(CFileDialog& dialog, const std::string& folder, const std::string& title) {
    dialog.m_ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.m_ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
}

}  // namespace

bool DlgOpenSave(bool open, const Mdx_String& extension, const Mdx_String& description,
                 const Mdx_String& initialFolder, Mdx_String& path, const Mdx_String& title,
                 CWnd* parent) {
    const std::string filter = filterFor(extension, description);
    const DWORD flags = OFN_HIDEREADONLY | (open ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
    CFileDialog dialog(open ? TRUE : FALSE, extension.isEmpty() ? nullptr : extension.c_str(),
                       path.isEmpty() ? nullptr : path.c_str(), flags, filter.c_str(), parent);
    const std::string folder = initialFolder.str(), caption = title.str();
    prepare(dialog, folder, caption);
    if (dialog.DoModal() != IDOK) return false;
    const std::string chosen = dialog.GetPathName();
    if (chosen.empty()) return false;
    path = Mdx_String(chosen);
    return true;
}

bool DlgOpenMulti(const Mdx_String& extension, const Mdx_String& description,
                  const Mdx_String& initialFolder, const Mdx_String& title, Mdx_StringArray& paths,
                  CWnd* parent) {
    const std::string filter = filterFor(extension, description);
    CFileDialog dialog(TRUE, extension.isEmpty() ? nullptr : extension.c_str(), nullptr,
                       OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT, filter.c_str(),
                       parent);
    const std::string folder = initialFolder.str(), caption = title.str();
    prepare(dialog, folder, caption);
    if (dialog.DoModal() != IDOK) return false;
    Mdx_StringArray chosen;
    for (POSITION at = dialog.GetStartPosition(); at != nullptr;)
        chosen.append(Mdx_String(dialog.GetNextPathName(at)));
    if (chosen.isEmpty()) return false;
    paths = chosen;
    return true;
}
