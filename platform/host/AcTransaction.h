#pragma once
// A transaction on a drawing database. Objects opened for write are remembered as they were
// when first opened; abort puts them back (and removes the objects added during the
// transaction), commit keeps the changes. A transaction started inside another hands what it
// remembers to the outer one on commit, so aborting the outer one still undoes everything.
// A transaction that is destroyed without commit is aborted.
//
// Pointers to objects are valid while the object is in the database; an object added in an
// aborted transaction is deleted.
#include <memory>

#include "host/AcDbObjectId.h"
#include "host/AcadErrorStatus.h"

class AcDbDatabase;
class AcDbObject;

namespace host {
enum class OpenMode { ForRead, ForWrite };
}

class AcTransaction {
public:
    explicit AcTransaction(AcDbDatabase& database);
    ~AcTransaction();
    AcTransaction(const AcTransaction&) = delete;
    AcTransaction& operator=(const AcTransaction&) = delete;

    // eObjectNotFound for an id the database does not hold, eObjectErased for an erased
    // object unless openErased, eInnerTransactionOpen when this is not the innermost running
    // transaction, eTransactionEnded after commit or abort. object is null on failure.
    Acad::ErrorStatus getObject(AcDbObject*& object, AcDbObjectId id,
                                host::OpenMode mode = host::OpenMode::ForRead,
                                bool openErased = false);
    // As above, and eWrongObjectClass when the object is not a T.
    template <class T>
    Acad::ErrorStatus getObject(T*& object, AcDbObjectId id,
                                host::OpenMode mode = host::OpenMode::ForRead,
                                bool openErased = false) {
        object = nullptr;
        AcDbObject* base = nullptr;
        Acad::ErrorStatus status = getObject(base, id, mode, openErased);
        if (status != Acad::eOk) return status;
        object = dynamic_cast<T*>(base);
        return object ? Acad::eOk : Acad::eWrongObjectClass;
    }
    // Adds the object to the database inside this transaction (see AcDbDatabase::addObject).
    Acad::ErrorStatus addNewObject(std::unique_ptr<AcDbObject> object, AcDbObjectId& id);

    // eInnerTransactionOpen while a transaction started inside this one still runs.
    Acad::ErrorStatus commit();
    // Aborts the transactions started inside this one first. eInvalidInput when an object
    // could not read back its remembered state (the others are still put back).
    Acad::ErrorStatus abort();

    bool isActive() const;
    // Null once the database has gone.
    AcDbDatabase* database() const;

public:
    // Shared with the rest of this layer only (host/DatabaseInternals.h).
    struct Impl;

private:
    friend class AcDbDatabase;
    std::unique_ptr<Impl> impl_;
};
