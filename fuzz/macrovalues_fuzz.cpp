// Property files of the macro dialog from arbitrary bytes, put on the data of the sample end
// plate: a refused text leaves the data as it was, and an accepted one leaves data whose
// values, written and read into another copy, come out the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/macro/MacroClasses.h"
#include "core/macro/MacroData.h"
#include "core/macro/MacroPropertyFile.h"
#include "core/macro/testing/EndPlateDrawing.h"

namespace {

namespace file = macro_property_file;

struct Sample {
    AcDbDatabase db;
    endplate::Drawing drawing = endplate::build(db);

    std::unique_ptr<MacroData> gather() {
        auto data = std::make_unique<MacroData>();
        AcTransaction transaction(db);
        if (data->addMacro(drawing.macro, transaction) != Acad::eOk) std::abort();
        return data;
    }
};

std::string composed(const MacroData& data) {
    std::string text, error;
    if (file::compose(data, text, error)) return text;
    // A value holding a tab or a line break cannot be written: a refusal with a reason.
    if (error.empty()) std::abort();
    return "!" + error;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    static const bool registered = registerMacroClasses() == Acad::eOk;
    if (!registered) std::abort();
    static Sample sample;
    if (size > file::kMaxBytes + 16) return 0;
    const std::string text(reinterpret_cast<const char*>(bytes), size);
    std::unique_ptr<MacroData> data = sample.gather();
    const std::string before = composed(*data);
    int count = 0;
    std::string error;
    if (!file::apply(text, *data, count, error)) {
        if (error.empty() || composed(*data) != before) std::abort();
        return 0;
    }
    if (count < 0) std::abort();
    const std::string after = composed(*data);
    if (!after.empty() && after[0] == '!') return 0;
    std::unique_ptr<MacroData> other = sample.gather();
    int otherCount = 0;
    if (!file::apply(after, *other, otherCount, error) || composed(*other) != after) std::abort();
    return 0;
}
