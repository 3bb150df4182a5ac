#pragma once

// Where the module finds its library and its product installation, and the settings of the
// current document.
//
// Folders are reported in module path form, ending in a backslash. Each real folder is made
// reachable through a drive letter of the path mapping (win/FilePaths.h): the library is
// "L:\", the product folder "M:\". Paths built from them ("L:\Connection Standards\x.kvs")
// therefore keep the Windows shape the module expects and work wherever the folders really
// are.
//
// Real folders come from, in this order: a setter below (the command line calls these), the
// environment (MDX_LIBRARY, MDX_PRODUCT, MDX_PROFILE), the defaults: the bundled sample library
// "examples/" of the source tree for both library and product; the profile folder default is
// the window system's (win/Profile.h).

#include <map>
#include <string>

#include "core/Mdx_String.h"

class Mdx_DocumentSettings {
public:
    // Whether the standards calculation may tell the user about failed equations and cells.
    bool standardsMessages() const { return m_standardsMessages; }
    void setStandardsMessages(bool on) { m_standardsMessages = on; }

private:
    bool m_standardsMessages = true;
};

class Mdx_Settings {
public:
    static constexpr char kLibraryDrive = 'L';
    static constexpr char kProductDrive = 'M';

    // "L:\" and "M:\"; asking also (re)installs the drive mapping of the real folder.
    Mdx_String libDir() const;
    Mdx_String mdxDir() const;

    // Real folders (UTF-8 file-system paths). An empty path returns to environment / default.
    std::string libraryFolder() const;
    std::string productFolder() const;
    std::string profileFolder() const;
    void setLibraryFolder(const std::string& folder);
    void setProductFolder(const std::string& folder);
    void setProfileFolder(const std::string& folder);

    // Settings of the document in use. Documents are told apart by an opaque key (the
    // host's database); before any document is selected there is one default document.
    Mdx_DocumentSettings& current();
    void setCurrentDocument(const void* document);
    void forgetDocument(const void* document);

    // Back to environment and defaults, one default document.
    void reset();

private:
    std::string m_libraryFolder;
    std::string m_productFolder;
    const void* m_currentDocument = nullptr;
    std::map<const void*, Mdx_DocumentSettings> m_documents;
};

extern Mdx_Settings gSettings;
