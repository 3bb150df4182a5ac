#pragma once
// Shared by the files of the macro editor's core calls: one transaction around a read or a
// change of a macro, and the rebuild of the context's tables.
#include "core/macro/EditConstrData.h"
#include "core/macro/Mdx_DbMacro.h"
#include "host/AcTransaction.h"

namespace macro_edit {

// Runs change on the macro opened for write; commits when it returns true, else aborts, so
// a refused change leaves the drawing as it was.
template <class F>
bool changeMacro(AcDbDatabase* database, AcDbObjectId macroId, F&& change) {
    if (!database) return false;
    AcTransaction transaction(*database);
    Mdx_DbMacro* object = nullptr;
    if (transaction.getObject(object, macroId, host::OpenMode::ForWrite) != Acad::eOk ||
        !object->macro())
        return false;
    if (!change(*object->macro(), transaction)) {
        transaction.abort();
        return false;
    }
    return transaction.commit() == Acad::eOk;
}

template <class F>
bool readMacro(AcDbDatabase* database, AcDbObjectId macroId, F&& read) {
    if (!database) return false;
    AcTransaction transaction(*database);
    Mdx_DbMacro* object = nullptr;
    if (transaction.getObject(object, macroId) != Acad::eOk || !object->macro()) return false;
    read(static_cast<const Mdx_Macro&>(*object->macro()), transaction);
    return true;
}

// The module the table was built from, in the opened macro; null when gone.
Mdx_Module* sourceModule(Mdx_Macro& macro, const EditSource& source);

void buildConstraintRows(const Mdx_Module* module, ConstraintTable& table);
bool refreshTables(EditConstrData& ctx);
// Rebuilds only the constraint rows from the drawing, keeping the order.
bool refreshConstraintRows(ConstraintTable& table);

// The kind names as the constraint grid shows them.
Mdx_String constraintKindText(int kind);

}  // namespace macro_edit
