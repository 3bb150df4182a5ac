#pragma once
// The extension-library state of this module: initialised when the library is attached,
// released when it is detached. While it is linked in, the framework's resource search
// includes this module, so dialogs of other modules find its templates and strings too.
#include "win/WinTypes.h"

class ExtensionModule {
public:
    // False for a null instance or one that holds no resources: the load must then fail.
    bool initialise(HINSTANCE instance);
    // Adds the module to the framework's resource search (the dynamic-link record).
    void linkIntoResourceSearch();
    // Takes the module out of the search and forgets it; safe to call when not initialised.
    void terminate();

    bool isInitialised() const { return module != nullptr; }
    HINSTANCE instance() const { return module; }

private:
    HINSTANCE module = nullptr;
    bool linked = false;
};
