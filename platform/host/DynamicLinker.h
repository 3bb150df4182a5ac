#pragma once
// The host's dynamic linker, found in the system registry under "DynamicLinker". It keeps,
// per loaded application, whether the application may be unloaded and whether it declared
// itself able to work with several open drawings. The module loader (host/ModuleLoader.h)
// adds an application when it loads one; application ids are the ones passed to the
// module's entry point.
#include <vector>

#include "host/SystemRegistry.h"

namespace host {

class DynamicLinker : public SystemService {
public:
    static DynamicLinker& instance();

    // A loaded application starts locked: the host refuses to unload it until it unlocks.
    // These return false for an application id the linker does not know.
    bool unlockApplication(void* appId);
    bool lockApplication(void* appId);
    bool registerMultiDocumentAware(void* appId);

    bool isKnown(void* appId) const;
    bool isApplicationLocked(void* appId) const;
    bool isMultiDocumentAware(void* appId) const;

    void addApplication(void* appId);
    void removeApplication(void* appId);
    // Forgets every application.
    void clear() { applications_.clear(); }

private:
    struct Application {
        void* id = nullptr;
        bool locked = true;
        bool multiDocumentAware = false;
    };
    Application* find(void* appId);
    const Application* find(void* appId) const;
    std::vector<Application> applications_;
};

}  // namespace host
