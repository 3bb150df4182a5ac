#include "win/ResourceModule.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <set>

#include "win/FilePaths.h"

namespace fs = std::filesystem;

namespace win {
namespace {

struct ModuleTable {
    std::map<UINT_PTR, std::unique_ptr<ResourceModule>> modules;
    std::vector<HINSTANCE> chain;
    HINSTANCE current = nullptr;
    HINSTANCE instance = nullptr;
    UINT_PTR next = 0x400000;
};

ModuleTable& table() {
    static ModuleTable t;
    return t;
}

HINSTANCE addModule(std::unique_ptr<ResourceModule> module) {
    auto& t = table();
    const UINT_PTR key = t.next;
    t.next += 0x10000;
    t.modules.emplace(key, std::move(module));
    return reinterpret_cast<HINSTANCE>(key);
}

bool hasExtension(const fs::path& p, const char* ext) {
    std::string e = p.extension().string();
    for (char& c : e)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return e == ext;
}

std::vector<fs::path> filesWith(const fs::path& folder, const char* ext) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec) && hasExtension(it->path(), ext)) files.push_back(it->path());
    std::sort(files.begin(), files.end());
    return files;
}

void readHeaderFile(const fs::path& file, SymbolTable& symbols, ResourceModule& module,
                    std::set<fs::path>& done) {
    if (!done.insert(file).second) return;
    std::string text;
    if (!readWholeFile(file, text)) {
        module.errors.push_back(file.string() + ": cannot be read");
        return;
    }
    symbols.readHeader(text, file.filename().string(), module.errors);
}

}  // namespace

HINSTANCE loadResourceModule(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return nullptr;
    const fs::path canonical = fs::weakly_canonical(folder, ec);
    for (auto& [key, module] : table().modules)
        if (module->folder == canonical) return reinterpret_cast<HINSTANCE>(key);
    auto module = std::make_unique<ResourceModule>();
    module->folder = canonical;
    SymbolTable symbols;
    std::set<fs::path> headersRead;
    for (const fs::path& header : filesWith(canonical, ".h"))
        readHeaderFile(header, symbols, *module, headersRead);
    for (const fs::path& script : filesWith(canonical, ".rc")) {
        std::string text;
        if (!readWholeFile(script, text)) {
            module->errors.push_back(script.string() + ": cannot be read");
            continue;
        }
        for (const std::string& include : scriptIncludes(text)) {
            const fs::path header = mapPath((canonical / include).string());
            if (fs::is_regular_file(header, ec))
                readHeaderFile(header, symbols, *module, headersRead);
        }
        readResourceScript(text, script.filename().string(), symbols, module->script);
    }
    for (auto& e : module->script.errors) module->errors.push_back(e);
    module->fileName = (canonical / "module").string();
    return addModule(std::move(module));
}

HINSTANCE loadResourceModuleFromText(std::string_view script, std::string_view header,
                                     const fs::path& folder) {
    auto module = std::make_unique<ResourceModule>();
    module->folder = folder;
    SymbolTable symbols;
    if (!header.empty()) symbols.readHeader(header, "header", module->errors);
    readResourceScript(script, "script", symbols, module->script);
    for (auto& e : module->script.errors) module->errors.push_back(e);
    return addModule(std::move(module));
}

const ResourceModule* resourceModule(HINSTANCE module) {
    auto& modules = table().modules;
    auto it = modules.find(reinterpret_cast<UINT_PTR>(module));
    return it == modules.end() ? nullptr : it->second.get();
}

void setModuleFileName(HINSTANCE module, const std::string& fileName) {
    auto& modules = table().modules;
    auto it = modules.find(reinterpret_cast<UINT_PTR>(module));
    if (it != modules.end()) it->second->fileName = fileName;
}

fs::path resourceFilePath(const ResourceModule& module, const std::string& written) {
    if (written.size() > 1 && (written[1] == ':' || written[0] == '/' || written[0] == '\\'))
        return mapPath(written);
    return mapPath((module.folder / "").string() + written);
}

void addResourceSearchModule(HINSTANCE module) {
    auto& chain = table().chain;
    if (resourceModule(module) && std::find(chain.begin(), chain.end(), module) == chain.end())
        chain.push_back(module);
}

void removeResourceSearchModule(HINSTANCE module) {
    std::erase(table().chain, module);
}

namespace {

bool moduleHas(HINSTANCE handle, UINT id, int kind) {
    const ResourceModule* m = resourceModule(handle);
    if (!m) return false;
    switch (kind) {
        case kDialogResource:
            return m->script.dialogs.count(id) != 0;
        case kStringResource:
            return m->script.strings.count(id) != 0;
        case kBitmapResource:
            return m->script.bitmapFiles.count(id) != 0;
        case kIconResource:
            return m->script.iconFiles.count(id) != 0;
        default:
            return false;
    }
}

}  // namespace

HINSTANCE findResourceModule(UINT id, int kind) {
    auto& t = table();
    if (moduleHas(t.current, id, kind)) return t.current;
    for (HINSTANCE m : t.chain)
        if (moduleHas(m, id, kind)) return m;
    if (moduleHas(t.instance, id, kind)) return t.instance;
    return nullptr;
}

const DialogTemplate* findDialogTemplate(HINSTANCE module, UINT id) {
    const ResourceModule* m = resourceModule(module);
    if (!m) return nullptr;
    auto it = m->script.dialogs.find(id);
    return it == m->script.dialogs.end() ? nullptr : &it->second;
}

void resetResourceModules() {
    table() = ModuleTable{};
}

}  // namespace win

HINSTANCE AfxGetResourceHandle() {
    return win::table().current;
}
void AfxSetResourceHandle(HINSTANCE module) {
    win::table().current = module;
}
HINSTANCE AfxGetInstanceHandle() {
    return win::table().instance;
}
void AfxSetInstanceHandle(HINSTANCE module) {
    win::table().instance = module;
}

HINSTANCE AfxFindResourceHandle(LPCSTR name, int kind) {
    if (!IS_INTRESOURCE(name)) return AfxGetResourceHandle();
    HINSTANCE found =
        win::findResourceModule(static_cast<UINT>(reinterpret_cast<UINT_PTR>(name)), kind);
    return found ? found : AfxGetResourceHandle();
}

int LoadString(HINSTANCE module, UINT id, LPSTR buffer, int bufferSize) {
    const win::ResourceModule* m = win::resourceModule(module);
    if (!m || !buffer || bufferSize <= 0) return 0;
    auto it = m->script.strings.find(id);
    if (it == m->script.strings.end()) {
        buffer[0] = '\0';
        return 0;
    }
    const std::size_t n =
        std::min<std::size_t>(it->second.size(), static_cast<std::size_t>(bufferSize - 1));
    std::memcpy(buffer, it->second.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

DWORD GetModuleFileName(HMODULE module, LPSTR buffer, DWORD bufferSize) {
    const win::ResourceModule* m = win::resourceModule(module ? module : AfxGetInstanceHandle());
    if (!m || !buffer || bufferSize == 0) return 0;
    const std::size_t n = std::min<std::size_t>(m->fileName.size(), bufferSize - 1);
    std::memcpy(buffer, m->fileName.data(), n);
    buffer[n] = '\0';
    return static_cast<DWORD>(n);
}
