#include "opm/OpmRegistration.h"

#include <string>
#include <vector>

#include "core/FileHelpers.h"
#include "core/KvTempResourceOverride.h"
#include "core/PathHelpers.h"
#include "core/StringHelpers.h"
#include "host/CommandLine.h"
#include "opm/OpmIdentities.h"
#include "win/Registry.h"
#include "win/ResourceModule.h"

namespace {

constexpr const char* kSiblingModule = "Pellix.arx";
constexpr const char* kIdentityFile = "RegistryIDs.dat";
constexpr const char* kTypeLibraryName = "Korvelt 1.0 Type Library";
constexpr const char* kProxyStub = "{00020424-0000-0000-C000-000000000046}";

Mdx_String moduleFolder() {
    char path[1024] = {};
    GetModuleFileName(KvTempResourceOverride::defaultResource(), path, sizeof path);
    return getPath(path);
}

// The default value of the key, created when missing.
bool writeKey(const std::string& key, const std::string& value) {
    HKEY handle = nullptr;
    if (RegCreateKeyEx(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                       KEY_ALL_ACCESS, nullptr, &handle, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG written =
        RegSetValueEx(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                      static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
    return written == ERROR_SUCCESS;
}

// A key whose parent or itself is absent is gone already; a deletion that fails (the store
// could not be written) leaves the key and is a failure.
bool removeKey(const std::string& key) {
    const std::size_t split = key.rfind('\\');
    const std::string parent = key.substr(0, split);
    const std::string leaf = key.substr(split + 1);
    HKEY handle = nullptr;
    const LONG opened = RegOpenKeyEx(HKEY_CLASSES_ROOT, parent.c_str(), 0, KEY_ALL_ACCESS, &handle);
    if (opened == ERROR_FILE_NOT_FOUND) return true;
    if (opened != ERROR_SUCCESS) return false;
    const LONG deleted = RegDeleteTree(handle, leaf.c_str());
    RegCloseKey(handle);
    return deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND;
}

std::vector<std::pair<std::string, std::string>> registrationKeys(const std::string& path) {
    const std::string typeLib = opm::guidText(opm::typeLibrary().id);
    std::vector<std::pair<std::string, std::string>> keys = {
        {"TypeLib\\" + typeLib + "\\1.1", kTypeLibraryName},
        {"TypeLib\\" + typeLib + "\\1.1\\0\\win32", path},
        {"TypeLib\\" + typeLib + "\\1.1\\9\\win32", path}};
    for (const ComIdentity& entry : opm::classes()) {
        const std::string key = "CLSID\\" + opm::guidText(entry.id);
        keys.push_back({key, std::string(entry.name) + " Class"});
        keys.push_back({key + "\\InProcServer32", path});
        keys.push_back({key + "\\Typelib", typeLib});
    }
    for (const ComIdentity& entry : opm::interfaces()) {
        const std::string key = "Interface\\" + opm::guidText(entry.id);
        keys.push_back({key, std::string(entry.name) + " Interface"});
        keys.push_back({key + "\\TypeLib", typeLib});
        keys.push_back({key + "\\ProxyStubClsid32", kProxyStub});
    }
    return keys;
}

// "{0x...,0x...,0x...,{0x..,...}};" from the registry text; empty when the text does not
// split into groups of 8, 4, 4, 4 and 12 digits.
std::string initialiserOf(const std::string& text) {
    if (text.size() != 38 || text.front() != '{' || text.back() != '}') return {};
    const Mdx_StringArray groups = strToArr(text.substr(1, 36).c_str(), "-");
    const int lengths[] = {8, 4, 4, 4, 12};
    if (groups.length() != 5) return {};
    for (int i = 0; i < 5; ++i)
        if (groups[i].length() != lengths[i]) return {};
    std::string result = "{0x" + std::string(groups[0].c_str()) + ",0x" + groups[1].c_str() +
                         ",0x" + groups[2].c_str() + ",{";
    const std::string bytes = std::string(groups[3].c_str()) + groups[4].c_str();
    for (std::size_t i = 0; i < bytes.size(); i += 2)
        result += (i ? ",0x" : "0x") + bytes.substr(i, 2);
    return result + "}};";
}

}  // namespace

Acad::ErrorStatus SSregisterOpmCLSIDs() {
    KvTempResourceOverride resources;
    const Mdx_String path = moduleFolder() + kSiblingModule;
    if (!fileExists(path)) return Acad::eInvalidInput;
    bool allWritten = true;
    for (const auto& [key, value] : registrationKeys(path.c_str()))
        allWritten = writeKey(key, value) && allWritten;
    return allWritten ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus SScleanupComRegistry() {
    KvTempResourceOverride resources;
    std::vector<std::string> keys = {"TypeLib\\" + opm::guidText(opm::typeLibrary().id)};
    for (const ComIdentity& entry : opm::classes())
        keys.push_back("CLSID\\" + opm::guidText(entry.id));
    for (const ComIdentity& entry : opm::interfaces())
        keys.push_back("Interface\\" + opm::guidText(entry.id));
    bool allRemoved = true;
    for (const std::string& key : keys) allRemoved = removeKey(key) && allRemoved;
    return allRemoved ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus SSprintCLSIDs() {
    KvTempResourceOverride resources;
    for (const ComIdentity& entry : opm::classes()) {
        const std::string initialiser = initialiserOf(opm::guidText(entry.id));
        if (!initialiser.empty())
            acutPrintf("\nconst cCLSID CLSID_%s = %s", entry.name, initialiser.c_str());
    }
    Mdx_StringArray lines;
    lines.append(("TypeLib_=" + opm::guidText(opm::typeLibrary().id)).c_str());
    for (const ComIdentity& entry : opm::classes())
        lines.append(("Class_" + std::string(entry.name) + "=" + opm::guidText(entry.id)).c_str());
    for (const ComIdentity& entry : opm::interfaces())
        lines.append(
            ("Interface_" + std::string(entry.name) + "=" + opm::guidText(entry.id)).c_str());
    // The identity list is what the build of the sibling module reads; not having written it
    // is a failure the caller must hear of.
    if (!ObjectExportWriteFile(moduleFolder() + kIdentityFile, lines)) return Acad::eInvalidInput;
    return Acad::eOk;
}
