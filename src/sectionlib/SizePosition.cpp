#include "sectionlib/SizePosition.h"

#include "core/ObjectExportOrder.h"
#include "core/StringHelpers.h"

bool isSquareSizeName(const Mdx_String& name) {
    const Mdx_StringArray parts = strToArr(name, "x");
    return parts.length() >= 2 && !parts[0].isEmpty() && parts[0].equal(parts[1], false);
}

int sortedSizePosition(const Mdx_ProfValuesTable& table, const Mdx_String& name) {
    Mdx_StringArray names;
    table.getColumn(names, 0);
    if (isSquareSizeName(name)) {
        Mdx_StringArray squares;
        AcArray<int> squareRows;
        for (int row = 0; row < names.length(); ++row) {
            if (!isSquareSizeName(names[row])) continue;
            squares.append(names[row]);
            squareRows.append(row);
        }
        if (!squares.isEmpty()) {
            const int at = ObjectExportAddToSorted(squares, name);
            // Before the first square size when it is the smallest, else right after the
            // square size it follows.
            return at == 0 ? squareRows[0] : squareRows[at - 1] + 1;
        }
    }
    return ObjectExportAddToSorted(names, name);
}
