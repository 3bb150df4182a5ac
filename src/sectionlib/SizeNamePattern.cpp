#include "sectionlib/SizeNamePattern.h"

#include <algorithm>

#include "core/StringHelpers.h"
#include "core/sections/SectionNames.h"

namespace {

const int kMaxRowsSearched = 9999;

bool partMatches(const Mdx_String& part, const Mdx_String& cell) {
    if (part.isNumber()) return cell.isNumber() && part.toDouble() == cell.toDouble();
    return part == cell;
}

bool matchRow(const Mdx_StringArray& row, int firstValue, AcArray<int>& values) {
    const Mdx_StringArray parts = strToArr(row[0], "x");
    if (parts.isEmpty()) return false;
    AcArray<int> matched;
    int col = firstValue - 1;
    for (const Mdx_String& part : parts) {
        int found = -1;
        for (int c = col + 1; c < row.length() && found < 0; ++c)
            if (partMatches(part, row[c])) found = c;
        if (found < 0) return false;
        matched.append(found - firstValue);
        col = found;
    }
    values = matched;
    return true;
}

}  // namespace

SizeNamePattern findSizeNamePattern(const Mdx_ProfValuesTable& table, int startRow) {
    SizeNamePattern pattern;
    const int languages = table.getNrLanguages();
    const int firstValue = 2 + languages;
    const int end = std::min(table.rows.length(), std::max(startRow, 0) + kMaxRowsSearched);
    for (int r = std::max(startRow, 0); r < end; ++r) {
        const Mdx_StringArray& row = table.rows[r];
        if (row.length() <= firstValue || !matchRow(row, firstValue, pattern.values)) continue;
        pattern.found = true;
        for (int i = 0; i < languages; ++i) {
            const Mdx_String& userName = row[2 + i];
            const int digit = findFirstNumbers(userName);
            pattern.prefixes.append(digit < 0 ? userName : userName.left(digit));
        }
        break;
    }
    return pattern;
}

Mdx_String patternName(const SizeNamePattern& pattern, const Mdx_StringArray& dimensions) {
    Mdx_StringArray parts;
    for (int index : pattern.values) {
        if (!dimensions.isValidIndex(index)) return Mdx_String();
        Mdx_String part = dimensions[index];
        part.trim();
        parts.append(part);
    }
    return arrToStr(parts, "x");
}
