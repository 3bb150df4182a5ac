#include "host/ModuleLoader.h"

#include <map>
#include <memory>

#include "host/DynamicLinker.h"

namespace host {

namespace {

struct Module {
    ModuleDefinition definition;
    bool loaded = false;
    std::vector<std::string> log;
};

// Modules live behind pointers: the address of a module is its application id and must not
// move while others are defined.
std::map<std::string, std::unique_ptr<Module>, std::less<>>& modules() {
    static std::map<std::string, std::unique_ptr<Module>, std::less<>> table;
    return table;
}

Module* findModule(std::string_view name) {
    auto it = modules().find(name);
    return it == modules().end() ? nullptr : it->second.get();
}

int callEntry(Module& module, int message) {
    int result = module.definition.entryPoint(message, &module);
    module.log.push_back("entry " + std::to_string(message) + " -> " + std::to_string(result));
    return result;
}

BOOL callLibrary(Module& module, DWORD reason) {
    if (module.definition.libraryEntry == nullptr) return 1;
    BOOL result = module.definition.libraryEntry(module.definition.instance, reason, nullptr);
    module.log.push_back("library " + std::to_string(reason) + " -> " + std::to_string(result));
    return result;
}

}  // namespace

Acad::ErrorStatus ModuleLoader::define(const ModuleDefinition& definition) {
    if (definition.name.empty() || definition.entryPoint == nullptr) return Acad::eInvalidInput;
    Module* existing = findModule(definition.name);
    if (existing && existing->loaded) return Acad::eInvalidInput;
    if (existing) {
        existing->definition = definition;
        existing->log.clear();
    } else {
        auto module = std::make_unique<Module>();
        module->definition = definition;
        modules().emplace(definition.name, std::move(module));
    }
    return Acad::eOk;
}

Acad::ErrorStatus ModuleLoader::load(std::string_view name) {
    Module* module = findModule(name);
    if (module == nullptr) return Acad::eInvalidInput;
    if (module->loaded) return Acad::eOk;
    if (!callLibrary(*module, kProcessAttach)) return Acad::eInvalidInput;
    DynamicLinker::instance().addApplication(module);
    module->loaded = true;
    if (callEntry(*module, kInitialiseApplication) != 0) {
        module->loaded = false;
        DynamicLinker::instance().removeApplication(module);
        callLibrary(*module, kProcessDetach);
        return Acad::eInvalidInput;
    }
    return Acad::eOk;
}

Acad::ErrorStatus ModuleLoader::unload(std::string_view name) {
    Module* module = findModule(name);
    if (module == nullptr || !module->loaded) return Acad::eInvalidInput;
    if (DynamicLinker::instance().isApplicationLocked(module)) return Acad::eInvalidInput;
    callEntry(*module, kUnloadApplication);
    module->loaded = false;
    DynamicLinker::instance().removeApplication(module);
    callLibrary(*module, kProcessDetach);
    return Acad::eOk;
}

int ModuleLoader::sendMessage(std::string_view name, int message) {
    Module* module = findModule(name);
    if (module == nullptr || !module->loaded) return -1;
    return callEntry(*module, message);
}

bool ModuleLoader::isLoaded(std::string_view name) {
    Module* module = findModule(name);
    return module != nullptr && module->loaded;
}

void* ModuleLoader::applicationId(std::string_view name) {
    Module* module = findModule(name);
    return module != nullptr && module->loaded ? module : nullptr;
}

std::vector<std::string> ModuleLoader::callLog(std::string_view name) {
    Module* module = findModule(name);
    return module ? module->log : std::vector<std::string>();
}

void ModuleLoader::clear() {
    for (auto& [name, module] : modules())
        DynamicLinker::instance().removeApplication(module.get());
    modules().clear();
}

}  // namespace host
