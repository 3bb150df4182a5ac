#pragma once
// Base of every object a drawing database holds. A layer that defines an object class derives
// from it, names the class, says how its state is written as fields and read back, and
// registers a factory under the class name (host/ObjectClassRegistry.h) so that drawing files
// can recreate it without the host knowing the class.
//
// readFields must set the object's whole state from the fields, not add to it: the same call
// loads an object from a file into a fresh instance and puts an object back as it was when a
// transaction is aborted.
#include "host/AcDbObjectId.h"
#include "host/AcadErrorStatus.h"

class AcDbDatabase;
class AcTransaction;

namespace host {
class FieldReader;
class FieldWriter;
}  // namespace host

class AcDbObject {
public:
    virtual ~AcDbObject();
    AcDbObject(const AcDbObject&) = delete;
    AcDbObject& operator=(const AcDbObject&) = delete;

    // The name the class is registered and saved under; the same for every instance.
    virtual const char* className() const = 0;
    virtual void writeFields(host::FieldWriter& out) const = 0;
    // eOk, or the reader's status (or eInvalidInput) when the fields do not make an object.
    virtual Acad::ErrorStatus readFields(host::FieldReader& in) = 0;

    // Null and null until the object is added to a database.
    AcDbObjectId objectId() const { return id_; }
    AcDbDatabase* database() const { return database_; }
    bool isErased() const { return erased_; }
    // Open in a running transaction, for read or write.
    bool isReadEnabled() const { return open_; }
    bool isWriteEnabled() const { return writeEnabled_; }

    // Marks the object erased: it can no longer be opened without asking for erased objects
    // and is not saved. Needs the object open for write, so an abort brings it back.
    Acad::ErrorStatus erase();

protected:
    AcDbObject() = default;

private:
    friend class AcDbDatabase;
    friend class AcTransaction;
    AcDbDatabase* database_ = nullptr;
    AcDbObjectId id_;
    bool erased_ = false;
    bool open_ = false;
    bool writeEnabled_ = false;
};
