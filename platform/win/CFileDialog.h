#pragma once
// The open and save file dialogs. Each one is recorded (open or save, title, folder, file
// name, filter, flags) and answered by the scripted user with module paths, else cancelled.
// A chosen save name without an extension gets the default extension; an open dialog with
// OFN_FILEMUSTEXIST refuses a file that does not exist, and only OFN_ALLOWMULTISELECT takes
// more than one file (a refusal is a script failure and cancels the dialog).
#include <string>
#include <vector>

#include "win/CWnd.h"

using POSITION = void*;
using INT_PTR = LONG_PTR;

inline constexpr DWORD OFN_READONLY = 0x00000001;
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
inline constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
inline constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;
inline constexpr DWORD OFN_ALLOWMULTISELECT = 0x00000200;
inline constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
inline constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
inline constexpr DWORD OFN_EXPLORER = 0x00080000;

struct OPENFILENAME {
    DWORD lStructSize = sizeof(OPENFILENAME);
    HWND hwndOwner = nullptr;
    LPCSTR lpstrFilter = nullptr;
    DWORD nFilterIndex = 1;
    LPCSTR lpstrInitialDir = nullptr;
    LPCSTR lpstrTitle = nullptr;
    DWORD Flags = 0;
    LPCSTR lpstrDefExt = nullptr;
};

class CFileDialog {
public:
    CFileDialog(BOOL openFileDialog, LPCSTR defaultExtension = nullptr, LPCSTR fileName = nullptr,
                DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR filter = nullptr,
                CWnd* parent = nullptr);
    virtual ~CFileDialog() = default;

    OPENFILENAME m_ofn;

    virtual INT_PTR DoModal();
    std::string GetPathName() const;
    std::string GetFileName() const;
    std::string GetFileExt() const;
    std::string GetFileTitle() const;
    std::string GetFolderPath() const;
    POSITION GetStartPosition() const;
    std::string GetNextPathName(POSITION& position) const;

private:
    bool open_;
    std::string defaultExtension_;
    std::string fileName_;
    std::string filter_;
    std::vector<std::string> chosen_;
};
