#pragma once
// How the host starts and stops this module: the library entry (process attach and detach)
// and the application entry point with the host's messages.
#include "win/WinTypes.h"

class CBitmap;

inline constexpr const char* kMeridoxCommandGroup = "MERIDOX_SS";
inline constexpr const char* kMeridoxModuleName = "meridox";

// Always 0, the host's success code. Message 1 initialises, 2 unloads, others are ignored.
extern "C" int acrxEntryPoint(int message, void* appId);

// Process attach saves the instance as the default resource and initialises the extension
// module (0 when that fails, so the load fails); detach terminates it. 1 otherwise.
BOOL meridoxLibraryEntry(HINSTANCE instance, DWORD reason, LPVOID reserved);

// The instance saved at attach; null before.
HINSTANCE meridoxInstance();

// The two check-box images loaded at initialisation (unchecked 8134, checked 8136); null
// before initialisation or when the bitmap was missing.
CBitmap* sharedUncheckedBitmap();
CBitmap* sharedCheckedBitmap();

// Makes the module known to the host's loader under kMeridoxModuleName with the given
// resource module as its instance.
bool defineMeridoxModule(HINSTANCE instance);
