#pragma once
// A macro being placed is shown before it exists: the caller draws temporary objects for it
// and marks its macro data as such a preview. Dialogs opened on that data erase the
// temporary objects when they are done with them, so no preview is left in the drawing.
#include "host/AcArray.h"
#include "host/AcDbObjectId.h"
#include "host/AcadErrorStatus.h"

class AcDbDatabase;

struct MacroPreview {
    // The data previews a macro being placed; its objects are temporary.
    bool temporary = false;
    // The temporary objects drawn for the preview.
    AcArray<AcDbObjectId> objects;

    // The one object of a temporary preview of exactly one object; null otherwise.
    AcDbObjectId singleObject() const;
    // Erases the single object (singleObject) and takes it off the list. eOk when there was
    // none to erase, else the status of erasing it.
    Acad::ErrorStatus eraseSingleObject(AcDbDatabase* database);
};

// Erases id in a transaction of its own. eInvalidInput for a null id or no database; an
// object erased already gives eObjectErased and the database is left as it was.
Acad::ErrorStatus eraseTemporaryObject(AcDbDatabase* database, AcDbObjectId id);
