#include "frame/ModuleEntry.h"

#include <memory>

#include "core/KvTempResourceOverride.h"
#include "frame/ConstraintEditorLaunch.h"
#include "frame/ExtensionModule.h"
#include "frame/KvSSDlgsMgr.h"
#include "frame/KvStandardsDlg.h"
#include "frame/MacroDialogSlots.h"
#include "frame/MacroStandardsLoad.h"
#include "core/macro/MacroStandardsLoader.h"
#include "host/CommandStack.h"
#include "host/DynamicLinker.h"
#include "host/ModuleLoader.h"
#include "host/SystemRegistry.h"
#include "win/Gdi.h"

namespace {

constexpr UINT kUncheckedBitmapId = 8134;
constexpr UINT kCheckedBitmapId = 8136;

struct ModuleState {
    HINSTANCE instance = nullptr;
    ExtensionModule extension;
    std::unique_ptr<CBitmap> unchecked;
    std::unique_ptr<CBitmap> checked;
};

ModuleState& state() {
    static ModuleState module;
    return module;
}

std::unique_ptr<CBitmap> loadSharedBitmap(UINT id) {
    KvTempResourceOverride resources;
    auto bitmap = std::make_unique<CBitmap>();
    if (!bitmap->LoadBitmap(id)) return nullptr;
    return bitmap;
}

void initialiseApplication(void* appId) {
    auto* linker = dynamic_cast<host::DynamicLinker*>(
        host::SystemRegistry::at(host::SystemRegistry::kDynamicLinker));
    if (linker) {
        linker->unlockApplication(appId);
        linker->registerMultiDocumentAware(appId);
    }
    state().unchecked = loadSharedBitmap(kUncheckedBitmapId);
    state().checked = loadSharedBitmap(kCheckedBitmapId);
}

void unloadApplication() {
    auto* commands = dynamic_cast<host::CommandStack*>(
        host::SystemRegistry::at(host::SystemRegistry::kRegisteredCommands));
    if (commands) commands->removeGroup(kMeridoxCommandGroup);
    DestroyAllMacroDlgs();
    EndDlgEditConstraints();
}

}  // namespace

extern "C" int acrxEntryPoint(int message, void* appId) {
    if (message == host::kInitialiseApplication) initialiseApplication(appId);
    if (message == host::kUnloadApplication) unloadApplication();
    return 0;
}

BOOL meridoxLibraryEntry(HINSTANCE instance, DWORD reason, LPVOID) {
    ModuleState& module = state();
    if (reason == host::kProcessAttach) {
        module.instance = instance;
        KvTempResourceOverride::SaveDefaultResource(instance);
        if (!module.extension.initialise(instance)) return 0;
        module.extension.linkIntoResourceSearch();
        installStandardsEngine();
        installMacroStandardsLoader();
    } else if (reason == host::kProcessDetach) {
        // The module's life ends here: the pooled dialogs go while their windows still exist.
        gSSDlgsMgr.destroyAll();
        setMacroStandardsLoader(nullptr);
        module.unchecked.reset();
        module.checked.reset();
        module.extension.terminate();
    }
    return 1;
}

HINSTANCE meridoxInstance() {
    return state().instance;
}

CBitmap* sharedUncheckedBitmap() {
    return state().unchecked.get();
}
CBitmap* sharedCheckedBitmap() {
    return state().checked.get();
}

bool defineMeridoxModule(HINSTANCE instance) {
    host::ModuleDefinition definition;
    definition.name = kMeridoxModuleName;
    definition.entryPoint = acrxEntryPoint;
    definition.libraryEntry = meridoxLibraryEntry;
    definition.instance = instance;
    return host::ModuleLoader::define(definition) == Acad::eOk;
}
