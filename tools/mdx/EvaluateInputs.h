#pragma once
// The inputs of mdx evaluate that need no drawing: the general variables of --gen and the
// standard to evaluate. Each check throws an EvaluateError that names what is wrong.
#include <filesystem>
#include <string>
#include <vector>

#include "core/Mdx_StringArray.h"

struct GeneralVariables {
    Mdx_StringArray names;
    Mdx_StringArray values;
};

// NAME=VALUE, one per item. A name is letters, digits, "_" and "."; the value may be empty.
// No "=", an empty or malformed name, or a name given twice is refused.
GeneralVariables parseGeneralVariables(const std::vector<std::string>& assignments);

struct StandardRef {
    Mdx_String fileName;         // what the request carries: a library name or a full path
    std::filesystem::path file;  // the real file
    bool inLibrary = false;      // only standards of the library have mapping files
};

// A name in the library's "Connection Standards" folder, with or without ".kvs" (sub-folders
// with "/" or "\"), or the path of a file. A file inside some "Connection Standards" folder
// makes that folder's library the library, unless libraryGiven. The file must be a sheet
// file holding the sections Input, Output and Calc.
StandardRef resolveStandard(const std::string& argument, bool libraryGiven);
