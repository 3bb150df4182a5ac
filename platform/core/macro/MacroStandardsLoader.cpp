#include "core/macro/MacroStandardsLoader.h"

#include "core/macro/MacroData.h"

namespace {

MacroStandardsLoader& installed() {
    static MacroStandardsLoader loader = nullptr;
    return loader;
}

}  // namespace

void setMacroStandardsLoader(MacroStandardsLoader loader) {
    installed() = loader;
}

bool MacroData::loadFromStandards() {
    if (!installed()) {
        setUpdateError("no standards evaluation is loaded");
        return false;
    }
    if (!database()) {
        setUpdateError("the data belongs to no drawing");
        return false;
    }
    std::string error;
    if (!installed()(*this, error)) {
        setUpdateError(error.empty() ? "the standards could not be evaluated" : error);
        return false;
    }
    setUpdateError({});
    return true;
}
