#include "core/Mdx_Settings.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "MdxBuildPaths.h"
#include "win/FilePaths.h"
#include "win/InstalledData.h"
#include "win/Profile.h"

Mdx_Settings gSettings;

namespace {

// Relative folders are taken from the working directory of the moment they are set.
std::string absoluteFolder(const std::string& folder) {
    if (folder.empty()) return folder;
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(folder, ec);
    return ec ? folder : absolute.lexically_normal().string();
}

std::string environmentOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? absoluteFolder(value) : fallback;
}

std::string bundledLibrary() {
    return win::installedDataFolder("examples", std::string(MDX_SOURCE_DIR) + "/examples").string();
}

// Drive-letter form of a folder the path mapping serves: "L:\".
Mdx_String mappedDrive(char letter, const std::string& realFolder) {
    win::setDriveRoot(letter, realFolder);
    return Mdx_String(std::string(1, letter) + ":\\");
}

}  // namespace

Mdx_String Mdx_Settings::libDir() const {
    return mappedDrive(kLibraryDrive, libraryFolder());
}

Mdx_String Mdx_Settings::mdxDir() const {
    return mappedDrive(kProductDrive, productFolder());
}

std::string Mdx_Settings::libraryFolder() const {
    if (!m_libraryFolder.empty()) return m_libraryFolder;
    return environmentOr("MDX_LIBRARY", bundledLibrary());
}

std::string Mdx_Settings::productFolder() const {
    if (!m_productFolder.empty()) return m_productFolder;
    return environmentOr("MDX_PRODUCT", bundledLibrary());
}

std::string Mdx_Settings::profileFolder() const {
    return win::profileFolder().string();
}

void Mdx_Settings::setLibraryFolder(const std::string& folder) {
    m_libraryFolder = absoluteFolder(folder);
}

void Mdx_Settings::setProductFolder(const std::string& folder) {
    m_productFolder = absoluteFolder(folder);
}

void Mdx_Settings::setProfileFolder(const std::string& folder) {
    win::setProfileFolder(folder);
}

Mdx_DocumentSettings& Mdx_Settings::current() {
    return m_documents[m_currentDocument];
}

void Mdx_Settings::setCurrentDocument(const void* document) {
    m_currentDocument = document;
}

void Mdx_Settings::forgetDocument(const void* document) {
    m_documents.erase(document);
    if (m_currentDocument == document) m_currentDocument = nullptr;
}

void Mdx_Settings::reset() {
    m_libraryFolder.clear();
    m_productFolder.clear();
    m_currentDocument = nullptr;
    m_documents.clear();
    win::setProfileFolder({});
}
