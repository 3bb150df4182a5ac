#pragma once
// The registry's keys and values in memory, and their text file.
//
// File format, version 1 (one key per section, keys in sorted order, parents before
// children; every key is listed, also those without values):
//   MDX-REGISTRY 1
//   [HKEY_CLASSES_ROOT\CLSID\{0B2A...}]
//   @=sz:"default value"
//   "Language"=sz:"EN"
//   "Count"=dword:0000000a
//   "Data"=hex(3):00,ff,10
// Names and texts are quoted with \\ \" \n \r \t and \xHH escapes for other control bytes;
// other bytes are written as they are (Windows-1252). In key names '%' and the bytes below
// 0x20 and ']' are written %HH. sz values hold one terminating zero; any other value is
// written as hex(type). Lines that cannot be read are skipped and counted.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "win/WinTypes.h"

namespace win::detail {

struct RegistryValue {
    std::string name;  // as written; "" is the default value
    DWORD type = 1;
    std::string bytes;
};

struct RegistryKey {
    std::string name;
    std::map<std::string, std::unique_ptr<RegistryKey>> subkeys;  // by lower-case name
    std::map<std::string, RegistryValue> values;                  // by lower-case name
};

struct RegistryRoots {
    RegistryKey classesRoot{"HKEY_CLASSES_ROOT", {}, {}};
    RegistryKey currentUser{"HKEY_CURRENT_USER", {}, {}};
    RegistryKey localMachine{"HKEY_LOCAL_MACHINE", {}, {}};
    RegistryKey users{"HKEY_USERS", {}, {}};
    RegistryKey* byName(const std::string& rootName);
};

std::string lowerKeyName(const std::string& name);
std::string writeRegistryFile(RegistryRoots& roots);
// False when the text is not a version-1 registry file (nothing is read then); bad lines
// are skipped and counted in badLines.
bool readRegistryFile(const std::string& text, RegistryRoots& roots, int& badLines);

}  // namespace win::detail
