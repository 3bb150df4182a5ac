#include "host/CommandStack.h"

namespace host {

CommandStack& CommandStack::instance() {
    static CommandStack stack;
    return stack;
}

Acad::ErrorStatus CommandStack::addCommand(std::string_view group, std::string_view name,
                                           CommandFunction function) {
    if (group.empty() || name.empty() || function == nullptr) return Acad::eInvalidInput;
    for (const Command& command : commands_) {
        if (command.group == group && command.name == name) return Acad::eInvalidInput;
    }
    commands_.push_back(Command{std::string(group), std::string(name), function});
    return Acad::eOk;
}

Acad::ErrorStatus CommandStack::removeGroup(std::string_view group) {
    removeRequests_.emplace_back(group);
    std::size_t before = commands_.size();
    std::erase_if(commands_, [&](const Command& command) { return command.group == group; });
    return commands_.size() < before ? Acad::eOk : Acad::eInvalidInput;
}

bool CommandStack::hasGroup(std::string_view group) const {
    for (const Command& command : commands_) {
        if (command.group == group) return true;
    }
    return false;
}

CommandStack::CommandFunction CommandStack::find(std::string_view name) const {
    for (const Command& command : commands_) {
        if (command.name == name) return command.function;
    }
    return nullptr;
}

void CommandStack::clear() {
    commands_.clear();
    removeRequests_.clear();
}

}  // namespace host
