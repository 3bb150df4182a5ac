#include "win/Profile.h"

#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

namespace win {
namespace {

fs::path& chosenFolder() {
    static fs::path folder;
    return folder;
}

}  // namespace

fs::path profileFolder() {
    if (!chosenFolder().empty()) return chosenFolder();
    if (const char* env = std::getenv("MDX_PROFILE"); env && *env) return fs::path(env);
    const char* home = std::getenv("HOME");
    fs::path base = (home && *home) ? fs::path(home) : fs::path(".");
    return base / ".meridox-profile";
}

void setProfileFolder(const fs::path& folder) {
    chosenFolder() = folder;
}

bool ensureProfileFolder() {
    std::error_code ec;
    const fs::path folder = profileFolder();
    if (fs::is_directory(folder, ec)) return true;
    fs::create_directories(folder, ec);
    return fs::is_directory(folder, ec);
}

}  // namespace win
