#include "resources/ModuleResources.h"

#include <cstdlib>

#include "win/InstalledData.h"
#include "win/ResourceModule.h"

namespace resources {

std::filesystem::path moduleResourceFolder() {
    if (const char* env = std::getenv("MDX_RESOURCES"); env && *env) return env;
    return win::installedDataFolder("resources", MDX_RESOURCE_DIR);
}

HINSTANCE moduleResourceHandle() {
    return win::loadResourceModule(moduleResourceFolder());
}

}  // namespace resources
