#pragma once
// The status every data operation of the host, the core library and the module returns.
// The underlying type is int so that raw codes convert both ways without surprises.

namespace Acad {

enum ErrorStatus : int {
    eOk = 0,
    eInvalidInput = 3,
    // Given by the bill output when it cannot have a sheet window.
    eUnavailable = 337,

    // Codes of this host's own database, transactions and drawing files. They live from 1000
    // up so that they never collide with a code the module produces itself.
    eObjectNotFound = 1001,
    eObjectErased = 1002,
    eNotOpenForWrite = 1003,
    eWrongObjectClass = 1004,
    eInnerTransactionOpen = 1005,
    eTransactionEnded = 1006,
    eUnknownClass = 1007,
    eDatabaseBusy = 1008,
    eFileNotFound = 1010,
    eFileWriteFailed = 1011,
    eMalformedFile = 1012,
};

// The name of a status ("eOk", "eInvalidInput", ...), or "status <n>" for a raw code without
// a name. The returned text lives for the whole program.
const char* errorStatusText(ErrorStatus status);

}  // namespace Acad
