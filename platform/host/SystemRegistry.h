#pragma once
// The host's system registry: services looked up by name. The host fills it with its
// "DynamicLinker" (host/DynamicLinker.h) and its command stack under
// "ACAD_REGISTERED_COMMANDS" (host/CommandStack.h).
#include <string_view>

namespace host {

// What the system registry holds; callers cast to the service they looked up.
class SystemService {
public:
    virtual ~SystemService();
};

class SystemRegistry {
public:
    static constexpr const char* kDynamicLinker = "DynamicLinker";
    static constexpr const char* kRegisteredCommands = "ACAD_REGISTERED_COMMANDS";

    // The service under that name (exact case), or null.
    static SystemService* at(std::string_view name);
};

}  // namespace host
