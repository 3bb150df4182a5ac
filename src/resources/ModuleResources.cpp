#include "resources/ModuleResources.h"

#include <cstdlib>

#include "win/ResourceModule.h"

namespace resources {

std::filesystem::path moduleResourceFolder() {
    if (const char* env = std::getenv("MDX_RESOURCES"); env && *env) return env;
    return MDX_RESOURCE_DIR;
}

HINSTANCE moduleResourceHandle() {
    return win::loadResourceModule(moduleResourceFolder());
}

}  // namespace resources
