// Drawing files from arbitrary bytes, with the macro classes registered: loading must never
// crash, and a drawing that loads must save and load back to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/macro/MacroClasses.h"
#include "host/AcDbDatabase.h"
#include "host/DrawingFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool registered = registerMacroClasses() == Acad::eOk;
    if (!registered) std::abort();
    std::string_view text(reinterpret_cast<const char*>(data), size);
    AcDbDatabase database;
    std::string error;
    if (host::DrawingFile::loadText(database, text, error) != Acad::eOk) {
        if (error.empty()) std::abort();  // a refusal must say why
        return 0;
    }
    std::string saved = host::DrawingFile::saveText(database);
    AcDbDatabase again;
    if (host::DrawingFile::loadText(again, saved, error) != Acad::eOk) std::abort();
    if (host::DrawingFile::saveText(again) != saved) std::abort();
    return 0;
}
