#pragma once
// The state a database and its transactions share. Only the database, transaction and
// drawing-file code of this layer include it.
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "host/AcDbDatabase.h"
#include "host/AcDbObject.h"
#include "host/AcTransaction.h"
#include "host/ObjectField.h"

struct AcDbDatabase::Impl {
    std::map<std::uint64_t, std::unique_ptr<AcDbObject>> objects;
    std::vector<AcTransaction*> transactions;  // outermost first
    std::uint64_t nextHandle = 1;

    AcDbObject* find(std::uint64_t handle) const;
    // Puts loaded objects, keyed by handle, in place of all objects.
    void replaceAll(std::map<std::uint64_t, std::unique_ptr<AcDbObject>> loaded,
                    std::uint64_t loadedNextHandle, AcDbDatabase& owner);
    // Open for read while any running transaction remembers the object, for write while
    // one of them opened it for write.
    void refreshOpenState(AcDbObject& object) const;
};

struct AcTransaction::Impl {
    // What a transaction knows about one object it touched.
    struct Record {
        bool forWrite = false;
        bool created = false;     // added during the transaction: abort deletes it
        bool remembered = false;  // fields and erased hold the state before the first write
        bool erasedBefore = false;
        std::vector<host::ObjectField> fields;
    };

    AcDbDatabase* database = nullptr;
    bool active = true;
    std::map<std::uint64_t, Record> records;
};
