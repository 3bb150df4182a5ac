#pragma once
// The registry: key trees under HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE and
// HKEY_USERS with typed values, kept in the profile folder (file "registry.txt", format in
// RegistryTree.h). Every change is written through at once, atomically; a change that
// cannot be saved is undone and reported as ERROR_WRITE_FAULT. Key and value names ignore
// ASCII letter case. A store that exists but cannot be read is kept aside as
// "registry.txt.unreadable" before the first write, never overwritten.
#include <string>

#include "win/WinTypes.h"

using REGSAM = DWORD;
using PLONG = LONG*;

extern const HKEY HKEY_CLASSES_ROOT;
extern const HKEY HKEY_CURRENT_USER;
extern const HKEY HKEY_LOCAL_MACHINE;
extern const HKEY HKEY_USERS;

inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;
inline constexpr LONG ERROR_ACCESS_DENIED = 5;
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_WRITE_FAULT = 29;
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;
inline constexpr LONG ERROR_MORE_DATA = 234;
inline constexpr LONG ERROR_NO_MORE_ITEMS = 259;
inline constexpr LONG ERROR_KEY_DELETED = 1018;

inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_EXPAND_SZ = 2;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;
inline constexpr DWORD REG_MULTI_SZ = 7;

inline constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
inline constexpr REGSAM KEY_SET_VALUE = 0x0002;
inline constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
inline constexpr REGSAM KEY_READ = 0x20019;
inline constexpr REGSAM KEY_WRITE = 0x20006;
inline constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;
inline constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
inline constexpr DWORD REG_CREATED_NEW_KEY = 1;
inline constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

LONG RegCreateKeyEx(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options,
                    REGSAM access, void* security, PHKEY result, LPDWORD disposition);
LONG RegCreateKey(HKEY key, LPCSTR subKey, PHKEY result);
LONG RegOpenKeyEx(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result);
LONG RegOpenKey(HKEY key, LPCSTR subKey, PHKEY result);
LONG RegCloseKey(HKEY key);
LONG RegSetValueEx(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                   DWORD size);
LONG RegQueryValueEx(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                     LPDWORD size);
// The default value of a subkey (created when missing), as REG_SZ.
LONG RegSetValue(HKEY key, LPCSTR subKey, DWORD type, LPCSTR data, DWORD size);
LONG RegQueryValue(HKEY key, LPCSTR subKey, LPSTR data, PLONG size);
LONG RegDeleteValue(HKEY key, LPCSTR valueName);
// Refuses (ERROR_ACCESS_DENIED) a key that still has subkeys, as the real call does.
LONG RegDeleteKey(HKEY key, LPCSTR subKey);
// Removes the key with all its subkeys and values.
LONG RegDeleteTree(HKEY key, LPCSTR subKey);
LONG RegEnumKeyEx(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD reserved,
                  LPSTR keyClass, LPDWORD classSize, void* lastWriteTime);
LONG RegEnumValue(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD reserved,
                  LPDWORD type, LPBYTE data, LPDWORD dataSize);
LONG RegFlushKey(HKEY key);

namespace win {

// Drops the keys in memory (and every open key handle) and reads the store again, as a new
// process would.
void reloadRegistry();
// Lines of the store that could not be read at the last load.
int registryBadLines();
std::string registryStorePath();

}  // namespace win
