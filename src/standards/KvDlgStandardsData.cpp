#include "standards/KvDlgStandardsData.h"

Acad::ErrorStatus KvDlgStandardsData::initialize(Mdx_DbMacro* macro, Mdx_String file,
                                                 Mdx_String maps, MacroData* data) {
    if (!macro || !data) return Acad::eInvalidInput;
    Mdx_String prefix, group;
    moduleGroup = maps.startsWith("Module.", false) && maps.splitAtFirst(".", prefix, group, true)
                      ? group
                      : Mdx_String();
    mode = kMainEvaluation;
    fileName = file;
    mapsTo = maps;
    dbMacro = macro;
    macroData = data;
    return Acad::eOk;
}
