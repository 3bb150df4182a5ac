#pragma once
// The host's command stack, found in the system registry under "ACAD_REGISTERED_COMMANDS":
// commands by group. Requests to remove a group are recorded, found or not, so that tests
// can see that a module cleaned up after itself.
#include <string>
#include <string_view>
#include <vector>

#include "host/AcadErrorStatus.h"
#include "host/SystemRegistry.h"

namespace host {

class CommandStack : public SystemService {
public:
    using CommandFunction = void (*)();

    static CommandStack& instance();

    // eInvalidInput for an empty group or name, a null function, or a name the group has.
    Acad::ErrorStatus addCommand(std::string_view group, std::string_view name,
                                 CommandFunction function);
    // Removes every command of the group; eInvalidInput when the group has none.
    Acad::ErrorStatus removeGroup(std::string_view group);

    bool hasGroup(std::string_view group) const;
    // The function of a command of any group, or null.
    CommandFunction find(std::string_view name) const;
    const std::vector<std::string>& removedGroupRequests() const { return removeRequests_; }

    // Forgets all commands and records, for a fresh session.
    void clear();

private:
    struct Command {
        std::string group;
        std::string name;
        CommandFunction function = nullptr;
    };
    std::vector<Command> commands_;
    std::vector<std::string> removeRequests_;
};

}  // namespace host
