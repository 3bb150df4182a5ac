#include "win/Profile.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

namespace fs = std::filesystem;

TEST(Profile, SetFolderWinsOverEnvironmentAndEmptyRestoresIt) {
    const fs::path env = fs::temp_directory_path() / ("mdx_prof_env_" + std::to_string(::getpid()));
    ::setenv("MDX_PROFILE", env.c_str(), 1);
    win::setProfileFolder({});
    EXPECT_EQ(win::profileFolder(), env);
    win::setProfileFolder("/some/where");
    EXPECT_EQ(win::profileFolder(), fs::path("/some/where"));
    win::setProfileFolder({});
    ::unsetenv("MDX_PROFILE");
    const char* oldHome = ::getenv("HOME");
    const std::string savedHome = oldHome ? oldHome : "";
    ::setenv("HOME", "/home/tester", 1);
    EXPECT_EQ(win::profileFolder(), fs::path("/home/tester/.meridox-profile"));
    if (oldHome) ::setenv("HOME", savedHome.c_str(), 1);
}

TEST(Profile, EnsureCreatesNestedFolder) {
    const fs::path dir =
        fs::temp_directory_path() / ("mdx_prof_" + std::to_string(::getpid())) / "a" / "b";
    win::setProfileFolder(dir);
    EXPECT_TRUE(win::ensureProfileFolder());
    EXPECT_TRUE(fs::is_directory(dir));
    fs::remove_all(dir.parent_path().parent_path());
    win::setProfileFolder({});
}
