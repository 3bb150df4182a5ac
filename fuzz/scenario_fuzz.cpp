// Scenario files from arbitrary bytes: reading must never crash or throw, however deep or
// malformed the JSON, and a refusal must say why. A scenario that is read carries the
// header the runner relies on.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ScenarioFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    nlohmann::json scenario;
    std::string error;
    const ScenarioReadResult result = parseScenarioText(text, scenario, error);
    if (result != ScenarioReadResult::Read) {
        if (error.empty()) std::abort();
        return 0;
    }
    if (!scenario.is_object() || !scenario["steps"].is_array() ||
        scenario["format"] != "mdx-scenario" || scenario["version"] != 1)
        std::abort();
    return 0;
}
