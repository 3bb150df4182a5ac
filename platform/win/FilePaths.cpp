#include "win/FilePaths.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <system_error>
#include <vector>

#include "win/AsciiCase.h"
#include "win/StableFileNames.h"

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
    fs::path& known = driveRoots().byLetter[lowerAscii(driveLetter)];
    if (known == root) return;  // asked for at every use of the library's drive
    known = root;
    forgetStableNames();
}

void setDefaultDriveRoot(const fs::path& root) {
    driveRoots().defaultRoot = root;
    driveRoots().defaultSet = !root.empty();
    forgetStableNames();
}

void clearDriveRoots() {
    driveRoots() = DriveRoots{};
    forgetStableNames();
}

fs::path driveRoot(char driveLetter) {
    const auto& roots = driveRoots();
    auto it = roots.byLetter.find(lowerAscii(driveLetter));
    if (it != roots.byLetter.end()) return it->second;
    if (roots.defaultSet) return roots.defaultRoot;
    if (const char* env = std::getenv("MDX_DRIVE_ROOT"); env && *env) return fs::path(env);
    return fs::path("/");
}

namespace {

fs::path mapPathOnDisk(std::string_view modulePath) {
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
    // The components below base; ".." takes one back and never goes above base. Only a
    // relative path keeps leading "..", as the caller's folder is all it refers to.
    std::vector<std::string> kept;
    int leadingUp = 0;
    for (std::string& component : splitComponents(rest)) {
        if (component == ".") continue;
        if (component == "..") {
            if (!kept.empty())
                kept.pop_back();
            else if (base.empty())
                ++leadingUp;
            continue;
        }
        kept.push_back(std::move(component));
    }
    fs::path result = base;
    for (int i = 0; i < leadingUp; ++i) result /= "..";
    for (const std::string& component : kept) result = resolveComponent(result, component);
    if (result.empty() && !modulePath.empty()) result = base.empty() ? fs::path(".") : base;
    return result;
}

}  // namespace

fs::path mapPath(std::string_view modulePath) {
    NameMemo* memo = stableNameMemo(NameLookUp::Mapped);
    if (!memo) return mapPathOnDisk(modulePath);
    const std::string key(modulePath);
    auto known = memo->find(key);
    if (known != memo->end()) return known->second;
    fs::path mapped = mapPathOnDisk(modulePath);
    memo->emplace(key, mapped);
    return mapped;
}

namespace {

thread_local std::string gLastFileError;

bool failWith(std::string why) {
    gLastFileError = std::move(why);
    return false;
}

std::string systemError(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

// Reads from an open descriptor until the end, refusing to go past limit.
bool readAll(int fd, std::string& out, std::uintmax_t limit) {
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return failWith(systemError("cannot read"));
        }
        if (n == 0) return true;
        if (out.size() + static_cast<std::size_t>(n) > limit)
            return failWith("larger than " + std::to_string(limit) + " bytes");
        out.append(buffer, static_cast<std::size_t>(n));
    }
}

}  // namespace

const std::string& lastFileError() {
    return gLastFileError;
}

bool readWholeFile(const fs::path& file, std::string& out, std::uintmax_t limit) {
    out.clear();
    gLastFileError.clear();
    // O_NONBLOCK: opening a FIFO must not wait for a writer; the check below refuses it.
    int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return failWith(systemError("cannot open"));
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0;
    if (!ok)
        failWith(systemError("cannot inspect"));
    else if (!S_ISREG(info.st_mode))
        ok = failWith(S_ISDIR(info.st_mode) ? "a folder, not a file" : "not a regular file");
    else if (static_cast<std::uintmax_t>(info.st_size) > limit)
        ok = failWith("larger than " + std::to_string(limit) + " bytes");
    if (ok) {
        out.reserve(static_cast<std::size_t>(info.st_size));
        ok = readAll(fd, out, limit);
    }
    ::close(fd);
    if (!ok) out.clear();
    return ok;
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

namespace {

constexpr const char* kTempInfix = ".tmp.";

// The file a write really replaces: a symbolic link is followed to its target, so the link
// stays a link and the drawing it points to is the one that changes.
fs::path writeTarget(const fs::path& file) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(file, ec))) return file;
    const fs::path resolved = fs::weakly_canonical(file, ec);
    return ec ? file : resolved;
}

// Temporary names carry the writer's process id: ".name.tmp.<pid>.XXXXXX".
std::string tempPrefix(const fs::path& target) {
    return "." + target.filename().string() + kTempInfix;
}

// A writer that was killed between creating its temporary file and the rename leaves the
// file behind; the next write of the same target removes it once its process is gone.
void removeStaleTemporaries(const fs::path& folder, const fs::path& target) {
    const std::string prefix = tempPrefix(target);
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) return;
    for (const auto& entry : it) {
        const std::string name = entry.path().filename().string();
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string rest = name.substr(prefix.size());
        const std::size_t dot = rest.find('.');
        if (dot == std::string::npos || dot == 0) continue;
        char* end = nullptr;
        const long pid = std::strtol(rest.c_str(), &end, 10);
        if (end != rest.c_str() + dot || pid <= 0) continue;
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
        std::error_code ignored;
        if (fs::is_regular_file(fs::symlink_status(entry.path(), ignored)))
            fs::remove(entry.path(), ignored);
    }
}

bool refusesWriting(const fs::path& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) return false;  // a new file
    if (!S_ISREG(info.st_mode)) return !failWith("not a regular file");
    // As the file's permissions say, also for a user whom the system would let through.
    if ((info.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
        return !failWith("the file is read-only");
    return false;
}

void syncFolder(const fs::path& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

bool writeTargetAtomic(const fs::path& target, std::string_view bytes) {
    forgetStableNames();
    if (target.filename().empty()) return failWith("no file name");
    if (refusesWriting(target)) return false;
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    removeStaleTemporaries(folder, target);
    std::string pattern =
        (folder / (tempPrefix(target) + std::to_string(::getpid()) + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (injectedFault(WriteStage::Create)) return failWith("cannot create a temporary file");
    int fd = ::mkstemp(name.data());
    if (fd < 0) return failWith(systemError("cannot create a temporary file"));
    const fs::path temp(name.data());
    auto fail = [&](bool closeFirst, std::string why) {
        if (closeFirst) ::close(fd);
        std::error_code ec;
        fs::remove(temp, ec);
        return failWith(std::move(why));
    };
    if (injectedFault(WriteStage::Write) || !writeAll(fd, bytes))
        return fail(true, systemError("cannot write"));
    copyModeFrom(target, fd);
    if (injectedFault(WriteStage::Flush) || ::fsync(fd) != 0)
        return fail(true, systemError("cannot flush"));
    if (::close(fd) != 0) return fail(false, systemError("cannot close"));
    if (injectedFault(WriteStage::Rename)) return fail(false, "cannot rename");
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) return fail(false, "cannot rename: " + ec.message());
    syncFolder(folder);
    return true;
}

// Holds an exclusive lock on a folder for as long as it lives. Every read-modify-write of a
// file in the folder takes it, so they follow one another.
class FolderLock {
public:
    explicit FolderLock(const fs::path& folder)
        : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~FolderLock() {
        if (fd_ >= 0) ::close(fd_);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool held() const { return fd_ >= 0; }

private:
    int fd_;
};

}  // namespace

bool writeWholeFileAtomic(const fs::path& file, std::string_view bytes) {
    gLastFileError.clear();
    return writeTargetAtomic(writeTarget(file), bytes);
}

bool replaceWholeFileIfUnchanged(const fs::path& file, std::string_view expected,
                                 std::string_view bytes) {
    gLastFileError.clear();
    const fs::path target = writeTarget(file);
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    FolderLock lock(folder);
    if (!lock.held()) return failWith(systemError("cannot lock the folder"));
    std::string current;
    if (!readWholeFile(target, current)) return false;
    if (current != expected)
        return failWith("the file was changed by someone else since it was read");
    return writeTargetAtomic(target, bytes);
}

void setWriteFaultHook(std::function<bool(WriteStage)> hook) {
    writeFaultHook() = std::move(hook);
}

}  // namespace win
