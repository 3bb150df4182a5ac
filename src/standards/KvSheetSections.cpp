#include "standards/KvSheetSections.h"

#include "spread/Mdx_Spread.h"

KvSheetSections::KvSheetSections(const Mdx_Spread& sheet) {
    input_.startRow = findSectionStart(sheet, kInput);
    output_.startRow = findSectionStart(sheet, kOutput);
    local_.startRow = findSectionStart(sheet, kLocal);
    calc_.startRow = findSectionStart(sheet, kCalc);
    const int lastRow = sheet.getMaxRows();
    for (KvSheetSection* section : {&input_, &output_, &local_, &calc_})
        section->endRow = section->isPresent() ? endOf(*section, lastRow) : -1;
}

int KvSheetSections::findSectionStart(const Mdx_Spread& sheet, const Mdx_String& keyword) {
    int col = 0, row = 0;
    if (!sheet.findNext(keyword, false, 1, 1, col, row)) return -1;
    return row + 1;
}

int KvSheetSections::endOf(const KvSheetSection& section, int lastRow) const {
    int nearestStart = -1;
    for (const KvSheetSection* other : {&input_, &output_, &local_, &calc_}) {
        if (!other->isPresent() || other->startRow <= section.startRow) continue;
        if (nearestStart < 0 || other->startRow < nearestStart) nearestStart = other->startRow;
    }
    // The following section's keyword row still belongs to this one: only its start row
    // and below are the other section's.
    return nearestStart < 0 ? lastRow : nearestStart - 1;
}
