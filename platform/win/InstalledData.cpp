#include "win/InstalledData.h"

#include <system_error>

#include "MdxInstallLayout.h"

namespace fs = std::filesystem;

namespace win {

fs::path installedDataFolder(std::string_view name, const fs::path& buildTreeFolder) {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error) return buildTreeFolder;
    const fs::path installed =
        (program.parent_path() / MDX_DATA_FROM_PROGRAM / name).lexically_normal();
    return fs::is_directory(installed, error) ? installed : buildTreeFolder;
}

}  // namespace win
