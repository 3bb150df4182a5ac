#include "win/Registry.h"

#include <cstring>
#include <filesystem>
#include <map>
#include <vector>

#include "win/FilePaths.h"
#include "win/Profile.h"
#include "win/RegistryTree.h"

namespace fs = std::filesystem;
using win::detail::lowerKeyName;
using win::detail::RegistryKey;
using win::detail::RegistryValue;

const HKEY HKEY_CLASSES_ROOT = reinterpret_cast<HKEY>(static_cast<UINT_PTR>(0x80000000u));
const HKEY HKEY_CURRENT_USER = reinterpret_cast<HKEY>(static_cast<UINT_PTR>(0x80000001u));
const HKEY HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(static_cast<UINT_PTR>(0x80000002u));
const HKEY HKEY_USERS = reinterpret_cast<HKEY>(static_cast<UINT_PTR>(0x80000003u));

namespace {

struct OpenKey {
    std::string root;
    std::vector<std::string> path;
    REGSAM access = KEY_ALL_ACCESS;
};

struct Registry {
    win::detail::RegistryRoots roots;
    std::map<UINT_PTR, OpenKey> handles;
    UINT_PTR next = 0x10000000;
    fs::path loadedFrom;
    bool loaded = false;
    bool storeUnreadable = false;
    int badLines = 0;
};

Registry& registry() {
    static Registry r;
    return r;
}

fs::path storePath() {
    return win::profileFolder() / "registry.txt";
}

void load(Registry& r) {
    const fs::path path = storePath();
    r.roots = win::detail::RegistryRoots{};
    r.handles.clear();
    r.loadedFrom = path;
    r.loaded = true;
    r.storeUnreadable = false;
    r.badLines = 0;
    std::string text;
    std::error_code ec;
    if (!fs::exists(path, ec)) return;
    if (!win::readWholeFile(path, text) ||
        !win::detail::readRegistryFile(text, r.roots, r.badLines))
        r.storeUnreadable = true;
}

Registry& current() {
    Registry& r = registry();
    if (!r.loaded || r.loadedFrom != storePath()) load(r);
    return r;
}

bool save(Registry& r) {
    if (!win::ensureProfileFolder()) return false;
    std::error_code ec;
    if (r.storeUnreadable) {
        fs::rename(r.loadedFrom, fs::path(r.loadedFrom.string() + ".unreadable"), ec);
        if (ec) return false;
        r.storeUnreadable = false;
    }
    return win::writeWholeFileAtomic(r.loadedFrom, win::detail::writeRegistryFile(r.roots));
}

// Changes to the tree go through here: a change that cannot be saved is undone.
template <class Change>
LONG persist(Registry& r, Change&& change) {
    std::string before = win::detail::writeRegistryFile(r.roots);
    const LONG result = change();
    if (result != ERROR_SUCCESS) return result;
    if (save(r)) return ERROR_SUCCESS;
    int ignored = 0;
    win::detail::readRegistryFile(before, r.roots, ignored);
    return ERROR_WRITE_FAULT;
}

std::vector<std::string> split(LPCSTR subKey) {
    std::vector<std::string> parts;
    if (!subKey) return parts;
    std::string part;
    for (const char* p = subKey; *p; ++p) {
        if (*p == '\\') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += *p;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

const char* rootName(HKEY key) {
    if (key == HKEY_CLASSES_ROOT) return "HKEY_CLASSES_ROOT";
    if (key == HKEY_CURRENT_USER) return "HKEY_CURRENT_USER";
    if (key == HKEY_LOCAL_MACHINE) return "HKEY_LOCAL_MACHINE";
    if (key == HKEY_USERS) return "HKEY_USERS";
    return nullptr;
}

// The key a handle stands for; null with the error when it is not (or no longer) there.
bool resolveHandle(Registry& r, HKEY key, OpenKey& out, LONG& error) {
    if (const char* root = rootName(key)) {
        out = OpenKey{root, {}, KEY_ALL_ACCESS};
        return true;
    }
    auto it = r.handles.find(reinterpret_cast<UINT_PTR>(key));
    if (it == r.handles.end()) {
        error = ERROR_INVALID_HANDLE;
        return false;
    }
    out = it->second;
    return true;
}

RegistryKey* walk(Registry& r, const OpenKey& at, const std::vector<std::string>& more, bool create,
                  bool* created) {
    RegistryKey* key = r.roots.byName(at.root);
    std::vector<std::string> path = at.path;
    path.insert(path.end(), more.begin(), more.end());
    for (const std::string& part : path) {
        if (!key) return nullptr;
        auto& subs = key->subkeys;
        auto it = subs.find(lowerKeyName(part));
        if (it == subs.end()) {
            if (!create) return nullptr;
            auto sub = std::make_unique<RegistryKey>();
            sub->name = part;
            it = subs.emplace(lowerKeyName(part), std::move(sub)).first;
            if (created) *created = true;
        }
        key = it->second.get();
    }
    return key;
}

RegistryKey* keyOf(Registry& r, HKEY handle, REGSAM needed, LONG& error) {
    OpenKey open;
    error = ERROR_SUCCESS;
    if (!resolveHandle(r, handle, open, error)) return nullptr;
    if ((open.access & needed) != needed) {
        error = ERROR_ACCESS_DENIED;
        return nullptr;
    }
    RegistryKey* key = walk(r, open, {}, false, nullptr);
    if (!key) error = ERROR_KEY_DELETED;
    return key;
}

HKEY newHandle(Registry& r, const OpenKey& at, const std::vector<std::string>& more,
               REGSAM access) {
    OpenKey open = at;
    open.path.insert(open.path.end(), more.begin(), more.end());
    open.access = access;
    const UINT_PTR id = r.next;
    r.next += 4;
    r.handles.emplace(id, std::move(open));
    return reinterpret_cast<HKEY>(id);
}

LONG copyOut(const std::string& bytes, LPBYTE data, LPDWORD size) {
    if (!size) return data ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    const DWORD needed = static_cast<DWORD>(bytes.size());
    if (data && *size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    if (data) std::memcpy(data, bytes.data(), bytes.size());
    *size = needed;
    return ERROR_SUCCESS;
}

LONG copyName(const std::string& name, LPSTR out, LPDWORD size) {
    if (!out || !size) return ERROR_INVALID_PARAMETER;
    if (*size < name.size() + 1) {
        *size = static_cast<DWORD>(name.size() + 1);
        return ERROR_MORE_DATA;
    }
    std::memcpy(out, name.c_str(), name.size() + 1);
    *size = static_cast<DWORD>(name.size());
    return ERROR_SUCCESS;
}

}  // namespace

LONG RegCreateKeyEx(HKEY key, LPCSTR subKey, DWORD, LPSTR, DWORD, REGSAM access, void*,
                    PHKEY result, LPDWORD disposition) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    Registry& r = current();
    OpenKey at;
    LONG error = ERROR_SUCCESS;
    if (!resolveHandle(r, key, at, error)) return error;
    if (!walk(r, at, {}, false, nullptr)) return ERROR_KEY_DELETED;
    const auto parts = split(subKey);
    for (const auto& part : parts)
        if (part.size() > 255) return ERROR_INVALID_PARAMETER;
    bool created = false;
    if (!walk(r, at, parts, false, nullptr)) {
        if ((at.access & KEY_CREATE_SUB_KEY) == 0) return ERROR_ACCESS_DENIED;
        const LONG saved = persist(r, [&] {
            walk(r, at, parts, true, &created);
            return ERROR_SUCCESS;
        });
        if (saved != ERROR_SUCCESS) return saved;
    }
    if (disposition) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    *result = newHandle(r, at, parts, access ? access : KEY_ALL_ACCESS);
    return ERROR_SUCCESS;
}

LONG RegCreateKey(HKEY key, LPCSTR subKey, PHKEY result) {
    return RegCreateKeyEx(key, subKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, result, nullptr);
}

LONG RegOpenKeyEx(HKEY key, LPCSTR subKey, DWORD, REGSAM access, PHKEY result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    Registry& r = current();
    OpenKey at;
    LONG error = ERROR_SUCCESS;
    if (!resolveHandle(r, key, at, error)) return error;
    const auto parts = split(subKey);
    if (!walk(r, at, parts, false, nullptr)) return ERROR_FILE_NOT_FOUND;
    *result = newHandle(r, at, parts, access ? access : KEY_READ);
    return ERROR_SUCCESS;
}

LONG RegOpenKey(HKEY key, LPCSTR subKey, PHKEY result) {
    return RegOpenKeyEx(key, subKey, 0, KEY_ALL_ACCESS, result);
}

LONG RegCloseKey(HKEY key) {
    if (rootName(key)) return ERROR_SUCCESS;
    return current().handles.erase(reinterpret_cast<UINT_PTR>(key)) ? ERROR_SUCCESS
                                                                    : ERROR_INVALID_HANDLE;
}

LONG RegSetValueEx(HKEY key, LPCSTR valueName, DWORD, DWORD type, const BYTE* data, DWORD size) {
    if (!data && size) return ERROR_INVALID_PARAMETER;
    Registry& r = current();
    LONG error = ERROR_SUCCESS;
    RegistryKey* target = keyOf(r, key, KEY_SET_VALUE, error);
    if (!target) return error;
    RegistryValue value;
    value.name = valueName ? valueName : "";
    value.type = type;
    value.bytes.assign(
        reinterpret_cast<const char*>(data ? data : reinterpret_cast<const BYTE*>("")), size);
    return persist(r, [&] {
        target->values[lowerKeyName(value.name)] = value;
        return ERROR_SUCCESS;
    });
}

LONG RegQueryValueEx(HKEY key, LPCSTR valueName, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD size) {
    Registry& r = current();
    LONG error = ERROR_SUCCESS;
    RegistryKey* target = keyOf(r, key, KEY_QUERY_VALUE, error);
    if (!target) return error;
    auto it = target->values.find(lowerKeyName(valueName ? valueName : ""));
    if (it == target->values.end()) return ERROR_FILE_NOT_FOUND;
    if (type) *type = it->second.type;
    return copyOut(it->second.bytes, data, size);
}

LONG RegSetValue(HKEY key, LPCSTR subKey, DWORD type, LPCSTR data, DWORD) {
    if (type != REG_SZ || !data) return ERROR_INVALID_PARAMETER;
    HKEY sub = nullptr;
    LONG result =
        RegCreateKeyEx(key, subKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub, nullptr);
    if (result != ERROR_SUCCESS) return result;
    result = RegSetValueEx(sub, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                           static_cast<DWORD>(std::strlen(data) + 1));
    RegCloseKey(sub);
    return result;
}

LONG RegQueryValue(HKEY key, LPCSTR subKey, LPSTR data, PLONG size) {
    HKEY sub = nullptr;
    LONG result = RegOpenKeyEx(key, subKey, 0, KEY_READ, &sub);
    if (result != ERROR_SUCCESS) return result;
    DWORD n = size ? static_cast<DWORD>(*size) : 0;
    result = RegQueryValueEx(sub, nullptr, nullptr, nullptr, reinterpret_cast<LPBYTE>(data),
                             size ? &n : nullptr);
    if (size) *size = static_cast<LONG>(n);
    RegCloseKey(sub);
    return result;
}

LONG RegDeleteValue(HKEY key, LPCSTR valueName) {
    Registry& r = current();
    LONG error = ERROR_SUCCESS;
    RegistryKey* target = keyOf(r, key, KEY_SET_VALUE, error);
    if (!target) return error;
    const std::string name = lowerKeyName(valueName ? valueName : "");
    if (!target->values.count(name)) return ERROR_FILE_NOT_FOUND;
    return persist(r, [&] {
        target->values.erase(name);
        return ERROR_SUCCESS;
    });
}

namespace {

LONG deleteKey(HKEY key, LPCSTR subKey, bool tree) {
    Registry& r = current();
    OpenKey at;
    LONG error = ERROR_SUCCESS;
    if (!resolveHandle(r, key, at, error)) return error;
    auto parts = split(subKey);
    if (parts.empty() && !tree) return ERROR_INVALID_PARAMETER;  // a root or the key itself
    if (parts.empty()) {
        // The tree below an open key: its subkeys and values go, the key stays.
        RegistryKey* target = walk(r, at, {}, false, nullptr);
        if (!target) return ERROR_KEY_DELETED;
        return persist(r, [&] {
            target->subkeys.clear();
            target->values.clear();
            return ERROR_SUCCESS;
        });
    }
    const std::string leaf = parts.back();
    parts.pop_back();
    RegistryKey* parent = walk(r, at, parts, false, nullptr);
    if (!parent) return ERROR_FILE_NOT_FOUND;
    auto it = parent->subkeys.find(lowerKeyName(leaf));
    if (it == parent->subkeys.end()) return ERROR_FILE_NOT_FOUND;
    if (!tree && !it->second->subkeys.empty()) return ERROR_ACCESS_DENIED;
    return persist(r, [&] {
        parent->subkeys.erase(it);
        return ERROR_SUCCESS;
    });
}

}  // namespace

LONG RegDeleteKey(HKEY key, LPCSTR subKey) {
    return deleteKey(key, subKey, false);
}
LONG RegDeleteTree(HKEY key, LPCSTR subKey) {
    return deleteKey(key, subKey, true);
}

LONG RegEnumKeyEx(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD, LPSTR, LPDWORD,
                  void*) {
    Registry& r = current();
    LONG error = ERROR_SUCCESS;
    RegistryKey* target = keyOf(r, key, KEY_ENUMERATE_SUB_KEYS, error);
    if (!target) return error;
    if (index >= target->subkeys.size()) return ERROR_NO_MORE_ITEMS;
    auto it = target->subkeys.begin();
    std::advance(it, index);
    return copyName(it->second->name, name, nameSize);
}

LONG RegEnumValue(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD, LPDWORD type,
                  LPBYTE data, LPDWORD dataSize) {
    Registry& r = current();
    LONG error = ERROR_SUCCESS;
    RegistryKey* target = keyOf(r, key, KEY_QUERY_VALUE, error);
    if (!target) return error;
    if (index >= target->values.size()) return ERROR_NO_MORE_ITEMS;
    auto it = target->values.begin();
    std::advance(it, index);
    const LONG named = copyName(it->second.name, name, nameSize);
    if (named != ERROR_SUCCESS) return named;
    if (type) *type = it->second.type;
    return copyOut(it->second.bytes, data, dataSize);
}

LONG RegFlushKey(HKEY key) {
    Registry& r = current();
    OpenKey at;
    LONG error = ERROR_SUCCESS;
    if (!resolveHandle(r, key, at, error)) return error;
    return ERROR_SUCCESS;  // every change is already on disk
}

namespace win {

void reloadRegistry() {
    load(registry());
}
int registryBadLines() {
    return current().badLines;
}
std::string registryStorePath() {
    return storePath().string();
}

}  // namespace win
