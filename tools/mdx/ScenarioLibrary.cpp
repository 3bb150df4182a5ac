#include "ScenarioLibrary.h"

#include <system_error>

#include "ScenarioError.h"
#include "ScenarioValues.h"
#include "core/Mdx_Settings.h"

namespace fs = std::filesystem;

namespace {

const char* const kKey = "scratchLibrary";

// Counts what a copy would take; symbolic links are not followed (nor copied).
void measure(const fs::path& folder) {
    std::uintmax_t bytes = 0;
    int files = 0;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (++files > kMaxScratchLibraryFiles)
            throw ScenarioError("the scratch library " + folder.string() + " holds more than " +
                                std::to_string(kMaxScratchLibraryFiles) + " files");
        if (it->is_regular_file(ec)) bytes += it->file_size(ec);
        if (bytes > kMaxScratchLibraryBytes)
            throw ScenarioError("the scratch library " + folder.string() +
                                " is larger than 64 MB");
    }
    if (ec) throw ScenarioError("the scratch library " + folder.string() + " cannot be read");
}

}  // namespace

void checkScratchLibrary(const nlohmann::json& scenario) {
    if (scenario.contains(kKey) && !scenario[kKey].is_string())
        throw ScenarioError("\"scratchLibrary\" must be the folder of a library");
}

std::unique_ptr<TempProfile> makeScratchLibrary(const nlohmann::json& scenario) {
    if (!scenario.contains(kKey)) return nullptr;
    const fs::path source =
        fs::absolute(scenario::expandText(scenario[kKey].get<std::string>())).lexically_normal();
    std::error_code ec;
    if (!fs::is_directory(source, ec))
        throw ScenarioError("the scratch library " + source.string() + " is no folder");
    measure(source);
    auto copy = std::make_unique<TempProfile>("mdx-library-");
    // A temporary folder inside the library would be copied into itself without end.
    const fs::path inside = copy->folder().lexically_relative(source);
    if (!inside.empty() && *inside.begin() != "..")
        throw ScenarioError("the scratch library " + source.string() +
                            " holds the temporary folder; set TMPDIR elsewhere");
    fs::copy(source, copy->folder(),
             fs::copy_options::recursive | fs::copy_options::skip_symlinks, ec);
    if (ec)
        throw ScenarioError("the scratch library " + source.string() + " cannot be copied (" +
                            ec.message() + ")");
    gSettings.setLibraryFolder(copy->folder().string());
    return copy;
}
