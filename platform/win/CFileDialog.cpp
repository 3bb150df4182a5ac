#include "win/CFileDialog.h"

#include <filesystem>

#include "win/FilePaths.h"
#include "win/UserSteps.h"

namespace {

std::size_t lastSeparator(const std::string& path) {
    return path.find_last_of("\\/");
}

std::string nameOf(const std::string& path) {
    const std::size_t at = lastSeparator(path);
    return at == std::string::npos ? path : path.substr(at + 1);
}

}  // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, LPCSTR defaultExtension, LPCSTR fileName, DWORD flags,
                         LPCSTR filter, CWnd* parent)
    : open_(openFileDialog != FALSE),
      defaultExtension_(defaultExtension ? defaultExtension : ""),
      fileName_(fileName ? fileName : ""),
      filter_(filter ? filter : "") {
    m_ofn.Flags = flags;
    m_ofn.hwndOwner = parent ? parent->m_hWnd : nullptr;
    m_ofn.lpstrFilter = filter_.c_str();
    m_ofn.lpstrDefExt = defaultExtension_.empty() ? nullptr : defaultExtension_.c_str();
}

INT_PTR CFileDialog::DoModal() {
    chosen_.clear();
    win::FileDialogRecord record;
    record.open = open_;
    record.title = m_ofn.lpstrTitle ? m_ofn.lpstrTitle : "";
    record.initialFolder = m_ofn.lpstrInitialDir ? m_ofn.lpstrInitialDir : "";
    record.fileName = fileName_;
    record.defaultExtension = m_ofn.lpstrDefExt ? m_ofn.lpstrDefExt : "";
    record.filter = m_ofn.lpstrFilter ? m_ofn.lpstrFilter : "";
    record.flags = m_ofn.Flags;
    win::detail::Step step;
    std::vector<std::string> answer;
    win::user::UserPrompt prompt;
    prompt.kind = win::user::UserPrompt::Kind::FileDialog;
    prompt.fileDialog = &record;
    if (win::detail::takeStep(win::detail::StepKind::FileAnswer, step, prompt) && !step.cancel)
        answer = step.paths;
    if (answer.size() > 1 && !(m_ofn.Flags & OFN_ALLOWMULTISELECT)) {
        win::detail::recordFailure("the file dialog takes one file only");
        answer.clear();
    }
    for (std::string& path : answer) {
        if (!open_ && !record.defaultExtension.empty() &&
            nameOf(path).find('.') == std::string::npos)
            path += "." + record.defaultExtension;
        std::error_code ec;
        if (open_ && (m_ofn.Flags & OFN_FILEMUSTEXIST) &&
            !std::filesystem::is_regular_file(win::mapPath(path), ec)) {
            win::detail::recordFailure("the file \"" + path + "\" does not exist");
            answer.clear();
            break;
        }
    }
    chosen_ = answer;
    record.chosen = chosen_;
    win::detail::fileDialogLog().push_back(record);
    return chosen_.empty() ? IDCANCEL : IDOK;
}

std::string CFileDialog::GetPathName() const {
    return chosen_.empty() ? std::string() : chosen_.front();
}
std::string CFileDialog::GetFileName() const {
    return nameOf(GetPathName());
}
std::string CFileDialog::GetFileExt() const {
    const std::string name = GetFileName();
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}
std::string CFileDialog::GetFileTitle() const {
    const std::string name = GetFileName();
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}
std::string CFileDialog::GetFolderPath() const {
    const std::string path = GetPathName();
    const std::size_t at = lastSeparator(path);
    return at == std::string::npos ? std::string() : path.substr(0, at);
}
POSITION CFileDialog::GetStartPosition() const {
    return chosen_.empty() ? nullptr : reinterpret_cast<POSITION>(static_cast<UINT_PTR>(1));
}
std::string CFileDialog::GetNextPathName(POSITION& position) const {
    const UINT_PTR at = reinterpret_cast<UINT_PTR>(position);
    if (at == 0 || at > chosen_.size()) {
        position = nullptr;
        return std::string();
    }
    position = at < chosen_.size() ? reinterpret_cast<POSITION>(at + 1) : nullptr;
    return chosen_[at - 1];
}
