#pragma once
// Factories of object classes by class name. The layer that defines a class registers it once
// (before a drawing that holds such objects is loaded); the drawing file asks the registry for
// a fresh instance of each saved object. Register from an explicit function that the program
// calls: a static registrar in a static library is dropped by the linker when nothing else in
// its file is used.
#include <memory>
#include <string_view>

#include "host/AcadErrorStatus.h"

class AcDbObject;

namespace host {

using ObjectFactory = std::unique_ptr<AcDbObject> (*)();

class ObjectClassRegistry {
public:
    // eOk when registered, or when the same factory is registered again under the name;
    // eInvalidInput for an empty name, a null factory or a second factory under one name.
    static Acad::ErrorStatus add(std::string_view className, ObjectFactory factory);
    template <class T>
    static Acad::ErrorStatus add(std::string_view className) {
        return add(className, [] { return std::unique_ptr<AcDbObject>(new T()); });
    }
    static bool contains(std::string_view className);
    // A new instance, or null when no class of that name is registered.
    static std::unique_ptr<AcDbObject> create(std::string_view className);
    static void remove(std::string_view className);
};

}  // namespace host
