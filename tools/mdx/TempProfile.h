#pragma once
// A fresh profile folder of one run, so that saved dialog sizes and registry values of the
// user's other sessions do not change what the run does. It is made with mkdtemp: a name
// nobody can guess or plant beforehand, readable by its owner only. It goes with the object.
#include <filesystem>

class TempProfile {
public:
    // Throws std::runtime_error naming the temporary folder when it cannot be created.
    explicit TempProfile(const char* prefix);
    ~TempProfile();
    TempProfile(const TempProfile&) = delete;
    TempProfile& operator=(const TempProfile&) = delete;

    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
};
