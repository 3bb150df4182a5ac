#pragma once
// For the end-to-end tests of the command line: the built mdx run as a user runs it, and a
// scratch folder per test.
#include "MdxBuildPaths.h"
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace mdx_testing {

struct MdxRun {
    std::string out;
    int status = -1;
};

// Runs a shell command line and keeps what it prints on standard output.
inline MdxRun runShell(const std::string& command) {
    MdxRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer{};
    for (size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        run.out.append(buffer.data(), n);
    const int raw = ::pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

// Runs `mdx args` through the shell; with withStderr false only standard output is kept.
inline MdxRun runMdx(const std::string& args, bool withStderr = true) {
    return runShell(std::string(MDX_EXE) + " " + args + (withStderr ? " 2>&1" : " 2>/dev/null"));
}

// A path as one shell word (the tests' paths hold no single quotes).
inline std::string quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// A fresh folder named after the running test, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder() {
        path_ = std::filesystem::temp_directory_path() /
                ("mdx_cli_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

inline const std::string kSourceDir = MDX_SOURCE_DIR;

}  // namespace mdx_testing
