#pragma once
// Resource modules. A module (HINSTANCE) is a folder of resource scripts (*.rc), their id
// headers (*.h) and the bitmap and icon files they name. Dialog templates, strings, bitmaps
// and icons are looked up in the current resource module (AfxSetResourceHandle), then in
// the modules added to the search chain, the way the framework searches extension modules.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "win/ResourceScript.h"

namespace win {

struct ResourceModule {
    std::filesystem::path folder;
    std::string fileName;  // what GetModuleFileName reports
    ResourceScript script;
    std::vector<std::string> errors;  // problems found while loading; loading still succeeds
};

// Loads every header and script of a folder; null when the folder does not exist. Loading
// the same folder again gives the module already loaded.
HINSTANCE loadResourceModule(const std::filesystem::path& folder);
// A module from script text (and optionally header text), its files relative to folder.
HINSTANCE loadResourceModuleFromText(std::string_view script, std::string_view header = {},
                                     const std::filesystem::path& folder = {});
const ResourceModule* resourceModule(HINSTANCE module);
void setModuleFileName(HINSTANCE module, const std::string& fileName);
// The real file of a bitmap or icon named in a script (mapped like every module path).
std::filesystem::path resourceFilePath(const ResourceModule& module, const std::string& written);

void addResourceSearchModule(HINSTANCE module);
void removeResourceSearchModule(HINSTANCE module);
// The module a resource is found in: the current resource module first, then the chain.
HINSTANCE findResourceModule(UINT id, int kind);
inline constexpr int kDialogResource = 5;
inline constexpr int kStringResource = 6;
inline constexpr int kBitmapResource = 2;
inline constexpr int kIconResource = 3;
const DialogTemplate* findDialogTemplate(HINSTANCE module, UINT id);
// Drops every module, the chain and the current handles (tests).
void resetResourceModules();

}  // namespace win

HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE module);
HINSTANCE AfxGetInstanceHandle();
void AfxSetInstanceHandle(HINSTANCE module);
HINSTANCE AfxFindResourceHandle(LPCSTR name, int kind);
// Copies string id of the module into buffer; 0 when there is no such string.
int LoadString(HINSTANCE module, UINT id, LPSTR buffer, int bufferSize);
DWORD GetModuleFileName(HMODULE module, LPSTR buffer, DWORD bufferSize);
