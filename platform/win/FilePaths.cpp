#include "win/FilePaths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <system_error>
#include <vector>

#include "win/AsciiCase.h"

namespace fs = std::filesystem;

namespace win {
namespace {

struct DriveRoots {
    std::map<char, fs::path> byLetter;
    fs::path defaultRoot;
    bool defaultSet = false;
};

DriveRoots& driveRoots() {
    static DriveRoots roots;
    return roots;
}

std::function<bool(WriteStage)>& writeFaultHook() {
    static std::function<bool(WriteStage)> hook;
    return hook;
}

bool injectedFault(WriteStage stage) {
    const auto& hook = writeFaultHook();
    return hook && hook(stage);
}

bool isDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::vector<std::string> splitComponents(std::string_view path) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : path) {
        if (c == '\\' || c == '/') {
            if (!current.empty()) parts.push_back(std::move(current));
            current.clear();
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty()) parts.push_back(std::move(current));
    return parts;
}

// The entry of folder whose name equals component ignoring case; prefers the exact name.
fs::path resolveComponent(const fs::path& folder, const std::string& component) {
    std::error_code ec;
    fs::path exact = folder / component;
    if (fs::exists(fs::symlink_status(exact, ec))) return exact;
    const fs::path listed = folder.empty() ? fs::path(".") : folder;
    fs::directory_iterator it(listed, ec);
    if (ec) return exact;
    for (const auto& entry : it) {
        const std::string name = entry.path().filename().string();
        if (equalsIgnoringAsciiCase(name, component)) return folder / name;
    }
    return exact;
}

}  // namespace

void setDriveRoot(char driveLetter, const fs::path& root) {
    driveRoots().byLetter[lowerAscii(driveLetter)] = root;
}

void setDefaultDriveRoot(const fs::path& root) {
    driveRoots().defaultRoot = root;
    driveRoots().defaultSet = !root.empty();
}

void clearDriveRoots() {
    driveRoots() = DriveRoots{};
}

fs::path driveRoot(char driveLetter) {
    const auto& roots = driveRoots();
    auto it = roots.byLetter.find(lowerAscii(driveLetter));
    if (it != roots.byLetter.end()) return it->second;
    if (roots.defaultSet) return roots.defaultRoot;
    if (const char* env = std::getenv("MDX_DRIVE_ROOT"); env && *env) return fs::path(env);
    return fs::path("/");
}

fs::path mapPath(std::string_view modulePath) {
    fs::path base;
    std::string_view rest = modulePath;
    if (rest.size() >= 2 && isDriveLetter(rest[0]) && rest[1] == ':') {
        base = driveRoot(rest[0]);
        rest.remove_prefix(2);
    } else if (!rest.empty() && (rest[0] == '\\' || rest[0] == '/')) {
        // A real absolute path ("/tmp/x") must stay itself; a Windows root-relative one
        // ("\\Lib\\x") has only backslashes and goes to the default drive.
        base = rest[0] == '/' ? fs::path("/") : driveRoot('\0');
    }
    fs::path result = base;
    for (const std::string& component : splitComponents(rest)) {
        if (component == ".") continue;
        if (component == "..") {
            result = result.empty() ? fs::path("..") : result / "..";
            continue;
        }
        result = resolveComponent(result, component);
    }
    if (result.empty() && !modulePath.empty()) result = base.empty() ? fs::path(".") : base;
    return result;
}

bool readWholeFile(const fs::path& file, std::string& out) {
    out.clear();
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    std::error_code ec;
    if (fs::is_directory(file, ec)) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) return false;
    out = std::move(buffer).str();
    return true;
}

namespace {

bool writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Keeps the permissions of the file being replaced, so an atomic rewrite does not reset
// them to the temporary file's 0600.
void copyModeFrom(const fs::path& target, int fd) {
    std::error_code ec;
    auto status = fs::status(target, ec);
    mode_t mode = 0644;
    if (!ec && fs::exists(status)) mode = static_cast<mode_t>(status.permissions()) & 07777;
    (void)::fchmod(fd, mode);
}

}  // namespace

bool writeWholeFileAtomic(const fs::path& file, std::string_view bytes) {
    if (file.filename().empty()) return false;
    const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    std::string pattern = (folder / ("." + file.filename().string() + ".tmp.XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (injectedFault(WriteStage::Create)) return false;
    int fd = ::mkstemp(name.data());
    if (fd < 0) return false;
    const fs::path temp(name.data());
    auto fail = [&](bool closeFirst) {
        if (closeFirst) ::close(fd);
        std::error_code ec;
        fs::remove(temp, ec);
        return false;
    };
    if (injectedFault(WriteStage::Write) || !writeAll(fd, bytes)) return fail(true);
    copyModeFrom(file, fd);
    if (injectedFault(WriteStage::Flush) || ::fsync(fd) != 0) return fail(true);
    if (::close(fd) != 0) return fail(false);
    if (injectedFault(WriteStage::Rename)) return fail(false);
    std::error_code ec;
    fs::rename(temp, file, ec);
    if (ec) return fail(false);
    return true;
}

void setWriteFaultHook(std::function<bool(WriteStage)> hook) {
    writeFaultHook() = std::move(hook);
}

}  // namespace win
