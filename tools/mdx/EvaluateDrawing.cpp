#include "EvaluateDrawing.h"

#include "BrokenReference.h"
#include "DrawingFileAccess.h"
#include "EvaluateError.h"
#include "core/macro/MacroSettings.h"
#include "core/macro/Mdx_DbMacro.h"
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

EvaluateDrawing::EvaluateDrawing(const std::filesystem::path& file) : file_(file) {
    // The library's sections first; the drawing's own tables then replace those of the
    // same name, so a drawing evaluates with the sizes it carries.
    registerLibrarySectionTables(gSectionTables);
    readBytes_ = loadDrawingFile(file, database_);
}

EvaluateDrawing::EvaluateDrawing(const std::filesystem::path& file,
                                 const std::string& macroNameOrHandle)
    : EvaluateDrawing(file) {
    open(macroNameOrHandle);
}

EvaluateDrawing::~EvaluateDrawing() = default;

namespace {

std::vector<MacroStandard> standardsOf(const Mdx_DbMacro& macro) {
    std::vector<MacroStandard> standards;
    const MacroSettings* settings = macro.settings();
    if (!settings) return standards;
    const TabMappingData& entries = settings->standards;
    for (int i = 0; i < entries.entryCount(); ++i) {
        const Mdx_String& key = entries.mapsToKeys[i];
        if (key.isEmpty() || key.left(7).equal("Module.", false)) continue;
        standards.push_back({utf8(entries.spreadsheetNames[i]), utf8(key)});
    }
    return standards;
}

}  // namespace

std::vector<DrawingMacro> EvaluateDrawing::macros() {
    std::vector<DrawingMacro> found;
    AcTransaction looking(database_);
    for (AcDbObjectId id : database_.objectIds()) {
        Mdx_DbMacro* candidate = nullptr;
        if (looking.getObject(candidate, id) != Acad::eOk || !candidate->macro()) continue;
        found.push_back({utf8(candidate->macro()->name()), id.toText(), standardsOf(*candidate)});
    }
    return found;
}

// The handle of the macro whose handle is nameOrHandle; empty when there is none. A handle
// goes before a name, so a batch opening macro after macro by handle needs no list of all.
std::string EvaluateDrawing::macroByHandle(const std::string& nameOrHandle) {
    AcDbObjectId id;
    if (!AcDbObjectId::fromText(nameOrHandle, id)) return {};
    AcTransaction looking(database_);
    Mdx_DbMacro* candidate = nullptr;
    if (looking.getObject(candidate, id) != Acad::eOk || !candidate->macro()) return {};
    return id.toText();
}

void EvaluateDrawing::open(const std::string& nameOrHandle) {
    drop();
    std::string handle = macroByHandle(nameOrHandle);
    if (handle.empty()) handle = macroByName(nameOrHandle);
    AcDbObjectId::fromText(handle, macroId_);
    transaction_ = std::make_unique<AcTransaction>(database_);
    macroData_ = std::make_unique<MacroData>();
    allObjects_ = KvSSMapping();
    if (transaction_->getObject(macro_, macroId_, host::OpenMode::ForWrite) != Acad::eOk ||
        macroData_->addMacro(macroId_, *transaction_) != Acad::eOk) {
        std::string why = describeBrokenReference(macroId_, *transaction_);
        if (why.empty()) why = "an object it refers to is missing or of another kind";
        throw EvaluateError(EvaluateExit::UnknownMacro, "the macro \"" + nameOrHandle +
                                                            "\" (handle " + handle +
                                                            ") cannot be opened: " + why);
    }
    allObjects_.initAllVarsFromMacro(macro_, transaction_.get());
}

std::string EvaluateDrawing::macroByName(const std::string& nameOrHandle) {
    const Mdx_String name = Mdx_String::fromUtf8(nameOrHandle);
    std::vector<std::string> byName;
    std::string byHandle;
    std::string known;
    for (const DrawingMacro& candidate : macros()) {
        known += (known.empty() ? "" : ", ") + candidate.name + " (handle " + candidate.handle + ")";
        AcDbObjectId parsed;
        if (AcDbObjectId::fromText(nameOrHandle, parsed) && parsed.toText() == candidate.handle)
            byHandle = candidate.handle;
        if (Mdx_String::fromUtf8(candidate.name).equal(name, false))
            byName.push_back(candidate.handle);
    }
    if (byHandle.empty() && byName.size() > 1)
        throw EvaluateError(EvaluateExit::UnknownMacro,
                            "the drawing holds several macros named \"" + nameOrHandle +
                                "\"; give one by its handle (macros: " + known + ")");
    const std::string handle = !byHandle.empty() ? byHandle : byName.empty() ? "" : byName.front();
    if (handle.empty())
        throw EvaluateError(EvaluateExit::UnknownMacro,
                            "no macro \"" + nameOrHandle + "\" in " + file_.string() +
                                " (macros: " + (known.empty() ? "none" : known) + ")");
    return handle;
}

void EvaluateDrawing::keep() {
    if (!transaction_) return;
    if (macroData_->applyToMacros(*transaction_) != Acad::eOk)
        throw EvaluateError(EvaluateExit::WriteFailed,
                            "the macro dialog's data could not be put back into the macro; " +
                                file_.string() + " was not written");
    if (transaction_->commit() != Acad::eOk)
        throw EvaluateError(EvaluateExit::WriteFailed, "the changes could not be committed; " +
                                                           file_.string() + " was not written");
    transaction_.reset();
    macro_ = nullptr;
}

void EvaluateDrawing::drop() {
    transaction_.reset();  // a transaction that goes without commit is aborted
    macro_ = nullptr;
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
            object.getMacroVarValue(macro_, macroData_.get(), value, transaction_.get()) == Acad::eOk;
        values.push_back({labelOf(object), read ? utf8(value) : "(cannot be read)"});
    }
    return values;
}

void EvaluateDrawing::save() {
    keep();
    if (database_.transactionDepth() > 0)
        throw EvaluateError(EvaluateExit::WriteFailed,
                            "a transaction still runs; " + file_.string() + " was not written");
    writeDrawingFile(file_, database_, readBytes_);
}
