#include "EvaluateDrawing.h"

#include "EvaluateError.h"
#include "core/macro/MacroClasses.h"
#include "core/macro/Mdx_DbMacro.h"
#include "host/DrawingFile.h"
#include "sectionlib/SectionLibraryRegistry.h"
#include "standards/KvObjectKind.h"

namespace {

std::string utf8(const Mdx_String& text) {
    return text.toUtf8();
}

// "group.object.keyword" with empty parts left out, and the column name of a section value.
std::string labelOf(const KvObjectMap& object) {
    Mdx_String label = object.groupName;
    auto add = [&label](const Mdx_String& part) {
        if (!label.isEmpty()) label += '.';
        label += part;
    };
    if (!object.objectName.isEmpty()) add(object.objectName);
    if (object.kind != KvObjectKind::Distance && object.kind != KvObjectKind::MemberSectionSize)
        add(Mdx_String(std::string(kindKeyword(object.kind)).c_str()));
    label += object.columnName;
    return utf8(label);
}

}  // namespace

EvaluateDrawing::EvaluateDrawing(const std::filesystem::path& file,
                                 const std::string& macroNameOrHandle)
    : file_(file) {
    registerMacroClasses();
    // The library's sections first; the drawing's own tables then replace those of the
    // same name, so a drawing evaluates with the sizes it carries.
    registerLibrarySectionTables(gSectionTables);
    std::string error;
    const Acad::ErrorStatus status = host::DrawingFile::load(database_, file, error);
    if (status == Acad::eFileNotFound)
        throw EvaluateError(EvaluateExit::DrawingUnreadable,
                            "cannot read the drawing " + file.string() + ": " + error);
    if (status != Acad::eOk)
        throw EvaluateError(EvaluateExit::DrawingMalformed,
                            "the drawing " + file.string() + " is malformed: " + error);
    transaction_ = std::make_unique<AcTransaction>(database_);
    selectMacro(macroNameOrHandle);
}

EvaluateDrawing::~EvaluateDrawing() = default;

void EvaluateDrawing::selectMacro(const std::string& nameOrHandle) {
    const Mdx_String name = Mdx_String::fromUtf8(nameOrHandle);
    std::vector<AcDbObjectId> byName;
    AcDbObjectId byHandle;
    std::string known;
    for (AcDbObjectId id : database_.objectIds()) {
        Mdx_DbMacro* candidate = nullptr;
        if (transaction_->getObject(candidate, id) != Acad::eOk || !candidate->macro()) continue;
        const std::string candidateName = utf8(candidate->macro()->name());
        known += (known.empty() ? "" : ", ") + candidateName + " (handle " + id.toText() + ")";
        AcDbObjectId parsed;
        if (AcDbObjectId::fromText(nameOrHandle, parsed) && parsed == id) byHandle = id;
        if (candidate->macro()->name().equal(name, false)) byName.push_back(id);
    }
    if (byHandle.isNull() && byName.size() > 1)
        throw EvaluateError(EvaluateExit::UnknownMacro,
                            "the drawing holds several macros named \"" + nameOrHandle +
                                "\"; give one by its handle (macros: " + known + ")");
    macroId_ = !byHandle.isNull() ? byHandle : byName.empty() ? AcDbObjectId() : byName.front();
    if (macroId_.isNull())
        throw EvaluateError(EvaluateExit::UnknownMacro,
                            "no macro \"" + nameOrHandle + "\" in " + file_.string() +
                                " (macros: " + (known.empty() ? "none" : known) + ")");
    if (transaction_->getObject(macro_, macroId_, host::OpenMode::ForWrite) != Acad::eOk ||
        macroData_.addMacro(macroId_, *transaction_) != Acad::eOk)
        throw EvaluateError(EvaluateExit::UnknownMacro,
                            "the macro \"" + nameOrHandle + "\" cannot be opened");
    allObjects_.initAllVarsFromMacro(macro_, transaction_.get());
}

std::string EvaluateDrawing::macroName() const {
    return utf8(macro_->macro()->name());
}

std::vector<Mdx_String> EvaluateDrawing::moduleGroups() const {
    std::vector<Mdx_String> groups;
    const Mdx_Macro& macro = *macro_->macro();
    for (int i = 0; i < macro.moduleCount(); ++i) {
        const Mdx_Module& module = *macro.moduleAt(i);
        const Mdx_String group = module.groupName().isEmpty() ? module.name() : module.groupName();
        bool seen = false;
        for (const Mdx_String& other : groups) seen = seen || other.equal(group, false);
        if (!seen) groups.push_back(group);
    }
    return groups;
}

std::vector<MacroValue> EvaluateDrawing::readValues() {
    std::vector<MacroValue> values;
    for (const KvObjectMap& object : allObjects_.mappedObjects()) {
        if (kindIsReadOnly(object.kind)) continue;
        Mdx_String value;
        const bool read =
            object.getMacroVarValue(macro_, &macroData_, value, transaction_.get()) == Acad::eOk;
        values.push_back({labelOf(object), read ? utf8(value) : "(cannot be read)"});
    }
    return values;
}

void EvaluateDrawing::save() {
    std::string error;
    if (macroData_.applyToMacros(*transaction_) != Acad::eOk)
        throw EvaluateError(EvaluateExit::WriteFailed,
                            "the macro dialog's data could not be put back into the macro; " +
                                file_.string() + " was not written");
    if (transaction_->commit() != Acad::eOk)
        throw EvaluateError(EvaluateExit::WriteFailed, "the changes could not be committed; " +
                                                           file_.string() + " was not written");
    if (host::DrawingFile::save(database_, file_, error) != Acad::eOk)
        throw EvaluateError(EvaluateExit::WriteFailed, "cannot write the drawing " +
                                                           file_.string() + ": " + error +
                                                           " (the file is as it was)");
}
