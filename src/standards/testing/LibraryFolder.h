#pragma once
// A fresh library folder for one test, with its "Connection Standards" folder, installed as
// the library of gSettings while the test runs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/Mdx_Settings.h"
#include "win/FilePaths.h"

namespace standards::testing {

class LibraryFolder {
public:
    LibraryFolder() {
        root_ = std::filesystem::temp_directory_path() /
                ("mdx_mapping_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_ / "Connection Standards");
        gSettings.setLibraryFolder(root_.string());
    }
    ~LibraryFolder() {
        win::setWriteFaultHook({});
        gSettings.setLibraryFolder("");
        std::filesystem::remove_all(root_);
    }
    std::filesystem::path standards() const { return root_ / "Connection Standards"; }
    void put(const std::string& relative, const std::string& bytes) const {
        std::filesystem::create_directories((standards() / relative).parent_path());
        std::ofstream(standards() / relative, std::ios::binary) << bytes;
    }
    std::string get(const std::string& relative) const {
        std::string bytes;
        win::readWholeFile(standards() / relative, bytes);
        return bytes;
    }

private:
    std::filesystem::path root_;
};

}  // namespace standards::testing
