#pragma once
// Loads and unloads modules the way the host does. A module is known by a definition: its
// name, its entry point (called with the host's messages), its library entry (called with
// process attach and detach) and the instance handle its resources are found under. Loading
// attaches the library, then sends the initialise message; unloading sends the unload
// message, then detaches. Each loaded module gets an application id, the one its entry
// point receives and the dynamic linker (host/DynamicLinker.h) knows it by.
#include <string>
#include <string_view>
#include <vector>

#include "host/AcadErrorStatus.h"
#include "win/WinTypes.h"

// The entry point a module defines (one module per program here); the host reaches it only
// through the definition given to the module loader.
extern "C" int acrxEntryPoint(int message, void* appId);

namespace host {

// Messages of the entry point; a module ignores the ones it does not handle.
inline constexpr int kInitialiseApplication = 1;
inline constexpr int kUnloadApplication = 2;
// Reasons of the library entry.
inline constexpr DWORD kProcessDetach = 0;
inline constexpr DWORD kProcessAttach = 1;

using EntryPointFunction = int (*)(int message, void* appId);
using LibraryEntryFunction = BOOL (*)(HINSTANCE instance, DWORD reason, LPVOID reserved);

struct ModuleDefinition {
    std::string name;
    EntryPointFunction entryPoint = nullptr;
    LibraryEntryFunction libraryEntry = nullptr;  // optional
    HINSTANCE instance = nullptr;
};

class ModuleLoader {
public:
    // eInvalidInput for an empty name, no entry point, or a module of that name that is
    // loaded (a definition that is not loaded is replaced).
    static Acad::ErrorStatus define(const ModuleDefinition& definition);

    // eOk when loaded (also when it was loaded already). eInvalidInput for an unknown
    // module, a library entry that refuses the attach, or an entry point that does not
    // answer the initialise message with 0; the module is then not loaded (a refused
    // initialise is followed by the detach).
    static Acad::ErrorStatus load(std::string_view name);
    // eInvalidInput when the module is not loaded or has not unlocked itself; it then stays
    // loaded and is not sent anything.
    static Acad::ErrorStatus unload(std::string_view name);
    // Sends any message to a loaded module's entry point; its result, or -1 when the module
    // is not loaded.
    static int sendMessage(std::string_view name, int message);

    static bool isLoaded(std::string_view name);
    // The application id of a loaded module, else null.
    static void* applicationId(std::string_view name);
    // Every message sent to the module's entry point and the library reasons, in order, as
    // "entry 1 -> 0", "library 1 -> 1": what tests check.
    static std::vector<std::string> callLog(std::string_view name);

    // Forgets every definition; loaded modules are dropped without being told. For tests.
    static void clear();
};

}  // namespace host
