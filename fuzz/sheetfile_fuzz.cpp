// Feeds arbitrary bytes to the sheet-file and plain-grid readers. A sheet that reads must
// write back to a file that reads again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "grid/SheetFile.h"
#include "grid/SpreadModel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 65536) return 0;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    {
        grid::SpreadModel model;
        if (grid::readSheetFile(bytes, model)) {
            std::string written = grid::writeSheetFile(model);
            grid::SpreadModel again;
            if (!grid::readSheetFile(written, again)) std::abort();
            model.sheet().recalculateAll();
        }
    }
    for (char separator : {'\t', ','}) {
        grid::SpreadModel model;
        if (grid::readPlainGrid(bytes, separator, model)) grid::writePlainGrid(model, separator);
    }
    return 0;
}
