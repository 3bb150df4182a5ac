#include "host/ObjectClassRegistry.h"

#include <map>
#include <string>

#include "host/AcDbObject.h"

namespace host {

namespace {

// Built on first use so that registrations from any static initialiser find it ready.
std::map<std::string, ObjectFactory, std::less<>>& factories() {
    static std::map<std::string, ObjectFactory, std::less<>> table;
    return table;
}

}  // namespace

Acad::ErrorStatus ObjectClassRegistry::add(std::string_view className, ObjectFactory factory) {
    if (className.empty() || factory == nullptr) return Acad::eInvalidInput;
    auto [it, inserted] = factories().try_emplace(std::string(className), factory);
    if (!inserted && it->second != factory) return Acad::eInvalidInput;
    return Acad::eOk;
}

bool ObjectClassRegistry::contains(std::string_view className) {
    return factories().find(className) != factories().end();
}

std::unique_ptr<AcDbObject> ObjectClassRegistry::create(std::string_view className) {
    auto it = factories().find(className);
    if (it == factories().end()) return nullptr;
    return it->second();
}

void ObjectClassRegistry::remove(std::string_view className) {
    auto it = factories().find(className);
    if (it != factories().end()) factories().erase(it);
}

}  // namespace host
