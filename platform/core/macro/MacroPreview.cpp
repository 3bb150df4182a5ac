#include "core/macro/MacroPreview.h"

#include "host/AcDbObject.h"
#include "host/AcTransaction.h"

AcDbObjectId MacroPreview::singleObject() const {
    return temporary && objects.length() == 1 ? objects[0] : AcDbObjectId();
}

Acad::ErrorStatus MacroPreview::eraseSingleObject(AcDbDatabase* database) {
    const AcDbObjectId id = singleObject();
    if (id.isNull()) return Acad::eOk;
    const Acad::ErrorStatus status = eraseTemporaryObject(database, id);
    // An object that is gone either way is no longer the preview's.
    if (status == Acad::eOk || status == Acad::eObjectErased || status == Acad::eObjectNotFound)
        objects.setLogicalLength(0);
    return status;
}

Acad::ErrorStatus eraseTemporaryObject(AcDbDatabase* database, AcDbObjectId id) {
    if (!database || id.isNull()) return Acad::eInvalidInput;
    AcTransaction transaction(*database);
    AcDbObject* object = nullptr;
    Acad::ErrorStatus status = transaction.getObject(object, id, host::OpenMode::ForWrite);
    if (status != Acad::eOk) return status;
    status = object->erase();
    if (status != Acad::eOk) return status;
    return transaction.commit();
}
