#include "TempProfile.h"

#include <stdlib.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

fs::path temporaryFolder() {
    std::error_code ec;
    fs::path folder = fs::temp_directory_path(ec);
    if (ec) {
        const char* set = std::getenv("TMPDIR");
        throw std::runtime_error(std::string("cannot create a profile folder: the temporary "
                                             "folder ") +
                                 (set ? set : "/tmp") + " is no folder (" + ec.message() +
                                 "); set TMPDIR to a writable folder, or give --profile");
    }
    return folder;
}

}  // namespace

TempProfile::TempProfile(const char* prefix) {
    const fs::path parent = temporaryFolder();
    const std::string pattern = (parent / (std::string(prefix) + "XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!::mkdtemp(name.data()))
        throw std::runtime_error("cannot create a profile folder in " + parent.string() + ": " +
                                 std::strerror(errno) +
                                 " (set TMPDIR to a writable folder, or give --profile)");
    folder_ = fs::path(name.data());
}

TempProfile::~TempProfile() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}
