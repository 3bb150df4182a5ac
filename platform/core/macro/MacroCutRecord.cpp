#include "core/macro/MacroCutRecord.h"

#include "core/macro/MacroEditAccess.h"
#include "core/macro/MacroValueText.h"

using macro_edit::changeMacro;
using macro_edit::readMacro;

namespace {

using T = KvCutOffsetType;

// Per cut type of the model: the dialog's type and its offsets, as the dialog names them.
struct CutShape {
    Mdx_ConstraintCutType dialogType;
    std::vector<std::pair<const char*, T>> offsets;
};

const CutShape* shapeOf(int modelType) {
    static const CutShape shapes[mdxCutTypeCount] = {
        {Mdx_ConstraintCutType::ProfileVsProfile, {{"Offset", T::Offset}}},
        {Mdx_ConstraintCutType::ProfileVsPlate, {{"Offset", T::Offset}, {"PolyOffset", T::PolyOffset}}},
        {Mdx_ConstraintCutType::ProfileInProfile,
         {{"LengthOffset", T::LengthOffset}, {"CenterOffset", T::CenterOffset},
          {"InsideOffset", T::InsideOffset}, {"OutsideOffset", T::OutsideOffset}}},
        {Mdx_ConstraintCutType::Chamfer,
         {{"Offset1", T::ChamferOffset1}, {"Offset2", T::ChamferOffset2}}},
        {Mdx_ConstraintCutType::Fillet, {{"Offset", T::Offset}, {"Radius", T::Radius}}},
        {Mdx_ConstraintCutType::ProfileVsProfile3Segments,
         {{"Offset1", T::ChamferOffset1}, {"Offset2", T::ChamferOffset2}, {"Offset", T::Offset}}},
    };
    return modelType >= 0 && modelType < mdxCutTypeCount ? &shapes[modelType] : nullptr;
}

void showOptions(const Mdx_CutOptions& o, const Mdx_String& cutModule, DlgMacroCutsData& record) {
    record.secondOption = o.secondOption;
    record.check1325 = o.check1325;
    record.check1326 = o.check1326;
    record.threeSegments = o.threeSegments;
    record.threeSegmentsSecond = o.threeSegmentsSecond;
    record.check1323 = o.check1323;
    record.choice = o.choice;
    record.variablePrefix = o.variablePrefix;
    record.otherPartSource = o.otherPartSource;
    record.moduleName = o.otherModule.isEmpty() ? cutModule : o.otherModule;
}

// False for a record the model cannot keep.
bool takeOptions(const DlgMacroCutsData& record, const EditSource& source, Mdx_CutOptions& o) {
    const Mdx_String& cutModule = source.module;
    if (record.choice < 0 || record.choice >= Mdx_CutOptions::kChoiceCount ||
        (record.otherPartSource != 1 && record.otherPartSource != 2) ||
        record.variablePrefix.length() > Mdx_CutOptions::kMaxTextLength ||
        record.moduleName.length() > Mdx_CutOptions::kMaxTextLength)
        return false;
    o.secondOption = record.secondOption;
    o.check1325 = record.check1325;
    o.check1326 = record.check1326;
    o.threeSegments = record.threeSegments;
    o.threeSegmentsSecond = record.threeSegmentsSecond;
    o.check1323 = record.check1323;
    o.choice = record.choice;
    o.variablePrefix = record.variablePrefix;
    o.otherPartSource = record.otherPartSource;
    // The cut's own module is the default and is not kept by name.
    const bool ownModule = record.otherPartSource == 1 && record.moduleName.equal(cutModule, false);
    o.otherModule = ownModule ? Mdx_String() : record.moduleName;
    // The cut's own macro is what a null id means; another one is kept by its id.
    const AcDbObjectId chosen = record.macroChoice.macroId;
    o.otherMacro = record.otherPartSource == 2 && chosen != source.macroId ? chosen : AcDbObjectId();
    return true;
}

}  // namespace

bool ReadCutRecord(const EditSource& source, const Mdx_String& cutName, DlgMacroCutsData& record) {
    bool found = false;
    readMacro(source.database, source.macroId, [&](const Mdx_Macro& macro, AcTransaction&) {
        const Mdx_Module* module = macro.findModule(source.module);
        if (!module) return;
        for (const Mdx_CutConstraint& cut : module->cuts()) {
            const CutShape* shape = cut.name.equal(cutName, false) ? shapeOf(cut.cutType) : nullptr;
            if (!shape) continue;
            record = DlgMacroCutsData();
            record.editing = true;
            record.name = cut.name;
            record.cutType = shape->dialogType;
            for (const auto& [name, type] : shape->offsets) {
                record.valueNames.append(name);
                record.values.append(exactNumberText(cut.offsets[static_cast<std::size_t>(type)]));
                record.valueFlags.append(false);
            }
            showOptions(cut.options, source.module, record);
            record.macroChoice.database = source.database;
            record.macroChoice.macroId =
                cut.options.otherMacro.isNull() ? source.macroId : cut.options.otherMacro;
            found = true;
            return;
        }
    });
    return found;
}

bool WriteCutRecord(const EditSource& source, const Mdx_String& cutName,
                    const DlgMacroCutsData& record) {
    return changeMacro(source.database, source.macroId, [&](Mdx_Macro& macro, AcTransaction&) {
        Mdx_Module* module = macro.findModuleWrite(source.module);
        Mdx_CutConstraint* cut = module ? module->findCut(cutName) : nullptr;
        const CutShape* shape = cut ? shapeOf(cut->cutType) : nullptr;
        if (!shape || record.values.length() != record.valueNames.length() ||
            !takeOptions(record, source, cut->options))
            return false;
        for (int i = 0; i < record.valueNames.length(); ++i) {
            Mdx_String value = record.values[i];
            if (!value.trim().isNumber()) return false;
            bool known = false;
            for (const auto& [name, type] : shape->offsets) {
                if (record.valueNames[i] != name) continue;
                cut->offsets[static_cast<std::size_t>(type)] = value.toDouble();
                known = true;
            }
            if (!known) return false;
        }
        return true;
    });
}
