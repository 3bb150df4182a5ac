#pragma once
// A drawing database: owns its objects and hands out their ids. Objects are opened through a
// transaction (host/AcTransaction.h); transactions nest, and only the innermost one works.
// Drawing files are read and written by host/DrawingFile.h.
#include <cstdint>
#include <memory>

#include "host/AcArray.h"
#include "host/AcDbObjectId.h"
#include "host/AcadErrorStatus.h"

class AcDbObject;
class AcTransaction;

namespace host {
class DrawingFile;
}

class AcDbDatabase {
public:
    AcDbDatabase();
    // Transactions still running end with it, without undoing anything.
    ~AcDbDatabase();
    AcDbDatabase(const AcDbDatabase&) = delete;
    AcDbDatabase& operator=(const AcDbDatabase&) = delete;

    // Takes the object and gives it the next handle. Inside a transaction the object is
    // open for write in the innermost one and goes away again if that is aborted. A null
    // object, or one that already belongs to a database, gives eInvalidInput.
    Acad::ErrorStatus addObject(std::unique_ptr<AcDbObject> object, AcDbObjectId& id);

    // Objects that are not erased, in the order of their handles.
    AcArray<AcDbObjectId> objectIds() const;
    int objectCount() const;
    // True for an object of this database that is not erased.
    bool contains(AcDbObjectId id) const;
    // The handle the next added object gets; it only ever grows.
    std::uint64_t nextHandle() const;

    // The innermost running transaction, or null.
    AcTransaction* topTransaction() const;
    int transactionDepth() const;

public:
    // Shared with the rest of this layer only (host/DatabaseInternals.h).
    struct Impl;

private:
    friend class AcTransaction;
    friend class host::DrawingFile;
    std::unique_ptr<Impl> impl_;
};
