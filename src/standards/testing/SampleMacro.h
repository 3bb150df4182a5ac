#pragma once
// The sample drawing of the examples folder (an end plate joining an IPE 300 beam to an
// HEA 300 column) loaded into a database, with its macro open for write in a transaction
// and its dialog data built, the way a caller hands them to a standards evaluation.
#include "MdxBuildPaths.h"
#include <filesystem>
#include <memory>
#include <string>

#include "core/macro/MacroClasses.h"
#include "core/macro/MacroData.h"
#include "core/macro/MacroValueAccess.h"
#include "core/macro/Mdx_DbMacro.h"
#include "host/AcDbDatabase.h"
#include "host/AcTransaction.h"
#include "host/DrawingFile.h"

namespace standards::testing {

inline std::filesystem::path examplesFolder() {
    return std::filesystem::path(MDX_SOURCE_DIR) / "examples";
}

class SampleMacro {
public:
    // False, with error set, when the drawing cannot be loaded or holds no macro.
    bool load(std::string& error) {
        registerMacroClasses();
        const auto file = examplesFolder() / "drawings" / "EndPlate_IPE300_HEA300.json";
        if (host::DrawingFile::load(db, file, error) != Acad::eOk) return false;
        transaction = std::make_unique<AcTransaction>(db);
        for (const AcDbObjectId& id : db.objectIds()) {
            AcDbObject* object = nullptr;
            if (transaction->getObject(object, id, host::OpenMode::ForWrite) != Acad::eOk) continue;
            dbMacro = dynamic_cast<Mdx_DbMacro*>(object);
            if (dbMacro && macroData.addMacro(id, *transaction) == Acad::eOk) return true;
        }
        error = "no macro in the sample drawing";
        return false;
    }

    // A dialog variable of the named module as text, empty when there is none.
    std::string variable(const char* module, const char* name) {
        Mdx_Module* found = nullptr;
        Mdx_String value;
        if (openModule(dbMacro->macro(), module, found, 0) != Acad::eOk) return {};
        if (getSetConstrVarValue(found, name, value, true) != Acad::eOk) return {};
        return value.str();
    }
    bool setVariable(const char* module, const char* name, const char* text) {
        Mdx_Module* found = nullptr;
        Mdx_String value = text;
        return openModule(dbMacro->macro(), module, found, 0) == Acad::eOk &&
               getSetConstrVarValue(found, name, value, false) == Acad::eOk;
    }
    // Every object of the drawing as the drawing file would hold it.
    std::string snapshot() const { return host::DrawingFile::saveText(db); }

    AcDbDatabase db;
    std::unique_ptr<AcTransaction> transaction;
    Mdx_DbMacro* dbMacro = nullptr;
    MacroData macroData;
};

}  // namespace standards::testing
