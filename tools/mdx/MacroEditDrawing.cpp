#include "MacroEditDrawing.h"

#include "DrawingFileAccess.h"
#include "EvaluateError.h"
#include "core/macro/MacroEditing.h"
#include "core/macro/Mdx_DbMacro.h"
#include "host/AcTransaction.h"

namespace {

// The macro whose handle, or else whose name, is nameOrHandle; a name must be unique.
AcDbObjectId findMacro(AcDbDatabase& database, const std::string& nameOrHandle) {
    AcTransaction looking(database);
    AcDbObjectId byHandle;
    Mdx_DbMacro* candidate = nullptr;
    if (AcDbObjectId::fromText(nameOrHandle, byHandle) &&
        looking.getObject(candidate, byHandle) == Acad::eOk && candidate->macro())
        return byHandle;
    AcDbObjectId found;
    int count = 0;
    for (AcDbObjectId id : database.objectIds()) {
        if (looking.getObject(candidate, id) != Acad::eOk || !candidate->macro()) continue;
        if (candidate->macro()->name().toUtf8() != nameOrHandle) continue;
        found = id;
        ++count;
    }
    if (count == 1) return found;
    throw EvaluateError(EvaluateExit::UnknownMacro,
                        count == 0 ? "the drawing has no macro \"" + nameOrHandle + "\""
                                   : "several macros are named \"" + nameOrHandle +
                                         "\"; give its handle");
}

}  // namespace

MacroEditDrawing::MacroEditDrawing(const std::filesystem::path& file,
                                   const std::string& macroNameOrHandle)
    : file_(file), readBytes_(loadDrawingFile(file, database_)) {
    macroId_ = findMacro(database_, macroNameOrHandle);
}

EditConstrData MacroEditDrawing::context(const std::string& module) {
    EditConstrData ctx;
    ctx.database = &database_;
    ctx.macroId = macroId_;
    ctx.currentModule = Mdx_String::fromUtf8(module);
    OpenEditContext(ctx);
    if (!module.empty() && !ctx.moduleNames.contains(ctx.currentModule, false))
        throw EvaluateError(EvaluateExit::BadGeneralVariable,  // exit 2: a bad argument
                            "the macro has no module \"" + module + "\"");
    return ctx;
}

void MacroEditDrawing::save() {
    writeDrawingFile(file_, database_, readBytes_);
}
