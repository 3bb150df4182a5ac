#include "core/macro/Mdx_DbMacro.h"

#include "core/macro/MacroFields.h"
#include "core/macro/MacroSettings.h"
#include "core/macro/MacroSettingsFields.h"

using namespace macrofields;

Mdx_DbMacro::Mdx_DbMacro() = default;
Mdx_DbMacro::Mdx_DbMacro(std::unique_ptr<Mdx_Macro> macro) : macro_(std::move(macro)) {}
Mdx_DbMacro::~Mdx_DbMacro() = default;

void Mdx_DbMacro::setSettings(const MacroSettings& settings) {
    auto kept = std::make_unique<MacroSettings>(settings);
    kept->dbMacro = nullptr;
    kept->transaction = nullptr;
    kept->standards.macroMapping = nullptr;
    kept->standards.rememberOriginal();
    settings_ = std::move(kept);
}

void Mdx_DbMacro::writeFields(host::FieldWriter& out) const {
    out.writeBool("hasMacro", macro_ != nullptr);
    if (macro_) macro_->writeFields(out);
    writeIds(out, "baseProfs", "baseProf", baseProfIds_);
    if (settings_) writeMacroSettingsFields(out, *settings_);
}

Acad::ErrorStatus Mdx_DbMacro::readFields(host::FieldReader& in) {
    bool hasMacro = false;
    if (!in.readBool("hasMacro", hasMacro)) return in.status();
    std::unique_ptr<Mdx_Macro> macro;
    if (hasMacro) {
        macro = std::make_unique<Mdx_Macro>();
        if (!macro->readFields(in)) return in.status();
    }
    AcArray<AcDbObjectId> baseProfs;
    if (!readIds(in, "baseProfs", "baseProf", baseProfs)) return in.status();
    auto settings = std::make_unique<MacroSettings>();
    bool hasSettings = false;
    if (!readMacroSettingsFields(in, *settings, hasSettings)) return in.status();
    if (!in.atEnd()) {
        in.fail("unexpected fields after the base profiles");
        return in.status();
    }
    macro_ = std::move(macro);
    baseProfIds_ = std::move(baseProfs);
    settings_ = hasSettings ? std::move(settings) : nullptr;
    return Acad::eOk;
}
