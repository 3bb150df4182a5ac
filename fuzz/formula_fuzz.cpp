// Feeds arbitrary text to the formula parser as a formula of a small sheet, in each reference
// style, then reads the formula back, parses that again (it must be accepted) and calculates
// it, also after rows and columns moved.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "grid/Sheet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) return 0;
    std::string text(reinterpret_cast<const char*>(data), size);
    for (int style = 0; style < 3; ++style) {
        grid::Sheet sheet;
        sheet.setRefStyle(static_cast<grid::RefStyle>(style));
        sheet.setNumber(1, 1, 2);
        sheet.setText(2, 1, "text");
        sheet.setFormula(1, 2, "=A1*3");
        if (!sheet.setFormula(3, 3, text)) continue;
        for (int out = 1; out < 3; ++out) {
            auto outStyle = static_cast<grid::RefStyle>(out);
            std::string printed = sheet.formulaText(3, 3, outStyle);
            grid::Sheet again;
            again.setRefStyle(outStyle);
            if (!again.setFormula(3, 3, printed)) std::abort();  // printed text must parse
            // In A1 form the text reads back the same; in R1C1 form a name such as "R1C1"
            // of an A1 formula would become a reference, so only parsing is checked there.
            if (outStyle == grid::RefStyle::A1 && again.formulaText(3, 3, outStyle) != printed)
                std::abort();
        }
        sheet.value(3, 3);
        sheet.insertRows(2, 1);
        sheet.deleteColumns(1, 1);
        sheet.recalculateAll();
    }
    return 0;
}
