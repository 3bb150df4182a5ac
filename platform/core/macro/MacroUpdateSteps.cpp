#include "core/macro/MacroUpdateSteps.h"

#include <utility>

#include "core/macro/MacroData.h"
#include "core/macro/MacroDerivation.h"
#include "core/macro/Mdx_DbMacro.h"
#include "host/AcTransaction.h"

namespace macro_update {

bool refuse(MacroData& data, std::string message) {
    data.setUpdateError(std::move(message));
    return false;
}

BusyScope::BusyScope(MacroData& data) : data_(data) {
    data_.setBusy(true);
}

BusyScope::~BusyScope() {
    data_.setBusy(false);
}

bool deriveReadBackAndCommit(MacroData& data, AcTransaction& transaction) {
    for (AcDbObjectId id : data.macroIds()) {
        Mdx_DbMacro* macro = nullptr;
        if (transaction.getObject(macro, id, host::OpenMode::ForWrite) != Acad::eOk ||
            !macro->macro())
            return refuse(data, "a macro of the data is no longer in the drawing");
        std::string message;
        if (!deriveMacroValues(*macro->macro(), message)) return refuse(data, message);
    }
    MacroData readBack = data;
    if (readBack.reload(transaction) != Acad::eOk)
        return refuse(data, "the macros could not be read back");
    if (transaction.commit() != Acad::eOk) return refuse(data, "the drawing refused the change");
    readBack.setBusy(data.isBusy());
    data = std::move(readBack);
    data.setUpdateError({});
    return true;
}

}  // namespace macro_update
