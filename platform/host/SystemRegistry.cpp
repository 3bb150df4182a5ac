#include "host/SystemRegistry.h"

#include "host/CommandStack.h"
#include "host/DynamicLinker.h"

namespace host {

SystemService::~SystemService() = default;

SystemService* SystemRegistry::at(std::string_view name) {
    if (name == kDynamicLinker) return &DynamicLinker::instance();
    if (name == kRegisteredCommands) return &CommandStack::instance();
    return nullptr;
}

}  // namespace host
